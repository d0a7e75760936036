// The option switches and the tag-case menu items.

#include "frame/form1.h"
#include "support/ini_file.h"
#include "support/qt_printers.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(TagCaseItems, CheckedItemSwitchesToTheOtherCase)
{
    Form1 f;
    f.Form_Load();
    f.TabStrip1.userSelected(3); // the tag-case menu is the source page's
    f.RB1.setText(QStringLiteral(u"<TD>x</TD>"));
    EXPECT_TRUE(f.Mkomoji.checked());
    f.Mkomoji.userClicked(); // the checked lower-case item gives upper case
    EXPECT_EQ(f.Check2.value(), 1);
    EXPECT_TRUE(f.Moomoji.checked());
    EXPECT_FALSE(f.Mkomoji.checked());
    f.Mkomoji.userClicked();
    EXPECT_EQ(f.Check2.value(), 2);
    EXPECT_EQ(f.RB1.text(), QStringLiteral(u"<td>x</td>"));
    EXPECT_EQ(f.GetSettingIni({}, {}, QStringLiteral(u"Char"), {}), QStringLiteral(u"0"));
    f.Check2.userClicked(); // 2 -> 0: still lower case, nothing to convert
    EXPECT_EQ(f.Check2.value(), 0);
    EXPECT_TRUE(f.Mkomoji.checked());
}

TEST(StoredSwitches, EveryClickWritesTheSettingsFile)
{
    QTemporaryDir dir;
    Form1 f;
    f.settingsFolder = dir.path();
    f.Check5.userClicked();
    EXPECT_EQ(readIniFile(dir), QByteArray("Java,1\r\n"));
    f.Check4.userClicked();
    EXPECT_EQ(readIniFile(dir), QByteArray("Java,1\r\nNo,1\r\n"));
    f.Check1.userClicked();
    EXPECT_EQ(readIniFile(dir), QByteArray("Java,1\r\nNo,1\r\nGamen,1\r\n"));
    f.Check5.userClicked();
    EXPECT_EQ(readIniFile(dir), QByteArray("Java,0\r\nNo,1\r\nGamen,1\r\n"));
}

TEST(ColourSwitch, EmptyDarkEditorGetsOneWhiteBlank)
{
    Form1 f;
    f.Form_Load();
    f.Check1.userClicked(); // light
    EXPECT_EQ(f.RB1.text(), QString());
    f.Check1.userClicked(); // dark with an empty view
    EXPECT_EQ(f.RB1.text(), QStringLiteral(u" "));
    EXPECT_EQ(f.RB1.colorAt(0), 0xFFFFFFu);
    EXPECT_EQ(f.RB1.selStart(), 0);
    EXPECT_EQ(f.RB1.selLength(), 0);
    EXPECT_EQ(f.GetSettingIni({}, {}, QStringLiteral(u"Gamen"), {}), QStringLiteral(u"0"));
    f.RB1.setText(QStringLiteral(u"<b>x</b>"));
    f.Check1.userClicked();
    f.Check1.userClicked();
    EXPECT_EQ(f.RB1.text(), QStringLiteral(u"<b>x</b>"));
}

TEST(IndentSwitch, SkipGuardOnlyForARealChange)
{
    Form1 f;
    f.Form_Load();
    int handled = 0;
    f.RB1.onChange = [&] {
        if (!f.skipRb1Change)
            ++handled;
        f.RB1_Change();
    };
    f.RB1.setText(QStringLiteral(u"<table><tr><td>a</td></tr></table>"));
    handled = 0;
    f.Check3.userClicked(); // off: nothing indented yet, so nothing to remove and no guard
    EXPECT_FALSE(f.skipRb1Change);
    f.Check3.userClicked(); // on: its write is handled like any change
    EXPECT_NE(f.RB1.text(), QStringLiteral(u"<table><tr><td>a</td></tr></table>"));
    EXPECT_EQ(handled, 1);
    f.Check3.userClicked(); // off again: the tabs go, its change swallowed
    EXPECT_FALSE(f.RB1.text().contains(u'\t'));
    EXPECT_EQ(handled, 1);
    EXPECT_FALSE(f.skipRb1Change);
    f.RB1.userTyped(QStringLiteral(u"x"));
    EXPECT_EQ(handled, 2);
}

TEST(Comments, MenuItemsToggle)
{
    Form1 f;
    f.mkoment.userClicked();
    EXPECT_TRUE(f.mkoment.checked());
    f.mkoment.userClicked();
    EXPECT_FALSE(f.mkoment.checked());
    // The wrapping item: whichever element of the array is clicked, the first one's mark turns.
    f.moo(0).userClicked();
    EXPECT_TRUE(f.moo(0).checked());
    f.moo_Click(3);
    EXPECT_FALSE(f.moo(0).checked());
    EXPECT_FALSE(f.mkoment.checked());
}

} // namespace
