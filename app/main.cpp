#include "ui/windows/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The name only: a display name would be appended to every window's caption on Linux.
    QApplication::setApplicationName(MainWindow::applicationTitle());
    // Where the zoom step and "Show Scale" are kept between runs.
    QApplication::setOrganizationName(QStringLiteral("production-lab"));
    // Lets the desktop match the windows to the installed production-lab.desktop entry.
    QApplication::setDesktopFileName(QStringLiteral("production-lab"));
    MainWindow form1;
    form1.show();
    return app.exec();
}
