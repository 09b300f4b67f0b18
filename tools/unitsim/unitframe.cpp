#include "unitframe.h"

#include <QString>

namespace unitframe {

namespace {

quint8 sumOf(QByteArrayView bytes)
{
    unsigned sum = 0;
    for (const char byte : bytes)
        sum += quint8(byte);
    return quint8(sum);
}

} // namespace

QByteArray framed(QByteArray message)
{
    message.append(char(sumOf(message)));
    return message;
}

bool checksumValid(QByteArrayView message)
{
    return message.size() >= 2 && sumOf(message.chopped(1)) == quint8(message.back());
}

QString hex(QByteArrayView bytes)
{
    return QString::fromLatin1(bytes.toByteArray().toHex(' ').toUpper());
}

} // namespace unitframe
