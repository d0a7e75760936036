// The panels' reset buttons and the small clear buttons: every value of one attribute thrown away,
// the panel's selectors back on 1, the merge reset refilling the cell data.

#include "support/designer_fixture.h"
#include "support/grid_text.h"
#include "support/qt_printers.h"
#include "support/text_literal.h"

#include <gtest/gtest.h>

namespace {

using Resets = DesignerTest;

struct GridReset
{
    const char *name;
    CommandButton Form1::*button;
    TextGrid Form1::*grid;
    int rowSelector;
    bool allButtons; // the panel has "全体" buttons, and its reset enables the spinners
    TextBox *(*valueBox)(Form1 &);
};

TextBox *noBox(Form1 &)
{
    return nullptr;
}

const GridReset gridResets[] = {
    {"align", &Form1::Command1, &Form1::cellIchiYoko, 22, true, noBox},
    {"vAlign", &Form1::Command23, &Form1::cellIchiTate, 24, true, noBox},
    {"noWrap", &Form1::Command10, &Form1::cellNowraps, 12, true, noBox},
    {"fontColor", &Form1::Command13, &Form1::cellFontColors, 14, true,
     [](Form1 &f) { return &f.Text5(5); }},
    {"fontSize", &Form1::Command14, &Form1::cellFontSizes, 16, true,
     [](Form1 &f) { return &f.Text5(6); }},
    {"backColor", &Form1::Command4, &Form1::cellColors, 6, true,
     [](Form1 &f) { return &f.Text5(4); }},
    {"backImage", &Form1::Command5, &Form1::cellImages, 4, false,
     [](Form1 &f) { return &f.Text2(1); }},
    {"merge", &Form1::Command7, &Form1::cellSpans, 8, false, noBox},
};

TEST_F(Resets, EachResetEmptiesItsGridAndPutsItsSelectorsBackOnOne)
{
    for (const GridReset &c : gridResets) {
        SCOPED_TRACE(c.name);
        f.VScroll1(1).setValue(-3); // the grids then hold columns 0..3
        TextGrid &grid = f.*c.grid;
        grid.set(0, 0, S(u"x"));
        grid.set(700, 3, S(u"x")); // beyond the row count
        f.VScroll1(c.rowSelector).setValue(-2);
        f.VScroll1(c.rowSelector + 1).setValue(-3);
        if (c.allButtons) {
            f.Text1(c.rowSelector).setText(S(u"All"));
            f.VScroll1(c.rowSelector).setEnabled(false);
            f.VScroll1(c.rowSelector + 1).setEnabled(false);
        }
        if (TextBox *box = c.valueBox(f))
            box->setText(S(u"value"));
        const QString otherImages = contents(f.cellImages);

        (f.*c.button).userClicked();
        EXPECT_EQ(contents(grid), QString());
        EXPECT_EQ(grid.rowUpper(), 1000);
        EXPECT_EQ(grid.columnUpper(), 3);
        for (int i : {c.rowSelector, c.rowSelector + 1}) {
            EXPECT_EQ(f.Text1(i).text(), S(u"1")) << i;
            EXPECT_EQ(f.VScroll1(i).value(), -1) << i;
            EXPECT_TRUE(f.VScroll1(i).enabled()) << i;
        }
        if (TextBox *box = c.valueBox(f))
            EXPECT_EQ(box->text(), QString());
        if (c.grid != &Form1::cellImages)
            EXPECT_EQ(contents(f.cellImages), otherImages);
        f.VScroll1(1).setValue(-4);
    }
    // The merge panel's four selectors all go back.
    EXPECT_EQ(f.Text1(10).text() + f.Text1(11).text(), S(u"11"));
    EXPECT_EQ(messages.unexpected, 0);
}

TEST_F(Resets, AlignResetChoosesLeftThroughTheSelectorsOwnDisplay)
{
    f.cellIchiYoko.set(1, 0, S(u"Allright"));
    f.VScroll1(22).setValue(-2);
    ASSERT_EQ(f.Text1(23).text(), S(u"All"));
    log.clear();
    f.ResetCellAlign();
    EXPECT_EQ(log.text(), S(u"VScroll1_Change(22);Text1_Change(22);Option9_Click(0);"
                            u"Text1_Change(23)"));
    EXPECT_EQ(contents(f.cellIchiYoko), QString());
    EXPECT_EQ(f.Text1(22).text() + f.Text1(23).text(), S(u"11"));
    EXPECT_TRUE(f.VScroll1(23).enabled());
    EXPECT_TRUE(f.Option9(0).value());
}

TEST_F(Resets, VerticalResetChoosesMiddleAndColoursTheCaptions)
{
    f.Option9(5).setValue(true);
    f.Option9(3).setForeColor(0x0000FF);
    f.Option9(5).setForeColor(0x0000FF);
    f.cellIchiTate.set(0, 0, S(u"bottom"));
    log.clear();
    f.Command23.userClicked();
    EXPECT_EQ(log.text(), S(u"Option9_Click(4)"));
    EXPECT_TRUE(f.Option9(4).value());
    EXPECT_EQ(f.Option9(3).foreColor(), 0x800000u);
    EXPECT_EQ(f.Option9(5).foreColor(), 0x800000u);
}

TEST_F(Resets, FontResetsSetTheirBoxColours)
{
    f.Text5(5).setForeColor(0xFFFF00);
    f.Text5(6).setBackColor(0xFFFFFF);
    f.Command13.userClicked();
    f.Command14.userClicked();
    EXPECT_EQ(f.Text5(5).foreColor(), 0x00FF00u);
    EXPECT_EQ(f.Text5(6).backColor(), 0x000000u);
}

TEST_F(Resets, RowHeightsAndColumnWidthsAreResetApart)
{
    f.rowHeights.set(0, S(u"20"));
    f.rowHeights.set(999, S(u"20"));
    f.columnWidths.set(1, S(u"40"));
    f.VScroll1(18).setValue(-2);
    f.VScroll1(18).setValue(-1); // shows 20
    ASSERT_EQ(f.Text1(20).text(), S(u"20"));

    f.Command20.userClicked();
    EXPECT_EQ(contents(f.rowHeights), QString());
    EXPECT_EQ(f.rowHeights.upper(), 1000);
    EXPECT_EQ(contents(f.columnWidths), S(u"1=40"));
    EXPECT_EQ(f.Text1(20).text(), QString());
    EXPECT_EQ(f.VScroll1(20).value(), 0);

    f.rowHeights.set(2, S(u"30"));
    f.VScroll1(19).setValue(-2);
    f.Command21.userClicked();
    EXPECT_EQ(contents(f.columnWidths), QString());
    EXPECT_EQ(f.columnWidths.upper(), 1000);
    EXPECT_EQ(contents(f.rowHeights), S(u"2=30"));
    EXPECT_EQ(f.Text1(19).text(), S(u"1"));
    EXPECT_EQ(f.Text1(21).text(), QString());
    EXPECT_EQ(f.VScroll1(21).value(), 0);
}

TEST_F(Resets, MergeResetRefillsTheCellsBlankRemovalEmptied)
{
    const QString five(5, u' ');
    f.RB3.setText(S(u"[[$$a$") + five + S(u"]]\r\n[[x$$$y]]"));
    f.Command7.userClicked();
    // Of three delimiters in a row only the first pair is filled.
    EXPECT_EQ(f.RB3.text(), S(u"[[") + five + S(u"$") + five + S(u"$a$") + five + S(u"]]\r\n[[x$") +
                                five + S(u"$$y]]"));

    // A delimiter of several characters is matched whole.
    f.Text6.setText(S(u"<>"));
    f.RB3.setText(S(u"[[<><>b]]"));
    f.ResetCellMerges();
    EXPECT_EQ(f.RB3.text(), S(u"[[") + five + S(u"<>") + five + S(u"<>b]]"));

    // Without a delimiter nothing can have been emptied between cells.
    f.Text6.setText(QString());
    f.RB3.setText(S(u"[[ab]]"));
    f.ResetCellMerges();
    EXPECT_EQ(f.RB3.text(), S(u"[[ab]]"));
}

TEST_F(Resets, ClearButtonsEmptyOneBox)
{
    f.cellImages.set(0, 1, S(u"a.gif"));
    f.cellImages.set(2, 3, S(u"b.gif"));
    f.VScroll1(5).setValue(-2);
    ASSERT_EQ(f.Text2(1).text(), S(u"a.gif"));
    f.Command11.userClicked();
    EXPECT_EQ(f.Text2(1).text(), QString());
    EXPECT_EQ(contents(f.cellImages), S(u"2,3=b.gif"));

    // Selector boxes naming no cell leave the grid alone; the image box is emptied all the same.
    f.VScroll1(4).setValue(-3);
    f.VScroll1(5).setValue(-4);
    for (const char16_t *typed : {u"9", u"0", u"-2", u"abc"}) {
        f.Text2(1).setText(S(u"b.gif"));
        f.Text1(5).userTyped(S(typed));
        f.Command11.userClicked();
        EXPECT_EQ(contents(f.cellImages), S(u"2,3=b.gif"));
        EXPECT_EQ(f.Text2(1).text(), QString());
    }

    f.Text2(2).setText(S(u"table.gif"));
    f.Command12.userClicked();
    EXPECT_EQ(f.Text2(2).text(), QString());

    for (int i : {0, 1, 2, 3, 5}) {
        f.Text5(i).setText(S(u"red"));
        f.Text5(5).setForeColor(0xFFFF00);
        f.Command24(i).userClicked();
        EXPECT_EQ(f.Text5(i).text(), QString()) << i;
        EXPECT_EQ(f.Text5(5).foreColor(), 0x00FF00u) << i;
    }
    f.Text5(4).setText(S(u"red"));
    f.Text5(5).setForeColor(0xFFFF00);
    f.Command26.userClicked();
    EXPECT_EQ(f.Text5(4).text(), QString());
    EXPECT_EQ(f.Text5(5).foreColor(), 0xFFFF00u);
}

} // namespace
