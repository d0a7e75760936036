#include "frame/helpwindow.h"

HelpWindow::HelpWindow()
    : Form(QStringLiteral(u"HelpWindow")), WebBrowser1(this, QStringLiteral(u"WebBrowser1"))
{
    setCaption(QStringLiteral(u"Morvaneヘルプ"));
    move(1500, 1500, 10500, 10500);
    onResize = [this] { fitBrowser(); };
    fitBrowser();
}

void HelpWindow::showPage(const QString &path)
{
    if (WebBrowser1.locationURL() != path)
        WebBrowser1.navigate(path);
    fitBrowser();
    showInFront();
}

void HelpWindow::fitBrowser()
{
    // The browser fills the inside the title bar and borders leave of the window's size.
    WebBrowser1.move(0, 0, insideWidth(), insideHeight());
}
