// The panels' Set buttons: one cell, a row, a column or the whole table under "All"; the merge and
// the row-height and column-width lists; selectors that name no cell of the table.

#include "support/designer_fixture.h"
#include "support/grid_text.h"
#include "support/qt_printers.h"
#include "support/text_literal.h"

#include <gtest/gtest.h>

namespace {

using SetCommands = DesignerTest;

TEST_F(SetCommands, FontSizeWithBothSelectorsAllFillsTheTableOnly)
{
    f.cellFontSizes.set(3, 0, S(u"5")); // a row beyond the count
    f.cellFontSizes.set(0, 4, S(u"5")); // the spare column
    f.MarkSelectorAll(6);
    f.MarkSelectorAll(7);
    f.Text5(6).setText(S(u"3"));
    f.Text5(6).setBackColor(0xFFFFFF);
    f.Command16.userClicked();
    EXPECT_EQ(contents(f.cellFontSizes), S(u"0,0=3 0,1=3 0,2=3 0,3=3 0,4=5 1,0=3 1,1=3 1,2=3 "
                                           u"1,3=3 2,0=3 2,1=3 2,2=3 2,3=3 3,0=5"));
    EXPECT_EQ(f.Text5(6).backColor(), 0x000000u);
}

TEST_F(SetCommands, HorizontalPositionOverAColumnIsMarkedAndLeftClearsIt)
{
    f.VScroll1(23).setValue(-2);
    f.MarkSelectorAll(8); // every row
    f.Option9(1).setValue(true);
    f.Command6(4).userClicked();
    EXPECT_EQ(contents(f.cellIchiYoko), S(u"0,1=Allcenter 1,1=Allcenter 2,1=Allcenter"));

    f.Option9(0).setValue(true);
    f.Command6(4).userClicked();
    EXPECT_EQ(contents(f.cellIchiYoko), QString());

    // One cell takes the plain value.
    f.Text1(22).setText(S(u"3"));
    f.Option9(2).setValue(true);
    f.Command6_Click(4);
    EXPECT_EQ(contents(f.cellIchiYoko), S(u"2,1=right"));
}

TEST_F(SetCommands, VerticalPositionOverARowAndTheWholeTable)
{
    f.VScroll1(24).setValue(-2);
    f.MarkSelectorAll(11); // every column
    f.Option9(5).setValue(true);
    f.Command6_Click(5);
    EXPECT_EQ(contents(f.cellIchiTate),
              S(u"1,0=Allbottom 1,1=Allbottom 1,2=Allbottom 1,3=Allbottom"));

    f.MarkSelectorAll(10);
    f.Option9(3).setValue(true);
    f.Command6_Click(5);
    EXPECT_EQ(contents(f.cellIchiTate),
              S(u"0,0=Alltop 0,1=Alltop 0,2=Alltop 0,3=Alltop 1,0=Alltop 1,1=Alltop 1,2=Alltop "
                u"1,3=Alltop 2,0=Alltop 2,1=Alltop 2,2=Alltop 2,3=Alltop"));
}

// Middle and left store nothing, so they clear what the selection covers: for one cell, a row, a
// column and the whole table alike.
TEST_F(SetCommands, MiddleAndLeftClearEveryCellCovered)
{
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) {
            f.cellIchiTate.set(r, c, S(u"top"));
            f.cellIchiYoko.set(r, c, S(u"Allright"));
        }
    f.Text1(24).setText(S(u"2"));
    f.Text1(25).setText(S(u"3"));
    f.Option9(4).setValue(true);
    f.Command6_Click(5);
    EXPECT_EQ(f.cellIchiTate.get(1, 2), QString());
    EXPECT_EQ(f.cellIchiTate.get(1, 1), S(u"top"));

    f.MarkSelectorAll(10);
    f.MarkSelectorAll(11);
    f.Command6_Click(5);
    EXPECT_EQ(contents(f.cellIchiTate), QString());

    f.MarkSelectorAll(8);
    f.MarkSelectorAll(9);
    f.Option9(0).setValue(true);
    f.Command6_Click(4);
    EXPECT_EQ(contents(f.cellIchiYoko), QString());
}

