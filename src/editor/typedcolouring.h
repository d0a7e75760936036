#pragma once

#include "controls/colorrun.h"
#include "editor/colorscheme.h"
#include "editor/htmlcolorizer.h"

#include <QStringView>
#include <functional>
#include <optional>
#include <vector>

namespace editor {

// Colours the text that an edit puts into the source: each inserted character takes the colour a
// whole colouring pass over the edited text gives it (a rich-text box would otherwise give it the
// colour of the character before it: text typed after a tag's ">" would show in the tag colour).
// Only the inserted text is coloured; what follows it keeps its colours until the next whole pass.
//
// The lexical states met at fixed steps of the text are kept from one edit to the next, so that an
// edit is coloured from the nearest state before it rather than from the start of the text. They
// stay valid across an edit as long as the text before the edit is unchanged and no comment marker
// ("<!--", "-->") was made or broken by it (the end a state inside a comment holds moves with the
// edit); otherwise the next edit starts again from the start. The states behind an edit move with
// their text and hold again from the first one that the lexing on from the edit meets in the state
// it had, so that an edit far behind an earlier one finds its state near it. Where the markers do
// not pair in turn, which texts are comments can change anywhere with any edit (a place that
// repeats a comment's text is a comment only while both texts stay the same): the pairing is
// kept up to date through each edit, markers made or broken included (CommentPairing), and the
// states hold only up to the first place where the comments differ from those before.
class TypedTextColouring
{
public:
    // The edit, as the box reports it: at `start`, `removedText` became `inserted` characters.
    struct Edit
    {
        qsizetype start = 0;
        qsizetype inserted = 0;
        QStringView removedText;
    };

    // The runs of [edit.start, edit.start + edit.inserted) of `text`, the whole text after the
    // edit; the first run starts at edit.start. Empty when nothing was inserted.
    ColorRuns colourEdit(QStringView text, const Edit &edit, const ColorScheme &scheme);
    // The same for a text `size` units long that is read through `textFrom(from)`: a view as long
    // as the text in which the units from `from` on are the text's (those before are not). The
    // edit is lexed from the nearest kept state before it, and only the text from there on is read
    // where nothing before it can change the colours; otherwise the text is asked for from 0.
    using TextFrom = std::function<QStringView(qsizetype from)>;
    ColorRuns colourEdit(qsizetype size, const TextFrom &textFrom, const Edit &edit,
                         const ColorScheme &scheme);

    // Forgets the kept states (the text was replaced as a whole).
    void reset();

    // Readies a whole colouring pass whose states are to be kept: where the markers do not pair
    // in turn, the pairing it makes is kept here and followed through the edits after it.
    void preparePass(HtmlColorizer &colorizer) { colorizer.usePairing(&m_pairing); }

    // Takes the states a whole colouring pass over `text` met at every multiple of stateStep()
    // (HtmlColorizer::runs), with what `colorizer`, which made the pass, found out about the
    // comments, so that the first edit after it needs no lexing from the start.
    void keepStates(QStringView text, const std::vector<HtmlColorizer::StateAt> &states,
                    const HtmlColorizer &colorizer);
    static qsizetype stateStep();

private:
    struct Checkpoint
    {
        qsizetype position;
        ColorState state;
    };
    static bool touchesCommentMarker(QStringView text, const Edit &edit);
    // Where a colouring that keeps the states would start reading; empty when it may need the
    // text from its start (states not kept, comments that do not pair in turn, or a "<!--" that
    // may be met before it is known how the comments pair).
    std::optional<qsizetype> localStart(const Edit &edit, qsizetype size) const;
    // Whether the text holds a "<" after the edit, read from `from` on; empty when that reading
    // cannot tell.
    std::optional<bool> hasTagAfter(QStringView text, qsizetype from, const Edit &edit) const;
    ColorRuns colourWith(HtmlColorizer &colorizer, QStringView text, const Edit &edit,
                         const ColorScheme &scheme, bool statesHold);
    void forgetStates();
    std::size_t followEdit(const Edit &edit);
    void verifyBehind(const HtmlColorizer &colorizer, std::size_t behind, qsizetype position,
                      ColorState state, const ColorScheme &scheme);
    void followComments(HtmlColorizer &colorizer, QStringView text, const Edit &edit);
    ColorState stateAt(const HtmlColorizer &colorizer, qsizetype position,
                       const ColorScheme &scheme);

    // States met at multiples of the step (moved since by the edits behind them), in order.
    std::vector<Checkpoint> m_checkpoints;
    // The size of the text the states were kept for, and whether it held a "<".
    qsizetype m_size = -1;
    bool m_hasTag = false;
    // Whether the text's comment markers pair in turn, once a colouring found out; it holds as long
    // as the kept states do. Where they do not, the comments the states were met with.
    std::optional<bool> m_pairsInTurn;
    CommentPairing m_pairing;
    // Whether the text holds a "<!--" at all, where that is known and m_pairsInTurn is empty.
    std::optional<bool> m_commentOpens;
};

} // namespace editor
