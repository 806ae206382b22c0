#include "resultlist.h"

#include "windowlook.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

/// A narrow scroll bar: the design's list is just wide enough for a result line, so a
/// scroll bar of the usual width would wrap every line it stands beside.
class NarrowScrollBarStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        if (metric == PM_ScrollBarExtent)
            return qRound(10 * zoomFactor());
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

/// One line of the list laid out at `width`, wrapped at word boundaries (anywhere in a word
/// longer than the width), each row `rowHeight` below the one before.
std::unique_ptr<QTextLayout> layOut(const QString &line, const QAbstractScrollArea *list, int width,
                                    int rowHeight)
{
    auto layout = std::make_unique<QTextLayout>(line, list->font(), list->viewport());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTextDirection(list->layoutDirection());
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    for (int row = 0;; ++row) {
        QTextLine textLine = layout->createLine();
        if (!textLine.isValid())
            break;
        textLine.setLineWidth(width);
        textLine.setPosition(QPointF(0, row * rowHeight));
    }
    layout->endLayout();
    return layout;
}

/// What a screen reader reads of the list: its name, its whole text, and the text interface
/// over the lines shown (offsets are caption positions; line breaks read as line feeds).
class ResultListAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ResultListAccessible(ResultList *list)
        : QAccessibleWidget(list, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text which) const override
    {
        if (which == QAccessible::Value)
            return list()->text();
        return QAccessibleWidget::text(which);
    }

    void selection(int index, int *start, int *end) const override
    {
        const bool any = index == 0 && selectionCount() == 1;
        *start = any ? int(list()->selectionStart()) : 0;
        *end = any ? int(list()->selectionEnd()) : 0;
    }
    int selectionCount() const override
    {
        return list()->selectionStart() == list()->selectionEnd() ? 0 : 1;
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            list()->setSelection(list()->cursorPosition(), list()->cursorPosition());
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            list()->setSelection(clamped(start), clamped(end));
    }
    int cursorPosition() const override { return int(list()->cursorPosition()); }
    void setCursorPosition(int position) override
    {
        list()->setSelection(clamped(position), clamped(position));
    }
    QString text(int start, int end) const override
    {
        return list()->shownText(clamped(start), clamped(end));
    }
    int characterCount() const override { return int(list()->shownLength()); }
    QRect characterRect(int offset) const override
    {
        const QRect inWidget = list()->characterRect(clamped(offset));
        return QRect(list()->mapToGlobal(inWidget.topLeft()), inWidget.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return int(list()->positionAt(list()->mapFromGlobal(point)));
    }
    void scrollToSubstring(int start, int) override { list()->ensureVisible(clamped(start)); }
    QString attributes(int offset, int *start, int *end) const override
    {
        // One run of plain text without attributes of its own.
        *start = 0;
        *end = offset < characterCount() ? characterCount() : offset;
        return QString();
    }

private:
    ResultList *list() const { return static_cast<ResultList *>(widget()); }
    qsizetype clamped(int offset) const
    {
        return std::clamp<qsizetype>(offset, 0, list()->shownLength());
    }
};

QAccessibleInterface *accessibleResultList(const QString &className, QObject *object)
{
    if (className == QLatin1String("ResultList") && object && object->isWidgetType())
        return new ResultListAccessible(static_cast<ResultList *>(object));
    return nullptr;
}

} // namespace

ResultList::ResultList(QWidget *parent) : QAbstractScrollArea(parent)
{
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(accessibleResultList);
        return true;
    }();
    Q_UNUSED(accessibleInstalled);

    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::ClickFocus); // selectable and copyable, but not a Tab stop like a label
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Older lines stay reachable, and a scroll bar shows that they are there.
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto *narrow = new NarrowScrollBarStyle(QStyleFactory::create(QApplication::style()->name()));
    narrow->setParent(this);
    verticalScrollBar()->setStyle(narrow);
    verticalScrollBar()->setSingleStep(1);
    // A scroll bar showing up narrows the lines, and a zoom changes their rows: the newest line
    // stays followed unless the user has scrolled away from it.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int value) { followNewest = value == verticalScrollBar()->maximum(); });
    setBackgroundRole(QPalette::Window);
    viewport()->setBackgroundRole(QPalette::Window);
    viewport()->setCursor(Qt::IBeamCursor);
}

