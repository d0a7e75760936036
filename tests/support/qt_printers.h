#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <ostream>

// Lets failing expectations show texts as text.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(QStringView text, std::ostream *os)
{
    PrintTo(text.toString(), os);
}

inline void PrintTo(const QStringList &list, std::ostream *os)
{
    *os << '{';
    for (qsizetype i = 0; i < list.size(); ++i)
        *os << (i ? ", \"" : "\"") << list.at(i).toStdString() << '"';
    *os << '}';
}
