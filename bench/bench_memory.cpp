// Resident memory of the program's main window. The chart's own memory: its kept drawing after
// 10,000 identical Cobb-Douglas Draws (at most 4 MiB over start-up: equal Draws are kept once)
// and after 1,000 different ones (at most 32 MiB), each given back by Clear. Then the whole
// program after 10,000 Draws without Clear, and after Clear: Clear must give back what the
// Draws took, within 2 MiB.
#include "residentmemory.h"
#include "session.h"

#include "analysis/draw.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <string>
#include <variant>

namespace {

double mib(long kib)
{
    return kib / 1024.0;
}

/// Applies the drawing operations of one Draw of `level` to the chart, as the window does.
void drawOnChart(PlotSurface &chart, const std::string &level)
{
    analysis::DrawInputs inputs;
    inputs.level = level;
    for (const analysis::Effect &effect : analysis::draw(inputs).effects) {
        if (const auto *point = std::get_if<analysis::PlotPoint>(&effect))
            chart.plotPoint(point->x, point->y);
        else if (const auto *segment = std::get_if<analysis::DrawSegment>(&effect))
            chart.drawSegment(segment->x1, segment->y1, segment->x2, segment->y2);
        else if (const auto *pen = std::get_if<analysis::SetPenWidth>(&effect))
            chart.setPenWidth(pen->pixels);
    }
    chart.finishDraw();
}

bool report(const char *what, long kib, long goalKib)
{
    const bool met = kib <= goalKib;
    std::printf("%-44s %+7.1f MiB  goal <= +%.1f MiB: %s\n", what, mib(kib), mib(goalKib),
                met ? "met" : "MISSED");
    return met;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    constexpr int draws = 10000, differentDraws = 1000;
    bool met = true;

    Session session;
    PlotSurface &chart = session.plotSurface();
    const long startUp = residentKib();
    std::printf("RSS after start-up          %8.1f MiB\n", mib(startUp));

    for (int i = 0; i < draws; ++i)
        drawOnChart(chart, "3000");
    chart.image();
    met &= report("chart: 10000 identical Draws", residentKib() - startUp, 4096);
    session.clearAndRepaint();
    for (int i = 0; i < differentDraws; ++i)
        drawOnChart(chart, std::to_string(1000 + 7 * i));
    chart.image();
    met &= report("chart: 1000 different Draws", residentKib() - startUp, 32768);
    session.clearAndRepaint();
    met &= report("chart: after Clear", residentKib() - startUp, 2048);

    const long beforeDraws = residentKib();
    for (int i = 0; i < draws; ++i)
        session.drawAndRepaint();
    session.verify();
    const long afterDraws = residentKib();
    const auto clearStart = std::chrono::steady_clock::now();
    session.clearAndRepaint();
    const std::chrono::duration<double, std::milli> clearTime =
            std::chrono::steady_clock::now() - clearStart;
    const long afterClear = residentKib();
    session.verify();

    std::printf("whole program: RSS after %d Draws %8.1f MiB (%+.1f MiB, most of it the results "
                "list)\n",
                draws, mib(afterDraws), mib(afterDraws - beforeDraws));
    std::printf("whole program: RSS after Clear      %8.1f MiB  (Clear and its repaint took %.2f "
                "ms)\n",
                mib(afterClear), clearTime.count());
    met &= report("whole program: after Clear - after start-up", afterClear - startUp, 2048);
    return met ? 0 : 2;
}
