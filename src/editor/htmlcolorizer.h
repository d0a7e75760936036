#pragma once

#include "controls/colorrun.h"
#include "editor/colorscheme.h"
#include "editor/commentpairing.h"
#include "editor/commentspans.h"

#include <QStringView>

#include <optional>
#include <vector>

namespace editor {

// The lexical state between two characters of the source: everything the colouring of the rest of
// the text needs to know about the text before. A caller that recolours from a line on keeps the
// state in force at each line start and hands it back.
struct ColorState
{
    SyntaxRole role = SyntaxRole::Default; // colour in force for the next character
    bool inTag = false;                    // a "<" was seen after the last ">"
    bool oddQuotes = false;                // odd number of quotes since that "<"
    bool inComment = false;
    bool oddCommentQuotes = false; // odd number of quotes since the comment's "<!--"
    qsizetype commentEnd = -1;     // end (exclusive) of the open comment, after its "-->"
    friend bool operator==(const ColorState &, const ColorState &) = default;
};

// Colours HTML source held as plain text (CR LF line ends, positions in UTF-16 units, CR and LF one
// each). It never changes the text. The colours are:
// - a tag from its "<" on in Tag, the text after each ">" in Text;
// - inside a tag (a "<" after the last ">"), quotes alternate opening and closing, counted from the
//   tag's "<"; the quote characters keep the tag colour and only what lies between an opening and a
//   closing quote is in Value. A ">" inside a quoted value still ends the tag, so the quote after
//   it counts as text. Quotes outside tags and single quotes are not treated.
// - the comments are the spans of findCommentSpans(): the k-th "<!--" pairs with the k-th "-->".
//   A comment carries no switch at its markers: it shows in the colour in force before it, its
//   quotes alternate opening and closing from the comment's start, the text after an opening
//   quote is in CommentQuote and from a closing quote on in Text. Comments are invisible to the tag
//   and quote rules: their "<", ">" and quotes open, close and count nothing.
// - a "<!--" or "-->" outside every comment span is ordinary text: its "<" and ">" switch colours
//   like any other.
// - before the first switch the text is in Default.
// - a source that holds no "<" at all is plain text: all of it in Plain.
// `<a href="x">link</a>` gives Tag `<a href="`, Value `x`, Tag `">`, Text `link`, Tag `</a>`.
class HtmlColorizer
{
public:
    // `text` is the whole source; it must stay alive and unchanged while the colorizer is used.
    explicit HtmlColorizer(QStringView text);
    // The same, for a caller that knows whether the text holds a "<" (it may not read all of it).
    HtmlColorizer(QStringView text, bool hasTag);

    bool hasTag() const { return m_hasTag; }

    // Whether the comment markers of the text pair in turn (commentsPairInTurn): found out, with a
    // look through the whole text, when the colouring first meets a "<!--"; empty until then. A
    // caller that knows it already (an edit since made or broke no marker) tells it beforehand.
    std::optional<bool> pairsInTurn() const { return m_pairsInTurn; }
    void knowPairsInTurn(bool inTurn) { m_pairsInTurn = inTurn; }
    // Where the markers do not pair in turn, the comment spans (findCommentSpans), once found out
    // as above; empty otherwise. A caller that has them already hands them in beforehand; they
    // must outlive the colorizer.
    const std::vector<TextSpan> &commentSpans() const { return m_spans ? *m_spans : m_comments; }
    void knowCommentSpans(const std::vector<TextSpan> &spans);
    // Where the markers do not pair in turn, `pairing` pairs them (and keeps them paired for the
    // edits that follow); it must outlive the colorizer.
    void usePairing(CommentPairing *pairing) { m_pairing = pairing; }

    // Colours the whole text: the runs cover [0, size) in order, each non-empty, and neighbours
    // never share a role (they may share a colour only if the scheme gives two roles the same
    // colour).
    void colorAll(const ColorScheme &scheme, ColorSink &sink) const;

    // Colours [from, to) given the state in force at `from` (the default state at 0) and returns
    // the state at `to`. Colouring a text piece by piece, each piece from the state the previous
    // one returned, gives the same colours as one whole pass; the runs may be split at the piece
    // ends. Which "<!--" opens a comment depends on every "<!--" and "-->" of the text, so states
    // kept from an earlier text stay valid after an edit only when the edit adds or removes
    // neither (else recolour from the start).
    ColorState colorRange(qsizetype from, qsizetype to, ColorState state, const ColorScheme &scheme,
                          ColorSink &sink) const;

    // The runs of the whole text as a list (see ColorRun for its invariants; empty for an empty
    // text): the same colours as colorAll(), built without a sink. With `states`, the state in
    // force at every multiple of `step` inside the text is kept there too, in order.
    struct StateAt
    {
        qsizetype position;
        ColorState state;
    };
    ColorRuns runs(const ColorScheme &scheme, std::vector<StateAt> *states = nullptr,
                   qsizetype step = 0) const;
    // The same runs, held in chunks as a rich-text box keeps them.
    ColorRunList runList(const ColorScheme &scheme, std::vector<StateAt> *states = nullptr,
                         qsizetype step = 0) const;

private:
    template <typename Push>
    void emitRuns(const ColorScheme &scheme, std::vector<StateAt> *states, qsizetype step,
                  Push &&push) const;
    template <typename Emit>
    ColorState colorRangeWith(qsizetype from, qsizetype to, ColorState state, Emit &&report) const;
    SyntaxRole step(qsizetype i, ColorState &st, SyntaxRole &cur) const;
    // The colour of quoted passages within one comment: step() for a character inside a comment.
    SyntaxRole ColorSpan(qsizetype i, ColorState &st, SyntaxRole &cur) const;
    // End of the comment span that starts at i, or -1 when none does.
    qsizetype commentEndingAfter(qsizetype i) const;

    QStringView m_text;
    // Sorted out when the first "<!--" turns up: most sources, generated tables among them, hold
    // no comment and need not be searched for them. Where the markers pair in turn, each comment
    // is found as it is met; otherwise all spans are found at once.
    mutable bool m_commentsSorted = false;
    mutable std::optional<bool> m_pairsInTurn;
    mutable std::vector<TextSpan> m_comments;
    mutable const std::vector<TextSpan> *m_spans = nullptr; // held by a caller, when not null
    CommentPairing *m_pairing = nullptr;
    mutable std::size_t m_nextComment = 0;
    bool m_hasTag = false;
};

// The runs of the whole text as a list (see ColorRun for its invariants; empty for an empty text).
ColorRuns colorRuns(QStringView text, const ColorScheme &scheme);

// A sink that builds a run list, merging neighbours of the same colour.
class ColorRunCollector : public ColorSink
{
public:
    void run(qsizetype start, qsizetype length, quint32 color) override;
    const ColorRuns &runs() const { return m_runs; }
    ColorRuns take() { return std::move(m_runs); }

private:
    ColorRuns m_runs;
};

} // namespace editor
