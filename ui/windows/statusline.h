#pragma once

#include <QStatusBar>

QT_BEGIN_NAMESPACE
class QLabel;
class QScrollArea;
QT_END_NAMESPACE

/// The main window's status line (StatusBar): one message at a time (StatusMessage), wrapped at
/// the window's width and never cut. It keeps room for three lines, so that the window keeps its
/// height from message to message, and grows, and the window with it, for a longer message: up
/// to twelve lines, beyond which the message scrolls (StatusScroll). It follows the zoom. Screen
/// readers speak each message as it is set, wherever the keyboard focus is: the message is a
/// notification inside the status bar.
class StatusLine : public QStatusBar
{
    Q_OBJECT

public:
    /// A status line `width` pixels wide at the design's size.
    explicit StatusLine(int width, QWidget *parent = nullptr);

    /// Shows `text` in place of the message, and announces it.
    void setMessage(const QString &text);
    /// The message shown.
    QString message() const { return shown; }

private:
    void fitMessage();

    QScrollArea *scroller = nullptr;
    QLabel *statusMessage = nullptr;
    QString shown; ///< the message as set
    int designHeight = 0; ///< the line's height at 100 %, with room for three lines
};
