#pragma once

#include <QString>

// A UTF-16 literal as a QString, short enough to keep the expected texts of a test readable.
inline QString S(const char16_t *text)
{
    return QString::fromUtf16(text);
}
