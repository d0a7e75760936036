// The Help menu: the help page opened by the desktop or in the help window, a missing page named in
// a message, and the about box as one window that OK unloads.

#include "frame/form1.h"
#include "frame/frmabout.h"
#include "frame/helpwindow.h"
#include "support/qt_printers.h"
#include "support/scripted_services.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

class HelpMenu : public ::testing::Test
{
protected:
    QTemporaryDir program;
    ScriptedMessages messages;
    ScriptedDesktop desktop;
    WindowLog windows;
    std::unique_ptr<Form1> f;
    QString page;

    void SetUp() override
    {
        Services services;
        services.messages = &messages;
        services.desktop = &desktop;
        services.windows = &windows;
        f = std::make_unique<Form1>(services);
        f->programFolder = program.path();
        page = program.filePath(QStringLiteral(u"morvanehelp.html"));
    }
    void writePage()
    {
        QFile file(page);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<html></html>");
    }
};

TEST_F(HelpMenu, DesktopApplicationOpensThePage)
{
    writePage();
    desktop.opens = true;
    f->hmmorvane.userClicked();
    EXPECT_EQ(f->helpFilePath, page);
    EXPECT_EQ(desktop.asked, QStringList({page}));
    EXPECT_FALSE(f->helpWindow.isLoaded());
    EXPECT_TRUE(messages.prompts.isEmpty());
}

TEST_F(HelpMenu, WithoutADesktopApplicationTheHelpWindowShowsIt)
{
    writePage();
    f->hmmorvane.userClicked();
    f->hmmorvane.userClicked();
    EXPECT_EQ(desktop.asked.size(), 2);
    ASSERT_TRUE(f->helpWindow.isLoaded());
    HelpWindow &help = *f->helpWindow.loaded();
    EXPECT_TRUE(help.visible());
    EXPECT_EQ(help.caption(), QStringLiteral(u"Morvaneヘルプ"));
    EXPECT_EQ(help.WebBrowser1.locationURL(), page);
    // The second time the same window comes to the front; the page is not loaded again.
    EXPECT_EQ(help.WebBrowser1.navigationCount(), 1);
    EXPECT_EQ(windows.log, QStringLiteral(u"show(HelpWindow);"));
    EXPECT_GT(help.WebBrowser1.width(), 0);
}

TEST_F(HelpMenu, MissingPageIsNamedInAMessage)
{
    f->hmmorvane.userClicked();
    ASSERT_EQ(messages.prompts.size(), 1);
    EXPECT_TRUE(messages.prompts[0].endsWith(page)) << messages.prompts[0].toStdString();
    EXPECT_TRUE(desktop.asked.isEmpty());
    EXPECT_FALSE(f->helpWindow.isLoaded());
}

TEST_F(HelpMenu, AboutBoxIsOneWindowOnTop)
{
    f->mb.userClicked();
    f->mb.userClicked();
    EXPECT_EQ(windows.log, QStringLiteral(u"show(frmAbout);"));
    frmAbout &about = *f->frmAboutWindow.loaded();
    EXPECT_TRUE(about.visible());
    EXPECT_TRUE(about.topMost());
    EXPECT_EQ(about.caption(), QStringLiteral(u"ﾊﾞｰｼﾞｮﾝ情報 Morvane"));
    EXPECT_EQ(about.lblTitle.caption(), QStringLiteral(u"Morvane"));
    EXPECT_EQ(about.lblDescription.caption(), QStringLiteral(u"　　  HTML テキストエディター  "));
    EXPECT_TRUE(QRegularExpression(QStringLiteral(u"^ﾊﾞｰｼﾞｮﾝ \\d+\\.\\d+\\.\\d+$"))
                    .match(about.lblVersion.caption())
                    .hasMatch())
        << about.lblVersion.caption().toStdString();
    EXPECT_FALSE(about.lblDisclaimer.caption().isEmpty());
    EXPECT_EQ(about.Text1.text(), QUrl::fromLocalFile(page).toString());
    EXPECT_EQ(about.cmdSysInfo.caption(), QStringLiteral(u"ｼｽﾃﾑ情報(&S)..."));
}

