// The program: Qt's application object, the Japanese texts and fonts, the real services and the
// main window.

#include "frame/form1.h"
#include "qt/formview.h"
#include "qt/japanese.h"
#include "qt/qtservices.h"

#include <QApplication>
#include <unistd.h>

namespace {
// The main window prepares itself in its load handler; a window without one still shows its
// cell-data template.
template <typename F> void loadForm(F &form)
{
    if constexpr (requires { form.Form_Load(); })
        form.Form_Load();
    else
        form.BuildRowTemplate();
}
} // namespace

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
    loadForm(form);
    FormView view(form);
    services.setDialogParent(&view);
    view.show();
    return app.exec();
}
