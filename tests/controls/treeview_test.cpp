// The tree view and its image list: adding under relatives with unique keys and known pictures, the
// 1-based node list, paths, expansion pictures, and which doors run the Click and DblClick events.

#include "controls/forms.h"
#include "controls/imagelist.h"
#include "controls/treeview.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

Picture dot(quint32 colour)
{
    return Picture{{QStringLiteral(u" x "), QStringLiteral(u"xxx")}, {{u'x', colour}}};
}

struct TreeViewTest : ::testing::Test
{
    Form form{QStringLiteral(u"Form")};
    ImageList images{&form, QStringLiteral(u"ImageList1")};
    TreeView TV1{&form, QStringLiteral(u"TV1")};
    QString log;

    void SetUp() override
    {
        images.add(QStringLiteral(u"closed"), dot(0x0000FF));
        images.add(QStringLiteral(u"open"), dot(0x00FF00));
        images.add(QStringLiteral(u"leaf"), dot(0xFF0000));
        TV1.setImageList(&images);
        TV1.onClick = [this] { log += QStringLiteral(u"Click(") + selectedKey() + u");"_s; };
        TV1.onDblClick = [this] { log += QStringLiteral(u"DblClick(") + selectedKey() + u");"_s; };
    }
    QString selectedKey() const
    {
        return TV1.selectedItem() ? TV1.selectedItem()->key() : QStringLiteral(u"-");
    }
};

TEST(ImageList, KeepsPicturesUnderUniqueKeysInOrder)
{
    ImageList list(nullptr, QStringLiteral(u"ImageList1"));
    EXPECT_FALSE(list.visible());
    EXPECT_TRUE(list.add(QStringLiteral(u"b"), dot(1)));
    EXPECT_TRUE(list.add(QStringLiteral(u"a"), dot(2)));
    EXPECT_FALSE(list.add(QStringLiteral(u"b"), dot(3)));
    EXPECT_FALSE(list.add(QString(), dot(3)));
    EXPECT_EQ(list.keys(), (QStringList{QStringLiteral(u"b"), QStringLiteral(u"a")}));
    ASSERT_NE(list.picture(QStringLiteral(u"b")), nullptr);
    EXPECT_EQ(list.picture(QStringLiteral(u"b"))->colourAt(1, 0), 1u);
    EXPECT_EQ(list.picture(QStringLiteral(u"nope")), nullptr);
}

TEST(ImageList, PictureCellsOutsideTheRowsOrUnnamedAreTransparent)
{
    const Picture p = dot(7);
    EXPECT_EQ(p.width(), 3);
    EXPECT_EQ(p.height(), 2);
    EXPECT_EQ(p.colourAt(0, 0), std::nullopt);
    EXPECT_EQ(p.colourAt(0, 1), 7u);
    EXPECT_EQ(p.colourAt(3, 1), std::nullopt);
    EXPECT_EQ(p.colourAt(0, 2), std::nullopt);
    EXPECT_EQ(p.colourAt(-1, 0), std::nullopt);
}