ResultList::~ResultList() = default;

qsizetype ResultList::shownLength() const
{
    return captionText.size() - (captionText.endsWith(u'\r') ? 1 : 0);
}

QString ResultList::shownText(qsizetype from, qsizetype to) const
{
    from = std::clamp<qsizetype>(from, 0, shownLength());
    to = std::clamp<qsizetype>(to, from, shownLength());
    QString text = captionText.mid(from, to - from);
    text.replace(u'\r', u'\n');
    return text;
}

void ResultList::setCaption(const QString &text)
{
    const QString before = QAccessible::isActive() ? this->text() : QString();
    // Clear gives the memory of a long list back: the containers are dropped, not emptied.
    captionText = text;
    std::vector<qsizetype>().swap(lineStarts);
    std::vector<int>().swap(rowEnds);
    layouts.clear();
    anchor = cursor = 0;
    indexFrom(0, false);
    followNewest = true;
    updateScrollRange();
    viewport()->update();
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent changed(this, 0, before, this->text());
        QAccessible::updateAccessibility(&changed);
    }
}

void ResultList::appendToCaption(const QString &text)
{
    if (text.isEmpty())
        return;
    const qsizetype shownBefore = shownLength();
    const qsizetype from = captionText.size();
    const bool continuesLastLine = from > 0 && !captionText.endsWith(u'\r');
    captionText += text;
    indexFrom(from, continuesLastLine);
    // Each Draw's result is shown: the view moves to the newest line after every append.
    followNewest = true;
    updateScrollRange();
    viewport()->update();
    if (QAccessible::isActive() && shownLength() > shownBefore) {
        QAccessibleTextInsertEvent inserted(this, int(shownBefore),
                                            shownText(shownBefore, shownLength()));
        QAccessible::updateAccessibility(&inserted);
    }
}

void ResultList::indexFrom(qsizetype from, bool continuesLastLine)
{
    // Only the new text is scanned and only the lines it touches are measured: appending does
    // not grow with the lines already listed (bench_window's Draw with 10,000 results).
    qsizetype firstChanged = lineCount();
    if (continuesLastLine) {
        firstChanged = lineCount() - 1;
        rowEnds.pop_back();
        std::erase_if(layouts, [&](const CachedLayout &c) { return c.line == firstChanged; });
    } else if (from < captionText.size()) {
        lineStarts.push_back(from);
    }
    for (qsizetype end = captionText.indexOf(u'\r', from); end >= 0 && end + 1 < captionText.size();
         end = captionText.indexOf(u'\r', end + 1))
        lineStarts.push_back(end + 1);
    laidOutWidth = wrapWidth();
    const QFontMetricsF metrics(font(), viewport());
    for (qsizetype line = firstChanged; line < lineCount(); ++line)
        rowEnds.push_back(firstRowOf(line) + rowsOf(line, metrics));
}

void ResultList::relayout()
{
    // A new width or font: every line's rows are counted again, the top line kept on top
    // unless the newest line is followed.
    const qsizetype topLine = lineCount() > 0 ? lineAtRow(verticalScrollBar()->value()) : 0;
    layouts.clear();
    laidOutWidth = wrapWidth();
    const QFontMetricsF metrics(font(), viewport());
    int rows = 0;
    for (qsizetype line = 0; line < lineCount(); ++line) {
        rows += rowsOf(line, metrics);
        rowEnds[line] = rows;
    }
    updateScrollRange();
    if (!followNewest && lineCount() > 0)
        verticalScrollBar()->setValue(firstRowOf(topLine));
    viewport()->update();
}

void ResultList::updateScrollRange()
{
    const bool follow = followNewest;
    QScrollBar *bar = verticalScrollBar();
    bar->setPageStep(visibleRows());
    bar->setRange(0, std::max(0, rowCount() - visibleRows()));
    if (follow)
        bar->setValue(bar->maximum());
}

