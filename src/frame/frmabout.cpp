#include "frame/frmabout.h"

// The version comes from the build (the project's version).

frmAbout::frmAbout(const Services &services, const QString &homePage)
    : Form(QStringLiteral(u"frmAbout")), lblTitle(this, QStringLiteral(u"lblTitle")),
      lblVersion(this, QStringLiteral(u"lblVersion")),
      lblDescription(this, QStringLiteral(u"lblDescription")),
      Label1(this, QStringLiteral(u"Label1")), Text1(this, QStringLiteral(u"Text1")),
      lblDisclaimer(this, QStringLiteral(u"lblDisclaimer")), cmdOK(this, QStringLiteral(u"cmdOK")),
      cmdSysInfo(this, QStringLiteral(u"cmdSysInfo")), m_services(services), m_homePage(homePage)
{
    setCaption(QStringLiteral(u"ﾊﾞｰｼﾞｮﾝ情報 Morvane"));
    move(2400, 2400, 6300, 4600);
    lblTitle.move(1200, 240, 4800, 520);
    Font title = lblTitle.font();
    title.size = 18;
    title.bold = true;
    lblTitle.setFont(title);
    lblVersion.move(1200, 840, 4800, 300);
    lblDescription.move(1200, 1170, 4800, 300);
    Label1.move(240, 1680, 1560, 300);
    Label1.setCaption(QStringLiteral(u"ヘルプのページ"));
    Text1.move(1800, 1650, 4200, 330);
    Text1.setLocked(true);
    lblDisclaimer.move(240, 2160, 5760, 780);
    cmdOK.move(4440, 3000, 1560, 375);
    cmdOK.setCaption(QStringLiteral(u"OK"));
    cmdSysInfo.move(4440, 3480, 1560, 375);
    cmdSysInfo.setCaption(QStringLiteral(u"ｼｽﾃﾑ情報(&S)..."));
    cmdOK.onClick = [this] { cmdOK_Click(); };
    cmdSysInfo.onClick = [this] { cmdSysInfo_Click(); };
}

void frmAbout::Form_Load()
{
    lblVersion.setCaption(QStringLiteral(u"ﾊﾞｰｼﾞｮﾝ %1.%2.%3")
                              .arg(MORVANE_VERSION_MAJOR)
                              .arg(MORVANE_VERSION_MINOR)
                              .arg(MORVANE_VERSION_PATCH));
    lblTitle.setCaption(QStringLiteral(u"Morvane"));
    lblDescription.setCaption(QStringLiteral(u"　　  HTML テキストエディター  "));
    lblDisclaimer.setCaption(
        QStringLiteral(u"このプログラムは無保証です。ご使用によって生じたいかなる損害についても、"
                       u"作者は責任を負いません。"));
    Text1.setText(m_homePage);
    setTopMost(true);
}

void frmAbout::cmdOK_Click()
{
    unloadSelf();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    if (m_services.messages)
        m_services.messages->msgBox(QStringLiteral(u"現時点ではｼｽﾃﾑ情報を使用できません"),
                                    msgbox::OKOnly, QString());
}
