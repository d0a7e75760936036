// Merge coverage: which cells vanish under spans, including the faulty spans that are skipped.

#include "support/qt_printers.h"
#include "frame/form1.h"

#include <gtest/gtest.h>

namespace {

std::string covered(const Form1 &f, int rows, int columns)
{
    std::string out;
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j)
            out += f.coveredCells.get(i, j) ? 'x' : '.';
        out += '/';
    }
    return out;
}

TEST(BuildMergeMap, SpansCoverAllButTheirOrigin)
{
    Form1 f; // 3 x 4
    f.cellSpans.set(0, 0, QStringLiteral(u"2,2"));
    f.BuildMergeMap();
    EXPECT_EQ(covered(f, 3, 4), ".x../xx../..../");
    const std::vector<int> flags = {0, 1, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(f.coveredCellFlags, flags);
    EXPECT_EQ(f.rowCellCounts, std::vector<int>({4, 4, 4}));
}

// The map is built anew every time: once the merges are gone, nothing is covered any more.
TEST(BuildMergeMap, MergesRemovedCoverNothing)
{
    Form1 f;
    f.cellSpans.set(1, 1, QStringLiteral(u"2,2"));
    f.BuildMergeMap();
    EXPECT_EQ(covered(f, 3, 4), "..../..x./.xx./");
    f.cellSpans.set(1, 1, QString());
    f.BuildMergeMap();
    EXPECT_EQ(covered(f, 3, 4), "..../..../..../");
    for (const int flag : f.coveredCellFlags)
        EXPECT_EQ(flag, 0);
}

TEST(BuildMergeMap, LaterOriginsTakeOverAndSingleSpansCoverNothing)
{
    Form1 f;
    f.cellSpans.set(0, 0, QStringLiteral(u"2,3"));
    f.cellSpans.set(1, 1, QStringLiteral(u"2,2")); // an origin inside the earlier span
    f.cellSpans.set(0, 3, QStringLiteral(u"1,1"));
    f.BuildMergeMap();
    EXPECT_EQ(covered(f, 3, 4), ".xx./x.x./.xx./");
}

TEST(BuildMergeMap, FaultySpansAreSkippedOrClipped)
{
    Form1 f;
    f.cellSpans.set(2, 0, QStringLiteral(u"3,1"));  // runs past the last row: clipped
    f.cellSpans.set(0, 2, QStringLiteral(u"1,5"));  // runs past the last column: clipped
    f.cellSpans.set(0, 0, QStringLiteral(u"2"));    // no comma: skipped
    f.cellSpans.set(1, 0, QStringLiteral(u"0,2"));  // a count below 1: skipped
    f.cellSpans.set(1, 2, QStringLiteral(u"2,1"));  // still covers its cells
    f.cellSpans.set(5, 5, QStringLiteral(u"2,2"));  // outside the counts: not visited
    f.BuildMergeMap();
    EXPECT_EQ(covered(f, 3, 4), "...x/..../..x./");
}

TEST(BuildMergeMap, SpansTooLargeToHoldClaimNothing)
{
    Form1 f;
    f.cellSpans.set(0, 0, QStringLiteral(u"99999999999999999999,2"));
    f.cellSpans.set(0, 2, QStringLiteral(u"2,-99999999999999999999"));
    f.cellSpans.set(1, 0, QStringLiteral(u"2147483647,2147483647")); // held: clipped to the table
    f.BuildMergeMap();
    EXPECT_EQ(covered(f, 3, 4), "..../.xxx/xxxx/");
}

} // namespace
