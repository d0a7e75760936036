// The chunked position list against a plain vector doing the same splices: with chunks of four
// items every splice crosses, splits, empties or merges chunks.

#include "controls/positionlist.h"

#include <QRandomGenerator>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

using List = PositionList<int, 4>;
using Item = List::Item;

void plainSplice(std::vector<Item> &items, qsizetype first, qsizetype last,
                 const std::vector<Item> &with, qsizetype delta)
{
    for (auto it = items.begin() + last; it != items.end(); ++it)
        it->position += delta;
    items.erase(items.begin() + first, items.begin() + last);
    items.insert(items.begin() + first, with.begin(), with.end());
}

TEST(PositionList, RandomSplicesMatchAPlainVector)
{
    QRandomGenerator random(20261210);
    List list;
    std::vector<Item> plain;
    for (int i = 0; i < 40; ++i) {
        plain.push_back({i * 10, i});
        list.push_back(plain.back());
    }
    for (int step = 0; step < 3000; ++step) {
        const auto size = qsizetype(plain.size());
        const qsizetype first = random.bounded(int(size) + 1);
        const qsizetype last =
            first + random.bounded(int(std::min<qsizetype>(size - first, 9)) + 1);
        // New items between the neighbours, the ones behind moved by delta (never below them).
        const qsizetype low = first > 0 ? plain[first - 1].position : 0;
        const qsizetype high = last < size ? plain[last].position : low + 50;
        const qsizetype delta = random.bounded(40) - (high - low) / 2;
        std::vector<Item> with;
        for (int k = random.bounded(step % 7 == 0 ? 12 : 3); k > 0; --k)
            with.push_back(
                {low + random.bounded(int(std::max<qsizetype>(1, high + delta - low))), step});
        std::sort(with.begin(), with.end(),
                  [](const Item &a, const Item &b) { return a.position < b.position; });
        plainSplice(plain, first, last, with, delta);
        list.splice(first, last, with, delta);

        const std::string what = "step " + std::to_string(step);
        ASSERT_EQ(list.size(), qsizetype(plain.size())) << what;
        ASSERT_EQ(list.all(), plain) << what;
        for (qsizetype i = 0; i < list.size(); i += 1 + random.bounded(5))
            ASSERT_EQ(list.at(i), plain[std::size_t(i)]) << what;
        const qsizetype p = random.bounded(int(plain.empty() ? 1 : plain.back().position + 2));
        auto byPosition = [](const Item &item, qsizetype q) { return item.position < q; };
        auto afterPosition = [](qsizetype q, const Item &item) { return q < item.position; };
        EXPECT_EQ(list.lowerBound(p),
                  std::lower_bound(plain.begin(), plain.end(), p, byPosition) - plain.begin())
            << what;
        EXPECT_EQ(list.upperBound(p),
                  std::upper_bound(plain.begin(), plain.end(), p, afterPosition) - plain.begin())
            << what;
        const qsizetype from = random.bounded(int(plain.size()) + 1);
        const qsizetype to = from + random.bounded(int(plain.size() - from) + 1);
        EXPECT_EQ(list.items(from, to), std::vector<Item>(plain.begin() + from, plain.begin() + to))
            << what;
        // A list the splices have nearly emptied is filled again, so that they go on crossing
        // chunks.
        if (plain.size() < 8) {
            for (int i = 0; i < 20; ++i) {
                plain.push_back({(plain.empty() ? 0 : plain.back().position) + 3, i});
                list.push_back(plain.back());
            }
        }
    }
}

} // namespace
