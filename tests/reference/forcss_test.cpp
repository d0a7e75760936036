// The CSS tree window: its loading, what a click on a group, property or value shows, the snippet
// it writes over the source view's selection, expanding and collapsing all, and its layout.

#include "controls/richtextbox.h"
#include "controls/strings.h"
#include "reference/cssreference.h"
#include "reference/forcss.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct ForCssTest : ::testing::Test
{
    CssReference object;
    RichTextBox RB1{nullptr, u"RB1"_s};
    ForCss window{object, RB1};
    QString log;

    void SetUp() override
    {
        RB1.onChange = [this] { log += u"RB1_Change;"_s; };
        window.Form_Load();
    }
    void click(const QString &key) { window.TV1.userClicked(window.TV1.node(key)); }
    TreeNode *valueNode(const QString &propertyKey, const QString &startsWith)
    {
        for (TreeNode *v : window.TV1.node(propertyKey)->children())
            if (v->text().startsWith(startsWith))
                return v;
        return nullptr;
    }
};

TEST_F(ForCssTest, LoadingBuildsTheTextAndACollapsedTreeOnTop)
{
    EXPECT_EQ(window.caption(), u"CSSツリービュー");
    EXPECT_TRUE(window.topMost());
    EXPECT_EQ(window.cssRefText(), object.cssRefText());
    EXPECT_EQ(strings::countOf(object.cssRefText(), u"\r\n"_s), 766);
    EXPECT_EQ(window.TV1.count(), 564);
    EXPECT_EQ(window.TV1.roots().size(), 10u);
    for (TreeNode *root : window.TV1.roots())
        EXPECT_FALSE(root->expanded());
    EXPECT_EQ(window.TV1.selectedItem(), nullptr);
    // Loading again rebuilds the text, once.
    window.Form_Load();
    EXPECT_EQ(strings::countOf(object.cssRefText(), u"\r\n"_s), 766);
    EXPECT_EQ(window.TV1.count(), 564);
    EXPECT_EQ(window.Command1.caption(), u"挿入");
    EXPECT_EQ(window.Command2.caption(), u"全開");
    EXPECT_EQ(window.Command3.caption(), u"全閉");
}

TEST_F(ForCssTest, PropertyClickShowsItsDescriptionAndEmptiesTheSnippet)
{
    window.Text2.setText(u"old"_s);
    click(u"<$フォントの設定>+font"_s);
    EXPECT_EQ(window.Text2.text(), QString());
    EXPECT_TRUE(window.Text1.text().startsWith(u"<説明>\r\nフォント関係のプロパティ"));
    EXPECT_FALSE(window.Text1.text().contains(u"<$テキストの設定>"));
    EXPECT_EQ(window.TV1.node(u"<$フォントの設定>+font"_s)->expandedImage(), u"propaty");
    for (const char16_t *key :
         {u"<$テキストの設定>+text-align", u"<$背景の設定>+background",
          u"<$ボックスの枠線の設定>+border", u"<$ボックスの枠線の設定>+border-left-color",
          u"<$リストの設定>+list-style"}) {
        const QString k = QString::fromUtf16(key);
        click(k);
        const int at = strings::inStr(object.cssRefText(), window.Text1.text());
        // The block shown is the one below the property's own line.
        const int own =
            strings::inStr(strings::inStr(object.cssRefText(), k.section(u'+', 0, 0)) + 1,
                           object.cssRefText(), u'<' + k.section(u'+', 1) + u'>');
        EXPECT_GT(at, own) << qPrintable(k);
        EXPECT_FALSE(strings::mid(object.cssRefText(), own, at - own).contains(u"<説明>"))
            << qPrintable(k);
    }
}

TEST_F(ForCssTest, ValueClickComposesPropertyColonValue)
{
    const QString family = u"<$フォントの設定>+font-family"_s;
    window.TV1.userClicked(valueNode(family, u"sans-serif-"_s));
    EXPECT_EQ(window.Text2.text(), u"font-family:sans-serif");
    window.TV1.userClicked(valueNode(family, u"フォント名"_s));
    EXPECT_EQ(window.Text2.text(), u"font-family:フォント名");
    EXPECT_EQ(valueNode(family, u"フォント名"_s)->expandedImage(), u"obj2");
    // A group empties the snippet, keeps the description and gets its open picture.
    window.Text1.setText(u"説明"_s);
    click(u"<$色設定>"_s);
    EXPECT_EQ(window.Text2.text(), QString());
    EXPECT_EQ(window.Text1.text(), u"説明");
    EXPECT_EQ(window.TV1.node(u"<$色設定>"_s)->expandedImage(), u"obj2");
}

