#include "numbertext.h"

#include <limits>

namespace numbertext {

int numericValue(const QString &text)
{
    qsizetype position = 0;
    while (position < text.size() && text.at(position).isSpace())
        ++position;

    bool negative = false;
    if (position < text.size() && (text.at(position) == u'-' || text.at(position) == u'+')) {
        negative = text.at(position) == u'-';
        ++position;
    }

    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 magnitude = 0;
    for (; position < text.size(); ++position) {
        const QChar character = text.at(position);
        if (character < u'0' || character > u'9')
            break;
        magnitude = std::min(limit, magnitude * 10 + (character.unicode() - u'0'));
    }

    if (negative)
        return int(-magnitude);
    return int(std::min<qint64>(magnitude, std::numeric_limits<int>::max()));
}

} // namespace numbertext
