#include "editor/blockindent.h"

#include "editor/scriptelements.h"

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

// Same: the name written all in upper or all in lower case; Any: in any mix of cases.
enum class NameCase { Same, Any };

inline char16_t asciiUpper(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
}

// The block tag whose name stands at `pos` (as a prefix of whatever name is written there), or -1.
// No name of the table is a prefix of another, so at most one can match.
int blockTagAt(QStringView text, qsizetype pos, NameCase nameCase)
{
    if (pos >= text.size())
        return -1;
    const char16_t first = asciiUpper(text.utf16()[pos]);
    for (int t = 0; t < kTagCount; ++t) {
        const QStringView name = kBlockTags[t];
        // This runs at every "<" of sources of millions of tags: most names fail on the first letter.
        if (name.utf16()[0] != first || pos + name.size() > text.size())
            continue;
        bool upper = true;
        bool lower = true;
        bool any = true;
        for (qsizetype k = 0; k < name.size(); ++k) {
            const char16_t c = text.utf16()[pos + k];
            const char16_t u = name.utf16()[k];
            upper = upper && c == u;
            lower = lower && c == char16_t(u + 32);
            any = any && asciiUpper(c) == u;
            if (!any)
                break;
        }
        if (nameCase == NameCase::Same ? (upper || lower) : any)
            return t;
    }
    return -1;
}

// Block tag opened ("<T") or closed ("</T") at `pos`, written all upper or all lower case.
bool sameCaseTagStart(QStringView text, qsizetype pos)
{
    if (pos + 1 < text.size() && text[pos + 1] == u'/')
        return blockTagAt(text, pos + 2, NameCase::Same) >= 0;
    return blockTagAt(text, pos + 1, NameCase::Same) >= 0;
}

// True when the ">" at `pos` ends "</T>" with T all upper or all lower case.
bool endsSameCaseClosingTag(QStringView text, qsizetype pos)
{
    qsizetype j = pos - 1;
    while (j >= 0 && ((text[j] >= u'A' && text[j] <= u'Z') || (text[j] >= u'a' && text[j] <= u'z')))
        --j;
    if (j < 1 || text[j] != u'/' || text[j - 1] != u'<')
        return false;
    const qsizetype nameLength = pos - j - 1;
    const int t = blockTagAt(text, j + 1, NameCase::Same);
    return t >= 0 && kBlockTags[t].size() == nameLength;
}

bool isBlank(char16_t c)
{
    return c == u' ' || c == kTab || c == kIdeographicSpace || c == u'\r' || c == u'\n';
}

bool isBreakTag(QStringView text, qsizetype pos)
{
    const QStringView rest = text.sliced(pos);
    return rest.startsWith(u"<BR>") || rest.startsWith(u"<br>");
}

// Removes what stands in front of a line break tag: blanks, ideographic spaces, TABs and CR LF
// pairs.
void stripBeforeBreakTag(QString &out)
{
    qsizetype end = out.size();
    const QChar *p = out.constData();
    while (end > 0) {
        const char16_t c = p[end - 1].unicode();
        if (c == u' ' || c == kIdeographicSpace || c == kTab)
            --end;
        else if (c == u'\n' && end > 1 && p[end - 2] == u'\r')
            end -= 2;
        else
            break;
    }
    out.truncate(end);
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

inline bool separatesWords(QChar c)
{
    return c == u' ' || c == u'\r' || c == u'\n';
}

// The text with the TABs outside script elements taken out, and each script element either kept
// (stand-in 0) or replaced by the one character `standIn`. A run of TABs inside a tag (after a "<"
// with no ">" since) that stands between two characters other than blanks and line breaks becomes
// one blank instead: "<td\tnowrap>" must not become "<tdnowrap>", nor "<SCRIP\tT" a script.
QString withoutTabs(QStringView text, const std::vector<TextSpan> &scripts, char16_t standIn)
{
    QString out;
    hugepages::reserve(out, text.size() + hugepages::editingRoom(text.size()));
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
                out.append(text.sliced(copied, i - copied));
                qsizetype end = i + 1;
                while (end < to && p[end] == kTab)
                    ++end;
                if (inTag && !out.isEmpty() && !separatesWords(out.back()) && end < text.size()
                    && !separatesWords(text[end]))
                    out.append(u' ');
                copied = end;
                i = end - 1;
            }
        }
        out.append(text.sliced(copied, to - copied));
        from = to;
    };
    for (const TextSpan &s : scripts) {
        copyTabless(s.start);
        if (standIn)
            out.append(QChar(standIn));
        else
            out.append(text.sliced(s.start, s.length));
        from = s.start + s.length;
        inTag = false; // a script element ends with its ">"
    }
    copyTabless(text.size());
    return out;
}

