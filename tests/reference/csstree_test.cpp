// The CSS tree read from the built-in CSS reference text: its groups, properties and values in text
// order, the description a click on each property shows, and the value a value line stands for.

#include "controls/imagelist.h"
#include "controls/strings.h"
#include "controls/treeview.h"
#include "reference/cssreference.h"
#include "reference/csstree.h"
#include "resources/treepictures.h"
#include "support/reference_texts.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kCrLf = u"\r\n"_s;

struct CssTreeTest : ::testing::Test
{
    ImageList images{nullptr, u"ImageList1"_s};
    TreeView tree{nullptr, u"TV1"_s};
    QString text = cssText();

    void SetUp() override
    {
        treepictures::addCssTreePictures(images);
        tree.setImageList(&images);
        csstree::build(text, tree);
    }
    std::vector<TreeNode *> withImage(const QString &image) const
    {
        std::vector<TreeNode *> out;
        for (int i = 1; i <= tree.count(); ++i)
            if (tree.node(i)->image() == image)
                out.push_back(tree.node(i));
        return out;
    }
};

TEST_F(CssTreeTest, TenGroupsSixtyEightPropertiesAndTheirValuesInTextOrder)
{
    QStringList groups, texts;
    for (TreeNode *root : tree.roots()) {
        groups << root->key();
        texts << root->text();
        EXPECT_EQ(root->image(), u"obj1");
        EXPECT_FALSE(root->expanded());
    }
    EXPECT_EQ(groups,
              (QStringList{u"<$フォントの設定>"_s, u"<$テキストの設定>"_s, u"<$色設定>"_s,
                           u"<$背景の設定>"_s, u"<$ボックスの大きさの設定>"_s,
                           u"<$ボックスの枠線の設定>"_s, u"<$ボックスの余白の設定>"_s,
                           u"<$位置の指定>"_s, u"<$分類のプロパティ>"_s, u"<$リストの設定>"_s}));
    EXPECT_EQ(texts.first(), u"フォントの設定");
    EXPECT_EQ(texts.last(), u"リストの設定");

    const auto properties = withImage(u"propaty1"_s);
    const auto values = withImage(u"value"_s);
    EXPECT_EQ(properties.size(), 68u);
    EXPECT_EQ(values.size(), 486u);
    EXPECT_EQ(tree.count(), 10 + 68 + 486);
    static const QSet<QString> valueless{u"font"_s,        u"border"_s,       u"border-top"_s,
                                         u"border-left"_s, u"border-right"_s, u"border-bottom"_s};
    for (TreeNode *p : properties) {
        SCOPED_TRACE(qPrintable(p->key()));
        ASSERT_NE(p->parent(), nullptr);
        EXPECT_EQ(p->key(), p->parent()->key() + u'+' + p->text());
        EXPECT_EQ(p->key().count(u'+'), 1);
        EXPECT_EQ(p->children().empty(), valueless.contains(p->text()));
    }
    for (TreeNode *v : values) {
        EXPECT_TRUE(v->key().isEmpty());
        EXPECT_EQ(v->parent()->image(), u"propaty1");
        EXPECT_FALSE(v->text().startsWith(u'<')) << qPrintable(v->text());
        EXPECT_FALSE(strings::trim(v->text()).isEmpty());
    }
    TreeNode *borderGroup = tree.node(u"<$ボックスの枠線の設定>"_s);
    EXPECT_EQ(borderGroup->children().size(), 20u);
    EXPECT_NE(tree.node(u"<$フォントの設定>+line-height"_s), nullptr);
    EXPECT_NE(tree.node(u"<$テキストの設定>+line-height"_s), nullptr);
}

TEST_F(CssTreeTest, PropertiesOfOneBlockEachGetTheBlocksValues)
{
    QStringList topValues;
    for (TreeNode *v : tree.node(u"<$位置の指定>+top"_s)->children())
        topValues << v->text();
    ASSERT_EQ(topValues.size(), 11);
    EXPECT_EQ(topValues.first(), u"px-----------ピクセル");
    EXPECT_EQ(topValues.last(), u"auto---------自動調整");
    for (const char16_t *name : {u"left", u"right", u"bottom"}) {
        QStringList values;
        for (TreeNode *v : tree.node(u"<$位置の指定>+"_s + QString::fromUtf16(name))->children())
            values << v->text();
        EXPECT_EQ(values, topValues) << qPrintable(QString::fromUtf16(name));
    }
    // The ideographic spaces before the z-index block's description marker are no value.
    QStringList zIndex;
    for (TreeNode *v : tree.node(u"<$位置の指定>+z-index"_s)->children())
        zIndex << v->text();
    EXPECT_EQ(zIndex, (QStringList{u"番号-------数字１２３"_s, u"auto-------自動調整"_s}));
    // Building again starts from an empty tree.
    csstree::build(text, tree);
    EXPECT_EQ(tree.count(), 564);
}