TEST_F(HelpMenu, OkUnloadsTheAboutBoxAndTheNextOpeningLoadsItAfresh)
{
    f->ShowAbout();
    frmAbout *first = f->frmAboutWindow.loaded();
    first->Text1.setText(QStringLiteral(u"changed"));
    first->cmdOK.userClicked();
    EXPECT_FALSE(f->frmAboutWindow.isLoaded());
    f->ShowAbout();
    EXPECT_NE(f->frmAboutWindow.loaded()->Text1.text(), QStringLiteral(u"changed"));
    EXPECT_EQ(windows.log, QStringLiteral(u"show(frmAbout);release(frmAbout);show(frmAbout);"));
}

TEST_F(HelpMenu, SystemInformationIsNotAvailable)
{
    f->ShowAbout();
    f->frmAboutWindow.loaded()->cmdSysInfo.userClicked();
    EXPECT_EQ(messages.prompts,
              QStringList({QStringLiteral(u"現時点ではｼｽﾃﾑ情報を使用できません")}));
    EXPECT_EQ(messages.styles, std::vector<int>({msgbox::OKOnly}));
    EXPECT_TRUE(f->frmAboutWindow.isLoaded());
}

// The page that ships beside the program: Japanese, and about each part of the program.
TEST(HelpPage, CoversTheWindowThePanelsTheEditorAndTheSideWindows)
{
    QFile file(QStringLiteral(MORVANE_SOURCE_DIR "/src/frame/morvanehelp.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QString text = QString::fromUtf8(bytes);
    EXPECT_EQ(text.toUtf8(), bytes) << "not UTF-8";
    EXPECT_TRUE(text.contains(QStringLiteral(u"<html lang=\"ja\">")));
    EXPECT_TRUE(text.contains(QStringLiteral(u"<meta charset=\"utf-8\">")));
    EXPECT_TRUE(text.contains(QStringLiteral(u"<title>Morvaneヘルプ</title>")));
    for (const char16_t *section :
         {u"id=\"main\"", u"id=\"panels\"", u"id=\"editor\"", u"id=\"side\""})
        EXPECT_TRUE(text.contains(QString::fromUtf16(section)))
            << QString::fromUtf16(section).toStdString();
    // Every link within the page leads to a section it has.
    static const QRegularExpression link(QStringLiteral(u"href=\"#([a-z]+)\""));
    for (const auto &m : link.globalMatch(text))
        EXPECT_TRUE(text.contains(QStringLiteral(u"id=\"") + m.captured(1) + u'"'))
            << m.captured(1).toStdString();
}

// What the page tells a user about the menus holds in the window: every menu it names by its
// caption is there, and the menu hidden at start is shown by the key the page names.
TEST(HelpPage, NamesTheMenusOfTheWindowAndHowTheHiddenOneAppears)
{
    QFile file(QStringLiteral(MORVANE_SOURCE_DIR "/src/frame/morvanehelp.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    Form1 f;
    QStringList captions;
    QStringList hidden;
    static const QRegularExpression accessKey(QStringLiteral(u"\\(&.\\)$"));
    for (MenuItem *menu : f.menus()) {
        const QString caption = QString(menu->caption()).remove(accessKey);
        captions.append(caption);
        if (!menu->visible())
            hidden.append(caption);
    }
    static const QRegularExpression named(QStringLiteral(u"「([^」]+)」メニュー"));
    QStringList unknown;
    for (const auto &m : named.globalMatch(text))
        if (!captions.contains(m.captured(1)))
            unknown.append(m.captured(1));
    EXPECT_EQ(unknown.join(u'|'), QString());

    ASSERT_EQ(hidden, QStringList({QStringLiteral(u"表示")}));
    EXPECT_TRUE(text.contains(QStringLiteral(u"Alt+X を押すと現れ")));
    int alt = 88;
    f.Form_KeyDown(alt, 4);
    EXPECT_TRUE(f.hymm.visible());
}

} // namespace
