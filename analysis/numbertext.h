#pragma once

#include <string>
#include <string_view>

namespace analysis {

/// The two display patterns of the report.
enum class NumberPattern {
    LeadingZero,  ///< "#0.##": 0.6 -> "0.6", 4511 -> "4511.", 0 -> "0."
    NoLeadingZero ///< "##.##": 0.6 -> ".6", 16 -> "16.", 0 -> "."
};

/// `value` rounded to two decimals (exact halves away from zero), the decimal separator always
/// written, trailing zero decimals dropped, never in exponent form and without digit grouping.
/// A value that rounds to zero has no minus sign. Non-finite values give an empty text.
std::string patternText(double value, NumberPattern pattern, std::string_view decimalSeparator);

/// The shortest decimal text that reads back as `value`: 6 -> "6", 6.5 -> "6.5", 0.25 -> "0.25";
/// magnitudes from 1E+15 up and below 1E-04 in exponent form ("1E+20", "1.5E-07").
/// Non-finite values give an empty text.
std::string plainNumberText(double value, std::string_view decimalSeparator);

} // namespace analysis
