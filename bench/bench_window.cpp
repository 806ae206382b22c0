#include "ui/mainwindow.h"
#include "ui/plotsurface.h"

#include "analysis/draw.h"

#include <benchmark/benchmark.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <variant>

namespace {

/// Counts the paint events of the widgets a Draw changes, so a measured Draw ends only once
/// the chart and the results list have been repainted.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

class Session
{
public:
    Session()
    {
        form1.show();
        if (!QTest::qWaitForWindowExposed(&form1))
            qFatal("the main window was never exposed");
        draw = form1.findChild<QPushButton *>(QStringLiteral("Command1"));
        clear = form1.findChild<QPushButton *>(QStringLiteral("Command2"));
        form1.findChild<QWidget *>(QStringLiteral("Picture1"))->installEventFilter(&chartPaints);
        form1.findChild<QAbstractScrollArea *>(QStringLiteral("Label4"))->viewport()->installEventFilter(&listPaints);
        settle();
    }

    /// One whole Draw: the click, the computation, the effects and the repaint they cause.
    void drawAndRepaint()
    {
        const int chartBefore = chartPaints.paints, listBefore = listPaints.paints;
        QTest::mouseClick(draw, Qt::LeftButton);
        while (chartPaints.paints == chartBefore || listPaints.paints == listBefore)
            QCoreApplication::processEvents();
    }

    void clearAndRepaint()
    {
        QTest::mouseClick(clear, Qt::LeftButton);
        settle();
    }

private:
    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    MainWindow form1;
    QPushButton *draw = nullptr;
    QPushButton *clear = nullptr;
    PaintCounter chartPaints, listPaints;
};

/// The default Cobb-Douglas Draw, from the click to the repainted chart and labels, after
/// `state.range(0)` earlier Draws without Clear (0: on a cleared window each time).
void wholeDraw(benchmark::State &state)
{
    Session session;
    const auto earlier = state.range(0);
    for (int i = 0; i < earlier; ++i)
        session.drawAndRepaint();
    for (auto _ : state) {
        if (earlier == 0) {
            state.PauseTiming();
            session.clearAndRepaint();
            state.ResumeTiming();
        }
        session.drawAndRepaint();
    }
}
// A fixed number of iterations keeps the list near its starting length for the whole run.
BENCHMARK(wholeDraw)->Arg(0)->Arg(1000)->Iterations(300)->Unit(benchmark::kMicrosecond);

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
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}
BENCHMARK(plotDefaultDraw)->Unit(benchmark::kMicrosecond);

/// The floor of the line above: the same points and segments painted into an image of the
/// chart's size with one painter and no mapping, clipping or repaint bookkeeping.
void plotDefaultDrawFloor(benchmark::State &state)
{
    const analysis::DrawOutcome outcome = analysis::draw({});
    QImage image(133, 133, QImage::Format_ARGB32_Premultiplied);
    const double scale = 13.3;
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        for (const analysis::Effect &effect : outcome.effects) {
            if (const auto *point = std::get_if<analysis::PlotPoint>(&effect))
                painter.fillRect(QRectF(point->x * scale - 0.5, (10 - point->y) * scale - 0.5, 1, 1), Qt::black);
            else if (const auto *segment = std::get_if<analysis::DrawSegment>(&effect))
                painter.drawLine(QPointF(segment->x1 * scale, (10 - segment->y1) * scale),
                    QPointF(segment->x2 * scale, (10 - segment->y2) * scale));
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(plotDefaultDrawFloor)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
