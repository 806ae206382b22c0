#include "analysis/curvecharts.h"
#include "analysis/draw.h"
#include "analysis/numbertext.h"
#include "fuzz/checks/invariants.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

using namespace analysis;

namespace {

// Found by the numeric value fuzz target: 997256931343186.375 lies exactly halfway between two
// hundredths, and the next double above it is 997256931343186.5.
TEST(FoundByFuzzing, ExactHalvesOfLargeValuesRoundToTheNearerHundredth)
{
    EXPECT_EQ(patternText(997256931343186.375, NumberPattern::LeadingZero, "."),
              "997256931343186.38");
    EXPECT_EQ(patternText(-0x1p46 - 0.125, NumberPattern::NoLeadingZero, ","),
              "-70368744177664,13");

    const DrawInputs inputs{ .priceX = "997256931343186.375", .priceY = "1" };
    EXPECT_EQ(checks::checkDrawOutcome(inputs, draw(inputs)), "");
}

struct CurvesFinding
{
    const char *name;
    DrawInputs inputs;
};

void PrintTo(const CurvesFinding &finding, std::ostream *os)
{
    *os << finding.name;
}

class FoundByFuzzingCurves : public ::testing::TestWithParam<CurvesFinding>
{
};

// Every chart of the cost curves has points, and every point lies within its chart and the
// share beyond its axes that the window's clip cuts.
TEST_P(FoundByFuzzingCurves, CostCurvesStayWithinTheirCharts)
{
    const CurveCharts result = costCurveCharts(GetParam().inputs);
    ASSERT_EQ(result.charts.size(), 2u) << result.outOfRange;
    for (const CurveChart &chart : result.charts) {
        std::size_t points = 0;
        for (const Curve &curve : chart.curves)
            for (const auto &piece : curve.pieces)
                for (const CurvePoint &p : piece) {
                    ++points;
                    EXPECT_TRUE(p.x >= 0 && p.x <= chart.horizontal.max * 1.02) << p.x;
                    EXPECT_TRUE(p.y >= 0 && p.y <= chart.vertical.max * 1.02) << p.y;
                }
        EXPECT_GT(points, 0u) << chart.title;
    }
}

INSTANTIATE_TEST_SUITE_P(
        FoundByFuzzing, FoundByFuzzingCurves,
        ::testing::Values(
                // With exponents of 1e-4 the total cost grows as q^5000, from below 1e-139 to
                // beyond 1e+300 within one step of the sampling. Clipping such a segment to the
                // chart divided a tiny distance by a huge one, which underflowed to -0 and let a
                // point far above the chart through.
                CurvesFinding{ "ExtremeReturnsToScale",
                               { .level = "9", .cdExpX = "1e-4", .cdExpY = "1e-4" } },
                // Perfect substitutes, short period: the marginal cost jumps from 0 to 1.65e+100
                // on a chart whose costs per unit end at 5e-224. The clipper's share of that jump
                // underflowed to the smallest double, and the cut end landed at 8.18e-224, above
                // the chart (fuzz/corpus/draw/finding-curves-point-outside-chart).
                CurvesFinding{ "MarginalCostJumpAboveATinyChart",
                               { .technology = TechnologyType::PerfectSubstitutes,
                                 .shortPeriod = true,
                                 .level = "8D209",
                                 .priceX = "827527752754027D88",
                                 .priceY = "27518D-228",
                                 .fixedY = "1",
                                 .coefX = "5D2",
                                 .coefY = "1" } }),
        [](const auto &info) { return std::string(info.param.name); });

} // namespace
