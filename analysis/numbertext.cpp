#include "analysis/numbertext.h"

#include <array>
#include <charconv>
#include <cmath>

namespace analysis {

namespace {

std::string withSeparator(std::string_view text, std::string_view decimalSeparator)
{
    std::string result;
    result.reserve(text.size() + decimalSeparator.size());
    for (const char c : text) {
        if (c == '.')
            result += decimalSeparator;
        else
            result.push_back(c);
    }
    return result;
}

} // namespace

std::string patternText(double value, NumberPattern pattern, std::string_view decimalSeparator)
{
    if (!std::isfinite(value))
        return {};

    // Up to 309 integer digits, the point and three decimals.
    std::array<char, 400> buffer{};
    const double magnitude = std::fabs(value);
    std::string_view digits;
    // Exact halves at two decimals are the doubles whose eighths are odd: x.125, x.375, x.625 and
    // x.875, whose three decimals are exact. Rounding them away from zero drops the final 5 and
    // raises the hundredth (2 or 7) by one, which never carries. Every other value is rounded
    // correctly by to_chars itself.
    if (std::fmod(magnitude * 8, 2) == 1) {
        const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                          std::chars_format::fixed, 3);
        ++*(result.ptr - 2);
        digits = std::string_view(buffer.data(),
                                  static_cast<std::size_t>(result.ptr - 1 - buffer.data()));
    } else {
        const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                          std::chars_format::fixed, 2);
        digits = std::string_view(buffer.data(),
                                  static_cast<std::size_t>(result.ptr - buffer.data()));
    }

    const std::size_t point = digits.find('.');
    std::string_view integerPart = digits.substr(0, point);
    std::string_view decimals = digits.substr(point + 1);
    while (!decimals.empty() && decimals.back() == '0')
        decimals.remove_suffix(1);

    const bool zero = integerPart == "0" && decimals.empty();
    if (pattern == NumberPattern::NoLeadingZero && integerPart == "0")
        integerPart = {};

    std::string text;
    text.reserve(integerPart.size() + decimalSeparator.size() + decimals.size() + 1);
    if (value < 0 && !zero)
        text.push_back('-');
    text += integerPart;
    text += decimalSeparator;
    text += decimals;
    return text;
}

std::string plainNumberText(double value, std::string_view decimalSeparator)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0)
        return "0";

    const double magnitude = std::fabs(value);
    const bool exponentForm = magnitude >= 1e15 || magnitude < 1e-4;
    std::array<char, 400> buffer{};
    const auto result =
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                          exponentForm ? std::chars_format::scientific : std::chars_format::fixed);
    for (char *c = buffer.data(); c != result.ptr; ++c) {
        if (*c == 'e')
            *c = 'E';
    }
    return withSeparator(
            std::string_view(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())),
            decimalSeparator);
}

} // namespace analysis
