// The browser module: the embedded browser made of the web engine's view. Only this module links
// the web engine; the program loads it when a preview is first asked for.

#include "qt/browserpage.h"

#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

class WebEnginePage : public BrowserPage
{
public:
    explicit WebEnginePage(QWidget *parent) : m_view(new QWebEngineView(parent))
    {
        // The preview file is written in CP932 and declares no charset.
        m_view->settings()->setDefaultTextEncoding(QStringLiteral(u"Shift_JIS"));
    }
    QWidget *widget() const override { return m_view; }
    void load(const QUrl &url) override { m_view->load(url); }

private:
    QWebEngineView *m_view;
};

} // namespace

extern "C" Q_DECL_EXPORT BrowserPage *morvaneCreateBrowserPage(QWidget *parent)
{
    return new WebEnginePage(parent);
}
