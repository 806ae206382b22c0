#pragma once

#include <optional>
#include <string>
#include <string_view>

// Second, deliberately plain implementations of the number rules, written apart from the
// computation layer so that the fuzz targets can compare the two.

namespace checks {

/// The numeric value of a text: blanks, tabs and line feeds removed first, then the leading
/// number read by the C library's strtod; &H / &O digits accumulated in a double. Empty when
/// the value does not fit a double.
std::optional<double> referenceValue(std::string_view text);

/// "#0.##" (`leadingZero`) or "##.##" from the exact decimal expansion of `value`, rounded to
/// two decimals with halves away from zero.
std::string referencePattern(double value, bool leadingZero, std::string_view separator);

/// The shortest decimal digits that read back as `value`, in fixed form from 1E-04 up to below
/// 1E+15 and as d.dddE+XX outside that range.
std::string referencePlain(double value, std::string_view separator);

} // namespace checks
