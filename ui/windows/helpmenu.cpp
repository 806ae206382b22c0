#include "helpmenu.h"

#include "ui/windows/mainwindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMenu>
#include <QMessageBox>

HelpMenu::HelpMenu(QWidget *window, QMenu *mnuhelp) : QObject(window), window(window)
{
    setObjectName(QStringLiteral("HelpMenu"));
    const auto item = [this, mnuhelp](const QString &name, const QString &caption, auto slot) {
        QAction *action = mnuhelp->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    const auto open = [](const char *page) {
        QDesktopServices::openUrl(helpBaseUrl().resolved(QUrl(QLatin1String(page))));
    };
    mnuhow = item(QStringLiteral("mnuhow"), tr("&How to use this software"),
                  [open] { open("software/tolvane.htm"); });
    mnuglossary =
            item(QStringLiteral("mnuglossary"), tr("&Glossary"), [open] { open("concepts.htm"); });
    mnuabout = item(QStringLiteral("mnuabout"), tr("&About..."), &HelpMenu::mnuaboutTriggered);
}

QUrl HelpMenu::helpBaseUrl()
{
    const QString folder = QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                                           + QStringLiteral(PRODUCTION_LAB_HELP_DIR_FROM_BIN));
    return QUrl::fromLocalFile(folder + QLatin1Char('/'));
}

void HelpMenu::mnuaboutTriggered()
{
    QMessageBox about(
            QMessageBox::NoIcon, MainWindow::applicationTitle(),
            tr("Production Lab is teaching software on the neoclassical theory of production, "
               "used in classes of microeconomics: it draws the isoquant of a level of production "
               "and the isocost line of the cheapest way to produce it, for perfect substitutes, "
               "fixed proportions and Cobb-Douglas technologies, in the long run and in the short "
               "period with a fixed quantity of Y.\n\n"
               "Written by the Production Lab developers, 2026. Version %1.")
                    .arg(QStringLiteral(PRODUCTION_LAB_VERSION)),
            QMessageBox::Ok, window);
    about.exec();
}
