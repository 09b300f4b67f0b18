#include "zrsr.h"

namespace zrsr {

namespace {

QString splitAt(QString &text, QChar separator)
{
    const qsizetype position = text.indexOf(separator);
    if (position < 0) {
        QString whole;
        whole.swap(text);
        return whole;
    }
    QString field = text.left(position).trimmed();
    text.remove(0, position + 1);
    return field;
}

} // namespace

QString byte2hex(quint8 value)
{
    return QString::number(value, 16).toUpper().rightJustified(2, u'0');
}

QString splittab(QString &text)
{
    return splitAt(text, u'\t');
}
QString splitcomma(QString &text)
{
    return splitAt(text, u',');
}
QString splitcolon(QString &text)
{
    return splitAt(text, u':');
}
QString splitdot(QString &text)
{
    return splitAt(text, u'.');
}
QString splitstop(QString &text)
{
    return splitAt(text, u'.');
}

QString splitspace(QString &text)
{
    const qsizetype position = text.indexOf(u' ');
    if (position < 0) {
        text = text.trimmed();
        return {};
    }
    QString word = text.left(position);
    text = text.mid(position + 1).trimmed();
    return word;
}

void setbit(quint8 &value, int bit)
{
    if (bit < 0 || bit > 7)
        return;
    value = quint8(value | (1u << bit));
}

} // namespace zrsr
