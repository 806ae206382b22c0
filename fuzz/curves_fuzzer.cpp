// Fuzzes the charts of the two curves windows with any texts, technology and mode, and aborts
// when a result breaks what the windows rely on: either one line naming a box and no charts, or
// two charts whose axes have a usable scale and whose curves lie, finite, within the chart.
#include "drawinputs.h"

#include "analysis/curvecharts.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string problemIn(const analysis::CurveCharts &result)
{
    if (!result.outOfRange.empty())
        return result.charts.empty() ? "" : "charts beside an out-of-range line";
    if (result.caption.empty() || result.charts.size() != 2)
        return "no caption or not two charts";
    for (const analysis::CurveChart &chart : result.charts) {
        for (const analysis::Axis *axis : { &chart.horizontal, &chart.vertical }) {
            if (!std::isfinite(axis->max) || !(axis->step > 0) || axis->max / axis->step > 11)
                return "an axis without a usable scale";
        }
        for (const analysis::Curve &curve : chart.curves) {
            for (const auto &piece : curve.pieces) {
                if (piece.size() < 2 || piece.size() > 100000)
                    return "a piece of " + std::to_string(piece.size()) + " points";
                for (const analysis::CurvePoint &p : piece) {
                    if (!(p.x >= 0 && p.x <= chart.horizontal.max * 1.03 && p.y >= 0
                          && p.y <= chart.vertical.max * 1.03))
                        return "a point outside the chart";
                }
            }
        }
    }
    return "";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const analysis::DrawInputs inputs = decodeDrawInputs(data, size);
    for (const bool demand : { false, true }) {
        const analysis::CurveCharts result =
                demand ? analysis::inputDemandCharts(inputs) : analysis::costCurveCharts(inputs);
        const std::string problem = problemIn(result);
        if (!problem.empty()) {
            std::fprintf(stderr, "%s charts: %s\n", demand ? "input demand" : "cost",
                         problem.c_str());
            std::abort();
        }
    }
    return 0;
}
