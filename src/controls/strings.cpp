#include "controls/strings.h"

#include <algorithm>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <limits>

namespace strings {

double Val(const QString &text)
{
    // Gather the decimal number at the start, then read it the same whatever the user's locale.
    QByteArray number;
    qsizetype pos = 0;
    const qsizetype n = text.size();
    while (pos < n && (text.at(pos) == u' ' || text.at(pos) == u'\t' || text.at(pos) == u'\n'))
        ++pos;
    if (pos < n && (text.at(pos) == u'-' || text.at(pos) == u'+'))
        number.append(char(text.at(pos++).unicode()));
    bool digits = false;
    bool point = false;
    for (; pos < n; ++pos) {
        const QChar c = text.at(pos);
        if (c >= u'0' && c <= u'9') {
            digits = true;
            number.append(char(c.unicode()));
        } else if (c == u'.' && !point) {
            point = true;
            number.append('.');
        } else {
            break;
        }
    }
    if (!digits)
        return 0;
    const char *first = number.constData() + (number.startsWith('+') ? 1 : 0);
    const char *last = number.constData() + number.size();
    double value = 0;
    if (std::from_chars(first, last, value, std::chars_format::fixed).ec == std::errc())
        return value;
    // Out of range: a whole part of too many digits is infinite (every caller refuses it), a
    // fraction too small to hold is 0.
    const QByteArray whole = number.left(point ? number.indexOf('.') : number.size());
    const bool huge = std::any_of(whole.begin(), whole.end(), [](char c) { return c > '0'; });
    const double size = huge ? std::numeric_limits<double>::infinity() : 0.0;
    return number.startsWith('-') ? -size : size;
}

double roundHalfEven(double value)
{
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double result = std::nearbyint(value);
    std::fesetround(previous);
    return result;
}

std::optional<int> truncated(double value)
{
    const double whole = std::trunc(value);
    if (!std::isfinite(whole) || whole < std::numeric_limits<int>::min() ||
        whole > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(whole);
}

std::optional<int> toWhole(double value)
{
    const double r = roundHalfEven(value);
    if (!std::isfinite(r) || r < std::numeric_limits<int>::min() ||
        r > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(r);
}

std::optional<int> toInteger16(double value)
{
    const double r = roundHalfEven(value);
    if (!std::isfinite(r) || r < -32768 || r > 32767)
        return std::nullopt;
    return int(r);
}

QString str(long long value)
{
    return QString::number(value);
}

QString replace(const QString &text, const QString &find, const QString &with)
{
    if (find.isEmpty() || text.isEmpty())
        return text;
    QString result = text;
    result.replace(find, with, Qt::CaseSensitive);
    return result;
}

int inStr(int start, const QString &text, const QString &find)
{
    if (start < 1)
        start = 1;
    if (find.isEmpty())
        return start <= text.size() + 1 ? start : 0;
    if (start > text.size())
        return 0;
    const qsizetype at = text.indexOf(find, start - 1, Qt::CaseSensitive);
    return at < 0 ? 0 : int(at) + 1;
}

int inStrRev(const QString &text, const QString &find)
{
    if (find.isEmpty())
        return text.size();
    const qsizetype at = text.lastIndexOf(find, -1, Qt::CaseSensitive);
    return at < 0 ? 0 : int(at) + 1;
}

QStringList split(const QString &text, const QString &delimiter)
{
    if (text.isEmpty())
        return {};
    if (delimiter.isEmpty())
        return {text};
    return text.split(delimiter, Qt::KeepEmptyParts, Qt::CaseSensitive);
}

QString ltrim(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == u' ')
        ++i;
    return text.mid(i);
}

QString rtrim(const QString &text)
{
    qsizetype i = text.size();
    while (i > 0 && text.at(i - 1) == u' ')
        --i;
    return text.left(i);
}

QString trim(const QString &text)
{
    return ltrim(rtrim(text));
}

QString mid(const QString &text, int start, int length)
{
    if (start < 1 || start > text.size())
        return {};
    return length < 0 ? text.mid(start - 1) : text.mid(start - 1, length);
}

int countOf(const QString &text, const QString &find)
{
    if (find.isEmpty())
        return 0;
    return int(text.count(find, Qt::CaseSensitive));
}

} // namespace strings
