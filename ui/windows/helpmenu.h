#pragma once

#include <QObject>
#include <QUrl>

QT_BEGIN_NAMESPACE
class QAction;
class QMenu;
class QWidget;
QT_END_NAMESPACE

/// The Help menu's items: the help pages shipped with the program, opened in the system's
/// browser, and the About box.
class HelpMenu : public QObject
{
    Q_OBJECT

public:
    /// Adds "How to use this software", "Glossary" and "About..." to `mnuhelp`; `window` is the
    /// main window, the About box's parent.
    HelpMenu(QWidget *window, QMenu *mnuhelp);

    /// The folder of the help pages, as a file URL ending in "/", found from the executable.
    static QUrl helpBaseUrl();

private:
    void mnuaboutTriggered();

    QWidget *window;
    QAction *mnuhow = nullptr;
    QAction *mnuglossary = nullptr;
    QAction *mnuabout = nullptr;
};
