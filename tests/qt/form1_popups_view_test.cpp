// What opens over the main window's pages, as a user meets it: the pop-up menu of the cell data,
// opened with the right button and chosen from with the mouse after every way back to the settings
// page (while the menu bar shows the edit menu as each way leaves it), and the completion settings
// panel over the source.

#include "frame/form1.h"
#include "qt/formview.h"
#include "qt/japanese.h"
#include "qt/qtservices.h"
#include "support/qt_printers.h"
#include "support/scripted_services.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
using namespace Qt::StringLiterals;

class PopupsView : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QtServices qtServices;
    ScriptedMessages messages;
    ScriptedFiles files;
    std::unique_ptr<Form1> form;
    std::unique_ptr<FormView> view;

    void SetUp() override
    {
        useJapaneseFonts();
        Services services = qtServices.services();
        services.messages = &messages;
        services.files = &files;
        form = std::make_unique<Form1>(services);
        form->settingsFolder = dir.path();
        form->workFolder = dir.path();
        form->Form_Load();
        view = std::make_unique<FormView>(*form);
        view->show();
        view->activateWindow();
        // Without an active window the function key reaches nothing: that must fail, not pass.
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    }
    void clickTab(int number)
    {
        auto *tabs = view->widgetOf(form->TabStrip1)->findChild<QTabBar *>();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(number - 1).center());
        QApplication::processEvents();
    }
    void pressF5()
    {
        QTest::keyClick(view->windowHandle(), Qt::Key_F5);
        QApplication::processEvents();
    }
    // The edit, tag-case and template menus of the menu bar: "+" enabled, "-" disabled.
    QString barMenus() const
    {
        QString states;
        for (const MenuItem *menu : {&form->med, &form->mk, &form->ms})
            states += view->actionOf(*menu)->isEnabled() ? u'+' : u'-';
        return states;
    }
    // Opens the cell data's pop-up menu with the right button and clicks the item whose caption
    // begins with `caption`. Returns the caption clicked, empty when the menu did not show it. A
    // menu that takes no click is closed, so that the test goes on.
    QString chooseFromCellDataMenu(const QString &caption)
    {
        auto *box = qobject_cast<QAbstractScrollArea *>(view->widgetOf(form->RB3));
        QWidget *viewport = box ? box->viewport() : nullptr;
        if (!viewport || !viewport->isVisible())
            return u"no cell data"_s;
        QString chosen;
        QTimer::singleShot(0, [&] {
            QPointer<QMenu> menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction *action : menu->actions()) {
                if (!action->text().startsWith(caption))
                    continue;
                chosen = action->text();
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                break;
            }
            if (menu && menu->isVisible())
                menu->close();
        });
        const QPoint at(5, 5);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &event);
        QApplication::processEvents();
        return chosen;
    }
    // Puts a row into the cell data with "月曜" selected, and something else on the clipboard.
    void selectInCellData()
    {
        form->RB3.setText(u"[[ 時間 $ 月曜 ]]"_s);
        form->RB3.setSelStart(8);
        form->RB3.setSelLength(2);
        QApplication::clipboard()->setText(u"before"_s);
        QApplication::processEvents();
    }
};

// However the settings page came back to view, the pop-up's コピー copies the cell data's
// selection, and the menu bar's edit menu stays as the page before left it.
TEST_F(PopupsView, CellDataPopUpCopiesAfterEveryWayBackToTheSettingsPage)
{
    struct Way
    {
        const char *name;
        std::function<void()> back;
        const char *bar;
    };
    const std::vector<Way> ways = {
        {"preview page, F5",
         [&] {
             clickTab(2);
             pressF5();
         },
         "---"},
        {"preview page, settings tab",
         [&] {
             clickTab(2);
             clickTab(1);
         },
         "---"},
        {"preview command, settings tab",
         [&] {
             QTest::mouseClick(view->widgetOf(form->Cmd(3)), Qt::LeftButton);
             clickTab(1);
         },
         "---"},
        {"source page, F5",
         [&] {
             clickTab(3);
             pressF5();
         },
         "+--"},
        {"sample",
         [&] {
             messages.answers = {msgbox::Yes}; // the cell data holds text already
             QTest::mouseClick(view->widgetOf(form->Cmd(4)), Qt::LeftButton);
         },
         "---"},
    };
    for (const Way &way : ways) {
        SCOPED_TRACE(way.name);
        way.back();
        ASSERT_EQ(form->TabStrip1.selectedTab(), 1);
        EXPECT_EQ(barMenus().toStdString(), way.bar);
        selectInCellData();
        EXPECT_EQ(chooseFromCellDataMenu(u"コピー"_s).toStdString(), "コピー(&C)");
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "月曜");
    }
}

// The pop-up's cell-data commands after the preview page: the box is enlarged and shrunk again,
// and the image insertion asks for its file.
TEST_F(PopupsView, CellDataPopUpEnlargesAndInsertsAfterThePreviewPage)
{
    clickTab(2);
    pressF5();
    ASSERT_EQ(form->TabStrip1.selectedTab(), 1);
    const int normal = view->widgetOf(form->RB3)->height();
    chooseFromCellDataMenu(u"テキストボックスの拡大"_s);
    EXPECT_EQ(form->mm2(4).caption().toStdString(), "テキストボックスの縮小");
    EXPECT_GT(view->widgetOf(form->RB3)->height(), normal);
    chooseFromCellDataMenu(u"テキストボックスの縮小"_s);
    EXPECT_EQ(view->widgetOf(form->RB3)->height(), normal);
    chooseFromCellDataMenu(u"画像の挿入"_s);
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0].title.toStdString(), "画像ファイルの読み込み");
}

// The completion settings panel over the source paints its own background, caption band included:
// none of the source view shows through it.
TEST_F(PopupsView, CompletionPanelCoversTheSourceBehindIt)
{
    QTest::mouseClick(view->widgetOf(form->Cmd(4)), Qt::LeftButton); // the sample
    QTest::mouseClick(view->widgetOf(form->Cmd(1)), Qt::LeftButton); // its source
    QTest::mouseClick(view->widgetOf(form->Check1), Qt::LeftButton); // a background of its own
    form->mss.userClicked();
    QApplication::processEvents();
    auto *panel = qobject_cast<QGroupBox *>(view->widgetOf(form->Frame20));
    auto *source = qobject_cast<QAbstractScrollArea *>(view->widgetOf(form->RB1));
    ASSERT_TRUE(panel && panel->isVisible() && source && source->isVisible());
    const QColor behind = source->viewport()->palette().color(QPalette::Base);
    const QImage shot = view->grab().toImage();
    const QRect area(panel->mapTo(view.get(), QPoint(0, 0)), panel->size());
    ASSERT_TRUE(shot.rect().contains(area));
    // The source's background: beside the panel, as a check of the colour looked for, and within
    // the panel, where none may show.
    const auto countBehind = [&](const QRect &rect) {
        int count = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                count += shot.pixelColor(x, y) == behind;
        return count;
    };
    ASSERT_GT(countBehind(area.translated(area.width() + 10, 0)), area.width() * area.height() / 2);
    const QRect caption(area.topLeft(), QSize(area.width(), panel->contentsRect().top() + 1));
    EXPECT_EQ(countBehind(caption), 0) << "caption band " << caption.height() << " rows";
    EXPECT_EQ(countBehind(area), 0);
}

} // namespace
