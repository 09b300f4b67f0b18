#pragma once

#include <QStringList>

namespace textlines {

// The lines of a text whose lines end in CR, LF or CR LF. A line end at the very end
// starts no further line.
QStringList splitLines(const QString &text);

} // namespace textlines
