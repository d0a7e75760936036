#include "editor/htmlcolorizer.h"

namespace editor {

HtmlColorizer::HtmlColorizer(QStringView text)
    : m_text(text)
    , m_lastClose(text.lastIndexOf(u"-->"))
    , m_hasTag(text.contains(u'<'))
{
}

void HtmlColorizer::colorAll(const ColorScheme &scheme, ColorSink &sink) const
{
    colorRange(0, m_text.size(), ColorState{}, scheme, sink);
}

// One pass, one character at a time. A switch either sets the colour of the character it stands on
// ("<", a closing quote) or the colour from the next character on (">", an opening quote); a run is
// only opened where a character's colour really differs from the one before it.
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
    const char16_t *p = m_text.utf16();
    const qsizetype n = m_text.size();
    SyntaxRole cur = st.role;
    SyntaxRole runRole = cur;
    qsizetype runStart = from;
    for (qsizetype i = from; i < to; ++i) {
        SyntaxRole next = SyntaxRole::Spare; // Spare: no switch after this character
        switch (p[i]) {
        case u'<':
            if (st.inComment)
                break;
            // A comment only opens when a "-->" follows; otherwise "<!--" is an ordinary tag start.
            if (i + 3 < n && p[i + 1] == u'!' && p[i + 2] == u'-' && p[i + 3] == u'-'
                && m_lastClose >= i + 2) {
                st.inComment = true;
                st.oddCommentQuotes = false;
                st.commentStart = i;
                break;
            }
            cur = SyntaxRole::Tag;
            st.inTag = true;
            st.oddQuotes = false;
            break;
        case u'>':
            if (st.inComment) {
                if (i - 2 >= st.commentStart + 2 && p[i - 1] == u'-' && p[i - 2] == u'-') {
                    st.inComment = false;
                    st.commentStart = -1;
                }
                break;
            }
            st.inTag = false;
            next = SyntaxRole::Text;
            break;
        case u'"':
            if (st.inComment) {
                if (st.oddCommentQuotes)
                    cur = SyntaxRole::Text;
                else
                    next = SyntaxRole::CommentQuote;
                st.oddCommentQuotes = !st.oddCommentQuotes;
            } else if (st.inTag) {
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
        if (cur != runRole) {
            if (i > runStart)
                sink.run(runStart, i - runStart, scheme.color(runRole));
            runStart = i;
            runRole = cur;
        }
        if (next != SyntaxRole::Spare)
            cur = next;
    }
    if (to > runStart)
        sink.run(runStart, to - runStart, scheme.color(runRole));
    st.role = cur;
    return st;
}

ColorRuns colorRuns(QStringView text, const ColorScheme &scheme)
{
    ColorRunCollector collector;
    HtmlColorizer(text).colorAll(scheme, collector);
    return collector.take();
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
