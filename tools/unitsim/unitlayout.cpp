#include "unitlayout.h"

#include "unitframe.h"

#include <QString>

using namespace Qt::StringLiterals;

namespace {

quint8 at(QByteArrayView message, qsizetype position)
{
    return quint8(message.at(position));
}

QByteArray eightCharacters(const QByteArray &name)
{
    QByteArray text = name.left(8);
    text.append(8 - text.size(), ' ');
    return text;
}

template <std::size_t size>
void storeBlock(std::array<quint8, size> &target, QByteArrayView message)
{
    // C9 cc s b0..b7: eight bytes from position s on, as far as the table goes.
    const int start = at(message, 2);
    for (int offset = 0; offset < 8 && start + offset < int(size); ++offset)
        target[std::size_t(start + offset)] = at(message, 3 + offset);
}

} // namespace

void UnitLayout::clearLayout()
{
    m_tracks = {};
    m_slots = {};
    m_stemNames = {};
    m_trackNames = {};
    m_safe = {};
    m_printMaster = {};
    m_links = {};
}

void UnitLayout::record(QByteArrayView message)
{
    if (message.size() < 2)
        return;
    const quint8 first = at(message, 0);
    const quint8 command = at(message, 1);
    if (first == 0xC0 && command == 0x40) {
        clearLayout();
        return;
    }
    if (first == 0x03 && command == 0xB1 && message.size() >= 5) {
        m_configuration[{at(message, 2), at(message, 3)}] = at(message, 4);
        return;
    }
    if (first != 0xC9 || message.size() < 11)
        return;
    switch (command) {
    case 0x43: {
        const int row = at(message, 2) >> 4;
        const int part = at(message, 2) & 0x0F;
        for (int offset = 0; offset < 8 && part + offset < tracksPerRow; ++offset)
            m_tracks[std::size_t(row)][std::size_t(part + offset)] = at(message, 3 + offset);
        break;
    }
    case 0x47:
    case 0x48: {
        auto &slotRows = m_slots[command == 0x47 ? 0 : 1];
        const int start = at(message, 2);
        for (int slot = 1; slot <= 8 && start + slot <= slotCount; ++slot)
            slotRows[std::size_t(start + slot - 1)] = at(message, 2 + slot);
        break;
    }
    case 0x41:
        m_stemNames[at(message, 2)] = message.sliced(3, 8).toByteArray();
        break;
    case 0x42:
        m_trackNames[at(message, 2)] = message.sliced(3).toByteArray();
        break;
    case 0x44:
        storeBlock(m_safe, message);
        break;
    case 0x45:
        storeBlock(m_printMaster, message);
        break;
    case 0x49:
        storeBlock(m_links, message);
        break;
    default:
        break;
    }
}

bool UnitLayout::rowHasTracks(int row) const
{
    return m_tracks[std::size_t(row)][0] != 0;
}

std::optional<int> UnitLayout::rowOfTrack(int track) const
{
    for (int row = 0; row < rows; ++row) {
        for (quint8 number : m_tracks[std::size_t(row)]) {
            if (number != 0 && number == track)
                return row;
        }
    }
    return std::nullopt;
}

bool UnitLayout::rowMarked(int row, const std::array<quint8, bitmapBytes> &bits) const
{
    // A row is marked when its first track is: port 2 tracks carry 128 and have their
    // bits from byte 16 on.
    const int track = m_tracks[std::size_t(row)][0];
    const int index = track > 128 ? 128 + (track - 129) : track - 1;
    if (track == 0 || index / 8 >= bitmapBytes)
        return false;
    return bits[std::size_t(index / 8)] & (1u << (index % 8));
}

QByteArray UnitLayout::rowFlags(const std::array<quint8, bitmapBytes> &bits) const
{
    quint8 low = 0;
    quint8 high = 0;
    for (int row = 0; row < rows; ++row) {
        if (!rowMarked(row, bits))
            continue;
        if (row < 8)
            low = quint8(low | (1u << row));
        else
            high = quint8(high | (1u << (row - 8)));
    }
    QByteArray flags;
    flags.append(char(low));
    flags.append(char(high));
    return flags;
}

