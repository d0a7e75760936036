#include "editor/commentspans.h"

#include "editor/suffixarray.h"

#include <QSet>

#include <algorithm>
#include <cstring>
#include <utility>

namespace editor {

namespace {

CommentMarkers findMarkers(QStringView text)
{
    CommentMarkers markers;
    const char16_t *p = text.utf16();
    const qsizetype n = text.size();
    auto dashesAt = [&](qsizetype h) {
        if (h >= 2 && p[h - 2] == u'<' && p[h - 1] == u'!') {
            markers.at.push_back(h - 2);
            markers.opens.push_back(1);
        }
        if (h + 2 < n && p[h + 2] == u'>') {
            markers.at.push_back(h);
            markers.opens.push_back(0);
        }
    };
    // Both markers hold a "--", and one of its two dashes stands at an even place: only those
    // places are looked at. Each "--" is found once, from its even dash, and in text order.
    for (qsizetype i = 0; i < n; i += 2) {
        if (p[i] != u'-')
            continue;
        if (i > 0 && p[i - 1] == u'-')
            dashesAt(i - 1);
        if (i + 1 < n && p[i + 1] == u'-')
            dashesAt(i);
    }
    return markers;
}

// The indices in [0, n) not yet removed, each found from any index before it in near-constant
// time (removed indices point on to the next one, paths shortened as they are walked).
class Survivors
{
public:
    explicit Survivors(int n) : m_next(std::size_t(n) + 1)
    {
        for (int i = 0; i <= n; ++i)
            m_next[i] = i;
    }
    // The first index at or after i still there, or n.
    int find(int i)
    {
        int root = i;
        while (m_next[root] != root)
            root = m_next[root];
        while (m_next[i] != root)
            i = std::exchange(m_next[i], root);
        return root;
    }
    void remove(int i) { m_next[i] = i + 1; }

private:
    std::vector<int> m_next;
};

// Where the places taken out so far start, counted over ranges (a binary indexed tree).
class TakenStarts
{
public:
    explicit TakenStarts(int n) : m_counts(std::size_t(n) + 1, 0) {}
    void add(int i)
    {
        for (++i; i < int(m_counts.size()); i += i & -i)
            ++m_counts[i];
    }
    // Whether a place taken out starts in [from, to].
    bool anyIn(int from, int to) const { return countBefore(to + 1) > countBefore(from); }

private:
    int countBefore(int i) const
    {
        int sum = 0;
        for (; i > 0; i -= i & -i)
            sum += m_counts[i];
        return sum;
    }
    std::vector<int> m_counts;
};

// Puts marker indices, each less than `count` and none twice, in order: by marking them in a
// table where they lie close together, else by sorting.
void putInOrder(std::vector<int> &places, std::vector<char> &marks)
{
    const auto [least, most] = std::minmax_element(places.begin(), places.end());
    const int from = *least;
    const int to = *most;
    if (std::size_t(to - from) > places.size() * 16) {
        std::sort(places.begin(), places.end());
        return;
    }
    for (int at : places)
        marks[at] = 1;
    places.clear();
    for (int at = from; at <= to; ++at) {
        if (marks[at]) {
            marks[at] = 0;
            places.push_back(at);
        }
    }
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

// Gives each distinct piece of a text a number from 1 on: a hash of its characters picks the slot,
// the characters themselves decide.
class PieceNumbers
{
public:
    // Most texts repeat a few pieces many times: the table starts small and grows.
    explicit PieceNumbers(QStringView text) : m_text(text.utf16()), m_slots(256) {}
    int numberOf(qsizetype from, qsizetype length)
    {
        const quint64 hash = hashOf(m_text + from, length);
        const std::size_t mask = m_slots.size() - 1;
        for (std::size_t i = std::size_t(hash) & mask;; i = (i + 1) & mask) {
            Slot &slot = m_slots[i];
            if (slot.number == 0) {
                slot = {hash, from, length, ++m_count};
                if (std::size_t(m_count) * 2 > m_slots.size())
                    grow();
                return m_count;
            }
            if (slot.hash == hash && slot.length == length &&
                std::memcmp(m_text + from, m_text + slot.from, std::size_t(length) * 2) == 0)
                return slot.number;
        }
    }
    int count() const { return m_count; }

private:
    struct Slot
    {
        quint64 hash = 0;
        qsizetype from = 0;
        qsizetype length = 0;
        int number = 0;
    };
    static quint64 hashOf(const char16_t *p, qsizetype length)
    {
        quint64 h = quint64(length) * 0x9E3779B97F4A7C15ull;
        qsizetype i = 0;
        for (; i + 4 <= length; i += 4) {
            quint64 word;
            std::memcpy(&word, p + i, sizeof word);
            h = (h ^ word) * 0xFF51AFD7ED558CCDull;
            h ^= h >> 29;
        }
        for (; i < length; ++i)
            h = (h ^ p[i]) * 0xC4CEB9FE1A85EC53ull;
        return h ^ (h >> 32);
    }
    void grow()
    {
        std::vector<Slot> old = std::exchange(m_slots, std::vector<Slot>(m_slots.size() * 2));
        const std::size_t mask = m_slots.size() - 1;
        for (const Slot &slot : old) {
            if (slot.number == 0)
                continue;
            std::size_t i = std::size_t(slot.hash) & mask;
            while (m_slots[i].number != 0)
                i = (i + 1) & mask;
            m_slots[i] = slot;
        }
    }
    const char16_t *m_text;
    std::vector<Slot> m_slots;
    int m_count = 0;
};

// The markers as a sequence of symbols for the suffix sorting: each marker's text up to the next
// marker, with the next marker's first character (its kind), numbered from 1; the last marker
// gets a number of its own, as nothing follows it, and 0 ends the sequence. `alphabet` is set to
// one more than the largest number.
std::vector<int> symbolsOf(QStringView text, const CommentMarkers &markers, int &alphabet)
{
    const int count = markers.size();
    std::vector<int> symbols(std::size_t(count) + 1, 0);
    PieceNumbers numbers(text);
    for (int i = 0; i + 1 < count; ++i)
        symbols[i] = numbers.numberOf(markers.at[i], markers.at[i + 1] + 1 - markers.at[i]);
    symbols[std::size_t(count - 1)] = numbers.count() + 1;
    alphabet = numbers.count() + 2;
    return symbols;
}

// The pairing when the markers do not come in turn. Every place the text of pair k stands again
// starts at a "<!--" and holds the same markers at the same distances, so the text is read as the
// sequence of its markers, each with the text up to the next marker and that marker's kind as one
// symbol: the places of pair k's text are then the places of its sequence of symbols, which sit
// side by side in the sorted suffixes of the whole sequence. A marker taken out is dropped from
// the suffixes, so each pair looks only at places still in the text.
std::vector<TextSpan> pairOutOfTurn(QStringView text, const CommentMarkers &markers,
                                    std::vector<int> *owners)
{
    std::vector<int> opens, closes;
    for (int i = 0; i < markers.size(); ++i)
        (markers.opens[i] ? opens : closes).push_back(i);
    const std::size_t pairs = std::min(opens.size(), closes.size());
    if (pairs == 0)
        return {};

    const int count = markers.size();
    int alphabet = 0;
    const std::vector<int> symbols = symbolsOf(text, markers, alphabet);
    const SuffixArray suffixes(symbols, alphabet);

    Survivors untaken(suffixes.size());
    TakenStarts taken(count);
    std::vector<char> marks(std::size_t(count), 0);
    QSet<quint64> done; // the texts already taken out, as (first rank, length)
    std::vector<std::pair<TextSpan, int>> found; // each with the pair that took it
    std::vector<int> places;
    // A place needs an untaken "<!--" and as many untaken markers as it holds: once most of the
    // text is taken out, the many pairs left need no look at the suffixes.
    int untakenOpens = int(opens.size());
    int untakenMarkers = count;
    for (std::size_t k = 0; k < pairs && untakenOpens > 0; ++k) {
        const int first = opens[k];
        const int length = closes[k] - first; // symbols before the "-->"
        if (length < 0 || length >= untakenMarkers)
            continue; // a "-->" before its "<!--" (no comment), or no room left
        const auto [low, high] = suffixes.sharingPrefix(suffixes.rankOf(first), length);
        if (untaken.find(low) > high)
            continue;
        const quint64 key = (quint64(low) << 32) | quint64(length);
        if (done.contains(key))
            continue;
        done.insert(key);
        places.clear();
        for (int r = untaken.find(low); r <= high; r = untaken.find(r + 1))
            places.push_back(suffixes.suffixAt(r));
        putInOrder(places, marks);
        int end = -1; // the last marker of the place taken out last
        for (int at : places) {
            // A place taken out before that overlaps this one starts inside it, as this one's
            // start is still in the text.
            if (at <= end || taken.anyIn(at + 1, at + length))
                continue;
            end = at + length;
            found.push_back({{markers.at[at], markers.at[end] + 3 - markers.at[at]}, int(k)});
            taken.add(at);
            untakenMarkers -= length + 1;
            for (int i = at; i <= end; ++i) {
                untakenOpens -= markers.opens[i];
                untaken.remove(suffixes.rankOf(i));
            }
        }
    }
    std::sort(found.begin(), found.end(),
              [](const auto &a, const auto &b) { return a.first.start < b.first.start; });
    std::vector<TextSpan> spans;
    spans.reserve(found.size());
    for (const auto &[span, pair] : found) {
        spans.push_back(span);
        if (owners)
            owners->push_back(pair);
    }
    return spans;
}

} // namespace

std::vector<TextSpan> findCommentSpans(QStringView text)
{
    std::vector<TextSpan> spans;
    if (walkPairsInTurn(text, [&](qsizetype from, qsizetype to) { spans.push_back({from, to - from}); }))
        return spans;
    return pairOutOfTurn(text, findMarkers(text), nullptr);
}

std::vector<TextSpan> findCommentSpansOutOfTurn(QStringView text)
{
    return pairOutOfTurn(text, findMarkers(text), nullptr);
}

CommentMarkers findCommentMarkers(QStringView text)
{
    return findMarkers(text);
}

std::vector<TextSpan> pairCommentMarkers(QStringView text, const CommentMarkers &markers,
                                         std::vector<int> *pairs)
{
    if (pairs)
        pairs->clear();
    return pairOutOfTurn(text, markers, pairs);
}

} // namespace editor

namespace editor {

bool commentsPairInTurn(QStringView text)
{
    return walkPairsInTurn(text, [](qsizetype, qsizetype) {});
}

} // namespace editor
