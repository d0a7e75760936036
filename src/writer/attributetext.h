#pragma once

#include "controls/strings.h"

#include <QString>

// Pieces of the generated source shared by the writers.
namespace attributetext {

inline const QString &crLf()
{
    static const QString text = QStringLiteral(u"\r\n");
    return text;
}

// The value between two double quotes.
inline QString quoted(const QString &value)
{
    return u'"' + value + u'"';
}

// A length divided by its unit factor and rounded half to even, in decimal.
inline QString whole(double value, double factor)
{
    return QString::number(strings::roundHalfEven(value / factor), 'f', 0);
}

} // namespace attributetext
