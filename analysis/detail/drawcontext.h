#pragma once

#include "analysis/detail/checkedarithmetic.h"
#include "analysis/draw.h"
#include "analysis/detail/technology.h"

#include <utility>

namespace analysis {

/// The state of one Draw: its inputs, working values, checked arithmetic and emitted effects.
/// Once an operation has faulted, nothing more is emitted and the outcome is incomplete.
class DrawContext
{
public:
    DrawContext(const DrawInputs &inputs, std::size_t expectedEffects) : inputs(inputs)
    {
        outcome.effects.reserve(expectedEffects);
    }

    /// The price of one unit of X, read from its text at each use.
    double priceX() { return arithmetic.read(inputs.priceX); }
    /// The price of one unit of Y, read from its text at each use.
    double priceY() { return arithmetic.read(inputs.priceY); }

    bool ok() const { return !arithmetic.fault(); }

    /// Appends `effect` unless a fault has ended the Draw.
    template<typename Operation>
    void emit(Operation &&effect)
    {
        if (ok())
            outcome.effects.emplace_back(std::forward<Operation>(effect));
    }

    /// Plots (x, y) `pixels` wide, then restores the pen width 1. The coordinates are checked
    /// first, so a point off single precision's range leaves the pen width untouched.
    void markPoint(int pixels, double x, double y)
    {
        const float chartX = arithmetic.toChart(x);
        const float chartY = arithmetic.toChart(y);
        emit(SetPenWidth{ pixels });
        emit(PlotPoint{ chartX, chartY });
        emit(SetPenWidth{ 1 });
    }

    DrawOutcome finish() &&
    {
        outcome.completed = ok();
        return std::move(outcome);
    }

    const DrawInputs &inputs;
    CheckedArithmetic arithmetic;
    TechnologyParameters parameters;
    double level = 0; ///< long run: chart units (thousands); short period: units
    double minCost = 0; ///< cost of the chosen combination, set by every choice
    double bestX = 0, bestY = 0; ///< the chosen quantities

private:
    DrawOutcome outcome;
};

} // namespace analysis
