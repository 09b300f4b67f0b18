#pragma once

#include <QStringList>

class StemTableModel;

// Lists, in plain words, everything in the stem table that the layout messages
// cannot carry, so that a write can be refused before anything is sent. Each
// finding names the row (counted from 1) and its stem.
class LayoutChecker
{
public:
    static constexpr int maxRows = 16;
    static constexpr int maxNameEntries = 128;

    explicit LayoutChecker(const StemTableModel &table);

    QStringList findings() const;

private:
    QString rowName(int row) const;
    void checkTracks(int row, QStringList &findings) const;
    void checkMarks(int row, int column, QStringList &findings) const;
    void checkSlot(int row, int column, QStringList &findings) const;
    void checkNameLists(QStringList &findings) const;

    const StemTableModel &m_table;
};
