// The tag tree read from the built-in tag reference text: its 390 nodes with their keys and
// pictures in either letter case, the twelve nodes that show an example, the code of an entry cut
// at its separator, and how a code goes around the source view's selection.

#include "controls/imagelist.h"
#include "controls/strings.h"
#include "controls/treeview.h"
#include "reference/tagreference.h"
#include "reference/tagtree.h"
#include "resources/treepictures.h"
#include "support/reference_texts.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct TagTreeTest : ::testing::Test
{
    ImageList images{nullptr, u"ImageList1"_s};
    TreeView tree{nullptr, u"TV1"_s};
    QString text = tagText();

    void SetUp() override
    {
        treepictures::addTagTreePictures(images);
        tree.setImageList(&images);
    }
    int depth(const TreeNode *node) const
    {
        int level = 1;
        for (; node->parent(); node = node->parent())
            ++level;
        return level;
    }
};

TEST_F(TagTreeTest, OneNodePerEntryOfLevelsOneToFourWithUniqueKeysInEitherCase)
{
    for (bool upper : {false, true}) {
        SCOPED_TRACE(upper);
        tagtree::build(text, upper, tree);
        EXPECT_EQ(tree.count(), 390);
        EXPECT_EQ(tree.roots().size(), 11u);
        int perLevel[5] = {};
        qsizetype longest = 0;
        for (int i = 1; i <= tree.count(); ++i) {
            TreeNode *n = tree.node(i);
            ++perLevel[depth(n)];
            longest = std::max(longest, n->key().size());
            // A node's key is its parent's key followed by its own line.
            const QString ownLine =
                n->parent() ? n->key().mid(n->parent()->key().size()) : n->key();
            EXPECT_EQ(ownLine.mid(2), n->text());
            EXPECT_EQ(ownLine.left(2), u'$' + QString::number(depth(n)));
            EXPECT_EQ(n->image(), depth(n) == 1 || !n->children().empty() ? u"obj1" : u"leaf")
                << qPrintable(n->key());
            EXPECT_TRUE(n->expandedImage().isEmpty());
            EXPECT_FALSE(n->expanded());
        }
        EXPECT_EQ(perLevel[1], 11);
        EXPECT_EQ(perLevel[2], 50);
        EXPECT_EQ(perLevel[3], 47);
        EXPECT_EQ(perLevel[4], 282);
        EXPECT_EQ(longest, 113);
        EXPECT_EQ(tree.selectedItem(), nullptr);
    }
    tagtree::build(text, false, tree);
    EXPECT_EQ(tree.node(1)->key(), u"$1基本構造関係");
    EXPECT_EQ(tree.node(1)->text(), u"基本構造関係");
    EXPECT_NE(tree.node(u"$1基本構造関係$2ボデー $3<body></body> - --この中に記述する"_s), nullptr);
    QStringList categories;
    for (TreeNode *root : tree.roots())
        categories << root->text();
    EXPECT_EQ(categories.first(), u"基本構造関係");
    EXPECT_EQ(categories.last(), u"特殊文字関係  ");
    EXPECT_TRUE(tree.roots().back()->children().back()->children().empty());
    EXPECT_EQ(tree.roots().back()->children().back()->text(), u"registered trademark ->R &#174; ");
}

TEST_F(TagTreeTest, UpperCaseTurnsWholeTagEntriesOnly)
{
    tagtree::build(text, true, tree);
    QSet<QString> texts;
    for (int i = 1; i <= tree.count(); ++i)
        texts.insert(tree.node(i)->text());
    EXPECT_TRUE(texts.contains(u"<DIV></DIV>---ブロック要素"_s));
    EXPECT_TRUE(texts.contains(u"<BODY BACKGROUND=\"FILENAME\">---画面の背景画像を指定"_s));
    EXPECT_TRUE(texts.contains(u"ampersand & -> &amp; "_s));
    EXPECT_TRUE(texts.contains(u"h1を参照  "_s));
    EXPECT_FALSE(texts.contains(u"<div></div>---ブロック要素"_s));
}

