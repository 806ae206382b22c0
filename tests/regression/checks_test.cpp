#include "analysis/draw.h"
#include "fuzz/checks/captions.h"
#include "fuzz/checks/invariants.h"
#include "fuzz/checks/reference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <stdexcept>
#include <string>

using namespace analysis;

namespace {

struct ShapeCase
{
    const char *name;
    const char *text;
    const char *shape; // "#0.##", "##.##" or "plain"
    const char *separator;
    bool wellFormed;
};

class NumberShape : public ::testing::TestWithParam<ShapeCase>
{
};

TEST_P(NumberShape, AcceptsExactlyTheWellFormedTexts)
{
    const ShapeCase &c = GetParam();
    const std::string shape = c.shape;
    const bool matched = shape == "plain"
            ? checks::isPlainNumber(c.text, c.separator)
            : checks::isPatternNumber(c.text, shape == "#0.##", c.separator);
    EXPECT_EQ(matched, c.wellFormed) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
        Texts, NumberShape,
        ::testing::Values(ShapeCase{ "IntegerWithPoint", "4511.", "#0.##", ".", true },
                          ShapeCase{ "TwoDecimals", "1158.16", "#0.##", ".", true },
                          ShapeCase{ "Zero", "0.", "#0.##", ".", true },
                          ShapeCase{ "NegativeFraction", "-0.5", "#0.##", ".", true },
                          ShapeCase{ "NegativeZero", "-0.", "#0.##", ".", false },
                          ShapeCase{ "ThreeDecimals", "1158.163", "#0.##", ".", false },
                          ShapeCase{ "TrailingZeroDecimal", "0.60", "#0.##", ".", false },
                          ShapeCase{ "MissingPoint", "4511", "#0.##", ".", false },
                          ShapeCase{ "LeadingZeroInteger", "01.5", "#0.##", ".", false },
                          ShapeCase{ "MissingLeadingZero", ".6", "#0.##", ".", false },
                          ShapeCase{ "NonFinite", "inf", "#0.##", ".", false },
                          ShapeCase{ "Comma", "0,6", "#0.##", ",", true },
                          ShapeCase{ "PointWhereCommaIsExpected", "0.6", "#0.##", ",", false },
                          ShapeCase{ "MultiByteSeparator",
                                     "14\xd9\xab"
                                     "82",
                                     "##.##", "\xd9\xab", true },
                          ShapeCase{ "DigitSeparator", "155", "#0.##", "5", true },
                          ShapeCase{ "NoLeadingZero", ".5", "##.##", ".", true },
                          ShapeCase{ "NoLeadingZeroZero", ".", "##.##", ".", true },
                          ShapeCase{ "NoLeadingZeroWithZero", "0.5", "##.##", ".", false },
                          ShapeCase{ "NoLeadingZeroNegativeZero", "-.", "##.##", ".", false },
                          ShapeCase{ "PlainInteger", "6", "plain", ".", true },
                          ShapeCase{ "PlainFraction", "0.25", "plain", ".", true },
                          ShapeCase{ "PlainZero", "0", "plain", ".", true },
                          ShapeCase{ "PlainExponent", "1.5E-07", "plain", ".", true },
                          ShapeCase{ "PlainLargeExponent", "-1E+300", "plain", ".", true },
                          ShapeCase{ "PlainNegativeZero", "-0", "plain", ".", false },
                          ShapeCase{ "PlainTrailingZero", "6.50", "plain", ".", false },
                          ShapeCase{ "PlainForcedPoint", "6.", "plain", ".", false },
                          ShapeCase{ "PlainLowerCaseExponent", "1e+20", "plain", ".", false },
                          ShapeCase{ "PlainUnsignedExponent", "1E20", "plain", ".", false },
                          ShapeCase{ "PlainEmpty", "", "plain", ".", false }),
        [](const auto &info) { return std::string(info.param.name); });

TEST(ReferenceTexts, RoundExactHalvesAwayFromZeroAndKeepTheShortestDigits)
{
    EXPECT_EQ(checks::referencePattern(3243.814975, true, "."), "3243.81");
    EXPECT_EQ(checks::referencePattern(0.125, true, "."), "0.13");
    EXPECT_EQ(checks::referencePattern(-0.125, false, ","), "-,13");
    EXPECT_EQ(checks::referencePattern(-0.004, true, "."), "0.");
    EXPECT_EQ(checks::referencePattern(9.995, true, "."), "9.99"); // 9.995 is stored below the half
    EXPECT_EQ(checks::referencePattern(99.999, false, "."), "100.");
    EXPECT_EQ(checks::referencePlain(6.5, ","), "6,5");
    EXPECT_EQ(checks::referencePlain(1e15, "."), "1E+15");
    EXPECT_EQ(checks::referencePlain(0.0001, "."), "0.0001");
    EXPECT_EQ(checks::referencePlain(123456789012345.0, "."), "123456789012345");
    EXPECT_EQ(checks::referencePlain(0x1p132, "."), "5.444517870735016E+39"); // not ...0154
    EXPECT_EQ(checks::referenceValue(" - 2 . 5 e 1x"), -25.0);
    EXPECT_FALSE(checks::referenceValue("1e999").has_value());
}

/// A default Draw of `technology`, changed by `tamper`, must be reported by the checks.
struct TamperCase
{
    const char *name;
    TechnologyType technology;
    bool shortPeriod;
    std::function<void(DrawOutcome &)> tamper;
};

class TamperedOutcome : public ::testing::TestWithParam<TamperCase>
{
};

TEST_P(TamperedOutcome, IsReported)
{
    DrawInputs inputs;
    inputs.technology = GetParam().technology;
    inputs.shortPeriod = GetParam().shortPeriod;
    DrawOutcome outcome = draw(inputs);
    ASSERT_EQ(checks::checkDrawOutcome(inputs, outcome), "") << "the untouched outcome";
    GetParam().tamper(outcome);
    EXPECT_NE(checks::checkDrawOutcome(inputs, outcome), "");
}

std::string &textOf(Effect &effect)
{
    if (auto *append = std::get_if<AppendToCaption>(&effect))
        return append->text;
    if (auto *set = std::get_if<SetCaption>(&effect))
        return set->text;
    throw std::logic_error("the effect has no text");
}

INSTANTIATE_TEST_SUITE_P(
        Tampers, TamperedOutcome,
        ::testing::Values(
                TamperCase{ "LastEffectLostButCompleted", TechnologyType::CobbDouglas, false,
                            [](DrawOutcome &o) { o.effects.pop_back(); } },
                TamperCase{ "CompletedDrawClaimsAFault", TechnologyType::FixedProportions, false,
                            [](DrawOutcome &o) { o.completed = false; } },
                TamperCase{ "StopsBeforeTheFaultingStep", TechnologyType::FixedProportions, true,
                            [](DrawOutcome &o) {
                                o.effects.pop_back();
                                o.completed = false;
                            } },
                TamperCase{ "NonFinitePoint", TechnologyType::CobbDouglas, false,
                            [](DrawOutcome &o) {
                                std::get<PlotPoint>(o.effects[1]).y =
                                        std::numeric_limits<float>::quiet_NaN();
                            } },
                TamperCase{ "PenLeftWide", TechnologyType::PerfectSubstitutes, false,
                            [](DrawOutcome &o) {
                                o.effects.resize(4); // heading, isocost, pen 8, point
                                o.completed = false;
                            } },
                TamperCase{ "DigitChangedInTheResultLine", TechnologyType::PerfectSubstitutes, true,
                            [](DrawOutcome &o) { textOf(o.effects[6])[6] = '7'; } },
                TamperCase{ "ResultLineWithoutCarriageReturn", TechnologyType::CobbDouglas, true,
                            [](DrawOutcome &o) { textOf(o.effects[6]).pop_back(); } },
                TamperCase{ "LongRunHeadingInTheShortPeriod", TechnologyType::CobbDouglas, true,
                            [](DrawOutcome &o) { textOf(o.effects[0]) = checks::longRunHeading; } },
                TamperCase{ "AverageCostWithLeadingZero", TechnologyType::FixedProportions, false,
                            [](DrawOutcome &o) {
                                o.effects.back() =
                                        SetCaption{ ResultLabel::AverageCost,
                                                    "The average cost of production is : 016." };
                            } },
                TamperCase{ "ExtraEffect", TechnologyType::PerfectSubstitutes, false,
                            [](DrawOutcome &o) { o.effects.push_back(o.effects.front()); } }),
        [](const auto &info) { return std::string(info.param.name); });

} // namespace
