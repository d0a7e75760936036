// The picker window: how it opens, its three views and their sizes, the hand-back into the target
// box, close and help.

#include "colour/fomcolor.h"
#include "picker_fixture.h"

namespace {

// Which of the panels and switched controls are shown, in a fixed order.
QString shown(const FomColor &p)
{
    QStringList out;
    const std::pair<const Control *, const char16_t *> parts[] = {
        {&p.Frame1, u"Frame1"},   {&p.Frame6, u"Frame6"},     {&p.Frame5, u"Frame5"},
        {&p.Frame3, u"Frame3"},   {&p.Frame4, u"Frame4"},     {&p.Check1, u"Check1"},
        {&p.Label2(0), u"Label2(0)"}, {&p.Text4, u"Text4"},   {&p.Picture1, u"Picture1"},
        {&p.Command4, u"Command4"}};
    for (const auto &[control, name] : parts)
        if (control->visible())
            out << QString::fromUtf16(name);
    return out.join(u' ');
}

TEST_F(PickerTest, OpensInTheBasicViewOnTopOfTheOtherWindows)
{
    EXPECT_EQ(picker->caption(), QStringLiteral(u"カラーTessik"));
    EXPECT_TRUE(picker->topMost());
    EXPECT_EQ(geometry(*picker), QStringLiteral(u"3000,2000,6200x6050"));
    EXPECT_EQ(geometry(picker->Frame6), QStringLiteral(u"0,0,6000x4290"));
    EXPECT_EQ(geometry(picker->Frame4), QStringLiteral(u"0,4290,6000x960"));
    EXPECT_EQ(shown(*picker), QStringLiteral(u"Frame6 Frame4 Check1 Label2(0) Text4"));
    EXPECT_TRUE(picker->Option2.value());
    EXPECT_EQ(picker->Check1.value(), 1);
    EXPECT_EQ(picker->Text6.count(), 16);
    EXPECT_EQ(picker->Text1.count(), 1);
    EXPECT_EQ(picker->Text5.count(), 1);
    EXPECT_TRUE(picker->Text3.text().isEmpty());
    ASSERT_EQ(picker->menus().size(), 1u);
    EXPECT_EQ(picker->menus().front()->caption(), QStringLiteral(u"説明"));
}

TEST_F(PickerTest, EachViewSizesItsPanelTheBottomPanelAndTheWindow)
{
    struct Case
    {
        OptionButton *button;
        const char16_t *panels;
        const char16_t *bottom;
        const char16_t *window;
        const char16_t *visible;
    };
    const Case cases[] = {
        {&picker->Option1, u"0,0,8950x4900", u"0,4900,8950x825", u"9150x6525",
         u"Frame1 Frame4 Check1 Label2(0) Text4"},
        {&picker->Option3, u"100,0,10500x7500", u"100,7500,9500x825", u"10700x9225",
         u"Frame5 Frame4 Picture1 Command4"},
        // The bottom panel keeps the lower height another view gave it.
        {&picker->Option2, u"0,0,6000x4290", u"0,4290,6000x825", u"6200x5915",
         u"Frame6 Frame4 Check1 Label2(0) Text4"},
        {&picker->Option3, u"100,0,10500x7500", u"100,7500,9500x825", u"10700x9225",
         u"Frame5 Frame4 Picture1 Command4"},
    };
    for (const Case &c : cases) {
        c.button->userClicked();
        const Control &panel = picker->Option1.value()   ? static_cast<Control &>(picker->Frame1)
                               : picker->Option2.value() ? static_cast<Control &>(picker->Frame6)
                                                         : static_cast<Control &>(picker->Frame5);
        EXPECT_EQ(geometry(panel), QString::fromUtf16(c.panels));
        EXPECT_EQ(geometry(picker->Frame4), QString::fromUtf16(c.bottom));
        EXPECT_EQ(QStringLiteral(u"%1x%2").arg(picker->width()).arg(picker->height()),
                  QString::fromUtf16(c.window));
        EXPECT_EQ(shown(*picker), QString::fromUtf16(c.visible));
    }
}

TEST_F(PickerTest, OnlyTheExtendedViewClearsTheValueAndNameBoxes)
{
    picker->Text3.setText(QStringLiteral(u"#123456"));
    picker->Text4.setText(QStringLiteral(u"mine"));
    picker->Option1.userClicked();
    picker->Option2.userClicked();
    EXPECT_EQ(picker->Text3.text() + u'/' + picker->Text4.text(), QStringLiteral(u"#123456/mine"));
    picker->Option3.userClicked();
    EXPECT_EQ(picker->Text3.text() + u'/' + picker->Text4.text(), QStringLiteral(u"#000000/"));
}

TEST_F(PickerTest, InsertWritesTheNameOrTheValueIntoTheTargetAndHides)
{
    picker->Sett(3);
    picker->Option1.userClicked();
    picker->Text1(9).userClicked(); // blue
    picker->Command3.userClicked();
    EXPECT_EQ(boxTexts(), QStringLiteral(u"|||blue|||"));
    EXPECT_FALSE(picker->visible());

    picker->setVisible(true);
    picker->Check1.userClicked(); // names no more
    picker->Sett(1);
    picker->Command3.userClicked();
    EXPECT_EQ(boxTexts(), QStringLiteral(u"|#0000FF||blue|||"));

    // A name of blanks falls back to the value, written as it stands.
    picker->setVisible(true);
    picker->Check1.setValue(1);
    picker->Text4.setText(QStringLiteral(u"   "));
    picker->Text3.setText(QStringLiteral(u" #ABC "));
    picker->Sett(0);
    picker->InsertC();
    EXPECT_EQ(boxTexts(), QStringLiteral(u" #ABC |#0000FF||blue|||"));
}

TEST_F(PickerTest, ABlankValueWithoutANameWritesNothingAndStaysOpen)
{
    picker->Sett(2);
    picker->Text3.setText(QStringLiteral(u"  "));
    picker->Text4.setText(QString());
    picker->Command3.userClicked();
    EXPECT_EQ(boxTexts(), QStringLiteral(u"||||||"));
    EXPECT_TRUE(picker->visible());
}

TEST_F(PickerTest, TheExtendedViewAlwaysHandsBackTheValue)
{
    picker->Text4.setText(QStringLiteral(u"navy"));
    picker->Option3.userClicked();
    picker->Text4.setText(QStringLiteral(u"navy"));
    picker->Text5(5).userClicked();
    picker->Sett(4);
    picker->Command3.userClicked();
    EXPECT_EQ(boxTexts(), QStringLiteral(u"||||#0000FF||"));
}

TEST_F(PickerTest, CloseReopensInTheBasicViewInsertReopensWhereItWasLeft)
{
    picker->Option1.userClicked();
    picker->Command2.userClicked();
    EXPECT_FALSE(picker->visible());
    EXPECT_TRUE(picker->Option2.value());
    EXPECT_EQ(QStringLiteral(u"%1x%2").arg(picker->width()).arg(picker->height()),
              QStringLiteral(u"6200x5915"));
    EXPECT_EQ(boxTexts(), QStringLiteral(u"||||||"));

    picker->setVisible(true);
    picker->Option3.userClicked();
    picker->Command3.userClicked();
    EXPECT_EQ(boxTexts(), QStringLiteral(u"#000000||||||"));
    picker->setVisible(true);
    EXPECT_TRUE(picker->Option3.value());
    EXPECT_TRUE(picker->Frame5.visible());
}

TEST_F(PickerTest, TheTargetIsAWholeNumberKeptByTheOwner)
{
    picker->Sett(5);
    EXPECT_EQ(target, 5);
    picker->Sett(65536 + 2);
    EXPECT_EQ(target, 2);
    // A box that does not exist receives nothing, and nothing fails.
    picker->Sett(40);
    picker->Text3.setText(QStringLiteral(u"#FFFFFF"));
    picker->InsertC();
    EXPECT_EQ(boxTexts(), QStringLiteral(u"||||||"));
    EXPECT_FALSE(picker->visible());
}

TEST_F(PickerTest, HelpPanelOpensOverTheViewAndCloses)
{
    picker->msetumei.userClicked();
    EXPECT_TRUE(picker->Frame3.visible());
    EXPECT_EQ(geometry(picker->Frame3), QStringLiteral(u"0,0,5955x4695"));
    const QString help = picker->Label1.caption();
    EXPECT_TRUE(help.startsWith(QStringLiteral(u"色の説明とパレットの使い方。\r\n")));
    EXPECT_EQ(help.count(QStringLiteral(u"\r\n")), 9);
    EXPECT_FALSE(help.endsWith(QStringLiteral(u"\r\n")));
    EXPECT_TRUE(help.contains(QStringLiteral(u"＃rrggbb")));
    // In front of the view it covers.
    EXPECT_GT(picker->Frame3.zLevel(), picker->Frame6.zLevel());
    picker->Command1.userClicked();
    EXPECT_FALSE(picker->Frame3.visible());
    EXPECT_TRUE(picker->Frame6.visible());

    const QString explanation = picker->Label3.caption();
    EXPECT_TRUE(explanation.startsWith(QStringLiteral(u"左側に基本１６色を示します")));
    EXPECT_EQ(explanation.count(QStringLiteral(u"\r\n")), 2);
}

} // namespace
