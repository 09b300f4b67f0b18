#pragma once

#include <QList>
#include <QTableView>

// The table view of the program: heading row, grid lines, one selected row at a
// time, no sorting, and column widths given as a list such as "130,60,0,*".
class ZrListBox final : public QTableView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ZrListBox)

public:
    explicit ZrListBox(QWidget *parent = nullptr);

    // Listed numbers are pixel widths (0 hides the column); "*" and every unlisted
    // column share the width that remains.
    void setColumnWidths(const QString &widthList);

    // Width in pixels for each column, or -1 for a column that shares what remains.
    static QList<int> parseColumnWidths(const QString &widthList, int columnCount);

    // The selected row, or -1.
    int selectedRow() const;

signals:
    // Space or Return on the current cell: what a click on it does, from the keyboard.
    void cellKeyPressed(const QModelIndex &index);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void applyColumnWidths();

    QString m_widthList;
};
