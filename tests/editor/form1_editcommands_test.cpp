// The editing commands: tags in the option's case, the target view, the skip guard, the font.

#include "frame/form1.h"
#include "support/qt_printers.h"
#include "support/scripted_services.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class EditCommands : public ::testing::Test
{
protected:
    ScriptedClipboard clipboard;
    ScriptedFonts fonts;
    Services services = [this] {
        Services s;
        s.clipboard = &clipboard;
        s.fonts = &fonts;
        return s;
    }();
    Form1 f{services};
    int handled = 0;
    void SetUp() override
    {
        f.framesub(17).setVisible(false); // the source page: commands act on RB1
        f.RB1.setText(QStringLiteral(u"xabcx"));
        f.RB1.clearUndo(); // the text the test starts from
        // Count the change events that get past the guard.
        f.RB1.onChange = [this] {
            const bool swallowed = f.skipRb1Change;
            f.RB1_Change();
            if (!swallowed)
                ++handled;
        };
        handled = 0;
    }
    void select(int start, int length)
    {
        f.RB1.setSelStart(start);
        f.RB1.setSelLength(length);
    }
};

TEST_F(EditCommands, TagsFollowTheCaseOption)
{
    f.Check2.setValue(1);
    handled = 0;
    select(1, 3);
    f.mm_Click(1);
    EXPECT_EQ(f.RB1.text(), QStringLiteral(u"x<B>abc</B>x"));
    EXPECT_EQ(f.RB1.selStart(), 11);
    f.Check2.setValue(2);
    f.RB1.setText(QStringLiteral(u"abc"));
    handled = 0;
    select(0, 3);
    f.mm_Click(2); // a lone tag goes in front and the text is no longer selected
    EXPECT_EQ(f.RB1.text(), QStringLiteral(u"<br>abc"));
    EXPECT_EQ(f.RB1.selStart(), 4);
    EXPECT_EQ(f.RB1.selLength(), 0);
    EXPECT_EQ(handled, 0); // every command's change was swallowed
    f.Check2.setValue(1);  // converts what is there; a change like any other
    EXPECT_EQ(f.RB1.text(), QStringLiteral(u"<BR>abc"));
    handled = 0;
    select(0, 0);
    f.mm_Click(3);
    EXPECT_EQ(f.RB1.text(), QStringLiteral(u"<FONT SIZE=\"3\" COLOR=\"\"></FONT><BR>abc"));
    f.mm_Click(6); // a character reference keeps its case: "&NBSP;" is none
    EXPECT_EQ(f.RB1.text(), QStringLiteral(u"<FONT SIZE=\"3\" COLOR=\"\"></FONT>&nbsp;<BR>abc"));
    f.mm_Click(7); // outside the menu: nothing
    EXPECT_EQ(handled, 0); // every command's change was swallowed
    EXPECT_FALSE(f.skipRb1Change);
}

// 0 is the state after every normal start, with "全て小文字で" checked: lower case, as for 2.
TEST_F(EditCommands, ClearedCaseOptionMeansLowerCase)
{
    f.Check2.setValue(0);
    select(1, 3);
    f.mm_Click(1);
    EXPECT_EQ(f.RB1.text(), QStringLiteral(u"x<b>abc</b>x"));
    f.mm_Click(6);
    EXPECT_EQ(f.RB1.text(), QStringLiteral(u"x<b>abc</b>&nbsp;x"));
}

TEST_F(EditCommands, WrappedSelectionKeepsItsBlankLines)
{
    f.Check2.setValue(2);
    f.RB1.setText(QStringLiteral(u"a\r\n\r\nb"));
    select(0, 6);
    f.mm_Click(4);
    EXPECT_EQ(f.RB1.text(), QStringLiteral(u"<p>a\r\n\r\nb</p>"));
}

