#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class StemTableModel;

// Turns the stem table into the payloads of the layout messages: each stem's track
// numbers, the units' slot maps, the name lists of an output port, the safe and
// print-master track bitmaps and the continuation links. What a payload cannot carry
// is left out; LayoutChecker tells the user about it beforehand.
class LayoutEncoder
{
public:
    static constexpr int maxTracksPerRow = 16;
    static constexpr int bitmapSize = 24;
    static constexpr int port1BitmapBytes = 16;
    static constexpr int blockSize = 8;

    explicit LayoutEncoder(const StemTableModel &table);

    // Tracks of the row, at most 16; a leading "*" of "Len" is skipped.
    int getstemlen(int row) const;
    // The row's track numbers (port 2 tracks have 128 added); a number that does not
    // fit a byte from 1 to 255 is sent as 0, no track.
    QByteArray tx_stemtracks(int row) const;
    // The C9 47 / C9 48 payload: s, then for slots s+1 to s+8 the 1-based row that
    // holds the slot in `column`, or 0.
    QByteArray buildstempoint(int column, int s) const;
    // Bytes s to s+7 (s from 0 to 16) of the 24-byte track bitmap of the rows marked
    // in `column`.
    QByteArray ss_pm(int column, int s) const;
    // Eight link bytes for rows s+1 to s+7: the 1-based number of a continuation row
    // that follows, else 0; the eighth byte is always 0.
    QByteArray buildlinks(int s) const;
    QStringList buildstemarray(const QString &port) const;
    QStringList buildtrackarray(const QString &port) const;

    // The whole 24-byte bitmap that ss_pm() sends eight bytes at a time.
    QByteArray trackBitmap(int column) const;

    // A stem name as C9 41 carries it: eight characters, cut or blank-filled.
    static QByteArray stemNameBytes(const QString &name);
    // A track name as C9 42 carries it: blank-filled to at least eight characters.
    static QByteArray trackNameBytes(const QString &name);

private:
    QString cell(int row, int column) const;
    int number(int row, int column) const;

    const StemTableModel &m_table;
};
