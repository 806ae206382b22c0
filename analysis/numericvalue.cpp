#include "analysis/numericvalue.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

namespace analysis {

namespace {

/// Walks a text, skipping the blanks, tabs and line feeds that may stand anywhere in a number.
class Cursor
{
public:
    explicit Cursor(std::string_view text) : text(text) { skipBlanks(); }

    /// The current character, or 0 at the end (an embedded 0 byte also stops every reader).
    char peek() const { return at < text.size() ? text[at] : '\0'; }
    void advance()
    {
        ++at;
        skipBlanks();
    }

private:
    void skipBlanks()
    {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t' || text[at] == '\n'))
            ++at;
    }

    std::string_view text;
    std::size_t at = 0;
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexDigit(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<double> unsignedInBase(Cursor &cursor, int base)
{
    double value = 0;
    for (;;) {
        const int digit = hexDigit(cursor.peek());
        if (digit < 0 || digit >= base)
            break;
        value = value * base + digit;
        cursor.advance();
    }
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<double> numericValue(std::string_view text)
{
    Cursor cursor(text);

    if (cursor.peek() == '&') {
        cursor.advance();
        const char kind = cursor.peek();
        if (kind == 'H' || kind == 'h') {
            cursor.advance();
            return unsignedInBase(cursor, 16);
        }
        if (kind == 'O' || kind == 'o') {
            cursor.advance();
            return unsignedInBase(cursor, 8);
        }
        return 0.0;
    }

    // The accepted characters, without blanks, in the form std::from_chars reads.
    std::string number;
    number.reserve(text.size() + 16);
    if (cursor.peek() == '+' || cursor.peek() == '-') {
        if (cursor.peek() == '-')
            number.push_back('-');
        cursor.advance();
    }

    // Decimal magnitude of the first non-zero digit, to tell an overflow from an underflow.
    std::int64_t integerDigits = 0;
    std::int64_t leadingFractionZeros = 0;
    bool nonZeroSeen = false;
    bool pointSeen = false;
    bool digitSeen = false;
    for (;;) {
        const char c = cursor.peek();
        if (isDigit(c)) {
            digitSeen = true;
            if (c != '0')
                nonZeroSeen = true;
            if (!pointSeen && nonZeroSeen)
                ++integerDigits;
            else if (pointSeen && !nonZeroSeen)
                ++leadingFractionZeros;
            number.push_back(c);
        } else if (c == '.' && !pointSeen) {
            pointSeen = true;
            number.push_back('.');
        } else {
            break;
        }
        cursor.advance();
    }
    if (!digitSeen || !nonZeroSeen)
        return 0.0;

    // The exponent counts only when at least one digit follows its letter and sign.
    std::int64_t exponent = 0;
    const char letter = cursor.peek();
    if (letter == 'E' || letter == 'e' || letter == 'D' || letter == 'd') {
        cursor.advance();
        bool negative = false;
        if (cursor.peek() == '+' || cursor.peek() == '-') {
            negative = cursor.peek() == '-';
            cursor.advance();
        }
        bool exponentDigit = false;
        constexpr std::int64_t exponentCap = 1'000'000'000; // far beyond any double, no overflow
        while (isDigit(cursor.peek())) {
            exponentDigit = true;
            if (exponent < exponentCap)
                exponent = exponent * 10 + (cursor.peek() - '0');
            cursor.advance();
        }
        if (exponentDigit) {
            if (negative)
                exponent = -exponent;
            number.push_back('e');
            number += std::to_string(exponent);
        }
    }

    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        const std::int64_t magnitude =
                (integerDigits > 0 ? integerDigits : -leadingFractionZeros) + exponent;
        if (magnitude > 0)
            return std::nullopt;
        return 0.0; // too small for a double: underflows to 0
    }
    if (error != std::errc())
        return 0.0;
    return value + 0.0; // no negative zero
}

} // namespace analysis
