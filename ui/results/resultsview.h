#pragma once

#include <QStringView>

QT_BEGIN_NAMESPACE
class QPlainTextEdit;
class QString;
class QWidget;
QT_END_NAMESPACE

// The results list is Qt's plain text view, read-only. Its caption is the text the Draws wrote,
// where each carriage return ends a line: the view shows one line per line of the caption, and
// the carriage return that ends the last line adds no empty line after it.

/// A read-only plain text view without undo, selectable with the mouse and the keyboard, that
/// Tab enters and leaves: its caret moves with the arrow keys, and screen readers read the line
/// under it.
QPlainTextEdit *makeResultsView(const QString &objectName, QWidget *parent);

/// Appends `text` to the caption shown by `view`, laying out the new text only, and brings the
/// newest line into view with the caret on it.
void appendToResults(QPlainTextEdit *view, QStringView text);

/// Empties `view` and hands the memory its lines held back to the system.
void emptyResults(QPlainTextEdit *view);

/// Replaces the caption shown by `view` with `text`.
void setResults(QPlainTextEdit *view, QStringView text);

/// The caption shown by `view`, exactly as written: each line ended by its carriage return.
QString resultsCaption(const QPlainTextEdit *view);
