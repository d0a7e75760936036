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
    // The form's size is the window's outer size: the title bar and borders take their share.
    WebBrowser1.move(0, 0, std::max(width() - 240, 0), std::max(height() - 600, 0));
}
