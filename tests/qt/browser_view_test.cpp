// The browser control's widget: navigating shows the preview file, which is CP932 without a
// charset declaration.

#include "controls/cp932.h"
#include "controls/forms.h"
#include "qt/formview.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

TEST(BrowserView, NavigateShowsACp932FileWithoutCharset)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral(u"$html$.html"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(cp932::encode(QStringLiteral(u"<html><body><table><tr><td>表の題</td></tr></table>"
                                            u"</body></html>"))
                   .bytes);
    file.close();

    Form form(QStringLiteral(u"Form1"));
    WebBrowser browser(&form, QStringLiteral(u"WebBrowser1"));
    browser.move(0, 0, 6000, 4000);
    form.move(0, 0, 7000, 5000);
    FormView view(form);
    view.show();
    // The browser is made when it is first sent somewhere.
    EXPECT_EQ(view.widgetOf(browser)->findChild<QWebEngineView *>(), nullptr);
    browser.navigate(path);
    auto *web = view.widgetOf(browser)->findChild<QWebEngineView *>();
    ASSERT_NE(web, nullptr);

    QEventLoop loop;
    QString body = QStringLiteral(u"timeout");
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    QObject::connect(web, &QWebEngineView::loadFinished, &loop, [&](bool ok) {
        if (!ok) {
            body = QStringLiteral(u"load failed");
            loop.quit();
            return;
        }
        web->page()->runJavaScript(QStringLiteral(u"document.body.textContent"),
                                   [&](const QVariant &value) {
                                       body = value.toString();
                                       loop.quit();
                                   });
    });
    loop.exec();
    EXPECT_EQ(body, QStringLiteral(u"表の題"));
    EXPECT_EQ(web->url(), QUrl::fromLocalFile(path));
}

} // namespace
