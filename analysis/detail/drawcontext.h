#pragma once

#include "analysis/detail/checkedarithmetic.h"
#include "analysis/draw.h"

#include <utility>

namespace analysis::detail {

/// What the steps of one Draw share: its inputs, the checked arithmetic and the effects emitted
/// so far. Once an operation has faulted, nothing more is emitted and the outcome is incomplete.
/// The working values (level, choice) travel between the steps as arguments and results.
class DrawContext
{
public:
    DrawContext(const DrawInputs &inputs, std::size_t expectedEffects) : inputs(inputs)
    {
        // Reserved once for the whole Draw, so the 2000-point scan never reallocates: part of
        // what keeps drawDefaultCobbDouglas within its goal in bench/bench_analysis.
        outcome.effects.reserve(expectedEffects);
    }

    /// The price of one unit of X, read from its text at each use.
    double priceX() { return arithmetic.read(inputs.priceX, InputBox::PriceX); }
    /// The price of one unit of Y, read from its text at each use.
    double priceY() { return arithmetic.read(inputs.priceY, InputBox::PriceY); }

    bool ok() const { return !arithmetic.fault(); }

    /// Appends `effect` unless a fault has ended the Draw.
    template<typename Operation>
    void emit(Operation &&effect)
    {
        if (ok())
            outcome.effects.emplace_back(std::forward<Operation>(effect));
    }

    /// Plots (x, y), in chart units, `pixels` wide, then restores the pen width 1. The
    /// coordinates are checked first, so a point off single precision's range leaves the pen
    /// width untouched.
    void markPoint(int pixels, double x, double y)
    {
        arithmetic.step = DrawStep::ChoicePoint;
        const float chartX = arithmetic.toChart(x);
        const float chartY = arithmetic.toChart(y);
        emit(SetPenWidth{ pixels });
        emit(PlotPoint{ chartX, chartY });
        emit(SetPenWidth{ 1 });
    }

    /// Adds a warning (a diagnostic that does not stop the Draw).
    void warn(Diagnostic warning) { outcome.diagnostics.push_back(std::move(warning)); }

    /// Warns when the chosen point, (x, y) in units, lies outside the chart's 0 to 10 thousand.
    void warnIfOutsideChart(double x, double y)
    {
        const auto outside = [](double value) { return !(value >= 0 && value <= 10000); };
        if (ok() && (outside(x) || outside(y))) {
            Diagnostic warning;
            warning.kind = DiagnosticKind::ChoiceOutsideChart;
            warning.step = DrawStep::Choice;
            warning.first = x;
            warning.second = y;
            warn(std::move(warning));
        }
    }

    /// The result record being written: draw() begins it with what it read, the report and
    /// the impossibility line complete it with `keepResult`.
    ResultRecord &draftResult() { return draft; }
    /// Keeps the draft, with `outcome`, as the record of the result this Draw wrote.
    void keepResult(ResultOutcome resultOutcome)
    {
        draft.outcome = resultOutcome;
        outcome.result = draft;
    }
    /// The kept record (after `keepResult`).
    ResultRecord &keptResult() { return *outcome.result; }

    DrawOutcome finish() &&;

    const DrawInputs &inputs;
    CheckedArithmetic arithmetic;

private:
    DrawOutcome outcome;
    ResultRecord draft;
};

} // namespace analysis::detail
