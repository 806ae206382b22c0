#include "viewsettings.h"

#include "ui/windowlook.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>

#include <algorithm>

namespace {

constexpr char zoomKey[] = "view/zoom";
constexpr char scaleKey[] = "view/showScale";

} // namespace

ViewSettings::ViewSettings(QMainWindow *window, QMenu *mnuview) : QObject(window), window(window)
{
    setObjectName(QStringLiteral("ViewSettings"));
    const auto item = [this, mnuview](const QString &name, const QString &caption,
                                      const QKeySequence &shortcut, auto slot) {
        QAction *action = mnuview->addAction(caption);
        action->setObjectName(name);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    mnuzoomin = item(QStringLiteral("mnuzoomin"), tr("Zoom &In"),
                     QKeySequence(Qt::CTRL | Qt::Key_Plus), &ViewSettings::zoomIn);
    // Ctrl+= as well: on most keyboards "+" needs Shift.
    mnuzoomin->setShortcuts(
            { QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal) });
    mnuzoomout = item(QStringLiteral("mnuzoomout"), tr("Zoom &Out"),
                      QKeySequence(Qt::CTRL | Qt::Key_Minus), &ViewSettings::zoomOut);
    mnuzoomreset = item(QStringLiteral("mnuzoomreset"), tr("&Actual Size"),
                        QKeySequence(Qt::CTRL | Qt::Key_0), [this] { chooseZoom(100); });
    mnuzoomlevel = mnuview->addAction(tr("Zoom: %1 %").arg(zoom));
    mnuzoomlevel->setObjectName(QStringLiteral("mnuzoomlevel"));
    mnuzoomlevel->setEnabled(false);
    mnuview->addSeparator();
    mnuscale = mnuview->addAction(tr("Show &Scale"));
    mnuscale->setObjectName(QStringLiteral("mnuscale"));
    mnuscale->setCheckable(true);
}

void ViewSettings::restore()
{
    const QSettings settings;
    mnuscale->setChecked(settings.value(QLatin1String(scaleKey), false).toBool());
    emit scaleShown(mnuscale->isChecked());
    connect(mnuscale, &QAction::toggled, this, [this](bool on) {
        emit scaleShown(on);
        QSettings().setValue(QLatin1String(scaleKey), on);
    });
    // A step saved on a larger screen comes back as the largest step that fits this one.
    const int saved = settings.value(QLatin1String(zoomKey), 100).toInt();
    int restored = zoomSteps.front();
    for (int step : zoomSteps)
        if (step <= saved && fitsScreen(step))
            restored = step;
    setZoomPercent(restored);
}

bool ViewSettings::fitsScreen(int percent) const
{
    const QScreen *shownOn = window->screen();
    if (!shownOn)
        return true;
    // The window at `percent`: its client area, menu bar and status line scale, its frame does
    // not.
    const double ratio = percent / double(zoom);
    const QSize client = (QSizeF(window->centralWidget()->size()) * ratio).toSize();
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    const QSize whole(client.width() + frame.width(),
                      client.height() + qRound(window->menuBar()->sizeHint().height() * ratio)
                              + qRound(window->statusBar()->height() * ratio) + frame.height());
    const QSize room = shownOn->availableGeometry().size();
    return whole.width() <= room.width() && whole.height() <= room.height();
}

void ViewSettings::setZoomPercent(int percent)
{
    if (std::find(zoomSteps.begin(), zoomSteps.end(), percent) == zoomSteps.end())
        return;
    zoom = percent;
    setZoomFactor(percent / 100.0);
    mnuzoomlevel->setText(tr("Zoom: %1 %").arg(percent));
    mnuzoomout->setEnabled(percent > zoomSteps.front());
    mnuzoomreset->setEnabled(percent != 100);
    const auto next = std::upper_bound(zoomSteps.begin(), zoomSteps.end(), percent);
    mnuzoomin->setEnabled(next != zoomSteps.end() && fitsScreen(*next));
}

void ViewSettings::chooseZoom(int percent)
{
    setZoomPercent(percent);
    QSettings().setValue(QLatin1String(zoomKey), zoom);
}

void ViewSettings::zoomIn()
{
    const auto next = std::upper_bound(zoomSteps.begin(), zoomSteps.end(), zoom);
    if (next != zoomSteps.end() && fitsScreen(*next))
        chooseZoom(*next);
}

void ViewSettings::zoomOut()
{
    const auto current = std::lower_bound(zoomSteps.begin(), zoomSteps.end(), zoom);
    if (current != zoomSteps.begin())
        chooseZoom(*std::prev(current));
}
