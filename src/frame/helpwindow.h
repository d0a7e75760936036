#pragma once

#include "controls/forms.h"

// The help page in a window of its own, with the embedded browser: used where the desktop has no
// application for HTML files.
class HelpWindow : public Form
{
public:
    HelpWindow();

    WebBrowser WebBrowser1;

    // Shows the page at `path` and fits the browser to the window.
    void showPage(const QString &path);

private:
    void fitBrowser();
};
