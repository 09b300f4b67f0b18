#include "layoutencoder.h"

#include "numbertext.h"
#include "stemeditor.h"
#include "stemtablemodel.h"
#include "zrsr.h"

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

// A value that fits a payload byte, or 0 (nothing) when it does not.
char byteOrNothing(int value, int lowest = 1)
{
    return value >= lowest && value <= 255 ? char(value) : char(0);
}

QByteArray blankFilled(const QString &name, qsizetype length)
{
    QByteArray bytes = name.toLatin1();
    if (bytes.size() < length)
        bytes.append(length - bytes.size(), ' ');
    return bytes;
}

} // namespace

LayoutEncoder::LayoutEncoder(const StemTableModel &table) : m_table(table) {}

QString LayoutEncoder::cell(int row, int column) const
{
    return m_table.cell(row, column);
}

int LayoutEncoder::number(int row, int column) const
{
    return numbertext::numericValue(cell(row, column));
}

int LayoutEncoder::getstemlen(int row) const
{
    QString length = cell(row, StemTableModel::t_len);
    if (length.startsWith(u'*'))
        length.remove(0, 1);
    return std::min(numbertext::numericValue(length), maxTracksPerRow);
}

QByteArray LayoutEncoder::tx_stemtracks(int row) const
{
    const int count = getstemlen(row);
    const int first = number(row, StemTableModel::t_start);
    const int high = cell(row, StemTableModel::t_port) == StemEditor::port2() ? 128 : 0;
    QByteArray tracks;
    for (int track = 0; track < count; ++track)
        tracks.append(byteOrNothing(first + high + track));
    return tracks;
}

QByteArray LayoutEncoder::buildstempoint(int column, int s) const
{
    QByteArray block(1 + blockSize, char(0));
    block[0] = byteOrNothing(s, 0);
    for (int row = 0; row < m_table.rowCount(); ++row) {
        QString slot = cell(row, column);
        if (slot.isEmpty())
            continue;
        zrsr::splitspace(slot);
        const int offset = numbertext::numericValue(slot.trimmed()) - s;
        if (offset >= 1 && offset <= blockSize)
            block[offset] = byteOrNothing(row + 1);
    }
    return block;
}

QByteArray LayoutEncoder::trackBitmap(int column) const
{
    QByteArray bitmap(bitmapSize, char(0));
    for (int row = 0; row < m_table.rowCount(); ++row) {
        if (cell(row, column).trimmed().isEmpty())
            continue;
        const bool port2 = cell(row, StemTableModel::t_port) == StemEditor::port2();
        const int firstByte = port2 ? port1BitmapBytes : 0;
        const int portBytes = port2 ? bitmapSize - port1BitmapBytes : port1BitmapBytes;
        // Tracks beyond the port's own bytes would mark another port's tracks.
        const qint64 start = number(row, StemTableModel::t_start);
        const qint64 last =
            std::min(start + number(row, StemTableModel::t_len) - 1, qint64(portBytes) * 8);
        for (qint64 track = std::max<qint64>(start, 1); track <= last; ++track) {
            const int index = int(track - 1);
            quint8 byte = quint8(bitmap.at(firstByte + index / 8));
            zrsr::setbit(byte, index % 8);
            bitmap[firstByte + index / 8] = char(byte);
        }
    }
    return bitmap;
}

QByteArray LayoutEncoder::ss_pm(int column, int s) const
{
    if (s < 0 || s + blockSize > bitmapSize)
        throw std::out_of_range("track bitmap block " + std::to_string(s));
    return trackBitmap(column).mid(s, blockSize);
}

QByteArray LayoutEncoder::buildlinks(int s) const
{
    QByteArray links(blockSize, char(0));
    for (int i = 1; i < blockSize; ++i) {
        const int row = s + i;
        if (row < m_table.rowCount() && number(row, StemTableModel::t_index) == 6)
            links[i - 1] = byteOrNothing(row + 1);
    }
    return links;
}

QStringList LayoutEncoder::buildstemarray(const QString &port) const
{
    QStringList names;
    for (int row = 0; row < m_table.rowCount(); ++row) {
        if (cell(row, StemTableModel::t_port) != port)
            continue;
        const int length = std::min(number(row, StemTableModel::t_len), maxTracksPerRow);
        for (int track = 0; track < length; ++track)
            names.append(cell(row, StemTableModel::t_name));
    }
    return names;
}

QStringList LayoutEncoder::buildtrackarray(const QString &port) const
{
    QStringList names;
    for (int row = 0; row < m_table.rowCount(); ++row) {
        if (cell(row, StemTableModel::t_port) != port)
            continue;
        QString tracks = cell(row, StemTableModel::t_tracks);
        while (!tracks.isEmpty())
            names.append(zrsr::splitcomma(tracks));
    }
    return names;
}

QByteArray LayoutEncoder::stemNameBytes(const QString &name)
{
    return blankFilled(name.left(8), 8);
}

QByteArray LayoutEncoder::trackNameBytes(const QString &name)
{
    return blankFilled(name, 8);
}
