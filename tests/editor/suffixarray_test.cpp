// Sorted suffixes and the ranges of them that share a prefix, against sorting and comparing them
// one by one.

#include "editor/suffixarray.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

using editor::SuffixArray;

namespace {

// Sequences over small alphabets, some of them runs and repeats of one short piece, so that the
// sorting has to look far and recurse.
std::vector<int> randomSymbols(QRandomGenerator &random)
{
    const int alphabet = random.bounded(1, 6);
    std::vector<int> piece(std::size_t(random.bounded(1, 5)));
    for (int &s : piece)
        s = random.bounded(1, alphabet + 1);
    std::vector<int> out;
    for (int n = random.bounded(0, 400); n > 0; --n) {
        if (random.bounded(3) == 0)
            out.push_back(random.bounded(1, alphabet + 1));
        else
            out.insert(out.end(), piece.begin(), piece.end());
    }
    out.push_back(0);
    return out;
}

TEST(SuffixArray, SortsLikeComparingSuffixesOneByOne)
{
    QRandomGenerator random(20240616);
    for (int round = 0; round < 400; ++round) {
        const std::vector<int> s = randomSymbols(random);
        const int n = int(s.size());
        std::vector<int> want(static_cast<std::size_t>(n));
        std::iota(want.begin(), want.end(), 0);
        std::sort(want.begin(), want.end(), [&](int a, int b) {
            return std::lexicographical_compare(s.begin() + a, s.end(), s.begin() + b, s.end());
        });
        const SuffixArray sa(s, 6);
        std::vector<int> got;
        for (int r = 0; r < sa.size(); ++r)
            got.push_back(sa.suffixAt(r));
        ASSERT_EQ(got, want) << "round " << round;
        for (int i = 0; i < n; ++i)
            ASSERT_EQ(sa.suffixAt(sa.rankOf(i)), i);
    }
}

TEST(SuffixArray, RangesSharingAPrefixHoldExactlyThoseSuffixes)
{
    QRandomGenerator random(20240617);
    for (int round = 0; round < 200; ++round) {
        const std::vector<int> s = randomSymbols(random);
        const SuffixArray sa(s, 6);
        const int n = int(s.size());
        for (int probe = 0; probe < 20; ++probe) {
            const int start = random.bounded(n);
            const int length = random.bounded(1, n - start + 1);
            const auto [first, last] = sa.sharingPrefix(sa.rankOf(start), length);
            for (int r = 0; r < n; ++r) {
                const int at = sa.suffixAt(r);
                const bool shares =
                    at + length <= n &&
                    std::equal(s.begin() + start, s.begin() + start + length, s.begin() + at);
                ASSERT_EQ(shares, r >= first && r <= last)
                    << "round " << round << " start " << start << " length " << length;
            }
        }
    }
}

} // namespace
