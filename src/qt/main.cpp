#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral(u"Morvane"));
    label.setWindowTitle(QStringLiteral(u"Morvane"));
    label.show();
    return app.exec();
}
