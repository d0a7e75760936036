// The three reference trees as real windows, opened from the main window's View menu: their trees
// shown with pictures, a click through the widget filling their boxes, "挿入" pressed as a user
// would, and a photograph of each (to $MORVANE_ARTIFACTS).

#include "frame/form1.h"
#include "objref/fomobj.h"
#include "qt/formview.h"
#include "qt/japanese.h"
#include "qt/windowservice.h"
#include "reference/forcss.h"
#include "reference/fortag.h"
#include "support/screenshots.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <tuple>

using namespace Qt::Literals::StringLiterals;

namespace {

class ReferenceWindows : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QtWindowService windows;
    std::unique_ptr<Form1> form;

    void SetUp() override
    {
        useJapaneseFonts();
        Services services;
        services.windows = &windows;
        form = std::make_unique<Form1>(services);
        form->settingsFolder = dir.path();
        form->workFolder = dir.path();
        form->Form_Load();
        form->hymm.setVisible(true);
    }
    void TearDown() override { form->unloadSideWindows(); }

    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    QTreeWidget *treeOf(const Form &window, const TreeView &tree) const
    {
        FormView *view = windows.viewOf(window);
        return view ? qobject_cast<QTreeWidget *>(view->widgetOf(tree)) : nullptr;
    }
    QPushButton *buttonOf(const Form &window, const CommandButton &button) const
    {
        return qobject_cast<QPushButton *>(windows.viewOf(window)->widgetOf(button));
    }
    // Clicks an item as the mouse does: pressed and released on its text.
    static void click(QTreeWidget *widget, QTreeWidgetItem *item)
    {
        widget->scrollToItem(item);
        const QRect rect = widget->visualItemRect(item);
        const QPoint at(rect.left() + 30, rect.center().y());
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, widget->viewport()->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(widget->viewport(), &event);
        }
    }
    static QTreeWidgetItem *find(QTreeWidget *widget, const QString &text)
    {
        const auto found = widget->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }
    void shoot(const Form &window, const QString &name)
    {
        settle();
        FormView *view = windows.viewOf(window);
        ASSERT_NE(view, nullptr);
        const QPixmap shot = photograph(*view);
        ASSERT_FALSE(shot.isNull());
        EXPECT_TRUE(saveArtifact(shot, name));
    }
};

// Each tree opens with nothing selected, also once it has the focus: the row Qt makes current by
// itself then is no choice of the user's. The keys select as the mouse does.
TEST_F(ReferenceWindows, TreesOpenWithNothingSelected)
{
    for (int i : {0, 1, 2})
        form->hym1(i).userClicked();
    settle();
    const std::pair<Form *, TreeView *> trees[] = {
        {&form->FomObjWindow.get(), &form->FomObjWindow->TV1},
        {&form->ForCssWindow.get(), &form->ForCssWindow->TV1},
        {&form->FortagWindow.get(), &form->FortagWindow->TV1},
    };
    QStringList seen;
    for (const auto &[window, tree] : trees) {
        QTreeWidget *widget = treeOf(*window, *tree);
        ASSERT_NE(widget, nullptr);
        windows.viewOf(*window)->activateWindow();
        widget->setFocus(Qt::TabFocusReason);
        settle();
        const TreeNode *chosen = tree->selectedItem();
        seen.append(window->name() + u':' + (chosen ? chosen->text() : u"-"_s) + u'/' +
                    QString::number(widget->selectedItems().size()));
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(widget, &down);
        chosen = tree->selectedItem();
        seen.append(chosen ? chosen->text() : u"-"_s);
    }
    EXPECT_EQ(seen.join(u'|').toStdString(),
              "FomObj:-/0|screen|ForCss:-/0|テキストの設定|Fortag:-/0|基本テキスト関係 ");
}

// The row Qt made current when the tree took the focus shows as selected once a command selects
// its node ("全開" selects the first).
TEST_F(ReferenceWindows, ACommandSelectingTheCurrentRowShowsItSelected)
{
    for (int i : {0, 1, 2})
        form->hym1(i).userClicked();
    settle();
    const std::tuple<Form *, TreeView *, CommandButton *> trees[] = {
        {&form->FomObjWindow.get(), &form->FomObjWindow->TV1, &form->FomObjWindow->Command2},
        {&form->ForCssWindow.get(), &form->ForCssWindow->TV1, &form->ForCssWindow->Command2},
        {&form->FortagWindow.get(), &form->FortagWindow->TV1, &form->FortagWindow->Command2},
    };
    for (const auto &[window, tree, expandAll] : trees) {
        SCOPED_TRACE(window->name().toStdString());
        QTreeWidget *widget = treeOf(*window, *tree);
        ASSERT_NE(widget, nullptr);
        windows.viewOf(*window)->activateWindow();
        widget->setFocus(Qt::TabFocusReason);
        settle();
        ASSERT_NE(widget->currentItem(), nullptr);
        ASSERT_TRUE(widget->selectedItems().isEmpty());
        expandAll->userClicked();
        settle();
        ASSERT_EQ(tree->selectedItem(), tree->node(1));
        const QList<QTreeWidgetItem *> shown = widget->selectedItems();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown.first()->text(0), tree->node(1)->text());
    }
}