int ResultList::rowHeight() const
{
    return std::max(1, fontMetrics().height());
}

int ResultList::wrapWidth() const
{
    return std::max(1, viewport()->width());
}

int ResultList::visibleRows() const
{
    return std::max(1, viewport()->height() / rowHeight());
}

qsizetype ResultList::lineLength(qsizetype line) const
{
    const qsizetype end = line + 1 < lineCount() ? lineStarts[line + 1] - 1 : shownLength();
    return end - lineStarts[line];
}

qsizetype ResultList::lineAtRow(int row) const
{
    const auto found = std::upper_bound(rowEnds.begin(), rowEnds.end(), row);
    return std::clamp<qsizetype>(found - rowEnds.begin(), 0, lineCount() - 1);
}

qsizetype ResultList::lineOf(qsizetype position) const
{
    const auto found = std::upper_bound(lineStarts.begin(), lineStarts.end(), position);
    return std::max<qsizetype>(0, found - lineStarts.begin() - 1);
}

int ResultList::rowsOf(qsizetype line, const QFontMetricsF &metrics) const
{
    const QString text = captionText.mid(lineStarts[line], lineLength(line));
    // Most lines fit the width: measuring them is enough. A line within a pixel of the width
    // is laid out, as painting will lay it out, so that rows and painting agree.
    if (metrics.horizontalAdvance(text) < laidOutWidth - 1)
        return 1;
    return std::max(1, layOut(text, this, laidOutWidth, rowHeight())->lineCount());
}

const QTextLayout &ResultList::layoutOf(qsizetype line) const
{
    for (const CachedLayout &cached : layouts)
        if (cached.line == line)
            return *cached.layout;
    layouts.push_back({ line,
                        layOut(captionText.mid(lineStarts[line], lineLength(line)), this,
                               laidOutWidth, rowHeight()) });
    return *layouts.back().layout;
}

int ResultList::rowOf(qsizetype position) const
{
    if (lineCount() == 0)
        return 0;
    const qsizetype line = lineOf(position);
    if (rowEnds[line] - firstRowOf(line) == 1)
        return firstRowOf(line);
    const QTextLine row = layoutOf(line).lineForTextPosition(int(position - lineStarts[line]));
    return firstRowOf(line) + (row.isValid() ? row.lineNumber() : 0);
}

qsizetype ResultList::positionAtRow(int row, qreal x) const
{
    if (lineCount() == 0)
        return 0;
    if (row < 0)
        return 0;
    if (row >= rowCount())
        return shownLength();
    const qsizetype line = lineAtRow(row);
    const QTextLine textLine = layoutOf(line).lineAt(row - firstRowOf(line));
    if (!textLine.isValid())
        return lineStarts[line];
    return lineStarts[line] + textLine.xToCursor(x);
}

qsizetype ResultList::positionAtViewport(const QPoint &point) const
{
    const int row = verticalScrollBar()->value() + int(std::floor(double(point.y()) / rowHeight()));
    return positionAtRow(row, point.x());
}

qsizetype ResultList::positionAt(const QPoint &point) const
{
    return positionAtViewport(point - viewport()->pos());
}

QRect ResultList::characterRect(qsizetype position) const
{
    if (lineCount() == 0)
        return QRect(viewport()->pos(), QSize(0, rowHeight()));
    const qsizetype line = lineOf(position);
    const int offset = int(position - lineStarts[line]);
    const QTextLine row = layoutOf(line).lineForTextPosition(offset);
    const int rowNumber = row.isValid() ? row.lineNumber() : 0;
    const qreal left = row.isValid() ? row.cursorToX(offset) : 0;
    qreal right = row.isValid() && offset < row.textStart() + row.textLength()
            ? row.cursorToX(offset + 1)
            : left;
    if (right <= left)
        right = left + fontMetrics().averageCharWidth();
    const int top = (firstRowOf(line) + rowNumber - verticalScrollBar()->value()) * rowHeight();
    return QRect(QPoint(qFloor(left), top), QPoint(qCeil(right) - 1, top + rowHeight() - 1))
            .translated(viewport()->pos());
}

