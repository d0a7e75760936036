// The object tree window: its loading and tree, what a click on a member shows, the path it writes
// over the source view's selection, expanding and collapsing all, and its layout.

#include "controls/richtextbox.h"
#include "objref/fomobj.h"
#include "objref/objectreference.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct FomObjTest : ::testing::Test
{
    ObjectReference object;
    RichTextBox RB1{nullptr, u"RB1"_s};
    FomObj window{object, RB1};
    QString log;

    void SetUp() override
    {
        object.GetString();
        RB1.onChange = [this] { log += u"RB1_Change;"_s; };
        window.Form_Load();
        window.tree();
    }
    void click(const QString &key) { window.TV1.userClicked(window.TV1.node(key)); }
};

TEST_F(FomObjTest, LoadingFillsTheMemberTextAndTreeBuildsTheWholeTree)
{
    EXPECT_EQ(window.caption(), u"JavaScriptオブジェクトウィンドウ");
    EXPECT_TRUE(window.topMost());
    EXPECT_FALSE(object.objTreeText.isEmpty());
    EXPECT_GT(window.TV1.count(), 125);
    EXPECT_EQ(window.TV1.node(1)->key(), u"window");
    EXPECT_EQ(window.Rtb1.font().name, u"MS UI Gothic");
    // Every build starts afresh and collapsed.
    const int count = window.TV1.count();
    window.TV1.node(1)->setExpanded(true);
    window.tree();
    EXPECT_EQ(window.TV1.count(), count);
    EXPECT_FALSE(window.TV1.node(1)->expanded());
}

TEST_F(FomObjTest, MemberClickShowsPathAndExplanation)
{
    click(u"windowpropatyclosedA1"_s);
    EXPECT_EQ(window.Text1.text(), u"closed");
    EXPECT_EQ(window.Rtb1.text(), u"closed: ウインドウが閉じられているかどうかを真偽値で返す\r\n"
                                  u"使用例:\r\nreturn=window.closed \r\n"_s);
    click(u"Mathmethodmax()A0"_s);
    EXPECT_EQ(window.Text1.text(), u"Math.max()");
    EXPECT_TRUE(window.Rtb1.text().endsWith(u"使用例:\r\n myvalue=Math.max(2,5) \r\n"));
    click(u"embedspropatylengthA1"_s);
    EXPECT_EQ(window.Text1.text(), u"document.applet.length");
    EXPECT_EQ(window.Rtb1.text(), QString());
    click(u"openoptiontoolbar=yesA0"_s);
    EXPECT_EQ(window.Text1.text(), u"open(\"URL\",\"ウィンドウ名\",\"属性\").option.toolbar=yes");
    EXPECT_EQ(window.Rtb1.text(), QString());
}

TEST_F(FomObjTest, ObjectAndCategoryClicksUpdateOnlyThePath)
{
    click(u"windowpropatyclosedA1"_s);
    click(u"document"_s);
    EXPECT_EQ(window.Text1.text(), u"document");
    EXPECT_EQ(window.Rtb1.text(), QString());
    EXPECT_EQ(window.TV1.node(u"document"_s)->expandedImage(), u"open");
    click(u"documentmethod"_s);
    EXPECT_EQ(window.TV1.node(u"documentmethod"_s)->expandedImage(), QString());
    // No selected node: nothing changes.
    window.TV1.setSelectedItem(nullptr);
    window.TV1.userClicked(nullptr);
    EXPECT_EQ(window.Text1.text(), u"document.");
}

TEST_F(FomObjTest, InsertWritesThePathOverTheSelection)
{
    RB1.setText(u"x=;"_s);
    RB1.setSelStart(2);
    log.clear();
    click(u"documentpropatytitleA0"_s);
    window.Command1.userClicked();
    EXPECT_EQ(RB1.text(), u"x=document.title;");
    EXPECT_EQ(log, u"RB1_Change;"_s);
    // An edited path goes in as edited; an empty one keeps the selection.
    RB1.setSelStart(2);
    RB1.setSelLength(14);
    window.Text1.userTyped(QString());
    window.Command1.userClicked();
    EXPECT_EQ(RB1.text(), u"x=document.title;");
    window.Text1.userTyped(u"top"_s);
    window.Command1.userClicked();
    EXPECT_EQ(RB1.text(), u"x=top;");
    EXPECT_EQ(log, u"RB1_Change;RB1_Change;"_s);
}

TEST_F(FomObjTest, ExpandAndCollapseAllTurnObjectsAndSelectTheFirst)
{
    window.Command2.userClicked();
    for (int i = 1; i <= window.TV1.count(); ++i) {
        TreeNode *n = window.TV1.node(i);
        EXPECT_EQ(n->expanded(), n->image() == u"closed") << qPrintable(n->key());
    }
    EXPECT_EQ(window.TV1.selectedItem(), window.TV1.node(1));
    window.TV1.node(5)->setSelected(true);
    window.Command3.userClicked();
    for (int i = 1; i <= window.TV1.count(); ++i) {
        TreeNode *n = window.TV1.node(i);
        EXPECT_FALSE(n->expanded());
        if (n->image() == u"closed")
            EXPECT_EQ(n->expandedImage(), u"open");
    }
    EXPECT_EQ(window.TV1.selectedItem(), window.TV1.node(1));
    EXPECT_TRUE(window.TV1.visible());
}

TEST_F(FomObjTest, LayoutInTwips)
{
    window.userResized(7000, 7000);
    auto box = [](const Control &c) {
        return QList<int>{c.left(), c.top(), c.width(), c.height()};
    };
    EXPECT_EQ(box(window.Frame1), (QList<int>{50, 50, 6800, 6450}));
    EXPECT_EQ(box(window.Text1), (QList<int>{50, 150, 4900, 375}));
    EXPECT_EQ(box(window.Command1), (QList<int>{4970, 150, 580, 375}));
    EXPECT_EQ(box(window.Command2), (QList<int>{5570, 150, 580, 375}));
    EXPECT_EQ(box(window.Command3), (QList<int>{6170, 150, 580, 375}));
    EXPECT_EQ(box(window.TV1), (QList<int>{50, 545, 6700, 4463}));
    EXPECT_EQ(box(window.Rtb1), (QList<int>{50, 5058, 6700, 1312}));
    window.userResized(600, 400);
    for (const Control *c : window.allControls()) {
        EXPECT_GE(c->width(), 0) << qPrintable(c->name());
        EXPECT_GE(c->height(), 0) << qPrintable(c->name());
    }
}

} // namespace
