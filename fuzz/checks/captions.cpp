#include "fuzz/checks/captions.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace checks {

namespace {

// Every matcher returns all the positions where a match that starts at `at` may end, so that a
// separator made of digits, signs or letters cannot make a well-formed text look malformed.
using Ends = std::vector<std::size_t>;
using Matcher = std::function<Ends(std::string_view, std::size_t)>;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t digitRun(std::string_view text, std::size_t at)
{
    std::size_t end = at;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return end;
}

Matcher literal(std::string_view expected)
{
    return [expected](std::string_view text, std::size_t at) -> Ends {
        if (text.substr(at, expected.size()) == expected)
            return { at + expected.size() };
        return {};
    };
}

Matcher sequence(std::vector<Matcher> parts)
{
    return [parts = std::move(parts)](std::string_view text, std::size_t at) {
        Ends current{ at };
        for (const Matcher &part : parts) {
            Ends next;
            for (const std::size_t from : current) {
                for (const std::size_t end : part(text, from))
                    next.push_back(end);
            }
            std::sort(next.begin(), next.end());
            next.erase(std::unique(next.begin(), next.end()), next.end());
            current = std::move(next);
        }
        return current;
    };
}

/// Ends of a run of digits starting at `at` with no leading zero: [1-9][0-9]*, any length.
Ends integerWithoutLeadingZero(std::string_view text, std::size_t at)
{
    Ends ends;
    if (at < text.size() && text[at] >= '1' && text[at] <= '9') {
        for (std::size_t end = at + 1; end <= digitRun(text, at); ++end)
            ends.push_back(end);
    }
    return ends;
}

Matcher patternNumber(bool leadingZero, std::string_view separator)
{
    return [leadingZero, separator](std::string_view text, std::size_t at) {
        Ends ends;
        for (const bool minus : { false, true }) {
            std::size_t start = at;
            if (minus) {
                if (text.substr(at, 1) != "-")
                    continue;
                ++start;
            }
            // Integer part: ends paired with whether it is zero.
            std::vector<std::pair<std::size_t, bool>> integers;
            for (const std::size_t end : integerWithoutLeadingZero(text, start))
                integers.push_back({ end, false });
            if (leadingZero) {
                if (text.substr(start, 1) == "0")
                    integers.push_back({ start + 1, true });
            } else {
                integers.push_back({ start, true });
            }
            for (const auto &[integerEnd, integerZero] : integers) {
                if (text.substr(integerEnd, separator.size()) != separator)
                    continue;
                const std::size_t decimals = integerEnd + separator.size();
                // No decimals, one non-zero decimal, or two decimals of which the last is not 0.
                if (!(minus && integerZero))
                    ends.push_back(decimals);
                if (decimals < text.size() && isDigit(text[decimals])) {
                    if (text[decimals] != '0')
                        ends.push_back(decimals + 1);
                    if (decimals + 1 < text.size() && isDigit(text[decimals + 1])
                        && text[decimals + 1] != '0')
                        ends.push_back(decimals + 2);
                }
            }
        }
        return ends;
    };
}

/// Ends of an optional fraction: the separator and digits whose last one is not 0.
Ends optionalFraction(std::string_view text, std::size_t at, std::string_view separator)
{
    Ends ends{ at };
    if (text.substr(at, separator.size()) == separator) {
        const std::size_t first = at + separator.size();
        for (std::size_t end = first + 1; end <= digitRun(text, first); ++end) {
            if (text[end - 1] != '0')
                ends.push_back(end);
        }
    }
    return ends;
}

Matcher plainNumber(std::string_view separator)
{
    return [separator](std::string_view text, std::size_t at) {
        Ends ends;
        if (text.substr(at, 1) == "0")
            ends.push_back(at + 1); // zero itself
        const std::size_t start = text.substr(at, 1) == "-" ? at + 1 : at;
        // Fixed form: an integer part without leading zero, or "0" before a fraction.
        for (const std::size_t integerEnd : integerWithoutLeadingZero(text, start)) {
            for (const std::size_t end : optionalFraction(text, integerEnd, separator))
                ends.push_back(end);
        }
        if (text.substr(start, 1) == "0") {
            for (const std::size_t end : optionalFraction(text, start + 1, separator)) {
                if (end > start + 1)
                    ends.push_back(end);
            }
        }
        // Exponent form: one leading digit 1-9, an optional fraction, E, a sign, 2 or 3 digits.
        if (start < text.size() && text[start] >= '1' && text[start] <= '9') {
            for (const std::size_t mantissaEnd : optionalFraction(text, start + 1, separator)) {
                if (text.substr(mantissaEnd, 1) != "E" || mantissaEnd + 1 >= text.size())
                    continue;
                const char sign = text[mantissaEnd + 1];
                if (sign != '+' && sign != '-')
                    continue;
                const std::size_t first = mantissaEnd + 2;
                const std::size_t last = digitRun(text, first);
                for (std::size_t end = first + 2; end <= std::min(last, first + 3); ++end)
                    ends.push_back(end);
            }
        }
        return ends;
    };
}

bool matchesWhole(const Matcher &matcher, std::string_view text)
{
    const Ends ends = matcher(text, 0);
    return std::find(ends.begin(), ends.end(), text.size()) != ends.end();
}

} // namespace

bool isPatternNumber(std::string_view text, bool leadingZero, std::string_view separator)
{
    return matchesWhole(patternNumber(leadingZero, separator), text);
}

bool isPlainNumber(std::string_view text, std::string_view separator)
{
    return matchesWhole(plainNumber(separator), text);
}

bool isSlopeCaption(std::string_view text, std::string_view separator)
{
    return matchesWhole(sequence({ literal("The slope of the isocost line is :  - "),
                                   patternNumber(true, separator) }),
                        text);
}

bool isAverageCostCaption(std::string_view text, std::string_view separator)
{
    return matchesWhole(sequence({ literal("The average cost of production is : "),
                                   patternNumber(false, separator) }),
                        text);
}

bool isResultLine(std::string_view text, std::string_view separator)
{
    return matchesWhole(
            sequence({ literal(" X = "), patternNumber(true, separator), literal(" Y = "),
                       patternNumber(true, separator), literal(" at price of X="),
                       plainNumber(separator), literal(" and of Y ="), plainNumber(separator),
                       literal(". Cost = "), patternNumber(true, separator), literal("\r") }),
            text);
}

} // namespace checks
