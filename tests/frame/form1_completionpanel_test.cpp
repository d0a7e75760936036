// The completion settings panel: opened only on the source page, dragged by its title label at most
// once per timer tick, and applied with the font-size rule.

#include "frame/form1.h"
#include "support/qt_printers.h"
#include "support/scripted_services.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class CompletionPanel : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    ScriptedMessages messages;
    Form1 f{Services{.messages = &messages}};
    void SetUp() override
    {
        f.settingsFolder = dir.path();
        f.workFolder = dir.path();
        f.Form_Load();
    }
    QString place() const
    {
        return QStringLiteral(u"%1,%2").arg(f.Frame20.left()).arg(f.Frame20.top());
    }
    void openOnSourcePage()
    {
        f.TabStrip1.userSelected(3);
        f.mss.userClicked();
        ASSERT_TRUE(f.Frame20.visible());
    }
};

TEST_F(CompletionPanel, OpensOnlyOnTheSourcePageAtItsFixedPlace)
{
    f.mss.userClicked();
    EXPECT_FALSE(f.Frame20.visible());
    f.TabStrip1.userSelected(2);
    f.mss.userClicked();
    EXPECT_FALSE(f.Frame20.visible());

    f.TabStrip1.userSelected(3);
    f.Frame20.move(50, 60, 100, 100);
    f.mss.userClicked();
    EXPECT_TRUE(f.Frame20.visible());
    EXPECT_EQ(place() + QStringLiteral(u" %1x%2").arg(f.Frame20.width()).arg(f.Frame20.height()),
              u"1000,1000 3960x1900");
    EXPECT_EQ(f.Frame20.zLevel(), f.RB1.zLevel() + 1);
    // A page switch leaves it; its "×" closes it.
    f.TabStrip1.userSelected(1);
    EXPECT_TRUE(f.Frame20.visible());
    f.Command6(6).userClicked();
    EXPECT_FALSE(f.Frame20.visible());
}

TEST_F(CompletionPanel, DragMovesOncePerTickAndStopsAtTheEdges)
{
    openOnSourcePage();
    QString log;
    auto step = [&](const QString &what) { log += what + u'=' + place() + u';'; };
    f.Label2.userMouseDown(1, 0, 100, 100);
    f.Label2.userMouseMove(1, 0, 400, 300);
    step(QStringLiteral(u"move"));
    // Moves before the next tick are dropped, not kept for later.
    f.Label2.userMouseMove(1, 0, 500, 400);
    f.Label2.userMouseMove(1, 0, 600, 500);
    step(QStringLiteral(u"early"));
    EXPECT_TRUE(f.TimerMove.enabled());
    f.TimerMove.fire();
    EXPECT_FALSE(f.TimerMove.enabled());
    f.Label2.userMouseMove(1, 0, 150, 150);
    step(QStringLiteral(u"tick"));
    f.TimerMove.fire();
    // Below the label's upper 600 twips the pointer moves nothing.
    f.Label2.userMouseMove(1, 0, 300, 601);
    step(QStringLiteral(u"low"));
    // Towards the left edge: the left stops above 0, the top still follows.
    f.Label2.userMouseMove(1, 0, -5000, 200);
    step(QStringLiteral(u"edge"));
    f.TimerMove.fire();
    f.Label2.userMouseUp(1, 0, 100, 100);
    f.Label2.userMouseMove(1, 0, 900, 300);
    step(QStringLiteral(u"released"));
    EXPECT_EQ(log, u"move=1300,1200;early=1300,1200;tick=1350,1250;low=1350,1250;"
                   u"edge=1350,1350;released=1350,1350;");
}

TEST_F(CompletionPanel, FontSizeOfEightOrLessBecomesNineAndIsNotApplied)
{
    const Font before = f.List1.font();
    const Font members = f.L1.font();
    for (const char16_t *size : {u"8", u"abc", u""}) {
        openOnSourcePage();
        f.Text8.setText(QStringLiteral(u"3"));
        f.Text7.setText(QString::fromUtf16(size));
        f.Command29.userClicked();
        EXPECT_EQ(f.Text7.text(), QStringLiteral(u"9"));
        EXPECT_FALSE(f.Frame20.visible());
    }
    EXPECT_EQ(f.List1.font(), before);
    EXPECT_EQ(f.L1.font(), members);
    EXPECT_EQ(
        f.GetSettingIni(QString(), QString(), QStringLiteral(u"kouhoNo"), QStringLiteral(u"-")),
        QStringLiteral(u"3"));
    EXPECT_EQ(
        f.GetSettingIni(QString(), QString(), QStringLiteral(u"HelpFont"), QStringLiteral(u"-")),
        QStringLiteral(u"-"));
}

TEST_F(CompletionPanel, LargerFontSizeIsStoredAndGivenToTheList)
{
    openOnSourcePage();
    f.Text7.setText(QStringLiteral(u"12"));
    f.Command29.userClicked();
    EXPECT_EQ(f.List1.font().size, 12);
    EXPECT_EQ(f.L1.font().size, 12);
    EXPECT_EQ(f.GetSettingIni(QString(), QString(), QStringLiteral(u"HelpFont"), QString()),
              QStringLiteral(u"12"));
    EXPECT_FALSE(f.Frame20.visible());
    EXPECT_EQ(messages.prompts.size(), 0);
    // A size above what a list takes is refused and said so; the panel stays open to mend it.
    for (const char16_t *size : {u"2161", u"99999999999999999999"}) {
        openOnSourcePage();
        messages.answers = {msgbox::OK};
        f.Text7.setText(QString::fromUtf16(size));
        f.Command29.userClicked();
        EXPECT_EQ(messages.prompts.value(0),
                  QStringLiteral(u"候補のフォントサイズが2160を超えるため、設定できません。"));
        messages.prompts.clear();
        EXPECT_TRUE(f.Frame20.visible());
        EXPECT_EQ(f.Text7.text(), QString::fromUtf16(size));
        EXPECT_EQ(f.List1.font().size, 12);
        EXPECT_EQ(f.L1.font().size, 12);
        EXPECT_EQ(f.GetSettingIni(QString(), QString(), QStringLiteral(u"HelpFont"), QString()),
                  QStringLiteral(u"12"));
    }
    EXPECT_EQ(messages.unexpected, 0);
}

} // namespace
