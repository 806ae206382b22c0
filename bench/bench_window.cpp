#include "comparison.h"
#include "session.h"
#include "vectorstate.h"

#include "ui/chart/plotsurface.h"

#include "analysis/draw.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>

#include <cmath>
#include <map>
#include <memory>
#include <variant>
#include <vector>

namespace {

volatile double doubleSink;
volatile unsigned pixelSink;

/// One main window per list length, kept across repetitions; closed before the application.
std::map<std::int64_t, std::unique_ptr<Session>> sessions;

/// The main window with `results` results listed, refilled when it has drifted too far.
Session &sessionListing(std::int64_t results)
{
    std::unique_ptr<Session> &session = sessions[results];
    if (!session)
        session = std::make_unique<Session>();
    if (session->listed() != results && session->listed() > results + results / 50)
        session->clearAndRepaint();
    session->fill(results);
    session->verify();
    return *session;
}

/// The default Cobb-Douglas Draw, from the click to the repainted chart and labels, with
/// `state.range(0)` results already listed (0: on a window cleared before each Draw).
void wholeDraw(benchmark::State &state)
{
    const auto listed = state.range(0);
    Session &session = sessionListing(listed);
    for (auto _ : state) {
        if (listed == 0) {
            state.PauseTiming();
            session.clearAndRepaint();
            state.ResumeTiming();
        }
        session.drawAndRepaint();
    }
    session.verify();
}
// A fixed number of Draws keeps each list near its starting length.
BENCHMARK(wholeDraw)->Arg(0)->Arg(1000)->Arg(10000)->Iterations(50)->Unit(benchmark::kMicrosecond);

/// The floor of the whole Draw: the scan's arithmetic, its visible points and the isocost line
/// painted with one painter into an image of the chart's size: no texts, no events, no screen.
void computeAndPlotFloor(benchmark::State &state)
{
    volatile double levelSource = 3, expXSource = 0.7, expYSource = 0.3, priceXSource = 6,
                    priceYSource = 10;
    QImage image(133, 133, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    const double scale = image.width() / 10.0;
    std::vector<QPointF> points;
    points.reserve(2000);
    for (auto _ : state) {
        const double level = levelSource, cdExpX = expXSource, inverseExpY = 1 / expYSource;
        const double priceX = priceXSource, priceY = priceYSource;
        double minCost = 10000000;
        points.clear();
        for (double scanX = 0.001; scanX <= 10; scanX += 0.005) {
            const double scanY = std::pow(level / std::pow(scanX, cdExpX), inverseExpY);
            if (scanY < 10 && scanY > 0)
                points.emplace_back(float(scanX) * scale, (10 - float(scanY)) * scale);
            const double cost = scanX * priceX + scanY * priceY;
            if (cost < minCost)
                minCost = cost;
        }
        QPainter painter(&image);
        painter.setPen(QPen(Qt::black, 0)); // cosmetic: one pixel per point
        painter.drawPoints(points.data(), int(points.size()));
        painter.drawLine(QPointF(minCost / priceX * scale, 10 * scale),
                         QPointF(0, (10 - minCost / priceY) * scale));
        painter.end();
        cleanVectorState();
        doubleSink = minCost;
        pixelSink = image.pixel(66, 66);
    }
}
BENCHMARK(computeAndPlotFloor)->Unit(benchmark::kMicrosecond);

/// The chart's part of a default Draw: its points and segments applied to a plot surface,
/// each operation complete at once (the computation is done beforehand).
void plotDefaultDraw(benchmark::State &state)
{
    const analysis::DrawOutcome outcome = analysis::draw({});
    PlotSurface surface;
    surface.resize(133, 133);
    surface.setUserCoordinates(0, 10, 10, 0);
    for (auto _ : state) {
        surface.clearSurface();
        for (const analysis::Effect &effect : outcome.effects) {
            if (const auto *point = std::get_if<analysis::PlotPoint>(&effect))
                surface.plotPoint(point->x, point->y);
            else if (const auto *segment = std::get_if<analysis::DrawSegment>(&effect))
                surface.drawSegment(segment->x1, segment->y1, segment->x2, segment->y2);
        }
        pixelSink = surface.image().pixel(66, 66);
    }
}
BENCHMARK(plotDefaultDraw)->Unit(benchmark::kMicrosecond);

/// The floor of the line above: the same points and segments painted into an image of the
/// chart's size with one painter, the points in one call, with no mapping or clipping.
void plotDefaultDrawFloor(benchmark::State &state)
{
    const analysis::DrawOutcome outcome = analysis::draw({});
    QImage image(133, 133, QImage::Format_ARGB32_Premultiplied);
    const double scale = image.width() / 10.0;
    std::vector<QPointF> points;
    std::vector<QLineF> lines;
    for (const analysis::Effect &effect : outcome.effects) {
        if (const auto *point = std::get_if<analysis::PlotPoint>(&effect))
            points.emplace_back(point->x * scale, (10 - point->y) * scale);
        else if (const auto *segment = std::get_if<analysis::DrawSegment>(&effect))
            lines.emplace_back(segment->x1 * scale, (10 - segment->y1) * scale, segment->x2 * scale,
                               (10 - segment->y2) * scale);
    }
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setPen(QPen(Qt::black, 0)); // cosmetic: one pixel per point
        painter.drawPoints(points.data(), int(points.size()));
        painter.drawLines(lines.data(), int(lines.size()));
        painter.end();
        pixelSink = image.pixel(66, 66);
    }
}
BENCHMARK(plotDefaultDrawFloor)->Unit(benchmark::kMicrosecond);

/// A zoom step to 400 % with 100 different Cobb-Douglas Draws on the chart: every window
/// scaled, and the chart painted again from its operations and shown (from 300 %, untimed).
void zoomStepTo400(benchmark::State &state)
{
    // A zoom scales every window of the process: the long lists of the other benchmarks' windows
    // would be laid out again too, so they are closed first (wholeDraw fills them again).
    sessions.clear();
    Session session;
    session.fillDifferent(100);
    for (auto _ : state) {
        state.PauseTiming();
        session.zoomAndRepaint(300);
        Session::settle();
        state.ResumeTiming();
        session.zoomAndRepaint(400);
    }
    session.verify();
    session.zoomAndRepaint(100);
}
BENCHMARK(zoomStepTo400)->Iterations(10)->Unit(benchmark::kMillisecond);

/// The chart's part of that step alone: its 100 Draws painted again at 400 %.
void chartAt400(benchmark::State &state)
{
    PlotSurface surface;
    surface.resize(133, 133);
    surface.setUserCoordinates(0, 10, 10, 0);
    for (int i = 0; i < 100; ++i) {
        analysis::DrawInputs inputs;
        inputs.level = std::to_string(1000 + 7 * i);
        for (const analysis::Effect &effect : analysis::draw(inputs).effects) {
            if (const auto *point = std::get_if<analysis::PlotPoint>(&effect))
                surface.plotPoint(point->x, point->y);
            else if (const auto *segment = std::get_if<analysis::DrawSegment>(&effect))
                surface.drawSegment(segment->x1, segment->y1, segment->x2, segment->y2);
            else if (const auto *pen = std::get_if<analysis::SetPenWidth>(&effect))
                surface.setPenWidth(pen->pixels);
        }
        surface.finishDraw();
    }
    surface.resize(532, 532);
    for (auto _ : state) {
        // A change of scale drops the pixels; the next use paints the kept drawing again.
        surface.setScaleFactor(3);
        surface.setScaleFactor(4);
        pixelSink = surface.image().pixel(266, 266);
    }
}
BENCHMARK(chartAt400)->Unit(benchmark::kMillisecond);

/// The floor of the line above: the same 100 Draws' points (as 4 x 4 squares) and lines painted
/// with one painter into a 532 x 532 image, all the squares in one call.
void chartAt400Floor(benchmark::State &state)
{
    std::vector<QRectF> squares;
    std::vector<QLineF> lines;
    constexpr double scale = 532 / 10.0;
    for (int i = 0; i < 100; ++i) {
        analysis::DrawInputs inputs;
        inputs.level = std::to_string(1000 + 7 * i);
        for (const analysis::Effect &effect : analysis::draw(inputs).effects) {
            if (const auto *point = std::get_if<analysis::PlotPoint>(&effect))
                squares.emplace_back(std::floor(point->x * scale / 4) * 4,
                                     std::floor((10 - point->y) * scale / 4) * 4, 4, 4);
            else if (const auto *segment = std::get_if<analysis::DrawSegment>(&effect))
                lines.emplace_back(segment->x1 * scale, (10 - segment->y1) * scale,
                                   segment->x2 * scale, (10 - segment->y2) * scale);
        }
    }
    QImage image(532, 532, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawRects(squares.data(), int(squares.size()));
        painter.setPen(QPen(Qt::black, 4));
        painter.drawLines(lines.data(), int(lines.size()));
        painter.end();
        pixelSink = image.pixel(266, 266);
    }
}
BENCHMARK(chartAt400Floor)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int status = runAndCompare(argc, argv,
                                     {
                                             { "wholeDraw/0", "computeAndPlotFloor", 2.0, 1000.0 },
                                             // The list's scroll bar may cost a little.
                                             { "wholeDraw/1000", "wholeDraw/0", 1.5, 2000.0 },
                                             { "wholeDraw/10000", "wholeDraw/0", 1.5, 2000.0 },
                                             { "plotDefaultDraw", "plotDefaultDrawFloor", 2.0, {} },
                                             { "chartAt400", "chartAt400Floor", 2.0, 50000.0 },
                                             { "zoomStepTo400", "", 0, 50000.0 },
                                     });
    sessions.clear();
    return status;
}
