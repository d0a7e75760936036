// What the user does while a command lets the window system run pending events: it waits until
// the command has ended, in the order it came.

#include "support/qt_printers.h"
#include "controls/controls.h"
#include "controls/forms.h"
#include "controls/treeview.h"
#include "controls/userinput.h"

#include <gtest/gtest.h>

namespace {

struct Window
{
    Form form{QStringLiteral(u"F")};
    CommandButton make{&form, QStringLiteral(u"Make")};
    TabStrip tabs{&form, QStringLiteral(u"Tabs")};
    TextBox rows{&form, QStringLiteral(u"Rows")};
    QStringList log;
    // What arrives while the make command lets pending events run.
    std::function<void()> meanwhile;

    Window()
    {
        for (int i = 0; i < 3; ++i)
            tabs.addTab(QString::number(i + 1));
        make.onClick = [this] {
            log << QStringLiteral(u"make begins");
            {
                const userinput::PumpScope pumping;
                if (meanwhile)
                    meanwhile();
            }
            log << QStringLiteral(u"make ends");
        };
        tabs.onClick = [this] { log << QStringLiteral(u"page %1").arg(tabs.selectedTab()); };
        rows.onChange = [this] { log << QStringLiteral(u"rows ") + rows.text(); };
    }
};

TEST(UserInput, WaitsUntilTheRunningCommandHasEnded)
{
    Window w;
    w.meanwhile = [&w] {
        w.tabs.userSelected(2);
        w.rows.userTyped(QStringLiteral(u"7"));
        w.make.userClicked(); // a second make waits too, and then runs whole
        w.meanwhile = nullptr;
    };
    w.make.userClicked();
    EXPECT_EQ(w.log.join(u'|'), QStringLiteral(u"make begins|make ends|page 2|rows 7|"
                                               u"make begins|make ends"));
    EXPECT_EQ(userinput::waiting(), 0);
}

TEST(UserInput, RunsAtOnceOutsideAPump)
{
    Window w;
    // A command that does not pump, and code that uses a door itself: nothing waits.
    w.rows.onChange = [&w] {
        w.log << QStringLiteral(u"rows ") + w.rows.text();
        w.tabs.userSelected(3);
    };
    w.rows.userTyped(QStringLiteral(u"4"));
    EXPECT_EQ(w.log.join(u'|'), QStringLiteral(u"rows 4|page 3"));
}

TEST(UserInput, APumpOutsideAnyCommandHandsOverWhenItEnds)
{
    Window w;
    {
        const userinput::PumpScope pumping;
        w.tabs.userSelected(2);
        EXPECT_EQ(userinput::waiting(), 1);
        w.log << QStringLiteral(u"pump ends");
    }
    EXPECT_EQ(w.log.join(u'|'), QStringLiteral(u"pump ends|page 2"));
}

TEST(UserInput, ActionsOfAControlGoneMeanwhileAreDropped)
{
    Window w;
    auto extra = std::make_unique<CommandButton>(&w.form, QStringLiteral(u"Extra"));
    extra->onClick = [&w] { w.log << QStringLiteral(u"extra"); };
    w.meanwhile = [&] {
        extra->userClicked();
        w.tabs.userSelected(3);
        extra.reset(); // the running command unloads what the click was meant for
    };
    w.make.userClicked();
    EXPECT_EQ(w.log.join(u'|'), QStringLiteral(u"make begins|make ends|page 3"));
}

TEST(UserInput, TreeClicksWaitAndThoseOnNodesClearedMeanwhileAreDropped)
{
    Window w;
    TreeView tree(&w.form, QStringLiteral(u"Tree"));
    TreeNode *kept = tree.add(nullptr, 0, QStringLiteral(u"a"), QStringLiteral(u"a"));
    tree.add(kept, tvw::Child, QStringLiteral(u"b"), QStringLiteral(u"b"));
    tree.onClick = [&] { w.log << QStringLiteral(u"tree ") + tree.selectedItem()->text(); };
    w.meanwhile = [&] {
        tree.userExpanded(kept, true);
        tree.userClicked(kept);
        EXPECT_FALSE(kept->expanded());
        EXPECT_EQ(w.log.join(u'|'), QStringLiteral(u"make begins"));
    };
    w.make.userClicked();
    EXPECT_TRUE(kept->expanded());
    EXPECT_EQ(w.log.join(u'|'), QStringLiteral(u"make begins|make ends|tree a"));

    // The running command rebuilds the tree: the click meant for a node now gone does nothing.
    w.log.clear();
    w.meanwhile = [&] {
        tree.userClicked(kept);
        tree.clear();
        tree.add(nullptr, 0, QStringLiteral(u"c"), QStringLiteral(u"c"));
    };
    w.make.userClicked();
    EXPECT_EQ(w.log.join(u'|'), QStringLiteral(u"make begins|make ends"));
}

} // namespace
