// The main window as it opens: every design parameter at its start value, the grids at their bounds.

#include "support/qt_printers.h"
#include "frame/form1.h"

#include <gtest/gtest.h>

namespace {

TEST(Form1Design, FreshWindowShowsTheDefaultTable)
{
    Form1 f;
    EXPECT_EQ(f.caption(), QStringLiteral(u"Morvane"));
    EXPECT_EQ(f.Text1(0).text(), QStringLiteral(u"3"));
    EXPECT_EQ(f.Text1(1).text(), QStringLiteral(u"4"));
    EXPECT_EQ(f.Text1(2).text(), QStringLiteral(u"75"));
    EXPECT_EQ(f.Text1(3).text(), QStringLiteral(u"75"));
    EXPECT_EQ(f.VScroll1(0).value(), -3);
    EXPECT_EQ(f.VScroll1(1).value(), -4);
    EXPECT_EQ(f.Combo1(0).text(), QStringLiteral(u"ﾊﾟｰｾﾝﾄ"));
    EXPECT_TRUE(f.Option10(1).value());
    EXPECT_TRUE(f.Optionichi2(1).value());
    EXPECT_TRUE(f.Option16(1).value());
    EXPECT_TRUE(f.Option11(7).value());
    EXPECT_EQ(f.Option11(7).caption(), QStringLiteral(u"外枠全て"));
    EXPECT_TRUE(f.Option12(0).value());
    EXPECT_TRUE(f.Option1(0).value());
    EXPECT_EQ(f.unitFactor, 1);
    // Border width box and spinner start out of step.
    EXPECT_EQ(f.txtwaku2(1).text(), QStringLiteral(u"10"));
    EXPECT_EQ(f.VScrollhaba.value(), -2);
    EXPECT_EQ(f.Text5(0).text(), QString());
    EXPECT_EQ(f.Text5(1).text(), QStringLiteral(u"silver"));
    EXPECT_EQ(f.Text5(2).text(), QStringLiteral(u"gray"));
    EXPECT_EQ(f.Text5(3).text(), QStringLiteral(u"#CEFFCE"));
    EXPECT_EQ(f.Text3.text(), QString());
    EXPECT_EQ(f.Text4.text(), QString());
    EXPECT_EQ(f.Text5(6).text(), QString());
    EXPECT_EQ(f.VScroll4.value(), -3);
    EXPECT_EQ(f.Text6.text(), QStringLiteral(u"$"));
    // The row-height box is empty while its spinner stands at 1.
    EXPECT_EQ(f.Text1(20).text(), QString());
    EXPECT_EQ(f.VScroll1(20).value(), -1);
    EXPECT_EQ(f.VScroll1(21).value(), 0);
    EXPECT_TRUE(f.Option9(0).value());
    EXPECT_TRUE(f.Option9(4).value());
    EXPECT_EQ(f.Option9(4).foreColor(), 0x800000u);
}

TEST(Form1Design, SelectorsAndGridsStartAtTheirBounds)
{
    Form1 f;
    for (int i : {4, 6, 8, 9, 12, 14, 16, 18, 22, 24}) {
        EXPECT_EQ(f.VScroll1(i).min(), -3) << i;
        EXPECT_EQ(f.Text1(i).text(), QStringLiteral(u"1"));
    }
    for (int i : {5, 7, 10, 11, 13, 15, 17, 19, 23, 25})
        EXPECT_EQ(f.VScroll1(i).min(), -4) << i;
    EXPECT_EQ(f.cellColors.rowUpper(), 1000);
    EXPECT_EQ(f.cellColors.columnUpper(), 4);
    EXPECT_EQ(f.rowHeights.upper(), 1000);
    EXPECT_EQ(f.columnWidths.upper(), 4);
    // Out-of-bounds reads give nothing and writes are ignored.
    EXPECT_EQ(f.cellColors.get(1001, 0), QString());
    EXPECT_FALSE(f.cellColors.set(0, 5, QStringLiteral(u"red")));
    EXPECT_EQ(f.columnWidths.get(-1), QString());
}

} // namespace
