#include "analysis/draw.h"
#include "effectprinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

using namespace analysis;

namespace {

struct FailureCase
{
    const char *name;
    TechnologyType technology;
    std::vector<std::pair<std::string DrawInputs::*, const char *>> fields; ///< set to a text
    const char *effects; ///< the shape of the effects produced before the Draw stops
    bool completed = false;
};

void PrintTo(const FailureCase &c, std::ostream *os)
{
    *os << c.name;
}

void expectEndsAfterTheEarlierEffects(const FailureCase &c, bool shortPeriod)
{
    DrawInputs inputs;
    inputs.technology = c.technology;
    inputs.shortPeriod = shortPeriod;
    for (const auto &[member, text] : c.fields)
        inputs.*member = text;
    const DrawOutcome outcome = draw(inputs);
    std::string effects;
    for (const std::string &word : analysistest::shape(outcome))
        effects += (effects.empty() ? "" : " ") + word;
    EXPECT_EQ(effects, c.effects);
    EXPECT_EQ(outcome.completed, c.completed);
}

class LongRunFault : public ::testing::TestWithParam<FailureCase>
{
};
class ShortPeriodFault : public ::testing::TestWithParam<FailureCase>
{
};

TEST_P(LongRunFault, EndsTheDrawAfterTheEarlierEffects)
{
    expectEndsAfterTheEarlierEffects(GetParam(), false);
}

TEST_P(ShortPeriodFault, EndsTheDrawAfterTheEarlierEffects)
{
    expectEndsAfterTheEarlierEffects(GetParam(), true);
}

constexpr auto substitutes = TechnologyType::PerfectSubstitutes;
constexpr auto proportions = TechnologyType::FixedProportions;
constexpr auto cobbDouglas = TechnologyType::CobbDouglas;
constexpr auto level = &DrawInputs::level;
constexpr auto priceX = &DrawInputs::priceX;
constexpr auto priceY = &DrawInputs::priceY;
constexpr auto fixedY = &DrawInputs::fixedY;
constexpr auto coefX = &DrawInputs::coefX;
constexpr auto cdExpX = &DrawInputs::cdExpX;
constexpr auto cdExpY = &DrawInputs::cdExpY;

// clang-format off
const FailureCase longRunCases[] = {
    { "SubstitutesZeroCoefX", substitutes, { { coefX, "0" } }, "" },
    { "SubstitutesZeroCoefY", substitutes, { { &DrawInputs::coefY, "abc" } }, "" },
    { "SubstitutesNegativeCoefX", substitutes, { { coefX, "-1" } }, "" },
    { "SubstitutesZeroPriceX", substitutes, { { priceX, "0" } }, "Heading" },
    { "SubstitutesZeroPriceY", substitutes, { { priceY, "0" } }, "Heading" },
    { "ProportionsZeroPriceX", proportions, { { priceX, "0" } }, "Heading Segment Segment" },
    { "ProportionsZeroPriceY", proportions, { { priceY, "" } }, "Heading Segment Segment" },
    { "CobbDouglasZeroPriceX", cobbDouglas, { { priceX, "0" } }, "Heading PlotPoint*1642" },
    { "CobbDouglasZeroPriceY", cobbDouglas, { { priceY, "0" } }, "Heading PlotPoint*1642" },
    { "SubstitutesZeroLevel", substitutes, { { level, "0" } },
      "Heading Segment PenWidth8 PlotPoint PenWidth1 Slope Show Line" },
    { "ProportionsZeroLevel", proportions, { { level, "none" } },
      "Heading Segment Segment Segment Slope Show Line" },
    { "CobbDouglasZeroLevel", cobbDouglas, { { level, "0" } }, "Heading Segment Slope Show Line" },
    { "CobbDouglasZeroExpY", cobbDouglas, { { cdExpY, "0" } }, "" },
    { "CobbDouglasNegativeExpX", cobbDouglas, { { cdExpX, "-.7" } }, "" },
    { "CobbDouglasNegativeLevel", cobbDouglas, { { level, "-3000" } }, "Heading" },
    { "CobbDouglasNegativeLevelIntegralExponent", cobbDouglas,
      { { level, "-3000" }, { cdExpY, "1" } },
      "Heading Segment Slope Show Line AverageCost", true },
    { "LevelTooLargeForADouble", cobbDouglas, { { level, "1e999" } }, "" },
    { "ParameterTooLargeForADouble", cobbDouglas, { { cdExpX, "1e999" } }, "" },
    { "PriceTooLargeForADouble", proportions, { { priceY, "1e999" } }, "Heading" },
    { "ScanCostOverflowsAtFirstPoint", cobbDouglas, { { priceY, "1e300" } }, "Heading" },
    { "ScanCostOverflowsAfterPlottingIt", cobbDouglas, { { level, "9.77" }, { priceY, "1.7e308" } },
      "Heading PlotPoint" },
    { "IsocostBeyondSinglePrecision", cobbDouglas, { { priceX, "1e-300" } },
      "Heading PlotPoint*1642" },
    { "CornerBeyondSinglePrecision", proportions, { { level, "1e300" }, { priceX, "1e-300" } },
      "Heading" },
    { "ReportedCostOverflows", substitutes,
      { { level, "1e9" }, { priceX, "1e300" }, { priceY, "1e301" } },
      "Heading Segment PenWidth8 PlotPoint PenWidth1 Slope Show" },
};

const FailureCase shortPeriodCases[] = {
    { "SubstitutesZeroCoefX", substitutes, { { coefX, "0" } }, "" },
    { "SubstitutesNegativeCoefY", substitutes, { { &DrawInputs::coefY, "-2" } }, "" },
    { "SubstitutesZeroPriceX", substitutes, { { priceX, "0" } }, "Heading" },
    { "SubstitutesZeroPriceY", substitutes, { { priceY, "0" } }, "Heading" },
    { "ProportionsZeroPriceY", proportions, { { fixedY, "3000" }, { priceY, "0" } }, "Heading" },
    { "CobbDouglasZeroPriceY", cobbDouglas, { { priceY, "0" } },
      "Heading PenWidth4 PlotPoint PenWidth1" },
    { "CobbDouglasZeroFixedY", cobbDouglas, { { fixedY, "abc" } }, "Heading" },
    { "CobbDouglasZeroExpX", cobbDouglas, { { cdExpX, "0" } }, "" },
    { "CobbDouglasNegativeExpY", cobbDouglas, { { cdExpY, "-1e-9" } }, "" },
    { "CobbDouglasNegativeFixedY", cobbDouglas, { { fixedY, "-2500" } }, "Heading" },
    { "CobbDouglasNegativeLevel", cobbDouglas, { { level, "-3000" } }, "Heading" },
    { "SubstitutesZeroLevel", substitutes, { { level, "0" } },
      "Heading PenWidth4 PlotPoint PenWidth1 Slope Show Line" },
    { "ProportionsZeroLevel", proportions, { { level, "0" } },
      "Heading Slope PenWidth4 PlotPoint PenWidth1 Show Line" },
    { "CobbDouglasZeroLevel", cobbDouglas, { { level, "0" } },
      "Heading PenWidth4 PlotPoint PenWidth1 Slope Show Line" },
    { "PointBeyondSinglePrecisionKeepsThePen", cobbDouglas, { { fixedY, "1e-300" } }, "Heading" },
    { "FixedYTooLargeForADouble", cobbDouglas, { { fixedY, "1e999" } }, "" },
    { "ImpossibleProportionsNeverReadPrices", proportions, { { priceX, "1e999" } }, "Heading Line",
      true },
};
// clang-format on

const auto caseName = [](const auto &info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Draw, LongRunFault, ::testing::ValuesIn(longRunCases), caseName);
INSTANTIATE_TEST_SUITE_P(Draw, ShortPeriodFault, ::testing::ValuesIn(shortPeriodCases), caseName);

/// Numbers written into captions must be finite decimals.
bool captionIsClean(const std::string &text)
{
    return text.find("nan") == std::string::npos && text.find("inf") == std::string::npos;
}

TEST(OddInputs, NeverEmitANonFiniteCoordinateOrCaption)
{
    const std::vector<std::string> texts{ "0",    "-1",   "1e308",  "-1e308", "1e-308",
                                          "abc",  ".5",   "-3000",  "1e999",  "&HFFFF",
                                          "3000", "1e38", "3.5e38", "2" };
    std::mt19937 random(20240607);
    std::uniform_int_distribution<std::size_t> pick(0, texts.size() - 1);
    std::uniform_int_distribution<int> technology(1, 3);
    for (int run = 0; run < 3000; ++run) {
        DrawInputs inputs;
        inputs.technology = static_cast<TechnologyType>(technology(random));
        inputs.shortPeriod = run % 2 == 0;
        for (std::string *field : { &inputs.level, &inputs.priceX, &inputs.priceY, &inputs.fixedY,
                                    &inputs.coefX, &inputs.coefY, &inputs.cdExpX, &inputs.cdExpY })
            *field = texts[pick(random)];
        for (const Effect &effect : draw(inputs).effects) {
            if (const auto *p = std::get_if<PlotPoint>(&effect)) {
                ASSERT_TRUE(std::isfinite(p->x) && std::isfinite(p->y)) << run;
            } else if (const auto *s = std::get_if<DrawSegment>(&effect)) {
                ASSERT_TRUE(std::isfinite(s->x1) && std::isfinite(s->y1) && std::isfinite(s->x2)
                            && std::isfinite(s->y2))
                        << run;
            } else if (const auto *c = std::get_if<SetCaption>(&effect)) {
                ASSERT_TRUE(captionIsClean(c->text)) << c->text;
            } else if (const auto *a = std::get_if<AppendToCaption>(&effect)) {
                ASSERT_TRUE(captionIsClean(a->text)) << a->text;
            }
        }
    }
}

} // namespace