void ResultList::ensureVisible(qsizetype position)
{
    const int row = rowOf(position);
    QScrollBar *bar = verticalScrollBar();
    if (row < bar->value())
        bar->setValue(row);
    else if (row >= bar->value() + visibleRows())
        bar->setValue(row - visibleRows() + 1);
}

void ResultList::setSelection(qsizetype from, qsizetype to)
{
    anchor = std::clamp<qsizetype>(from, 0, shownLength());
    cursor = std::clamp<qsizetype>(to, 0, shownLength());
    selectionChanged();
}

void ResultList::selectAll()
{
    setSelection(0, shownLength());
}

void ResultList::copy() const
{
    if (selectionStart() != selectionEnd())
        QGuiApplication::clipboard()->setText(selectedText());
}

void ResultList::moveCursor(qsizetype position, bool select)
{
    cursor = std::clamp<qsizetype>(position, 0, shownLength());
    if (!select)
        anchor = cursor;
    ensureVisible(cursor);
    selectionChanged();
}

void ResultList::selectionChanged()
{
    viewport()->update();
    if (QAccessible::isActive()) {
        QAccessibleTextSelectionEvent selected(this, int(selectionStart()), int(selectionEnd()));
        selected.setCursorPosition(int(cursor));
        QAccessible::updateAccessibility(&selected);
    }
}

void ResultList::paintEvent(QPaintEvent *event)
{
    if (lineCount() == 0)
        return;
    const int height = rowHeight();
    const int top = verticalScrollBar()->value();
    const int firstRow = top + event->rect().top() / height;
    const int lastRow = top + event->rect().bottom() / height;

    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::WindowText));
    QTextCharFormat selected;
    selected.setBackground(palette().brush(QPalette::Highlight));
    selected.setForeground(palette().brush(QPalette::HighlightedText));
    for (qsizetype line = lineAtRow(firstRow); line < lineCount() && firstRowOf(line) <= lastRow;
         ++line) {
        const QTextLayout &layout = layoutOf(line);
        const QPointF origin(0, (firstRowOf(line) - top) * height);
        QList<QTextLayout::FormatRange> selections;
        const qsizetype start = std::max(selectionStart(), lineStarts[line]);
        const qsizetype end = std::min(selectionEnd(), lineStarts[line] + lineLength(line));
        if (start < end)
            selections.append({ int(start - lineStarts[line]), int(end - start), selected });
        layout.draw(&painter, origin, selections);
        if (hasFocus() && lineOf(cursor) == line)
            layout.drawCursor(&painter, origin, int(cursor - lineStarts[line]));
    }
    // Only the lines on screen keep their layout.
    const qsizetype firstShown = lineAtRow(top);
    const qsizetype lastShown = lineAtRow(top + visibleRows());
    std::erase_if(layouts,
                  [&](const CachedLayout &c) { return c.line < firstShown || c.line > lastShown; });
}

void ResultList::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    if (wrapWidth() != laidOutWidth)
        relayout();
    else
        updateScrollRange();
}

void ResultList::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        // A zoom: the rows get taller and the narrow scroll bar wider.
        verticalScrollBar()->updateGeometry();
        relayout();
    }
}

void ResultList::scrollContentsBy(int, int)
{
    viewport()->update();
}

