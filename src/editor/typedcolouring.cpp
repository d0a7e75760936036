#include "editor/typedcolouring.h"

#include <QString>

namespace editor {

namespace {
// Distance between two kept states: an edit is coloured after at most this many characters of
// lexing (well under a millisecond).
constexpr qsizetype Step = qsizetype(1) << 15;

class NullSink : public ColorSink
{
public:
    void run(qsizetype, qsizetype, quint32) override {}
};

bool holdsCommentMarker(QStringView text)
{
    return text.contains(u"<!--") || text.contains(u"-->");
}
} // namespace

qsizetype TypedTextColouring::stateStep()
{
    return Step;
}

void TypedTextColouring::keepStates(QStringView text,
                                    const std::vector<HtmlColorizer::StateAt> &states,
                                    const HtmlColorizer &colorizer)
{
    m_checkpoints.clear();
    m_checkpoints.reserve(states.size());
    for (const HtmlColorizer::StateAt &at : states)
        m_checkpoints.push_back({at.position, at.state});
    m_size = text.size();
    m_hasTag = colorizer.hasTag();
    m_pairsInTurn = colorizer.pairsInTurn();
    m_comments = colorizer.commentSpans();
}

void TypedTextColouring::reset()
{
    forgetStates();
    m_size = -1;
}

void TypedTextColouring::forgetStates()
{
    m_checkpoints.clear();
    m_pairsInTurn.reset();
    m_comments.clear();
}

// Whether the edit made or broke a "<!--" or "-->": the removed and the inserted text are looked at
// with the three characters on each side of them, which any marker overlapping the edit lies in.
bool TypedTextColouring::touchesCommentMarker(QStringView text, const Edit &edit)
{
    const qsizetype from = std::max<qsizetype>(0, edit.start - 3);
    const qsizetype end = edit.start + edit.inserted;
    const qsizetype to = std::min(text.size(), end + 3);
    const QStringView before = text.mid(from, edit.start - from);
    const QStringView after = text.mid(end, to - end);
    if (holdsCommentMarker(text.mid(from, to - from)))
        return true;
    // Even with nothing removed: an insertion between the "--" and the ">" of a "-->" breaks it.
    QString old;
    old.reserve(before.size() + edit.removedText.size() + after.size());
    old.append(before).append(edit.removedText).append(after);
    return holdsCommentMarker(old);
}

// A kept state inside a comment holds where the comment ends: a comment whose "-->" follows the
// edit (the edit touched no marker) now ends as much further on as the edit made the text longer.
void TypedTextColouring::followEdit(const Edit &edit)
{
    const qsizetype delta = edit.inserted - edit.removedText.size();
    for (Checkpoint &kept : m_checkpoints)
        if (kept.state.inComment && kept.state.commentEnd > edit.start)
            kept.state.commentEnd += delta;
}

namespace {
// The first place where the comments found after an edit differ from those before it, the ones
// before moved as the edit moved their text; `size` when none differ.
qsizetype firstChangedComment(const std::vector<TextSpan> &before,
                              const std::vector<TextSpan> &after,
                              const TypedTextColouring::Edit &edit, qsizetype size)
{
    const qsizetype removedEnd = edit.start + edit.removedText.size();
    const qsizetype delta = edit.inserted - edit.removedText.size();
    auto moved = [&](TextSpan span) {
        if (span.start >= removedEnd)
            span.start += delta;
        else if (span.start + span.length > edit.start)
            span.length += delta;
        return span;
    };
    const std::size_t common = std::min(before.size(), after.size());
    for (std::size_t i = 0; i < common; ++i) {
        const TextSpan was = moved(before[i]);
        if (was != after[i])
            return std::min(was.start, after[i].start);
    }
    if (before.size() > common)
        return moved(before[common]).start;
    if (after.size() > common)
        return after[common].start;
    return size;
}
} // namespace

// Where the markers do not pair in turn, the comments are found anew, and the kept states beyond
// the first place where they changed are dropped: a state there may have been met inside a
// comment that is none any more, or outside one that is one now.
void TypedTextColouring::followComments(HtmlColorizer &colorizer, QStringView text,
                                        const Edit &edit)
{
    if (!m_pairsInTurn)
        return; // no "<!--" met yet: the kept states owe nothing to the comments
    if (*m_pairsInTurn) {
        colorizer.knowPairsInTurn(true);
        return;
    }
    std::vector<TextSpan> comments = findCommentSpans(text);
    const qsizetype changed = firstChangedComment(m_comments, comments, edit, text.size());
    while (!m_checkpoints.empty() && m_checkpoints.back().position > changed)
        m_checkpoints.pop_back();
    colorizer.knowCommentSpans(std::move(comments));
}

ColorState TypedTextColouring::stateAt(const HtmlColorizer &colorizer, qsizetype position,
                                       const ColorScheme &scheme)
{
    // The kept states beyond the position may not hold any more.
    while (!m_checkpoints.empty() && m_checkpoints.back().position > position)
        m_checkpoints.pop_back();
    qsizetype from = 0;
    ColorState state;
    if (!m_checkpoints.empty()) {
        from = m_checkpoints.back().position;
        state = m_checkpoints.back().state;
    }
    NullSink sink;
    for (qsizetype next = (from / Step + 1) * Step; next <= position; next += Step) {
        state = colorizer.colorRange(from, next, state, scheme, sink);
        m_checkpoints.push_back({next, state});
        from = next;
    }
    return colorizer.colorRange(from, position, state, scheme, sink);
}

ColorRuns TypedTextColouring::colourEdit(QStringView text, const Edit &edit,
                                         const ColorScheme &scheme)
{
    HtmlColorizer colorizer(text);
    const qsizetype oldSize = text.size() - edit.inserted + edit.removedText.size();
    if (oldSize != m_size || colorizer.hasTag() != m_hasTag || touchesCommentMarker(text, edit)) {
        forgetStates();
    } else {
        followEdit(edit);
        // The markers are where they were: whether they pair in turn need not be looked for.
        followComments(colorizer, text, edit);
    }
    m_size = text.size();
    m_hasTag = colorizer.hasTag();
    const qsizetype start = std::clamp<qsizetype>(edit.start, 0, text.size());
    const qsizetype end = std::min(text.size(), start + edit.inserted);
    const ColorState state = stateAt(colorizer, start, scheme);
    ColorRunCollector runs;
    if (end > start)
        colorizer.colorRange(start, end, state, scheme, runs);
    m_pairsInTurn = colorizer.pairsInTurn();
    m_comments = colorizer.commentSpans();
    return runs.take();
}

} // namespace editor
