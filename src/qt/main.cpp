// The program: Qt's application object and the started main window.

#include "qt/program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    prepareProcess();
    QApplication app(argc, argv);
    Program program(app);
    return app.exec();
}