TEST_F(ReferenceWindows, CssTreeShowsGroupsDescriptionAndInsertsTheValue)
{
    form->hym1(1).userClicked();
    settle();
    ForCss &css = form->ForCssWindow.get();
    FormView *view = windows.viewOf(css);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    EXPECT_TRUE(view->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(view->windowTitle(), u"CSSツリービュー");
    QTreeWidget *tree = treeOf(css, css.TV1);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->topLevelItemCount(), 10);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), u"フォントの設定");
    EXPECT_FALSE(tree->topLevelItem(0)->icon(0).isNull());

    buttonOf(css, css.Command2)->click();
    settle();
    EXPECT_TRUE(tree->topLevelItem(0)->isExpanded());
    click(tree, find(tree, u"font-style"_s));
    EXPECT_TRUE(css.Text1.text().startsWith(u"<説明>"));
    auto *description = qobject_cast<QPlainTextEdit *>(view->widgetOf(css.Text1));
    ASSERT_NE(description, nullptr);
    EXPECT_TRUE(description->toPlainText().contains(u"H1{font-style:italic}"));
    tree->expandItem(find(tree, u"font-style"_s));
    settle();
    click(tree, find(tree, u"italic-----斜体"_s));
    EXPECT_EQ(css.Text2.text(), u"font-style:italic");
    shoot(css, u"css-tree-window.png"_s);

    form->RB1.setText(u"h1{}"_s);
    form->RB1.setSelStart(3);
    buttonOf(css, css.Command1)->click();
    EXPECT_EQ(form->RB1.text(), u"h1{font-style:italic}");
}

TEST_F(ReferenceWindows, TagTreeShowsTheExampleAndADoubleClickInsertsTheTag)
{
    form->hym1(2).userClicked();
    settle();
    Fortag &tag = form->FortagWindow.get();
    FormView *view = windows.viewOf(tag);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->windowTitle(), u"HTMLTagTree");
    QTreeWidget *tree = treeOf(tag, tag.TV1);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->topLevelItemCount(), 11);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), u"基本構造関係");

    buttonOf(tag, tag.Command2)->click();
    settle();
    click(tree, find(tree, u"<ol></ol> "_s));
    settle();
    EXPECT_EQ(qobject_cast<QLineEdit *>(view->widgetOf(tag.Text2))->text(), u"<ol></ol> ");
    EXPECT_TRUE(tag.Text1.text().contains(u"<li>犬"));
    // The example box has grown for the example's five lines.
    EXPECT_EQ(tag.Text1.height(), 1600);
    shoot(tag, u"tag-tree-window.png"_s);

    form->RB1.setText(u"abc"_s);
    form->RB1.setSelStart(0);
    form->RB1.setSelLength(3);
    QTreeWidgetItem *bold = find(tree, u"<b></b> "_s);
    ASSERT_NE(bold, nullptr);
    click(tree, bold);
    const QRect rect = tree->visualItemRect(bold);
    const QPoint at(rect.left() + 30, rect.center().y());
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, tree->viewport()->mapToGlobal(at),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tree->viewport(), &dbl);
    EXPECT_EQ(form->RB1.text(), u"<b>abc</b>");
}

TEST_F(ReferenceWindows, ObjectTreeShowsTheMembersPathAndExplanation)
{
    form->hym1(0).userClicked();
    settle();
    FomObj &obj = form->FomObjWindow.get();
    FormView *view = windows.viewOf(obj);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->windowTitle(), u"JavaScriptオブジェクトウィンドウ");
    QTreeWidget *tree = treeOf(obj, obj.TV1);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->topLevelItemCount(), 13);

    QTreeWidgetItem *window = tree->topLevelItem(0);
    tree->expandItem(window);
    tree->expandItem(window->child(0));
    settle();
    EXPECT_TRUE(obj.TV1.node(1)->expanded());
    click(tree, find(tree, u"closed"_s));
    EXPECT_EQ(obj.Text1.text(), u"closed");
    EXPECT_TRUE(obj.Rtb1.text().contains(u"使用例:"));
    shoot(obj, u"object-tree-window.png"_s);

    form->RB1.setText(u"if()"_s);
    form->RB1.setSelStart(3);
    buttonOf(obj, obj.Command1)->click();
    EXPECT_EQ(form->RB1.text(), u"if(closed)");
}

} // namespace
