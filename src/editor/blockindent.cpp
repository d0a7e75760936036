#include "editor/blockindent.h"

#include "editor/scriptelements.h"
#include "editor/textwriter.h"

#include "controls/hugepages.h"

#include <array>
#include <vector>

namespace editor {

namespace {

constexpr int kTagCount = 12;
const std::array<QStringView, kTagCount> kBlockTags{u"P",    u"DIV",    u"BODY",  u"TABLE",
                                                    u"TR",   u"SCRIPT", u"STYLE", u"FORM",
                                                    u"HEAD", u"TD",     u"UL",    u"OL"};

constexpr char16_t kTab = u'\t';
constexpr qsizetype kMaxTabs = 32;
constexpr char16_t kIdeographicSpace = u'\u3000';

// The block tag whose name stands at a place, in any mix of cases (as a prefix of whatever name is
// written there), and whether it is written all in upper or all in lower case.
struct TagName
{
    int tag = -1;
    bool sameCase = false;
};

// The ASCII letter c in upper case; any other character becomes one that is no upper-case letter.
inline char16_t upperLetter(char16_t c)
{
    return c & char16_t(~0x20);
}

// Block tag `tag`, whose upper-case name is `name`, if it stands at p (n characters left).
inline TagName named(const char16_t *p, qsizetype n, QStringView name, int tag)
{
    if (n < name.size())
        return {};
    bool sameCase = true;
    for (qsizetype k = 0; k < name.size(); ++k) {
        if (upperLetter(p[k]) != name.utf16()[k])
            return {};
        sameCase = sameCase && ((p[k] ^ p[0]) & 0x20) == 0;
    }
    return {tag, sameCase};
}

// The block tag at p (n characters left). This runs at every "<" and every line of sources of
// millions of tags: the first letters pick the one name that can match (no name of the table is a
// prefix of another).
TagName tagNameAt(const char16_t *p, qsizetype n)
{
    if (n <= 0)
        return {};
    const char16_t second = n > 1 ? upperLetter(p[1]) : 0;
    switch (upperLetter(p[0])) {
    case u'P':
        return named(p, n, kBlockTags[0], 0);
    case u'D':
        return named(p, n, kBlockTags[1], 1);
    case u'B':
        return named(p, n, kBlockTags[2], 2);
    case u'T':
        if (second == u'A')
            return named(p, n, kBlockTags[3], 3);
        if (second == u'R')
            return named(p, n, kBlockTags[4], 4);
        if (second == u'D')
            return named(p, n, kBlockTags[9], 9);
        return {};
    case u'S':
        if (second == u'C')
            return named(p, n, kBlockTags[5], 5);
        if (second == u'T')
            return named(p, n, kBlockTags[6], 6);
        return {};
    case u'F':
        return named(p, n, kBlockTags[7], 7);
    case u'H':
        return named(p, n, kBlockTags[8], 8);
    case u'U':
        return named(p, n, kBlockTags[10], 10);
    case u'O':
        return named(p, n, kBlockTags[11], 11);
    default:
        return {};
    }
}

TagName tagNameAt(QStringView text, qsizetype pos)
{
    return pos < text.size() ? tagNameAt(text.utf16() + pos, text.size() - pos) : TagName{};
}

inline bool isBlank(char16_t c)
{
    return c == u' ' || c == kTab || c == kIdeographicSpace || c == u'\r' || c == u'\n';
}

// "<BR>" or "<br>" at `pos`.
bool isBreakTag(QStringView text, qsizetype pos)
{
    const char16_t *p = text.utf16() + pos;
    return pos + 4 <= text.size() && p[0] == u'<' && p[3] == u'>' &&
           ((p[1] == u'B' && p[2] == u'R') || (p[1] == u'b' && p[2] == u'r'));
}

// How much of `p[0, n)` is left when what stands at its end in front of a line break tag is
// removed: blanks, ideographic spaces, TABs and CR LF pairs.
qsizetype endBeforeBreakTag(const char16_t *p, qsizetype n)
{
    while (n > 0) {
        const char16_t c = p[n - 1];
        if (c == u' ' || c == kIdeographicSpace || c == kTab)
            --n;
        else if (c == u'\n' && n > 1 && p[n - 2] == u'\r')
            n -= 2;
        else
            break;
    }
    return n;
}

// A character that the text does not hold, to stand for a script element while the text is
// reworked. Private-use characters first; nothing when every candidate occurs in the text.
std::optional<char16_t> unusedCharacter(QStringView text)
{
    constexpr char16_t first = 0xE000;
    constexpr char16_t last = 0xF8FF;
    std::vector<bool> used(last - first + 1);
    for (QChar c : text) {
        if (c.unicode() >= first && c.unicode() <= last)
            used[c.unicode() - first] = true;
    }
    for (char16_t c = first; c <= last; ++c) {
        if (!used[c - first])
            return c;
    }
    return std::nullopt;
}

inline bool separatesWords(char16_t c)
{
    return c == u' ' || c == u'\r' || c == u'\n';
}

// The text with the TABs outside script elements taken out, and each script element either kept
// (stand-in 0) or replaced by the one character `standIn`. A run of TABs inside a tag (after a "<"
// with no ">" since) that stands between two characters other than blanks and line breaks becomes
// one blank instead: "<td\tnowrap>" must not become "<tdnowrap>", nor "<SCRIP\tT" a script.
QString withoutTabs(QStringView text, const std::vector<TextSpan> &scripts, char16_t standIn)
{
    TextWriter out(text.size());
    qsizetype from = 0;
    bool inTag = false;
    const char16_t *p = text.utf16();
    auto copyTabless = [&](qsizetype to) {
        qsizetype copied = from;
        for (qsizetype i = from; i < to; ++i) {
            const char16_t c = p[i];
            if (c == u'<') {
                inTag = true;
            } else if (c == u'>') {
                inTag = false;
            } else if (c == kTab) {
                out.append(p + copied, i - copied);
                qsizetype end = i + 1;
                while (end < to && p[end] == kTab)
                    ++end;
                if (inTag && out.size() > 0 && !separatesWords(out.data()[out.size() - 1]) &&
                    end < text.size() && !separatesWords(p[end]))
                    out.append(u' ');
                copied = end;
                i = end - 1;
            }
        }
        out.append(p + copied, to - copied);
        from = to;
    };
    for (const TextSpan &s : scripts) {
        copyTabless(s.start);
        if (standIn)
            out.append(standIn);
        else
            out.append(p + s.start, s.length);
        from = s.start + s.length;
        inTag = false; // a script element ends with its ">"
    }
    copyTabless(text.size());
    return out.take(hugepages::editingRoom(out.size()));
}

// True when the text holds a block tag: "<T" or "</T" with T a block tag name in any case.
bool hasBlockTag(QStringView work)
{
    for (qsizetype i = work.indexOf(u'<'); i >= 0; i = work.indexOf(u'<', i + 1)) {
        const qsizetype name = i + 1 < work.size() && work[i + 1] == u'/' ? i + 2 : i + 1;
        if (tagNameAt(work, name).tag >= 0)
            return true;
    }
    return false;
}

// Puts line breaks around block tags and after the ">" of every opening block tag, and joins
// break tags to the line before them, over the text piece by piece.
class BlockBreaker
{
public:
    explicit BlockBreaker(QStringView work) : m_work(work) {}