TEST_F(TreeViewTest, NodesAreNumberedInOrderOfAddingAndHangUnderTheirRelatives)
{
    TreeNode *a = TV1.add(nullptr, 0, QStringLiteral(u"a"), QStringLiteral(u"A"), u"closed"_s);
    TreeNode *b = TV1.add(nullptr, 0, QStringLiteral(u"b"), QStringLiteral(u"B"), u"closed"_s);
    TreeNode *a1 = TV1.add(a, tvw::Child, QStringLiteral(u"a1"), QStringLiteral(u"A1"));
    TreeNode *a1x = TV1.add(a1, tvw::Child, QString(), QStringLiteral(u"X"), u"leaf"_s);
    TreeNode *a1y = TV1.add(a1, tvw::Child, QString(), QStringLiteral(u"Y"), u"leaf"_s);
    ASSERT_TRUE(a && b && a1 && a1x && a1y);
    EXPECT_EQ(TV1.count(), 5);
    EXPECT_EQ(TV1.node(1), a);
    EXPECT_EQ(TV1.node(3), a1);
    EXPECT_EQ(TV1.node(5), a1y);
    EXPECT_EQ(TV1.node(0), nullptr);
    EXPECT_EQ(TV1.node(6), nullptr);
    EXPECT_EQ(a1y->index(), 5);
    EXPECT_EQ(TV1.roots(), (std::vector<TreeNode *>{a, b}));
    EXPECT_EQ(a1->children(), (std::vector<TreeNode *>{a1x, a1y}));
    EXPECT_EQ(a1x->parent(), a1);
    EXPECT_EQ(a->parent(), nullptr);
    EXPECT_EQ(a1y->fullPath(), QStringLiteral(u"A\\A1\\Y"));
    EXPECT_EQ(TV1.node(QStringLiteral(u"A1")), a1);
    EXPECT_EQ(TV1.node(QString()), nullptr);
}

TEST_F(TreeViewTest, RefusedAddsLeaveTheTreeAsItWas)
{
    TreeNode *a = TV1.add(nullptr, 0, QStringLiteral(u"Key"), QStringLiteral(u"A"));
    ASSERT_NE(a, nullptr);
    // A key taken already, also in another letter case.
    EXPECT_EQ(TV1.add(a, tvw::Child, QStringLiteral(u"Key"), QStringLiteral(u"B")), nullptr);
    EXPECT_EQ(TV1.add(a, tvw::Child, QStringLiteral(u"KEY"), QStringLiteral(u"B")), nullptr);
    // A picture the image list does not hold.
    EXPECT_EQ(TV1.add(a, tvw::Child, QStringLiteral(u"c"), QStringLiteral(u"C"), u"A9"_s), nullptr);
    // Another relationship than Child, or a relative of another tree.
    EXPECT_EQ(TV1.add(a, 1, QStringLiteral(u"d"), QStringLiteral(u"D")), nullptr);
    TreeView other(&form, QStringLiteral(u"TV2"));
    TreeNode *foreign = other.add(nullptr, 0, QStringLiteral(u"f"), QStringLiteral(u"F"));
    EXPECT_EQ(TV1.add(foreign, tvw::Child, QStringLiteral(u"e"), QStringLiteral(u"E")), nullptr);
    EXPECT_EQ(TV1.count(), 1);
    EXPECT_TRUE(a->children().empty());
    // A refused key stays free for a later add.
    EXPECT_NE(TV1.add(a, tvw::Child, QStringLiteral(u"c"), QStringLiteral(u"C"), u"leaf"_s),
              nullptr);
}

TEST_F(TreeViewTest, ExpandedPictureShowsOnlyWhileExpandedAndPicturesMustExist)
{
    TreeNode *a = TV1.add(nullptr, 0, QStringLiteral(u"a"), QStringLiteral(u"A"), u"closed"_s);
    EXPECT_EQ(a->shownImage(), u"closed");
    a->setExpanded(true);
    EXPECT_EQ(a->shownImage(), u"closed");
    EXPECT_TRUE(a->setExpandedImage(QStringLiteral(u"open")));
    EXPECT_EQ(a->shownImage(), u"open");
    a->setExpanded(false);
    EXPECT_EQ(a->shownImage(), u"closed");
    EXPECT_FALSE(a->setImage(QStringLiteral(u"missing")));
    EXPECT_FALSE(a->setExpandedImage(QStringLiteral(u"missing")));
    EXPECT_EQ(a->image(), u"closed");
    EXPECT_EQ(a->expandedImage(), u"open");
}

