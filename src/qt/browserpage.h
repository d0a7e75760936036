#pragma once

#include <QUrl>
#include <memory>

class QWidget;

// The embedded browser as the view uses it. It lives in a module of its own, loaded on first use
// (the preview page or the preview command): the web engine's libraries and its helper process
// cost a start-up several times that of the window itself, which many sessions never need.
class BrowserPage
{
public:
    virtual ~BrowserPage() = default;
    // The page's widget, a child of the parent it was made in.
    virtual QWidget *widget() const = 0;
    // Shows a local file (CP932 HTML declaring no charset is read as CP932) or a web address.
    virtual void load(const QUrl &url) = 0;
};

// Loads the browser module (once per process) and makes a page inside `parent`; nullptr when the
// module cannot be loaded, which leaves the preview blank.
std::unique_ptr<BrowserPage> createBrowserPage(QWidget *parent);

// The module's own entry point, looked up by this name.
using BrowserPageFactory = BrowserPage *(*)(QWidget *parent);
#define MORVANE_BROWSER_FACTORY "morvaneCreateBrowserPage"
