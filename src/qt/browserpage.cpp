#include "qt/browserpage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

std::unique_ptr<BrowserPage> createBrowserPage(QWidget *parent)
{
    // Beside the program, or where the build put it.
    static const BrowserPageFactory factory = []() -> BrowserPageFactory {
        const QStringList places = {QCoreApplication::applicationDirPath(),
                                    QStringLiteral(MORVANE_BROWSER_MODULE_DIR)};
        for (const QString &place : places) {
            // The application holds the library; it stays loaded for the rest of the run.
            auto *library = new QLibrary(QDir(place).filePath(QStringLiteral(u"morvane_browser")),
                                         QCoreApplication::instance());
            if (library->load()) {
                if (auto make = reinterpret_cast<BrowserPageFactory>(
                        library->resolve(MORVANE_BROWSER_FACTORY)))
                    return make;
            }
            delete library;
        }
        return nullptr;
    }();
    if (!factory)
        return nullptr;
    return std::unique_ptr<BrowserPage>(factory(parent));
}
