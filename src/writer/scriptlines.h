#pragma once

#include <QString>

// Appends the pieces of the writers' lines to one text, without a string made for each line: a
// table of a million cells writes millions of lines.
namespace scriptlines {

// A non-negative number, written in decimal as QString::number writes it.
struct Number
{
    qsizetype value;
};

inline void putOne(QString &out, const QString &text)
{
    out += text;
}
inline void putOne(QString &out, QStringView text)
{
    out += text;
}
inline void putOne(QString &out, QChar c)
{
    out += c;
}
inline void putOne(QString &out, char16_t c)
{
    out += QChar(c);
}
template <std::size_t N> void putOne(QString &out, const char16_t (&literal)[N])
{
    out += QStringView(literal, qsizetype(N) - 1);
}
inline void putOne(QString &out, Number number)
{
    char16_t digits[24];
    char16_t *end = digits + 24;
    char16_t *p = end;
    qsizetype v = number.value;
    do {
        *--p = char16_t(u'0' + v % 10);
        v /= 10;
    } while (v > 0);
    out += QStringView(p, end - p);
}

template <typename... Pieces> void put(QString &out, const Pieces &...pieces)
{
    (putOne(out, pieces), ...);
}

} // namespace scriptlines
