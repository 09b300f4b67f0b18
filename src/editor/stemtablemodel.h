#pragma once

#include <QAbstractTableModel>
#include <QColor>

#include <array>
#include <bitset>
#include <vector>

// The stem table: one row per stem plus continuation rows for stems longer than 16
// tracks, twelve text columns and a hidden thirteenth cell that only the row text
// carries. Every cell access is checked and throws std::out_of_range.
class StemTableModel final : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StemTableModel)

public:
    enum Column : int {
        t_desc = 0,
        t_name = 1,
        t_vk1 = 2,
        t_vk2 = 3,
        t_index = 4,
        t_tracks = 5,
        t_format = 6,
        t_len = 7,
        t_start = 8,
        t_ssafe = 9,
        t_pmast = 10,
        t_port = 11,
    };
    static constexpr int visibleColumnCount = 12;
    static constexpr int hiddenColumn = 12;

    explicit StemTableModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Columns 0 to 12; the hidden column 12 is reachable here but not in views.
    // Tabs and line ends in a text that enters a cell become blanks.
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);
    bool cellBold(int row, int column) const;
    void setCellBold(int row, int column, bool bold);

    // Returns the new row's index.
    int appendRow();
    void insertRowAt(int row);
    void removeRowAt(int row);
    void removeAllRows();

    // The row as text: the twelve cells each followed by a tab, then the hidden cell.
    QString getrow(int row) const;
    // Appends a row filled field by field from tab-separated text.
    void Rowadd(const QString &text);

    // A continuation row carries tracks 17 onward of the stem above it ("Index" 6).
    bool isContinuationRow(int row) const;
    // The stem row that `row` belongs to: itself, or the first row above it that is no
    // continuation row.
    int stemRowOf(int row) const;

    QColor getbackcolor(int row, int column) const;
    QColor gettextcolor(int row, int column) const;

    // The width list of the table's columns for the two width switches.
    static QString columnWidths(bool showAll, bool vk1x2);

private:
    struct Row
    {
        std::array<QString, visibleColumnCount + 1> cells;
        std::bitset<visibleColumnCount> bold;
    };

    const Row &rowAt(int row) const;
    Row &rowAt(int row);
    static void checkColumn(int column, int columnLimit);

    std::vector<Row> m_rows;
};
