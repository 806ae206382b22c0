#include "resultsview.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

#if defined(__GLIBC__)
#  include <malloc.h>
#endif

namespace {

/// The user state of a block whose line a carriage return has ended; the last block of the
/// document is open (state -1) while text may still be added to its line.
constexpr int lineEnded = 1;

} // namespace

QPlainTextEdit *makeResultsView(const QString &objectName, QWidget *parent)
{
    auto *view = new QPlainTextEdit(parent);
    view->setObjectName(objectName);
    view->setReadOnly(true);
    view->setUndoRedoEnabled(false);
    view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    view->setTabChangesFocus(true);
    view->setFocusPolicy(Qt::StrongFocus);
    // Shown as the caption it is, on the window's background and without a frame or margin.
    view->setFrameShape(QFrame::NoFrame);
    view->viewport()->setBackgroundRole(QPalette::Window);
    view->document()->setDocumentMargin(0);
    // Lines wrap at the width, so the view never scrolls sideways; and it paints its own
    // background, so that the scroll bar moving at each Draw repaints the list alone, not the
    // window behind it (both for the whole Draw's goal in bench/bench_window).
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setAutoFillBackground(true);
    // A list scrolled to its newest line stays there when its range changes: a new width or
    // font (a zoom) wraps the lines anew.
    QScrollBar *bar = view->verticalScrollBar();
    auto atNewest = std::make_shared<bool>(true);
    QObject::connect(bar, &QScrollBar::valueChanged, view,
                     [bar, atNewest](int value) { *atNewest = value == bar->maximum(); });
    QObject::connect(bar, &QScrollBar::rangeChanged, view, [bar, atNewest](int, int maximum) {
        if (*atNewest)
            bar->setValue(maximum);
    });
    return view;
}

void appendToResults(QPlainTextEdit *view, QStringView text)
{
    QTextDocument *document = view->document();
    QTextCursor end(document);
    end.movePosition(QTextCursor::End);
    // One edit: the view lays out the changed block(s) once, whatever the list's length.
    end.beginEditBlock();
    for (qsizetype from = 0; from <= text.size();) {
        const qsizetype stop = text.indexOf(u'\r', from);
        const QStringView piece = text.mid(from, (stop < 0 ? text.size() : stop) - from);
        if (stop < 0 && piece.isEmpty())
            break;
        if (document->lastBlock().userState() == lineEnded) {
            end.insertBlock();
            document->lastBlock().setUserState(-1);
        }
        if (!piece.isEmpty())
            end.insertText(piece.toString());
        if (stop < 0)
            break;
        document->lastBlock().setUserState(lineEnded);
        from = stop + 1;
    }
    end.endEditBlock();
    // The caret on the newest line, where Tab lands and a screen reader starts reading.
    if (view->textCursor().position() != end.position())
        view->setTextCursor(end);
    QScrollBar *bar = view->verticalScrollBar();
    bar->setValue(bar->maximum());
}

void emptyResults(QPlainTextEdit *view)
{
    view->clear();
    // The C library keeps freed blocks for reuse, and the list's many small blocks lie between
    // others that stay: without this, a class's worth of Draws would keep the program some
    // megabytes larger after Clear (bench/bench_memory). Only Clear comes here, never a Draw.
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

void setResults(QPlainTextEdit *view, QStringView text)
{
    view->clear();
    appendToResults(view, text);
}

QString resultsCaption(const QPlainTextEdit *view)
{
    QString caption;
    const QTextDocument *document = view->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        caption += block.text();
        if (block.userState() == lineEnded)
            caption += u'\r';
    }
    return caption;
}
