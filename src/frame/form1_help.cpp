// The Help menu: the help page and the about box.

#include "frame/form1.h"
#include "frame/frmabout.h"
#include "frame/helpwindow.h"

#include <QFileInfo>
#include <QUrl>

void Form1::hmmorvane_Click()
{
    ShowHelp();
}

void Form1::mb_Click()
{
    ShowAbout();
}

void Form1::ShowHelp()
{
    helpFilePath = programFolder + pathSeparator + QStringLiteral(u"morvanehelp.html");
    if (!QFileInfo(helpFilePath).isFile()) {
        msgBox(QStringLiteral(u"ヘルプファイルが見つかりません。\r\n") + helpFilePath,
               msgbox::OKOnly | msgbox::Exclamation);
        return;
    }
    if (m_services.desktop && m_services.desktop->openFile(helpFilePath))
        return;
    helpWindow->showPage(helpFilePath);
}

void Form1::ShowAbout()
{
    frmAboutWindow->showInFront();
}

std::unique_ptr<frmAbout> Form1::loadAbout()
{
    const QString page = programFolder + pathSeparator + QStringLiteral(u"morvanehelp.html");
    auto about = std::make_unique<frmAbout>(m_services, QUrl::fromLocalFile(page).toString());
    about->Form_Load();
    return about;
}
