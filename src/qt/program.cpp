#include "qt/program.h"

#include "qt/japanese.h"
#include "qt/onscreen.h"
#include "qt/qtconvert.h"

#include <QApplication>
#include <QScreen>
#include <QStandardPaths>
#include <unistd.h>

void prepareProcess()
{
    // The embedded browser's sandbox cannot run as root.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The embedded browser, loaded on first use, needs contexts shared from the start.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

Program::Program(QApplication &app, std::optional<ProgramFolders> folders)
{
    QApplication::setApplicationName(QStringLiteral(u"Morvane"));
    installJapaneseTranslations(app);
    useJapaneseFonts();

    m_services = std::make_unique<QtServices>();
    m_form = std::make_unique<Form1>(m_services->services());
    Form1 &form = *m_form;
    if (!folders)
        folders = ProgramFolders::choose(
            QCoreApplication::applicationDirPath(),
            QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    form.programFolder = folders->program;
    form.settingsFolder = folders->settings;
    form.workFolder = folders->work;
    form.Form_Load();
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    keepOnScreen(form, TwipsScale::ofPrimaryScreen(), screens,
                 QGuiApplication::primaryScreen()->availableGeometry());
    m_view = std::make_unique<FormView>(form);
    m_services->setDialogParent(m_view.get());
    m_services->caret.view = m_view.get();
    // The program ends when the main window has closed: by its close box or by the exit button,
    // each after Form_Unload has said Yes and closed the side windows.
    m_view->onClosedByUser = [&form] { form.userClosed(); };
    form.onUnloaded = [] { QCoreApplication::quit(); };
    m_view->show();
}

Program::~Program()
{
    // The view observes the form's controls: it goes first.
    m_view.reset();
    m_form.reset();
}
