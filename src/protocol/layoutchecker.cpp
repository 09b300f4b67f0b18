#include "layoutchecker.h"

#include "layoutencoder.h"
#include "numbertext.h"
#include "stemeditor.h"
#include "stemtablemodel.h"
#include "zrsr.h"

using namespace Qt::StringLiterals;

LayoutChecker::LayoutChecker(const StemTableModel &table) : m_table(table) {}

QString LayoutChecker::rowName(int row) const
{
    return u"Row %1 (%2)"_s.arg(row + 1).arg(
        m_table.cell(m_table.stemRowOf(row), StemTableModel::t_name));
}

QStringList LayoutChecker::findings() const
{
    QStringList found;
    for (int row = 0; row < m_table.rowCount(); ++row) {
        if (row == maxRows)
            found.append(
                u"%1: the units take %2 rows; this row and the ones below it cannot be sent."_s
                    .arg(rowName(row))
                    .arg(maxRows));
        checkTracks(row, found);
        checkMarks(row, StemTableModel::t_ssafe, found);
        checkMarks(row, StemTableModel::t_pmast, found);
        checkSlot(row, StemTableModel::t_vk1, found);
        checkSlot(row, StemTableModel::t_vk2, found);
        if (row % LayoutEncoder::blockSize == 0 &&
            numbertext::numericValue(m_table.cell(row, StemTableModel::t_index)) == 6)
            found.append(u"%1: a continuation row at the start of a group of eight rows cannot be "
                         "linked to its stem; move the stem up or down a row."_s.arg(rowName(row)));
    }
    checkNameLists(found);
    return found;
}

void LayoutChecker::checkTracks(int row, QStringList &findings) const
{
    const LayoutEncoder encoder(m_table);
    const qint64 start = numbertext::numericValue(m_table.cell(row, StemTableModel::t_start));
    const bool port2 = m_table.cell(row, StemTableModel::t_port) == StemEditor::port2();
    const int count = encoder.getstemlen(row);
    if (count < 1)
        return;
    const qint64 first = start + (port2 ? 128 : 0);
    const qint64 last = first + count - 1;
    if (first < 1 || last > 255)
        findings.append(u"%1: its tracks %2 to %3 do not fit the track numbers the units take "
                        "(1 to 128 on O/P#1, 1 to 127 on O/P#2 (I/P))."_s.arg(rowName(row))
                            .arg(start)
                            .arg(start + count - 1));
}

void LayoutChecker::checkMarks(int row, int column, QStringList &findings) const
{
    if (m_table.cell(row, column).trimmed().isEmpty())
        return;
    const QString mark = column == StemTableModel::t_ssafe ? u"safe"_s : u"print-master"_s;
    const qint64 start = numbertext::numericValue(m_table.cell(row, StemTableModel::t_start));
    const qint64 last =
        start + numbertext::numericValue(m_table.cell(row, StemTableModel::t_len)) - 1;
    const bool port2 = m_table.cell(row, StemTableModel::t_port) == StemEditor::port2();
    const int portTracks = 8 * (port2 ? LayoutEncoder::bitmapSize - LayoutEncoder::port1BitmapBytes
                                      : LayoutEncoder::port1BitmapBytes);
    if (start < 1 || last > portTracks)
        findings.append(u"%1: the %2 mark covers tracks %3 to %4, but marks reach only tracks 1 "
                        "to %5 of its port."_s.arg(rowName(row), mark)
                            .arg(start)
                            .arg(last)
                            .arg(portTracks));
}

void LayoutChecker::checkSlot(int row, int column, QStringList &findings) const
{
    QString slot = m_table.cell(row, column);
    if (slot.isEmpty())
        return;
    const QString cellText = slot;
    zrsr::splitspace(slot);
    const int number = numbertext::numericValue(slot.trimmed());
    if (number < 1 || number > 16)
        findings.append(u"%1: \"%2\" in %3 is not a stem slot from 1 to 16."_s.arg(
            rowName(row), cellText, column == StemTableModel::t_vk1 ? u"VK #1"_s : u"VK #2"_s));
}

void LayoutChecker::checkNameLists(QStringList &findings) const
{
    // The entry number of a name travels in one byte, with 128 added for O/P#2.
    for (const QString &port : {StemEditor::port1(), StemEditor::port2()}) {
        qsizetype stemNames = 0;
        qsizetype trackNames = 0;
        for (int row = 0; row < m_table.rowCount(); ++row) {
            if (m_table.cell(row, StemTableModel::t_port) != port)
                continue;
            stemNames +=
                std::clamp(numbertext::numericValue(m_table.cell(row, StemTableModel::t_len)), 0,
                           LayoutEncoder::maxTracksPerRow);
            trackNames += StemEditor::channelCount(m_table.cell(row, StemTableModel::t_tracks));
            if (std::max(stemNames, trackNames) > maxNameEntries) {
                findings.append(u"%1: with this row %2 has more than %3 track names, the most "
                                "the units take on one port."_s.arg(rowName(row), port)
                                    .arg(maxNameEntries));
                break;
            }
        }
    }
}
