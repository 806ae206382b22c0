#include "resultlist.h"

#include "ui/windowlook.h"

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
    // The newest line stays followed as the width, height or font change, unless the user has
    // scrolled away from it.
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
    // Each Draw's result is shown: the view moves to the newest line after every append, and
    // the lines it leaves drop their layouts.
    followNewest = true;
    updateScrollRange();
    const qsizetype top = verticalScrollBar()->value();
    std::erase_if(layouts, [top](const CachedLayout &c) { return c.line < top; });
    viewport()->update();
    if (QAccessible::isActive() && shownLength() > shownBefore) {
        QAccessibleTextInsertEvent inserted(this, int(shownBefore),
                                            shownText(shownBefore, shownLength()));
        QAccessible::updateAccessibility(&inserted);
    }
}

void ResultList::indexFrom(qsizetype from, bool continuesLastLine)
{
    // Only the new text is scanned: appending does not grow with the lines already listed
    // (bench_window's Draw with 10,000 results).
    if (continuesLastLine) {
        const qsizetype last = lineCount() - 1;
        std::erase_if(layouts, [&](const CachedLayout &c) { return c.line == last; });
    } else if (from < captionText.size()) {
        lineStarts.push_back(from);
    }
    for (qsizetype end = captionText.indexOf(u'\r', from); end >= 0 && end + 1 < captionText.size();
         end = captionText.indexOf(u'\r', end + 1))
        lineStarts.push_back(end + 1);
}

void ResultList::updateScrollRange()
{
    // The scroll bar counts lines: its value is the line on top. A new width or height keeps
    // that line on top, unless the newest line is followed.
    const bool follow = followNewest;
    QScrollBar *bar = verticalScrollBar();
    bar->setPageStep(visibleRows());
    bar->setRange(0, int(lastTopLine()));
    if (follow)
        bar->setValue(bar->maximum());
}

qsizetype ResultList::lastTopLine() const
{
    // The first of the last lines that fit together; only those lines are laid out.
    qsizetype top = lineCount();
    int rows = 0;
    while (top > 0 && rows + rowsOf(top - 1) <= visibleRows())
        rows += rowsOf(--top);
    return std::min(top, std::max<qsizetype>(0, lineCount() - 1));
}

