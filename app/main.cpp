#include "ui/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The name only: a display name would be appended to every window's caption on Linux.
    QApplication::setApplicationName(MainWindow::applicationTitle());
    MainWindow form1;
    form1.show();
    return app.exec();
}
