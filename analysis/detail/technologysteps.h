#pragma once

#include "analysis/technologies.h"

#include <cstddef>
#include <optional>

namespace analysis::detail {

class DrawContext;

/// A chosen combination in chart units (thousands of X and Y, cost in thousands): the unit of
/// the long run, whose quantities are drawn as they are.
struct ChartChoice
{
    double x = 0, y = 0, cost = 0;
    int optimumPoints = 1; ///< 2 when another, different combination costs exactly as much
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
    /// Long run: draws the isoquant of `levelThousands` and the isocost line of the cheapest
    /// combination on it (marking that combination where the technology does), and returns it.
    ChartChoice (*longRun)(DrawContext &context, const TechnologyParameters &parameters,
                           double levelThousands);
    /// Short period: the combination that produces `levelUnits` with Y fixed at `fixedY`, marked
    /// on the chart with the slope written; empty when the level cannot be produced (the
    /// impossibility line is written instead).
    std::optional<UnitChoice> (*shortPeriod)(DrawContext &context,
                                             const TechnologyParameters &parameters, double fixedY,
                                             double levelUnits);
    /// How many points the long-run isoquant plots at most, for the effect list's reserve.
    std::size_t longRunPoints;
};

extern const TechnologySteps perfectSubstitutesSteps;
extern const TechnologySteps fixedProportionsSteps;
extern const TechnologySteps cobbDouglasSteps;

} // namespace analysis::detail
