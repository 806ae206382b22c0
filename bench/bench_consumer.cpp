// The consumer windows' charts computed from their texts after a box changes, for each form of
// utility: the computing share of a window's goal of 16 ms recomputed and repainted. The points
// counter is what the window then paints.
#include "comparison.h"

#include "analysis/consumercharts.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

/// `state.range(0)`: the form of utility; `state.range(1)`, where given: 2 for Slutsky.
analysis::ConsumerInputs inputsOf(const benchmark::State &state)
{
    analysis::ConsumerInputs inputs;
    inputs.preference = static_cast<analysis::PreferenceType>(state.range(0));
    if (state.range(0) == 4)
        inputs.parameterA = "6"; // the quasi-linear threshold within the incomes shown
    return inputs;
}

double pointsOf(const analysis::ConsumerCharts &charts)
{
    std::size_t points = 0;
    for (const analysis::ConsumerChart &chart : charts.charts)
        for (const analysis::Curve &curve : chart.chart.curves)
            for (const auto &piece : curve.pieces)
                points += piece.size();
    return static_cast<double>(points);
}

/// Alternates the income between two texts, as typing gives a new text on every keystroke.
template<analysis::ConsumerCharts (*charts)(const analysis::ConsumerInputs &)>
void chartsFromTexts(benchmark::State &state, analysis::ConsumerInputs inputs)
{
    analysis::ConsumerCharts last;
    for (auto _ : state) {
        inputs.income = inputs.income == "120" ? "121" : "120";
        last = charts(inputs);
        benchmark::DoNotOptimize(last);
    }
    if (last.charts.empty())
        state.SkipWithError(last.outOfRange.c_str());
    state.counters["points"] = pointsOf(last);
}

void engelChartsFromTexts(benchmark::State &state)
{
    chartsFromTexts<analysis::engelCharts>(state, inputsOf(state));
}
BENCHMARK(engelChartsFromTexts)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);

void priceEffectChartsFromTexts(benchmark::State &state)
{
    analysis::ConsumerInputs inputs = inputsOf(state);
    inputs.compensation = static_cast<analysis::Compensation>(state.range(1));
    chartsFromTexts<analysis::priceEffectCharts>(state, inputs);
}
BENCHMARK(priceEffectChartsFromTexts)
        ->ArgsProduct({ { 1, 2, 3, 4 }, { 1, 2 } })
        ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    // Computing may take at most a quarter of the window's 16 ms frame; painting has the rest.
    std::vector<Comparison> comparisons;
    for (const char *form : { "1", "2", "3", "4" }) {
        comparisons.push_back({ std::string("engelChartsFromTexts/") + form, "", 0, 4000.0 });
        for (const char *compensation : { "/1", "/2" })
            comparisons.push_back(
                    { std::string("priceEffectChartsFromTexts/") + form + compensation, "", 0,
                      4000.0 });
    }
    return runAndCompare(argc, argv, comparisons);
}
