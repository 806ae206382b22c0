#pragma once

#include <QObject>

#include <array>

QT_BEGIN_NAMESPACE
class QAction;
class QMainWindow;
class QMenu;
QT_END_NAMESPACE

/// The View menu's zoom steps and "Show Scale", and the only two settings the program keeps
/// between runs. The zoom scales every window of the program as one piece, up to the largest step
/// at which the main window fits its screen.
class ViewSettings : public QObject
{
    Q_OBJECT

public:
    /// The zoom steps of the View menu, in percent.
    static constexpr std::array<int, 8> zoomSteps{ 100, 125, 150, 175, 200, 250, 300, 400 };

    /// Adds the zoom items and "Show Scale" to `mnuview`; `window` is the main window.
    ViewSettings(QMainWindow *window, QMenu *mnuview);

    /// Restores the saved step, or the largest below it that fits this screen, and "Show Scale".
    void restore();
    /// Zooms every window of the program to `percent`, one of zoomSteps (others are ignored),
    /// whether or not it fits the screen; saves nothing.
    void setZoomPercent(int percent);
    int zoomPercent() const { return zoom; }
    /// Whether the main window at `percent` fits the screen it is shown on.
    bool fitsScreen(int percent) const;

signals:
    /// "Show Scale" was switched, by the user or by restore().
    void scaleShown(bool on);

private:
    void chooseZoom(int percent);
    void zoomIn();
    void zoomOut();

    QMainWindow *window;
    QAction *mnuzoomin = nullptr;
    QAction *mnuzoomout = nullptr;
    QAction *mnuzoomreset = nullptr;
    QAction *mnuzoomlevel = nullptr; ///< the current zoom, shown, never chosen
    QAction *mnuscale = nullptr;
    int zoom = 100; ///< percent, one of zoomSteps
};