TEST_F(TagTreeTest, TwelveNodesShowTheExampleThatClosesTheirSubject)
{
    for (bool upper : {false, true}) {
        tagtree::build(text, upper, tree);
        QStringList shown;
        QString olExample, divExample;
        for (int i = 1; i <= tree.count(); ++i) {
            const QString nodeText = tree.node(i)->text();
            const QString example = tagtree::exampleFor(text, nodeText);
            if (example.isEmpty())
                continue;
            shown << nodeText;
            if (nodeText.compare(u"<ol></ol> ", Qt::CaseInsensitive) == 0)
                olExample = example;
            if (nodeText.startsWith(u"<div></div>", Qt::CaseInsensitive))
                divExample = example;
        }
        const QStringList expected{u"ブロック要素(DIV)"_s,
                                   u"<div></div>---ブロック要素"_s,
                                   u"<div class=\"classname\">---クラス名"_s,
                                   u"インライン要素(SPAN)"_s,
                                   u"<span></span> "_s,
                                   u"<span id=idname>---ID名前"_s,
                                   u"順序の無いリスト(Unordered List) "_s,
                                   u"<ul></ul> "_s,
                                   u"<ul type=\"square\">---四角"_s,
                                   u"順序のあるリスト(Ordered List) "_s,
                                   u"<ol></ol> "_s,
                                   u"<ol type=i>---i,ii...."_s};
        ASSERT_EQ(shown.size(), 12);
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(shown[i].compare(expected[i], Qt::CaseInsensitive), 0)
                << qPrintable(shown[i]);
        // The examples keep the text's own letter case and their inner line breaks.
        EXPECT_EQ(olExample, u"<ol type=\"A\">\r\n<li>犬\r\n<li>猫\r\n<li>豚\r\n</ol>");
        EXPECT_EQ(divExample, u"<div align=\"left\" style=\"border:3px solid gray\">左寄せ</div>");
    }
    EXPECT_EQ(tagtree::exampleFor(text, u"<ol type=a>---a,b,c,d..."_s), QString());
    EXPECT_EQ(tagtree::exampleFor(text, u"基本構造関係"_s), QString());
    EXPECT_EQ(tagtree::exampleFor(text, u"リスト関係"_s), QString());
    EXPECT_EQ(tagtree::exampleFor(text, u"どこにも無い"_s), QString());
}

TEST_F(TagTreeTest, CodesAreCutAtTheirSeparator)
{
    struct Case
    {
        const char16_t *entry, *code;
    };
    const Case cases[] = {
        {u"<!-- -->---間にコメントを書く ", u"<!-- -->"},
        {u"<font font-weight=n>---文字の太さ（標準外の属性）", u"<font font-weight=n>"},
        {u"<body></body> - --この中に記述する", u"<body></body>"},
        {u"<frame noresize>--フレームのリサイズを禁止  ", u"<frame noresize>"},
        {u"<p></p> ", u"<p></p> "},
        // A special character: its character reference (the first of two), nothing else.
        {u"ampersand & -> &amp; ", u"&amp;"},
        {u"cent sign ￠ ->    &cent; ", u"&cent;"},
        {u"copyright symbol -> c &copy; or &#169; ", u"&copy;"},
        {u"registered trademark ->R &#174; ", u"&#174;"},
        {u"h1を参照  ", u"h1を参照  "},
        {u"rows=XX", u"rows=XX"},
    };
    tagtree::build(text, false, tree);
    QSet<QString> texts;
    for (int i = 1; i <= tree.count(); ++i)
        texts.insert(tree.node(i)->text());
    for (const Case &c : cases) {
        const QString entry = QString::fromUtf16(c.entry);
        EXPECT_TRUE(texts.contains(entry)) << qPrintable(entry);
        EXPECT_EQ(tagtree::codePart(entry), QString::fromUtf16(c.code));
    }
    // Every tag and attribute variant that starts with "<" gives a whole start tag: its code holds
    // as many "<" as ">" and keeps every "-" of an attribute.
    int whole = 0, codes = 0;
    for (int i = 1; i <= tree.count(); ++i) {
        const QString entry = tree.node(i)->text();
        if (!entry.startsWith(u'<'))
            continue;
        ++codes;
        const QString code = tagtree::codePart(entry);
        whole += code.count(u'<') == code.count(u'>') && code.count(u'<') >= 1;
    }
    EXPECT_EQ(codes, 47 + 282 - 8);
    EXPECT_EQ(whole, codes);
}

TEST(TagTreeInsertion, CodeGoesAroundTheSelectionOrAtTheCaret)
{
    EXPECT_EQ(tagtree::insertion(u"<b></b> "_s, u"abc"_s, true), u"<b>abc</b> "_s);
    EXPECT_EQ(tagtree::insertion(u"<DIV></DIV>"_s, u"x"_s, true), u"<DIV>x</DIV>"_s);
    EXPECT_EQ(tagtree::insertion(u"<br>"_s, u"abc"_s, true), std::nullopt);
    EXPECT_EQ(tagtree::insertion(u""_s, u"abc"_s, true), std::nullopt);
    EXPECT_EQ(tagtree::insertion(u"<b></b> "_s, QString(), false), u"<b></b> "_s);
    EXPECT_EQ(tagtree::insertion(u"<br>"_s, QString(), false), u"<br>"_s);
}

} // namespace
