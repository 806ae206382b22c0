#pragma once

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QLabel;
class QWidget;
QT_END_NAMESPACE

// What screen readers get from the program's windows beyond Qt's own accessibility: text boxes
// read whole, charts exposed as graphics, messages spoken as they appear, Escape closing a
// window. Measured with the Orca screen reader (tests/screenreader/).

/// Installs the program's accessible interfaces: every QLineEdit of the program (and of Qt's
/// dialogs) gets one whose text Orca reads whole, and the widgets given a role below get it.
/// Idempotent; called before the first window is made (MainWindow does).
void installAccessibleInterfaces();

/// Makes `chart` take the keyboard focus (Tab) and exposes it as a graphic, named by its
/// accessible name and described by its accessible description, which should say the chart's
/// numbers. Called in the chart's constructor, before its name is set.
void exposeAsChart(QWidget *chart);

/// Exposes `label` as a notification, named by its text, which announce() has spoken.
void exposeAsNotification(QLabel *label);

/// Has screen readers speak `notification`'s text now, wherever the keyboard focus is; also
/// when the text is the same as before. Orca 43 speaks a notification that becomes showing, and
/// leaves out the word "notification" when it lies inside a status bar.
void announce(QLabel *notification);

/// Escape closes `window`: hidden, as its close box does. A QDialog needs no call.
void closeOnEscape(QWidget *window);