TEST_F(SetCommands, ColoursCopyTheBoxAndAnEmptyBoxClears)
{
    f.Text1(6).setText(S(u"2"));
    f.Text1(7).setText(S(u"3"));
    f.Text5(4).setText(S(u"#FF0000"));
    f.Text5(4).setForeColor(0xFFFF00);
    f.Command25.userClicked();
    EXPECT_EQ(contents(f.cellColors), S(u"1,2=#FF0000"));
    EXPECT_EQ(f.Text5(4).foreColor(), 0x00FF00u);
    f.Text5(4).setText(QString());
    f.Command25.userClicked();
    EXPECT_EQ(f.cellColors.get(1, 2), QString());

    // A selector moved after "全体" shows numbers again, so the row is chosen first.
    f.Text1(14).setText(S(u"3"));
    f.MarkSelectorAll(5); // font colour: every column of the row
    f.Text5(5).setText(S(u"navy"));
    f.Text5(5).setForeColor(0xFFFF00);
    f.Command28(5).userClicked();
    EXPECT_EQ(contents(f.cellFontColors), S(u"2,0=navy 2,1=navy 2,2=navy 2,3=navy"));
    EXPECT_EQ(f.Text5(5).foreColor(), 0x00FF00u);
}

TEST_F(SetCommands, NoWrapOverRowsColumnsAndOneCell)
{
    f.Text1(13).setText(S(u"4"));
    f.MarkSelectorAll(2); // every row
    f.Command6_Click(1);
    EXPECT_EQ(contents(f.cellNowraps), S(u"0,3=no 1,3=no 2,3=no"));
    EXPECT_FALSE(f.VScroll1(12).enabled());
    EXPECT_TRUE(f.VScroll1(13).enabled());

    f.Text1(12).setText(S(u"2"));
    f.MarkSelectorAll(3); // every column
    f.Command6_Click(1);
    EXPECT_EQ(contents(f.cellNowraps), S(u"0,3=no 1,0=no 1,1=no 1,2=no 1,3=no 2,3=no"));
    EXPECT_TRUE(f.VScroll1(12).enabled());
    EXPECT_FALSE(f.VScroll1(13).enabled());

    // One cell: a row selector reading 0 stands for the first row.
    f.Text1(13).setText(S(u"2"));
    f.Text1(12).userTyped(S(u"0"));
    f.Command6_Click(1);
    EXPECT_EQ(f.cellNowraps.get(0, 1), S(u"no"));
    EXPECT_TRUE(f.VScroll1(13).enabled());
}

TEST_F(SetCommands, MergeStoresTheSpanAtTheFirstCellAndEmptiesCoveredCells)
{
    f.RB3.setText(S(u"[[ a $ b $ c ]]\r\n[[ d $ e $ f ]]\r\n"));
    f.Text1(11).setText(S(u"3"));
    f.Text1(9).setBackColor(0xFFFFFF);
    f.Command6(0).userClicked();
    EXPECT_EQ(contents(f.cellSpans), S(u"0,0=1,3"));
    EXPECT_EQ(f.Text1(9).backColor(), 0x000000u);
    EXPECT_EQ(f.Text1(11).backColor(), 0x000000u);
    // The covered cells lose their blanks.
    EXPECT_EQ(f.RB3.text(), S(u"[[ a $b$c]]\r\n[[ d $ e $ f ]]\r\n"));

    f.Text1(9).setText(S(u"3"));
    f.Text1(8).setText(S(u"2"));
    f.Text1(10).setText(S(u"1"));
    f.Text1(11).setText(S(u"4"));
    f.Command6_Click(0);
    EXPECT_EQ(contents(f.cellSpans), S(u"0,0=1,3 1,0=2,4"));
}

TEST_F(SetCommands, MergeOutsideTheTableOrBackwardsIsRefused)
{
    const QString data = S(u"[[ a $ b ]]\r\n");
    f.RB3.setText(data);
    f.Text1(9).userTyped(S(u"7")); // refused by its spinner
    f.Command6_Click(0);
    f.Text1(9).userTyped(S(u"abc"));
    f.Command6_Click(0);

    // A last row before the first: only a box out of step with its spinner can show it.
    f.Text1(8).setText(S(u"2"));
    f.Text1(9).onChange = nullptr;
    f.Text1(9).setText(S(u"1"));
    f.Command6_Click(0);
    f.Text1(9).setText(S(u"2"));
    f.Text1(10).setText(S(u"3"));
    f.Text1(11).onChange = nullptr;
    f.Text1(11).setText(S(u"2"));
    f.Command6_Click(0);
    EXPECT_EQ(contents(f.cellSpans), QString());
    EXPECT_EQ(f.RB3.text(), data);
}

