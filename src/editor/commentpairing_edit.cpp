// An edit followed in place: the markers it made or broke, the spans it touched, the pairs whose
// text it changed, and the places chosen again in the window around it.

#include "editor/commentpairing.h"

#include <algorithm>

namespace editor {

namespace {

bool markerAt(QStringView text, qsizetype y, bool open)
{
    const char16_t *p = text.utf16() + y;
    if (open)
        return y + 4 <= text.size() && p[0] == u'<' && p[1] == u'!' && p[2] == u'-' && p[3] == u'-';
    return y + 3 <= text.size() && p[0] == u'-' && p[1] == u'-' && p[2] == u'>';
}

bool overlap(qsizetype start, qsizetype length, const TextSpan &span)
{
    return start < span.start + span.length && span.start < start + length;
}

} // namespace

bool CommentPairing::followMarkers(QStringView text, const Edit &edit, Change &change)
{
    const qsizetype e = edit.start;
    const qsizetype delta = edit.inserted - edit.removed;
    std::vector<qsizetype> &at = m_markers.at;
    std::vector<char> &opens = m_markers.opens;
    auto length = [&](std::size_t j) { return opens[j] ? 4 : 3; };
    // The markers the edit went through (or split) go; those its text makes come.
    std::size_t a0 = std::size_t(std::lower_bound(at.begin(), at.end(), e - 3) - at.begin());
    while (a0 < at.size() && at[a0] + length(a0) <= e)
        ++a0;
    const std::size_t a1 = std::size_t(
        std::lower_bound(at.begin() + qsizetype(a0), at.end(), e + edit.removed) - at.begin());
    std::vector<qsizetype> madeAt;
    std::vector<char> madeOpen;
    for (qsizetype y = std::max<qsizetype>(0, e - 3); y < e + edit.inserted; ++y) {
        if (y + 4 > e && markerAt(text, y, true)) {
            madeAt.push_back(y);
            madeOpen.push_back(1);
        } else if (y + 3 > e && markerAt(text, y, false)) {
            madeAt.push_back(y);
            madeOpen.push_back(0);
        }
    }
    change.touched = a0 != a1 || !madeAt.empty();
    if (change.touched) {
        // Pairs whose markers both stand before the edit keep them; from the first other one on,
        // the "<!--" pair with other "-->" than before. That is followed only where each pair
        // behind the edit keeps its "<!--" and gets the same "-->" or a later one: its span then
        // holds the one it had, and with it what showed it to take nothing.
        int moreOpens = 0;
        int moreCloses = 0;
        for (char open : madeOpen)
            ++(open ? moreOpens : moreCloses);
        for (std::size_t j = a0; j < a1; ++j)
            --(opens[j] ? moreOpens : moreCloses);
        const auto before = [&](const std::vector<int> &list) {
            return int(std::lower_bound(list.begin(), list.end(), int(a0)) - list.begin());
        };
        change.firstMoved = std::min(before(m_opens), before(m_closes));
        if (moreOpens < 0 || moreOpens < moreCloses || m_lastInvalid >= change.firstMoved ||
            (!m_free.empty() && m_free.rbegin()->first >= change.firstMoved))
            return false;
    }
    at.erase(at.begin() + qsizetype(a0), at.begin() + qsizetype(a1));
    opens.erase(opens.begin() + qsizetype(a0), opens.begin() + qsizetype(a1));
    at.insert(at.begin() + qsizetype(a0), madeAt.begin(), madeAt.end());
    opens.insert(opens.begin() + qsizetype(a0), madeOpen.begin(), madeOpen.end());
    for (std::size_t j = a0 + madeAt.size(); j < at.size(); ++j)
        at[j] += delta;
    if (change.touched)
        rebuildPairs();
    return true;
}

void CommentPairing::followSpans(const Edit &edit, Change &change)
{
    const qsizetype e = edit.start;
    const qsizetype editEnd = e + edit.removed;
    const qsizetype delta = edit.inserted - edit.removed;
    // The spans holding edited text go (text put in where a span starts or ends leaves it as it
    // was); those behind the edit move with their text.
    const std::size_t s0 = spanAfter(e);
    const qsizetype touchedBefore = edit.removed > 0 ? editEnd : e;
    std::size_t s1 = s0;
    while (s1 < m_spans.size() && m_spans[s1].start < touchedBefore)
        ++s1;
    for (std::size_t j = s0; j < s1; ++j) {
        // Gone: they count as differing from whatever the window now takes.
        change.before.push_back({std::min(m_spans[j].start, e), 0});
        if (--m_taken[m_owners[j]] == 0)
            m_taken.erase(m_owners[j]);
    }
    m_spans.erase(m_spans.begin() + qsizetype(s0), m_spans.begin() + qsizetype(s1));
    m_owners.erase(m_owners.begin() + qsizetype(s0), m_owners.begin() + qsizetype(s1));
    for (std::size_t j = s0; j < m_spans.size(); ++j)
        m_spans[j].start += delta;
    change.next = s0;
}

std::optional<qsizetype> CommentPairing::updateInPlace(QStringView text, const Edit &edit)
{
    Change change;
    if (!followMarkers(text, edit, change))
        return std::nullopt;
    followSpans(edit, change);
    const qsizetype size = text.size();
    // The window: from the taken span before the edit to the one after it.
    const std::size_t s0 = change.next;
    change.hasLeft = s0 > 0;
    change.hasRight = s0 < m_spans.size();
    change.from = change.hasLeft ? m_spans[s0 - 1].start : 0;
    change.to = change.hasRight ? m_spans[s0].start + m_spans[s0].length : size;
    const auto &at = m_markers.at;
    const qsizetype markers = std::lower_bound(at.begin(), at.end(), change.to) -
                              std::lower_bound(at.begin(), at.end(), change.from);
    if (change.to - change.from > WindowChars || markers > WindowMarkers)
        return std::nullopt;
    // The pairs whose text the edit changed: those that hold it, or all those it paired anew.
    const int pairs = pairCount();
    if (change.touched) {
        change.changedFrom = change.firstMoved;
        change.changedTo = pairs;
    } else {
        change.changedFrom = closesBefore(edit.start + edit.inserted);
        change.changedTo = std::min(opensBefore(edit.start), pairs);
    }
    // A free pair whose text changed goes from the dictionary; one that had taken places, which
    // may have shown other pairs to take nothing, is not followed. So every span kept is of a
    // pair whose text the edit left as it was.
    for (auto it = m_free.lower_bound(change.changedFrom);
         it != m_free.end() && it->first < change.changedTo; ++it)
        change.wasFree.push_back(it->first);
    for (int pair : change.wasFree) {
        if (m_taken.count(pair))
            return std::nullopt;
        removeFree(pair);
    }
    if (!classify(text, change))
        return std::nullopt;
    return chooseAgain(text, change);
}

// The changed pairs that hold the taken span before the window, or the one after it, take
// nothing; those between are looked at one by one, and those that take nothing by no such span
// become free: their texts must stand nowhere outside the window.
bool CommentPairing::classify(QStringView text, Change &change)
{
    const std::size_t s0 = change.next;
    const int lo = change.changedFrom;
    const int hi = std::min(change.changedTo, opensBefore(change.to));
    int g1 = lo;
    int g3 = hi;
    if (lo < hi && change.hasLeft) {
        const TextSpan &left = m_spans[s0 - 1];
        const int owner = m_owners[s0 - 1];
        const int holding = std::min(hi, opensBefore(left.start + 1));
        if (holding > lo && owner < lo && closeAt(lo) + 3 >= left.start + left.length)
            g1 = holding;
    }
    if (g1 < hi && change.hasRight) {
        const TextSpan &right = m_spans[s0];
        const int owner = m_owners[s0];
        const int holding = std::max(g1, closesBefore(right.start + right.length - 3));
        if (holding < hi && owner < holding && openAt(hi - 1) <= right.start)
            g3 = holding;
    }
    if (std::size_t(std::max(0, g3 - g1)) > SinglePairs)
        return false;
    for (int pair = g1; pair < g3; ++pair) {
        if (!valid(pair)) {
            m_lastInvalid = std::max(m_lastInvalid, pair);
            continue;
        }
        if (witnessed(pair))
            continue;
        addFree(text, pair);
        const qsizetype start = openAt(pair);
        const QStringView needle = text.sliced(start, closeAt(pair) + 3 - start);
        for (qsizetype p = text.indexOf(needle); p >= 0; p = text.indexOf(needle, p + 1))
            if (p < change.from || p + needle.size() > change.to)
                return false;
    }
    return true;
}

std::optional<qsizetype> CommentPairing::chooseAgain(QStringView text, Change &change)
{
    // The spans of the window are chosen again, from every place of a free text inside it, pair
    // after pair and from left to right.
    const std::size_t w0 = change.hasLeft ? change.next - 1 : change.next;
    const std::size_t w1 = change.hasRight ? change.next + 1 : change.next;
    std::vector<TextSpan> before(m_spans.begin() + qsizetype(w0), m_spans.begin() + qsizetype(w1));
    for (std::size_t j = w0; j < w1; ++j)
        if (--m_taken[m_owners[j]] == 0)
            m_taken.erase(m_owners[j]);
    m_spans.erase(m_spans.begin() + qsizetype(w0), m_spans.begin() + qsizetype(w1));
    m_owners.erase(m_owners.begin() + qsizetype(w0), m_owners.begin() + qsizetype(w1));
    qsizetype budget = ReadCharacters;
    std::vector<Candidate> places;
    if (!findCandidates(text, change.from, change.to, change.from, change.to, budget, places))
        return std::nullopt;
    std::sort(places.begin(), places.end(), [](const Candidate &a, const Candidate &b) {
        return a.pair != b.pair ? a.pair < b.pair : a.start < b.start;
    });
    std::vector<Candidate> chosen;
    for (const Candidate &place : places) {
        const bool lost = std::any_of(chosen.begin(), chosen.end(), [&](const Candidate &c) {
            return overlap(place.start, place.length, {c.start, c.length});
        });
        if (!lost)
            chosen.push_back(place);
    }
    std::sort(chosen.begin(), chosen.end(),
              [](const Candidate &a, const Candidate &b) { return a.start < b.start; });
    // No place across the window's ends may now be taken: each must lose to a place taken before
    // it, inside the window or outside.
    std::vector<Candidate> across;
    const qsizetype longest = m_lengths.empty() ? 0 : *m_lengths.rbegin();
    const qsizetype size = text.size();
    if (change.from > 0 && !findCandidates(text, change.from - longest, change.from, change.from,
                                           size, budget, across))
        return std::nullopt;
    if (change.to < size &&
        !findCandidates(text, change.to - longest, change.to, change.to, size, budget, across))
        return std::nullopt;
    for (const Candidate &place : across)
        if (!losesAt(place, chosen, w0))
            return std::nullopt;
    // Taken.
    std::vector<TextSpan> spans;
    std::vector<int> owners;
    for (const Candidate &c : chosen) {
        spans.push_back({c.start, c.length});
        owners.push_back(c.pair);
        ++m_taken[c.pair];
    }
    m_spans.insert(m_spans.begin() + qsizetype(w0), spans.begin(), spans.end());
    m_owners.insert(m_owners.begin() + qsizetype(w0), owners.begin(), owners.end());
    // Where the spans first differ from those before.
    std::vector<TextSpan> was;
    if (change.hasLeft)
        was.push_back(before.front());
    was.insert(was.end(), change.before.begin(), change.before.end());
    if (change.hasRight)
        was.push_back(before.back());
    return firstDifference(was, spans, size);
}

// Whether a place across the window's ends loses to a taken place that comes before it: of an
// earlier pair, or of its own further left.
bool CommentPairing::losesAt(const Candidate &place, const std::vector<Candidate> &chosen,
                             std::size_t next) const
{
    auto earlier = [&](int pair, qsizetype start) {
        return pair < place.pair || (pair == place.pair && start < place.start);
    };
    for (const Candidate &c : chosen)
        if (overlap(place.start, place.length, {c.start, c.length}) && earlier(c.pair, c.start))
            return true;
    std::size_t looked = 0;
    for (std::size_t j = next; j-- > 0 && looked < 4 * WitnessLooks; ++looked) {
        if (m_spans[j].start + m_spans[j].length <= place.start)
            break;
        if (earlier(m_owners[j], m_spans[j].start))
            return true;
    }
    looked = 0;
    for (std::size_t j = next; j < m_spans.size() && looked < 4 * WitnessLooks; ++j, ++looked) {
        if (m_spans[j].start >= place.start + place.length)
            break;
        if (earlier(m_owners[j], m_spans[j].start))
            return true;
    }
    return false;
}

} // namespace editor
