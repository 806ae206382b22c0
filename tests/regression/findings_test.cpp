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

} // namespace
