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

// The copy of the text that takes the converted characters: made at the first character that
// changes, so that a text already in the asked case costs no copy.
class Converted
{
public:
    explicit Converted(QStringView text) : m_text(text) {}
    void write(qsizetype at, char16_t mapped)
    {
        if (!m_data) {
            m_out = hugepagesCopy(m_text);
            m_data = reinterpret_cast<char16_t *>(m_out.data());
        }
        m_data[at] = mapped;
    }
    std::optional<QString> take()
    {
        if (!m_data)
            return std::nullopt;
        return std::move(m_out);
    }

private:
    QStringView m_text;
    QString m_out;
    char16_t *m_data = nullptr;
};

// The character (or surrogate pair) at i of `text` in the target case, written into `out`; returns
// how many units it covers. Characters whose case mapping has another length in UTF-16 are left
// as they are.
inline qsizetype convertAt(QStringView text, qsizetype i, bool lower, Converted &out)
{
    const char16_t c = text.utf16()[i];
    if (c < 0x80) {
        if (lower ? (c >= u'A' && c <= u'Z') : (c >= u'a' && c <= u'z'))
            out.write(i, lower ? char16_t(c + 32) : char16_t(c - 32));
        return 1;
    }
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        const char32_t code = QChar::surrogateToUcs4(c, text[i + 1].unicode());
        const char32_t mapped = lower ? QChar::toLower(code) : QChar::toUpper(code);
        if (mapped != code && QChar::requiresSurrogates(mapped)) {
            out.write(i, QChar::highSurrogate(mapped));
            out.write(i + 1, QChar::lowSurrogate(mapped));
        }
        return 2;
    }
    const char32_t mapped = lower ? QChar::toLower(char32_t(c)) : QChar::toUpper(char32_t(c));
    if (mapped != c && !QChar::requiresSurrogates(mapped))
        out.write(i, char16_t(mapped));
    return 1;
}

} // namespace

std::optional<QString> convertedTagCase(QStringView view, int mode)
{
    const bool lower = mode == 1;
    Converted out(view);
    bool inScript = false;
    bool inTag = false;
    bool inQuote = false;
    const char16_t *p = view.utf16();
    const qsizetype n = view.size();
    // The character after i, or 0 at the end.
    auto next = [&](qsizetype i, qsizetype k) { return i + k < n ? p[i + k] : char16_t(0); };
    for (qsizetype i = 0; i < n;) {
        if (!inTag) {
            // Outside a tag (and so outside quotes) only a "<" changes anything.
            while (i < n && p[i] != u'<')
                ++i;
            if (i == n)
                break;
        }
        const char16_t c = p[i];
        if (c == u'<') {
            const char16_t after = next(i, 1);
            if (after == u'!' && matchesAsciiNoCase(view, i, u"<!--javascript")) {
                inScript = true;
            } else if (after == u'/' && matchesAsciiNoCase(view, i, u"</script>")) {
                inScript = false;
            } else if (after == u'!' && next(i, 2) == u'-') {
                inTag = false;
                inQuote = false;
            } else {
                inTag = true;
            }
        } else if (c == u'-' && next(i, 1) == u'-' && next(i, 2) == u'>') {
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
    return out.take();
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
