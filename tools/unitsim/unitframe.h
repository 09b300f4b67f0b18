#pragma once

#include <QByteArray>

// The device message frame as the units see it: first byte with the data count in
// its low nibble, command byte, data, and the sum of all earlier bytes modulo 256.
namespace unitframe {

// The message with its checksum appended.
QByteArray framed(QByteArray message);
// True when the last byte is the sum of all bytes before it.
bool checksumValid(QByteArrayView message);
// Upper-case hexadecimal pairs separated by blanks.
QString hex(QByteArrayView bytes);

} // namespace unitframe
