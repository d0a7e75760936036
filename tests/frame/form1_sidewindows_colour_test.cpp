// The colour picker as a side window of the main window: opened from the View menu, unloaded by a
// title-bar close (and opened afresh keeping its target), and closed with the other side windows.

#include "support/qt_printers.h"
#include "support/window_fixture.h"

#include <gtest/gtest.h>

namespace {

using ColourPickerWindow = WindowLogTest;

TEST_F(ColourPickerWindow, ViewMenuOpensThePickerWhichFillsTheFirstBoxUntilAButtonNamesOne)
{
    EXPECT_FALSE(f.FomColorWindow.isLoaded());
    f.hymm.setVisible(true);
    EXPECT_EQ(f.hym1(3).caption(), QStringLiteral(u"カラーTessikを表示"));
    f.hym1(3).userClicked();
    ASSERT_TRUE(f.FomColorWindow.isLoaded());
    FomColor &picker = f.FomColorWindow.get();
    EXPECT_TRUE(picker.visible());
    picker.Text6(1).userClicked();
    picker.Command3.userClicked();
    EXPECT_EQ(f.Text5(0).text(), QStringLiteral(u"blue"));

    f.Command30(3).userClicked();
    picker.Command2.userClicked();
    f.hym1(3).userClicked();
    picker.Text6(8).userDoubleClicked();
    EXPECT_EQ(f.Text5(3).text(), QStringLiteral(u"black"));
    EXPECT_EQ(windows.log, QStringLiteral(u"show(FomColor);"));
}

TEST_F(ColourPickerWindow, ATitleBarCloseStartsThePickerAfreshButKeepsItsTarget)
{
    f.Command30(4).userClicked();
    FomColor *first = &f.FomColorWindow.get();
    first->Option1.userClicked();
    first->HScroll1(0).setValue(90);
    first->Check1.setValue(0);
    first->Option3.userClicked();
    first->Picture1.userDragDrop(first->Text5(20), 0, 0);
    ASSERT_TRUE(first->palette.mixHasColor);

    ASSERT_TRUE(first->userClosing());
    first->userClosed();
    EXPECT_FALSE(f.FomColorWindow.isLoaded());

    f.ShowColourPicker();
    FomColor &again = f.FomColorWindow.get();
    EXPECT_TRUE(again.visible());
    EXPECT_TRUE(again.Option2.value());
    EXPECT_EQ(QStringLiteral(u"%1x%2").arg(again.width()).arg(again.height()),
              QStringLiteral(u"6200x6050"));
    EXPECT_EQ(again.HScroll1(0).value(), 0);
    EXPECT_EQ(again.Check1.value(), 1);
    EXPECT_FALSE(again.palette.mixHasColor);
    EXPECT_EQ(again.Shape1.fillColor(), 0xFFFFFFu);
    EXPECT_EQ(again.Text1.count() + again.Text5.count(), 2);
    EXPECT_TRUE(again.Text3.text().isEmpty());
    again.Text6(2).userDoubleClicked();
    EXPECT_EQ(f.Text5(4).text(), QStringLiteral(u"aqua"));
    EXPECT_EQ(windows.log,
              QStringLiteral(u"show(FomColor);release(FomColor);show(FomColor);"));
}

TEST_F(ColourPickerWindow, UnloadingTheSideWindowsClosesALoadedPickerOnly)
{
    f.unloadSideWindows();
    EXPECT_TRUE(windows.log.isEmpty());
    f.ShowColourPicker();
    f.unloadSideWindows();
    EXPECT_FALSE(f.FomColorWindow.isLoaded());
    EXPECT_EQ(windows.log, QStringLiteral(u"show(FomColor);release(FomColor);"));
}

} // namespace
