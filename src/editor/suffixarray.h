#pragma once

#include <utility>
#include <vector>

namespace editor {

// The suffixes of a sequence of symbols in sorted order, built in time linear in the sequence's
// length (induced sorting), and the ranges of them that share a prefix.
//
// The sequence must end with a sentinel 0 that occurs nowhere else, and every symbol must lie in
// [0, alphabet). Suffixes compare symbol by symbol.
class SuffixArray
{
public:
    SuffixArray(const std::vector<int> &symbols, int alphabet);

    // The start of the suffix of rank r (rank 0 is the sentinel alone).
    int suffixAt(int r) const { return m_suffixes[std::size_t(r)]; }
    // The rank of the suffix that starts at i.
    int rankOf(int i) const { return m_ranks[std::size_t(i)]; }
    int size() const { return int(m_suffixes.size()); }

    // The ranks [first, last] of the suffixes whose first `length` symbols (at least 1) are those
    // of the suffix of rank r: they sit side by side, r among them. In time logarithmic in size().
    std::pair<int, int> sharingPrefix(int r, int length) const;

private:
    int firstBelow(int from, int bound) const;
    int lastBelow(int from, int bound) const;

    std::vector<int> m_suffixes;
    std::vector<int> m_ranks;
    // The length of the prefix each suffix shares with the one ranked before it (0 for rank 0),
    // as the leaves of a tree of minima from m_leaves on; the leaves past size() hold -1.
    std::vector<int> m_shared;
    int m_leaves = 1;
};

} // namespace editor
