#pragma once

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
/// at that size: the font of every control of the program's windows.
QFont controlFont();

/// A rectangle given in twips (15 twips are one device-independent pixel).
QRect fromTwips(int left, int top, int width, int height);

/// Places a widget at a rectangle given in twips.
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
