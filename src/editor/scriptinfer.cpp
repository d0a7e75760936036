// The type a name takes from its last assignment before the caret, searched in the page's script
// text with the name, its dot and the character after the caret replaced by a marker. The script
// text is made once per call straight from pieces of the source, into a buffer kept from call to
// call, and the marker's replacement is searched where it lies instead of being spliced in.

#include "controls/strings.h"
#include "editor/scriptextract.h"
#include "editor/scriptvars.h"
#include "editor/sourceindex.h"

namespace editor {

namespace {

const QString &marker()
{
    static const QString text = QStringLiteral(u"%$%");
    return text;
}

// A text made of pieces lying elsewhere, searched without joining them.
class PieceText
{
public:
    void append(QStringView piece)
    {
        m_pieces.push_back(piece);
        m_starts.push_back(m_size);
        m_size += piece.size();
    }
    qsizetype size() const { return m_size; }
    QChar at(qsizetype i) const
    {
        const std::size_t k = pieceOf(i);
        return m_pieces[k][i - m_starts[k]];
    }
    // The first `c` at or after `from`, or -1.
    qsizetype indexOf(QChar c, qsizetype from) const
    {
        if (from >= m_size)
            return -1;
        for (std::size_t k = pieceOf(from); k < m_pieces.size(); ++k) {
            const qsizetype local = std::max<qsizetype>(from - m_starts[k], 0);
            if (const qsizetype found = m_pieces[k].indexOf(c, local); found >= 0)
                return m_starts[k] + found;
        }
        return -1;
    }
    // The first CR LF at or after `from`, or -1.
    qsizetype indexOfLineEnd(qsizetype from) const
    {
        for (qsizetype cr = indexOf(u'\r', from); cr >= 0; cr = indexOf(u'\r', cr + 1))
            if (cr + 1 < m_size && at(cr + 1) == u'\n')
                return cr;
        return -1;
    }
    // The start of the last occurrence of `needle` starting at or before `maxStart`, or -1.
    qsizetype lastIndexOf(QStringView needle, qsizetype maxStart) const
    {
        const qsizetype length = needle.size();
        maxStart = std::min(maxStart, m_size - length);
        if (maxStart < 0 || m_pieces.empty())
            return -1;
        for (qsizetype k = qsizetype(pieceOf(maxStart)); k >= 0; --k) {
            const qsizetype start = m_starts[std::size_t(k)];
            const QStringView piece = m_pieces[std::size_t(k)];
            const qsizetype last = std::min(maxStart, start + piece.size() - 1);
            // Occurrences running on into the next pieces start near the piece's end.
            for (qsizetype p = last; p >= std::max(start, start + piece.size() - length + 1); --p)
                if (matchesAt(p, needle))
                    return p;
            const qsizetype inside = std::min(last, start + piece.size() - length) - start;
            if (inside >= 0) {
                if (const qsizetype found = lastInPiece(piece, needle, inside); found >= 0)
                    return start + found;
            }
            maxStart = start - 1;
        }
        return -1;
    }

private:
    std::size_t pieceOf(qsizetype i) const
    {
        const auto it = std::upper_bound(m_starts.begin(), m_starts.end(), i);
        return std::size_t(std::max<std::ptrdiff_t>(it - m_starts.begin() - 1, 0));
    }
    bool matchesAt(qsizetype p, QStringView needle) const
    {
        if (p < 0 || p + needle.size() > m_size)
            return false;
        for (qsizetype i = 0; i < needle.size(); ++i)
            if (at(p + i) != needle[i])
                return false;
        return true;
    }
    // The last occurrence inside the piece starting at or before `maxStart`. The piece is searched
    // forwards in chunks from its end: a forward string search skips ahead, a backward one cannot.
    static qsizetype lastInPiece(QStringView piece, QStringView needle, qsizetype maxStart)
    {
        constexpr qsizetype Chunk = 1 << 16;
        for (qsizetype hi = maxStart; hi >= 0;) {
            const qsizetype lo = std::max<qsizetype>(hi - Chunk, 0);
            const QStringView window = piece.sliced(lo, hi - lo + needle.size());
            qsizetype last = -1;
            for (qsizetype at = window.indexOf(needle); at >= 0;
                 at = window.indexOf(needle, at + 1))
                last = at;
            if (last >= 0)
                return lo + last;
            hi = lo - 1;
        }
        return -1;
    }

