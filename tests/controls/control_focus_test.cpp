// Keyboard focus: one active control per form, refused where a person could not put the focus.

#include "controls/controls.h"
#include "controls/forms.h"
#include "controls/richtextbox.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

// Records the Focus notifications the view would receive.
struct FocusLog : ControlObserver
{
    QString log;
    void propertyChanged(Control &control, Property property) override
    {
        if (property == Property::Focus)
            log += control.name() + u';';
    }
};

TEST(Focus, OneActiveControlPerFormAndTheViewIsTold)
{
    Form form(QStringLiteral(u"Form1"));
    RichTextBox rb1(&form, QStringLiteral(u"RB1"));
    TextBox text1(&form, QStringLiteral(u"Text1"));
    FocusLog log;
    rb1.setObserver(&log);
    text1.setObserver(&log);
    EXPECT_EQ(form.activeControl(), nullptr);

    // A form not shown yet keeps the choice for when it shows.
    EXPECT_TRUE(rb1.setFocus());
    EXPECT_EQ(form.activeControl(), &rb1);
    EXPECT_TRUE(rb1.hasFocus());
    EXPECT_TRUE(text1.setFocus());
    EXPECT_EQ(form.activeControl(), &text1);
    EXPECT_FALSE(rb1.hasFocus());
    // Asked again: the view is told again, the user may have clicked elsewhere meanwhile.
    EXPECT_TRUE(text1.setFocus());
    EXPECT_EQ(log.log, QStringLiteral(u"RB1;Text1;Text1;"));
}

TEST(Focus, HiddenDisabledOrFormlessControlsRefuse)
{
    Form form(QStringLiteral(u"Form1"));
    Frame frame(&form, QStringLiteral(u"Frame1"));
    TextBox inFrame(&frame, QStringLiteral(u"Text1"));
    TextBox hidden(&form, QStringLiteral(u"Text2"));
    TextBox disabled(&form, QStringLiteral(u"Text3"));
    TextBox active(&form, QStringLiteral(u"Text4"));
    TextBox loose(nullptr, QStringLiteral(u"Text5"));
    hidden.setVisible(false);
    disabled.setEnabled(false);
    ASSERT_TRUE(active.setFocus());

    FocusLog log;
    for (Control *c : {static_cast<Control *>(&inFrame), static_cast<Control *>(&hidden),
                       static_cast<Control *>(&disabled), static_cast<Control *>(&loose)})
        c->setObserver(&log);
    frame.setVisible(false);
    EXPECT_FALSE(inFrame.setFocus());
    frame.setVisible(true);
    frame.setEnabled(false);
    EXPECT_FALSE(inFrame.setFocus());
    EXPECT_FALSE(hidden.setFocus());
    EXPECT_FALSE(disabled.setFocus());
    EXPECT_FALSE(loose.setFocus());
    EXPECT_FALSE(form.setFocus());
    EXPECT_EQ(form.activeControl(), &active);
    EXPECT_TRUE(log.log.isEmpty());

    // A control hidden after it took the focus has lost it.
    active.setVisible(false);
    EXPECT_EQ(form.activeControl(), nullptr);
    EXPECT_FALSE(active.hasFocus());
}

TEST(Focus, TheUsersFocusIsRecordedWithoutEcho)
{
    Form form(QStringLiteral(u"Form1"));
    TextBox text1(&form, QStringLiteral(u"Text1"));
    RichTextBox rb1(&form, QStringLiteral(u"RB1"));
    QString events;
    text1.onGotFocus = [&] { events += u"Text1_GotFocus;"; };
    FocusLog log;
    text1.setObserver(&log);
    rb1.setObserver(&log);
    text1.userFocused();
    EXPECT_EQ(form.activeControl(), &text1);
    rb1.userFocused();
    EXPECT_EQ(form.activeControl(), &rb1);
    EXPECT_EQ(events, QStringLiteral(u"Text1_GotFocus;"));
    EXPECT_TRUE(log.log.isEmpty());
}

TEST(Focus, EitherSideMayGoFirst)
{
    Form form(QStringLiteral(u"Form1"));
    {
        TextBox shortLived(&form, QStringLiteral(u"Text1"));
        ASSERT_TRUE(shortLived.setFocus());
    }
    EXPECT_EQ(form.activeControl(), nullptr);

    auto window = std::make_unique<Form>(QStringLiteral(u"Form2"));
    TextBox outliving(window.get(), QStringLiteral(u"Text1"));
    ASSERT_TRUE(outliving.setFocus());
    window.reset();
    EXPECT_FALSE(outliving.hasFocus());
    EXPECT_EQ(outliving.form(), nullptr);
}

} // namespace
