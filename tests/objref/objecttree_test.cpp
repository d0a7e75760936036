// The object tree built from the member-list text: the 125 skeleton nodes in their order, the
// member leaves of every category (items without a level code and repeated items left out, the
// form's members from its "forms" section), and the access path and explanation a click shows.

#include "controls/imagelist.h"
#include "controls/treeview.h"
#include "objref/objectreference.h"
#include "objref/objecttree.h"
#include "objref_reader.h"
#include "resources/treepictures.h"
#include "support/reference_texts.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct ObjectTreeTest : ::testing::Test
{
    ImageList images{nullptr, u"ImageList1"_s};
    TreeView tree{nullptr, u"TV1"_s};

    void SetUp() override
    {
        treepictures::addObjectTreePictures(images);
        tree.setImageList(&images);
        objecttree::build(objectTexts().objTreeText, tree);
    }
    QStringList childTexts(const QString &key) const
    {
        QStringList out;
        if (TreeNode *node = tree.node(key))
            for (TreeNode *child : node->children())
                out << child->text();
        return out;
    }
    int countImage(const QString &image) const
    {
        int n = 0;
        for (int i = 1; i <= tree.count(); ++i)
            n += tree.node(i)->image() == image;
        return n;
    }
    QString explain(const QString &key) const
    {
        return objecttree::explanation(key, objectTexts().objRefText,
                                       objectTexts().objRefTextLower);
    }
};

TEST_F(ObjectTreeTest, SkeletonOfObjectsAndCategoriesInOrderOfCreation)
{
    QStringList first;
    for (int i = 1; i <= 16; ++i)
        first << tree.node(i)->key();
    EXPECT_EQ(first.join(u' '),
              u"window screen screenpropaty navigator navigatorpropaty navigatormethod plugins "
              u"mineTypes pluginspropaty pluginsmethod mineTypespropaty event eventpropaty "
              u"windowpropaty windowmethod windowevents"_s);
    EXPECT_EQ(tree.node(124)->key(), u"RegExpmethod");
    EXPECT_EQ(tree.node(u"openoption"_s)->index(), tree.count() - 34);

    // 38 objects and the features node, 38 + 31 + 17 categories.
    EXPECT_EQ(countImage(u"closed"_s), 39);
    EXPECT_EQ(countImage(u"pro"_s), 38);
    EXPECT_EQ(countImage(u"meth"_s), 31);
    EXPECT_EQ(countImage(u"event"_s), 17);
    QStringList roots;
    for (TreeNode *root : tree.roots())
        roots << root->key();
    EXPECT_EQ(roots.join(u' '), u"window screen navigator event Date Math string Array function "
                                u"Object Boolean Number RegExp"_s);
    EXPECT_EQ(childTexts(u"navigator"_s).join(u' '), u"プロパティ メソド plugins mineTypes"_s);
    EXPECT_EQ(childTexts(u"document"_s).join(u' '),
              u"プロパティ メソド イベント layers links image area anchor applet Form"_s);
    EXPECT_EQ(tree.node(u"embeds"_s)->text(), u"applet");
    EXPECT_EQ(childTexts(u"select"_s).back(), u"option");
    EXPECT_EQ(tree.node(u"openoption"_s)->parent()->key(),
              u"windowmethodopen(\"URL\",\"ウィンドウ名\",\"属性\")A0");
}

TEST_F(ObjectTreeTest, EveryCategoryListsTheCodedItemsOfItsKindOnce)
{
    using namespace objref_reader;
    int leaves = 0, checked = 0;
    for (int i = 1; i <= tree.count(); ++i) {
        TreeNode *category = tree.node(i);
        const QString image = category->image();
        if (image != u"pro" && image != u"meth" && image != u"event")
            continue;
        const QString object = category->parent()->key();
        const auto section =
            treeSection(objectTexts().objTreeText, object == u"Form" ? u"forms"_s : object);
        const Kind kind = image == u"pro"    ? Kind::Property
                          : image == u"meth" ? Kind::Method
                                             : Kind::Event;
        QStringList expected;
        QSet<QString> seen;
        for (const Item &item : section ? treeItems(*section) : QList<Item>())
            if (item.kind == kind && !item.level.isEmpty() && !seen.contains(item.raw)) {
                seen.insert(item.raw);
                expected << item.name;
            }
        QStringList shown;
        for (TreeNode *leaf : category->children()) {
            if (leaf->key() == u"openoption")
                continue;
            shown << leaf->text();
            EXPECT_EQ(leaf->image(), leaf->key().right(2));
            EXPECT_TRUE(leaf->key().startsWith(category->key()));
        }
        EXPECT_EQ(shown, expected) << qPrintable(category->key());
        leaves += int(shown.size());
        ++checked;
    }
    EXPECT_EQ(checked, 86);
    EXPECT_EQ(tree.count(), 125 + leaves + 34);
    EXPECT_EQ(childTexts(u"windowpropaty"_s).size(), 26);
    EXPECT_EQ(childTexts(u"windowmethod"_s).size(), 30);
    EXPECT_EQ(childTexts(u"windowevents"_s).size(), 8);
    EXPECT_EQ(childTexts(u"windowevents"_s).first(), u"onBlur");
    EXPECT_EQ(childTexts(u"openoption"_s).size(), 34);
    EXPECT_EQ(childTexts(u"openoption"_s).first(), u"toolbar=yes");
}

