// What the panels show as their selectors move: stored values, the "All" state of uniform rows and
// columns, the position markers, the merge order. Cascades are compared as whole handler logs.

#include "support/designer_fixture.h"
#include "support/qt_printers.h"
#include "support/text_literal.h"

#include <gtest/gtest.h>

namespace {

class SelectorDisplay : public DesignerTest
{
protected:
    // Fills one row (or column) of a grid over the table's four columns (three rows).
    static void fillRow(TextGrid &grid, int row, const QString &value)
    {
        for (int c = 0; c < 4; ++c)
            grid.set(row, c, value);
    }
    static void fillColumn(TextGrid &grid, int column, const QString &value)
    {
        for (int r = 0; r < 3; ++r)
            grid.set(r, column, value);
    }
};

TEST_F(SelectorDisplay, UniformColourRowShowsAllAndOneEmptyCellReEnables)
{
    fillRow(f.cellColors, 1, S(u"red"));
    f.VScroll1(6).setValue(-2);
    EXPECT_EQ(log.text(), S(u"VScroll1_Change(6);Text1_Change(6);Text1_Change(7);Text5_Change(4)"));
    EXPECT_EQ(f.Text1(7).text(), S(u"All"));
    EXPECT_FALSE(f.VScroll1(7).enabled());
    EXPECT_EQ(f.VScroll1(7).value(), -1); // "All" leaves the spinner where it was
    EXPECT_EQ(f.Text5(4).text(), S(u"red"));
    EXPECT_FALSE(f.differs);

    // A row with one empty cell shows numbers again.
    fillRow(f.cellColors, 2, S(u"blue"));
    f.cellColors.set(2, 3, QString());
    log.clear();
    f.VScroll1(6).setValue(-3);
    EXPECT_EQ(log.text(), S(u"VScroll1_Change(6);Text1_Change(6);Text1_Change(7);Text5_Change(4)"));
    EXPECT_EQ(f.Text1(7).text(), S(u"1"));
    EXPECT_TRUE(f.VScroll1(7).enabled());
    EXPECT_EQ(f.Text5(4).text(), S(u"blue"));
}

TEST_F(SelectorDisplay, UniformColourColumnShowsAllInTheRowBox)
{
    fillColumn(f.cellColors, 2, S(u"#00FF00"));
    f.cellColors.set(5, 2, S(u"beyond the table")); // not scanned
    f.VScroll1(7).setValue(-3);
    EXPECT_EQ(log.text(), S(u"VScroll1_Change(7);Text1_Change(7);Text1_Change(6);Text5_Change(4)"));
    EXPECT_EQ(f.Text1(6).text(), S(u"All"));
    EXPECT_FALSE(f.VScroll1(6).enabled());
    EXPECT_EQ(f.Text5(4).text(), S(u"#00FF00"));
}

TEST_F(SelectorDisplay, NoWrapRowAndColumn)
{
    fillRow(f.cellNowraps, 1, S(u"no"));
    f.VScroll1(12).setValue(-2);
    EXPECT_EQ(log.text(), S(u"VScroll1_Change(12);Text1_Change(12);Text1_Change(13)"));
    EXPECT_EQ(f.Text1(13).text(), S(u"All"));
    EXPECT_FALSE(f.VScroll1(13).enabled());

    log.clear();
    f.VScroll1(12).setValue(-1);
    EXPECT_EQ(log.text(), S(u"VScroll1_Change(12);Text1_Change(12);Text1_Change(13)"));
    EXPECT_EQ(f.Text1(13).text(), S(u"1"));
    EXPECT_TRUE(f.VScroll1(13).enabled());

    fillColumn(f.cellNowraps, 3, S(u"no"));
    f.VScroll1(13).setValue(-4);
    EXPECT_EQ(f.Text1(12).text(), S(u"All"));
    EXPECT_FALSE(f.VScroll1(12).enabled());
}

TEST_F(SelectorDisplay, FontColourWithTheRowOnAllShowsTheFirstRow)
{
    f.Text5(5).setForeColor(0xFFFF00);
    f.MarkSelectorAll(4); // row box "All"
    fillColumn(f.cellFontColors, 1, S(u"navy"));
    log.clear();
    f.VScroll1(15).setValue(-2);
    EXPECT_EQ(log.text(), S(u"VScroll1_Change(15);Text1_Change(15);Text5_Change(5)"));
    EXPECT_EQ(f.Text1(14).text(), S(u"All"));
    EXPECT_FALSE(f.VScroll1(14).enabled());
    EXPECT_EQ(f.Text5(5).text(), S(u"navy"));
    EXPECT_EQ(f.Text5(5).foreColor(), 0x00FF00u);

    // A column that is not uniform brings the row box back to its spinner's number.
    f.cellFontColors.set(1, 3, S(u"red"));
    log.clear();
    f.VScroll1(15).setValue(-4);
    EXPECT_EQ(log.text(),
              S(u"VScroll1_Change(15);Text1_Change(15);Text1_Change(14);Text5_Change(5)"));
    EXPECT_EQ(f.Text1(14).text(), S(u"1"));
    EXPECT_TRUE(f.VScroll1(14).enabled());
    EXPECT_EQ(f.Text5(5).text(), QString());
}

TEST_F(SelectorDisplay, FontSizeRowShowsAllAndTheSize)
{
    fillRow(f.cellFontSizes, 2, S(u"5"));
    f.VScroll1(16).setValue(-3);
    EXPECT_EQ(log.text(),
              S(u"VScroll1_Change(16);Text1_Change(16);Text1_Change(17);Text5_Change(6)"));
    EXPECT_EQ(f.Text1(17).text(), S(u"All"));
    EXPECT_FALSE(f.VScroll1(17).enabled());
    EXPECT_EQ(f.Text5(6).text(), S(u"5"));
}

TEST_F(SelectorDisplay, AllrightAtColumnZeroMarksTheOtherSelector)
{
    f.cellIchiYoko.set(1, 0, S(u"Allright"));
    f.VScroll1(22).setValue(-2);
    EXPECT_EQ(log.text(),
              S(u"VScroll1_Change(22);Text1_Change(22);Text1_Change(23);Option9_Click(2)"));
    EXPECT_EQ(f.Text1(23).text(), S(u"All"));
    EXPECT_FALSE(f.VScroll1(23).enabled());
    EXPECT_TRUE(f.Option9(2).value());

    // The column selector, moved while that row is selected, puts "All" into the row box.
    log.clear();
    f.VScroll1(23).setValue(-3);
    EXPECT_EQ(log.text(), S(u"VScroll1_Change(23);Text1_Change(23);Text1_Change(22)"));
    EXPECT_EQ(f.Text1(22).text(), S(u"All"));
    EXPECT_FALSE(f.VScroll1(22).enabled());

    // A row without the marker shows the cell's own position, both boxes as numbers.
    f.cellIchiYoko.set(2, 2, S(u"center"));
    log.clear();
    f.VScroll1(22).setValue(-3);
    EXPECT_EQ(log.text(), S(u"VScroll1_Change(22);Text1_Change(22);Option9_Click(1)"));
    EXPECT_EQ(f.Text1(22).text(), S(u"3"));
    EXPECT_EQ(f.Text1(23).text(), S(u"3"));
    EXPECT_TRUE(f.VScroll1(23).enabled());
    EXPECT_TRUE(f.Option9(1).value());
}

TEST_F(SelectorDisplay, VerticalPositionMarkersAndCells)
{
    f.cellIchiTate.set(0, 0, S(u"Alltop"));
    f.cellIchiTate.set(1, 1, S(u"bottom"));
    f.cellIchiTate.set(2, 3, S(u"Allbottom")); // a marker outside column 0 shows as middle
    f.VScroll1(25).setValue(-2);
    EXPECT_EQ(log.text(),
              S(u"VScroll1_Change(25);Text1_Change(25);Text1_Change(24);Option9_Click(3)"));
    EXPECT_EQ(f.Text1(24).text(), S(u"All"));
    EXPECT_TRUE(f.Option9(3).value());

    f.VScroll1(24).setValue(-2);
    EXPECT_EQ(f.Text1(24).text(), S(u"2"));
    EXPECT_TRUE(f.Option9(5).value());
    EXPECT_TRUE(f.VScroll1(25).enabled());

    f.VScroll1(24).setValue(-3);
    f.VScroll1(25).setValue(-4);
    EXPECT_TRUE(f.Option9(4).value());
}

TEST_F(SelectorDisplay, MergeLastRowIsPulledAlongAndHeldBehindTheFirst)
{
    f.VScroll1(9).setValue(-2);
    log.clear();
    f.VScroll1(8).setValue(-3);
    EXPECT_EQ(log.text(), S(u"VScroll1_Change(8);Text1_Change(8);VScroll1_Change(9);"
                            u"Text1_Change(9)"));
    EXPECT_EQ(f.Text1(9).text(), S(u"3"));

    log.clear();
    f.VScroll1(9).setValue(-1);
    EXPECT_EQ(log.text(), S(u"VScroll1_Change(9);Text1_Change(9);VScroll1_Change(9);"
                            u"Text1_Change(9)"));
    EXPECT_EQ(f.VScroll1(9).value(), -3);
    EXPECT_EQ(f.Text1(9).text(), S(u"3"));

    // The last column corrected turns its box black again; the first column does not.
    f.Text1(11).setBackColor(0xFFFFFF);
    f.VScroll1(10).setValue(-2);
    EXPECT_EQ(f.VScroll1(11).value(), -2);
    EXPECT_EQ(f.Text1(11).backColor(), 0xFFFFFFu);
    f.VScroll1(11).setValue(-1);
    EXPECT_EQ(f.VScroll1(11).value(), -2);
    EXPECT_EQ(f.Text1(11).backColor(), 0x000000u);
}

TEST_F(SelectorDisplay, PlainPanelsShowTheSelectedValue)
{
    f.cellImages.set(1, 2, S(u"img/a.gif"));
    f.rowHeights.set(2, S(u"34"));
    f.columnWidths.set(1, S(u"120"));
    f.VScroll1(4).setValue(-2);
    f.VScroll1(5).setValue(-3);
    EXPECT_EQ(f.Text2(1).text(), S(u"img/a.gif"));

    log.clear();
    f.VScroll1(18).setValue(-3);
    // The height box pushes its number into its own spinner.
    EXPECT_EQ(log.text(), S(u"VScroll1_Change(18);Text1_Change(18);Text1_Change(20);"
                            u"VScroll1_Change(20)"));
    EXPECT_EQ(f.Text1(20).text(), S(u"34"));
    EXPECT_EQ(f.VScroll1(20).value(), -34);
    // A row without a height leaves "0": the empty box moves the spinner, which shows its number.
    f.VScroll1(18).setValue(-1);
    EXPECT_EQ(f.Text1(20).text(), S(u"0"));

    f.VScroll1(19).setValue(-2);
    EXPECT_EQ(f.Text1(21).text(), S(u"120"));
    EXPECT_EQ(f.VScroll1(21).value(), -120);
}

// A selector box can hold a number its spinner refused, or text: displays then read nothing
// outside the table and show the value as not set.
TEST_F(SelectorDisplay, BoxesNamingNoCellShowNothingAndReadNothingOutside)
{
    f.cellColors.set(0, 4, S(u"spare column"));
    f.cellIchiYoko.set(0, 4, S(u"right"));
    f.cellImages.set(0, 0, S(u"kept.gif"));
    f.Text1(7).userTyped(S(u"5"));
    f.Text5(4).setText(S(u"old"));
    f.VScroll1(6).setValue(-2);
    f.VScroll1(6).setValue(-1);
    EXPECT_EQ(f.Text5(4).text(), QString());
    EXPECT_EQ(f.Text1(7).text(), S(u"1")); // shows its spinner again

    f.Text1(23).userTyped(S(u"9"));
    f.Option9(2).setValue(true);
    f.VScroll1(22).setValue(-2);
    EXPECT_TRUE(f.Option9(0).value());
    EXPECT_EQ(f.Text1(23).text(), S(u"9"));

    f.Text2(1).setText(S(u"shown"));
    f.Text1(5).userTyped(S(u"-3"));
    f.VScroll1(4).setValue(-2);
    EXPECT_EQ(f.Text2(1).text(), S(u"shown"));
    f.Text1(5).userTyped(S(u"99999999999999999999"));
    f.VScroll1(4).setValue(-1);
    EXPECT_EQ(f.Text2(1).text(), S(u"shown"));
    EXPECT_EQ(messages.unexpected, 0);
}

} // namespace
