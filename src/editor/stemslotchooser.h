#pragma once

#include <QObject>
#include <QStringList>

class StemTableModel;

// The choice behind the "Link To" dialog: which stem slot a row takes on unit #1 or
// unit #2. Offers the cell's current value, a blank to clear it, and every slot that
// no row holds yet in that column.
class StemSlotChooser final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StemSlotChooser)

public:
    static constexpr int slotCount = 16;

    explicit StemSlotChooser(StemTableModel &table, QObject *parent = nullptr);

    // Prepares the choice for one VK cell and asks for the dialog to be shown.
    void Settype(const QString &text, int column, int row);

    QString title() const { return m_title; }
    QStringList entries() const { return m_entries; }
    int selectedEntry() const { return m_selected; }
    int row() const { return m_row; }
    int column() const { return m_column; }

    void choose(int entry);
    // "Set": writes the chosen slot; unit #1's choice goes to unit #2 as well.
    void kset();
    void kabort();

signals:
    void popupRequested(const QString &title);
    void closeRequested();

private:
    void buildstem(const QString &current);

    StemTableModel &m_table;
    QString m_title;
    QStringList m_entries;
    int m_selected = 0;
    int m_row = 0;
    int m_column = 0;
};
