// Colouring the source view as the window does it: the caret and the focus it leaves behind.

#include "frame/form1.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

TEST(Setcolor2, PlainTextKeepsTheCaretWithNothingSelected)
{
    Form1 f;
    f.Form_Load();
    f.RB1.setText(QStringLiteral(u"plain words"));
    f.RB1.setSelStart(3);
    f.RB1.setSelLength(4);
    f.Setcolor2();
    EXPECT_EQ(f.RB1.selStart(), 3);
    EXPECT_EQ(f.RB1.selLength(), 0);
}

// After make-source, the colour switch and the indentation switch, typing goes into the source.
TEST(Setcolor2, TheSourceTakesTheFocusWhereItIsShown)
{
    Form1 f;
    f.Form_Load();
    f.RB3.setText(QStringLiteral(u"[[a$b]]"));
    f.Text6.setFocus();
    f.Setcolor2(); // the settings page: the hidden source cannot take it
    EXPECT_EQ(f.activeControl(), &f.Text6);

    f.Cmd(1).userClicked();
    EXPECT_EQ(f.activeControl(), &f.RB1);
    for (CheckBox *option : {&f.Check1, &f.Check3, &f.Check3}) {
        f.Command18.setFocus();
        option->userClicked();
        EXPECT_EQ(f.activeControl(), &f.RB1) << option->name().toStdString();
    }
    f.RB1.setText(QString());
    f.Command18.setFocus();
    f.Check1.userClicked(); // an empty source is plain text: it takes the focus too
    EXPECT_EQ(f.activeControl(), &f.RB1);
}

} // namespace
