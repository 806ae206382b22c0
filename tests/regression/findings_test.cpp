#include "analysis/curvecharts.h"
#include "analysis/draw.h"
#include "analysis/numbertext.h"
#include "fuzz/checks/invariants.h"

#include <gtest/gtest.h>

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

// Found by the curves fuzz target: with exponents of 1e-4 the total cost grows as q^5000, from
// below 1e-139 to beyond 1e+300 within one step of the sampling. Clipping such a segment to the
// chart divided a tiny distance by a huge one, which underflowed to -0 and let a point far
// above the chart through.
TEST(FoundByFuzzing, CurvesOfExtremeReturnsToScaleStayWithinTheirCharts)
{
    const DrawInputs inputs{ .level = "9", .cdExpX = "1e-4", .cdExpY = "1e-4" };
    const CurveCharts result = costCurveCharts(inputs);
    ASSERT_EQ(result.charts.size(), 2u);
    for (const CurveChart &chart : result.charts)
        for (const Curve &curve : chart.curves)
            for (const auto &piece : curve.pieces)
                for (const CurvePoint &p : piece) {
                    EXPECT_TRUE(p.x >= 0 && p.x <= chart.horizontal.max * 1.02) << p.x;
                    EXPECT_TRUE(p.y >= 0 && p.y <= chart.vertical.max * 1.02) << p.y;
                }
}

} // namespace
