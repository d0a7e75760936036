// The extraction of the page's script text and the type inference that searches it. Both run on
// sources of tens of millions of characters, so the text is copied in runs, never per character.

#include "controls/strings.h"
#include "editor/scriptvars.h"
#include "editor/sourceindex.h"

namespace editor {

namespace {

const QString &openTag()
{
    static const QString tag = QStringLiteral(u"<script type=\"text/javascript\">");
    return tag;
}

const QString &closeTag()
{
    static const QString tag = QStringLiteral(u"</script>");
    return tag;
}

// The next character at or after p that can start a comment marker, or end a line comment.
const QChar *nextSpecial(const QChar *p, const QChar *end, bool lineEnds)
{
    for (; p < end; ++p) {
        const char16_t c = p->unicode();
        if (c == u'/' || c == u'*' || (lineEnds && c == u'\r'))
            return p;
    }
    return end;
}

// Drops the comments of the joined script bodies. At every position the two characters there are
// tested in this order, whatever state holds: "/*" opens a block comment, "*/" closes it (both
// characters dropped), "//" opens a line comment, CR LF closes a line comment (and is kept).
// Everything else is kept outside comments. The last two characters are never kept.
QString stripComments(QStringView acc)
{
    QString out;
    out.reserve(acc.size());
    bool block = false;
    bool line = false;
    const QChar *p = acc.data();
    const QChar *last = acc.data() + std::max<qsizetype>(acc.size() - 2, 0);
    while (p < last) {
        const QChar *special = nextSpecial(p, last, line);
        if (!block && !line)
            out.append(p, special - p);
        p = special;
        if (p >= last)
            break;
        const char16_t a = p[0].unicode();
        const char16_t b = p[1].unicode();
        if (a == u'/' && b == u'*') {
            block = true;
            ++p;
        } else if (a == u'*' && b == u'/') {
            block = false;
            p += 2;
        } else if (a == u'/' && b == u'/') {
            line = true;
            ++p;
        } else if (a == u'\r' && b == u'\n' && line) {
            line = false;
            if (!block)
                out.append(p, 2);
            p += 2;
        } else {
            if (!block && !line)
                out.append(*p);
            ++p;
        }
    }
    return out;
}

// The bodies of the script elements of `text`, given the starts of its opening and closing tags
// in ascending order, joined and followed by five blanks.
QString joinBodies(QStringView text, const std::vector<qsizetype> &opens,
                   const std::vector<qsizetype> &closes)
{
    QString acc;
    qsizetype size = 0;
    std::vector<std::pair<qsizetype, qsizetype>> bodies;
    for (qsizetype open : opens) {
        const auto close = std::lower_bound(closes.begin(), closes.end(), open);
        if (close == closes.end())
            break;
        const qsizetype from = open + openTag().size();
        bodies.push_back({from, std::max<qsizetype>(*close - from, 0)});
        size += bodies.back().second;
    }
    acc.reserve(size + 5);
    for (const auto &[from, length] : bodies)
        acc.append(text.mid(from, length));
    acc.append(QStringLiteral(u"     "));
    return acc;
}

std::vector<qsizetype> occurrences(QStringView text, const QString &pattern)
{
    std::vector<qsizetype> out;
    for (qsizetype at = text.indexOf(pattern, 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(pattern, at + 1, Qt::CaseInsensitive))
        out.push_back(at);
    return out;
}

// Positions of an index of `text`, as they stand in the text where [from, to) is replaced by
// `inserted` units that cannot be part of an occurrence.
std::vector<qsizetype> mapped(const std::vector<qsizetype> &positions, qsizetype length,
                              qsizetype from, qsizetype to, qsizetype inserted)
{
    std::vector<qsizetype> out;
    out.reserve(positions.size());
    for (qsizetype p : positions) {
        if (p + length <= from)
            out.push_back(p);
        else if (p >= to)
            out.push_back(p - (to - from) + inserted);
    }
    return out;
}

QString scriptText(QStringView text, const std::vector<qsizetype> &opens,
                   const std::vector<qsizetype> &closes)
{
    return stripComments(joinBodies(text, opens, closes));
}

} // namespace

QString extractScripts(QStringView text)
{
    return vb::trim(scriptText(text, occurrences(text, openTag()), occurrences(text, closeTag())));
}

QString inferVarType(QStringView text, qsizetype position, const QString &name,
                     const SourceIndex *index)
{
    if (name.isEmpty())
        return QString();
    // The name, its dot and the character after the caret give way to a marker.
    const QString marker = QStringLiteral(u"%$%");
    const qsizetype from = std::clamp<qsizetype>(position - name.size() - 1, 0, text.size());
    const qsizetype to = std::clamp<qsizetype>(position + 1, from, text.size());
    QString marked;
    marked.reserve(text.size() - (to - from) + marker.size());
    marked.append(text.first(from)).append(marker).append(text.mid(to));

    QString scripts;
    if (index) {
        scripts =
            scriptText(marked, mapped(index->scriptOpen.positions(), openTag().size(), from, to, 3),
                       mapped(index->scriptClose.positions(), closeTag().size(), from, to, 3));
    } else {
        scripts =
            scriptText(marked, occurrences(marked, openTag()), occurrences(marked, closeTag()));
    }
    marked = QString();
    scripts.remove(QStringLiteral(u"<!--"));
    scripts = vb::trim(scripts);
    if (scripts.isEmpty())
        return QString();
    const qsizetype markerAt = scripts.indexOf(marker) + 1; // 1-based, 0 for none
    scripts.replace(marker, name);

    // Backwards through the occurrences of the name before the marker: the first assignment of a
    // quoted text or a number decides.
    const QStringView x(scripts);
    qsizetype v = markerAt + name.size() - 3; // 1-based
    while (v > 1) {
        const qsizetype before = v - name.size() - 1; // last 0-based start allowed
        if (before < 0)
            return QString();
        const qsizetype at = x.lastIndexOf(name, before);
        if (at < 0)
            return QString();
        v = at + 1;
        const qsizetype equals = x.indexOf(u'=', at);
        if (equals < 0)
            continue;
        const qsizetype semicolon = x.indexOf(u';', equals);
        const qsizetype lineEnd = x.indexOf(u"\r\n", equals);
        if (semicolon < 0 && lineEnd < 0)
            return QString();
        const qsizetype end = semicolon < 0 ? lineEnd
                              : lineEnd < 0 ? semicolon
                                            : std::min(semicolon, lineEnd);
        const QString value = vb::trim(x.mid(equals + 1, end - equals - 1).toString());
        if (value.startsWith(u'"'))
            return QStringLiteral(u"string");
        if (!value.isEmpty() && value.front() >= u'0' && value.front() <= u'9')
            return QStringLiteral(u"Number");
    }
    return QString();
}

} // namespace editor