TEST_F(TreeViewTest, ClearRemovesEveryNodeKeyAndTheSelection)
{
    TreeNode *a = TV1.add(nullptr, 0, QStringLiteral(u"a"), QStringLiteral(u"A"));
    a->setSelected(true);
    TV1.clear();
    EXPECT_EQ(TV1.count(), 0);
    EXPECT_EQ(TV1.selectedItem(), nullptr);
    EXPECT_EQ(TV1.node(QStringLiteral(u"a")), nullptr);
    EXPECT_NE(TV1.add(nullptr, 0, QStringLiteral(u"a"), QStringLiteral(u"A")), nullptr);
    EXPECT_EQ(TV1.node(1)->index(), 1);
}

TEST_F(TreeViewTest, OnlyTheUsersClicksRunEventsAndAClickBesideTheNodesKeepsTheSelection)
{
    TreeNode *a = TV1.add(nullptr, 0, QStringLiteral(u"a"), QStringLiteral(u"A"));
    TreeNode *b = TV1.add(a, tvw::Child, QStringLiteral(u"b"), QStringLiteral(u"B"));
    // Code selects, expands and renames silently.
    b->setSelected(true);
    a->setExpanded(true);
    a->setText(QStringLiteral(u"AA"));
    TV1.setSelectedItem(a);
    EXPECT_TRUE(a->selected());
    EXPECT_FALSE(b->selected());
    // Keyboard moves select without a click.
    TV1.userSelected(b);
    EXPECT_EQ(log, QString());
    TV1.userClicked(a);
    TV1.userClicked(nullptr);
    TV1.userDoubleClicked(b);
    TV1.userDoubleClicked(nullptr);
    EXPECT_EQ(log, QStringLiteral(u"Click(a);Click(a);DblClick(b);DblClick(b);"));
    b->setSelected(false);
    EXPECT_EQ(TV1.selectedItem(), nullptr);
    TV1.userClicked(nullptr);
    TV1.setEnabled(false);
    TV1.userClicked(a);
    EXPECT_EQ(log, QStringLiteral(u"Click(a);Click(a);DblClick(b);DblClick(b);Click(-);"));
}

TEST_F(TreeViewTest, TheUserOpensOnlyNodesWithChildren)
{
    TreeNode *a = TV1.add(nullptr, 0, QStringLiteral(u"a"), QStringLiteral(u"A"));
    TreeNode *b = TV1.add(a, tvw::Child, QStringLiteral(u"b"), QStringLiteral(u"B"));
    TV1.userExpanded(b, true);
    EXPECT_FALSE(b->expanded());
    TV1.userExpanded(a, true);
    EXPECT_TRUE(a->expanded());
    TV1.userExpanded(a, false);
    EXPECT_FALSE(a->expanded());
    EXPECT_EQ(log, QString());
}

// What a view is told: one notification per change, with the change described.
TEST_F(TreeViewTest, ObserverLearnsEachAddChangeAndClear)
{
    struct Recorder : ControlObserver
    {
        TreeView *tree = nullptr;
        QString log;
        void propertyChanged(Control &, Property property) override
        {
            const TreeView::Change &c = tree->lastChange();
            switch (property) {
            case Property::List:
                log += c.kind == TreeView::ChangeKind::Added ? u"add("_s + c.node->key() + u");"_s
                                                             : QStringLiteral(u"clear;");
                break;
            case Property::Value:
                log += u"node("_s + c.node->key() + u");"_s;
                break;
            case Property::Selection:
                log += QStringLiteral(u"sel;");
                break;
            default:
                break;
            }
        }
    } recorder;
    recorder.tree = &TV1;
    TV1.setObserver(&recorder);
    TreeNode *a = TV1.add(nullptr, 0, QStringLiteral(u"a"), QStringLiteral(u"A"));
    a->setExpanded(true);
    a->setExpanded(true);
    a->setImage(QStringLiteral(u"leaf"));
    a->setSelected(true);
    a->setSelected(true);
    TV1.clear();
    TV1.clear();
    EXPECT_EQ(recorder.log, QStringLiteral(u"add(a);node(a);node(a);sel;clear;"));
    TV1.setObserver(nullptr);
}

} // namespace
