#pragma once

#include <QString>

namespace numbertext {

// The numeric value of a text: the decimal number at its start, after any leading
// white space and one optional sign; 0 when there is none. "12.7" gives 12, "-"
// gives 0, and values beyond the range of int are clamped to it.
int numericValue(const QString &text);

} // namespace numbertext
