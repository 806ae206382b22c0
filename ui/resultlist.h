#pragma once

#include <QPlainTextEdit>

/// The results list: a read-only, frameless text shown like a label. Its caption is kept
/// exactly as written (lines end with a carriage return alone); each carriage return shows as a
/// line break. Appending adds only the new lines to the display, so its cost does not grow with
/// the lines already shown, and the newest line is kept in view. A vertical scroll bar shows
/// whenever the lines do not fit.
class ResultList : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit ResultList(QWidget *parent = nullptr);

    /// The exact accumulated text.
    const QString &caption() const { return captionText; }
    /// Replaces the whole text.
    void setCaption(const QString &text);
    /// Appends text to the caption and shows it.
    void appendToCaption(const QString &text);

private:
    void showNewText();

    QString captionText;
    qsizetype shown = 0; ///< length of the caption prefix already on display
    bool followNewest = true; ///< the view stays on the newest line as the text grows
};
