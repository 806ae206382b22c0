#pragma once

#include <cfloat>
#include <cmath>
#include <string_view>

namespace analysis::detail {

/// Double arithmetic that records the run-time faults IEEE arithmetic lets pass silently:
/// division by zero (0/0 included), overflow to infinity, a negative base under a non-integral
/// exponent, zero under a negative exponent, a chart coordinate beyond single precision, and a
/// number text too large for a double. Every one of these gives a non-finite result, so one
/// check per operation covers them all. The first fault is kept; later results are meaningless.
class CheckedArithmetic
{
public:
    double add(double a, double b) { return checked(a + b); }
    double subtract(double a, double b) { return checked(a - b); }
    double multiply(double a, double b) { return checked(a * b); }
    double divide(double a, double b) { return checked(a / b); }
    double power(double base, double exponent) { return checked(std::pow(base, exponent)); }

    /// `value` as a single-precision chart coordinate; 0 and a fault when it does not fit.
    float toChart(double value)
    {
        if (!(std::fabs(value) <= FLT_MAX)) {
            faulted = true;
            return 0;
        }
        return static_cast<float>(value);
    }

    /// The numeric value of `text`; 0 and a fault when it does not fit a double.
    double read(std::string_view text);

    /// Whether any operation so far has faulted.
    bool fault() const { return faulted; }

private:
    double checked(double result)
    {
        faulted |= !std::isfinite(result);
        return result;
    }

    bool faulted = false;
};

} // namespace analysis::detail