TEST_F(SetCommands, RowHeightsAndColumnWidthsInPixelsAndMillimetres)
{
    f.Text1(18).setText(S(u"2"));
    f.Text1(20).setText(S(u"25"));
    f.Command6(2).userClicked();
    EXPECT_EQ(f.rowHeights.get(1), S(u"25"));

    // Empty and "0" change nothing; text that is no number stores 0.
    for (const char16_t *ignored : {u"", u"0"}) {
        f.Text1(20).setText(S(ignored));
        f.Command6_Click(2);
        EXPECT_EQ(f.rowHeights.get(1), S(u"25"));
    }
    f.Text1(20).setText(S(u"abc"));
    f.Command6_Click(2);
    EXPECT_EQ(f.rowHeights.get(1), S(u"0"));

    f.Option1(1).setValue(true);
    const std::pair<const char16_t *, const char16_t *> mm[] = {
        {u"12", u"34"}, {u"10", u"29"}, {u"7", u"20"}};
    f.Text1(19).setText(S(u"4")); // shows the column's (empty) width in Text1(21)
    for (auto [typed, stored] : mm) {
        f.Text1(21).setText(S(typed));
        f.Command6(3).userClicked();
        EXPECT_EQ(f.columnWidths.get(3), S(stored)) << S(typed).toStdString();
        f.Text1(20).setText(S(typed));
        f.Command6_Click(2);
        EXPECT_EQ(f.rowHeights.get(1), S(stored)) << S(typed).toStdString();
    }
    EXPECT_EQ(f.columnWidths.get(0), QString());
}

// A selector that names no row or column of the table (a number its spinner refused, 0, a
// negative number, text) makes the command do nothing; with "All" in the other box as well.
TEST_F(SetCommands, SelectorsNamingNoCellWriteNothing)
{
    const char16_t *nothing[] = {u"5", u"0", u"-1", u"abc", u"", u"99999999999999999999",
                                 u"2000000000"};
    f.Text5(4).setText(S(u"red"));
    f.Text5(5).setText(S(u"red"));
    f.Text5(6).setText(S(u"4"));
    f.Text1(20).setText(S(u"30"));
    f.Text1(21).setText(S(u"30"));
    f.Option9(2).setValue(true);
    f.Option9(3).setValue(true);
    for (const char16_t *column : nothing) {
        for (bool allRows : {false, true}) {
            for (int rowBox : {6, 14, 16, 22, 24, 12})
                f.Text1(rowBox).setText(allRows ? S(u"All") : S(u"1"));
            for (int columnBox : {7, 15, 17, 23, 25, 19})
                f.Text1(columnBox).userTyped(S(column));
            f.Command25.userClicked();
            f.Command28(5).userClicked();
            f.Command16.userClicked();
            f.Command6_Click(3);
            f.Command6_Click(4);
            f.Command6_Click(5);
            if (!allRows && (column == QStringView(u"0") || column == QStringView(u"abc") ||
                             column == QStringView(u"")))
                continue; // no-wrap takes a 0 for the first column
            f.Text1(13).userTyped(S(column));
            f.Command6_Click(1);
        }
    }
    for (const TextGrid *grid : {&f.cellColors, &f.cellFontColors, &f.cellFontSizes,
                                 &f.cellIchiYoko, &f.cellIchiTate, &f.cellNowraps})
        EXPECT_EQ(contents(*grid), QString());
    EXPECT_EQ(f.columnWidths.get(0), QString());
    EXPECT_EQ(f.columnWidths.get(4), QString());
    EXPECT_EQ(messages.unexpected, 0);
}

TEST_F(SetCommands, TheCloseButtonOfTheCompletionPanelHidesIt)
{
    f.Frame20.setVisible(true);
    f.Command6(6).userClicked();
    EXPECT_FALSE(f.Frame20.visible());
    EXPECT_EQ(contents(f.cellSpans), QString());
}

} // namespace
