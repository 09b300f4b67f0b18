#include "textlines.h"

namespace textlines {

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text.at(end) != u'\r' && text.at(end) != u'\n')
            ++end;
        lines.append(text.mid(start, end - start));
        if (end + 1 < text.size() && text.at(end) == u'\r' && text.at(end + 1) == u'\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

} // namespace textlines
