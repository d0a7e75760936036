// The tree view as a QTreeWidget: the nodes and their pictures mirrored as the program adds and
// changes them, and the user's clicks, double clicks and expanders reaching the control once each.

#include "controls/forms.h"
#include "controls/imagelist.h"
#include "controls/treeview.h"
#include "qt/formview.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {
using namespace Qt::StringLiterals;

class TreeForm : public Form
{
public:
    TreeForm() : Form(u"Form2"_s), ImageList1(this, u"ImageList1"_s), TV1(this, u"TV1"_s)
    {
        move(0, 0, 6000, 6000);
        TV1.move(100, 100, 5000, 5000);
        ImageList1.add(u"red"_s, Picture{{u"rr"_s, u"rr"_s}, {{u'r', 0x0000FF}}});
        ImageList1.add(u"blue"_s, Picture{{u"bb"_s, u"b "_s}, {{u'b', 0xFF0000}}});
        TV1.setImageList(&ImageList1);
        TV1.onClick = [this] { log += u"Click("_s + key() + u");"_s; };
        TV1.onDblClick = [this] { log += u"DblClick("_s + key() + u");"_s; };
    }
    QString key() const { return TV1.selectedItem() ? TV1.selectedItem()->key() : u"-"_s; }
    ImageList ImageList1;
    TreeView TV1;
    QString log;
};

struct TreeBindingTest : ::testing::Test
{
    TreeForm form;
    std::unique_ptr<FormView> view;
    QTreeWidget *widget = nullptr;
    TreeNode *root = nullptr;
    TreeNode *child = nullptr;

    void SetUp() override
    {
        root = form.TV1.add(nullptr, 0, u"root"_s, u"根"_s, u"red"_s);
        child = form.TV1.add(root, tvw::Child, u"child"_s, u"枝"_s, u"blue"_s);
        view = std::make_unique<FormView>(form);
        view->show();
        QApplication::processEvents();
        widget = qobject_cast<QTreeWidget *>(view->widgetOf(form.TV1));
    }
    QTreeWidgetItem *itemOf(const QString &text) const
    {
        const auto found = widget->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }
    void mouse(QEvent::Type type, QTreeWidgetItem *item, int dx = 0)
    {
        const QRect rect = widget->visualItemRect(item);
        const QPoint at(rect.left() + 4 + dx, rect.center().y());
        QMouseEvent event(type, at, widget->viewport()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(widget->viewport(), &event);
    }
    void click(QTreeWidgetItem *item, int dx = 0)
    {
        mouse(QEvent::MouseButtonPress, item, dx);
        mouse(QEvent::MouseButtonRelease, item, dx);
    }
};

TEST_F(TreeBindingTest, WidgetMirrorsNodesAddedBeforeAndAfterItWasBuilt)
{
    ASSERT_NE(widget, nullptr);
    ASSERT_EQ(widget->topLevelItemCount(), 1);
    QTreeWidgetItem *top = widget->topLevelItem(0);
    EXPECT_EQ(top->text(0), u"根");
    ASSERT_EQ(top->childCount(), 1);
    EXPECT_EQ(top->child(0)->text(0), u"枝");
    EXPECT_FALSE(top->icon(0).isNull());
    EXPECT_EQ(top->icon(0).pixmap(2, 2).toImage().pixelColor(0, 0), QColor(255, 0, 0));

    form.TV1.add(child, tvw::Child, u"leaf"_s, u"葉"_s);
    child->setText(u"大枝"_s);
    root->setExpandedImage(u"blue"_s);
    root->setExpanded(true);
    form.TV1.setSelectedItem(child);
    EXPECT_TRUE(top->isExpanded());
    EXPECT_EQ(top->icon(0).pixmap(2, 2).toImage().pixelColor(0, 0), QColor(0, 0, 255));
    ASSERT_NE(itemOf(u"葉"_s), nullptr);
    EXPECT_EQ(itemOf(u"葉"_s)->parent(), itemOf(u"大枝"_s));
    EXPECT_EQ(widget->currentItem(), itemOf(u"大枝"_s));
    EXPECT_EQ(form.log, QString());

    form.TV1.clear();
    EXPECT_EQ(widget->topLevelItemCount(), 0);
}

TEST_F(TreeBindingTest, UsersClicksDoubleClicksAndExpandersReachTheControlOnce)
{
    root->setExpanded(true);
    QApplication::processEvents();
    click(itemOf(u"枝"_s));
    EXPECT_EQ(form.TV1.selectedItem(), child);
    // A double click: press, release, double click, release.
    mouse(QEvent::MouseButtonPress, itemOf(u"根"_s));
    mouse(QEvent::MouseButtonRelease, itemOf(u"根"_s));
    mouse(QEvent::MouseButtonDblClick, itemOf(u"根"_s));
    mouse(QEvent::MouseButtonRelease, itemOf(u"根"_s));
    EXPECT_EQ(form.log, u"Click(child);Click(root);DblClick(root);"_s);
    // The double click closed the node, as the expander would.
    EXPECT_FALSE(root->expanded());
    EXPECT_FALSE(itemOf(u"根"_s)->isExpanded());
    widget->expandItem(itemOf(u"根"_s));
    EXPECT_TRUE(root->expanded());
    // The expander left of the node opens and closes it without a click.
    click(itemOf(u"根"_s), -widget->indentation() / 2 - 4);
    EXPECT_FALSE(root->expanded());
    EXPECT_EQ(form.log, u"Click(child);Click(root);DblClick(root);"_s);
    // Left of a node's own expander, its row is still the node's.
    widget->expandItem(itemOf(u"根"_s));
    click(itemOf(u"枝"_s), -widget->indentation() - 4);
    EXPECT_EQ(form.log, u"Click(child);Click(root);DblClick(root);Click(child);"_s);
}

TEST_F(TreeBindingTest, ClickBesideEveryNodeRunsClickWithTheSelectionKept)
{
    form.TV1.setSelectedItem(root);
    const QPoint below(20, widget->viewport()->height() - 5);
    QMouseEvent release(QEvent::MouseButtonRelease, below, widget->viewport()->mapToGlobal(below),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget->viewport(), &release);
    EXPECT_EQ(form.log, u"Click(root);"_s);
    EXPECT_EQ(form.TV1.selectedItem(), root);
}

} // namespace
