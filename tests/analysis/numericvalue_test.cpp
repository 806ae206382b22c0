#include "analysis/numericvalue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>

using analysis::numericValue;

namespace {

struct ValueCase
{
    const char *name;
    std::string text;
    double value;
};

class NumericValue : public ::testing::TestWithParam<ValueCase>
{
};

TEST_P(NumericValue, ReadsTheLeadingNumericPrefix)
{
    const auto value = numericValue(GetParam().text);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, GetParam().value);
    EXPECT_FALSE(std::signbit(*value) && *value == 0) << "negative zero";
}

INSTANTIATE_TEST_SUITE_P(
        Texts, NumericValue,
        ::testing::Values(
                ValueCase{ "Integer", "3000", 3000 }, ValueCase{ "Decimal", "2.5", 2.5 },
                ValueCase{ "LeadingPoint", ".7", 0.7 }, ValueCase{ "TrailingPoint", "5.", 5 },
                ValueCase{ "OnlyAPoint", ".", 0 }, ValueCase{ "Empty", "", 0 },
                ValueCase{ "Letters", "abc", 0 }, ValueCase{ "StopsAtComma", "2,5", 2 },
                ValueCase{ "StopsAtSecondPoint", "1.2.3", 1.2 },
                ValueCase{ "StopsAtLetter", "12abc", 12 },
                ValueCase{ "BlanksAround", " \t\n12 \n", 12 },
                ValueCase{ "BlanksInsideDigits", "1 2", 12 },
                ValueCase{ "BlanksInsideExponent", "1 e 3", 1000 },
                ValueCase{ "CarriageReturnStops", "\r5", 0 }, ValueCase{ "Minus", "-5", -5 },
                ValueCase{ "Plus", "+5", 5 }, ValueCase{ "BlankAfterSign", "- 5", -5 },
                ValueCase{ "TwoSigns", "--5", 0 }, ValueCase{ "SignAlone", "-", 0 },
                ValueCase{ "MinusZero", "-0", 0 }, ValueCase{ "ExponentE", "1e3", 1000 },
                ValueCase{ "ExponentUpperWithSign", "25E-1", 2.5 },
                ValueCase{ "ExponentD", "1D3", 1000 }, ValueCase{ "ExponentLowerD", "1d-2", 0.01 },
                ValueCase{ "ExponentWithoutDigits", "7e", 7 },
                ValueCase{ "ExponentSignWithoutDigits", "7e+x", 7 },
                ValueCase{ "ZeroWithHugeExponent", "0e999", 0 },
                ValueCase{ "Underflow", "1e-400", 0 },
                ValueCase{ "NegativeUnderflow", "-1e-400", 0 },
                ValueCase{ "LargestDouble", "1.7976931348623157e308", 1.7976931348623157e308 },
                ValueCase{ "Hex", "&HFFFF", 65535 }, ValueCase{ "HexLowerCase", "&hff", 255 },
                ValueCase{ "HexWithBlanks", "& H F F", 255 },
                ValueCase{ "HexBeyond32Bits", "&H100000000", 4294967296.0 },
                ValueCase{ "HexWithoutDigits", "&H", 0 },
                ValueCase{ "HexStopsAtNonDigit", "&H1G", 1 }, ValueCase{ "Octal", "&O17", 15 },
                ValueCase{ "OctalStopsAtEight", "&O78", 7 },
                ValueCase{ "UnknownAmpersand", "&X12", 0 },
                ValueCase{ "CStyleHexIsZero", "0x10", 0 },
                ValueCase{ "StopsAtNul",
                           std::string("12\0"
                                       "3",
                                       4),
                           12 },
                ValueCase{ "StopsAtNonAscii",
                           "4\xc3\xa9"
                           "5",
                           4 }),
        [](const auto &info) { return std::string(info.param.name); });

/// `prefix`, then `count` copies of `fill`, then `suffix`.
std::string padded(std::string prefix, std::size_t count, char fill, const std::string &suffix)
{
    prefix.append(count, fill);
    prefix.append(suffix);
    return prefix;
}

TEST(NumericValueOverflow, ValuesBeyondADoubleAreReported)
{
    for (const std::string &text : std::initializer_list<std::string>{
                 "1e999", "-1e999", "1.8e308", padded("&H", 300, 'F', ""), padded("", 400, '9', ""),
                 padded("&O", 400, '7', "") })
        EXPECT_FALSE(numericValue(text).has_value()) << text.substr(0, 20);
}

TEST(NumericValueLongTexts, ThirtyThousandCharactersAreReadInFull)
{
    EXPECT_EQ(numericValue(padded("", 30000, ' ', "42")), 42.0);
    EXPECT_EQ(numericValue(padded("0.", 30000, '0', "1e30001")), 1.0);
    EXPECT_EQ(numericValue(padded("1", 30000, ' ', "5")), 15.0);
    EXPECT_EQ(numericValue(padded("1e", 30000, '0', "2")), 100.0);
    EXPECT_FALSE(numericValue(padded("", 30000, '9', "")).has_value());
    EXPECT_EQ(numericValue(padded("5e-", 30000, '9', "")), 0.0);
    EXPECT_EQ(numericValue(padded("", 30000, '\xff', "")), 0.0);
}

} // namespace
