#pragma once

#include "controls/controls.h"
#include "controls/forms.h"
#include "controls/services.h"

// The about box: the program's title, version and description, a notice of use and the address of
// its help page. Modeless and kept on top of the other windows; OK unloads it.
class frmAbout : public Form
{
public:
    // `homePage` is the address shown in Text1.
    frmAbout(const Services &services, const QString &homePage);

    Label lblTitle;
    Label lblVersion;
    Label lblDescription;
    Label Label1;
    TextBox Text1;
    Label lblDisclaimer;
    CommandButton cmdOK;
    CommandButton cmdSysInfo;

    // Fills the labels and puts the window on top. Runs once, when the window is loaded.
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    // There is no system information tool on this platform: the box says it is not available.
    void StartSysInfo();

private:
    Services m_services;
    QString m_homePage;
};
