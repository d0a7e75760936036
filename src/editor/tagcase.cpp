#include "editor/tagcase.h"

#include "editor/scriptelements.h"

#include "controls/hugepages.h"

namespace editor {

namespace {

QString hugepagesCopy(QStringView text)
{
    QString copy = hugepages::uninitialized(text.size(), hugepages::editingRoom(text.size()));
    std::copy(text.begin(), text.end(), copy.data());
    return copy;
}

// The character (or surrogate pair) at i of `text` in the target case, written into `out` (a copy
// of the text made at the first character that changes); returns how many units it covers.
// Characters whose case mapping has another length in UTF-16 are left as they are.
qsizetype convertAt(QStringView text, qsizetype i, bool lower, QString &out)
{
    const char16_t c = text[i].unicode();
    auto write = [&](qsizetype at, char16_t mapped) {
        if (out.isNull())
            out = hugepagesCopy(text);
        out[at] = QChar(mapped);
    };
    if (c < 0x80) {
        if (lower ? (c >= u'A' && c <= u'Z') : (c >= u'a' && c <= u'z'))
            write(i, lower ? char16_t(c + 32) : char16_t(c - 32));
        return 1;
    }
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        const char32_t code = QChar::surrogateToUcs4(c, text[i + 1].unicode());
        const char32_t mapped = lower ? QChar::toLower(code) : QChar::toUpper(code);
        if (mapped != code && QChar::requiresSurrogates(mapped)) {
            write(i, QChar::highSurrogate(mapped));
            write(i + 1, QChar::lowSurrogate(mapped));
        }
        return 2;
    }
    const char32_t mapped = lower ? QChar::toLower(char32_t(c)) : QChar::toUpper(char32_t(c));
    if (mapped != c && !QChar::requiresSurrogates(mapped))
        write(i, char16_t(mapped));
    return 1;
}

} // namespace

std::optional<QString> convertedTagCase(QStringView view, int mode)
{
    const bool lower = mode == 1;
    QString out;
    bool inScript = false;
    bool inTag = false;
    bool inQuote = false;
    const qsizetype n = view.size();
    for (qsizetype i = 0; i < n;) {
        if (!inTag) {
            // Outside a tag (and so outside quotes) only a "<" changes anything.
            i = view.indexOf(u'<', i);
            if (i < 0)
                break;
        }
        const char16_t c = view[i].unicode();
        if (c == u'<' && matchesAsciiNoCase(view, i, u"<!--javascript")) {
            inScript = true;
        } else if (c == u'<' && matchesAsciiNoCase(view, i, u"</script>")) {
            inScript = false;
        } else if (c == u'<' && view.sliced(i).startsWith(u"<!-")) {
            inTag = false;
            inQuote = false;
        } else if (c == u'<') {
            inTag = true;
        } else if (c == u'-' && view.sliced(i).startsWith(u"-->")) {
            inTag = false;
            inQuote = false;
        } else if (c == u'>') {
            inTag = false;
            inQuote = false;
        } else if (c == u'"' && inTag) {
            inQuote = !inQuote;
        }
        if (inTag && !inQuote && !inScript)
            i += convertAt(view, i, lower, out);
        else
            ++i;
    }
    if (out.isNull())
        return std::nullopt;
    return out;
}

QString convertTagCase(QStringView text, int mode)
{
    std::optional<QString> converted = convertedTagCase(text, mode);
    return converted ? *converted : text.toString();
}

namespace {

// The length of the character reference ("&name;", "&#123;", "&#x1F;") at `at`, or 0.
qsizetype referenceAt(QStringView text, qsizetype at)
{
    qsizetype end = at + 1;
    while (end < text.size() && (text[end].isLetterOrNumber() || text[end] == u'#'))
        ++end;
    return end > at + 1 && end < text.size() && text[end] == u';' ? end + 1 - at : 0;
}

} // namespace

QString insertedTagText(QStringView text, int tagCaseOption)
{
    const bool upper = upperCaseTags(tagCaseOption);
    QString out;
    out.reserve(text.size());
    qsizetype copied = 0;
    for (qsizetype at = text.indexOf(u'&'); at >= 0; at = text.indexOf(u'&', at + 1)) {
        const qsizetype length = referenceAt(text, at);
        if (length == 0)
            continue;
        const QStringView before = text.sliced(copied, at - copied);
        out += upper ? before.toString().toUpper() : before.toString().toLower();
        out += text.sliced(at, length);
        copied = at + length;
        at = copied - 1;
    }
    const QStringView rest = text.sliced(copied);
    out += upper ? rest.toString().toUpper() : rest.toString().toLower();
    return out;
}

} // namespace editor
