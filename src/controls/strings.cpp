#include "controls/strings.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace strings {

namespace {

bool isIgnoredBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

double readRadix(const QString &text, int pos, int radix)
{
    double value = 0;
    for (; pos < text.size(); ++pos) {
        const QChar c = text.at(pos);
        if (isIgnoredBlank(c))
            continue;
        int digit = -1;
        if (c >= u'0' && c <= u'9')
            digit = c.unicode() - u'0';
        else if (radix == 16 && c.toLower() >= u'a' && c.toLower() <= u'f')
            digit = c.toLower().unicode() - u'a' + 10;
        if (digit < 0 || digit >= radix)
            break;
        value = value * radix + digit;
    }
    return value;
}

} // namespace

double Val(const QString &text)
{
    // Gather the characters that can form a number, skipping blanks, then let strtod read them.
    QByteArray number;
    int pos = 0;
    const int n = text.size();
    auto skip = [&] {
        while (pos < n && isIgnoredBlank(text.at(pos)))
            ++pos;
    };
    skip();
    if (pos + 1 < n && text.at(pos) == u'&') {
        const QChar r = text.at(pos + 1).toUpper();
        if (r == u'H')
            return readRadix(text, pos + 2, 16);
        if (r == u'O')
            return readRadix(text, pos + 2, 8);
    }
    if (pos < n && (text.at(pos) == u'-' || text.at(pos) == u'+')) {
        number.append(char(text.at(pos).unicode()));
        ++pos;
    }
    bool digits = false;
    bool point = false;
    for (; pos < n; ++pos) {
        const QChar c = text.at(pos);
        if (isIgnoredBlank(c))
            continue;
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
    // An exponent only counts when a digit follows it.
    skip();
    if (pos < n && (text.at(pos).toUpper() == u'E' || text.at(pos).toUpper() == u'D')) {
        int p = pos + 1;
        QByteArray exponent("e");
        while (p < n && isIgnoredBlank(text.at(p)))
            ++p;
        if (p < n && (text.at(p) == u'-' || text.at(p) == u'+'))
            exponent.append(char(text.at(p++).unicode()));
        bool expDigits = false;
        for (; p < n; ++p) {
            const QChar c = text.at(p);
            if (isIgnoredBlank(c))
                continue;
            if (c < u'0' || c > u'9')
                break;
            expDigits = true;
            exponent.append(char(c.unicode()));
        }
        if (expDigits)
            number.append(exponent);
    }
    return std::strtod(number.constData(), nullptr);
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
    if (!std::isfinite(whole) || whole < std::numeric_limits<int>::min()
        || whole > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(whole);
}

std::optional<int> toWhole(double value)
{
    const double r = roundHalfEven(value);
    if (!std::isfinite(r) || r < std::numeric_limits<int>::min()
        || r > std::numeric_limits<int>::max())
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
