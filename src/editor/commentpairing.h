#pragma once

#include "editor/commentspans.h"

#include <QStringView>

#include <map>
#include <optional>
#include <set>
#include <unordered_map>
#include <vector>

namespace editor {

// The comment spans of a text whose markers do not pair in turn (findCommentSpansOutOfTurn), kept
// up to date through the edits of the text, so that a key typed into a long source does not pair
// every marker of it again.
//
// The spans are the outcome of a greedy choice: pair after pair, and from left to right within a
// pair, each place where the pair's text stands is taken unless it overlaps a place taken before.
// So a place is taken exactly when no place taken before it (of an earlier pair, or further left
// of the same pair) overlaps it. Two facts keep an edit's reach short:
// - A pair whose span holds a span taken by an earlier pair takes nothing, anywhere: each place
//   of its text holds a place of that earlier pair's text, which was taken or lost to an
//   overlapping place taken before; either way that taken place overlaps it too. Only the other
//   pairs, the "free" ones, are looked for; their texts are kept in a dictionary.
// - An edit changes which free texts stand where only at the places that hold edited text. The
//   places between the nearest taken spans around the edit (the window) are chosen again; where
//   no place that crosses the window's ends would now be taken, nothing outside it changes.
// An edit that this does not settle (it makes or breaks a marker so that the pairs behind it
// shrink or move, it changes the text of a free pair that may stand far away, or the window grows
// too wide) pairs the markers anew, whole.
class CommentPairing
{
public:
    struct Edit
    {
        qsizetype start = 0;
        qsizetype removed = 0;
        qsizetype inserted = 0;
    };

    // Pairs the markers of `text` anew.
    void reset(QStringView text);
    // After an edit of the text the pairing was made for; `text` is the text after it. Returns
    // where the spans may first differ from those before the edit (the text's size when they do
    // not differ). Pairs anew when the edit cannot be followed in place.
    qsizetype update(QStringView text, const Edit &edit);
    // Forgets the pairing: the next update pairs anew.
    void clear() { m_size = -1; }
    // Whether the pairing is for a text of this size.
    bool isFor(qsizetype size) const { return m_size == size; }
    // Whether the last update followed the edit in place.
    bool lastInPlace() const { return m_inPlace; }

    // In text order; the same as findCommentSpansOutOfTurn(text).
    const std::vector<TextSpan> &spans() const { return m_spans; }

private:
    // How far an edit is followed in place: the window's characters and markers, the pairs
    // looked at one by one, the characters read for the places of free texts, the spans looked
    // at for one that shows a pair to take nothing.
    static constexpr qsizetype WindowChars = qsizetype(1) << 16;
    static constexpr qsizetype WindowMarkers = 512;
    static constexpr std::size_t SinglePairs = 64;
    static constexpr qsizetype ReadCharacters = qsizetype(1) << 18;
    static constexpr std::size_t WitnessLooks = 8;

    struct Candidate
    {
        int pair;
        qsizetype start;
        qsizetype length;
    };
    // What an edit followed in place changes, found step by step.
    struct Change
    {
        bool touched = false;         // it made or broke a marker
        int firstMoved = 0;           // then: the first pair paired anew
        std::vector<TextSpan> before; // the spans it went through (moved with the edit)
        std::size_t next = 0;         // the first span behind it
        bool hasLeft = false;         // a taken span before it, one after it
        bool hasRight = false;
        qsizetype from = 0; // the window [from, to)
        qsizetype to = 0;
        int changedFrom = 0; // the pairs whose text changed
        int changedTo = 0;
        std::vector<int> wasFree; // those of them that were free, in order
    };

    qsizetype openAt(int pair) const
    {
        return m_markers.at[std::size_t(m_opens[std::size_t(pair)])];
    }
    qsizetype closeAt(int pair) const
    {
        return m_markers.at[std::size_t(m_closes[std::size_t(pair)])];
    }
    int pairCount() const { return int(std::min(m_opens.size(), m_closes.size())); }
    bool valid(int pair) const { return closeAt(pair) >= openAt(pair) + 2; }
    // The pairs whose "<!--" / "-->" stands before `position`.
    int opensBefore(qsizetype position) const;
    int closesBefore(qsizetype position) const;
    // The first span that ends after `position`.
    std::size_t spanAfter(qsizetype position) const;
    void rebuildPairs();

    void markFree(QStringView text);
    void addFree(QStringView text, int pair);
    void removeFree(int pair);
    // Whether a span taken by an earlier pair lies inside the pair's span; `first`, when given, is
    // the first span at or after the pair's "<!--".
    bool witnessed(int pair, std::optional<std::size_t> first = std::nullopt) const;
    // Where two lists of spans first differ (`none` when they do not).
    static qsizetype firstDifference(const std::vector<TextSpan> &was,
                                     const std::vector<TextSpan> &now, qsizetype none);
    // The smallest free pair whose text is text[start, start + length), or -1.
    int freePairOf(QStringView text, qsizetype start, qsizetype length, quint64 key) const;
    // Every place of a free text from a "<!--" in [from, to) that ends after `past` and at most
    // at `limit`; false when that would read more than `budget` characters.
    bool findCandidates(QStringView text, qsizetype from, qsizetype to, qsizetype past,
                        qsizetype limit, qsizetype &budget, std::vector<Candidate> &out) const;

    std::optional<qsizetype> updateInPlace(QStringView text, const Edit &edit);
    bool followMarkers(QStringView text, const Edit &edit, Change &change);
    void followSpans(const Edit &edit, Change &change);
    bool classify(QStringView text, Change &change);
    std::optional<qsizetype> chooseAgain(QStringView text, Change &change);
    bool losesAt(const Candidate &place, const std::vector<Candidate> &chosen,
                 std::size_t next) const;

    qsizetype m_size = -1;
    bool m_inPlace = false;
    // The markers, and the marker indices of the "<!--" and of the "-->" (pair k: the k-th of
    // each); the last pair whose "-->" stands before its "<!--".
    CommentMarkers m_markers;
    std::vector<int> m_opens;
    std::vector<int> m_closes;
    int m_lastInvalid = -1;
    // The taken spans in text order, the pair that took each, and how many each pair took.
    std::vector<TextSpan> m_spans;
    std::vector<int> m_owners;
    std::unordered_map<int, int> m_taken;
    // The free pairs with the key and length of their texts; the dictionary from key to pairs; the
    // lengths of the free texts.
    std::map<int, std::pair<quint64, qsizetype>> m_free;
    std::unordered_map<quint64, std::set<int>> m_dictionary;
    std::multiset<qsizetype> m_lengths;
    // False when the free texts were too many to keep: every edit pairs anew.
    bool m_kept = false;
};

} // namespace editor
