#include "editor/tagcase.h"

#include "editor/scriptelements.h"

namespace editor {

namespace {

// Converts the character (or surrogate pair) at i in place; returns how many units it covers.
qsizetype convertAt(QString &text, qsizetype i, bool lower)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
        const char32_t code = QChar::surrogateToUcs4(c, text.at(i + 1));
        const char32_t mapped = lower ? QChar::toLower(code) : QChar::toUpper(code);
        if (QChar::requiresSurrogates(mapped)) {
            text[i] = QChar(QChar::highSurrogate(mapped));
            text[i + 1] = QChar(QChar::lowSurrogate(mapped));
        }
        return 2;
    }
    const char32_t mapped =
        lower ? QChar::toLower(char32_t(c.unicode())) : QChar::toUpper(char32_t(c.unicode()));
    if (!QChar::requiresSurrogates(mapped))
        text[i] = QChar(char16_t(mapped));
    return 1;
}

} // namespace

QString convertTagCase(QStringView source, int mode)
{
    const bool lower = mode == 1;
    QString text = source.toString();
    bool inScript = false;
    bool inTag = false;
    bool inQuote = false;
    const QStringView view(source);
    for (qsizetype i = 0; i < view.size();) {
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
            i += convertAt(text, i, lower);
        else
            ++i;
    }
    return text;
}

} // namespace editor
