#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

// Lets GoogleTest show Qt texts as text when an expectation fails.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList &texts, std::ostream *out)
{
    *out << '{';
    for (qsizetype index = 0; index < texts.size(); ++index) {
        *out << (index == 0 ? " " : ", ");
        PrintTo(texts.at(index), out);
    }
    *out << " }";
}