    // Writes the broken-up text of [done so far, to) behind `out`. Only the end of `out` that
    // stands in front of a break tag (see settledEnd) may still be taken back.
    void run(qsizetype to, TextWriter &out)
    {
        const char16_t *p = m_work.utf16();
        // A piece grows by at most four line-break characters at each "<" or ">".
        out.room(5 * (to - m_copied) + 8);
        for (qsizetype i = m_next; i < to; ++i) {
            const char16_t c = p[i];
            if (c == u'<') {
                out.append(p + m_copied, i - m_copied);
                m_copied = i;
                const bool closing = i + 1 < m_work.size() && p[i + 1] == u'/';
                const TagName name = tagNameAt(m_work, closing ? i + 2 : i + 1);
                if (isBreakTag(m_work, i))
                    out.truncate(endBeforeBreakTag(out.data(), out.size()));
                else if (name.tag >= 0 && name.sameCase)
                    out.append(u"\r\n");
                if (!closing && name.tag >= 0)
                    m_breakAtNextGt = true;
                // "</T>" with T all in upper or all in lower case ends its line.
                m_closingTagEnd = closing && name.tag >= 0 && name.sameCase
                                      ? i + 2 + kBlockTags[std::size_t(name.tag)].size()
                                      : -1;
            } else if (c == u'>') {
                out.append(p + m_copied, i + 1 - m_copied);
                m_copied = i + 1;
                if (m_breakAtNextGt)
                    out.append(u"\r\n");
                if (i == m_closingTagEnd)
                    out.append(u"\r\n");
                m_breakAtNextGt = false;
            }
        }
        out.append(p + m_copied, to - m_copied);
        m_copied = to;
        m_next = to;
    }

private:
    QStringView m_work;
    qsizetype m_next = 0;
    qsizetype m_copied = 0;
    bool m_breakAtNextGt = false;
    // Where the name of the last "</" is followed by the ">" that ends its line, if it is a block
    // tag in one case.
    qsizetype m_closingTagEnd = -1;
};

QStringView trimBlanks(QStringView s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && s[b] == u' ')
        ++b;
    while (e > b && s[e - 1] == u' ')
        --e;
    return s.sliced(b, e - b);
}

// Appends `piece`, putting the script elements back in place of their stand-ins, in order.
class Restorer
{
public:
    Restorer(QStringView text, const std::vector<TextSpan> &scripts, char16_t standIn)
        : m_text(text), m_scripts(scripts), m_standIn(standIn)
    {}
    // True when there is no script element to put back.
    bool idle() const { return m_scripts.empty(); }
    void append(TextWriter &out, QStringView piece)
    {
        if (m_scripts.empty()) {
            out.append(piece);
            return;
        }
        qsizetype from = 0;
        for (qsizetype s = piece.indexOf(QChar(m_standIn)); s >= 0;
             s = piece.indexOf(QChar(m_standIn), from)) {
            out.append(piece.sliced(from, s - from));
            const TextSpan &span = m_scripts[m_next++];
            out.append(m_text.sliced(span.start, span.length));
            from = s + 1;
        }
        out.append(piece.sliced(from));
    }

private:
    QStringView m_text;
    const std::vector<TextSpan> &m_scripts;
    char16_t m_standIn;
    size_t m_next = 0;
};

// Indents the lines of the broken-up text with TABs, drops blank lines and trims blanks, putting
// the script elements back as it goes. Takes the lines piece by piece, in order.
class LineIndenter
{
public:
    LineIndenter(Restorer &restorer, TextWriter &out) : m_restorer(restorer), m_out(out) {}

