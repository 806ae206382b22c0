#include "analysis/detail/checkedarithmetic.h"

#include "analysis/numericvalue.h"

namespace analysis::detail {

double CheckedArithmetic::read(std::string_view text, InputBox box)
{
    const auto value = numericValue(text);
    if (!value) [[unlikely]] {
        const bool first = !stop;
        recordFault(Operation::Read, 0, 0, box);
        if (first)
            stop->text = text;
        return 0;
    }
    return *value;
}

void CheckedArithmetic::outsideDomain(InputBox box, double value, double bound)
{
    if (stop)
        return;
    Diagnostic diagnostic;
    diagnostic.kind = DiagnosticKind::OutsideDomain;
    diagnostic.step = step;
    diagnostic.input = box;
    diagnostic.first = value;
    diagnostic.second = bound;
    stop = std::move(diagnostic);
}

void CheckedArithmetic::recordFault(Operation operation, double a, double b, Blame blame)
{
    if (stop)
        return;
    DiagnosticKind kind = DiagnosticKind::BeyondDouble;
    switch (operation) {
    case Operation::Divide:
        if (b == 0)
            kind = DiagnosticKind::DivisionByZero;
        break;
    case Operation::Power:
        if (a < 0 && std::trunc(b) != b)
            kind = DiagnosticKind::NegativePower;
        else if (a == 0 && b < 0)
            kind = DiagnosticKind::DivisionByZero;
        break;
    case Operation::ToChart:
        kind = DiagnosticKind::BeyondChart;
        break;
    case Operation::Add:
    case Operation::Subtract:
    case Operation::Multiply:
    case Operation::Read:
        break;
    }
    Diagnostic diagnostic;
    diagnostic.kind = kind;
    diagnostic.step = step;
    diagnostic.input = blame;
    diagnostic.first = a;
    diagnostic.second = b;
    stop = std::move(diagnostic);
}

} // namespace analysis::detail