TEST_F(ObjectTreeTest, RepeatedUncodedAndJoinedItemsAsTheyStand)
{
    EXPECT_EQ(childTexts(u"Hiddenpropaty"_s).count(u"value"_s), 1);
    EXPECT_EQ(childTexts(u"Datemethod"_s).count(u"getFullYear()"_s), 2);
    EXPECT_EQ(childTexts(u"Datemethod"_s).count(u"getMilliseconds()"_s), 2);
    const QStringList buttonEvents = childTexts(u"buttonevents"_s);
    EXPECT_FALSE(buttonEvents.contains(u"onMouseDown"_s));
    EXPECT_FALSE(buttonEvents.contains(u"onMouseUp"_s));
    EXPECT_FALSE(childTexts(u"Objectpropaty"_s).contains(u"Object"_s));
    for (const QString &text : childTexts(u"selectevents"_s))
        EXPECT_FALSE(text.contains(u':')) << qPrintable(text);
    // The form's categories read the "forms" section.
    EXPECT_EQ(childTexts(u"Formpropaty"_s).join(u' '),
              u"action elements encoding length method name target"_s);
    EXPECT_EQ(childTexts(u"Formmethod"_s).join(u' '), u"handleEvent() reset() submit()"_s);
    EXPECT_EQ(childTexts(u"Formevents"_s).join(u' '), u"onReset onSubmit"_s);
    // Building again gives the same tree, not a second one.
    const int count = tree.count();
    objecttree::build(objectTexts().objTreeText, tree);
    EXPECT_EQ(tree.count(), count);
}

TEST_F(ObjectTreeTest, AccessPathsDropCategoriesAndTheWindow)
{
    EXPECT_EQ(objecttree::accessPath(*tree.node(u"windowpropatyclosedA1"_s)), u"closed");
    EXPECT_EQ(objecttree::accessPath(*tree.node(u"documentpropatytitleA0"_s)), u"document.title");
    EXPECT_EQ(objecttree::accessPath(*tree.node(u"DatemethodgetDate()A0"_s)), u"Date.getDate()");
    EXPECT_EQ(objecttree::accessPath(*tree.node(u"Mathmethodmax()A0"_s)), u"Math.max()");
    EXPECT_EQ(objecttree::accessPath(*tree.node(u"embedspropatylengthA1"_s)),
              u"document.applet.length");
    EXPECT_EQ(objecttree::accessPath(*tree.node(u"openoptiontoolbar=yesA0"_s)),
              u"open(\"URL\",\"ウィンドウ名\",\"属性\").option.toolbar=yes");
    EXPECT_EQ(objecttree::accessPath(*tree.node(u"windowevents*onLoadA0"_s)), u"onLoad");
    EXPECT_EQ(objecttree::accessPath(*tree.node(u"document"_s)), u"document");
    EXPECT_EQ(objecttree::accessPath(*tree.node(u"Datemethod"_s)), u"Date.");
}

TEST_F(ObjectTreeTest, ExplanationsShowNameDescriptionAndTheWholeExample)
{
    EXPECT_EQ(explain(u"windowpropatyclosedA1"_s),
              u"closed: ウインドウが閉じられているかどうかを真偽値で返す\r\n使用例:\r\n"
              u"return=window.closed \r\n"_s);
    // An example with commas of its own is shown whole.
    EXPECT_EQ(explain(u"Mathmethodmax()A0"_s),
              u"max: ２つの数値を比較し大きい方を返す\r\n使用例:\r\n myvalue=Math.max(2,5) \r\n"_s);
    // The form's members are explained from its "<Form>" section.
    EXPECT_TRUE(explain(u"FormpropatyactionA0"_s).startsWith(u"action:フォームの送り先のURL"));
    EXPECT_TRUE(explain(u"Formevents*onSubmitA0"_s).startsWith(u"onSubmit:"));
    // No section, no line, or no member key: nothing.
    EXPECT_EQ(explain(u"embedspropatylengthA1"_s), QString());
    EXPECT_EQ(explain(u"openoptiontoolbar=yesA0"_s), QString());
    EXPECT_EQ(explain(u"windowpropaty"_s), QString());
    EXPECT_EQ(explain(u"window"_s), QString());
}

TEST_F(ObjectTreeTest, AMembersOwnLineIsPreferredToAMatchInsideALongerName)
{
    // "name," stands inside "hostname," before the links section's own name line.
    const auto links = objref_reader::refSection(objectTexts().objRefText,
                                                 objectTexts().objRefTextLower, u"links"_s);
    ASSERT_TRUE(links.has_value());
    const qsizetype own = links->text.indexOf(u"\r\nname,"_s);
    ASSERT_GT(own, links->text.indexOf(u"hostname,"_s));
    const QStringList fields =
        links->text.mid(own + 2, links->text.indexOf(u"\r\n"_s, own + 2) - own - 2).split(u',');
    ASSERT_EQ(fields.size(), 3);
    EXPECT_EQ(explain(u"linkspropatynameA0"_s),
              u"name:"_s + fields[1] + u"\r\n使用例:\r\n"_s + fields[2] + u"\r\n"_s);
    // Two member lines run together: each member gets its own explanation.
    EXPECT_EQ(explain(u"windowpropatyouterWidthA2"_s),
              u"outerWidth:枠を含めたウインドウの幅をピクセルで取得・設定\r\n使用例:\r\n"
              u"w=window.outerWidth\r\n"_s);
    EXPECT_EQ(explain(u"windowpropatyouterHeightA2"_s),
              u"outerHeight:枠を含めたウインドウの高さをピクセルで取得・設定\r\n使用例:\r\n"
              u"h=window.outerHeight\r\n"_s);
    EXPECT_EQ(explain(u"layerspropatysrcA2"_s),
              u"src:レイヤーに読み込む文書のURLを取得・設定\r\n使用例:\r\n"
              u"objLayer.src=\"news.html\"\r\n"_s);
    EXPECT_TRUE(explain(u"layerspropatyvisibilityA2"_s).startsWith(u"visibility:"));
}

} // namespace
