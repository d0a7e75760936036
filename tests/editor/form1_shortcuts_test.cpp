// The main window's own keys: block indentation with Tab and Shift+Tab, F5 between the pages, Esc
// for the completion lists, Alt+X for the View menu.

#include "frame/form1.h"
#include "support/keyboard.h"
#include "support/qt_printers.h"
#include "support/scripted_services.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class Shortcuts : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    Form1 f;
    Keyboard keyboard{f};
    QStringList log;
    void SetUp() override
    {
        f.settingsFolder = dir.path();
        f.workFolder = dir.path();
        f.Form_Load();
        f.TabStrip1.selectTab(3);
        f.RB1.setFocus();
    }
    void select(const QString &text, int start, int length)
    {
        f.RB1.setText(text);
        f.RB1.setSelStart(start);
        f.RB1.setSelLength(length);
    }
};

TEST_F(Shortcuts, TabIndentsAndShiftTabUnindentsTheSelectedBlock)
{
    struct Case
    {
        QString text;
        int start;
        int length;
        int shift;
        QString result;
    };
    const Case cases[] = {
        {u"a\r\nb\r\nc"_qs, 0, 6, 0, u"\ta\r\n\tb\r\nc"_qs}, // with the final line break
        {u"a\r\nb\r\nc"_qs, 0, 4, 0, u"\ta\r\n\tb\r\nc"_qs}, // without it
        {u"middle"_qs, 3, 3, 0, u"mid\tdle"_qs},             // from the middle of a line
        {u"a\t\r\nb"_qs, 0, 2, 0, u"\ta\t\r\nb"_qs},         // a block ending in a TAB keeps it
        {u"\ta\r\nb\r\n\t\tc"_qs, 0, 10, keycode::ShiftMask, u"a\r\nb\r\n\tc"_qs},
    };
    for (const Case &c : cases) {
        select(c.text, c.start, c.length);
        keyboard.press(keycode::Tab, c.shift, u"\t"_qs);
        EXPECT_EQ(f.RB1.text(), c.result) << c.text.toStdString();
        EXPECT_EQ(f.RB1.selLength(), 0);
    }
    // The block is not selected again: a second Tab types a TAB.
    select(u"a\r\nb"_qs, 0, 4);
    keyboard.press(keycode::Tab, 0, u"\t"_qs);
    keyboard.press(keycode::Tab, 0, u"\t"_qs);
    EXPECT_EQ(f.RB1.text(), u"\ta\r\n\tb\t"_qs);
}

TEST_F(Shortcuts, TabIndentsOnlyInTheSourceViewAndOnlyAlone)
{
    select(u"a\r\nb"_qs, 0, 4);
    keyboard.press(keycode::Tab, keycode::CtrlMask, u"\t"_qs); // Ctrl+Tab: not a block indent
    EXPECT_EQ(f.RB1.text(), u"\t"_qs);
    // With the cell data focused a Tab is the cell data's, even while the source has a selection.
    select(u"a\r\nb"_qs, 0, 4);
    f.framesub(17).setVisible(true); // the cell data shows
    f.RB3.setText(u"x"_qs);
    f.RB3.setSelStart(1);
    ASSERT_TRUE(f.RB3.setFocus());
    keyboard.press(keycode::Tab, 0, u"\t"_qs);
    EXPECT_EQ(f.RB1.text(), u"a\r\nb"_qs);
    EXPECT_EQ(f.RB3.text(), u"x\t"_qs);
}

TEST_F(Shortcuts, F5SwitchesBetweenTheSettingsAndThePreview)
{
    f.TabStrip1.onClick = [this] { log.append(QString::number(f.TabStrip1.selectedTab())); };
    keyboard.press(keycode::F5);                     // from the source page to the settings page
    keyboard.press(keycode::F5);                     // then to the preview
    keyboard.press(keycode::F5, keycode::ShiftMask); // any Shift
    EXPECT_EQ(log.join(u';'), u"1;2;1"_qs);
    EXPECT_EQ(f.RB1.text(), QString()); // the key never reached the focused view
}

TEST_F(Shortcuts, EscClosesTheListsAndAltXShowsTheViewMenu)
{
    f.List1.setVisible(true);
    f.Frmexp.setVisible(true);
    keyboard.press(keycode::Escape);
    EXPECT_FALSE(f.List1.visible());
    EXPECT_TRUE(f.Frmexp.visible()); // the candidate list's explanation is left
    f.L1.setVisible(true);
    keyboard.press(keycode::Escape);
    EXPECT_FALSE(f.L1.visible());
    EXPECT_FALSE(f.Frmexp.visible());

    EXPECT_FALSE(f.hymm.visible());
    keyboard.press('X', keycode::CtrlMask | keycode::AltMask);
    EXPECT_FALSE(f.hymm.visible());
    keyboard.press('X', keycode::AltMask);
    EXPECT_TRUE(f.hymm.visible());
    keyboard.press('X', 0, u"x"_qs); // the key still reaches the view
    EXPECT_EQ(f.RB1.text(), u"x"_qs);
}

TEST_F(Shortcuts, KeysReachTheFormFirstThenTheFocusedControl)
{
    f.onKeyDown = [this](int &key, int) {
        log.append(u"Form_KeyDown("_qs + QString::number(key) + u')');
        if (key == keycode::F5)
            key = 0;
    };
    f.List1.onKeyDown = [this](int &key, int) {
        log.append(u"List1_KeyDown("_qs + QString::number(key) + u')');
    };
    f.List1.addItem(u"a"_qs);
    f.List1.addItem(u"b"_qs);
    f.List1.setVisible(true);
    ASSERT_TRUE(f.List1.setFocus());
    keyboard.press(keycode::Down);
    keyboard.press(keycode::F5);
    keyboard.press(keycode::Down);
    keyboard.press(keycode::Down); // the list stays on its last item
    EXPECT_EQ(log.join(u';'), u"Form_KeyDown(40);List1_KeyDown(40);Form_KeyDown(116);"
                              u"Form_KeyDown(40);List1_KeyDown(40);Form_KeyDown(40);"
                              u"List1_KeyDown(40)"_qs);
    EXPECT_EQ(f.List1.listIndex(), 1);
    // A disabled control runs nothing.
    log.clear();
    f.List1.setEnabled(false);
    EXPECT_FALSE(f.List1.userKeyDown(keycode::Up, 0));
    EXPECT_TRUE(log.isEmpty());
}

} // namespace
