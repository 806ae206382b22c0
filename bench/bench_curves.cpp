#include "comparison.h"
#include "session.h"

#include "ui/chart/curveplot.h"
#include "ui/windows/curveswindow.h"
#include "ui/windows/mainwindow.h"
#include "ui/windows/viewsettings.h"

#include "analysis/curvecharts.h"
#include "analysis/curves.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

volatile unsigned pixelSink;

/// The main window with one curves window shown, kept across benchmarks; closed before the
/// application.
std::unique_ptr<MainWindow> form1;

struct Shown
{
    CurvesWindow *window = nullptr;
    QWidget *picture1 = nullptr, *picture2 = nullptr;
    QLineEdit *level = nullptr;
};

/// `state.range(0)`: 0 the cost curves, 1 the input demand; `state.range(1)`: 1 the short
/// period; `state.range(2)`: the zoom in percent. Shows that window, with the period and the zoom
/// set, and hides the other.
Shown show(const benchmark::State &state)
{
    if (!form1) {
        form1 = std::make_unique<MainWindow>();
        form1->show();
        if (!QTest::qWaitForWindowExposed(form1.get()))
            qFatal("the main window was never exposed");
    }
    form1->viewSettings()->setZoomPercent(static_cast<int>(state.range(2)));
    QAction *shortPeriod = form1->findChild<QAction *>(QStringLiteral("mnushort"));
    if (shortPeriod->isChecked() != (state.range(1) == 1))
        shortPeriod->trigger();
    const bool demand = state.range(0) == 1;
    (demand ? form1->costCurves() : form1->inputDemand())->hide();
    Shown shown;
    shown.window = demand ? form1->inputDemand() : form1->costCurves();
    shown.window->show();
    if (!QTest::qWaitForWindowExposed(shown.window))
        qFatal("the curves window was never exposed");
    shown.picture1 = shown.window->findChild<QWidget *>(QStringLiteral("Picture1"));
    shown.picture2 = shown.window->findChild<QWidget *>(QStringLiteral("Picture2"));
    shown.level = form1->findChild<QLineEdit *>(QStringLiteral("Text1"));
    Session::settle();
    return shown;
}

analysis::CurveCharts chartsOf(const benchmark::State &state)
{
    const analysis::DrawInputs inputs = form1->drawInputs();
    return state.range(0) == 1 ? analysis::inputDemandCharts(inputs)
                               : analysis::costCurveCharts(inputs);
}

/// The value of a curve at its parameter, straight from the exact functions: written apart from
/// the charts' own sampling on purpose, to check it. The default technology and prices.
std::optional<analysis::CurvePoint> exactPoint(analysis::CurveKind kind, double t, double level,
                                               bool shortPeriod)
{
    using analysis::CurveKind;
    const analysis::Technology cd =
            analysis::defaultTechnology(analysis::TechnologyType::CobbDouglas);
    const double px = 6, py = 10, fixedY = 2500;
    const auto at = [&](std::optional<double> v) -> std::optional<analysis::CurvePoint> {
        if (v)
            return analysis::CurvePoint{ t, *v };
        return std::nullopt;
    };
    const auto lr = analysis::longRunCosts(cd, px, py, t);
    const auto sr = analysis::shortPeriodCosts(cd, px, py, fixedY, t);
    const auto demand = shortPeriod ? analysis::fixedYBundle(cd, t, py, fixedY, level)
                                    : analysis::cheapestBundle(cd, t, py, level);
    switch (kind) {
    case CurveKind::LongRunTotal:
        return lr ? at(lr->total) : std::nullopt;
    case CurveKind::LongRunAverage:
        return lr ? at(lr->average) : std::nullopt;
    case CurveKind::LongRunMarginal:
        return lr ? at(lr->marginal) : std::nullopt;
    case CurveKind::ShortTotal:
        return sr ? at(sr->total) : std::nullopt;
    case CurveKind::ShortAverage:
        return sr ? at(sr->average) : std::nullopt;
    case CurveKind::ShortAverageVariable:
        return sr ? at(sr->averageVariable) : std::nullopt;
    case CurveKind::ShortAverageFixed:
        return sr ? at(sr->averageFixed) : std::nullopt;
    case CurveKind::ShortMarginal:
        return sr ? at(sr->marginal) : std::nullopt;
    case CurveKind::DemandX:
        return demand ? at(demand->x) : std::nullopt;
    case CurveKind::DemandY:
    case CurveKind::FixedY:
        return demand ? at(demand->y) : std::nullopt;
    case CurveKind::InverseDemandX: {
        // Traced along the price of X, which is its height.
        const auto inverse = shortPeriod ? analysis::fixedYBundle(cd, t, py, fixedY, level)
                                         : analysis::cheapestBundle(cd, t, py, level);
        if (inverse)
            return analysis::CurvePoint{ inverse->x, t };
        return std::nullopt;
    }
    default: // the consumer windows' curves, not drawn by the curves windows
        return std::nullopt;
    }
}

