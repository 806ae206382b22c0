#pragma once

#include <QAbstractScrollArea>

#include <algorithm>
#include <memory>
#include <vector>

QT_BEGIN_NAMESPACE
class QTextLayout;
QT_END_NAMESPACE

/// The results list: a read-only, frameless text shown like a label, in the window's font and
/// palette. Its caption is kept exactly as written, once: lines end with a carriage return
/// alone, each carriage return shows as a line break and the last one adds no empty line. The
/// list keeps where each line starts and lays out, wrapped at the width, only the lines on
/// screen: a line costs a few bytes beside its text, appending costs the new text only, and a
/// new width or font costs the lines on screen. It scrolls a line at a time; a vertical scroll
/// bar shows whenever the lines do not fit, and each append brings the newest line into view.
/// The text can be selected with the mouse and the keyboard and copied.
class ResultList : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit ResultList(QWidget *parent = nullptr);
    ~ResultList() override;

    /// The exact accumulated text.
    const QString &caption() const { return captionText; }
    /// Replaces the whole text.
    void setCaption(const QString &text);
    /// Appends text to the caption and shows it.
    void appendToCaption(const QString &text);

    /// The number of lines shown: each carriage return ends one, text after the last is one more.
    qsizetype lineCount() const { return qsizetype(lineStarts.size()); }
    /// The number of rows line `line` takes on screen, wrapped at the width.
    int rowsOf(qsizetype line) const;
    /// The length of the text shown: the caption without a final carriage return.
    qsizetype shownLength() const;
    /// The text shown from position `from` to `to`, lines separated by line feeds.
    QString shownText(qsizetype from, qsizetype to) const;
    /// The whole text shown, lines separated by line feeds.
    QString text() const { return shownText(0, shownLength()); }

    /// Selects the text from `anchor` to `position` (positions in the caption) and puts the
    /// cursor at `position`, scrolled into view.
    void setSelection(qsizetype anchor, qsizetype position);
    qsizetype selectionStart() const { return std::min(anchor, cursor); }
    qsizetype selectionEnd() const { return std::max(anchor, cursor); }
    qsizetype cursorPosition() const { return cursor; }
    /// The selected text, lines separated by line feeds.
    QString selectedText() const { return shownText(selectionStart(), selectionEnd()); }
    /// Selects the whole text.
    void selectAll();
    /// Puts the selected text on the clipboard.
    void copy() const;

    /// The rectangle, in this widget's coordinates, of the character at `position`.
    QRect characterRect(qsizetype position) const;
    /// The caption position nearest to `point`, given in this widget's coordinates.
    qsizetype positionAt(const QPoint &point) const;
    /// Scrolls so that the row holding `position` is on screen.
    void ensureVisible(qsizetype position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    struct CachedLayout
    {
        qsizetype line;
        std::unique_ptr<QTextLayout> layout;
    };

    /// A row on screen: a line and a row of it (which may be negative or past its last row, for
    /// a row above or below it).
    struct Row
    {
        qsizetype line = 0;
        int row = 0;
    };

    void indexFrom(qsizetype from, bool continuesLastLine);
    void updateScrollRange();
    qsizetype lastTopLine() const;
    int rowHeight() const;
    int visibleRows() const;
    qsizetype lineLength(qsizetype line) const;
    qsizetype lineOf(qsizetype position) const;
    Row rowOf(qsizetype position) const;
    Row normalised(Row row) const;
    int rowsFromTop(Row row) const;
    const QTextLayout &layoutOf(qsizetype line) const;
    qsizetype positionOn(Row row, qreal x) const;
    qsizetype positionAtViewport(const QPoint &point) const;
    void moveCursor(qsizetype position, bool select);
    void selectionChanged();

    QString captionText;
    std::vector<qsizetype> lineStarts; ///< caption position where each line starts
    mutable std::vector<CachedLayout> layouts; ///< the lines last painted or looked at
    mutable int laidOutWidth = 0; ///< the width the kept layouts wrap at
    qsizetype anchor = 0; ///< where the selection started
    qsizetype cursor = 0; ///< where the selection ends and the cursor stands
    bool followNewest = true; ///< the view stays on the newest line as rows change
    bool selecting = false; ///< a mouse button is down and extends the selection
};
