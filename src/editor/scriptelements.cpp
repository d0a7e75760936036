#include "editor/scriptelements.h"

#include "editor/asciimasks.h"

namespace editor {

namespace {

// Only ASCII letters change: a full Unicode case mapping would let characters such as the long s
// match "script", and some mappings change the length of the text.
inline char16_t asciiLower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
}

// The first place at or after `from` where `lowerAscii` (at least three characters) stands.
qsizetype indexOfAsciiNoCase(QStringView text, QStringView lowerAscii, qsizetype from)
{
    // The tags of a large source are millions of places: blocks of places where the first three
    // characters cannot match are passed over in a loop the compiler vectorises.
    const char16_t *p = text.utf16();
    const char16_t *q = lowerAscii.utf16();
    const char16_t a = foldAscii(q[0]);
    const char16_t b = foldAscii(q[1]);
    const char16_t c = foldAscii(q[2]);
    const qsizetype last = text.size() - lowerAscii.size();
    constexpr qsizetype Block = 32;
    qsizetype i = std::max<qsizetype>(from, 0);
    for (; i + Block - 1 <= last; i += Block) {
        char16_t any = 0;
        for (qsizetype k = 0; k < Block; ++k)
            any |= is(foldAscii(p[i + k]), a) & is(foldAscii(p[i + k + 1]), b) &
                   is(foldAscii(p[i + k + 2]), c);
        if (!any)
            continue;
        for (qsizetype k = 0; k < Block; ++k)
            if (matchesAsciiNoCase(text, i + k, lowerAscii))
                return i + k;
    }
    for (; i <= last; ++i)
        if (matchesAsciiNoCase(text, i, lowerAscii))
            return i;
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
