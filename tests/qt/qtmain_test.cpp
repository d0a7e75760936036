// Test program of the Qt view: one QApplication for all tests, offscreen unless a display is set.

#include <QApplication>
#include <QtWebEngineCore/qtwebenginecoreglobal.h>
#include <gtest/gtest.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
// The web engine deletes objects of its own through pointers of another size, in frames of its
// library alone; the sanitizer cannot be told to pass over that report for one library, so the
// check is off in this program, the only test program that loads the engine.
extern "C" const char *__asan_default_options()
{
    return "new_delete_type_mismatch=0";
}
#endif

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qEnvironmentVariableIsEmpty("MORVANE_ARTIFACTS"))
        qputenv("MORVANE_ARTIFACTS", MORVANE_ARTIFACTS_DIR);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
