#include "ui/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(MainWindow::applicationTitle());
    QApplication::setApplicationDisplayName(MainWindow::applicationTitle());
    MainWindow form1;
    form1.show();
    return app.exec();
}
