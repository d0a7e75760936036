// The side windows' real windows: built when first shown, kept on top when asked, following controls
// made or destroyed later, and unloaded after a title-bar close once the close event is over.

#include "controls/controls.h"
#include "controls/sidewindow.h"
#include "qt/formview.h"
#include "qt/windowservice.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

class Swatches : public Form
{
public:
    Swatches() : Form(QStringLiteral(u"FomColor")), Command2(this, QStringLiteral(u"Command2"))
    {
        setCaption(QStringLiteral(u"カラー"));
        move(3000, 2000, 6200, 6050);
        Command2.setCaption(QStringLiteral(u"閉じる"));
        Command2.onClick = [this] { setVisible(false); };
        setTopMost(true);
    }
    // Grown after the window is shown, as a palette builds its swatches.
    void addSwatches(int n)
    {
        for (int i = 0; i < n; ++i) {
            auto &box = swatches.emplace_back(
                std::make_unique<TextBox>(this, QStringLiteral(u"Text1"), int(swatches.size())));
            box->move(100 + i * 300, 100, 280, 280);
        }
    }
    CommandButton Command2;
    std::vector<std::unique_ptr<TextBox>> swatches;
};

void settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

struct QtWindowServiceTest : ::testing::Test
{
    QtWindowService windows;
    int loads = 0;
    SideWindow<Swatches> picker{[this] {
                                    ++loads;
                                    return std::make_unique<Swatches>();
                                },
                                &windows};
};

TEST_F(QtWindowServiceTest, FirstShowBuildsATopMostWindowThatFollowsVisible)
{
    EXPECT_EQ(windows.viewOf(picker.get()), nullptr);
    picker->setVisible(true);
    FormView *view = windows.viewOf(picker.get());
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    EXPECT_TRUE(view->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(view->windowTitle(), QStringLiteral(u"カラー"));
    auto *close = qobject_cast<QPushButton *>(view->widgetOf(picker->Command2));
    ASSERT_NE(close, nullptr);
    close->click();
    EXPECT_FALSE(view->isVisible());
    EXPECT_TRUE(picker.isLoaded());
    picker->setVisible(true);
    EXPECT_EQ(windows.viewOf(picker.get()), view);
    EXPECT_TRUE(view->isVisible());
}

TEST_F(QtWindowServiceTest, ControlsMadeOrDestroyedLaterAreFollowed)
{
    picker->setVisible(true);
    FormView *view = windows.viewOf(picker.get());
    picker->addSwatches(3);
    settle();
    ASSERT_NE(view->widgetOf(*picker->swatches[2]), nullptr);
    EXPECT_TRUE(view->widgetOf(*picker->swatches[2])->isVisible());
    QPointer<QWidget> widget = view->widgetOf(*picker->swatches[0]);
    picker->swatches.erase(picker->swatches.begin());
    EXPECT_TRUE(widget.isNull());
    picker->swatches[0]->setText(QStringLiteral(u"#FF0000"));
    EXPECT_EQ(qobject_cast<QLineEdit *>(view->widgetOf(*picker->swatches[0]))->text(),
              QStringLiteral(u"#FF0000"));
}

TEST_F(QtWindowServiceTest, TitleBarCloseUnloadsAfterTheCloseEvent)
{
    picker->setVisible(true);
    QPointer<FormView> view = windows.viewOf(picker.get());
    ASSERT_TRUE(view->close());
    EXPECT_TRUE(picker.isLoaded());
    settle();
    EXPECT_FALSE(picker.isLoaded());
    EXPECT_TRUE(view.isNull());
    picker->setVisible(true);
    EXPECT_EQ(loads, 2);
    EXPECT_NE(windows.viewOf(picker.get()), nullptr);
}

TEST_F(QtWindowServiceTest, OwnerUnloadClosesTheWindowAtOnce)
{
    picker->setVisible(true);
    QPointer<FormView> view = windows.viewOf(picker.get());
    picker.unload();
    EXPECT_TRUE(view.isNull());
    settle();
    EXPECT_FALSE(picker.isLoaded());
}

} // namespace
