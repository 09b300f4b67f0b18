#pragma once

#include <QItemSelectionModel>
#include <QObject>
#include <QString>

#include <optional>

class ConfigStore;
class DialogProvider;
class StemNameList;
class StemSlotChooser;
class StemTableModel;
class TrackFormats;

// The "Add/Modify Stem" panel, the output ports and the table clicks: writes the
// panel into stem rows (with continuation rows beyond 16 tracks), reads a row back
// into the panel and numbers every row's tracks per output port.
class StemEditor final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StemEditor)

public:
    static constexpr int tracksPerRow = 16;

    StemEditor(StemTableModel &table, TrackFormats &formats, StemNameList &names,
               StemSlotChooser &slotChooser, ConfigStore &config, DialogProvider &dialogs,
               QObject *parent = nullptr);

    static QString port1();
    static QString port2();

    // The selection of the stem table, shared with its view.
    QItemSelectionModel &selection() { return m_selection; }
    int selectedRow() const;
    void selectRow(int row);

    // The stem text of the name box: name, comma, description.
    QString stemText() const { return m_stemText; }
    void setStemText(const QString &text);

    // The port buttons: true while "O/P#2 (I/P)" is selected.
    bool port2Selected() const { return m_port2Selected; }
    void selectPort2(bool selected);
    bool cbop2() const { return m_cbop2; }
    void setCbop2(bool on);
    bool updateEnabled() const { return m_updateEnabled; }

    bool Checkstemname();
    void kadd();
    void Updatestem(int row);
    void Readstem(int row);
    void updlist();
    void deletecurrentstem();
    void kclear();
    void clearSelected();
    void kstemname_add1();
    void kstemname_del1();
    void lbstem_CellClick(int row, int column);
    void numbertracks(const QString &port);

    // The number of entries of a comma-separated list; a trailing comma adds none.
    static int channelCount(const QString &list);

signals:
    void changed();

private:
    bool isOnPort1(int row) const;
    void removeContinuationRows(int stemRow);
    // The selected row's stem without its continuation rows; a message when none is.
    std::optional<int> takeSelectedStem(const QString &noSelectionMessage);

    StemTableModel &m_table;
    TrackFormats &m_formats;
    StemNameList &m_names;
    StemSlotChooser &m_slotChooser;
    ConfigStore &m_config;
    DialogProvider &m_dialogs;
    QItemSelectionModel m_selection;
    QString m_stemText;
    bool m_port2Selected = false;
    bool m_cbop2 = false;
    bool m_updateEnabled = true;
};
