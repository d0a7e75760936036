// Clear-all: every table-wide parameter and panel value back to its default through its control,
// every attribute grid emptied, a fresh template in the cell data; what it leaves alone.

#include "frame/form1.h"
#include "support/form_state.h"
#include "support/grid_text.h"
#include "support/handler_log.h"
#include "support/qt_printers.h"
#include "support/scripted_services.h"
#include "support/text_literal.h"

#include <gtest/gtest.h>

namespace {

class ClearAll : public ::testing::Test
{
protected:
    ScriptedMessages messages;
    Form1 f{Services{&messages}};
    HandlerLog log{f, &messages};

    // A design that differs from the defaults wherever clear-all acts, and where it does not.
    void changeEverything()
    {
        f.BuildRowTemplate();
        f.Txttit.setText(S(u"時間割"));
        f.Option16(0).setValue(true);
        f.Text2(0).setText(S(u"/web/"));
        f.VScroll1(0).setValue(-5);
        f.VScroll1(1).setValue(-6);
        f.VScroll1(2).setValue(-50);
        f.VScroll1(3).setValue(-60);
        f.Combo1(0).setText(S(u"mm"));
        for (TextGrid *grid :
             {&f.cellImages, &f.cellColors, &f.cellSpans, &f.cellNowraps, &f.cellFontColors,
              &f.cellFontSizes, &f.cellIchiTate, &f.cellIchiYoko}) {
            grid->set(0, 0, S(u"x"));
            grid->set(900, 5, S(u"x"));
        }
        f.rowHeights.set(4, S(u"20"));
        f.columnWidths.set(5, S(u"40"));
        f.Option10(3).setValue(true);
        f.Optionichi2(2).setValue(true);
        f.Option1(1).setValue(true);
        f.VScrollhaba.setValue(-7);
        f.Text5(0).setText(S(u"red"));
        f.Text5(1).setText(S(u"white"));
        f.Text5(2).setText(S(u"black"));
        f.Text5(3).setText(S(u"blue"));
        f.VScroll6.setValue(-4);
        f.VScroll5.setValue(-3);
        f.Option11(2).setValue(true);
        f.Option12(3).setValue(true);
        f.Text2(2).setText(S(u"table.gif"));
        f.Text2(1).setText(S(u"cell.gif"));
        f.VScroll1(6).setValue(-3);
        f.VScroll1(25).setValue(-2);
        f.MarkSelectorAll(2);
        f.Text1(20).setText(S(u"15"));
        f.Text5(4).setText(S(u"lime"));

        f.Text6.setText(S(u"#"));
        f.VScroll2.setValue(-2);
        f.VScroll3.setValue(-3);
        f.Text5(5).setText(S(u"navy"));
        f.Text5(6).setText(S(u"6"));
        f.Option9(2).setValue(true);
        f.Option9(5).setValue(true);
        f.htmlFolder = S(u"/web");
        f.htmlFileName = S(u"$html$.html");
        f.fileTexts << S(u"inserted");
        f.Check4.setValue(1);
        f.TabStrip1.selectTab(3); // the source page, made anew
        f.RB1.setText(S(u"<table></table>"));
        f.BuildRowTemplate(); // template only: the counts will ask nothing
        log.clear();
    }
};

TEST_F(ClearAll, RunsItsStepsInOrderThroughTheControls)
{
    changeEverything();
    f.Command27.userClicked();
    // Caption; home page box; the counts (each selector not on 1 runs its display), width and
    // height; the resets; heading, position, unit, border; colours; padding and spacing (its box
    // shows 0, then nothing); frame and rules; images and cell data; the selectors (already on 1
    // after the resets); the template.
    EXPECT_EQ(log.text(),
              S(u"Txttit_Change;Option16_Click(1);Text2_Change(0);"
                u"VScroll1_Change(0);Text1_Change(0);Text1_Change(6);VScroll1_Change(6);"
                u"Text5_Change(4);Text1_Change(12);Text1_Change(25);VScroll1_Change(25);"
                u"Option9_Click(4);RB3_Change;"
                u"VScroll1_Change(1);Text1_Change(1);RB3_Change;"
                u"VScroll1_Change(2);Text1_Change(2);VScroll1_Change(3);Text1_Change(3);"
                u"Text5_Change(5);Text5_Change(6);Option9_Click(0);"
                u"VScroll1_Change(20);Text1_Change(20);Text1_Change(20);Text5_Change(4);"
                u"Text2_Change(1);Option10_Click(1);Optionichi2_Click(1);Option1_Click(0);"
                u"VScrollhaba_Change;"
                u"Text5_Change(0);Text5_Change(1);Text5_Change(2);Text5_Change(3);"
                u"Text4_Change;VScroll5_Change;Text3_Change;Text3_Change;Option11_Click(7);"
                u"Option12_Click(0);Text2_Change(2);RB3_Change;RB3_Change"));
    EXPECT_EQ(messages.prompts.size(), 0);
}

TEST_F(ClearAll, LeavesTheDefaultsAndEmptyGrids)
{
    changeEverything();
    f.ClearAllSettings();

    EXPECT_EQ(f.Txttit.text(), QString());
    EXPECT_TRUE(f.Option16(1).value());
    EXPECT_EQ(f.Text2(0).text(), QString());
    for (auto [i, number] : {std::pair{0, 3}, {1, 4}, {2, 75}, {3, 75}}) {
        EXPECT_EQ(f.VScroll1(i).value(), -number);
        EXPECT_EQ(f.Text1(i).text(), QString::number(number));
    }
    EXPECT_EQ(f.Combo1(0).text(), S(u"ﾊﾟｰｾﾝﾄ"));
    EXPECT_TRUE(f.Option10(1).value());
    EXPECT_TRUE(f.Optionichi2(1).value());
    EXPECT_TRUE(f.Option1(0).value());
    EXPECT_DOUBLE_EQ(f.unitFactor, 1);
    EXPECT_EQ(f.VScrollhaba.value(), -2);
    EXPECT_EQ(f.txtwaku2(1).text(), S(u"2"));
    EXPECT_EQ(f.Text5(0).text(), QString());
    EXPECT_EQ(f.Text5(1).text(), S(u"silver"));
    EXPECT_EQ(f.Text5(2).text(), S(u"gray"));
    EXPECT_EQ(f.Text5(3).text(), S(u"#CEFFCE"));
    EXPECT_EQ(f.Text4.text(), QString());
    EXPECT_EQ(f.VScroll5.value(), 0);
    EXPECT_TRUE(f.Option11(7).value());
    EXPECT_TRUE(f.Option12(0).value());
    EXPECT_EQ(f.Text2(2).text(), QString());
    EXPECT_EQ(f.Text2(1).text(), QString());
    EXPECT_EQ(f.Text5(4).text(), QString());

    for (const TextGrid *grid :
         {&f.cellImages, &f.cellColors, &f.cellSpans, &f.cellNowraps, &f.cellFontColors,
          &f.cellFontSizes, &f.cellIchiTate, &f.cellIchiYoko}) {
        EXPECT_EQ(contents(*grid), QString());
        EXPECT_EQ(grid->rowUpper(), 1000);
        EXPECT_EQ(grid->columnUpper(), 4);
    }
    EXPECT_EQ(contents(f.rowHeights), QString());
    EXPECT_EQ(contents(f.columnWidths), QString());
    for (int i = 4; i <= 25; ++i) {
        const bool value = i == 20 || i == 21;
        EXPECT_EQ(f.VScroll1(i).value(), value ? 0 : -1) << i;
        EXPECT_EQ(f.Text1(i).text(), value ? QString() : S(u"1")) << i;
        EXPECT_TRUE(f.VScroll1(i).enabled()) << i;
    }
    EXPECT_EQ(f.RB3.text(), S(u"[[     #     #     #     ]]\r\n").repeated(3) + QString(25, u' '));
    EXPECT_FALSE(f.RB2.visible());
    EXPECT_TRUE(f.framesub(17).visible());
    EXPECT_FALSE(f.RB1.visible());
    EXPECT_FALSE(f.WebBrowser1.visible());
}

TEST_F(ClearAll, LeavesAloneWhatIsNotTheTablesDesign)
{
    changeEverything();
    f.ClearAllSettings();
    EXPECT_EQ(f.Text6.text(), S(u"#"));
    EXPECT_EQ(f.Txttatek.text(), S(u"2"));
    EXPECT_EQ(f.Txtyokok.text(), S(u"3"));
    EXPECT_EQ(f.VScroll6.value(), -4);       // the padding spinner; only its box is emptied
    EXPECT_EQ(f.Text3.text(), QString());    // the spacing box follows its spinner's change to 0
    EXPECT_EQ(f.Text5(5).text(), QString()); // emptied by the font-colour reset
    EXPECT_TRUE(f.Option9(0).value());       // chosen by the alignment reset
    EXPECT_TRUE(f.Option9(4).value());
    EXPECT_EQ(f.htmlFolder, S(u"/web"));
    EXPECT_EQ(f.htmlFileName, S(u"$html$.html"));
    EXPECT_EQ(f.fileTexts, (QStringList{QString(), S(u"inserted")}));
    EXPECT_EQ(f.Check4.value(), 1);
    EXPECT_EQ(f.RB1.text(), S(u"<table></table>"));
    EXPECT_EQ(f.TabStrip1.selectedTab(), 3);
}

TEST_F(ClearAll, TheBorderBoxShowsTwoOnlyWhenItsSpinnerMoves)
{
    f.BuildRowTemplate();
    f.ClearAllSettings();
    EXPECT_EQ(f.txtwaku2(1).text(), S(u"10"));
    f.VScrollhaba.setValue(-5);
    f.ClearAllSettings();
    EXPECT_EQ(f.txtwaku2(1).text(), S(u"2"));
}

// A CSV import empties the size boxes while their spinners stay on 75, and a refused count stays
// typed over its spinner: clear-all still shows the default size and counts, and the table made
// afterwards has its default width again.
TEST_F(ClearAll, BoxesOverRefusedTextShowTheDefaultsAgain)
{
    f.BuildRowTemplate();
    f.Text1(2).setText(QString());
    f.Text1(3).setText(QString());
    f.Text1(1).setText(S(u"abc"));
    ASSERT_EQ(f.VScroll1(2).value(), -75);
    ASSERT_EQ(f.VScroll1(1).value(), -4);
    f.ClearAllSettings();
    EXPECT_EQ(f.Text1(0).text() + u',' + f.Text1(1).text() + u',' + f.Text1(2).text() + u',' +
                  f.Text1(3).text(),
              S(u"3,4,75,75"));
    f.MakeTableSource();
    EXPECT_TRUE(f.RB1.text().contains(S(u" width=\"75%\" height=\"75%\"")))
        << qPrintable(f.RB1.text().left(200));
    EXPECT_EQ(messages.unexpected, 0);
}

// Typed cell data is asked about once, before anything changes: No keeps the whole design, the
// cell data with it; Yes clears it all without a second question, even when the counts already
// stand on their defaults and no count change would ask.
TEST_F(ClearAll, TypedCellDataIsAskedAboutOnceBeforeAnythingChanges)
{
    changeEverything();
    f.RB3.setText(S(u"[[ 月 # 火 ]]\r\n"));
    const QStringList before = formState(f);
    log.clear();
    messages.answers = {msgbox::No};
    f.ClearAllSettings();
    EXPECT_EQ(log.text(), S(u"MsgBox"));
    EXPECT_EQ(formState(f), before);

    log.clear();
    messages.answers = {msgbox::Yes};
    f.ClearAllSettings();
    EXPECT_EQ(messages.prompts.size(), 2);
    EXPECT_TRUE(log.text().startsWith(S(u"MsgBox;RB3_Change;Txttit_Change;")))
        << qPrintable(log.text());
    EXPECT_EQ(f.Txttit.text(), QString());
    EXPECT_EQ(f.rowCount(), 3);
    EXPECT_EQ(f.columnCount(), 4);
    EXPECT_EQ(contents(f.cellImages), QString());
    EXPECT_EQ(f.RB3.text(), S(u"[[     #     #     #     ]]\r\n").repeated(3) + QString(25, u' '));

    f.RB3.setText(S(u"[[ 水 ]]"));
    messages.answers = {msgbox::No};
    f.Txttit.setText(S(u"kept"));
    f.ClearAllSettings();
    EXPECT_EQ(f.RB3.text(), S(u"[[ 水 ]]"));
    EXPECT_EQ(f.Txttit.text(), S(u"kept"));
    messages.answers = {msgbox::Yes};
    f.ClearAllSettings();
    EXPECT_EQ(messages.prompts.size(), 4);
    EXPECT_EQ(f.Txttit.text(), QString());
    EXPECT_EQ(f.RB3.text(), S(u"[[     #     #     #     ]]\r\n").repeated(3) + QString(25, u' '));
    EXPECT_EQ(messages.unexpected, 0);
}

} // namespace
