#include "editor/scriptelements.h"

namespace editor {

namespace {

// Only ASCII letters change: a full Unicode case mapping would let characters such as the long s
// match "script", and some mappings change the length of the text.
inline char16_t asciiLower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
}

qsizetype indexOfAsciiNoCase(QStringView text, QStringView lowerAscii, qsizetype from)
{
    // Every pattern searched for starts with "<", which the fast search finds.
    const QChar first = lowerAscii.front();
    for (qsizetype i = text.indexOf(first, from); i >= 0; i = text.indexOf(first, i + 1)) {
        if (matchesAsciiNoCase(text, i, lowerAscii))
            return i;
    }
    return -1;
}

} // namespace

bool matchesAsciiNoCase(QStringView text, qsizetype pos, QStringView lowerAscii)
{
    if (pos < 0 || pos + lowerAscii.size() > text.size())
        return false;
    const char16_t *p = text.utf16() + pos;
    const char16_t *q = lowerAscii.utf16();
    for (qsizetype k = 0; k < lowerAscii.size(); ++k) {
        if (asciiLower(p[k]) != q[k])
            return false;
    }
    return true;
}

std::vector<TextSpan> findScriptElements(QStringView text)
{
    std::vector<TextSpan> spans;
    qsizetype from = 0;
    while (from < text.size()) {
        const qsizetype start = indexOfAsciiNoCase(text, u"<script", from);
        if (start < 0)
            break;
        const qsizetype end = indexOfAsciiNoCase(text, u"</script>", start);
        if (end < 0)
            break; // no later "<script" can find a closing tag either
        const qsizetype stop = end + 9;
        spans.push_back({start, stop - start});
        from = stop;
    }
    return spans;
}

} // namespace editor
