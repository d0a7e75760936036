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
                                    const std::vector<HtmlColorizer::StateAt> &states)
{
    m_checkpoints.clear();
    m_checkpoints.reserve(states.size());
    for (const HtmlColorizer::StateAt &at : states)
        m_checkpoints.push_back({at.position, at.state});
    m_size = text.size();
    m_hasTag = text.contains(u'<');
    m_pairsInTurn.reset();
}

void TypedTextColouring::reset()
{
    m_checkpoints.clear();
    m_size = -1;
    m_pairsInTurn.reset();
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
    if (edit.removedText.isEmpty())
        return false;
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
        m_checkpoints.clear();
        m_pairsInTurn.reset();
    } else {
        followEdit(edit);
    }
    // The markers are where they were: the colouring need not look through the text for them.
    if (m_pairsInTurn)
        colorizer.knowPairsInTurn(*m_pairsInTurn);
    m_size = text.size();
    m_hasTag = colorizer.hasTag();
    const qsizetype start = std::clamp<qsizetype>(edit.start, 0, text.size());
    const qsizetype end = std::min(text.size(), start + edit.inserted);
    const ColorState state = stateAt(colorizer, start, scheme);
    m_pairsInTurn = colorizer.pairsInTurn();
    if (end <= start)
        return {};
    ColorRunCollector runs;
    colorizer.colorRange(start, end, state, scheme, runs);
    m_pairsInTurn = colorizer.pairsInTurn();
    return runs.take();
}

} // namespace editor
