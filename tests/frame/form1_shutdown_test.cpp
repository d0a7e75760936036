// Ending the program: one question for the exit button and the close box; No keeps everything,
// Yes deletes the preview files this run wrote, persists the geometry and unloads every side
// window.

#include "frame/form1.h"
#include "frame/frmabout.h"
#include "frame/helpwindow.h"
#include "reference/fortag.h"
#include "support/ini_file.h"
#include "support/qt_printers.h"
#include "support/scripted_services.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString Question = QStringLiteral(u"プログラムを終了しますか。？");

class Shutdown : public ::testing::Test
{
protected:
    QTemporaryDir dir;     // settings and the first working folder
    QTemporaryDir other;   // a second home-page folder
    QTemporaryDir program; // the program's folder
    ScriptedMessages messages;
    WindowLog windows;
    std::unique_ptr<Form1> f;
    int ended = 0;

    void SetUp() override
    {
        Services services;
        services.messages = &messages;
        services.windows = &windows;
        f = std::make_unique<Form1>(services);
        f->programFolder = program.path();
        f->settingsFolder = dir.path();
        f->workFolder = dir.path();
        f->Form_Load();
        f->setVisible(true);
        f->onUnloaded = [this] { ++ended; };
    }
    QByteArray readIni() const { return readIniFile(dir); }
    static bool exists(const QTemporaryDir &d, const char16_t *name)
    {
        return QFile::exists(d.filePath(QString::fromUtf16(name)));
    }
};

TEST_F(Shutdown, NoKeepsTheWindowTheDesignTheFilesAndTheSettings)
{
    f->Txttit.setText(QStringLiteral(u"時刻表"));
    f->ShowPreview();
    f->ShowAbout();
    const QByteArray ini = readIni();
    const QString source = f->RB1.text();
    f->setLeft(2345);

    messages.answers = {msgbox::No, msgbox::No};
    f->Command9.userClicked();
    // The close box asks the same question and No keeps the window as well.
    EXPECT_FALSE(f->userClosing());

    EXPECT_EQ(messages.prompts, QStringList({Question, Question}));
    EXPECT_EQ(messages.styles, std::vector<int>({msgbox::YesNo, msgbox::YesNo}));
    EXPECT_EQ(messages.titles, QStringList({QString(), QString()}));
    EXPECT_EQ(ended, 0);
    EXPECT_TRUE(f->visible());
    EXPECT_TRUE(exists(dir, u"$html$.html"));
    EXPECT_TRUE(exists(dir, u"$Set$.set"));
    EXPECT_EQ(readIni(), ini);
    EXPECT_EQ(f->Txttit.text(), QStringLiteral(u"時刻表"));
    EXPECT_EQ(f->RB1.text(), source);
    EXPECT_TRUE(f->frmAboutWindow.isLoaded());
}

TEST_F(Shutdown, YesDeletesThePreviewsOfThisRunStoresTheGeometryAndClosesEverything)
{
    // A preview file of the same name that this run did not write is the user's.
    QFile stray(program.filePath(QStringLiteral(u"$html$.html")));
    ASSERT_TRUE(stray.open(QIODevice::WriteOnly));
    stray.close();
    f->ShowPreview();
    f->SetNamePath(QStringLiteral(u"$html$.html"), other.path());
    f->ShowPreview();
    ASSERT_TRUE(exists(other, u"$Set$.set"));
    f->ShowAbout();
    f->helpWindow->showPage(program.filePath(QStringLiteral(u"morvanehelp.html")));
    f->FortagWindow.get();
    f->setTop(1200);
    f->setLeft(2400);
    f->setHeight(11000);

    messages.answers = {msgbox::Yes};
    f->Command9.userClicked();

    EXPECT_EQ(messages.prompts, QStringList({Question}));
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(f->visible());
    for (const QTemporaryDir *d : {&dir, &other}) {
        EXPECT_FALSE(exists(*d, u"$html$.html"));
        EXPECT_FALSE(exists(*d, u"$Set$.set"));
    }
    EXPECT_TRUE(exists(program, u"$html$.html"));
    const QByteArray ini = readIni();
    for (const char *line :
         {"Top,1200\r\n", "Left,2400\r\n", "Width,13800\r\n", "Height,11000\r\n"})
        EXPECT_TRUE(ini.contains(line)) << line;
    EXPECT_FALSE(f->frmAboutWindow.isLoaded());
    EXPECT_FALSE(f->helpWindow.isLoaded());
    EXPECT_FALSE(f->FortagWindow.isLoaded());
    EXPECT_EQ(windows.log,
              QStringLiteral(u"show(frmAbout);show(HelpWindow);"
                             u"release(Fortag);release(frmAbout);release(HelpWindow);"));

    // The next start opens the window where this one was.
    Form1 next;
    next.settingsFolder = dir.path();
    next.workFolder = dir.path();
    next.Form_Load();
    EXPECT_EQ(next.top(), 1200);
    EXPECT_EQ(next.left(), 2400);
    EXPECT_EQ(next.height(), 11000);
}

TEST_F(Shutdown, YesWithNothingToCleanEndsQuietly)
{
    messages.answers = {msgbox::Yes};
    EXPECT_TRUE(f->userClosing());
    f->userClosed();
    EXPECT_EQ(messages.prompts.size(), 1);
    EXPECT_EQ(messages.unexpected, 0);
    EXPECT_EQ(ended, 1);
}

TEST_F(Shutdown, SettingsThatCannotBeWrittenDoNotStopTheExit)
{
    f->settingsFolder = dir.filePath(QStringLiteral(u"missing/folder"));
    f->ShowAbout();
    messages.answers = {msgbox::Yes};
    f->ExitProgram();
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(f->frmAboutWindow.isLoaded());
}

TEST(ShutdownWithoutMessages, NoAnswerMeansTheProgramGoesOn)
{
    Form1 f;
    int ended = 0;
    f.onUnloaded = [&] { ++ended; };
    f.ExitProgram();
    EXPECT_EQ(ended, 0);
}

} // namespace
