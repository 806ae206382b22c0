#include "statusline.h"

#include "ui/accessibility.h"
#include "ui/windowlook.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace {

constexpr int shownLines = 3; ///< the room a message has at least
constexpr int mostLines = 12; ///< the room a message has at most; the rest scrolls
constexpr int barMargin = 6; ///< the bar's height around the message label
constexpr int labelMargin = 4; ///< the label's width less than the bar's

/// `text` with a break opportunity (a zero-width space) between the characters of any word too
/// long for a line of `width` pixels, which a word-wrapped label would otherwise cut at its edge.
/// Characters with their combining marks stay whole.
QString breakableText(const QString &text, const QFontMetrics &metrics, int width)
{
    // Only a word of more characters than a line holds of the widest ones needs measuring; no
    // character is wider than twice the line spacing (asking the font for its widest character
    // would load every fallback font).
    const qsizetype surelyFits = width / std::max(1, 2 * metrics.height());
    QStringList words = text.split(u' ');
    for (QString &word : words) {
        if (word.size() <= surelyFits || metrics.horizontalAdvance(word) <= width)
            continue;
        QString broken;
        QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, word);
        for (qsizetype from = 0, to = characters.toNextBoundary(); to > 0;
             from = to, to = characters.toNextBoundary())
            broken += word.mid(from, to - from) + QChar(0x200b);
        word = broken;
    }
    return words.join(u' ');
}

} // namespace

StatusLine::StatusLine(int width, QWidget *parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar"));
    setAccessibleName(tr("Status"));
    setFont(controlFont());
    setSizeGripEnabled(false);
    scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("StatusScroll"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->viewport()->setAutoFillBackground(false);
    statusMessage = makeLabel(QStringLiteral("StatusMessage"), QString(), scroller);
    exposeAsNotification(statusMessage);
    statusMessage->setContentsMargins(6, 2, 6, 2);
    scroller->setWidget(statusMessage);
    addWidget(scroller, 1);
    designHeight = shownLines * statusMessage->fontMetrics().lineSpacing() + 10;
    setFixedSize(width, designHeight);
    finishLayout(this);
    fitMessage();
    connect(zoomNotifier(), &ZoomNotifier::zoomChanged, this, &StatusLine::fitMessage);
}

void StatusLine::setMessage(const QString &text)
{
    shown = text;
    fitMessage();
    if (!text.isEmpty())
        announce(statusMessage);
}

void StatusLine::fitMessage()
{
    // Fixed sizes, so that a new message repaints the label alone: a size of the label's own
    // choosing would lay the bar out again at every Draw (the whole Draw's goal in
    // bench/bench_window). Only a message or a zoom that needs another height changes them, and
    // the window's height with them.
    const int areaWidth = width() - labelMargin;
    const int barWidth = scroller->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QMargins margins = statusMessage->contentsMargins();
    const QFontMetrics metrics = statusMessage->fontMetrics();
    statusMessage->setText(
            breakableText(shown, metrics, areaWidth - barWidth - margins.left() - margins.right()));
    const int least = qRound(designHeight * zoomFactor()) - barMargin;
    const int most = mostLines * metrics.lineSpacing() + margins.top() + margins.bottom();
    // The text measured as the label lays it out (its own heightForWidth would count the
    // label's present fixed height).
    const auto heightAt = [&](int labelWidth) {
        const QRect room(0, 0, labelWidth - margins.left() - margins.right(), 1 << 24);
        return metrics.boundingRect(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                                    statusMessage->text())
                       .height()
                + margins.top() + margins.bottom();
    };
    int labelWidth = areaWidth;
    int labelHeight = std::max(least, heightAt(labelWidth));
    if (labelHeight > most) { // the rest of the message scrolls into view
        labelWidth = areaWidth - barWidth;
        labelHeight = heightAt(labelWidth);
    }
    const int areaHeight = std::min(labelHeight, std::max(least, most));
    if (height() != areaHeight + barMargin)
        setFixedHeight(areaHeight + barMargin);
    scroller->setFixedSize(areaWidth, areaHeight);
    statusMessage->setFixedSize(labelWidth, labelHeight);
    scroller->verticalScrollBar()->setValue(0);
}
