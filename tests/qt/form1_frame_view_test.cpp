// The main window's frame as a user meets it: the completion panel dragged with the mouse, the
// exit asked and answered with the side windows open, the side windows opened again after they
// were minimised, and the help page that ships beside the program shown in the help window's
// browser.

#include "colour/fomcolor.h"
#include "frame/form1.h"
#include "frame/frmabout.h"
#include "frame/helpwindow.h"
#include "objref/fomobj.h"
#include "qt/formview.h"
#include "qt/japanese.h"
#include "qt/windowservice.h"
#include "reference/forcss.h"
#include "reference/fortag.h"
#include "support/qt_printers.h"
#include "support/screenshots.h"
#include "support/scripted_services.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {
using namespace Qt::StringLiterals;

void settle(int milliseconds = 0)
{
    QElapsedTimer clock;
    clock.start();
    do
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    while (clock.elapsed() < milliseconds);
}

void mouse(QWidget *widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    const QPointF local(at);
    QMouseEvent event(type, local, widget->mapToGlobal(local),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

class FrameView : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    ScriptedMessages messages;
    QtWindowService windows;
    std::unique_ptr<Form1> form;
    std::unique_ptr<FormView> view;
    int ended = 0;

    void SetUp() override
    {
        useJapaneseFonts();
        Services services;
        services.messages = &messages;
        services.windows = &windows;
        form = std::make_unique<Form1>(services);
        form->programFolder = QStringLiteral(MORVANE_PROGRAM_DIR);
        form->settingsFolder = dir.path();
        form->workFolder = dir.path();
        form->Form_Load();
        view = std::make_unique<FormView>(*form);
        view->onClosedByUser = [this] { form->userClosed(); };
        form->onUnloaded = [this] { ++ended; };
        view->show();
        settle();
    }
};

TEST_F(FrameView, CompletionPanelFollowsTheMouseOncePerTick)
{
    form->TabStrip1.userSelected(3);
    form->mss.userClicked();
    settle();
    QWidget *label = view->widgetOf(form->Label2);
    QWidget *panel = view->widgetOf(form->Frame20);
    ASSERT_TRUE(label && panel && panel->isVisible());
    const QPoint start = panel->pos();
    mouse(label, QEvent::MouseButtonPress, {10, 5}, Qt::LeftButton);
    mouse(label, QEvent::MouseMove, {40, 25}, Qt::LeftButton);
    EXPECT_EQ(panel->pos() - start, QPoint(30, 20));
    // At once again: dropped until the timer has ticked.
    mouse(label, QEvent::MouseMove, {20, 15}, Qt::LeftButton);
    EXPECT_EQ(panel->pos() - start, QPoint(30, 20));
    settle(60);
    EXPECT_FALSE(form->TimerMove.enabled());
    mouse(label, QEvent::MouseMove, {20, 15}, Qt::LeftButton);
    EXPECT_EQ(panel->pos() - start, QPoint(40, 30));
    mouse(label, QEvent::MouseButtonRelease, {20, 15}, Qt::NoButton);
    EXPECT_FALSE(form->panelDragging);
}

TEST_F(FrameView, ExitAnsweredNoThenYesClosesTheSideWindowsToo)
{
    form->ShowAbout();
    settle();
    ASSERT_NE(windows.viewOf(*form->frmAboutWindow.loaded()), nullptr);
    messages.answers = {msgbox::No};
    EXPECT_FALSE(view->close());
    EXPECT_TRUE(view->isVisible());
    EXPECT_TRUE(windows.viewOf(*form->frmAboutWindow.loaded())->isVisible());

    messages.answers = {msgbox::Yes};
    form->Command9.userClicked();
    settle();
    EXPECT_FALSE(view->isVisible());
    EXPECT_FALSE(form->frmAboutWindow.isLoaded());
    EXPECT_EQ(ended, 1);
    for (QWidget *window : QApplication::topLevelWidgets())
        EXPECT_FALSE(window->isVisible() && dynamic_cast<FormView *>(window))
            << window->windowTitle().toStdString();
    EXPECT_EQ(messages.prompts.size(), 2);
}

// A side window that is open already comes back when it is opened again, whichever way: restored
// from minimised and in front of the main window, where the user works.
TEST_F(FrameView, MinimisedSideWindowsComeBackInFrontWhenOpenedAgain)
{
    form->hymm.setVisible(true);
    const struct
    {
        MenuItem *item;
        CommandButton *button;
        std::function<Form *()> window;
    } ways[] = {
        {&form->hym1(0), nullptr, [this] { return form->FomObjWindow.loaded(); }},
        {&form->hym1(1), nullptr, [this] { return form->ForCssWindow.loaded(); }},
        {&form->hym1(2), nullptr, [this] { return form->FortagWindow.loaded(); }},
        {&form->hym1(3), nullptr, [this] { return form->FomColorWindow.loaded(); }},
        {nullptr, &form->Command30(4), [this] { return form->FomColorWindow.loaded(); }},
        {&form->mb, nullptr, [this] { return form->frmAboutWindow.loaded(); }},
        {&form->hmmorvane, nullptr, [this] { return form->helpWindow.loaded(); }},
    };
    QStringList seen;
    for (const auto &way : ways) {
        const auto open = [&way] {
            if (way.item)
                way.item->userClicked();
            else
                way.button->userClicked();
            settle();
        };
        open();
        Form *window = way.window();
        FormView *side = window ? windows.viewOf(*window) : nullptr;
        ASSERT_NE(side, nullptr);
        side->showMinimized();
        view->activateWindow();
        settle();
        ASSERT_TRUE(side->isMinimized());
        ASSERT_EQ(QApplication::activeWindow(), view.get());
        open();
        seen.append(window->name() + (side->isMinimized() ? u" minimised"_s : u""_s) +
                    (side->isVisible() ? u""_s : u" hidden"_s) +
                    (QApplication::activeWindow() == side ? u""_s : u" behind"_s));
    }
    EXPECT_EQ(seen.join(u'|').toStdString(),
              "FomObj|ForCss|Fortag|FomColor|FomColor|frmAbout|HelpWindow");
}

TEST_F(FrameView, HelpPageBesideTheProgramShowsInTheHelpWindow)
{
    const QString page = QStringLiteral(MORVANE_PROGRAM_DIR "/morvanehelp.html");
    QFile installed(page);
    QFile source(QStringLiteral(MORVANE_SOURCE_DIR "/src/frame/morvanehelp.html"));
    ASSERT_TRUE(installed.open(QIODevice::ReadOnly) && source.open(QIODevice::ReadOnly));
    EXPECT_EQ(installed.readAll(), source.readAll());

    form->ShowHelp(); // no desktop service here: the help window shows it
    settle();
    ASSERT_TRUE(form->helpWindow.isLoaded());
    HelpWindow &help = *form->helpWindow.loaded();
    FormView *helpView = windows.viewOf(help);
    ASSERT_NE(helpView, nullptr);
    auto *web = helpView->widgetOf(help.WebBrowser1)->findChild<QWebEngineView *>();
    ASSERT_NE(web, nullptr);
    // Asked until the page has loaded whole; the answers of questions still out when the loop
    // ends are waited for, since they write into this function's variables.
    QString title;
    int asked = 0;
    int answered = 0;
    QEventLoop loop;
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    QTimer again;
    again.setInterval(250);
    QObject::connect(&again, &QTimer::timeout, &loop, [&] {
        ++asked;
        web->page()->runJavaScript(
            QStringLiteral(u"document.readyState == 'complete' && "
                           u"document.URL.endsWith('morvanehelp.html') ? document.title + '|' + "
                           u"document.querySelectorAll('h2').length : ''"),
            [&](const QVariant &value) {
                ++answered;
                if (!value.toString().isEmpty() && title.isEmpty()) {
                    title = value.toString();
                    loop.quit();
                }
            });
    });
    again.start();
    loop.exec();
    again.stop();
    QElapsedTimer waited;
    waited.start();
    while (answered < asked && waited.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(title, QStringLiteral(u"Morvaneヘルプ|5"));
    EXPECT_EQ(helpView->windowTitle(), QStringLiteral(u"Morvaneヘルプ"));
    EXPECT_TRUE(saveArtifact(photograph(*helpView), QStringLiteral(u"help-window.png")));
}

} // namespace
