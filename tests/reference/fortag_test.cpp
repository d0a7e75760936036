// The tag tree window: its loading in the tag case of the moment, what a click and a double click
// show and insert, the insert button around a selection, expanding and collapsing all, and its
// layout following the example box.

#include "controls/richtextbox.h"
#include "reference/fortag.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct FortagTest : ::testing::Test
{
    RichTextBox RB1{nullptr, u"RB1"_s};
    CheckBox Check2{nullptr, u"Check2"_s};
    std::unique_ptr<Fortag> window;
    QString log;

    void SetUp() override
    {
        RB1.onChange = [this] { log += u"RB1_Change;"_s; };
        Check2.setValue(2);
        load();
    }
    void load()
    {
        window = std::make_unique<Fortag>(RB1, Check2);
        window->Form_Load();
    }
    TreeNode *byText(const QString &text) const
    {
        for (int i = 1; i <= window->TV1.count(); ++i)
            if (window->TV1.node(i)->text() == text)
                return window->TV1.node(i);
        return nullptr;
    }
    void click(const QString &text) { window->TV1.userClicked(byText(text)); }
    void doubleClick(const QString &text)
    {
        window->TV1.userClicked(byText(text));
        window->TV1.userDoubleClicked(byText(text));
    }
};

TEST_F(FortagTest, LoadingBuildsTheCollapsedTreeOnTopWithNothingSelected)
{
    EXPECT_EQ(window->caption(), u"HTMLTagTree");
    EXPECT_TRUE(window->topMost());
    EXPECT_EQ(window->TV1.count(), 390);
    EXPECT_EQ(window->TV1.roots().size(), 11u);
    EXPECT_EQ(window->TV1.selectedItem(), nullptr);
    EXPECT_FALSE(window->tagRefText().isEmpty());
    EXPECT_EQ(window->Text2.foreColor(), 0x800000u);
    EXPECT_EQ(window->Text2.font().name, u"ＭＳ ゴシック");
}

TEST_F(FortagTest, ClickShowsTheCodeUntrimmedAndTheExampleWhereThereIsOne)
{
    click(u"<!-- -->---間にコメントを書く "_s);
    EXPECT_EQ(window->Text2.text(), u"<!-- -->");
    EXPECT_EQ(window->Text1.text(), QString());
    click(u"<font font-weight=n>---文字の太さ（標準外の属性）"_s);
    EXPECT_EQ(window->Text2.text(), u"<font font-weight=n>");
    click(u"<p></p> "_s);
    EXPECT_EQ(window->Text2.text(), u"<p></p> ");
    // A special character's entry gives its character reference alone, and "挿入" puts that in.
    click(u"ampersand & -> &amp; "_s);
    EXPECT_EQ(window->Text2.text(), u"&amp;");
    EXPECT_EQ(byText(u"ampersand & -> &amp; "_s)->expandedImage(), u"obj2");
    RB1.setText(u"ab"_s);
    RB1.setSelStart(1);
    window->Command1.userClicked();
    EXPECT_EQ(RB1.text(), u"a&amp;b");

    click(u"<ol></ol> "_s);
    EXPECT_EQ(window->Text1.text(), u"<ol type=\"A\">\r\n<li>犬\r\n<li>猫\r\n<li>豚\r\n</ol>");
    click(u"<ol type=a>---a,b,c,d..."_s);
    EXPECT_EQ(window->Text1.text(), QString());
    click(u"<ol type=i>---i,ii...."_s);
    EXPECT_TRUE(window->Text1.text().startsWith(u"<ol type=\"A\">"));
    click(u"リスト関係"_s);
    EXPECT_EQ(window->Text1.text(), QString());
}

TEST_F(FortagTest, DoubleClickInsertsOnlyTagCodes)
{
    RB1.setText(u"xy"_s);
    RB1.setSelStart(1);
    log.clear();
    doubleClick(u"<body></body> - --この中に記述する"_s);
    EXPECT_EQ(window->Text2.text(), u"<body></body>");
    EXPECT_EQ(RB1.text(), u"x<body></body>y");
    EXPECT_EQ(byText(u"<body></body> - --この中に記述する"_s)->expandedImage(), u"obj2");
    // Codes that do not begin with "<" go into the code box only, trimmed.
    for (const char16_t *entry : {u"h1を参照  ", u"rows=XX", u"基本構造関係"}) {
        doubleClick(QString::fromUtf16(entry));
        EXPECT_EQ(window->Text2.text(), QString::fromUtf16(entry).trimmed());
    }
    doubleClick(u"ampersand & -> &amp; "_s);
    EXPECT_EQ(window->Text2.text(), u"&amp;");
    EXPECT_EQ(RB1.text(), u"x<body></body>y");
    EXPECT_EQ(log, u"RB1_Change;"_s);
    // With no node selected nothing happens.
    window->TV1.setSelectedItem(nullptr);
    window->Text2.setText(u"<b></b>"_s);
    window->TV1.userDoubleClicked(nullptr);
    window->TV1.userClicked(nullptr);
    EXPECT_EQ(window->Text2.text(), u"<b></b>");
    EXPECT_EQ(RB1.text(), u"x<body></body>y");
}