TEST_F(EditCommands, SettingsPageTargetsTheCellData)
{
    f.framesub(17).setVisible(true);
    f.RB3.setText(QStringLiteral(u"[[a$b]]"));
    f.RB3.setSelStart(2);
    f.RB3.setSelLength(1);
    f.Check2.setValue(2);
    f.mm_Click(1);
    EXPECT_EQ(f.RB3.text(), QStringLiteral(u"[[<b>a</b>$b]]"));
    EXPECT_EQ(f.RB1.text(), QStringLiteral(u"xabcx"));
    // Undo in RB3 leaves no guard behind: the next RB1 keystroke is handled.
    f.RB3.userTyped(QStringLiteral(u"z"));
    f.med11_Click();
    EXPECT_FALSE(f.skipRb1Change);
    f.RB1.userTyped(QStringLiteral(u"k"));
    EXPECT_EQ(handled, 1);
}

TEST_F(EditCommands, UndoCutCopyPasteAndTheGuard)
{
    select(5, 0);
    f.RB1.userTyped(QStringLiteral(u"y"));
    EXPECT_EQ(handled, 1);
    f.med11_Click();
    EXPECT_EQ(f.RB1.text(), QStringLiteral(u"xabcx"));
    EXPECT_EQ(handled, 1); // the undo's change was swallowed
    f.med11_Click();       // nothing left to undo: silently nothing
    select(1, 3);
    f.med2_Click(1);       // copy
    EXPECT_EQ(clipboard.content, QStringLiteral(u"abc"));
    EXPECT_FALSE(f.skipRb1Change);
    f.med2_Click(0);       // cut
    EXPECT_EQ(f.RB1.text(), QStringLiteral(u"xx"));
    select(1, 0);
    f.med2_Click(2);       // paste
    EXPECT_EQ(f.RB1.text(), QStringLiteral(u"xabcx"));
    EXPECT_EQ(handled, 1);
    f.med2_Click(9);
    EXPECT_FALSE(f.skipRb1Change);
    f.RB1.userTyped(QStringLiteral(u"!"));
    EXPECT_EQ(handled, 2);
}

TEST_F(EditCommands, FontChoiceAndCancel)
{
    QTemporaryDir dir;
    f.settingsFolder = dir.path();
    Font bold = f.RB1.font();
    bold.name = QStringLiteral(u"IPAGothic");
    bold.size = 10.5;
    bold.bold = true;
    bold.italic = true;
    fonts.answer = bold;
    f.Command18.userClicked();
    EXPECT_TRUE(fonts.fixedOnly);
    EXPECT_TRUE(f.RB1.font().bold);
    EXPECT_FALSE(f.RB3.font().bold); // style goes to the source view only
    EXPECT_EQ(f.RB3.font().name, QStringLiteral(u"IPAGothic"));
    EXPECT_EQ(f.RB3.font().size, 10.5);
    EXPECT_EQ(f.GetSettingIni({}, {}, QStringLiteral(u"FontSize"), {}), QStringLiteral(u"10.5"));
    EXPECT_EQ(f.GetSettingIni({}, {}, QStringLiteral(u"FontBold"), {}), QStringLiteral(u"True"));
    fonts.answer.reset();
    f.Command18.userClicked();
    EXPECT_TRUE(f.RB1.font().bold);
    EXPECT_EQ(fonts.shown.back(), f.RB1.font()); // it opens on the view's font, style included

    // Accepted as it opened, the dialog changes nothing: no font is applied, nothing is stored.
    Font cell = f.RB3.font();
    cell.size = 12;
    f.RB3.setFont(cell);
    f.SaveSettingIni({}, {}, QStringLiteral(u"FontBold"), QStringLiteral(u"stored"));
    fonts.answer = f.RB1.font();
    f.Command18.userClicked();
    EXPECT_EQ(f.RB3.font(), cell);
    EXPECT_EQ(f.GetSettingIni({}, {}, QStringLiteral(u"FontBold"), {}), QStringLiteral(u"stored"));
}

} // namespace
