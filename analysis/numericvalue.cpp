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
    /// How many bytes lie behind the cursor, the blanks after the last character included.
    std::size_t position() const { return at; }
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

/// The digits and point of a decimal number, in the form std::from_chars reads, and the
/// decimal magnitude of its first non-zero digit (to tell an overflow from an underflow).
struct Mantissa
{
    std::string number; ///< sign, digits and point, without blanks
    std::int64_t integerDigits = 0; ///< digits from the first non-zero one up to the point
    std::int64_t leadingFractionZeros = 0; ///< zeros after the point before any non-zero digit
    bool nonZero = false; ///< a non-zero digit was read
};

/// "&H" or "&O" and its digits, read as an unsigned value; 0 after "&" and any other letter.
std::optional<double> readBased(Cursor &cursor)
{
    cursor.advance(); // the "&"
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

/// An optional sign, then digits with at most one point.
Mantissa readMantissa(Cursor &cursor, std::size_t textSize)
{
    Mantissa mantissa;
    mantissa.number.reserve(textSize + 16);
    if (cursor.peek() == '+' || cursor.peek() == '-') {
        if (cursor.peek() == '-')
            mantissa.number.push_back('-');
        cursor.advance();
    }
    bool pointSeen = false;
    for (;;) {
        const char c = cursor.peek();
        if (isDigit(c)) {
            if (c != '0')
                mantissa.nonZero = true;
            if (!pointSeen && mantissa.nonZero)
                ++mantissa.integerDigits;
            else if (pointSeen && !mantissa.nonZero)
                ++mantissa.leadingFractionZeros;
            mantissa.number.push_back(c);
        } else if (c == '.' && !pointSeen) {
            pointSeen = true;
            mantissa.number.push_back('.');
        } else {
            break;
        }
        cursor.advance();
    }
    return mantissa;
}

/// E or D, an optional sign and digits; 0 when no digit follows the letter and its sign (the
/// letter is then ignored). Capped far beyond any double's exponent, so it never overflows.
std::int64_t readExponent(Cursor &cursor)
{
    const char letter = cursor.peek();
    if (letter != 'E' && letter != 'e' && letter != 'D' && letter != 'd')
        return 0;
    const Cursor atLetter = cursor;
    cursor.advance();
    bool negative = false;
    if (cursor.peek() == '+' || cursor.peek() == '-') {
        negative = cursor.peek() == '-';
        cursor.advance();
    }
    constexpr std::int64_t exponentCap = 1'000'000'000;
    std::int64_t exponent = 0;
    bool digit = false;
    while (isDigit(cursor.peek())) {
        digit = true;
        if (exponent < exponentCap)
            exponent = exponent * 10 + (cursor.peek() - '0');
        cursor.advance();
    }
    if (!digit)
        cursor = atLetter; // the letter and its sign are not part of the number
    return negative ? -exponent : exponent;
}

/// The value of a non-zero mantissa times ten to `exponent`; empty when it is too large for a
/// double, 0 when it is too small.
std::optional<double> toDouble(Mantissa mantissa, std::int64_t exponent)
{
    if (exponent != 0) {
        mantissa.number.push_back('e');
        mantissa.number += std::to_string(exponent);
    }
    const std::string &number = mantissa.number;
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        const std::int64_t magnitude = (mantissa.integerDigits > 0 ? mantissa.integerDigits
                                                                   : -mantissa.leadingFractionZeros)
                + exponent;
        if (magnitude > 0)
            return std::nullopt;
        return 0.0; // too small for a double: underflows to 0
    }
    if (error != std::errc())
        return 0.0;
    return value + 0.0; // no negative zero
}

} // namespace

NumberReading readNumber(std::string_view text)
{
    Cursor cursor(text);
    if (cursor.peek() == '&') {
        const std::optional<double> value = readBased(cursor);
        return { value, cursor.position() };
    }
    const Mantissa mantissa = readMantissa(cursor, text.size());
    const std::int64_t exponent = readExponent(cursor);
    if (!mantissa.nonZero)
        return { 0.0, cursor.position() };
    return { toDouble(mantissa, exponent), cursor.position() };
}

std::optional<double> numericValue(std::string_view text)
{
    return readNumber(text).value;
}

} // namespace analysis
