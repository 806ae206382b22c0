#pragma once

#include "analysis/draw.h"

#include <cfloat>
#include <cmath>
#include <optional>
#include <string_view>

namespace analysis::detail {

/// Double arithmetic that records the run-time faults IEEE arithmetic lets pass silently:
/// division by zero (0/0 included), overflow to infinity, a negative base under a non-integral
/// exponent, zero under a negative exponent, a chart coordinate beyond single precision, and a
/// number text too large for a double. Every one of these gives a non-finite result, so one
/// check per operation covers them all. The first fault is kept, as a stop diagnostic naming
/// the step under way and the box to blame; later results are meaningless.
class CheckedArithmetic
{
public:
    /// The box a faulting operation is blamed on: the one whose value made it fault.
    using Blame = std::optional<InputBox>;

    double add(double a, double b, Blame blame = {})
    {
        return checked(a + b, Operation::Add, a, b, blame);
    }
    double subtract(double a, double b, Blame blame = {})
    {
        return checked(a - b, Operation::Subtract, a, b, blame);
    }
    double multiply(double a, double b, Blame blame = {})
    {
        return checked(a * b, Operation::Multiply, a, b, blame);
    }
    double divide(double a, double b, Blame blame = {})
    {
        return checked(a / b, Operation::Divide, a, b, blame);
    }
    double power(double base, double exponent, Blame blame = {})
    {
        return checked(std::pow(base, exponent), Operation::Power, base, exponent, blame);
    }

    /// `value` as a single-precision chart coordinate; 0 and a fault when it does not fit.
    float toChart(double value, Blame blame = {})
    {
        if (!(std::fabs(value) <= FLT_MAX)) [[unlikely]] {
            recordFault(Operation::ToChart, value, 0, blame);
            return 0;
        }
        return static_cast<float>(value);
    }

    /// The numeric value of the text of `box`; 0 and a fault when it does not fit a double.
    double read(std::string_view text, InputBox box);

    /// Stops for a parameter outside its technology's domain: `value` of `box` is not greater
    /// than `bound`.
    void outsideDomain(InputBox box, double value, double bound);

    /// Whether any operation so far has faulted.
    bool fault() const { return stop.has_value(); }
    /// The stop diagnostic of the first fault, if any.
    const std::optional<Diagnostic> &stopDiagnostic() const { return stop; }

    /// The step under way, recorded with a fault.
    DrawStep step = DrawStep::ReadInputs;

private:
    enum class Operation { Add, Subtract, Multiply, Divide, Power, ToChart, Read };

    double checked(double result, Operation operation, double a, double b, Blame blame)
    {
        if (!std::isfinite(result)) [[unlikely]]
            recordFault(operation, a, b, blame);
        return result;
    }
    void recordFault(Operation operation, double a, double b, Blame blame);

    std::optional<Diagnostic> stop;
};

} // namespace analysis::detail
