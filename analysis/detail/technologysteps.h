#pragma once

#include "analysis/technologies.h"

#include <cstddef>
#include <optional>

namespace analysis::detail {

class DrawContext;

/// The level of production as read, in units, and in chart units (thousands).
struct Level
{
    double units = 0, thousands = 0;
};

/// The combination a long-run Draw chose, with its cost: in chart units (thousands of X and Y,
/// cost in thousands), the unit of the long run's isoquants, or in plain units when it was
/// computed exactly beyond what the chart's isoquant reaches.
struct LongRunChoice
{
    double x = 0, y = 0, cost = 0;
    bool inUnits = false; ///< true: plain units; false: chart units
    bool tie = false; ///< another, different combination costs exactly as much
    /// The cheapest of the isoquant's scanned points, near the cheapest combination but not it.
    bool scanned = false;
};

/// A chosen combination in plain units: the unit of the short period, whose fixed Y is typed in
/// units.
struct UnitChoice
{
    double x = 0, y = 0, cost = 0;
};

/// The steps of a Draw that differ from technology to technology.
struct TechnologySteps
{
    /// Long run: draws the isoquant of `level` and the isocost line of the cheapest combination
    /// on it (marking that combination where the technology does), and returns it.
    LongRunChoice (*longRun)(DrawContext &context, const TechnologyParameters &parameters,
                             const Level &level);
    /// Short period: the combination that produces `levelUnits` with Y fixed at `fixedY`, marked
    /// on the chart with the slope written; empty when the level cannot be produced (the
    /// impossibility line is written instead).
    std::optional<UnitChoice> (*shortPeriod)(DrawContext &context,
                                             const TechnologyParameters &parameters, double fixedY,
                                             double levelUnits);
    /// How many points the long-run isoquant plots at most, for the effect list's reserve.
    std::size_t longRunPoints;
};

} // namespace analysis::detail
