#pragma once

#include <QtGlobal>

#include <algorithm>
#include <vector>

// A value that takes no room, for a list of bare positions.
struct NoValue
{
    friend bool operator==(NoValue, NoValue) = default;
};

// A sorted list of positions in a text, each with a value: the line starts and the colour runs of
// a rich-text box. The items are held in chunks of about ChunkSize, the positions of a chunk
// relative to its first one, so that moving every position behind an edit costs one addition per
// chunk. A splice costs the items of the chunks it touches plus one pass over the chunk table:
// for a list of n items about ChunkSize + n / ChunkSize steps, whatever the place of the edit.
//
// Positions are non-negative and ascending (equal neighbours are allowed); the positions inside
// one chunk lie less than 2^32 apart.
template <typename Value, int ChunkSize = 1024> class PositionList
{
public:
    struct Item
    {
        qsizetype position = 0;
        Value value{};
        friend bool operator==(const Item &, const Item &) = default;
    };

    qsizetype size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    void clear()
    {
        m_chunks.clear();
        m_size = 0;
    }

    // Appends an item at or behind the last one.
    void push_back(const Item &item)
    {
        if (m_chunks.empty() || m_chunks.back().entries.size() >= std::size_t(ChunkSize)) {
            m_chunks.push_back({item.position, m_size, {}});
            m_chunks.back().entries.reserve(ChunkSize);
        }
        Chunk &chunk = m_chunks.back();
        chunk.entries.push_back({quint32(item.position - chunk.base), item.value});
        ++m_size;
    }

    Item at(qsizetype index) const
    {
        const Chunk &chunk = m_chunks[chunkOf(index)];
        const Entry &entry = chunk.entries[std::size_t(index - chunk.first)];
        return {chunk.base + qsizetype(entry.offset), entry.value};
    }
    qsizetype position(qsizetype index) const { return at(index).position; }

    // The index of the first item whose position is greater than `p`, or size().
    qsizetype upperBound(qsizetype p) const { return bound(p, true); }
    // The index of the first item whose position is not less than `p`, or size().
    qsizetype lowerBound(qsizetype p) const { return bound(p, false); }

    // Calls f(item) for the items [first, last) in order, as long as it returns true.
    template <typename F> void forEach(qsizetype first, qsizetype last, F &&f) const
    {
        first = std::clamp<qsizetype>(first, 0, m_size);
        last = std::clamp<qsizetype>(last, first, m_size);
        if (first == last)
            return;
        for (std::size_t c = chunkOf(first); c < m_chunks.size(); ++c) {
            const Chunk &chunk = m_chunks[c];
            const qsizetype end = std::min(last - chunk.first, chunk.size());
            for (qsizetype i = std::max<qsizetype>(0, first - chunk.first); i < end; ++i) {
                const Entry &entry = chunk.entries[std::size_t(i)];
                if (!f(Item{chunk.base + qsizetype(entry.offset), entry.value}))
                    return;
            }
            if (end < chunk.size())
                return;
        }
    }

    // Items [first, last), in order.
    std::vector<Item> items(qsizetype first, qsizetype last) const
    {
        std::vector<Item> out;
        forEach(first, last, [&](const Item &item) {
            out.push_back(item);
            return true;
        });
        return out;
    }
    std::vector<Item> all() const { return items(0, m_size); }

    // Replaces the items [first, last) with `with` and moves every item behind them by `delta`.
    // `with` is sorted and lies between the items before `first` and the moved ones behind `last`.
    void splice(qsizetype first, qsizetype last, const std::vector<Item> &with, qsizetype delta)
    {
        first = std::clamp<qsizetype>(first, 0, m_size);
        last = std::clamp<qsizetype>(last, first, m_size);
        if (m_chunks.empty()) {
            for (const Item &item : with)
                push_back(item);
            return;
        }
        // The chunks that hold the items replaced, and the one that holds the first item behind
        // them (or the last chunk): rebuilt from their items, the new ones and the moved ones.
        const std::size_t from = chunkOf(std::min(first, m_size - 1));
        std::size_t to = chunkOf(std::min(last, m_size - 1));
        std::vector<Item> rebuilt;
        rebuilt.reserve(std::size_t(ChunkSize) * (to - from + 1) + with.size());
        appendItems(rebuilt, from, m_chunks[from].first, first, 0);
        rebuilt.insert(rebuilt.end(), with.begin(), with.end());
        const Chunk &lastChunk = m_chunks[to];
        appendItems(rebuilt, to, last, lastChunk.first + qsizetype(lastChunk.entries.size()),
                    delta);
        // A chunk left small takes in its neighbour, so that deletions leave no crumbs.
        while (rebuilt.size() < std::size_t(ChunkSize / 2) && to + 1 < m_chunks.size()) {
            ++to;
            appendItems(rebuilt, to, m_chunks[to].first,
                        m_chunks[to].first + qsizetype(m_chunks[to].entries.size()), delta);
        }
        // Cut into chunks of ChunkSize, the last one taking up to twice as many.
        std::vector<Chunk> made;
        for (std::size_t i = 0; i < rebuilt.size();) {
            const std::size_t end = rebuilt.size() - i < std::size_t(2 * ChunkSize)
                                        ? rebuilt.size()
                                        : i + std::size_t(ChunkSize);
            Chunk chunk{rebuilt[i].position, 0, {}};
            chunk.entries.reserve(end - i);
            for (; i < end; ++i)
                chunk.entries.push_back(
                    {quint32(rebuilt[i].position - chunk.base), rebuilt[i].value});
            made.push_back(std::move(chunk));
        }
        // As many chunks as before (an edit inside one chunk, most often) take their places
        // without moving the chunks behind them.
        const std::size_t replaced = to - from + 1;
        if (made.size() == replaced) {
            std::move(made.begin(), made.end(), m_chunks.begin() + qsizetype(from));
        } else {
            const auto at = m_chunks.erase(m_chunks.begin() + qsizetype(from),
                                           m_chunks.begin() + qsizetype(to) + 1);
            m_chunks.insert(at, std::make_move_iterator(made.begin()),
                            std::make_move_iterator(made.end()));
        }
        const std::size_t behind = from + made.size();
        if (delta != 0)
            for (std::size_t c = behind; c < m_chunks.size(); ++c)
                m_chunks[c].base += delta;
        // The indexes behind move only when the number of items changed.
        qsizetype index = from > 0 ? m_chunks[from - 1].first + m_chunks[from - 1].size() : 0;
        const qsizetype oldSize = m_size;
        for (std::size_t c = from; c < m_chunks.size(); ++c) {
            if (c >= behind && index == m_chunks[c].first) {
                index = oldSize; // unchanged from here on
                break;
            }
            m_chunks[c].first = index;
            index += m_chunks[c].size();
        }
        m_size = index;
    }

private:
    struct Entry
    {
        quint32 offset;
        [[no_unique_address]] Value value;
    };
    struct Chunk
    {
        qsizetype base;  // position of the first entry
        qsizetype first; // index of the first entry in the list
        std::vector<Entry> entries;
        qsizetype size() const { return qsizetype(entries.size()); }
    };

    std::size_t chunkOf(qsizetype index) const
    {
        const auto it =
            std::upper_bound(m_chunks.begin(), m_chunks.end(), index,
                             [](qsizetype i, const Chunk &chunk) { return i < chunk.first; });
        return std::size_t(it - m_chunks.begin()) - 1;
    }

    qsizetype bound(qsizetype p, bool upper) const
    {
        // The last chunk that starts at or before p (before p for a lower bound) holds the answer,
        // or the answer is the first item of the chunk behind it.
        const auto it =
            std::partition_point(m_chunks.begin(), m_chunks.end(), [&](const Chunk &chunk) {
                return upper ? chunk.base <= p : chunk.base < p;
            });
        if (it == m_chunks.begin())
            return 0;
        const Chunk &chunk = *std::prev(it);
        const qsizetype offset = p - chunk.base;
        const auto entry =
            std::partition_point(chunk.entries.begin(), chunk.entries.end(), [&](const Entry &e) {
                return upper ? qsizetype(e.offset) <= offset : qsizetype(e.offset) < offset;
            });
        return chunk.first + qsizetype(entry - chunk.entries.begin());
    }

    // Appends the items [first, last) of chunk c, moved by delta.
    void appendItems(std::vector<Item> &out, std::size_t c, qsizetype first, qsizetype last,
                     qsizetype delta) const
    {
        const Chunk &chunk = m_chunks[c];
        for (qsizetype i = std::max(first, chunk.first); i < last; ++i) {
            const Entry &entry = chunk.entries[std::size_t(i - chunk.first)];
            out.push_back({chunk.base + qsizetype(entry.offset) + delta, entry.value});
        }
    }

    std::vector<Chunk> m_chunks;
    qsizetype m_size = 0;
};
