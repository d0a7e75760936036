// The colour buttons "色": each opens the colour picker for the box beside it, clears what the new
// colour replaces, and the picker hands the chosen name or value back into that box.

#include "support/qt_printers.h"
#include "support/window_fixture.h"

#include <gtest/gtest.h>

namespace {

struct ColourButtons : WindowLogTest
{
    // Text and text colour of the six colour boxes.
    QString boxes() const
    {
        QStringList out;
        for (int i = 0; i <= 5; ++i)
            out << f.Text5(i).text() + u'/' + QString::number(f.Text5(i).foreColor(), 16);
        return out.join(u' ');
    }
};

TEST_F(ColourButtons, EachButtonOpensThePickerAndItsBoxReceivesTheColour)
{
    const QString start = QStringLiteral(u"/ff00 silver/ff00 gray/ff00 #CEFFCE/ff00 /ff00 /ff00");
    ASSERT_EQ(boxes(), start);
    struct Case
    {
        int index;
        bool byName;
        const char16_t *after;
    };
    // Picking blue from the named view, by name or by value.
    const Case cases[] = {
        {0, true, u"blue/ff00 silver/ff00 /ff00 #CEFFCE/ff00 /ff00 /ff00"},
        {1, false, u"/ff00 #0000FF/ff00 gray/ff00 #CEFFCE/ff00 /ff00 /ff00"},
        {2, true, u"/ff00 silver/ff00 blue/ff00 #CEFFCE/ff00 /ff00 /ff00"},
        {3, false, u"/ff00 silver/ff00 gray/ff00 #0000FF/ff00 /ff00 /ff00"},
        {4, true, u"/ff00 silver/ff00 gray/ff00 #CEFFCE/ff00 blue/ffff00 /ff00"},
        {5, false, u"/ff00 silver/ff00 gray/ff00 #CEFFCE/ff00 /ff00 #0000FF/ffff00"},
    };
    for (const Case &c : cases) {
        Form1 form(services);
        windows.log.clear();
        form.Command30(c.index).userClicked();
        ASSERT_TRUE(form.FomColorWindow.isLoaded());
        FomColor &picker = form.FomColorWindow.get();
        EXPECT_TRUE(picker.visible());
        EXPECT_EQ(windows.log, QStringLiteral(u"show(FomColor);"));
        picker.Option1.userClicked();
        picker.Text1(9).userClicked();
        picker.Check1.setValue(c.byName ? 1 : 0);
        picker.Command3.userClicked();
        EXPECT_FALSE(picker.visible());
        QStringList out;
        for (int i = 0; i <= 5; ++i)
            out << form.Text5(i).text() + u'/' + QString::number(form.Text5(i).foreColor(), 16);
        EXPECT_EQ(out.join(u' '), QString::fromUtf16(c.after)) << c.index;
    }
}

TEST_F(ColourButtons, TheBoxesAreClearedAtOnceBeforeAnyColourIsPicked)
{
    f.Command30(0).userClicked();
    EXPECT_EQ(boxes(), QStringLiteral(u"/ff00 silver/ff00 /ff00 #CEFFCE/ff00 /ff00 /ff00"));
    f.Text5(2).setText(QStringLiteral(u"gray"));
    f.Text5(0).setText(QStringLiteral(u"red"));
    f.Command30(2).userClicked();
    EXPECT_EQ(boxes(), QStringLiteral(u"/ff00 silver/ff00 gray/ff00 #CEFFCE/ff00 /ff00 /ff00"));
    f.Command30(4).userClicked();
    f.Command30(5).userClicked();
    EXPECT_EQ(boxes(), QStringLiteral(u"/ff00 silver/ff00 gray/ff00 #CEFFCE/ff00 /ffff00 /ffff00"));
    // One picker, shown once; the last button pressed decides where the colour lands.
    EXPECT_EQ(windows.log, QStringLiteral(u"show(FomColor);"));
    f.FomColorWindow->Text6(6).userDoubleClicked(); // red
    EXPECT_EQ(f.Text5(5).text(), QStringLiteral(u"red"));
}

TEST_F(ColourButtons, ThePickerOpensInTheBasicViewFromTheFirstButton)
{
    f.Command30(3).userClicked();
    FomColor &picker = f.FomColorWindow.get();
    EXPECT_EQ(QStringLiteral(u"%1x%2").arg(picker.width()).arg(picker.height()),
              QStringLiteral(u"6200x6050"));
    EXPECT_TRUE(picker.Frame6.visible());
    picker.Text6(14).userClicked(); // teal
    picker.Command3.userClicked();
    EXPECT_EQ(f.Text5(3).text(), QStringLiteral(u"teal"));
}

} // namespace
