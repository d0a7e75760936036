// Spinner pairs and the row/column count change: the question before typed data is lost, the grids
// re-bounded keeping what they can, the selectors re-ranged, the template rebuilt. Cascades are
// compared as whole handler logs.

#include "controls/strings.h"
#include "support/designer_fixture.h"
#include "support/qt_printers.h"
#include "support/text_literal.h"

#include <gtest/gtest.h>

namespace {

using CountChange = DesignerTest;

TEST_F(CountChange, TemplateOnlyAsksNothingAndPutsTheSelectorsBackOnOne)
{
    f.VScroll1(6).setValue(-3);
    f.VScroll1(7).setValue(-4);
    log.clear();
    f.VScroll1(1).setValue(-2);
    // Each selector not on 1 is put back through its box, and runs its own display there; one
    // beyond the new count is first moved onto it.
    EXPECT_EQ(log.text(),
              S(u"VScroll1_Change(1);Text1_Change(1);Text1_Change(6);VScroll1_Change(6);"
                u"VScroll1_Change(7);Text1_Change(7);Text1_Change(7);VScroll1_Change(7);"
                u"RB3_Change"));
    EXPECT_EQ(messages.prompts.size(), 0);
    EXPECT_EQ(f.Text1(1).text(), S(u"2"));
    EXPECT_EQ(f.RB3.text(), S(u"[[     $     ]]\r\n").repeated(3) + QString(25, u' '));
    EXPECT_EQ(f.VScroll1(5).min(), -2);
    EXPECT_EQ(f.VScroll1(4).min(), -3);
    EXPECT_EQ(f.VScroll1(7).value(), -1);
    EXPECT_EQ(f.Text1(7).text(), S(u"1"));
    EXPECT_EQ(f.cellColors.columnUpper(), 2);
    EXPECT_EQ(f.columnWidths.upper(), 2);
    EXPECT_EQ(f.rowHeights.upper(), 1000);
}

TEST_F(CountChange, TypedDataAsksYesEmptiesItAndRebuilds)
{
    f.RB3.setText(S(u"[[a$b]]\r\n"));
    log.clear();
    messages.answers = {msgbox::Yes};
    f.VScroll1(0).setValue(-2);
    EXPECT_EQ(log.text(), S(u"VScroll1_Change(0);MsgBox;RB3_Change;Text1_Change(0);RB3_Change"));
    ASSERT_EQ(messages.prompts.size(), 1);
    EXPECT_EQ(messages.prompts[0],
              S(u"現在埋め込みデータ－が有ります、データ－を消去しても宜しいですか？"));
    EXPECT_EQ(messages.styles[0], msgbox::YesNo);
    EXPECT_EQ(f.Text1(0).text(), S(u"2"));
    EXPECT_EQ(f.VScroll1(4).min(), -2);
    EXPECT_EQ(f.RB3.text(), S(u"[[     $     $     $     ]]\r\n").repeated(2) + QString(25, u' '));
}

TEST_F(CountChange, NoLeavesEverythingAndPutsTheSpinnerBackQuietly)
{
    f.RB3.setText(S(u"[[a$b]]\r\n"));
    log.clear();
    messages.answers = {msgbox::No};
    f.VScroll1(0).setValue(-5);
    // The second change is the spinner going back; its handler ignores it.
    EXPECT_EQ(log.text(), S(u"VScroll1_Change(0);MsgBox;VScroll1_Change(0)"));
    EXPECT_EQ(messages.prompts.size(), 1);
    EXPECT_EQ(f.RB3.text(), S(u"[[a$b]]\r\n"));
    EXPECT_EQ(f.Text1(0).text(), S(u"3"));
    EXPECT_EQ(f.VScroll1(0).value(), -3);
    EXPECT_EQ(f.VScroll1(4).min(), -3);
    EXPECT_EQ(f.rowCount(), 3);

    // A count typed into the box goes back as well.
    log.clear();
    messages.answers = {msgbox::No};
    f.Text1(1).userTyped(S(u"6"));
    EXPECT_EQ(log.text(), S(u"Text1_Change(1);VScroll1_Change(1);MsgBox;VScroll1_Change(1);"
                            u"Text1_Change(1)"));
    EXPECT_EQ(f.Text1(1).text(), S(u"4"));
    EXPECT_EQ(f.VScroll1(1).value(), -4);
    EXPECT_EQ(f.cellColors.columnUpper(), 4);
    EXPECT_EQ(messages.unexpected, 0);
}

// The grids run to one spare column past the count: lowered to two columns they keep grid column
// 2, the user's column 3, whose attributes come back with it; column 4 (grid column 3) loses them.
TEST_F(CountChange, FourToTwoToFourColumnsKeepsColumnThreeLosesColumnFourKeepsRows)
{
    f.cellColors.set(0, 2, S(u"green"));
    f.cellIchiYoko.set(1, 2, S(u"center"));
    f.columnWidths.set(2, S(u"25"));
    f.cellColors.set(0, 3, S(u"red"));
    f.cellIchiYoko.set(1, 3, S(u"right"));
    f.cellColors.set(2, 0, S(u"blue"));
    f.columnWidths.set(3, S(u"40"));
    f.rowHeights.set(2, S(u"30"));
    f.VScroll1(1).setValue(-2);
    f.VScroll1(0).setValue(-1);
    f.VScroll1(1).setValue(-4);
    f.VScroll1(0).setValue(-3);
    EXPECT_EQ(log.text(), S(u"VScroll1_Change(1);Text1_Change(1);RB3_Change;"
                            u"VScroll1_Change(0);Text1_Change(0);RB3_Change;"
                            u"VScroll1_Change(1);Text1_Change(1);RB3_Change;"
                            u"VScroll1_Change(0);Text1_Change(0);RB3_Change"));
    EXPECT_EQ(f.cellColors.get(0, 2), S(u"green"));
    EXPECT_EQ(f.cellIchiYoko.get(1, 2), S(u"center"));
    EXPECT_EQ(f.columnWidths.get(2), S(u"25"));
    EXPECT_EQ(f.cellColors.get(0, 3), QString());
    EXPECT_EQ(f.cellIchiYoko.get(1, 3), QString());
    EXPECT_EQ(f.columnWidths.get(3), QString());
    EXPECT_EQ(f.cellColors.get(2, 0), S(u"blue"));
    EXPECT_EQ(f.rowHeights.get(2), S(u"30"));
    EXPECT_EQ(f.cellIchiYoko.columnUpper(), 4);
}

TEST_F(CountChange, ASelectorTheNewCountMovesShowsItsNewRow)
{
    f.cellImages.set(0, 0, S(u"a.gif"));
    f.cellImages.set(1, 0, S(u"b.gif"));
    f.rowHeights.set(0, S(u"10"));
    f.rowHeights.set(1, S(u"20"));
    f.cellFontSizes.set(0, 0, S(u"1"));
    f.cellFontSizes.set(1, 0, S(u"5"));
    for (int selector : {4, 16, 18})
        f.VScroll1(selector).setValue(-2);
    ASSERT_EQ(f.Text2(1).text(), S(u"b.gif"));
    log.clear();
    // One row left: the selectors land on row 1, and each shows what row 1 holds.
    f.VScroll1(0).setValue(-1);
    EXPECT_EQ(f.Text1(4).text(), S(u"1"));
    EXPECT_EQ(f.Text2(1).text(), S(u"a.gif"));
    EXPECT_EQ(f.Text1(20).text(), S(u"10"));
    EXPECT_EQ(f.Text5(6).text(), S(u"1"));
    EXPECT_TRUE(log.text().contains(S(u"VScroll1_Change(4);")));
}

TEST_F(CountChange, ARefusedBoxTextNeverSizesTheGridsOrTheTemplate)
{
    // The column box holds text its spinner refused; a row change goes by the spinner.
    for (const char16_t *typed : {u"abc", u"99999999999", u"99999999999999999999.5"}) {
        f.Text1(1).userTyped(S(typed));
        f.VScroll1(0).setValue(f.VScroll1(0).value() == -2 ? -1 : -2);
        EXPECT_EQ(f.cellColors.columnUpper(), 4);
        EXPECT_EQ(f.columnWidths.upper(), 4);
        EXPECT_EQ(f.VScroll1(5).min(), -4);
        EXPECT_EQ(strings::split(f.RB3.text(), S(u"\r\n")).first(),
                  S(u"[[     $     $     $     ]]"));
    }
}

TEST(Spinners, BoxesPushTypedNumbersIntoTheirSpinner)
{
    Form1 f;
    f.Text1(0).setText(S(u"12"));
    EXPECT_EQ(f.VScroll1(0).value(), -12);
    for (const char16_t *refused : {u"0", u"1001", u"All", u""}) {
        f.Text1(0).setText(S(refused));
        EXPECT_EQ(f.VScroll1(0).value(), -12);
    }
    f.Text1(2).setText(S(u"2.5"));
    EXPECT_EQ(f.VScroll1(2).value(), -2);
    f.Text1(2).setText(S(u"3.5"));
    EXPECT_EQ(f.VScroll1(2).value(), -4);
    f.Text1(2).setText(S(u"12abc"));
    EXPECT_EQ(f.VScroll1(2).value(), -12);
    f.Text1(20).setText(S(u"0"));
    EXPECT_EQ(f.VScroll1(20).value(), 0);
}

TEST(Spinners, SizesAndValuesOnlyRefreshTheirBox)
{
    Form1 f;
    HandlerLog log{f};
    for (int i : {2, 3, 20, 21})
        f.VScroll1(i).setValue(-9);
    EXPECT_EQ(log.text(), S(u"VScroll1_Change(2);Text1_Change(2);VScroll1_Change(3);"
                            u"Text1_Change(3);VScroll1_Change(20);Text1_Change(20);"
                            u"VScroll1_Change(21);Text1_Change(21)"));
    for (int i : {2, 3, 20, 21})
        EXPECT_EQ(f.Text1(i).text(), S(u"9"));
}

TEST(Spinners, SingleSpinnersWriteTheirBox)
{
    Form1 f;
    f.VScroll4.setValue(0);
    EXPECT_EQ(f.Text5(6).text(), QString());
    f.VScroll4.setValue(-3);
    EXPECT_EQ(f.Text5(6).text(), S(u"3"));
    f.VScroll5.setValue(-1);
    f.VScroll5.setValue(0);
    EXPECT_EQ(f.Text3.text(), QString());
    f.VScroll2.setValue(-1);
    f.VScroll2.setValue(0);
    EXPECT_EQ(f.Txttatek.text(), S(u"0"));
    f.txtwaku2(1).setText(S(u"5"));
    EXPECT_EQ(f.VScrollhaba.value(), -2);
    f.VScrollhaba.userStep(-1);
    EXPECT_EQ(f.txtwaku2(1).text(), S(u"3"));
    f.Option1(1).setValue(true);
    EXPECT_DOUBLE_EQ(f.unitFactor, 0.35);
    f.Option1(0).setValue(true);
    EXPECT_DOUBLE_EQ(f.unitFactor, 1);
}

TEST(RowTemplate, ShapesAndDelimiters)
{
    Form1 f;
    f.Text1(0).setText(S(u"1"));
    f.Text1(1).setText(S(u"1"));
    f.BuildRowTemplate();
    EXPECT_EQ(f.RB3.text(), S(u"[[     ]]\r\n") + QString(25, u' '));

    f.Text1(1).setText(S(u"3"));
    f.Text6.setText(S(u"<>"));
    f.BuildRowTemplate();
    EXPECT_EQ(f.RB3.text(), S(u"[[     <>     <>     ]]\r\n") + QString(25, u' '));

    f.Text6.setText(QString());
    f.BuildRowTemplate();
    EXPECT_EQ(f.RB3.text(), S(u"[[               ]]\r\n") + QString(25, u' '));
}

TEST(RowTemplate, EmptyDelimiterRemovesNothingInTheQuestionCheck)
{
    ScriptedMessages messages;
    Form1 f({&messages});
    f.Text6.setText(QString());
    f.BuildRowTemplate();
    f.VScroll1(0).setValue(-4);
    EXPECT_EQ(messages.prompts.size(), 0);
    f.RB3.setText(S(u"[[ x ]]"));
    messages.answers = {msgbox::No};
    f.VScroll1(0).setValue(-5);
    EXPECT_EQ(messages.prompts.size(), 1);
}

} // namespace
