// The figure of the Draws: its window repainted after a resize to 3840 x 2160 with 100 different
// Draws (at most 16 ms); a whole Draw with the figure open against the same Draw with it closed
// (at most twice, and under 2 ms); then, not timed, how far a drawn isoquant strays from the
// exact curve at 3840 x 2160 (at most 0.5 px) and the memory the figure of 1,000 different Draws
// takes (at most 8 MiB).
#include "comparison.h"

#include <benchmark/benchmark.h>
#include "residentmemory.h"
#include "session.h"

#include "analysis/curves.h"
#include "analysis/figure.h"
#include "ui/chart/figureplot.h"
#include "ui/windows/figurewindow.h"

#include <QAction>
#include <QApplication>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <random>

namespace {

std::unique_ptr<Session> session;

Session &shownSession()
{
    if (!session)
        session = std::make_unique<Session>();
    return *session;
}

/// The main window's figure, made and shown (or hidden).
FigureWindow *figureWindow(bool shown)
{
    MainWindow &form1 = shownSession().window();
    FigureWindow *figure = form1.figure();
    if (shown && !figure->isVisible()) {
        figure->show();
        if (!QTest::qWaitForWindowExposed(figure))
            qFatal("the figure window was never exposed");
    } else if (!shown) {
        figure->hide();
    }
    Session::settle();
    return figure;
}

/// The figure window, with 100 different Cobb-Douglas Draws, repainted after each change of its
/// size between 3840 x 2160 and a size a little smaller: the resize, the layout and the whole
/// painting of the figure at that size.
void figureRepaintAt4K(benchmark::State &state)
{
    Session &s = shownSession();
    s.clearAndRepaint();
    FigureWindow *figure = figureWindow(true);
    s.fillDifferent(100);
    if (figure->figure().draws.size() != 100)
        qFatal("the figure holds %zu Draws, not 100", figure->figure().draws.size());
    QWidget *picture = figure->findChild<QWidget *>(QStringLiteral("Picture1"));
    PaintCounter paints;
    picture->installEventFilter(&paints);
    bool large = false;
    for (auto _ : state) {
        large = !large;
        const int before = paints.paints;
        figure->resize(large ? QSize(3840, 2160) : QSize(3800, 2120));
        while (paints.paints == before)
            QCoreApplication::processEvents();
    }
    picture->removeEventFilter(&paints);
    state.counters["picture_width"] = picture->width();
    figure->resize(960, 720);
    s.clearAndRepaint();
    figureWindow(false);
}
BENCHMARK(figureRepaintAt4K)->Unit(benchmark::kMillisecond);

/// A whole Draw (click to the main window repainted) with the figure window open, its figure
/// repainted too, or closed; `state.range(0)` is 1 when open. The figure holds at most 10 Draws:
/// every tenth Draw is preceded by a Clear, untimed.
void drawWithFigure(benchmark::State &state)
{
    Session &s = shownSession();
    const bool open = state.range(0) == 1;
    s.clearAndRepaint();
    FigureWindow *figure = figureWindow(open);
    QWidget *picture = figure->findChild<QWidget *>(QStringLiteral("Picture1"));
    PaintCounter paints;
    picture->installEventFilter(&paints);
    for (auto _ : state) {
        if (s.listed() == 10) {
            state.PauseTiming();
            s.clearAndRepaint();
            state.ResumeTiming();
        }
        const int before = paints.paints;
        s.drawAndRepaint();
        while (open && paints.paints == before)
            QCoreApplication::processEvents();
    }
    picture->removeEventFilter(&paints);
    s.verify();
    s.clearAndRepaint();
    figureWindow(false);
}
BENCHMARK(drawWithFigure)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

/// The worst distance, in pixels of a figure 3840 x 2160 whose plot is the whole figure (the
/// most any screen of that size shows), between a drawn isoquant and the exact curve, checked
/// at a quarter, half and three quarters of each segment along its sampling. Cobb-Douglas
/// isoquants of random exponents, levels and prices, on both ranges.
double worstIsoquantError()
{
    std::mt19937 random(20);
    const auto logUniform = [&](double low, double high) {
        return std::exp(std::uniform_real_distribution(std::log(low), std::log(high))(random));
    };
    double worst = 0;
    for (int round = 0; round < 200; ++round) {
        analysis::ResultRecord r;
        r.technology = analysis::TechnologyType::CobbDouglas;
        r.parameterA = logUniform(0.05, 3);
        r.parameterB = logUniform(0.05, 3);
        r.level = logUniform(1, 1e5);
        r.priceX = logUniform(0.1, 100);
        r.priceY = logUniform(0.1, 100);
        const analysis::Technology technology{ r.technology, { *r.parameterA, *r.parameterB } };
        const auto best = analysis::cheapestBundle(technology, *r.priceX, *r.priceY, r.level);
        if (!best)
            continue;
        r.x = best->x;
        r.y = best->y;
        const analysis::NumberedResult draw{ 1, r };
        for (const auto range :
             { analysis::FigureRange::Default, analysis::FigureRange::FitToDraws }) {
            const analysis::Figure figure = analysis::figure({ &draw, 1 }, range, ".");
            const double sx = 3840 / figure.axes.horizontal.max;
            const double sy = 2160 / figure.axes.vertical.max;
            for (const auto &piece : figure.draws[0].isoquant) {
                for (std::size_t i = 1; i < piece.size(); ++i) {
                    const analysis::Point a = piece[i - 1], b = piece[i];
                    for (const double share : { 0.25, 0.5, 0.75 }) {
                        // The curve sampled along log X: its point at that share of the way.
                        const double x =
                                std::exp(std::log(a.x) * (1 - share) + std::log(b.x) * share);
                        const auto y = analysis::isoquantY(technology, r.level, x);
                        if (!y || *y > figure.axes.vertical.max || x > figure.axes.horizontal.max)
                            continue;
                        const double dx = (b.x - a.x) * sx, dy = (b.y - a.y) * sy;
                        const double px = (x - a.x) * sx, py = (*y - a.y) * sy;
                        const double length2 = dx * dx + dy * dy;
                        const double along = length2 > 0
                                ? std::clamp((px * dx + py * dy) / length2, 0.0, 1.0)
                                : 0;
                        worst = std::max(worst, std::hypot(px - along * dx, py - along * dy));
                    }
                }
            }
        }
    }
    return worst;
}

/// The resident memory the figure of `count` different Draws adds: the results filled with the
/// figure window not yet made, then the window made, shown and painted.
long figureMemoryKib(int count)
{
    Session &s = shownSession();
    s.clearAndRepaint();
    s.fillDifferent(count);
    const long before = residentKib();
    FigureWindow *figure = figureWindow(true);
    if (figure->figure().draws.size() != std::size_t(count))
        qFatal("the figure holds %zu Draws, not %d", figure->figure().draws.size(), count);
    Session::settle();
    const long after = residentKib();
    s.clearAndRepaint();
    return after - before;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Untimed first, while the process is fresh: the memory the figure takes when made.
    const long kib = figureMemoryKib(1000);
    const bool memoryMet = kib <= 8 * 1024;
    const double worst = worstIsoquantError();
    const bool accuracyMet = worst <= 0.5;

    const std::vector<Comparison> comparisons{
        { "figureRepaintAt4K", "", 0, 16000.0 },
        { "drawWithFigure/1", "drawWithFigure/0", 2.0, 2000.0 },
    };
    int status = runAndCompare(argc, argv, comparisons);
    std::printf("\nfigure of 1000 different Draws, made and shown: %+.1f MiB  goal <= +8 MiB: %s\n",
                kib / 1024.0, memoryMet ? "met" : "MISSED");
    std::printf("worst distance of a drawn isoquant from the exact curve at 3840 x 2160: %.3f px  "
                "goal <= 0.5 px: %s\n",
                worst, accuracyMet ? "met" : "MISSED");
    if (!memoryMet || !accuracyMet)
        status = 2;
    session.reset();
    return status;
}
