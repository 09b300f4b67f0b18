#pragma once

#include <QByteArray>
#include <QString>

// The frame of every device message: first byte (group in the high nibble, data count
// in the low one), command byte, data, and the sum of all earlier bytes modulo 256.
namespace v2sr {

// Appends the checksum byte to `message`.
void appendsum(QByteArray &message);

// The checksum that a complete message should end with: the sum of all its bytes but
// the last, modulo 256.
quint8 checksumOf(QByteArrayView messageWithoutChecksum);

// Reads one hexadecimal pair from the start of `text` and removes it, trimming what
// remains; text that is not hexadecimal reads as 0.
quint8 getbyte(QString &text);

} // namespace v2sr
