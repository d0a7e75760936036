// The program: Qt's application object, the Japanese texts and fonts, the real services and the
// main window.

#include "frame/form1.h"
#include "frame/programfolders.h"
#include "qt/formview.h"
#include "qt/japanese.h"
#include "qt/onscreen.h"
#include "qt/qtconvert.h"
#include "qt/qtservices.h"

#include <QApplication>
#include <QScreen>
#include <QStandardPaths>
#include <unistd.h>

int main(int argc, char *argv[])
{
    // The embedded browser's sandbox cannot run as root.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(u"Morvane"));
    installJapaneseTranslations(app);
    useJapaneseFonts();

    QtServices services;
    Form1 form(services.services());
    const ProgramFolders folders = ProgramFolders::choose(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    form.programFolder = folders.program;
    form.settingsFolder = folders.settings;
    form.workFolder = folders.work;
    form.Form_Load();
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    keepOnScreen(form, TwipsScale::ofPrimaryScreen(), screens,
                 QGuiApplication::primaryScreen()->availableGeometry());
    FormView view(form);
    services.setDialogParent(&view);
    services.caret.view = &view;
    // The program ends when the main window has closed: by its close box or by the exit button,
    // each after Form_Unload has said Yes and closed the side windows.
    view.onClosedByUser = [&form] { form.userClosed(); };
    form.onUnloaded = [] { QCoreApplication::quit(); };
    view.show();
    return app.exec();
}
