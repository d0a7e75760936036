#pragma once

#include <QString>
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
