// Resident memory of the program's main window over its start-up: after 10,000 identical
// Cobb-Douglas Draws (at most 12 MiB: equal Draws are kept once by the chart and by the results
// log; the results list is Qt's text view, with its lines and their layouts) and after 1,000
// different ones (at most 32 MiB), each
// given back by Clear within 2 MiB. Then the chart's share alone, measured the same way over
// the memory before it.
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
    const long startUp = residentKib();
    std::printf("RSS after start-up          %8.1f MiB\n", mib(startUp));

    // The whole program, each Draw clicked, its results listed and the window repainted.
    session.fill(draws);
    session.verify();
    met &= report("whole program: 10000 identical Draws", residentKib() - startUp, 12288);
    const auto clearStart = std::chrono::steady_clock::now();
    session.clearAndRepaint();
    const std::chrono::duration<double, std::milli> clearTime =
            std::chrono::steady_clock::now() - clearStart;
    session.verify();
    met &= report("whole program: after Clear", residentKib() - startUp, 2048);
    session.fillDifferent(differentDraws);
    session.verify();
    met &= report("whole program: 1000 different Draws", residentKib() - startUp, 32768);
    session.clearAndRepaint();
    met &= report("whole program: after Clear", residentKib() - startUp, 2048);
    std::printf("(Clear after 10000 Draws and its repaint took %.2f ms)\n", clearTime.count());

    // The chart alone, with the operations of each Draw applied to it as the window applies
    // them: its share of the figures above.
    PlotSurface &chart = session.plotSurface();
    const long beforeChart = residentKib();
    std::printf("RSS before the chart's share %7.1f MiB\n", mib(beforeChart));
    for (int i = 0; i < draws; ++i)
        drawOnChart(chart, "3000");
    chart.image();
    met &= report("chart: 10000 identical Draws", residentKib() - beforeChart, 4096);
    session.clearAndRepaint();
    for (int i = 0; i < differentDraws; ++i)
        drawOnChart(chart, std::to_string(1000 + 7 * i));
    chart.image();
    met &= report("chart: 1000 different Draws", residentKib() - beforeChart, 32768);
    session.clearAndRepaint();
    met &= report("chart: after Clear", residentKib() - beforeChart, 2048);
    return met ? 0 : 2;
}