    // Indents the lines of `lines`: each ends with CR LF, but for the last one of the text
    // (`last`), which may be empty.
    void take(QStringView lines, bool last)
    {
        const char16_t *p = lines.utf16();
        const qsizetype n = lines.size();
        qsizetype lineStart = 0;
        while (lineStart < n || (last && lineStart == n)) {
            // The next CR LF, its CR at or after the line's start.
            qsizetype lineEnd = lineStart + 1;
            while (lineEnd < n && (p[lineEnd] != u'\n' || p[lineEnd - 1] != u'\r'))
                ++lineEnd;
            lineEnd = lineEnd >= n ? n : lineEnd - 1;
            indentLine(p + lineStart, lineEnd - lineStart);
            lineStart = lineEnd + 2;
        }
    }

private:
    void indentLine(const char16_t *s, qsizetype length)
    {
        // The line trimmed of blanks is [b, e).
        qsizetype b = 0;
        while (b < length && s[b] == u' ')
            ++b;
        qsizetype e = length;
        while (e > b && s[e - 1] == u' ')
            --e;
        qsizetype tabs = 0;
        if (length > 0) {
            int opened = -1;
            int closed = -1;
            if (e - b > 1 && s[b] == u'<' && s[b + 1] == u'/')
                closed = tagNameAt(s + b + 2, e - b - 2).tag;
            else if (e - b > 0 && s[b] == u'<')
                opened = tagNameAt(s + b + 1, e - b - 1).tag;
            if (closed >= 0 && m_depth[std::size_t(closed)]-- > 0)
                --m_openTabs;
            // Legal HTML may leave many elements open ("<p>" without "</p>"): the TABs stop
            // at a depth no real nesting reaches, so that the text cannot grow without bound.
            tabs = std::min(m_openTabs, kMaxTabs);
            if (opened >= 0 && m_depth[std::size_t(opened)]++ >= 0)
                ++m_openTabs;
        }
        bool blank = true;
        for (qsizetype k = b; k < length && blank; ++k)
            blank = isBlank(s[k]);
        const bool first = m_lineNo++ == 0;
        if (blank)
            return;
        const QStringView line(s, length);
        if (first) {
            m_restorer.append(m_out, line);
            return;
        }
        // An indented line keeps its leading blanks behind its TABs.
        const qsizetype from = tabs > 0 ? 0 : b;
        if (m_restorer.idle()) {
            char16_t *out = m_out.room(2 + tabs + e - from);
            out[0] = u'\r';
            out[1] = u'\n';
            std::fill_n(out + 2, tabs, kTab);
            std::copy(s + from, s + e, out + 2 + tabs);
            m_out.advance(2 + tabs + e - from);
            return;
        }
        m_out.append(u"\r\n");
        m_out.appendRepeated(kTab, tabs);
        m_restorer.append(m_out, line.sliced(from, e - from));
    }

