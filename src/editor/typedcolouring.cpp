#include "editor/typedcolouring.h"

#include <QString>

#include <algorithm>

namespace editor {

namespace {
// Distance between two kept states: an edit is coloured after at most this many characters of
// lexing (well under a millisecond).
constexpr qsizetype Step = qsizetype(1) << 12;

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
    // The pass's pairing is kept where it was made here (preparePass); else it is made anew.
    if (m_pairsInTurn != false)
        m_pairing.clear();
    else if (&colorizer.commentSpans() != &m_pairing.spans())
        m_pairing.reset(text);
    // A whole pass meets every "<!--" outside a comment: it met none where it found no comment.
    m_commentOpens = m_pairsInTurn.has_value();
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
    m_pairing.clear();
    m_commentOpens.reset();
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

// The kept states before the edit hold as they are; those inside the removed text go; those behind
// it move with their text and hold again once the lexing of the edited text meets one of them in
// its old state (verifyBehind). A kept state inside a comment holds where the comment ends: a
// comment whose "-->" follows the edit (the edit touched no marker) now ends as much further on as
// the edit made the text longer. Returns the index of the first state behind the edit.
std::size_t TypedTextColouring::followEdit(const Edit &edit)
{
    const qsizetype removedEnd = edit.start + edit.removedText.size();
    const qsizetype delta = edit.inserted - edit.removedText.size();
    std::size_t kept = 0;
    std::size_t behind = m_checkpoints.size();
    for (std::size_t i = 0; i < m_checkpoints.size(); ++i) {
        Checkpoint point = m_checkpoints[i];
        if (point.position > edit.start && point.position < removedEnd)
            continue;
        if (point.state.inComment && point.state.commentEnd > edit.start)
            point.state.commentEnd += delta;
        if (point.position > edit.start) {
            point.position += delta;
            behind = std::min(behind, kept);
        }
        m_checkpoints[kept++] = point;
    }
    m_checkpoints.resize(kept);
    return std::min(behind, kept);
}

// Lexes on from `position`, where the edit ended in `state`, through the kept states behind the
// edit: the first one met in its old state shows that the edit changed nothing behind it, so that
// it and all those after it hold. Those met in another state take the new one; after a few of
// them the rest are dropped, to be met again when an edit needs them.
void TypedTextColouring::verifyBehind(const HtmlColorizer &colorizer, std::size_t behind,
                                      qsizetype position, ColorState state,
                                      const ColorScheme &scheme)
{
    constexpr int MostRelexed = 2;
    NullSink sink;
    int relexed = 0;
    for (std::size_t i = behind; i < m_checkpoints.size(); ++i) {
        Checkpoint &point = m_checkpoints[i];
        state = colorizer.colorRange(position, point.position, state, scheme, sink);
        position = point.position;
        if (state == point.state)
            return;
        point.state = state;
        if (++relexed == MostRelexed) {
            m_checkpoints.resize(i + 1);
            return;
        }
    }
}

// Where the markers do not pair in turn, the pairing follows the edit, and the kept states beyond
// the first place where the comments changed are dropped: a state there may have been met inside
// a comment that is none any more, or outside one that is one now.
void TypedTextColouring::followComments(HtmlColorizer &colorizer, QStringView text,
                                        const Edit &edit)
{
    if (!m_pairsInTurn)
        return; // no "<!--" met yet: the kept states owe nothing to the comments
    if (*m_pairsInTurn) {
        colorizer.knowPairsInTurn(true);
        return;
    }
    const qsizetype changed =
        m_pairing.update(text, {edit.start, edit.removedText.size(), edit.inserted});
    while (!m_checkpoints.empty() && m_checkpoints.back().position > changed)
        m_checkpoints.pop_back();
    colorizer.knowCommentSpans(m_pairing.spans());
}

ColorState TypedTextColouring::stateAt(const HtmlColorizer &colorizer, qsizetype position,
                                       const ColorScheme &scheme)
{
    // Lexed from the last kept state at or before the position; the states met on the way at
    // multiples of the step are kept too, in their place among those behind.
    auto after = std::upper_bound(
        m_checkpoints.begin(), m_checkpoints.end(), position,
        [](qsizetype p, const Checkpoint &point) { return p < point.position; });
    std::size_t next = std::size_t(after - m_checkpoints.begin());
    qsizetype from = 0;
    ColorState state;
    if (next > 0) {
        from = m_checkpoints[next - 1].position;
        state = m_checkpoints[next - 1].state;
    }
    NullSink sink;
    for (qsizetype at = (from / Step + 1) * Step; at <= position; at += Step) {
        state = colorizer.colorRange(from, at, state, scheme, sink);
        m_checkpoints.insert(m_checkpoints.begin() + qsizetype(next++), Checkpoint{at, state});
        from = at;
    }
    return colorizer.colorRange(from, position, state, scheme, sink);
}

std::optional<qsizetype> TypedTextColouring::localStart(const Edit &edit, qsizetype size) const
{
    const qsizetype oldSize = size - edit.inserted + edit.removedText.size();
    if (oldSize != m_size || edit.start < 0 || edit.start > size)
        return std::nullopt;
    // Comments that pair in turn end at the next "-->", found forward; a text with no "<!--" has
    // none. Otherwise pairing them needs the whole text.
    if (!(m_pairsInTurn == true || (!m_pairsInTurn && m_commentOpens == false)))
        return std::nullopt;
    // The states before the edit do not move: the lexing starts at the last one at or before it.
    auto after = std::upper_bound(
        m_checkpoints.begin(), m_checkpoints.end(), edit.start,
        [](qsizetype p, const Checkpoint &point) { return p < point.position; });
    const qsizetype state = after == m_checkpoints.begin() ? 0 : std::prev(after)->position;
    // The comment markers are looked for three units before the edit.
    return std::max<qsizetype>(0, std::min(state, edit.start - 3));
}

std::optional<bool> TypedTextColouring::hasTagAfter(QStringView text, qsizetype from,
                                                    const Edit &edit) const
{
    if (m_hasTag && !edit.removedText.contains(u'<'))
        return true;
    if (text.sliced(edit.start, edit.inserted).contains(u'<'))
        return true;
    if (!m_hasTag)
        return false;
    if (text.indexOf(u'<', from) >= 0)
        return true;
    return std::nullopt;
}

ColorRuns TypedTextColouring::colourEdit(qsizetype size, const TextFrom &textFrom,
                                         const Edit &edit, const ColorScheme &scheme)
{
    if (const std::optional<qsizetype> from = localStart(edit, size)) {
        const QStringView text = textFrom(*from);
        Q_ASSERT(text.size() == size);
        if (hasTagAfter(text, *from, edit) == m_hasTag && !touchesCommentMarker(text, edit)) {
            HtmlColorizer colorizer(text, m_hasTag);
            return colourWith(colorizer, text, edit, scheme, true);
        }
    }
    return colourEdit(textFrom(0), edit, scheme);
}

ColorRuns TypedTextColouring::colourEdit(QStringView text, const Edit &edit,
                                         const ColorScheme &scheme)
{
    HtmlColorizer colorizer(text);
    colorizer.usePairing(&m_pairing);
    const qsizetype oldSize = text.size() - edit.inserted + edit.removedText.size();
    // Where the markers do not pair in turn, the pairing follows an edit that makes or breaks a
    // marker as well, and tells from where the comments changed.
    const bool statesHold = oldSize == m_size && colorizer.hasTag() == m_hasTag
                            && (m_pairsInTurn == false || !touchesCommentMarker(text, edit));
    ColorRuns runs = colourWith(colorizer, text, edit, scheme, statesHold);
    // Found out once, so that the edits after this one need not read the whole text.
    if (!m_pairsInTurn && !m_commentOpens)
        m_commentOpens = text.contains(u"<!--");
    return runs;
}

ColorRuns TypedTextColouring::colourWith(HtmlColorizer &colorizer, QStringView text,
                                         const Edit &edit, const ColorScheme &scheme,
                                         bool statesHold)
{
    std::size_t behind = 0;
    if (!statesHold) {
        forgetStates();
    } else {
        behind = followEdit(edit);
        // The markers are where they were: whether they pair in turn need not be looked for.
        followComments(colorizer, text, edit);
        behind = std::min(behind, m_checkpoints.size());
    }
    m_size = text.size();
    m_hasTag = colorizer.hasTag();
    const qsizetype start = std::clamp<qsizetype>(edit.start, 0, text.size());
    const qsizetype end = std::min(text.size(), start + edit.inserted);
    const std::size_t before = m_checkpoints.size();
    ColorState state = stateAt(colorizer, start, scheme);
    behind += m_checkpoints.size() - before;
    ColorRunCollector runs;
    if (end > start)
        state = colorizer.colorRange(start, end, state, scheme, runs);
    verifyBehind(colorizer, behind, end, state, scheme);
    m_pairsInTurn = colorizer.pairsInTurn();
    if (m_pairsInTurn != false)
        m_pairing.clear();
    return runs.take();
}

} // namespace editor
