#include "analysis/numbertext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace analysis;

namespace {

struct PatternCase
{
    const char *name;
    double value;
    NumberPattern pattern;
    const char *separator;
    const char *text;
};

class PatternText : public ::testing::TestWithParam<PatternCase>
{
};

TEST_P(PatternText, WritesTheValue)
{
    const PatternCase &c = GetParam();
    EXPECT_EQ(patternText(c.value, c.pattern, c.separator), c.text);
}

constexpr auto lead = NumberPattern::LeadingZero;
constexpr auto noLead = NumberPattern::NoLeadingZero;

INSTANTIATE_TEST_SUITE_P(
        Values, PatternText,
        ::testing::Values(
                PatternCase{ "IntegerKeepsPoint", 4511, lead, ".", "4511." },
                PatternCase{ "ZeroKeepsDigit", 0, lead, ".", "0." },
                PatternCase{ "RoundsToTwoDecimals", 1158.157, lead, ".", "1158.16" },
                PatternCase{ "RoundsDown", 3243.814975, lead, ".", "3243.81" },
                PatternCase{ "DropsTrailingZero", 0.6, lead, ".", "0.6" },
                PatternCase{ "RoundsUpToInteger", 9.999, lead, ".", "10." },
                PatternCase{ "ExactHalfAwayFromZero", 0.125, lead, ".", "0.13" },
                PatternCase{ "NegativeExactHalfAwayFromZero", -0.375, lead, ".", "-0.38" },
                PatternCase{ "ExactHalfOfALargeValue", 0x1p46 + 0.625, lead, ".",
                             "70368744177664.63" },
                PatternCase{ "Negative", -0.6, lead, ".", "-0.6" },
                PatternCase{ "NegativeRoundingToZeroHasNoSign", -0.001, lead, ".", "0." },
                PatternCase{ "NegativeZero", -0.0, lead, ".", "0." },
                PatternCase{ "HugeWrittenInFull", 1e20, lead, ".", "100000000000000000000." },
                PatternCase{ "NoLeadingZeroDropsZero", 0.6, noLead, ".", ".6" },
                PatternCase{ "NoLeadingZeroInteger", 16, noLead, ".", "16." },
                PatternCase{ "NoLeadingZeroRounds", 14.82096, noLead, ".", "14.82" },
                PatternCase{ "NoLeadingZeroOfZero", 0, noLead, ".", "." },
                PatternCase{ "NoLeadingZeroNegative", -0.5, noLead, ".", "-.5" },
                PatternCase{ "NoLeadingZeroRoundsUp", 0.996, noLead, ".", "1." },
                PatternCase{ "CommaSeparator", 1158.157, lead, ",", "1158,16" },
                PatternCase{ "CommaSeparatorInteger", 16, noLead, ",", "16," },
                PatternCase{ "LongSeparator", 2.5, lead, "<>", "2<>5" }),
        [](const auto &info) { return std::string(info.param.name); });

TEST(PatternTextLimits, LargestDoubleIsWrittenWithoutExponent)
{
    const std::string text = patternText(std::numeric_limits<double>::max(), lead, ".");
    EXPECT_EQ(text.size(), 310u); // 309 digits and the point
    EXPECT_EQ(text.find_first_not_of("0123456789."), std::string::npos);
}

TEST(PatternTextLimits, NonFiniteValuesGiveNoText)
{
    EXPECT_EQ(patternText(std::nan(""), lead, "."), "");
    EXPECT_EQ(patternText(-std::numeric_limits<double>::infinity(), noLead, "."), "");
    EXPECT_EQ(plainNumberText(std::nan(""), "."), "");
}

struct PlainCase
{
    const char *name;
    double value;
    const char *separator;
    const char *text;
};

class PlainNumberText : public ::testing::TestWithParam<PlainCase>
{
};

TEST_P(PlainNumberText, WritesTheShortestForm)
{
    EXPECT_EQ(plainNumberText(GetParam().value, GetParam().separator), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
        Values, PlainNumberText,
        ::testing::Values(
                PlainCase{ "Integer", 6, ".", "6" }, PlainCase{ "Decimal", 6.5, ".", "6.5" },
                PlainCase{ "Fraction", 0.25, ".", "0.25" }, PlainCase{ "Tenth", 0.1, ".", "0.1" },
                PlainCase{ "Zero", 0, ".", "0" }, PlainCase{ "NegativeZero", -0.0, ".", "0" },
                PlainCase{ "Negative", -2.5, ".", "-2.5" },
                PlainCase{ "LargestWithoutExponent", 999999999999999, ".", "999999999999999" },
                PlainCase{ "SmallestWithoutExponent", 0.0001, ".", "0.0001" },
                PlainCase{ "LargeExponent", 1e20, ".", "1E+20" },
                PlainCase{ "ExponentFrom1E15", 1e15, ".", "1E+15" },
                PlainCase{ "SmallExponent", 1e-7, ".", "1E-07" },
                PlainCase{ "SmallExponentWithDecimals", 1.5e-7, ".", "1.5E-07" },
                PlainCase{ "ThreeDigitExponent", -2.5e300, ".", "-2.5E+300" },
                PlainCase{ "CommaSeparator", 6.5, ",", "6,5" },
                PlainCase{ "CommaInExponentForm", 1.5e20, ",", "1,5E+20" },
                PlainCase{ "SeparatorKeepsItsCase", 1.5e20, "e", "1e5E+20" }),
        [](const auto &info) { return std::string(info.param.name); });

} // namespace
