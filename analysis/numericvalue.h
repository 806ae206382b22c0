#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace analysis {

/// The numeric value of a text box: its leading numeric prefix, 0 when it has none.
///
/// Blanks, tabs and line feeds are skipped anywhere. Then: an optional sign, digits with "." as the
/// only decimal separator, and an optional exponent introduced by E or D (ignored when no digit
/// follows it); or &H / &O followed by hexadecimal / octal digits, read as an unsigned value.
/// Reading stops at the first other character. Never fails on any byte sequence and runs in linear
/// time; the only empty result is a value too large for a double (for example "1e999").
std::optional<double> numericValue(std::string_view text);

/// The numeric value of a text box as `numericValue` reads it, and how much of the text that
/// took.
struct NumberReading
{
    std::optional<double> value; ///< as numericValue gives it
    /// Bytes of the text read as part of the number, blanks after it included: the length of the
    /// text when all of it was read, less when reading stopped at another character ("2,5": 1).
    std::size_t used = 0;
};
NumberReading readNumber(std::string_view text);

} // namespace analysis
