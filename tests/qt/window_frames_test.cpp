// Window sizes under a window manager that frames the windows only once they are shown: the side
// windows come back with the same inside, holding all their controls, however they are opened
// again, and the main window keeps the size the user gave it over several starts.

#include "colour/fomcolor.h"
#include "frame/form1.h"
#include "objref/fomobj.h"
#include "qt/formview.h"
#include "qt/japanese.h"
#include "qt/windowservice.h"
#include "reference/forcss.h"
#include "reference/fortag.h"
#include "support/framing_window_manager.h"
#include "support/ini_file.h"
#include "support/scripted_services.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
using namespace Qt::StringLiterals;

void settle()
{
    for (int i = 0; i < 4; ++i)
        QApplication::processEvents();
}

QString sizeText(QSize size)
{
    return QString::number(size.width()) + u'x' + QString::number(size.height());
}

// The window's inside, and the names of the controls the form places that stand outside it.
QString insideOf(const FormView &view)
{
    QStringList outside;
    const QRect room = view.surface()->rect();
    for (Control *control : view.form().children())
        if (QWidget *widget = view.widgetOf(*control);
            widget && widget->isVisibleTo(&view) && !room.contains(widget->geometry()))
            outside.append(control->displayName());
    return sizeText(view.size()) +
           (outside.isEmpty() ? QString() : u" outside "_s + outside.join(u','));
}

class WindowFramesTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    FramingWindowManager manager;
    ScriptedMessages messages;
    QtWindowService windows{&manager};

    void SetUp() override { useJapaneseFonts(); }

    std::unique_ptr<Form1> startMainWindow()
    {
        Services services;
        services.messages = &messages;
        services.windows = &windows;
        auto form = std::make_unique<Form1>(services);
        form->settingsFolder = dir.path();
        form->workFolder = dir.path();
        form->Form_Load();
        return form;
    }
    // The inside a window of the form's outer size has in this manager's frame.
    QSize insideFor(const Form &form, const FormView &view) const
    {
        return QSize(view.scale().toPixels(form.width()), view.scale().toPixels(form.height()))
            .shrunkBy(manager.frame());
    }
};

// Each window of the View menu opened, closed from its title bar and opened again, minimised and
// chosen again, and chosen again while open: every time the same inside, the one its outer size
// leaves within the frame, with every control the form places inside it.
TEST_F(WindowFramesTest, SideWindowsKeepTheirInsideHoweverTheyAreOpenedAgain)
{
    std::unique_ptr<Form1> form = startMainWindow();
    form->hymm.setVisible(true);
    const std::function<Form *()> loaded[] = {
        [&] { return form->FomObjWindow.loaded(); },
        [&] { return form->ForCssWindow.loaded(); },
        [&] { return form->FortagWindow.loaded(); },
        [&] { return form->FomColorWindow.loaded(); },
    };
    for (int i = 0; i < 4; ++i) {
        MenuItem &item = form->hym1(i);
        const auto open = [&] {
            item.userClicked();
            settle();
            Form *window = loaded[i]();
            FormView *view = window ? windows.viewOf(*window) : nullptr;
            EXPECT_TRUE(view && view->isVisible() && !view->isMinimized());
            return view;
        };
        FormView *view = open();
        ASSERT_NE(view, nullptr);
        const QString expected = sizeText(insideFor(view->form(), *view));
        QStringList seen{insideOf(*view)};

        view->close();
        settle();
        ASSERT_EQ(loaded[i]() ? windows.viewOf(*loaded[i]()) : nullptr, nullptr);
        view = open();
        ASSERT_NE(view, nullptr);
        seen.append(insideOf(*view));

        view->showMinimized();
        settle();
        view = open();
        ASSERT_NE(view, nullptr);
        seen.append(insideOf(*view));

        view = open();
        ASSERT_NE(view, nullptr);
        seen.append(insideOf(*view));
        EXPECT_EQ(seen.join(u'|').toStdString(), QStringList(4, expected).join(u'|').toStdString())
            << item.caption().toStdString();
    }
    form->unloadSideWindows();
}

// The main window sized by the user and the program ended with Yes: each following start shows it
// at that size and stores it again unchanged.
TEST_F(WindowFramesTest, MainWindowSizeStaysTheSameOverThreeStarts)
{
    QStringList seen;
    for (int start = 0; start < 4; ++start) {
        std::unique_ptr<Form1> form = startMainWindow();
        FormView view(*form, nullptr, &manager);
        view.onClosedByUser = [&form] { form->userClosed(); };
        view.show();
        settle();
        if (start == 0) {
            view.resize(view.size() + QSize(0, 40));
            settle();
        }
        const QString shown = sizeText(view.size());
        messages.answers = {msgbox::Yes};
        form->Command9.userClicked();
        settle();
        ASSERT_FALSE(view.isVisible());
        const QByteArray ini = readIniFile(dir);
        const auto value = [&ini](const char *key) {
            const QByteArray prefix = QByteArray(key) + ',';
            for (const QByteArray &line : ini.split('\n'))
                if (line.startsWith(prefix))
                    return QString::fromLatin1(line.mid(prefix.size()).trimmed());
            return QString();
        };
        seen.append(shown + u' ' + value("Width") + u'x' + value("Height"));
    }
    ASSERT_EQ(seen.size(), 4);
    EXPECT_EQ(seen.join(u'|').toStdString(), QStringList(4, seen.first()).join(u'|').toStdString());
}

} // namespace
