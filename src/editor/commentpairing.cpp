#include "editor/commentpairing.h"

#include <algorithm>

namespace editor {

namespace {

// A hash of a text that can be extended by a character at a time.
quint64 extended(quint64 hash, char16_t c)
{
    return (hash + c + 1) * 0xFF51AFD7ED558CCDull;
}

quint64 keyOf(quint64 hash, qsizetype length)
{
    return hash ^ (quint64(length) * 0xC4CEB9FE1A85EC53ull);
}

quint64 keyOf(QStringView text)
{
    quint64 hash = 0;
    for (QChar c : text)
        hash = extended(hash, c.unicode());
    return keyOf(hash, text.size());
}

} // namespace

void CommentPairing::reset(QStringView text)
{
    m_size = text.size();
    m_markers = findCommentMarkers(text);
    rebuildPairs();
    m_spans = pairCommentMarkers(text, m_markers, &m_owners);
    m_lastInvalid = -1;
    for (int k = 0; k < pairCount(); ++k)
        if (!valid(k))
            m_lastInvalid = k;
    m_taken.clear();
    for (int owner : m_owners)
        ++m_taken[owner];
    markFree(text);
}

void CommentPairing::rebuildPairs()
{
    m_opens.clear();
    m_closes.clear();
    for (int i = 0; i < m_markers.size(); ++i)
        (m_markers.opens[std::size_t(i)] ? m_opens : m_closes).push_back(i);
}

int CommentPairing::opensBefore(qsizetype position) const
{
    return int(
        std::partition_point(m_opens.begin(), m_opens.end(),
                             [&](int i) { return m_markers.at[std::size_t(i)] < position; }) -
        m_opens.begin());
}

int CommentPairing::closesBefore(qsizetype position) const
{
    return int(
        std::partition_point(m_closes.begin(), m_closes.end(),
                             [&](int i) { return m_markers.at[std::size_t(i)] < position; }) -
        m_closes.begin());
}

std::size_t CommentPairing::spanAfter(qsizetype position) const
{
    return std::size_t(
        std::partition_point(m_spans.begin(), m_spans.end(),
                             [&](const TextSpan &s) { return s.start + s.length <= position; }) -
        m_spans.begin());
}

void CommentPairing::addFree(QStringView text, int pair)
{
    const qsizetype start = openAt(pair);
    const qsizetype length = closeAt(pair) + 3 - start;
    const quint64 key = keyOf(text.sliced(start, length));
    m_free[pair] = {key, length};
    m_dictionary[key].insert(pair);
    m_lengths.insert(length);
}

void CommentPairing::removeFree(int pair)
{
    const auto it = m_free.find(pair);
    if (it == m_free.end())
        return;
    const auto [key, length] = it->second;
    auto entry = m_dictionary.find(key);
    entry->second.erase(pair);
    if (entry->second.empty())
        m_dictionary.erase(entry);
    m_lengths.erase(m_lengths.find(length));
    m_free.erase(it);
}

void CommentPairing::markFree(QStringView text)
{
    m_free.clear();
    m_dictionary.clear();
    m_lengths.clear();
    m_kept = true;
    // The free texts are read once; where they would take much longer to read than the text, the
    // pairing is not kept.
    qsizetype read = 0;
    std::size_t next = 0; // the first span at or after the pair's "<!--"
    for (int k = 0; k < pairCount(); ++k) {
        if (!valid(k))
            continue;
        const qsizetype open = openAt(k);
        const qsizetype end = closeAt(k) + 3;
        while (next < m_spans.size() && m_spans[next].start < open)
            ++next;
        if (witnessed(k, next))
            continue;
        read += end - open;
        if (read > 4 * text.size() + ReadCharacters) {
            m_kept = false;
            return;
        }
        addFree(text, k);
    }
}

bool CommentPairing::witnessed(int pair, std::optional<std::size_t> first) const
{
    const qsizetype open = openAt(pair);
    const qsizetype end = closeAt(pair) + 3;
    std::size_t j =
        first
            ? *first
            : std::size_t(std::partition_point(m_spans.begin(), m_spans.end(),
                                               [&](const TextSpan &s) { return s.start < open; }) -
                          m_spans.begin());
    for (std::size_t looked = 0; j < m_spans.size() && looked < WitnessLooks; ++j, ++looked) {
        if (m_spans[j].start + m_spans[j].length > end)
            return false;
        if (m_owners[j] < pair)
            return true;
    }
    return false;
}

qsizetype CommentPairing::firstDifference(const std::vector<TextSpan> &was,
                                          const std::vector<TextSpan> &now, qsizetype none)
{
    for (std::size_t i = 0; i < std::max(was.size(), now.size()); ++i) {
        if (i >= was.size())
            return now[i].start;
        if (i >= now.size())
            return was[i].start;
        if (was[i] != now[i])
            return std::min(was[i].start, now[i].start);
    }
    return none;
}

int CommentPairing::freePairOf(QStringView text, qsizetype start, qsizetype length,
                               quint64 key) const
{
    const auto entry = m_dictionary.find(key);
    if (entry == m_dictionary.end())
        return -1;
    const QStringView place = text.sliced(start, length);
    for (int pair : entry->second) {
        const qsizetype open = openAt(pair);
        if (closeAt(pair) + 3 - open == length && text.sliced(open, length) == place)
            return pair;
    }
    return -1;
}

bool CommentPairing::findCandidates(QStringView text, qsizetype from, qsizetype to, qsizetype past,
                                    qsizetype limit, qsizetype &budget,
                                    std::vector<Candidate> &out) const
{
    if (m_lengths.empty())
        return true;
    const qsizetype longest = *m_lengths.rbegin();
    const std::vector<qsizetype> &at = m_markers.at;
    std::size_t i = std::size_t(
        std::lower_bound(at.begin(), at.end(), std::max<qsizetype>(0, from)) - at.begin());
    for (; i < at.size() && at[i] < to; ++i) {
        if (!m_markers.opens[i])
            continue;
        const qsizetype start = at[i];
        const qsizetype reach = std::min({limit, start + longest, text.size()});
        quint64 hash = 0;
        qsizetype read = start;
        for (std::size_t j = i + 1; j < at.size() && at[j] + 3 <= reach; ++j) {
            const qsizetype end = at[j] + 3;
            if (m_markers.opens[j] || end <= past || at[j] < start + 2)
                continue;
            budget -= end - read;
            if (budget < 0)
                return false;
            for (; read < end; ++read)
                hash = extended(hash, text[read].unicode());
            const qsizetype length = end - start;
            const int pair = freePairOf(text, start, length, keyOf(hash, length));
            if (pair >= 0)
                out.push_back({pair, start, length});
        }
    }
    return true;
}

qsizetype CommentPairing::update(QStringView text, const Edit &edit)
{
    m_inPlace = false;
    if (m_size >= 0 && m_kept && m_size - edit.removed + edit.inserted == text.size()) {
        if (const std::optional<qsizetype> changed = updateInPlace(text, edit)) {
            m_size = text.size();
            m_inPlace = true;
            return *changed;
        }
    }
    // Made anew: the spans are compared with those before, moved as the edit moved their text.
    std::vector<TextSpan> before = std::move(m_spans);
    const bool known = m_size >= 0;
    reset(text);
    if (!known)
        return 0;
    const qsizetype delta = edit.inserted - edit.removed;
    const qsizetype editEnd = edit.start + edit.removed;
    for (TextSpan &was : before) {
        if (was.start >= editEnd)
            was.start += delta;
        else if (was.start + was.length > edit.start)
            was.length += delta;
        was.start = std::min(was.start, text.size());
    }
    return firstDifference(before, m_spans, text.size());
}

} // namespace editor