TEST_F(ForCssTest, ClickOrInsertWithNothingToActOnChangesNothing)
{
    // No node selected: the click does nothing at all.
    window.Text2.setText(u"color:red"_s);
    window.TV1.userClicked(nullptr);
    EXPECT_EQ(window.Text2.text(), u"color:red");
    // An empty snippet keeps the user's selection.
    RB1.setText(u"abcdef"_s);
    RB1.setSelStart(2);
    RB1.setSelLength(2);
    log.clear();
    window.Text2.setText(QString());
    window.Command1.userClicked();
    EXPECT_EQ(RB1.text(), u"abcdef");
    EXPECT_EQ(log, QString());
}

TEST_F(ForCssTest, InsertReplacesTheSelectionOrGoesInAtTheCaret)
{
    RB1.setText(u"p{}"_s);
    RB1.setSelStart(2);
    log.clear();
    window.TV1.userClicked(valueNode(u"<$色設定>+color"_s, u"#rrggbb"_s));
    window.Command1.userClicked();
    EXPECT_EQ(RB1.text(), u"p{color:#rrggbb}");
    EXPECT_EQ(RB1.selStart(), 15);
    RB1.setSelStart(2);
    RB1.setSelLength(13);
    window.Command1.userClicked();
    EXPECT_EQ(RB1.text(), u"p{color:#rrggbb}");
    EXPECT_EQ(log, u"RB1_Change;"_s);
}

TEST_F(ForCssTest, ExpandAllOpensTheGroupsOnlyAndCollapseAllClosesThem)
{
    window.Command2.userClicked();
    for (int i = 1; i <= window.TV1.count(); ++i) {
        TreeNode *n = window.TV1.node(i);
        EXPECT_EQ(n->expanded(), n->image() == u"obj1") << qPrintable(n->text());
        if (n->image() == u"obj1")
            EXPECT_EQ(n->expandedImage(), u"obj2");
    }
    EXPECT_EQ(window.TV1.selectedItem(), window.TV1.node(1));
    EXPECT_TRUE(window.TV1.visible());
    window.TV1.node(u"<$色設定>+color"_s)->setSelected(true);
    window.Command3.userClicked();
    for (TreeNode *root : window.TV1.roots())
        EXPECT_FALSE(root->expanded());
    EXPECT_EQ(window.TV1.selectedItem(), window.TV1.node(u"<$色設定>+color"_s));
}

TEST_F(ForCssTest, LayoutInTwips)
{
    window.move(7000, 3000, 7000, 7000);
    window.Form_Resize();
    auto box = [](const Control &c) {
        return QList<int>{c.left(), c.top(), c.width(), c.height()};
    };
    EXPECT_EQ(box(window.Text2), (QList<int>{50, 50, 5000, 350}));
    EXPECT_EQ(box(window.Command1), (QList<int>{5070, 50, 580, 350}));
    EXPECT_EQ(box(window.Command2), (QList<int>{5670, 50, 580, 350}));
    EXPECT_EQ(box(window.Command3), (QList<int>{6270, 50, 580, 350}));
    EXPECT_EQ(box(window.TV1), (QList<int>{50, 420, 6800, 4030}));
    EXPECT_EQ(box(window.Text1), (QList<int>{50, 4500, 6800, 2050}));
    // Narrowed and flattened below its minimum, no control gets a negative size.
    window.userResized(900, 300);
    for (const Control *c : window.allControls()) {
        EXPECT_GE(c->width(), 0) << qPrintable(c->name());
        EXPECT_GE(c->height(), 0) << qPrintable(c->name());
    }
    EXPECT_EQ(window.Text2.width(), 0);
    EXPECT_EQ(window.TV1.width(), 700);
}

} // namespace
