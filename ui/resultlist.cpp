#include "resultlist.h"

#include "windowlook.h"

#include <QApplication>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTextCursor>

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

} // namespace

ResultList::ResultList(QWidget *parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setFrameShape(QFrame::NoFrame);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::ClickFocus); // selectable and copyable, but not a Tab stop like a label
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Older lines stay reachable, and a scroll bar shows that they are there.
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto *narrow = new NarrowScrollBarStyle(QStyleFactory::create(QApplication::style()->name()));
    narrow->setParent(this);
    verticalScrollBar()->setStyle(narrow);
    // The text is laid out after an append, and the scroll bar showing up narrows it: the range
    // changes later, and the newest line is followed unless the user has scrolled away.
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, [this](int, int maximum) {
        if (followNewest)
            verticalScrollBar()->setValue(maximum);
    });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int value) { followNewest = value == verticalScrollBar()->maximum(); });
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    document()->setDocumentMargin(0);
    setBackgroundRole(QPalette::Window);
    viewport()->setBackgroundRole(QPalette::Window);
    QPalette look = palette();
    look.setColor(QPalette::Base, look.color(QPalette::Window));
    look.setColor(QPalette::Text, look.color(QPalette::WindowText));
    setPalette(look);
}

void ResultList::setCaption(const QString &text)
{
    captionText = text;
    shown = 0;
    clear();
    showNewText();
}

void ResultList::appendToCaption(const QString &text)
{
    captionText += text;
    showNewText();
}

void ResultList::showNewText()
{
    // A carriage return that ends the caption is held back until more text follows, so the
    // display does not end in an empty line.
    QStringView fresh = QStringView(captionText).mid(shown);
    if (fresh.endsWith(u'\r'))
        fresh.chop(1);
    if (fresh.isEmpty())
        return;
    QString lines = fresh.toString();
    lines.replace(u'\r', u'\n'); // insertText turns each line feed into a new block
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertText(lines);
    shown += fresh.size();
    followNewest = true;
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}