TEST_F(FortagTest, InsertButtonWrapsTheSelectionInTheCodesTags)
{
    RB1.setText(u"abc"_s);
    RB1.setSelStart(0);
    RB1.setSelLength(3);
    window->Text2.setText(u"<b></b> "_s);
    window->Command1.userClicked();
    EXPECT_EQ(RB1.text(), u"<b>abc</b> ");
    // A code without a second tag leaves a selection as it is.
    RB1.setSelStart(3);
    RB1.setSelLength(3);
    window->Text2.setText(u"<br>"_s);
    window->Command1.userClicked();
    EXPECT_EQ(RB1.text(), u"<b>abc</b> ");
    // Without a selection the code goes in at the caret; an empty code changes nothing.
    RB1.setSelStart(0);
    window->Text2.setText(u"<b></b> "_s);
    window->Command1.userClicked();
    EXPECT_EQ(RB1.text(), u"<b></b> <b>abc</b> ");
    RB1.setSelStart(0);
    RB1.setSelLength(3);
    window->Text2.setText(QString());
    window->Command1.userClicked();
    EXPECT_EQ(RB1.text(), u"<b></b> <b>abc</b> ");
}

TEST_F(FortagTest, TagCaseIsReadAtLoadingOnly)
{
    Check2.setValue(1);
    load();
    ASSERT_NE(byText(u"<DIV></DIV>---ブロック要素"_s), nullptr);
    click(u"<DIV></DIV>---ブロック要素"_s);
    EXPECT_EQ(window->Text1.text(),
              u"<div align=\"left\" style=\"border:3px solid gray\">左寄せ</div>");
    RB1.setText(QString());
    doubleClick(u"<DIV></DIV>---ブロック要素"_s);
    EXPECT_EQ(RB1.text(), u"<DIV></DIV>");
    // Changing the option while the window is open changes nothing; loading again applies it.
    Check2.setValue(2);
    EXPECT_NE(byText(u"<DIV></DIV>---ブロック要素"_s), nullptr);
    load();
    EXPECT_EQ(byText(u"<DIV></DIV>---ブロック要素"_s), nullptr);
    EXPECT_NE(byText(u"<div></div>---ブロック要素"_s), nullptr);
}

TEST_F(FortagTest, ExpandAllOpensEveryEntryWithChildrenAndCollapseAllClosesThem)
{
    TreeNode *tag = byText(u"<p></p> "_s);
    tag->setSelected(true);
    window->Command2.userClicked();
    int opened = 0;
    for (int i = 1; i <= window->TV1.count(); ++i) {
        TreeNode *n = window->TV1.node(i);
        EXPECT_EQ(n->expanded(), n->image() == u"obj1");
        opened += n->expanded();
    }
    EXPECT_EQ(opened, 11 + (50 - 8) + (47 - 11));
    EXPECT_EQ(window->TV1.selectedItem(), window->TV1.node(1));
    EXPECT_EQ(window->Text2.text(), QString());
    tag->setSelected(true);
    window->Command3.userClicked();
    for (int i = 1; i <= window->TV1.count(); ++i)
        EXPECT_FALSE(window->TV1.node(i)->expanded());
    EXPECT_EQ(window->TV1.node(1)->expandedImage(), u"obj2");
    EXPECT_EQ(window->TV1.selectedItem(), tag);
}

TEST_F(FortagTest, LayoutFollowsTheExamplesLines)
{
    window->userResized(7000, 7000);
    auto box = [](const Control &c) {
        return QList<int>{c.left(), c.top(), c.width(), c.height()};
    };
    EXPECT_EQ(box(window->Text2), (QList<int>{20, 0, 5000, 350}));
    EXPECT_EQ(box(window->Command1), (QList<int>{5040, 20, 580, 330}));
    EXPECT_EQ(box(window->Command2), (QList<int>{5640, 20, 580, 330}));
    EXPECT_EQ(box(window->Command3), (QList<int>{6240, 20, 580, 330}));
    EXPECT_EQ(box(window->TV1), (QList<int>{20, 370, 6850, 6250}));
    EXPECT_EQ(box(window->Text1), (QList<int>{20, 6640, 6850, 350}));
    click(u"<div></div>---ブロック要素"_s);
    EXPECT_EQ(window->Text1.height(), 600);
    click(u"<ol></ol> "_s);
    EXPECT_EQ(window->Text1.height(), 1600);
    EXPECT_EQ(window->TV1.height(), 5000);
    // Every line break typed adds 250 twips to the box, up to ten.
    window->Text1.userTyped(window->Text1.text() + u"\r\n"_s);
    EXPECT_EQ(window->Text1.height(), 1850);
    window->Text1.userTyped(window->Text1.text() + QString(u"\r\n"_s).repeated(20));
    EXPECT_EQ(window->TV1.height(), 7000 - 14 * 250);
    window->userResized(500, 200);
    for (const Control *c : window->allControls()) {
        EXPECT_GE(c->width(), 0) << qPrintable(c->name());
        EXPECT_GE(c->height(), 0) << qPrintable(c->name());
    }
}

// In a framed window of the same outer size the tree and the example box share the inside the
// frame leaves, the box ending just above its bottom edge.
TEST_F(FortagTest, LayoutFillsTheInsideTheFrameLeaves)
{
    window->userResized(7000, 7000);
    window->setFrameRoom(30, 375);
    EXPECT_EQ(window->Text2.width(), 4970);
    EXPECT_EQ(window->TV1.height(), 6625 - 750);
    EXPECT_EQ(window->Text1.top() + window->Text1.height(), 6625 - 10);
    EXPECT_EQ(window->width(), 7000);
    EXPECT_EQ(window->height(), 7000);
}

} // namespace
