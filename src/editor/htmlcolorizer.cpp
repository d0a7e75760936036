#include "editor/htmlcolorizer.h"

#include "controls/hugepages.h"

#include <algorithm>
#include <optional>

namespace editor {

namespace {

// The only characters that switch colours or change the state; all others keep the colour in force.
constexpr quint64 kMarkupMask = (quint64(1) << u'"') | (quint64(1) << u'<') | (quint64(1) << u'>');

inline bool isMarkup(char16_t c)
{
    return c < 64 && ((kMarkupMask >> c) & 1);
}

} // namespace

HtmlColorizer::HtmlColorizer(QStringView text)
    : m_text(text), m_hasTag(text.contains(u'<'))
{}

HtmlColorizer::HtmlColorizer(QStringView text, bool hasTag)
    : m_text(text), m_hasTag(hasTag)
{}

void HtmlColorizer::knowCommentSpans(const std::vector<TextSpan> &spans)
{
    m_pairsInTurn = false;
    m_spans = &spans;
    m_commentsSorted = true;
    m_nextComment = 0;
}

qsizetype HtmlColorizer::commentEndingAfter(qsizetype i) const
{
    if (!m_commentsSorted) {
        m_commentsSorted = true;
        if (!m_pairsInTurn)
            m_pairsInTurn = commentsPairInTurn(m_text);
        if (!*m_pairsInTurn && m_pairing) {
            m_pairing->reset(m_text);
            m_spans = &m_pairing->spans();
        } else if (!*m_pairsInTurn) {
            m_comments = findCommentSpansOutOfTurn(m_text);
        }
    }
    if (*m_pairsInTurn) {
        // Short comments, one after the other: the "-->" is found where the comment runs.
        const qsizetype close = m_text.indexOf(u"-->", i + 2);
        return close < 0 ? -1 : close + 3;
    }
    // A pass meets the comments in order: the one after the last found is the likely one.
    const std::vector<TextSpan> &comments = commentSpans();
    std::size_t k = m_nextComment;
    if (k >= comments.size() || comments[k].start != i) {
        auto it = std::lower_bound(comments.begin(), comments.end(), i,
                                   [](const TextSpan &s, qsizetype at) { return s.start < at; });
        k = std::size_t(it - comments.begin());
    }
    if (k >= comments.size() || comments[k].start != i)
        return -1;
    m_nextComment = k + 1;
    return comments[k].start + comments[k].length;
}

void HtmlColorizer::colorAll(const ColorScheme &scheme, ColorSink &sink) const
{
    colorRange(0, m_text.size(), ColorState{}, scheme, sink);
}

// The state change at the markup character at i. Sets `cur` when the character itself changes
// colour and returns the colour from the next character on (Spare when that does not change).
// States: outside tags (text), in a tag (with the parity of its quotes), in a comment (ColorSpan).
SyntaxRole HtmlColorizer::step(qsizetype i, ColorState &st, SyntaxRole &cur) const
{
    if (st.inComment)
        return ColorSpan(i, st, cur);
    const char16_t *p = m_text.utf16();
    const qsizetype n = m_text.size();
    SyntaxRole next = SyntaxRole::Spare;
    switch (p[i]) {
    case u'<':
        // Only a "<!--" that begins a comment span opens a comment; any other is a tag start.
        if (i + 3 < n && p[i + 1] == u'!' && p[i + 2] == u'-' && p[i + 3] == u'-') {
            if (const qsizetype end = commentEndingAfter(i); end >= 0) {
                st.inComment = true;
                st.oddCommentQuotes = false;
                st.commentEnd = end;
                break;
            }
        }
        cur = SyntaxRole::Tag;
        st.inTag = true;
        st.oddQuotes = false;
        break;
    case u'>':
        st.inTag = false;
        next = SyntaxRole::Text;
        break;
    case u'"':
        if (st.inTag) {
            if (st.oddQuotes)
                cur = SyntaxRole::Tag;
            else
                next = SyntaxRole::Value;
            st.oddQuotes = !st.oddQuotes;
        }
        break;
    default:
        break;
    }
    return next;
}

// The markup character at i inside one comment, as step() reports it. The comment's quotes
// alternate opening and closing from its "<!--": the text after an opening quote is in
// CommentQuote, a closing quote and what follows it in Text. Its "<" and ">" switch nothing; the
// comment is left after the ">" of its "-->".
SyntaxRole HtmlColorizer::ColorSpan(qsizetype i, ColorState &st, SyntaxRole &cur) const
{
    SyntaxRole next = SyntaxRole::Spare;
    switch (m_text.utf16()[i]) {
    case u'>':
        if (i + 1 == st.commentEnd) {
            st.inComment = false;
            st.commentEnd = -1;
        }
        break;
    case u'"':
        if (st.oddCommentQuotes)
            cur = SyntaxRole::Text;
        else
            next = SyntaxRole::CommentQuote;
        st.oddCommentQuotes = !st.oddCommentQuotes;
        break;
    default:
        break;
    }
    return next;
}

// One pass, one character at a time. A switch either sets the colour of the character it stands on
// ("<", a closing quote) or the colour from the next character on (">", an opening quote); a run is
// only opened where a character's colour really differs from the one before it. `report(start,
// length, role)` receives the runs, each non-empty, in order.
template <typename Emit>
ColorState HtmlColorizer::colorRangeWith(qsizetype from, qsizetype to, ColorState st,
                                         Emit &&report) const
{
    const char16_t *p = m_text.utf16();
    SyntaxRole cur = st.role;
    SyntaxRole runRole = cur;
    qsizetype runStart = from;
    // Opens a new run at i when the character there is drawn in another colour than the run before.
    auto colourAt = [&](qsizetype i) {
        if (cur != runRole) {
            if (i > runStart)
                report(runStart, i - runStart, runRole);
            runStart = i;
            runRole = cur;
        }
    };
    for (qsizetype i = from; i < to; ++i) {
        if (!isMarkup(p[i]))
            continue;
        const SyntaxRole next = step(i, st, cur);
        colourAt(i);
        if (next != SyntaxRole::Spare) {
            cur = next;
            // A following markup character settles its own colour; any other takes this one.
            if (i + 1 < to && !isMarkup(p[i + 1]))
                colourAt(i + 1);
        }
    }
    if (to > runStart)
        report(runStart, to - runStart, runRole);
    st.role = cur;
    return st;
}

ColorState HtmlColorizer::colorRange(qsizetype from, qsizetype to, ColorState st,
                                     const ColorScheme &scheme, ColorSink &sink) const
{
    from = qBound(qsizetype(0), from, m_text.size());
    to = qBound(from, to, m_text.size());
    if (!m_hasTag) {
        if (to > from)
            sink.run(from, to - from, scheme.plainText);
        return st;
    }
    return colorRangeWith(from, to, st, [&](qsizetype start, qsizetype length, SyntaxRole role) {
        sink.run(start, length, scheme.color(role));
    });
}

template <typename Push>
void HtmlColorizer::emitRuns(const ColorScheme &scheme, std::vector<StateAt> *states,
                             qsizetype step, Push &&push) const
{
    if (m_text.isEmpty())
        return;
    if (!m_hasTag) {
        // Plain text: one colour, and the state never changes.
        push(0, scheme.plainText);
        for (qsizetype at = step; states && step > 0 && at < m_text.size(); at += step)
            states->push_back({at, ColorState{}});
        return;
    }
    // Colours by role, looked up once; runs of two roles of one colour merge.
    quint32 colors[int(SyntaxRole::Plain) + 1];
    for (int r = 0; r <= int(SyntaxRole::Plain); ++r)
        colors[r] = scheme.color(SyntaxRole(r));
    std::optional<quint32> last;
    auto add = [&](qsizetype start, qsizetype, SyntaxRole role) {
        const quint32 color = colors[int(role)];
        if (last != color) {
            push(start, color);
            last = color;
        }
    };
    if (!states || step <= 0) {
        colorRangeWith(0, m_text.size(), ColorState{}, add);
        return;
    }
    // In slices of `step`, noting the state between them (the runs merge across the slices).
    ColorState state;
    for (qsizetype from = 0; from < m_text.size(); from += step) {
        const qsizetype to = std::min(m_text.size(), from + step);
        state = colorRangeWith(from, to, state, add);
        if (to < m_text.size())
            states->push_back({to, state});
    }
}

ColorRuns HtmlColorizer::runs(const ColorScheme &scheme, std::vector<StateAt> *states,
                              qsizetype step) const
{
    ColorRuns list;
    // A generated table has about one run per six characters; room for more is only address space
    // until it is written.
    if (m_hasTag)
        hugepages::reserve(list, std::size_t(m_text.size() / 4 + 16));
    emitRuns(scheme, states, step, [&](qsizetype start, quint32 color) {
        list.push_back({start, color});
    });
    return list;
}

ColorRunList HtmlColorizer::runList(const ColorScheme &scheme, std::vector<StateAt> *states,
                                    qsizetype step) const
{
    ColorRunList list;
    emitRuns(scheme, states, step,
             [&](qsizetype start, quint32 color) { list.push_back({start, color}); });
    return list;
}

ColorRuns colorRuns(QStringView text, const ColorScheme &scheme)
{
    return HtmlColorizer(text).runs(scheme);
}

void ColorRunCollector::run(qsizetype start, qsizetype length, quint32 color)
{
    if (length <= 0)
        return;
    if (!m_runs.empty() && m_runs.back().color == color)
        return;
    m_runs.push_back({start, color});
}

} // namespace editor