void ResultList::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        copy();
        return;
    }
    using Key = QKeySequence;
    bool select = false;
    const auto is = [&](Key::StandardKey move, Key::StandardKey extend) {
        select = event->matches(extend);
        return select || event->matches(move);
    };
    const int row = rowOf(cursor);
    const qreal x = characterRect(cursor).left() - viewport()->x();
    const auto rowEdge = [&](bool end) {
        const qsizetype line = lineOf(cursor);
        const QTextLine textLine = layoutOf(line).lineAt(row - firstRowOf(line));
        if (!textLine.isValid())
            return cursor;
        return lineStarts[line] + textLine.textStart() + (end ? textLine.textLength() : 0);
    };
    const auto word = [&](QTextLayout::CursorMode mode, bool forward) {
        const qsizetype line = lineOf(cursor);
        const int offset = int(cursor - lineStarts[line]);
        if (forward && offset >= lineLength(line))
            return std::min(cursor + 1, shownLength());
        if (!forward && offset == 0)
            return std::max<qsizetype>(cursor - 1, 0);
        const QTextLayout &layout = layoutOf(line);
        return lineStarts[line]
                + (forward ? layout.nextCursorPosition(offset, mode)
                           : layout.previousCursorPosition(offset, mode));
    };
    qsizetype target = cursor;
    if (is(Key::MoveToNextChar, Key::SelectNextChar))
        target = cursor + 1;
    else if (is(Key::MoveToPreviousChar, Key::SelectPreviousChar))
        target = cursor - 1;
    else if (is(Key::MoveToNextWord, Key::SelectNextWord))
        target = word(QTextLayout::SkipWords, true);
    else if (is(Key::MoveToPreviousWord, Key::SelectPreviousWord))
        target = word(QTextLayout::SkipWords, false);
    else if (is(Key::MoveToNextLine, Key::SelectNextLine))
        target = positionAtRow(row + 1, x);
    else if (is(Key::MoveToPreviousLine, Key::SelectPreviousLine))
        target = positionAtRow(row - 1, x);
    else if (is(Key::MoveToNextPage, Key::SelectNextPage))
        target = positionAtRow(row + visibleRows(), x);
    else if (is(Key::MoveToPreviousPage, Key::SelectPreviousPage))
        target = positionAtRow(std::max(0, row - visibleRows()), x);
    else if (is(Key::MoveToStartOfLine, Key::SelectStartOfLine))
        target = rowEdge(false);
    else if (is(Key::MoveToEndOfLine, Key::SelectEndOfLine))
        target = rowEdge(true);
    else if (is(Key::MoveToStartOfDocument, Key::SelectStartOfDocument))
        target = 0;
    else if (is(Key::MoveToEndOfDocument, Key::SelectEndOfDocument))
        target = shownLength();
    else {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    moveCursor(target, select);
}

void ResultList::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    selecting = true;
    moveCursor(positionAtViewport(event->position().toPoint()),
               event->modifiers().testFlag(Qt::ShiftModifier));
}

void ResultList::mouseMoveEvent(QMouseEvent *event)
{
    if (!selecting || !(event->buttons() & Qt::LeftButton)) {
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    // Dragging above or below the list scrolls it towards the pointer.
    moveCursor(positionAtViewport(event->position().toPoint()), true);
}

void ResultList::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && selecting) {
        selecting = false;
        QClipboard *clipboard = QGuiApplication::clipboard();
        if (clipboard->supportsSelection() && selectionStart() != selectionEnd())
            clipboard->setText(selectedText(), QClipboard::Selection);
        return;
    }
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void ResultList::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || lineCount() == 0) {
        QAbstractScrollArea::mouseDoubleClickEvent(event);
        return;
    }
    // A double click selects the word (a number, say) under the pointer.
    const qsizetype at = positionAtViewport(event->position().toPoint());
    const qsizetype line = lineOf(at);
    const QString text = captionText.mid(lineStarts[line], lineLength(line));
    const qsizetype offset = at - lineStarts[line];
    QTextBoundaryFinder words(QTextBoundaryFinder::Word, text);
    words.setPosition(offset);
    const qsizetype start =
            words.isAtBoundary() ? offset : std::max<qsizetype>(0, words.toPreviousBoundary());
    words.setPosition(offset);
    qsizetype end = words.toNextBoundary();
    if (end < 0)
        end = text.size();
    selecting = true;
    setSelection(lineStarts[line] + start, lineStarts[line] + end);
}

void ResultList::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    QAction *copyAction = menu.addAction(tr("&Copy"), this, &ResultList::copy);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setEnabled(selectionStart() != selectionEnd());
    QAction *selectAllAction = menu.addAction(tr("Select &All"), this, &ResultList::selectAll);
    selectAllAction->setShortcut(QKeySequence::SelectAll);
    selectAllAction->setEnabled(shownLength() > 0);
    menu.exec(event->globalPos());
}

void ResultList::focusInEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void ResultList::focusOutEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}
