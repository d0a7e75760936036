#include "editor/suffixarray.h"

#include <algorithm>

namespace editor {

namespace {

// Induced sorting. A suffix is S-type when it is smaller than the one after it, L-type when
// larger; an LMS suffix is an S-type one after an L-type one. Sorting the LMS suffixes is enough:
// the L-type suffixes follow from them in one pass from the left, the S-type ones in one pass from
// the right. The LMS suffixes are sorted by naming their substrings (up to the next LMS suffix)
// and, where two names coincide, by sorting the suffixes of the sequence of names, which is at
// most half as long.
std::vector<int> sortSuffixes(const std::vector<int> &s, int alphabet)
{
    const int n = int(s.size());
    std::vector<int> sa(std::size_t(n), -1);
    if (n == 1) {
        sa[0] = 0;
        return sa;
    }
    std::vector<char> sType(static_cast<std::size_t>(n));
    sType[std::size_t(n - 1)] = 1;
    for (int i = n - 2; i >= 0; --i)
        sType[i] = s[i] < s[i + 1] || (s[i] == s[i + 1] && sType[i + 1]);
    auto isLms = [&](int i) { return i > 0 && sType[i] && !sType[i - 1]; };

    std::vector<int> counts(std::size_t(alphabet), 0);
    for (int c : s)
        ++counts[c];
    std::vector<int> heads(static_cast<std::size_t>(alphabet));
    std::vector<int> tails(static_cast<std::size_t>(alphabet));
    auto bucketHeads = [&] {
        for (int c = 0, sum = 0; c < alphabet; sum += counts[c], ++c)
            heads[c] = sum;
    };
    auto bucketTails = [&] {
        for (int c = 0, sum = 0; c < alphabet; ++c)
            tails[c] = sum += counts[c];
    };
    // The LMS suffixes go to the ends of their buckets, in the given order within a bucket.
    auto induce = [&](const std::vector<int> &lms) {
        std::fill(sa.begin(), sa.end(), -1);
        bucketTails();
        for (auto it = lms.rbegin(); it != lms.rend(); ++it)
            sa[--tails[s[*it]]] = *it;
        bucketHeads();
        for (int i = 0; i < n; ++i) {
            const int j = sa[i] - 1;
            if (j >= 0 && !sType[j])
                sa[heads[s[j]]++] = j;
        }
        bucketTails();
        for (int i = n - 1; i >= 0; --i) {
            const int j = sa[i] - 1;
            if (j >= 0 && sType[j])
                sa[--tails[s[j]]] = j;
        }
    };
    auto sameLmsSubstring = [&](int a, int b) {
        for (int d = 0;; ++d) {
            if (s[a + d] != s[b + d] || sType[a + d] != sType[b + d])
                return false;
            if (d > 0 && (isLms(a + d) || isLms(b + d)))
                return isLms(a + d) && isLms(b + d);
        }
    };

    std::vector<int> lms;
    for (int i = 1; i < n; ++i) {
        if (isLms(i))
            lms.push_back(i);
    }
    induce(lms);
    // The LMS substrings come out sorted: consecutive equal ones share a name. The sentinel's
    // comes first and alone, so the sequence of names ends in a unique 0 too.
    std::vector<int> names(std::size_t(n), -1);
    int name = -1;
    for (int i = 0, previous = -1; i < n; ++i) {
        const int p = sa[i];
        if (!isLms(p))
            continue;
        if (previous < 0 || !sameLmsSubstring(previous, p))
            ++name;
        names[p] = name;
        previous = p;
    }
    std::vector<int> reduced;
    reduced.reserve(lms.size());
    for (int p : lms)
        reduced.push_back(names[p]);
    names = {};
    std::vector<int> order;
    if (name + 1 == int(lms.size())) {
        order.resize(lms.size());
        for (int k = 0; k < int(reduced.size()); ++k)
            order[reduced[k]] = k;
    } else {
        order = sortSuffixes(reduced, name + 1);
    }
    for (int &k : order)
        k = lms[k];
    induce(order);
    return sa;
}

} // namespace

SuffixArray::SuffixArray(const std::vector<int> &symbols, int alphabet)
    : m_suffixes(sortSuffixes(symbols, alphabet))
{
    const int n = int(symbols.size());
    m_ranks.resize(std::size_t(n));
    for (int r = 0; r < n; ++r)
        m_ranks[m_suffixes[r]] = r;
    while (m_leaves < n)
        m_leaves *= 2;
    m_shared.assign(std::size_t(2 * m_leaves), -1);
    // Each suffix shares at least one symbol less with its neighbour than the suffix before it
    // did with its own, so the lengths are found in one pass over the sequence.
    for (int i = 0, h = 0; i < n; ++i) {
        const int r = m_ranks[i];
        if (r == 0) {
            m_shared[std::size_t(m_leaves)] = 0;
            h = 0;
            continue;
        }
        const int j = m_suffixes[r - 1];
        while (i + h < n && j + h < n && symbols[i + h] == symbols[j + h])
            ++h;
        m_shared[std::size_t(m_leaves + r)] = h;
        if (h > 0)
            --h;
    }
    for (int i = m_leaves - 1; i > 0; --i)
        m_shared[i] = std::min(m_shared[2 * i], m_shared[2 * i + 1]);
}

std::pair<int, int> SuffixArray::sharingPrefix(int r, int length) const
{
    // Rank 0 shares nothing, so a rank at or before r is always found.
    return {lastBelow(r, length), firstBelow(r + 1, length) - 1};
}

// The first rank at or after `from` that shares less than `bound` with the rank before it, or
// size(): up the tree until a subtree to the right holds one, then down to its leftmost.
int SuffixArray::firstBelow(int from, int bound) const
{
    if (from >= size())
        return size();
    int i = from + m_leaves;
    while (m_shared[i] >= bound) {
        while (i > 1 && (i & 1))
            i >>= 1;
        if (i == 1)
            return size();
        ++i;
    }
    while (i < m_leaves) {
        i *= 2;
        if (m_shared[i] >= bound)
            ++i;
    }
    return std::min(i - m_leaves, size());
}

// The last rank at or before `from` that shares less than `bound` with the rank before it, or -1.
int SuffixArray::lastBelow(int from, int bound) const
{
    int i = from + m_leaves;
    while (m_shared[i] >= bound) {
        while (i > 1 && !(i & 1))
            i >>= 1;
        if (i == 1)
            return -1;
        --i;
    }
    while (i < m_leaves) {
        i = 2 * i + 1;
        if (m_shared[i] >= bound)
            --i;
    }
    return i - m_leaves;
}

} // namespace editor
