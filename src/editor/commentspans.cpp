#include "editor/commentspans.h"

#include <QHash>

#include <algorithm>

namespace editor {

namespace {

// The first occurrence of a marker at or after `from`, or -1: the marker's first character is
// looked for with the fast single-character search, the rest compared where it stands.
qsizetype find(QStringView text, QStringView marker, qsizetype from)
{
    const QChar first = marker.front();
    for (qsizetype p = text.indexOf(first, from); p >= 0; p = text.indexOf(first, p + 1)) {
        if (text.sliced(p).startsWith(marker))
            return p;
    }
    return -1;
}

// Positions of every occurrence of a marker that cannot overlap itself, in text order.
std::vector<qsizetype> positionsOf(QStringView text, QStringView marker)
{
    std::vector<qsizetype> out;
    for (qsizetype p = find(text, marker, 0); p >= 0; p = find(text, marker, p + 1))
        out.push_back(p);
    return out;
}

// The comment spans taken out so far, sorted by start and never overlapping. They mostly come in
// text order, so adding one is usually an append.
class TakenOut
{
public:
    explicit TakenOut(std::size_t expected) { m_spans.reserve(expected); }
    bool overlaps(qsizetype from, qsizetype to) const
    {
        auto it = std::lower_bound(m_spans.begin(), m_spans.end(), to,
                                   [](const TextSpan &s, qsizetype at) { return s.start < at; });
        return it != m_spans.begin() && std::prev(it)->start + std::prev(it)->length > from;
    }
    void add(qsizetype from, qsizetype to)
    {
        const TextSpan span{from, to - from};
        if (m_spans.empty() || m_spans.back().start < from) {
            m_spans.push_back(span);
            return;
        }
        auto it = std::lower_bound(m_spans.begin(), m_spans.end(), from,
                                   [](const TextSpan &s, qsizetype at) { return s.start < at; });
        m_spans.insert(it, span);
    }
    std::vector<TextSpan> take() { return std::move(m_spans); }

private:
    std::vector<TextSpan> m_spans;
};

// The start of the first "-->" that can close a "<!--" at `open` (it may share the "--"), or -1.
qsizetype firstCloseAfter(const std::vector<qsizetype> &closes, qsizetype open)
{
    auto it = std::lower_bound(closes.begin(), closes.end(), open + 2);
    return it == closes.end() ? -1 : *it;
}

// Walks the markers of a text whose comments pair in turn (see commentsPairInTurn), giving each
// comment to `onComment(start, end)`. Returns false, early, when they do not pair in turn.
template <typename OnComment>
bool walkPairsInTurn(QStringView text, OnComment onComment)
{
    const char16_t *p = text.utf16();
    const qsizetype n = text.size();
    qsizetype open = -1;     // a "<!--" waiting for its "-->"
    bool strayClose = false; // a "-->" with no "<!--" before it: it would close the next one
    for (qsizetype i = 0; i + 2 < n; ++i) {
        if (p[i] == u'<' && i + 3 < n && p[i + 1] == u'!' && p[i + 2] == u'-' && p[i + 3] == u'-') {
            if (open >= 0 || strayClose)
                return false;
            open = i; // its "-->" may share its "--": the scan goes on at the "!"
        } else if (p[i] == u'-' && p[i + 1] == u'-' && p[i + 2] == u'>') {
            if (open >= 0)
                onComment(open, i + 3);
            else
                strayClose = true;
            open = -1;
            i += 2;
        }
    }
    return true;
}

} // namespace

std::vector<TextSpan> findCommentSpans(QStringView text)
{
    std::vector<TextSpan> spans;
    if (walkPairsInTurn(text, [&](qsizetype from, qsizetype to) { spans.push_back({from, to - from}); }))
        return spans;
    const std::vector<qsizetype> opens = positionsOf(text, u"<!--");
    const std::vector<qsizetype> closes = positionsOf(text, u"-->");
    const std::size_t pairs = std::min(opens.size(), closes.size());
    TakenOut taken(pairs);

    // An occurrence of a comment's text starts at some "<!--" and holds, from there, that
    // marker's shortest comment (through its first "-->"). So the "<!--" are grouped by their
    // shortest comment, and a comment's text is looked for only at the members of its group.
    QHash<QStringView, std::vector<qsizetype>> groups;
    for (qsizetype open : opens) {
        const qsizetype close = firstCloseAfter(closes, open);
        if (close >= 0)
            groups[text.sliced(open, close + 3 - open)].push_back(open);
    }
    // Per group, the comment texts already taken out (as spans of the text): a text taken out
    // once has no occurrence left.
    QHash<QStringView, std::vector<TextSpan>> done;
    for (std::size_t k = 0; k < pairs; ++k) {
        const qsizetype open = opens[k];
        const qsizetype close = closes[k];
        if (close < open + 2)
            continue; // a "-->" before its "<!--": no comment
        const qsizetype length = close + 3 - open;
        const QStringView comment = text.sliced(open, length);
        const QStringView shortest =
            text.sliced(open, firstCloseAfter(closes, open) + 3 - open);
        std::vector<TextSpan> &seen = done[shortest];
        const bool again = std::any_of(seen.begin(), seen.end(), [&](const TextSpan &s) {
            return s.length == length && text.sliced(s.start, s.length) == comment;
        });
        if (again)
            continue;
        seen.push_back({open, length});
        for (qsizetype at : *groups.constFind(shortest)) {
            if (at + length <= text.size() && !taken.overlaps(at, at + length)
                && text.sliced(at, length) == comment)
                taken.add(at, at + length);
        }
    }
    return taken.take();
}

} // namespace editor

namespace editor {

bool commentsPairInTurn(QStringView text)
{
    return walkPairsInTurn(text, [](qsizetype, qsizetype) {});
}

} // namespace editor
