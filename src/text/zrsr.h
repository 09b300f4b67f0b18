#pragma once

#include <QString>

// Field splitters and byte helpers shared by every part of the program.
namespace zrsr {

// Two upper-case hexadecimal digits: 10 gives "0A".
QString byte2hex(quint8 value);

// Each returns the first field of `text` up to the separator, trimmed, and leaves
// the untouched rest in `text`. Without a separator the whole text comes back as it
// is (untrimmed) and `text` becomes empty.
QString splittab(QString &text);
QString splitcomma(QString &text);
QString splitcolon(QString &text);
QString splitdot(QString &text);
QString splitstop(QString &text);

// Returns the text before the first space, untrimmed, and leaves the rest trimmed.
// Without a space it returns "" and only trims `text`, so a bare number survives.
QString splitspace(QString &text);

// Sets bit `bit` (0 = least significant) of `value`; other bit numbers are ignored.
void setbit(quint8 &value, int bit);

} // namespace zrsr
