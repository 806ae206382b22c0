#include "comparison.h"
#include "session.h"

#include "ui/windows/consumerwindow.h"
#include "ui/windows/mainwindow.h"
#include "ui/windows/viewsettings.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>

#include <memory>

namespace {

/// The main window, kept across benchmarks; closed before the application.
std::unique_ptr<MainWindow> form1;

/// A consumer window after a change of its income box, from the keystroke's signal to its
/// charts repainted. `state.range(0)`: 0 the Engel curves, 1 the price change;
/// `state.range(1)`: the zoom in percent.
void consumerAfterTextChange(benchmark::State &state)
{
    if (!form1) {
        form1 = std::make_unique<MainWindow>();
        form1->show();
        if (!QTest::qWaitForWindowExposed(form1.get()))
            qFatal("the main window was never exposed");
    }
    form1->viewSettings()->setZoomPercent(static_cast<int>(state.range(1)));
    const bool engel = state.range(0) == 0;
    const QString item = engel ? QStringLiteral("mnuengel") : QStringLiteral("mnupriceeffects");
    form1->findChild<QAction *>(item)->trigger();
    auto *window = form1->findChild<ConsumerWindow *>(engel ? QStringLiteral("FormEngel")
                                                            : QStringLiteral("FormPriceEffects"));
    if (!window || !QTest::qWaitForWindowExposed(window))
        qFatal("the consumer window was never exposed");
    // At its least size for the zoom: a window grown for a larger zoom stays large otherwise.
    window->resize(0, 0);
    Session::settle();
    auto *income = window->findChild<QLineEdit *>(QStringLiteral("Income"));
    // Every chart of the window must have been repainted before a change counts as done.
    PaintCounter paints[2];
    const QList<QWidget *> charts = { window->findChild<QWidget *>(QStringLiteral("Picture1")),
                                      window->findChild<QWidget *>(QStringLiteral("Picture2")) };
    for (int i = 0; i < 2; ++i)
        if (charts[i])
            charts[i]->installEventFilter(&paints[i]);
    for (auto _ : state) {
        const int before[2] = { paints[0].paints, paints[1].paints };
        income->setText(income->text() == QLatin1String("120") ? QStringLiteral("130")
                                                               : QStringLiteral("120"));
        while (paints[0].paints == before[0] || (charts[1] && paints[1].paints == before[1]))
            QCoreApplication::processEvents();
    }
    window->hide();
    Session::settle();
}
BENCHMARK(consumerAfterTextChange)
        ->ArgsProduct({ { 0, 1 }, { 100, 400 } })
        ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The goal is one 60 Hz frame for each window at each zoom.
    std::vector<Comparison> comparisons;
    for (const char *args : { "0/100", "1/100", "0/400", "1/400" })
        comparisons.push_back({ std::string("consumerAfterTextChange/") + args, "", 0, 16000.0 });
    const int status = runAndCompare(argc, argv, comparisons);
    form1.reset();
    return status;
}
