#include "v2sr.h"

namespace v2sr {

namespace {

int hexDigitValue(QChar character)
{
    const char16_t code = character.unicode();
    if (code >= u'0' && code <= u'9')
        return code - u'0';
    if (code >= u'a' && code <= u'f')
        return code - u'a' + 10;
    if (code >= u'A' && code <= u'F')
        return code - u'A' + 10;
    return -1;
}

} // namespace

quint8 checksumOf(QByteArrayView messageWithoutChecksum)
{
    unsigned sum = 0;
    for (const char byte : messageWithoutChecksum)
        sum += quint8(byte);
    return quint8(sum & 0xFF);
}

void appendsum(QByteArray &message)
{
    message.append(char(checksumOf(message)));
}

quint8 getbyte(QString &text)
{
    const QString pair = text.left(2).trimmed();
    text = text.mid(2).trimmed();
    // The leading hexadecimal digits count; none gives 0.
    unsigned value = 0;
    for (const QChar character : pair) {
        const int digit = hexDigitValue(character);
        if (digit < 0)
            break;
        value = value * 16 + unsigned(digit);
    }
    return quint8(value);
}

} // namespace v2sr