// True when the text holds a block tag: "<T" or "</T" with T a block tag name in any case.
bool hasBlockTag(QStringView work)
{
    for (qsizetype i = work.indexOf(u'<'); i >= 0; i = work.indexOf(u'<', i + 1)) {
        const qsizetype name = i + 1 < work.size() && work[i + 1] == u'/' ? i + 2 : i + 1;
        if (blockTagAt(work, name, NameCase::Any) >= 0)
            return true;
    }
    return false;
}

// Line breaks around block tags and after the ">" of every opening block tag; break tags joined to
// the line before them.
QString breakAroundBlockTags(QStringView work)
{
    // A table's cells get four line breaks to their twenty-odd characters; reserved room that is
    // not written costs nothing.
    QString out;
    hugepages::reserve(out, work.size() + work.size() / 2 + 16);
    bool breakAtNextGt = false;
    const qsizetype n = work.size();
    qsizetype copied = 0;
    const char16_t *p = work.utf16();
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] == u'<') {
            out.append(work.sliced(copied, i - copied));
            copied = i;
            if (isBreakTag(work, i))
                stripBeforeBreakTag(out);
            else if (sameCaseTagStart(work, i))
                out.append(u"\r\n");
            if (blockTagAt(work, i + 1, NameCase::Any) >= 0)
                breakAtNextGt = true;
        } else if (p[i] == u'>') {
            out.append(work.sliced(copied, i + 1 - copied));
            copied = i + 1;
            if (breakAtNextGt)
                out.append(u"\r\n");
            if (endsSameCaseClosingTag(work, i))
                out.append(u"\r\n");
            breakAtNextGt = false;
        }
    }
    out.append(work.sliced(copied));
    return out;
}

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
    void append(QString &out, QStringView piece)
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
// the script elements back as it goes.
QString indentLines(const QString &work, Restorer &restorer)
{
    std::array<qsizetype, kTagCount> depth{};
    QString out;
    hugepages::reserve(out, work.size() + work.size() / 2);
    const QStringView all(work);
    qsizetype lineStart = 0;
    for (qsizetype lineNo = 0; lineStart <= all.size(); ++lineNo) {
        // The next CR LF: its LF found by the fast character search.
        qsizetype lineEnd = all.indexOf(u'\n', lineStart + 1);
        while (lineEnd > 0 && all[lineEnd - 1] != u'\r')
            lineEnd = all.indexOf(u'\n', lineEnd + 1);
        lineEnd = lineEnd < 0 ? all.size() : lineEnd - 1;
        const QStringView line = all.sliced(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 2;

        qsizetype tabs = 0;
        if (!line.isEmpty()) {
            const QStringView u = trimBlanks(line);
            int opened = -1;
            int closed = -1;
            if (u.startsWith(u"</"))
                closed = blockTagAt(u, 2, NameCase::Any);
            else if (u.startsWith(u'<'))
                opened = blockTagAt(u, 1, NameCase::Any);
            if (closed >= 0)
                --depth[closed];
            for (qsizetype d : depth)
                tabs += qMax(d, qsizetype(0));
            // Legal HTML may leave many elements open ("<p>" without "</p>"): the TABs stop
            // at a depth no real nesting reaches, so that the text cannot grow without bound.
            tabs = std::min(tabs, kMaxTabs);
            if (opened >= 0)
                ++depth[opened];
        }
        bool blank = true;
        for (QChar c : line) {
            if (!isBlank(c.unicode())) {
                blank = false;
                break;
            }
        }
        if (lineNo == 0) {
            if (!blank)
                restorer.append(out, line);
        } else if (!blank) {
            out.append(u"\r\n");
            if (tabs > 0) {
                static const QString manyTabs(64, QChar(kTab));
                for (qsizetype left = tabs; left > 0; left -= manyTabs.size())
                    out.append(QStringView(manyTabs).first(std::min(left, manyTabs.size())));
                qsizetype e = line.size();
                while (e > 0 && line[e - 1] == u' ')
                    --e;
                restorer.append(out, line.first(e));
            } else {
                restorer.append(out, trimBlanks(line));
            }
        }
    }
    return out;
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
    QString work = withoutTabs(text, scripts, standIn);
    if (trimBlanks(text).isEmpty())
        return std::nullopt;
    // Without a block tag there is nothing to put on lines or indent: the text stays as it is.
    if (!hasBlockTag(work))
        return text.toString();
    work = breakAroundBlockTags(work);

    Restorer restorer(text, scripts, standIn);
    return indentLines(work, restorer);
}

QString removeIndentation(QStringView text)
{
    return withoutTabs(text, findScriptElements(text), 0);
}

} // namespace editor
