#include "comparison.h"

#include "ui/chart/chartexport.h"
#include "ui/results/exportcommands.h"
#include "ui/windows/mainwindow.h"
#include "ui/results/resultsview.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <memory>

namespace {

constexpr int draws = 100;
constexpr qint64 maxSvgBytes = 5'000'000;

std::unique_ptr<MainWindow> form1;
std::unique_ptr<QTemporaryDir> folder;

/// The main window after 100 Cobb-Douglas Draws of different levels, each its own isoquant.
void drawDifferentIsoquants()
{
    form1 = std::make_unique<MainWindow>();
    form1->show();
    if (!QTest::qWaitForWindowExposed(form1.get()))
        qFatal("the main window was never exposed");
    auto *level = form1->findChild<QLineEdit *>(QStringLiteral("Text1"));
    auto *draw = form1->findChild<QPushButton *>(QStringLiteral("Command1"));
    for (int i = 0; i < draws; ++i) {
        level->setText(QString::number(1000 + 50 * i));
        QTest::mouseClick(draw, Qt::LeftButton);
    }
    const auto *list = form1->findChild<QPlainTextEdit *>(QStringLiteral("Label4"));
    if (resultsCaption(list).count(u'\r') != draws)
        qFatal("%d Draws listed %lld results", draws, qlonglong(resultsCaption(list).count(u'\r')));
}

QString pathFor(ChartFormat format)
{
    const char *suffix[] = { "chart.png", "chart.svg", "chart.pdf" };
    return folder->filePath(QString::fromLatin1(suffix[int(format)]));
}

/// Export of the chart to a file, from the command to the file written and closed.
void exportChart(benchmark::State &state)
{
    const auto format = ChartFormat(state.range(0));
    const QString path = pathFor(format);
    for (auto _ : state) {
        if (!form1->exportCommands()->exportChartTo(path, format))
            state.SkipWithError("the export failed");
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(exportChart)
        ->ArgName("format")
        ->Arg(int(ChartFormat::Png))
        ->Arg(int(ChartFormat::Svg))
        ->Arg(int(ChartFormat::Pdf))
        ->Iterations(3)
        ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    folder = std::make_unique<QTemporaryDir>();
    drawDifferentIsoquants();

    // Formats by their number in the names: 0 PNG, 1 SVG, 2 PDF.
    int status = runAndCompare(argc, argv,
                               { { "exportChart/format:0", "", 0, 500'000 },
                                 { "exportChart/format:1", "", 0, 1'000'000 },
                                 { "exportChart/format:2", "", 0, 1'000'000 } });
    for (const ChartFormat format : { ChartFormat::Png, ChartFormat::Svg, ChartFormat::Pdf }) {
        const qint64 bytes = QFileInfo(pathFor(format)).size();
        const bool svg = format == ChartFormat::Svg;
        const bool met = !svg || (bytes > 0 && bytes < maxSvgBytes);
        std::printf("%-34s %10.2f MB%s\n", qPrintable(QFileInfo(pathFor(format)).fileName()),
                    bytes / 1e6, svg ? (met ? "  goal < 5 MB: met" : "  goal < 5 MB: MISSED") : "");
        if (!met)
            status = 2;
    }
    form1.reset();
    return status;
}
