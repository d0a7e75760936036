// Side windows: loaded on first use, shown through the window service the first time they are made
// visible, unloaded by a title-bar close or by their owner, and loaded afresh after an unload.

#include "controls/controls.h"
#include "controls/sidewindow.h"

#include <gtest/gtest.h>

namespace {

class RecordingWindows : public WindowService
{
public:
    void show(Form &form) override
    {
        log += QStringLiteral(u"show(") + form.name() + QStringLiteral(u");");
        form.setObserver(&observer);
    }
    void release(Form &form) override
    {
        log += QStringLiteral(u"release(") + form.name() + QStringLiteral(u");");
        form.setObserver(nullptr);
    }
    // Stands for the window a real service builds: it only counts what it is told.
    struct Observer : ControlObserver
    {
        void propertyChanged(Control &control, Property property) override
        {
            if (property == Property::ControlAdded)
                ++added;
            else if (property == Property::ControlRemoved)
                ++removed;
        }
        int added = 0;
        int removed = 0;
    } observer;
    QString log;
};

class Picker : public Form
{
public:
    explicit Picker(int &loads)
        : Form(QStringLiteral(u"Picker")), Text1(this, QStringLiteral(u"Text1"))
    {
        ++loads;
    }
    TextBox Text1;
    int target = 0;
};

struct SideWindowTest : ::testing::Test
{
    RecordingWindows windows;
    int loads = 0;
    SideWindow<Picker> picker{[this] { return std::make_unique<Picker>(loads); }, &windows};
};

TEST_F(SideWindowTest, LoadsOnFirstUseAndShowsOnceThroughTheService)
{
    EXPECT_FALSE(picker.isLoaded());
    EXPECT_EQ(picker.loaded(), nullptr);
    Picker &p = picker.get();
    EXPECT_EQ(loads, 1);
    EXPECT_FALSE(p.visible());
    p.setVisible(true);
    p.setVisible(false);
    p.setVisible(true);
    EXPECT_EQ(windows.log, u"show(Picker);");
    EXPECT_EQ(&picker.get(), &p);
    EXPECT_EQ(loads, 1);
}

TEST_F(SideWindowTest, TitleBarCloseUnloadsAndTheNextUseStartsAfresh)
{
    picker->target = 4;
    picker->setVisible(true);
    bool asked = false;
    picker->onQueryUnload = [&](bool &) { asked = true; };
    ASSERT_TRUE(picker->userClosing());
    picker->userClosed();
    EXPECT_TRUE(asked);
    EXPECT_FALSE(picker.isLoaded());
    EXPECT_EQ(picker->target, 0);
    EXPECT_EQ(loads, 2);
    picker->setVisible(true);
    EXPECT_EQ(windows.log, u"show(Picker);release(Picker);show(Picker);");
}

TEST_F(SideWindowTest, ACancelledCloseKeepsTheWindowLoaded)
{
    picker->setVisible(true);
    picker->onQueryUnload = [](bool &cancel) { cancel = true; };
    EXPECT_FALSE(picker->userClosing());
    EXPECT_TRUE(picker.isLoaded());
    EXPECT_TRUE(picker->visible());
}

TEST_F(SideWindowTest, OwnerUnloadReleasesTheViewBeforeTheControlsGo)
{
    picker->setVisible(true);
    TextBox extra(&picker.get(), QStringLiteral(u"Extra"));
    EXPECT_EQ(windows.observer.added, 1);
    picker.unload();
    picker.unload();
    EXPECT_EQ(windows.log, u"show(Picker);release(Picker);");
    // Released first, so the view heard nothing of the form's own controls going.
    EXPECT_EQ(windows.observer.removed, 0);
}

TEST_F(SideWindowTest, AFormThatUnloadsItselfGoesAtItsOwnersNextUse)
{
    picker->setVisible(true);
    Picker *first = &picker.get();
    CommandButton ok(first, QStringLiteral(u"cmdOK"));
    // The handler runs to its end on a form that still exists.
    ok.onClick = [first] {
        first->unloadSelf();
        first->target = 7;
    };
    ok.userClicked();
    EXPECT_EQ(first->target, 7);
    EXPECT_FALSE(first->visible());
    EXPECT_FALSE(picker.isLoaded());
    EXPECT_EQ(picker.loaded(), nullptr);
    EXPECT_EQ(windows.log, u"show(Picker);");
    EXPECT_EQ(picker->target, 0);
    EXPECT_EQ(loads, 2);
    EXPECT_EQ(windows.log, u"show(Picker);release(Picker);");
}

TEST(FormTest, BringingAFormToTheFrontAndTopMostReachItsView)
{
    struct Count : ControlObserver
    {
        void propertyChanged(Control &, Property property) override
        {
            zOrders += property == Property::ZOrder;
        }
        int zOrders = 0;
    } count;
    Form form(QStringLiteral(u"Fortag"));
    form.setObserver(&count);
    form.zOrder(0);
    form.setTopMost(true);
    form.setTopMost(true);
    EXPECT_TRUE(form.topMost());
    EXPECT_EQ(count.zOrders, 2);
}

} // namespace
