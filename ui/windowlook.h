#pragma once

#include <QObject>
#include <QRect>

QT_BEGIN_NAMESPACE
class QFont;
class QGroupBox;
class QLabel;
class QPushButton;
class QLineEdit;
class QWidget;
QT_END_NAMESPACE

/// Bold 8.25-point "MS Sans Serif" where the system has it, otherwise the system's sans-serif
/// at that size: the font of every control of the program's windows, times `factor`.
QFont controlFont(double factor = 1);

/// The menus' own font, at the design's size and times `factor`: menu bars, their menus and
/// context menus.
QFont menuFont(double factor = 1);

/// The application's font as the program started, whatever the zoom: Qt's dialogs take it
/// times the zoom.
QFont unzoomedApplicationFont();

/// A rectangle given in twips (15 twips are one device-independent pixel).
QRect fromTwips(int left, int top, int width, int height);

/// Places a widget at a rectangle given in twips, at the design's size; zoom scales it later.
void placeInTwips(QWidget *widget, int left, int top, int width, int height);

/// A caption label: plain text (never read as markup), aligned top-left, wrapped at its width.
QLabel *makeLabel(const QString &objectName, const QString &caption, QWidget *parent);

/// A text box holding `text`, found by `objectName`.
QLineEdit *makeText(const QString &objectName, const QString &text, QWidget *parent);

/// A push button found by `objectName`; it does not react to Enter (no button is a default).
QPushButton *makeButton(const QString &objectName, const QString &caption, QWidget *parent);

/// A frame (group box) with a caption, found by `objectName`.
QGroupBox *makeFrame(const QString &objectName, const QString &caption, QWidget *parent);

/// Grows any caption under `root` that its box would cut (a wider font than the design's):
/// wrapped labels get taller, option buttons wider. Positions stay as designed.
void fitCaptions(QWidget *root);

/// Ends the layout of a window's controls, built at the design's size: fits the captions, then
/// records the controls placed in twips and the window's fixed size as its layout at 100 %, and
/// shows the window at the current zoom. Each window calls it once, at the end of its constructor.
void finishLayout(QWidget *root);

/// The zoom of every window of the program: 1 is the design's size.
double zoomFactor();

/// Scales every window laid out by finishLayout, as one piece: the controls' places and sizes,
/// the windows' fixed sizes and the fonts (menus included); then tells zoomNotifier().
void setZoomFactor(double factor);

/// Tells what follows the zoom beyond places, sizes and fonts (a chart's pens, a status line's
/// height) that every window has been scaled to a new zoom.
class ZoomNotifier : public QObject
{
    Q_OBJECT

signals:
    void zoomChanged(double factor);
};

/// The program's one zoom notifier.
ZoomNotifier *zoomNotifier();
