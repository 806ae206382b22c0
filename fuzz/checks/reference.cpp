#include "fuzz/checks/reference.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace checks {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::optional<double> accumulate(std::string_view digits, int base)
{
    double value = 0;
    for (const char c : digits) {
        int digit = -1;
        if (isDigit(c))
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0 || digit >= base)
            break;
        value = value * base + digit;
    }
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

std::string replacePoint(const std::string &text, std::string_view separator)
{
    std::string result;
    for (const char c : text) {
        if (c == '.')
            result += separator;
        else
            result.push_back(c);
    }
    return result;
}

} // namespace

std::optional<double> referenceValue(std::string_view text)
{
    std::string s;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            s.push_back(c);
    }

    if (!s.empty() && s[0] == '&') {
        if (s.size() >= 2 && (s[1] == 'H' || s[1] == 'h'))
            return accumulate(std::string_view(s).substr(2), 16);
        if (s.size() >= 2 && (s[1] == 'O' || s[1] == 'o'))
            return accumulate(std::string_view(s).substr(2), 8);
        return 0.0;
    }

    std::size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        number.push_back(s[i++]);
    bool digits = false;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            digits = true;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
        number.push_back(s[i]);
    }
    if (!digits)
        return 0.0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent.push_back(s[j++]);
        const std::size_t firstDigit = j;
        while (j < s.size() && isDigit(s[j]))
            exponent.push_back(s[j++]);
        if (j > firstDigit)
            number += exponent;
    }

    errno = 0;
    const double value = std::strtod(number.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(value))
        return std::nullopt;
    return value == 0 ? 0.0 : value;
}

std::string referencePattern(double value, bool leadingZero, std::string_view separator)
{
    if (!std::isfinite(value))
        return {};
    // 1100 decimals hold every double's expansion exactly (at most 1074 after the point).
    std::vector<char> buffer(1500);
    std::snprintf(buffer.data(), buffer.size(), "%.1100f", std::fabs(value));
    const std::string exact(buffer.data());
    const std::size_t point = exact.find('.');
    std::string digits = exact.substr(0, point) + exact.substr(point + 1, 2);
    if (exact[point + 3] >= '5') {
        std::size_t k = digits.size();
        while (k > 0 && digits[k - 1] == '9')
            digits[--k] = '0';
        if (k == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[k - 1];
    }
    std::string integerPart = digits.substr(0, digits.size() - 2);
    std::string decimals = digits.substr(digits.size() - 2);
    while (!decimals.empty() && decimals.back() == '0')
        decimals.pop_back();
    const bool zero = integerPart == "0" && decimals.empty();
    if (!leadingZero && integerPart == "0")
        integerPart.clear();
    return (value < 0 && !zero ? "-" : "") + integerPart + std::string(separator) + decimals;
}

namespace {

/// Decimal digits and the power of ten of the first one: value = d.ddd x 10^exponent.
struct Digits
{
    std::string digits;
    int exponent = 0;
};

double readBack(const Digits &d, bool negative)
{
    char text[64];
    std::snprintf(text, sizeof text, "%s%c.%se%d", negative ? "-" : "", d.digits[0],
                  d.digits.c_str() + 1, d.exponent);
    return std::strtod(text, nullptr);
}

/// `d` moved by one unit in its last digit, up or down, keeping the number of digits.
Digits step(Digits d, bool up)
{
    std::string &s = d.digits;
    std::size_t k = s.size();
    if (up) {
        while (k > 0 && s[k - 1] == '9')
            s[--k] = '0';
        if (k == 0) {
            s.insert(s.begin(), '1');
            s.pop_back();
            ++d.exponent;
        } else {
            ++s[k - 1];
        }
    } else {
        while (k > 0 && s[k - 1] == '0')
            s[--k] = '9';
        --s[k - 1]; // never below 1 0 0..., as the first digit is not 0
        if (s[0] == '0') {
            s.erase(s.begin());
            s.push_back('9');
            --d.exponent;
        }
    }
    return d;
}

/// The fewest digits that read back as `value`; of several, the one nearest to it. The nearest
/// p-digit decimal may miss at a power of two, where the doubles below lie twice as close, and
/// then its neighbour on the other side may still read back.
Digits shortestDigits(double value)
{
    const bool negative = value < 0;
    char buffer[64];
    for (int precision = 1;; ++precision) {
        std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, std::fabs(value));
        const std::string text(buffer);
        const std::size_t e = text.find('e');
        Digits nearest;
        for (const char c : text.substr(0, e)) {
            if (c != '.')
                nearest.digits.push_back(c);
        }
        nearest.exponent = std::atoi(text.c_str() + e + 1);
        if (readBack(nearest, negative) == value || precision == 17)
            return nearest;
        for (const bool up : { true, false }) {
            const Digits other = step(nearest, up);
            if (readBack(other, negative) == value)
                return other;
        }
    }
}

} // namespace

std::string referencePlain(double value, std::string_view separator)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0)
        return "0";
    const bool negative = value < 0;
    Digits shortest = shortestDigits(value);
    std::string &digits = shortest.digits;
    const int exponent = shortest.exponent;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string result;
    const double magnitude = std::fabs(value);
    if (magnitude >= 1e15 || magnitude < 1e-4) {
        result = digits.substr(0, 1);
        if (digits.size() > 1) {
            result += '.';
            result += digits.substr(1);
        }
        char tail[16];
        std::snprintf(tail, sizeof tail, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        result += tail;
    } else if (exponent >= 0) {
        const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            result = digits + std::string(integerDigits - digits.size(), '0');
        } else {
            result = digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
        }
    } else {
        result = "0.";
        result.append(static_cast<std::size_t>(-exponent - 1), '0');
        result += digits;
    }
    std::string signedText = negative ? "-" : "";
    signedText += replacePoint(result, separator);
    return signedText;
}

} // namespace checks
