// The extraction of the page's script text: the bodies of its script elements joined, their
// comments dropped and "<!--" removed. It runs on sources of tens of millions of characters at
// every keystroke in a script, so the text is read in place (as pieces of the source) and copied
// in runs, never per character.

#include "editor/scriptextract.h"

#include "controls/strings.h"

namespace editor {

const QString &scriptOpenTag()
{
    static const QString tag = QStringLiteral(u"<script type=\"text/javascript\">");
    return tag;
}

const QString &scriptCloseTag()
{
    static const QString tag = QStringLiteral(u"</script>");
    return tag;
}

namespace {

// The next occurrence of `c` in `s` at or after `from`, or the end of `s`; `cached` keeps the last
// answer, so that a character searched again and again is scanned for only once per piece.
qsizetype nextOf(QStringView s, QChar c, qsizetype from, qsizetype &cached)
{
    if (cached < from) {
        cached = s.indexOf(c, from);
        if (cached < 0)
            cached = s.size();
    }
    return cached;
}

// The first character of the pieces after piece `j`, or a blank (the joined text ends in blanks).
QChar peek(const std::vector<QStringView> &pieces, std::size_t j, qsizetype skip)
{
    for (std::size_t k = j + 1; k < pieces.size(); ++k) {
        if (skip < pieces[k].size())
            return pieces[k][skip];
        skip -= pieces[k].size();
    }
    return u' ';
}

} // namespace

void ScriptStripper::keep(QStringView run)
{
    if (run.isEmpty())
        return;
    const qsizetype before = m_out.size();
    m_out.append(run);
    // "<!--" is removed from what is kept, left to right; the removal joins no new one.
    qsizetype from = std::max(m_floor, before - 3);
    for (qsizetype at = QStringView(m_out).indexOf(u"<!--", from); at >= 0;
         at = QStringView(m_out).indexOf(u"<!--", at)) {
        m_out.remove(at, 4);
        m_floor = at;
    }
}

void ScriptStripper::run(const std::vector<QStringView> &pieces)
{
    bool block = false;
    bool line = false;
    qsizetype skip = 0; // characters of the next pieces already taken by a two-character marker
    for (std::size_t j = 0; j < pieces.size(); ++j) {
        const QStringView s = pieces[j];
        const qsizetype n = s.size();
        if (skip >= n) {
            skip -= n;
            continue;
        }
        qsizetype i = skip;
        skip = 0;
        qsizetype slash = -1, star = -1, cr = -1;
        while (i < n) {
            qsizetype next = std::min(nextOf(s, u'/', i, slash), nextOf(s, u'*', i, star));
            if (line)
                next = std::min(next, nextOf(s, u'\r', i, cr));
            if (!block && !line)
                keep(s.sliced(i, next - i));
            i = next;
            if (i >= n)
                break;
            const QChar a = s[i];
            const QChar b = i + 1 < n ? s[i + 1] : peek(pieces, j, 0);
            if (a == u'/' && b == u'*') {
                block = true;
                i += 1;
            } else if (a == u'*' && b == u'/') {
                block = false;
                i += 2;
            } else if (a == u'/' && b == u'/') {
                line = true;
                i += 1;
            } else if (a == u'\r' && b == u'\n' && line) {
                // The line comment ends; its line end is kept whole.
                line = false;
                if (!block)
                    keep(u"\r\n");
                i += 2;
            } else {
                if (!block && !line)
                    keep(s.sliced(i, 1));
                i += 1;
            }
        }
        skip = i - n;
    }
}

std::vector<TextRange> scriptBodies(const std::vector<qsizetype> &opens,
                                    const std::vector<qsizetype> &closes)
{
    std::vector<TextRange> bodies;
    for (qsizetype open : opens) {
        const auto close = std::lower_bound(closes.begin(), closes.end(), open);
        if (close == closes.end())
            break;
        const qsizetype from = open + scriptOpenTag().size();
        bodies.push_back({from, std::max<qsizetype>(*close - from, 0)});
    }
    return bodies;
}

std::vector<qsizetype> occurrencesOf(QStringView text, const QString &pattern)
{
    std::vector<qsizetype> out;
    for (qsizetype at = text.indexOf(pattern, 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(pattern, at + 1, Qt::CaseInsensitive))
        out.push_back(at);
    return out;
}

QString extractScripts(QStringView text)
{
    std::vector<QStringView> pieces;
    for (const TextRange &body :
         scriptBodies(occurrencesOf(text, scriptOpenTag()), occurrencesOf(text, scriptCloseTag())))
        pieces.push_back(text.sliced(body.start, body.length));
    QString out;
    ScriptStripper(out).run(pieces);
    return strings::trim(out);
}

} // namespace editor
