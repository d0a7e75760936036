#pragma once

#include "editor/scriptelements.h"

#include <QStringView>

#include <vector>

namespace editor {

// The comments of an HTML source as the colouring treats them.
//
// Markers pair by order, without nesting: the k-th "<!--" of the text with the k-th "-->" (each
// searched from one character after the previous hit). Pair k is a comment when its "-->" starts
// at least two characters after its "<!--" ("<!-->" is a comment); a "-->" lying before its
// "<!--", and the markers left over when the counts differ, make no comment.
//
// The comments are then taken out of the text one pair after the other, in pair order, each as
// text: every occurrence of the comment's whole text that is still in the text (found left to
// right, not overlapping one another nor anything taken out before) is a comment span. So a text
// that repeats a comment elsewhere has that place taken out too, and a pair whose text was cut
// into by an earlier comment is no longer found.
//
// The spans come back in text order; they never overlap, each starts with "<!--" and ends with
// "-->". A text without "<!--" has none. Where the markers pair in turn (below) it is one pass over
// the text; otherwise each pair looks only at the places where its text stands and that are still
// in the text, found through the sorted suffixes of the sequence of markers, so that lines which
// repeat one comment cost about as much as lines of comments in turn.
std::vector<TextSpan> findCommentSpans(QStringView text);

// The same spans for a text whose markers are known not to pair in turn (commentsPairInTurn gave
// false): the look through the text for markers in turn, which would only find that again, is
// left out.
std::vector<TextSpan> findCommentSpansOutOfTurn(QStringView text);

// The "<!--" and "-->" of a text in text order (each searched from one character after the
// previous hit, so "<!-->" holds both): where each starts, and whether it is a "<!--".
struct CommentMarkers
{
    std::vector<qsizetype> at;
    std::vector<char> opens;
    int size() const { return int(at.size()); }
};
CommentMarkers findCommentMarkers(QStringView text);

// The spans of findCommentSpansOutOfTurn for the given markers of `text`, and in `pairs` the pair
// that took each (k for the k-th "<!--" with the k-th "-->").
std::vector<TextSpan> pairCommentMarkers(QStringView text, const CommentMarkers &markers,
                                         std::vector<int> *pairs);

// True in the usual case, where the markers come in turn: each "<!--" is followed by a "-->"
// before the next "<!--", no "-->" stands before a "<!--" other than its own, and at most the
// last "<!--" has no "-->" after it. The comments are then simply each "<!--" that has a "-->"
// after it, through the first such "-->" (which may share its "--": "<!-->"). One pass, nothing
// allocated.
bool commentsPairInTurn(QStringView text);

} // namespace editor
