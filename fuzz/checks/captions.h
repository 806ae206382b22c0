#pragma once

#include <string_view>

// Shape checks of the texts a Draw writes, for any decimal separator. Each number must have
// the form of its pattern: "#0.##", "##.##" or the plain number text.

namespace checks {

inline constexpr std::string_view longRunHeading =
        "The technology which minimalizes the costs requires the inputs X and Y in these "
        "quantities:";
inline constexpr std::string_view shortPeriodHeading =
        "Given the fixed level of Y, the technology which minimalizes the costs requires:";
inline constexpr std::string_view impossibilityLine =
        "Obtaining such a production is impossible.\r";
inline constexpr std::string_view tiePiece = " One of the many optimum points is ";

/// One number with the pattern "#0.##" (`leadingZero`) or "##.##", and nothing else.
bool isPatternNumber(std::string_view text, bool leadingZero, std::string_view separator);
/// One plain number text ("6", "0.25", "-1.5E-07"), and nothing else.
bool isPlainNumber(std::string_view text, std::string_view separator);

/// "The slope of the isocost line is :  - " and a "#0.##" number.
bool isSlopeCaption(std::string_view text, std::string_view separator);
/// "The average cost of production is : " and a "##.##" number.
bool isAverageCostCaption(std::string_view text, std::string_view separator);
/// " X = ", "#0.##", " Y = ", "#0.##", " at price of X=", plain, " and of Y =", plain,
/// ". Cost = ", "#0.##" and a carriage return.
bool isResultLine(std::string_view text, std::string_view separator);

} // namespace checks