    Restorer &m_restorer;
    TextWriter &m_out;
    // Per block tag, the elements open before the line (below 0 after stray closing tags), and
    // the sum of the depths above 0.
    std::array<qsizetype, kTagCount> m_depth{};
    qsizetype m_openTabs = 0;
    qsizetype m_lineNo = 0;
};

// Where the lines of `out` that can no longer change end: the lines up to the last CR LF that
// lies in front of what a break tag could take back. `checked` is where an earlier look left
// off: no CR LF ends between it and `from` (both move on with the look).
qsizetype settledEnd(const TextWriter &out, qsizetype from, qsizetype &checked)
{
    const char16_t *p = out.data();
    qsizetype kept = endBeforeBreakTag(p, out.size());
    // A CR at the very end may yet get its LF, and a break tag may then take both back.
    if (kept == out.size() && kept > 0 && p[kept - 1] == u'\r')
        kept = endBeforeBreakTag(p, kept - 1);
    // p[kept - 1] stays; a CR LF whose LF lies before it ends a settled line.
    const qsizetype lowest = std::max(from + 1, checked);
    for (qsizetype i = kept - 2; i >= lowest; --i) {
        if (p[i] == u'\n' && p[i - 1] == u'\r') {
            checked = std::max(checked, kept - 1);
            return i + 1;
        }
    }
    checked = std::max(checked, kept - 1);
    return from;
}

// Line breaks around block tags, then the indentation of the lines, one piece of the text at a
// time: the broken-up text of a piece is indented as soon as no later break tag can reach back
// into it, so it is never held whole.
QString breakAndIndent(QStringView work, Restorer &restorer)
{
    constexpr qsizetype Piece = 1 << 15;
    // A table's cells get four line breaks and a few TABs to their twenty-odd characters; room
    // that is not written costs nothing.
    TextWriter out(work.size() * 2 + 64);
    TextWriter pending(8 * Piece);
    BlockBreaker breaker(work);
    LineIndenter indenter(restorer, out);
    qsizetype read = 0;
    qsizetype checked = 0;
    for (qsizetype from = 0; from < work.size(); from += Piece) {
        breaker.run(std::min(work.size(), from + Piece), pending);
        const qsizetype settled = settledEnd(pending, read, checked);
        indenter.take(pending.view().sliced(read, settled - read), false);
        read = settled;
        // The indented lines go once they fill half the buffer: what is left moves rarely.
        if (read > pending.size() / 2) {
            pending.removeFront(read);
            checked = std::max<qsizetype>(0, checked - read);
            read = 0;
        }
    }
    indenter.take(pending.view().sliced(read), true);
    return out.take(hugepages::editingRoom(out.size()));
}

} // namespace

QString makeTabs(qsizetype n)
{
    return n > 0 ? QString(n, QChar(kTab)) : QString();
}

std::optional<QString> indentHtmlSource(QStringView text)
{
    const std::vector<TextSpan> scripts = findScriptElements(text);
    char16_t standIn = 0xE000;
    if (!scripts.empty()) {
        const std::optional<char16_t> unused = unusedCharacter(text);
        if (!unused)
            return std::nullopt; // cannot tell scripts from text: leave the source as it is
        standIn = *unused;
    }
    if (trimBlanks(text).isEmpty())
        return std::nullopt;
    // A source without TABs or scripts (a generated table) is worked on as it stands.
    QString stripped;
    QStringView work = text;
    if (!scripts.empty() || text.contains(kTab)) {
        stripped = withoutTabs(text, scripts, standIn);
        work = stripped;
    }
    // Without a block tag there is nothing to put on lines or indent: the text stays as it is.
    if (!hasBlockTag(work))
        return text.toString();
    Restorer restorer(text, scripts, standIn);
    return breakAndIndent(work, restorer);
}

QString removeIndentation(QStringView text)
{
    return withoutTabs(text, findScriptElements(text), 0);
}

} // namespace editor