TEST_F(CssTreeTest, EveryPropertyShowsItsOwnDescriptionAndExamples)
{
    for (TreeNode *p : withImage(u"propaty1"_s)) {
        SCOPED_TRACE(qPrintable(p->key()));
        const auto shown = csstree::describeProperty(text, p->parent()->key(), p->text());
        ASSERT_TRUE(shown.groupFound);
        ASSERT_TRUE(shown.text.has_value());
        const QString cut = *shown.text;
        EXPECT_TRUE(cut.startsWith(u"<説明>\r\n"));
        EXPECT_EQ(cut.count(u"<説明>"), 1);
        EXPECT_EQ(cut.count(u"\r\n<例>\r\n"), 1);
        EXPECT_TRUE(cut.endsWith(kCrLf));
        // It ends where the next property, group or the end line begins.
        const int at = strings::inStr(text, cut);
        EXPECT_EQ(strings::mid(text, at + int(cut.size()), 1), u"<");
        // The property's own line lies in its group, with no other description before the cut.
        const int header = strings::inStr(text, p->parent()->key());
        const int own = strings::inStr(header + 1, text, u'<' + p->text() + u'>');
        EXPECT_LT(own, strings::inStr(header + 1, text, u"<$"_s));
        EXPECT_FALSE(strings::mid(text, own, at - own).contains(u"<例>"));
    }
    auto describe = [&](const QString &group, const QString &name) {
        return csstree::describeProperty(text, group, name).text.value_or(u"(none)"_s);
    };
    EXPECT_TRUE(describe(u"<$フォントの設定>"_s, u"font"_s)
                    .startsWith(u"<説明>\r\nフォント関係のプロパティ"));
    EXPECT_TRUE(describe(u"<$フォントの設定>"_s, u"font-style"_s)
                    .endsWith(u"<例>\r\nH1{font-style:italic}\r\nH1{font-style:normal}\r\n"));
    // Mid-line tags of examples stay inside.
    EXPECT_TRUE(describe(u"<$テキストの設定>"_s, u"vertical-align"_s)
                    .contains(u"水はH<span style=\"vertical-align:sub\">2</span>Oと書く\r\n"));
    EXPECT_TRUE(describe(u"<$リストの設定>"_s, u"list-style-position"_s)
                    .contains(u"内側のマーカー</ul>となる\r\n"));
    // The z-index marker stands after ideographic spaces.
    EXPECT_EQ(describe(u"<$位置の指定>"_s, u"z-index"_s),
              u"<説明>\r\n重なりの順序を整数で指定します。0を基準として、\r\n"
              u"値が大きいものほど上になります\r\n<例>\r\n無し\r\n"_s);
}

TEST_F(CssTreeTest, MissingGroupOrPropertyShowsNothing)
{
    const auto noGroup = csstree::describeProperty(text, u"<$無い>"_s, u"color"_s);
    EXPECT_FALSE(noGroup.groupFound);
    EXPECT_FALSE(noGroup.text);
    const auto noProperty = csstree::describeProperty(text, u"<$色設定>"_s, u"colour"_s);
    EXPECT_TRUE(noProperty.groupFound);
    EXPECT_FALSE(noProperty.text);
    // A property of a later group is not taken for one of an earlier group's.
    EXPECT_TRUE(csstree::describeProperty(text, u"<$リストの設定>"_s, u"color"_s).groupFound);
    EXPECT_FALSE(csstree::describeProperty(text, u"<$リストの設定>"_s, u"color"_s).text);
}

TEST(CssTreeValues, ValueIsTheTextBeforeTheFirstDoubleHyphen)
{
    EXPECT_EQ(csstree::valueOf(u"sans-serif---明朝系のフォント"_s), u"sans-serif");
    EXPECT_EQ(csstree::valueOf(u"cjk-ideographic--漢数字。「一」,「二」"_s), u"cjk-ideographic");
    EXPECT_EQ(csstree::valueOf(u"フォント名----ＭＳゴシックなど"_s), u"フォント名");
    EXPECT_EQ(csstree::valueOf(u"%"_s), u"%");
    EXPECT_EQ(csstree::valueOf(u"x-large"_s), u"x-large");
}

TEST(CssTreeBuild, TextWithoutGroupsGivesAnEmptyTree)
{
    TreeView tree(nullptr, u"TV1"_s);
    tree.add(nullptr, 0, u"old"_s, u"old"_s);
    csstree::build(QString(), tree);
    EXPECT_EQ(tree.count(), 0);
}

} // namespace
