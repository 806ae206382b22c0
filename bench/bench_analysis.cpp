#include "analysis/draw.h"
#include "analysis/numericvalue.h"

#include "comparison.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

namespace {

// Results go through volatile sinks so the compiler cannot drop the work that produced them.
volatile double doubleSink;
volatile std::size_t sizeSink;

/// One default Draw: the 2000-point scan, its 1642 plotted points and the report.
void drawDefaultCobbDouglas(benchmark::State &state)
{
    const analysis::DrawInputs inputs;
    for (auto _ : state) {
        const analysis::DrawOutcome outcome = analysis::draw(inputs);
        sizeSink = outcome.effects.size();
    }
}
BENCHMARK(drawDefaultCobbDouglas);

/// The floor: the scan's arithmetic alone, 2000 times two powers and the cost, keeping the minimum.
void bareScanArithmetic(benchmark::State &state)
{
    volatile double levelSource = 3, expXSource = 0.7, expYSource = 0.3, priceXSource = 6,
                    priceYSource = 10;
    for (auto _ : state) {
        const double level = levelSource, cdExpX = expXSource, inverseExpY = 1 / expYSource;
        const double priceX = priceXSource, priceY = priceYSource;
        double minCost = 10000000;
        for (double scanX = 0.001; scanX <= 10; scanX += 0.005) {
            const double scanY = std::pow(level / std::pow(scanX, cdExpX), inverseExpY);
            const double cost = scanX * priceX + scanY * priceY;
            if (cost < minCost)
                minCost = cost;
        }
        doubleSink = minCost;
    }
}
BENCHMARK(bareScanArithmetic);

/// Reading a 30,000-character text of blanks and digits (linear time).
void numericValueOfLongText(benchmark::State &state)
{
    std::string text;
    for (int i = 0; i < 10000; ++i)
        text += " 1 ";
    for (auto _ : state)
        doubleSink = analysis::numericValue(text).value_or(-1);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(numericValueOfLongText);

} // namespace

int main(int argc, char **argv)
{
    return runAndCompare(argc, argv,
                         { { "drawDefaultCobbDouglas", "bareScanArithmetic", 1.5, {} } });
}
