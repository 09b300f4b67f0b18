#pragma once

#include <QByteArray>
#include <QStringList>

#include <array>
#include <map>
#include <optional>

// What a unit keeps of the layout the computer writes to it, and the group-D replies
// it gives when the computer reads the layout back.
class UnitLayout
{
public:
    static constexpr int rows = 16;
    static constexpr int tracksPerRow = 16;
    static constexpr int slotCount = 16;
    static constexpr int bitmapBytes = 24;
    static constexpr int nameEntries = 256;

    // Takes in what one message from the computer carries (checksum removed).
    // "C0 40" starts a new layout and forgets the old one.
    void record(QByteArrayView message);

    // The group-D reply (without checksum) to a read request or connection test;
    // nothing when the message is no such request or asks for something not held.
    std::optional<QByteArray> reply(QByteArrayView message) const;

    // Track numbers of a row as the computer sent them: 0 is no track.
    std::array<quint8, tracksPerRow> trackNumbers(int row) const;
    // Unit 0 or 1: the row (counted from 1) that each slot from 1 to 16 points at.
    std::array<quint8, slotCount> slotMap(int unit) const;
    QByteArray stemName(int entry) const;
    QByteArray trackName(int entry) const;
    std::array<quint8, bitmapBytes> safeBits() const { return m_safe; }
    std::array<quint8, bitmapBytes> printMasterBits() const { return m_printMaster; }
    std::array<quint8, rows> links() const { return m_links; }
    // The last value written at an address of a configuration block, if any.
    std::optional<quint8> configuration(int block, int address) const;

    // One line per stored row, then slots, marks and configuration writes.
    QStringList summary() const;

private:
    void clearLayout();
    std::optional<int> rowOfTrack(int track) const;
    bool rowMarked(int row, const std::array<quint8, bitmapBytes> &bits) const;
    QByteArray rowFlags(const std::array<quint8, bitmapBytes> &bits) const;
    bool rowHasTracks(int row) const;

    std::array<std::array<quint8, tracksPerRow>, rows> m_tracks{};
    std::array<std::array<quint8, slotCount>, 2> m_slots{};
    std::array<QByteArray, nameEntries> m_stemNames;
    std::array<QByteArray, nameEntries> m_trackNames;
    std::array<quint8, bitmapBytes> m_safe{};
    std::array<quint8, bitmapBytes> m_printMaster{};
    std::array<quint8, rows> m_links{};
    std::map<std::pair<int, int>, quint8> m_configuration;
};
