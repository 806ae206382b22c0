#pragma once

#include "analysis/detail/technologysteps.h"

namespace analysis::detail {

class DrawContext;

/// The short-period Draw after the parameters are loaded: the fixed Y read from its text, the
/// heading, the technology's choice (or the impossibility line) and its report.
void shortPeriodDraw(DrawContext &context, const TechnologyEntry &technology,
                     const TechnologyParameters &parameters, const Level &level);

/// Marks the short-period `choice`, given in units, 4 pixels wide on the chart (thousands).
void markChoice(DrawContext &context, const UnitChoice &choice);

/// The cost in units of `x` of X and `y` of Y at the prices of their texts.
double costOf(DrawContext &context, double x, double y);

} // namespace analysis::detail