    std::vector<QStringView> m_pieces;
    std::vector<qsizetype> m_starts;
    qsizetype m_size = 0;
};

// Positions of an index of the source as they stand in the marked text, where [from, to) gave way
// to the marker (which cannot be part of a tag).
std::vector<qsizetype> marked(const std::vector<qsizetype> &positions, qsizetype length,
                              qsizetype from, qsizetype to)
{
    std::vector<qsizetype> out;
    out.reserve(positions.size());
    for (qsizetype p : positions) {
        if (p + length <= from)
            out.push_back(p);
        else if (p >= to)
            out.push_back(p - (to - from) + marker().size());
    }
    return out;
}

// The search of the inference in the script text (trimmed of leading blanks, which changes no
// answer), with every marker read as the name.
QString typeFromScripts(QStringView scripts, const QString &name)
{
    qsizetype blanks = 0;
    while (blanks < scripts.size() && scripts[blanks] == u' ')
        ++blanks;
    const QStringView x = scripts.sliced(blanks);
    PieceText text;
    qsizetype firstMarker = -1;
    qsizetype from = 0;
    for (qsizetype at = x.indexOf(marker()); at >= 0; at = x.indexOf(marker(), from)) {
        if (firstMarker < 0)
            firstMarker = at;
        text.append(x.sliced(from, at - from));
        text.append(name);
        from = at + marker().size();
    }
    text.append(x.sliced(from));

    qsizetype v = firstMarker + 1 + name.size() - 3; // 1-based, as the search is specified
    while (v > 1) {
        const qsizetype at = text.lastIndexOf(name, v - name.size() - 1);
        if (at < 0)
            return QString();
        v = at + 1;
        const qsizetype equals = text.indexOf(u'=', at);
        if (equals < 0)
            continue;
        const qsizetype semicolon = text.indexOf(u';', equals);
        const qsizetype lineEnd = text.indexOfLineEnd(equals);
        if (semicolon < 0 && lineEnd < 0)
            return QString();
        const qsizetype end = semicolon < 0 ? lineEnd
                              : lineEnd < 0 ? semicolon
                                            : std::min(semicolon, lineEnd);
        qsizetype first = equals + 1;
        while (first < end && text.at(first) == u' ')
            ++first;
        if (first < end && text.at(first) == u'"')
            return QStringLiteral(u"string");
        if (first < end && text.at(first) >= u'0' && text.at(first) <= u'9')
            return QStringLiteral(u"Number");
    }
    return QString();
}

} // namespace

QString inferVarType(QStringView text, qsizetype position, const QString &name,
                     const SourceIndex *index)
{
    if (name.isEmpty())
        return QString();
    // The name, its dot and the character after the caret give way to the marker.
    const qsizetype from = std::clamp<qsizetype>(position - name.size() - 1, 0, text.size());
    const qsizetype to = std::clamp<qsizetype>(position + 1, from, text.size());
    const qsizetype markerEnd = from + marker().size();

    std::vector<qsizetype> opens;
    std::vector<qsizetype> closes;
    if (index) {
        opens = marked(index->scriptOpen.positions(), scriptOpenTag().size(), from, to);
        closes = marked(index->scriptClose.positions(), scriptCloseTag().size(), from, to);
    } else {
        const QString whole = text.first(from).toString() + marker() + text.sliced(to).toString();
        opens = occurrencesOf(whole, scriptOpenTag());
        closes = occurrencesOf(whole, scriptCloseTag());
    }
    // Each body of the marked text, cut where the marker lies, as pieces of the source.
    std::vector<QStringView> pieces;
    for (const TextRange &body : scriptBodies(opens, closes)) {
        const qsizetype s = body.start;
        const qsizetype e = body.start + body.length;
        if (s < from)
            pieces.push_back(text.sliced(s, std::min(e, from) - s));
        if (s < markerEnd && e > from) {
            const qsizetype a = std::max(s, from);
            pieces.push_back(QStringView(marker()).sliced(a - from, std::min(e, markerEnd) - a));
        }
        if (e > markerEnd) {
            const qsizetype a = std::max(s, markerEnd);
            pieces.push_back(text.sliced(a - markerEnd + to, e - a));
        }
    }
    thread_local QString scripts;
    scripts.resize(0);
    ScriptStripper(scripts).run(pieces);
    return typeFromScripts(scripts, name);
}

} // namespace editor
