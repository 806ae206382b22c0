#include "figurewindow.h"

#include "ui/accessibility.h"
#include "ui/chart/figureplot.h"
#include "ui/results/exportcommands.h"
#include "ui/results/resultlog.h"
#include "ui/windowlook.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace {

/// The size the window first opens at, at 100 %: a quarter of a projector's screen.
constexpr QSize openingSize(960, 720);
/// The picture's size for export at 100 %, and its text: a figure for a page or a slide.
constexpr qreal exportWidth = 960, exportHeight = 640, exportText = 18;
/// The picture grows taller for a long legend, up to this share of its width.
constexpr qreal exportTallest = 3;

} // namespace

FigureWindow::FigureWindow(const ResultLog &log, QWidget *parent)
    : QMainWindow(parent, Qt::Window), log(log)
{
    setObjectName(QStringLiteral("FormFigure"));
    setWindowTitle(tr("Figure of the Draws"));
    setMinimumSize(480, 360);

    const auto item = [this](QMenu *menu, const QString &name, const QString &caption,
                             const QKeySequence &shortcut, auto slot) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(name);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    mnufile = menuBar()->addMenu(tr("&File"));
    mnufile->setObjectName(QStringLiteral("mnufile"));
    mnuexportchart = item(mnufile, QStringLiteral("mnuexportchart"), tr("&Export Figure..."), {},
                          [this] { exportChartWithDialog(this, figurePicture()); });
    mnuprint =
            item(mnufile, QStringLiteral("mnuprint"), tr("&Print..."), QKeySequence::Print, [this] {
                printWithDialog(this, [this](QPrinter &printer) { return printOn(printer); });
            });
    mnuedit = menuBar()->addMenu(tr("&Edit"));
    mnuedit->setObjectName(QStringLiteral("mnuedit"));
    mnucopyfigure = item(mnuedit, QStringLiteral("mnucopyfigure"), tr("&Copy Figure"),
                         QKeySequence::Copy, &FigureWindow::copyFigure);
    mnuview = menuBar()->addMenu(tr("&View"));
    mnuview->setObjectName(QStringLiteral("mnuview"));
    mnufit = item(mnuview, QStringLiteral("mnufit"), tr("&Fit to the Draws"), {}, [this] {
        range = mnufit->isChecked() ? analysis::FigureRange::FitToDraws
                                    : analysis::FigureRange::Default;
        stale = true;
        if (isVisible())
            showFigure();
    });
    mnufit->setCheckable(true);
    mnufullscreen = item(mnuview, QStringLiteral("mnufullscreen"), tr("F&ull Screen"),
                         QKeySequence(Qt::Key_F11), [this] {
                             if (isFullScreen())
                                 showNormal();
                             else
                                 showFullScreen();
                         });
    mnufullscreen->setCheckable(true);

    picture1 = new FigurePlot(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setAccessibleName(tr("Figure of the Draws"));
    picture1->setFigure(&shown);
    setCentralWidget(picture1);
    finishLayout(picture1);
    connect(zoomNotifier(), &ZoomNotifier::zoomChanged, picture1, qOverload<>(&QWidget::update));

    // It opens at its size scaled by the zoom, within the screen.
    QSize size = openingSize * zoomFactor();
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size.expandedTo(minimumSize()));
    closeOnEscape(this);
    showFigure();
}

void FigureWindow::drawsChanged()
{
    stale = true;
    if (isVisible())
        showFigure();
}

const analysis::Figure &FigureWindow::figure()
{
    bringUpToDate();
    return shown;
}

void FigureWindow::drawsCleared()
{
    cleared = true;
    drawsChanged();
}

void FigureWindow::bringUpToDate()
{
    if (!stale)
        return;
    // The log only grows between two Clears: the rows the figure holds stay as they are, and
    // only new ones are added, unless a fitted range moves.
    const std::size_t held = draws.size();
    if (cleared || log.size() < held) {
        rebuild();
        return;
    }
    stale = false;
    for (std::size_t i = held; i < log.size(); ++i)
        draws.push_back({ log.drawNumber(i), log.row(i) });
    const std::string separator = QLocale().decimalPoint().toStdString();
    const analysis::FigureAxes axes = analysis::figureAxes(draws, range);
    const auto same = [](const analysis::Axis &a, const analysis::Axis &b) {
        return a.max == b.max && a.step == b.step;
    };
    if (!same(axes.horizontal, shown.axes.horizontal) || !same(axes.vertical, shown.axes.vertical)
        || shown.draws.size() != held) {
        rebuild();
        return;
    }
    for (std::size_t i = held; i < draws.size(); ++i)
        shown.draws.push_back(
                analysis::figureDraw(draws[i], shown.axes, separator,
                                     analysis::sameIsoquantBefore(draws, shown.draws, i)));
}

void FigureWindow::rebuild()
{
    draws.clear();
    draws.reserve(log.size());
    for (std::size_t i = 0; i < log.size(); ++i)
        draws.push_back({ log.drawNumber(i), log.row(i) });
    shown = analysis::figure(draws, range, QLocale().decimalPoint().toStdString());
    stale = false;
    cleared = false;
}

void FigureWindow::showFigure()
{
    bringUpToDate();
    QStringList rows;
    rows.reserve(qsizetype(shown.draws.size()));
    for (const analysis::FigureDraw &draw : shown.draws)
        rows << QString::fromStdString(draw.legend);
    picture1->setAccessibleDescription(
            rows.isEmpty() ? tr("No Draw since the last Clear has written a result.")
                           : rows.join(u'\n'));
    picture1->update();
}

void FigureWindow::showEvent(QShowEvent *event)
{
    // Whatever brought the figure up to date while hidden (an export), its description follows
    // now.
    showFigure();
    QMainWindow::showEvent(event);
}

void FigureWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange)
        mnufullscreen->setChecked(isFullScreen());
    QMainWindow::changeEvent(event);
}

ChartPicture FigureWindow::figurePicture()
{
    bringUpToDate();
    // Taller for a long legend, so that a handout lists every Draw it can.
    const qreal rows = qreal(shown.draws.size());
    const qreal legend = rows * 1.25 * exportText + 2 * exportText;
    const QSizeF size(exportWidth,
                      std::clamp(legend / 0.4, exportHeight, exportTallest * exportWidth));
    ChartPicture picture;
    picture.size = size;
    picture.title = windowTitle();
    picture.fileName = QStringLiteral("figure.png");
    picture.minimumImageWidth = 1600;
    const analysis::Figure figure = shown;
    picture.paint = [figure](QPainter &painter, const QRectF &target, qreal, qreal textScale) {
        FigureLook look;
        look.colours = figureColours(look.background);
        look.textPixels = exportText * textScale;
        look.font = controlFont();
        paintFigure(painter, target, figure, look);
    };
    return picture;
}

bool FigureWindow::printOn(QPrinter &printer)
{
    return printPageOn(this, printer, { QString(), figurePicture(), {}, {} });
}

void FigureWindow::copyFigure()
{
    QGuiApplication::clipboard()->setImage(chartImage(figurePicture()));
}