int ResultList::rowHeight() const
{
    return std::max(1, fontMetrics().height());
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

qsizetype ResultList::lineOf(qsizetype position) const
{
    const auto found = std::upper_bound(lineStarts.begin(), lineStarts.end(), position);
    return std::max<qsizetype>(0, found - lineStarts.begin() - 1);
}

int ResultList::rowsOf(qsizetype line) const
{
    return std::max(1, layoutOf(line).lineCount());
}

const QTextLayout &ResultList::layoutOf(qsizetype line) const
{
    // The kept layouts are those of one width: a new width lays the lines out anew.
    if (viewport()->width() != laidOutWidth) {
        layouts.clear();
        laidOutWidth = viewport()->width();
    }
    for (const CachedLayout &cached : layouts)
        if (cached.line == line)
            return *cached.layout;
    layouts.push_back({ line,
                        layOut(captionText.mid(lineStarts[line], lineLength(line)), this,
                               std::max(1, laidOutWidth), rowHeight()) });
    return *layouts.back().layout;
}

ResultList::Row ResultList::rowOf(qsizetype position) const
{
    if (lineCount() == 0)
        return {};
    const qsizetype line = lineOf(position);
    const QTextLine row = layoutOf(line).lineForTextPosition(int(position - lineStarts[line]));
    return { line, row.isValid() ? row.lineNumber() : 0 };
}

ResultList::Row ResultList::normalised(Row at) const
{
    // Rows above or below a line belong to the lines before or after it; line -1 is above the
    // first line, lineCount() below the last.
    while (at.row < 0 && at.line > 0)
        at.row += rowsOf(--at.line);
    if (at.row < 0)
        return { -1, 0 };
    while (at.line < lineCount() && at.row >= rowsOf(at.line))
        at.row -= rowsOf(at.line++);
    return at;
}

int ResultList::rowsFromTop(Row at) const
{
    // Lines far from the view count one row each: only the rows near it need be exact, and
    // laying out thousands of lines for a rough place would cost what this view saves.
    constexpr qsizetype exactLines = 64;
    const qsizetype top = verticalScrollBar()->value();
    int rows = at.row;
    if (at.line >= top) {
        const qsizetype exactEnd = std::min(at.line, top + exactLines);
        for (qsizetype line = top; line < exactEnd; ++line)
            rows += rowsOf(line);
        rows += int(at.line - exactEnd);
    } else {
        const qsizetype exactStart = std::max(at.line, top - exactLines);
        for (qsizetype line = exactStart; line < top; ++line)
            rows -= rowsOf(line);
        rows -= int(exactStart - at.line);
    }
    return rows;
}

qsizetype ResultList::positionOn(Row row, qreal x) const
{
    row = normalised(row);
    if (row.line < 0)
        return 0;
    if (row.line >= lineCount())
        return shownLength();
    const QTextLine textLine = layoutOf(row.line).lineAt(row.row);
    return lineStarts[row.line] + (textLine.isValid() ? textLine.xToCursor(x) : 0);
}

qsizetype ResultList::positionAtViewport(const QPoint &point) const
{
    return positionOn(
            { verticalScrollBar()->value(), int(std::floor(double(point.y()) / rowHeight())) },
            point.x());
}

qsizetype ResultList::positionAt(const QPoint &point) const
{
    return positionAtViewport(point - viewport()->pos());
}

QRect ResultList::characterRect(qsizetype position) const
{
    if (lineCount() == 0)
        return QRect(viewport()->pos(), QSize(0, rowHeight()));
    const Row at = rowOf(position);
    const int offset = int(position - lineStarts[at.line]);
    const QTextLine row = layoutOf(at.line).lineAt(at.row);
    const qreal left = row.isValid() ? row.cursorToX(offset) : 0;
    qreal right = row.isValid() && offset < row.textStart() + row.textLength()
            ? row.cursorToX(offset + 1)
            : left;
    if (right <= left)
        right = left + fontMetrics().averageCharWidth();
    const int top = rowsFromTop(at) * rowHeight();
    return QRect(QPoint(qFloor(left), top), QPoint(qCeil(right) - 1, top + rowHeight() - 1))
            .translated(viewport()->pos());
}

void ResultList::ensureVisible(qsizetype position)
{
    if (lineCount() == 0)
        return;
    const Row at = rowOf(position);
    QScrollBar *bar = verticalScrollBar();
    if (at.line < bar->value()) {
        bar->setValue(int(at.line));
        return;
    }
    if (at.line - bar->value() < visibleRows() && rowsFromTop(at) < visibleRows())
        return;
    // The row goes to the bottom, with as many lines above it as fit.
    int rows = at.row + 1;
    qsizetype top = at.line;
    while (top > 0 && rows + rowsOf(top - 1) <= visibleRows())
        rows += rowsOf(--top);
    bar->setValue(int(top));
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
    const qsizetype top = verticalScrollBar()->value();
    qsizetype line = top;
    if (lineCount() > 0) {
        QPainter painter(viewport());
        painter.setPen(palette().color(QPalette::WindowText));
        QTextCharFormat selected;
        selected.setBackground(palette().brush(QPalette::Highlight));
        selected.setForeground(palette().brush(QPalette::HighlightedText));
        for (int y = 0; line < lineCount() && y <= event->rect().bottom(); ++line) {
            const QTextLayout &layout = layoutOf(line);
            const QPointF origin(0, y);
            y += std::max(1, layout.lineCount()) * rowHeight();
            if (y <= event->rect().top())
                continue;
            QList<QTextLayout::FormatRange> selections;
            const qsizetype start = std::max(selectionStart(), lineStarts[line]);
            const qsizetype end = std::min(selectionEnd(), lineStarts[line] + lineLength(line));
            if (start < end)
                selections.append({ int(start - lineStarts[line]), int(end - start), selected });
            layout.draw(&painter, origin, selections);
            if (hasFocus() && lineOf(cursor) == line)
                layout.drawCursor(&painter, origin, int(cursor - lineStarts[line]));
        }
    }
    // Only the lines on screen, and the last ones that decide the scroll bar's range, keep
    // their layout.
    const qsizetype lastTop = verticalScrollBar()->maximum();
    std::erase_if(layouts, [&](const CachedLayout &c) {
        return (c.line < top || c.line > line) && c.line < lastTop;
    });
}

void ResultList::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void ResultList::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        // A zoom: the rows get taller and the narrow scroll bar wider.
        layouts.clear();
        verticalScrollBar()->updateGeometry();
        updateScrollRange();
        viewport()->update();
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
    const Row at = rowOf(cursor);
    const QTextLine row = lineCount() > 0 ? layoutOf(at.line).lineAt(at.row) : QTextLine();
    const qsizetype lineStart = lineCount() > 0 ? lineStarts[at.line] : 0;
    const qreal x = row.isValid() ? row.cursorToX(int(cursor - lineStart)) : 0;
    const auto rowEdge = [&](bool end) {
        if (!row.isValid())
            return cursor;
        return lineStart + row.textStart() + (end ? row.textLength() : 0);
    };
    const auto word = [&](bool forward) {
        const int offset = int(cursor - lineStart);
        if (lineCount() == 0 || (forward && offset >= lineLength(at.line))
            || (!forward && offset == 0))
            return cursor + (forward ? 1 : -1);
        const QTextLayout &layout = layoutOf(at.line);
        return lineStart
                + (forward ? layout.nextCursorPosition(offset, QTextLayout::SkipWords)
                           : layout.previousCursorPosition(offset, QTextLayout::SkipWords));
    };
    qsizetype target = cursor;
    if (is(Key::MoveToNextChar, Key::SelectNextChar))
        target = cursor + 1;
    else if (is(Key::MoveToPreviousChar, Key::SelectPreviousChar))
        target = cursor - 1;
    else if (is(Key::MoveToNextWord, Key::SelectNextWord))
        target = word(true);
    else if (is(Key::MoveToPreviousWord, Key::SelectPreviousWord))
        target = word(false);
    else if (is(Key::MoveToNextLine, Key::SelectNextLine))
        target = positionOn({ at.line, at.row + 1 }, x);
    else if (is(Key::MoveToPreviousLine, Key::SelectPreviousLine))
        target = positionOn({ at.line, at.row - 1 }, x);
    else if (is(Key::MoveToNextPage, Key::SelectNextPage))
        target = positionOn({ at.line, at.row + visibleRows() }, x);
    else if (is(Key::MoveToPreviousPage, Key::SelectPreviousPage))
        target = positionOn({ at.line, at.row - visibleRows() }, x);
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
    menu.setFont(menuFont(zoomFactor())); // a menu is a window of its own: it follows the zoom here
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