std::optional<QByteArray> UnitLayout::reply(QByteArrayView message) const
{
    if (message.size() < 2)
        return std::nullopt;
    const quint8 first = at(message, 0);
    const quint8 command = at(message, 1);
    if (first == 0xC0 && command == 0x4A)
        return QByteArray::fromHex("D14A01");
    if (first == 0xC0 && command == 0x53)
        return QByteArray::fromHex("D253") + rowFlags(m_safe);
    if (first == 0xC0 && command == 0x54)
        return QByteArray::fromHex("D254") + rowFlags(m_printMaster);
    if (first == 0xC1 && command == 0x51 && message.size() >= 3) {
        const int row = at(message, 2) >> 4;
        if (!rowHasTracks(row))
            return std::nullopt;
        const int entry = m_tracks[std::size_t(row)][0] - 1;
        return QByteArray::fromHex("D951") + char(at(message, 2)) +
               eightCharacters(m_stemNames[std::size_t(entry)]);
    }
    if (first == 0xC1 && command == 0x52 && message.size() >= 3) {
        const int track = at(message, 2) + 1;
        const std::optional<int> row = rowOfTrack(track);
        if (!row)
            return std::nullopt;
        return QByteArray::fromHex("DA52") + char(*row << 4) + char(at(message, 2)) +
               eightCharacters(m_trackNames[at(message, 2)]);
    }
    return std::nullopt;
}

std::array<quint8, UnitLayout::tracksPerRow> UnitLayout::trackNumbers(int row) const
{
    return m_tracks.at(std::size_t(row));
}

std::array<quint8, UnitLayout::slotCount> UnitLayout::slotMap(int unit) const
{
    return m_slots.at(std::size_t(unit));
}

QByteArray UnitLayout::stemName(int entry) const
{
    return m_stemNames.at(std::size_t(entry));
}

QByteArray UnitLayout::trackName(int entry) const
{
    return m_trackNames.at(std::size_t(entry));
}

std::optional<quint8> UnitLayout::configuration(int block, int address) const
{
    const auto found = m_configuration.find({block, address});
    if (found == m_configuration.end())
        return std::nullopt;
    return found->second;
}

QStringList UnitLayout::summary() const
{
    QStringList lines;
    for (int row = 0; row < rows; ++row) {
        if (!rowHasTracks(row))
            continue;
        const auto &tracks = m_tracks[std::size_t(row)];
        QStringList numbers;
        QStringList names;
        for (quint8 track : tracks) {
            if (track == 0)
                continue;
            numbers.append(QString::number(track));
            names.append(QString::fromLatin1(m_trackNames[track - 1u]).trimmed());
        }
        lines.append(u"row %1 \"%2\": tracks %3 (%4)%5%6%7"_s.arg(row + 1).arg(
            QString::fromLatin1(m_stemNames[tracks[0] - 1u]).trimmed(), numbers.join(u','),
            names.join(u','), rowMarked(row, m_safe) ? u", safe"_s : QString(),
            rowMarked(row, m_printMaster) ? u", print master"_s : QString(),
            m_links[std::size_t(row)] ? u", continued in row %1"_s.arg(m_links[std::size_t(row)])
                                      : QString()));
    }
    if (lines.isEmpty())
        lines.append(u"no layout held"_s);
    for (int unit = 0; unit < 2; ++unit) {
        QStringList slotRows;
        for (int slot = 0; slot < slotCount; ++slot) {
            if (const quint8 row = m_slots[std::size_t(unit)][std::size_t(slot)])
                slotRows.append(u"%1->row %2"_s.arg(slot + 1).arg(row));
        }
        if (!slotRows.isEmpty())
            lines.append(u"unit #%1 slots: %2"_s.arg(unit + 1).arg(slotRows.join(u", "_s)));
    }
    for (const auto &[place, value] : m_configuration)
        lines.append(u"configuration block %1 address %2 = %3"_s.arg(place.first)
                         .arg(place.second)
                         .arg(value));
    return lines;
}
