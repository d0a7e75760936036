#include "frame/settingsreader.h"

#include "controls/strings.h"

#include <QRegularExpression>
#include <optional>

QString joinSettingsLines(const QString &text)
{
    QString joined;
    joined.reserve(text.size());
    for (const QChar c : text)
        if (c != u'\r' && c != u'\n')
            joined += c;
    return joined;
}

namespace {

// The value that starts at `start`: up to the next "<", provided no ">" comes first.
TagValue valueAt(const QString &text, qsizetype start)
{
    const qsizetype open = text.indexOf(u'<', start);
    const qsizetype close = text.indexOf(u'>', start);
    if (open < 0 || close < open)
        return {TagValue::Damaged, QString()};
    return {TagValue::Found, text.mid(start, open - start)};
}

// A row or column as the writer writes it: a whole decimal number (blanks and a fraction are
// tolerated in hand-written documents and rounded, a half to the even neighbour).
std::optional<int> wholeNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral(u"^\\s*[+-]?\\d+(\\.\\d*)?\\s*$"));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    return strings::toWhole(strings::Val(text));
}

} // namespace

TagValue GetTagValue(const QString &text, const QString &key)
{
    const qsizetype at = key.isEmpty() ? -1 : text.indexOf(key);
    if (at < 0)
        return {};
    return valueAt(text, at + key.size());
}

CellRecords readCellRecords(const QString &text, const QString &key)
{
    CellRecords out;
    if (key.isEmpty())
        return out;
    for (qsizetype at = text.indexOf(key); at >= 0; at = text.indexOf(key, at + 1)) {
        const TagValue record = valueAt(text, at + key.size());
        const qsizetype first = record.value.indexOf(u':');
        const qsizetype second = first < 0 ? -1 : record.value.indexOf(u':', first + 1);
        if (record.status != TagValue::Found || second < 0) {
            ++out.damaged;
            continue;
        }
        const std::optional<int> row = wholeNumber(record.value.left(first));
        const std::optional<int> column =
            wholeNumber(record.value.mid(first + 1, second - first - 1));
        if (!row || !column) {
            ++out.damaged;
            continue;
        }
        out.records.push_back({*row, *column, record.value.mid(second + 1)});
    }
    return out;
}

QString unescapeSettingsValue(const QString &value, bool lineEnds)
{
    QString text = strings::replace(value, QStringLiteral(u"\\0\\"), QStringLiteral(u"<"));
    text = strings::replace(text, QStringLiteral(u"\\1\\"), QStringLiteral(u">"));
    if (lineEnds)
        text = strings::replace(text, QStringLiteral(u"\\3\\"), QStringLiteral(u"\r\n"));
    return text;
}

void appendEscapedSettingsText(QString &out, QStringView text, bool backslashes)
{
    out.reserve(out.size() + text.size() + text.size() / 8 + 16);
    const char16_t *p = text.utf16();
    const qsizetype n = text.size();
    qsizetype copied = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const bool crLf = p[i] == u'\r' && i + 1 < n && p[i + 1] == u'\n';
        const char16_t *escape = p[i] == u'<'    ? u"\\0\\"
                                 : p[i] == u'>'  ? u"\\1\\"
                                 : crLf          ? u"\\3\\"
                                 : !backslashes  ? nullptr
                                 : p[i] == u'\\' ? u"\\2\\"
                                 : p[i] == u'\n' ? u"\\4\\"
                                 : p[i] == u'\r' ? u"\\5\\"
                                                 : nullptr;
        if (!escape)
            continue;
        out.append(QStringView(p + copied, i - copied));
        out.append(QStringView(escape, 3));
        if (crLf)
            ++i;
        copied = i + 1;
    }
    out.append(QStringView(p + copied, n - copied));
}

QString escapeSettingsText(const QString &text)
{
    QString out;
    appendEscapedSettingsText(out, text, true);
    return out;
}

QString unescapeSettingsText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\\' && i + 2 < text.size() && text.at(i + 2) == u'\\') {
            const char16_t code = text.at(i + 1).unicode();
            const char16_t *replacement = code == u'0'   ? u"<"
                                          : code == u'1' ? u">"
                                          : code == u'2' ? u"\\"
                                          : code == u'3' ? u"\r\n"
                                          : code == u'4' ? u"\n"
                                          : code == u'5' ? u"\r"
                                                         : nullptr;
            if (replacement) {
                out += QStringView(replacement);
                i += 2;
                continue;
            }
        }
        out += c;
    }
    return out;
}
