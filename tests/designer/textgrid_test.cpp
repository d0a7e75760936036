// The design's text grids: bounds-checked cells, only the set ones stored, bounds changed keeping
// what lies inside.

#include "support/qt_printers.h"
#include "designer/textgrid.h"

#include <gtest/gtest.h>

namespace {

TEST(TextGrid, CellsInsideTheBoundsOnly)
{
    TextGrid grid(2, 3);
    EXPECT_EQ(grid.rowUpper(), 2);
    EXPECT_EQ(grid.columnUpper(), 3);
    EXPECT_TRUE(grid.set(2, 3, QStringLiteral(u"last")));
    EXPECT_TRUE(grid.set(0, 0, QStringLiteral(u"first")));
    EXPECT_FALSE(grid.set(3, 0, QStringLiteral(u"x")));
    EXPECT_FALSE(grid.set(0, 4, QStringLiteral(u"x")));
    EXPECT_FALSE(grid.set(-1, 0, QStringLiteral(u"x")));
    EXPECT_EQ(grid.get(2, 3), QStringLiteral(u"last"));
    EXPECT_EQ(grid.get(0, 0), QStringLiteral(u"first"));
    EXPECT_EQ(grid.get(1, 1), QString());
    EXPECT_EQ(grid.get(3, 0), QString());
    EXPECT_EQ(grid.get(0, -1), QString());
    EXPECT_EQ(grid.storedCount(), 2);
}

TEST(TextGrid, OnlySetCellsAreStored)
{
    TextGrid grid(1000, 1000);
    EXPECT_EQ(grid.storedCount(), 0);
    // Written right to left and out of order: each read finds its own.
    for (int c : {7, 3, 900, 0, 5})
        grid.set(4, c, QString::number(c));
    for (int c : {0, 3, 5, 7, 900})
        EXPECT_EQ(grid.get(4, c), QString::number(c));
    EXPECT_EQ(grid.get(4, 4), QString());
    EXPECT_EQ(grid.storedCount(), 5);

    grid.set(4, 3, QStringLiteral(u"again"));
    EXPECT_EQ(grid.get(4, 3), QStringLiteral(u"again"));
    EXPECT_EQ(grid.storedCount(), 5);
    // The empty text is no setting: the cell is forgotten.
    EXPECT_TRUE(grid.set(4, 3, QString()));
    EXPECT_TRUE(grid.set(9, 9, QString()));
    EXPECT_EQ(grid.get(4, 3), QString());
    EXPECT_EQ(grid.storedCount(), 4);

    // In-place access makes the cell exist.
    grid.at(10, 10) += QStringLiteral(u"abc");
    grid.at(10, 10) += QStringLiteral(u"d");
    EXPECT_EQ(grid.get(10, 10), QStringLiteral(u"abcd"));
}

TEST(TextGrid, BoundsChangeKeepsWhatLiesInside)
{
    TextGrid grid(1000, 4);
    grid.set(0, 3, QStringLiteral(u"red"));
    grid.set(2, 0, QStringLiteral(u"blue"));
    grid.set(1000, 4, QStringLiteral(u"corner"));
    grid.redimPreserve(1000, 2);
    EXPECT_EQ(grid.get(0, 3), QString());
    EXPECT_EQ(grid.get(2, 0), QStringLiteral(u"blue"));
    EXPECT_EQ(grid.storedCount(), 1);
    grid.redimPreserve(1000, 4); // columns back: the dropped ones stay empty
    EXPECT_EQ(grid.get(0, 3), QString());
    EXPECT_EQ(grid.get(1000, 4), QString());
    EXPECT_TRUE(grid.set(0, 4, QStringLiteral(u"new")));
    grid.redimPreserve(1, 1000);
    EXPECT_EQ(grid.get(2, 0), QString()); // rows beyond a lower bound are lost too
    EXPECT_EQ(grid.columnUpper(), 1000);
    EXPECT_EQ(grid.get(0, 4), QStringLiteral(u"new"));

    grid.redim(5, 5);
    EXPECT_EQ(grid.storedCount(), 0);
    EXPECT_EQ(grid.get(0, 4), QString());
    grid.redim(-1, -1);
    EXPECT_FALSE(grid.contains(0, 0));
    EXPECT_FALSE(grid.set(0, 0, QStringLiteral(u"x")));
}

TEST(TextList, BoundsChecked)
{
    TextList list(4);
    EXPECT_TRUE(list.set(4, QStringLiteral(u"40")));
    EXPECT_FALSE(list.set(5, QStringLiteral(u"50")));
    list.redimPreserve(2);
    EXPECT_EQ(list.get(4), QString());
    list.redimPreserve(4);
    EXPECT_EQ(list.get(4), QString());
    EXPECT_EQ(list.upper(), 4);
}

} // namespace