/// The greatest distance, in pixels of the charts at 400 % zoom, between a drawn segment and
/// the exact curve halfway along it, over the visible part of every curve.
double worstSamplingError(const analysis::CurveCharts &charts, const Shown &shown, double level,
                          bool shortPeriod)
{
    double worst = 0;
    for (const analysis::CurveChart &chart : charts.charts) {
        // The chart's size at 400 %, whatever the zoom it is shown at.
        const double at400 = 4 * 100.0 / form1->viewSettings()->zoomPercent();
        const double sx = at400 * shown.picture1->width() / chart.horizontal.max;
        const double sy = at400 * shown.picture1->height() / chart.vertical.max;
        for (const analysis::Curve &curve : chart.curves) {
            const bool inverse = curve.kind == analysis::CurveKind::InverseDemandX;
            for (const auto &piece : curve.pieces) {
                for (std::size_t i = 1; i < piece.size(); ++i) {
                    const analysis::CurvePoint a = piece[i - 1], b = piece[i];
                    const double t = inverse ? (a.y + b.y) / 2 : (a.x + b.x) / 2;
                    const auto m = exactPoint(curve.kind, t, level, shortPeriod);
                    if (!m || m->x > chart.horizontal.max || m->y > chart.vertical.max)
                        continue;
                    const double dx = (b.x - a.x) * sx, dy = (b.y - a.y) * sy;
                    const double px = (m->x - a.x) * sx, py = (m->y - a.y) * sy;
                    const double length2 = dx * dx + dy * dy;
                    const double along =
                            length2 > 0 ? std::clamp((px * dx + py * dy) / length2, 0.0, 1.0) : 0;
                    worst = std::max(worst, std::hypot(px - along * dx, py - along * dy));
                }
            }
        }
    }
    return worst;
}

/// A text change in the level, from the keystroke's signal to both charts repainted.
void curvesAfterTextChange(benchmark::State &state)
{
    const Shown shown = show(state);
    PaintCounter paints1, paints2;
    shown.picture1->installEventFilter(&paints1);
    shown.picture2->installEventFilter(&paints2);
    for (auto _ : state) {
        const int before1 = paints1.paints, before2 = paints2.paints;
        // Always a different text: setting the same one would change nothing.
        shown.level->setText(shown.level->text() == QLatin1String("3000") ? QStringLiteral("3100")
                                                                          : QStringLiteral("3000"));
        while (paints1.paints == before1 || paints2.paints == before2)
            QCoreApplication::processEvents();
    }
    shown.level->setText(QStringLiteral("3000"));
    Session::settle();
    const analysis::CurveCharts charts = chartsOf(state);
    if (charts.charts.size() != 2 || charts.charts[0].curves.empty()) {
        state.SkipWithError("the window shows no curves");
        return;
    }
    const double worst = worstSamplingError(charts, shown, 3000, state.range(1) == 1);
    state.counters["worst_px_at_400pct"] = worst;
    if (worst > 0.5)
        state.SkipWithError("a curve is not smooth at 400 % zoom");
}
BENCHMARK(curvesAfterTextChange)
        ->ArgsProduct({ { 0, 1 }, { 0, 1 }, { 100, 400 } })
        ->Unit(benchmark::kMicrosecond);

/// The floor of the line above: computing the same charts and painting their polylines, with
/// the same pens, into two images of the charts' size with one painter each: no axes, scales,
/// legend or texts, no events, no screen.
void curvesFloor(benchmark::State &state)
{
    const Shown shown = show(state);
    shown.window->hide();
    QImage image1(shown.picture1->size(), QImage::Format_ARGB32_Premultiplied);
    QImage image2(shown.picture2->size(), QImage::Format_ARGB32_Premultiplied);
    const QPen pen(Qt::black, 1.5 * state.range(2) / 100.0);
    for (auto _ : state) {
        const analysis::CurveCharts charts = chartsOf(state);
        for (std::size_t c = 0; c < 2; ++c) {
            QImage &image = c == 0 ? image1 : image2;
            const analysis::CurveChart &chart = charts.charts[c];
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(pen);
            const double sx = image.width() / chart.horizontal.max;
            const double sy = image.height() / chart.vertical.max;
            for (const analysis::Curve &curve : chart.curves) {
                for (const auto &piece : curve.pieces) {
                    QPolygonF line;
                    for (const analysis::CurvePoint &p : piece)
                        line << QPointF(p.x * sx, image.height() - p.y * sy);
                    painter.drawPolyline(line);
                }
            }
        }
        pixelSink = image1.pixel(10, 10) + image2.pixel(10, 10);
    }
}
BENCHMARK(curvesFloor)
        ->ArgsProduct({ { 0, 1 }, { 0, 1 }, { 100, 400 } })
        ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The goal is one 60 Hz frame. The ratio bound is loose: the window also paints its axes,
    // scales and legend, a fixed cost the floor's polylines lack, and where the curves are few
    // (the demand for X in the short period is one upright line) that cost is most of the frame.
    std::vector<Comparison> comparisons;
    for (const char *args :
         { "0/0/100", "0/1/100", "1/0/100", "1/1/100", "0/0/400", "0/1/400", "1/0/400", "1/1/400" })
        comparisons.push_back({ std::string("curvesAfterTextChange/") + args,
                                std::string("curvesFloor/") + args, 8.0, 16000.0 });
    const int status = runAndCompare(argc, argv, comparisons);
    form1.reset();
    return status;
}
