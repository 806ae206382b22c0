#include "analysis/draw.h"
#include "effectprinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

using namespace analysis;
using analysistest::shape;
using Shape = std::vector<std::string>;

namespace {

/// One field of the inputs set to a text.
struct Field
{
    std::string DrawInputs::*member;
    const char *text;
};

struct FailureCase
{
    const char *name;
    TechnologyType technology;
    bool shortPeriod;
    std::vector<Field> fields;
    Shape effects; ///< the effects produced before the Draw stops
    bool completed = false;
};

void PrintTo(const FailureCase &c, std::ostream *os)
{
    *os << c.name;
}

class RunTimeFault : public ::testing::TestWithParam<FailureCase>
{
};

TEST_P(RunTimeFault, EndsTheDrawAfterTheEarlierEffects)
{
    const FailureCase &c = GetParam();
    DrawInputs inputs;
    inputs.technology = c.technology;
    inputs.shortPeriod = c.shortPeriod;
    for (const Field &field : c.fields)
        inputs.*field.member = field.text;
    const DrawOutcome outcome = draw(inputs);
    EXPECT_EQ(shape(outcome), c.effects);
    EXPECT_EQ(outcome.completed, c.completed);
}

constexpr auto substitutes = TechnologyType::PerfectSubstitutes;
constexpr auto proportions = TechnologyType::FixedProportions;
constexpr auto cobbDouglas = TechnologyType::CobbDouglas;
constexpr bool longRun = false;
constexpr bool shortRun = true;
constexpr auto level = &DrawInputs::level;
constexpr auto priceX = &DrawInputs::priceX;
constexpr auto priceY = &DrawInputs::priceY;
constexpr auto fixedY = &DrawInputs::fixedY;
constexpr auto coefX = &DrawInputs::coefX;
constexpr auto coefY = &DrawInputs::coefY;
constexpr auto cdExpX = &DrawInputs::cdExpX;
constexpr auto cdExpY = &DrawInputs::cdExpY;

const Shape headingOnly{ "Heading" };

INSTANTIATE_TEST_SUITE_P(
        LongRun, RunTimeFault,
        ::testing::Values(
                FailureCase{ "SubstitutesZeroCoefX",
                             substitutes,
                             longRun,
                             { { coefX, "0" } },
                             headingOnly },
                FailureCase{ "SubstitutesZeroCoefY",
                             substitutes,
                             longRun,
                             { { coefY, "abc" } },
                             headingOnly },
                FailureCase{ "SubstitutesZeroPriceX",
                             substitutes,
                             longRun,
                             { { priceX, "0" } },
                             headingOnly },
                FailureCase{ "SubstitutesZeroPriceY",
                             substitutes,
                             longRun,
                             { { priceY, "0" } },
                             headingOnly },
                FailureCase{ "ProportionsZeroPriceX",
                             proportions,
                             longRun,
                             { { priceX, "0" } },
                             { "Heading", "Segment", "Segment" } },
                FailureCase{ "ProportionsZeroPriceY",
                             proportions,
                             longRun,
                             { { priceY, "" } },
                             { "Heading", "Segment", "Segment" } },
                FailureCase{ "CobbDouglasZeroPriceX",
                             cobbDouglas,
                             longRun,
                             { { priceX, "0" } },
                             { "Heading", "PlotPoint*1642" } },
                FailureCase{ "CobbDouglasZeroPriceY",
                             cobbDouglas,
                             longRun,
                             { { priceY, "0" } },
                             { "Heading", "PlotPoint*1642" } },
                FailureCase{ "SubstitutesZeroLevel",
                             substitutes,
                             longRun,
                             { { level, "0" } },
                             { "Heading", "Segment", "PenWidth8", "PlotPoint", "PenWidth1", "Slope",
                               "Show", "Line" } },
                FailureCase{
                        "ProportionsZeroLevel",
                        proportions,
                        longRun,
                        { { level, "none" } },
                        { "Heading", "Segment", "Segment", "Segment", "Slope", "Show", "Line" } },
                FailureCase{ "CobbDouglasZeroLevel",
                             cobbDouglas,
                             longRun,
                             { { level, "0" } },
                             { "Heading", "Segment", "Slope", "Show", "Line" } },
                FailureCase{ "CobbDouglasZeroExpY",
                             cobbDouglas,
                             longRun,
                             { { cdExpY, "0" } },
                             headingOnly },
                FailureCase{ "CobbDouglasNegativeLevel",
                             cobbDouglas,
                             longRun,
                             { { level, "-3000" } },
                             headingOnly },
                FailureCase{ "CobbDouglasNegativeLevelIntegralExponent",
                             cobbDouglas,
                             longRun,
                             { { level, "-3000" }, { cdExpY, "1" } },
                             { "Heading", "Segment", "Slope", "Show", "Line", "AverageCost" },
                             true },
                FailureCase{ "LevelTooLargeForADouble",
                             cobbDouglas,
                             longRun,
                             { { level, "1e999" } },
                             {} },
                FailureCase{ "ParameterTooLargeForADouble",
                             cobbDouglas,
                             longRun,
                             { { cdExpX, "1e999" } },
                             {} },
                FailureCase{ "PriceTooLargeForADouble",
                             proportions,
                             longRun,
                             { { priceY, "1e999" } },
                             headingOnly },
                FailureCase{ "ScanCostOverflowsAtFirstPoint",
                             cobbDouglas,
                             longRun,
                             { { priceY, "1e300" } },
                             headingOnly },
                FailureCase{ "ScanCostOverflowsAfterPlottingIt",
                             cobbDouglas,
                             longRun,
                             { { level, "9.77" }, { priceY, "1.7e308" } },
                             { "Heading", "PlotPoint" } },
                FailureCase{ "IsocostBeyondSinglePrecision",
                             cobbDouglas,
                             longRun,
                             { { priceX, "1e-300" } },
                             { "Heading", "PlotPoint*1642" } },
                FailureCase{ "CornerBeyondSinglePrecision",
                             proportions,
                             longRun,
                             { { level, "1e300" }, { priceX, "1e-300" } },
                             headingOnly },
                FailureCase{ "ReportedCostOverflows",
                             substitutes,
                             longRun,
                             { { level, "1e9" }, { priceX, "1e300" }, { priceY, "1e301" } },
                             { "Heading", "Segment", "PenWidth8", "PlotPoint", "PenWidth1", "Slope",
                               "Show" } }),
        [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
        ShortPeriod, RunTimeFault,
        ::testing::Values(FailureCase{ "SubstitutesZeroCoefX",
                                       substitutes,
                                       shortRun,
                                       { { coefX, "0" } },
                                       headingOnly },
                          FailureCase{ "SubstitutesZeroPriceX",
                                       substitutes,
                                       shortRun,
                                       { { priceX, "0" } },
                                       headingOnly },
                          FailureCase{ "SubstitutesZeroPriceY",
                                       substitutes,
                                       shortRun,
                                       { { priceY, "0" } },
                                       headingOnly },
                          FailureCase{ "ProportionsZeroPriceY",
                                       proportions,
                                       shortRun,
                                       { { fixedY, "3000" }, { priceY, "0" } },
                                       headingOnly },
                          FailureCase{ "CobbDouglasZeroPriceY",
                                       cobbDouglas,
                                       shortRun,
                                       { { priceY, "0" } },
                                       { "Heading", "PenWidth4", "PlotPoint", "PenWidth1" } },
                          FailureCase{ "CobbDouglasZeroFixedY",
                                       cobbDouglas,
                                       shortRun,
                                       { { fixedY, "abc" } },
                                       headingOnly },
                          FailureCase{ "CobbDouglasZeroExpX",
                                       cobbDouglas,
                                       shortRun,
                                       { { cdExpX, "0" } },
                                       headingOnly },
                          FailureCase{ "CobbDouglasNegativeFixedY",
                                       cobbDouglas,
                                       shortRun,
                                       { { fixedY, "-2500" } },
                                       headingOnly },
                          FailureCase{ "CobbDouglasNegativeLevel",
                                       cobbDouglas,
                                       shortRun,
                                       { { level, "-3000" } },
                                       headingOnly },
                          FailureCase{ "SubstitutesZeroLevel",
                                       substitutes,
                                       shortRun,
                                       { { level, "0" } },
                                       { "Heading", "PenWidth4", "PlotPoint", "PenWidth1", "Slope",
                                         "Show", "Line" } },
                          FailureCase{ "ProportionsZeroLevel",
                                       proportions,
                                       shortRun,
                                       { { level, "0" } },
                                       { "Heading", "Slope", "PenWidth4", "PlotPoint", "PenWidth1",
                                         "Show", "Line" } },
                          FailureCase{ "CobbDouglasZeroLevel",
                                       cobbDouglas,
                                       shortRun,
                                       { { level, "0" } },
                                       { "Heading", "PenWidth4", "PlotPoint", "PenWidth1", "Slope",
                                         "Show", "Line" } },
                          FailureCase{ "PointBeyondSinglePrecisionKeepsThePen",
                                       cobbDouglas,
                                       shortRun,
                                       { { fixedY, "1e-300" } },
                                       headingOnly },
                          FailureCase{ "FixedYTooLargeForADouble",
                                       cobbDouglas,
                                       shortRun,
                                       { { fixedY, "1e999" } },
                                       {} },
                          FailureCase{ "ImpossibleProportionsNeverReadPrices",
                                       proportions,
                                       shortRun,
                                       { { priceX, "1e999" } },
                                       { "Heading", "Line" },
                                       true }),
        [](const auto &info) { return std::string(info.param.name); });

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
        const DrawOutcome outcome = draw(inputs);
        for (const Effect &effect : outcome.effects) {
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
