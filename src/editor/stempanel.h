#pragma once

#include <QGroupBox>

#include <array>

class ConfigStore;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;
class StemEditor;
class StemNameList;
class TrackFormats;
class ZrComboBox;
class ZrKey;

// The "Add/Modify Stem" panel: stem name box, port buttons, track format keys with
// the channel list and object fields, and Delete, Add and Update. It shows the state
// of the editor and the formats and hands every user action to them.
class StemPanel final : public QGroupBox
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StemPanel)

public:
    StemPanel(StemEditor &editor, TrackFormats &formats, StemNameList &names, ConfigStore &config,
              QWidget *parent = nullptr);

    // Opens the lit keys; run once the panel's owner is ready for their events.
    void openKeys();

    ZrComboBox &cbstemname() { return *m_cbstemname; }
    ZrKey &fmt(int key);
    QLineEdit &trkfmt() { return *m_trkfmt; }
    QLineEdit &pfix() { return *m_pfix; }
    QLineEdit &oqty() { return *m_oqty; }
    QPushButton &kincdec(int index);
    QRadioButton &rbport(int index);
    QPushButton &kadd() { return *m_kadd; }
    QPushButton &kupdate() { return *m_kupdate; }
    QPushButton &kdelete() { return *m_kdelete; }
    QPushButton &kstemnameAdd() { return *m_kstemnameAdd; }
    QPushButton &kstemnameDel() { return *m_kstemnameDel; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildNameGroup();
    QWidget *buildPortGroup();
    void buildFormatGroups(ConfigStore &config, QVBoxLayout *panelLayout);
    void refresh();

    StemEditor &m_editor;
    TrackFormats &m_formats;
    StemNameList &m_names;
    ZrComboBox *m_cbstemname = nullptr;
    QPushButton *m_kstemnameAdd = nullptr;
    QPushButton *m_kstemnameDel = nullptr;
    std::array<QRadioButton *, 2> m_rbport{};
    std::array<ZrKey *, 6> m_fmt{};
    QLineEdit *m_trkfmt = nullptr;
    QLineEdit *m_pfix = nullptr;
    QLineEdit *m_oqty = nullptr;
    std::array<QPushButton *, 2> m_kincdec{};
    QPushButton *m_kdelete = nullptr;
    QPushButton *m_kadd = nullptr;
    QPushButton *m_kupdate = nullptr;
};
