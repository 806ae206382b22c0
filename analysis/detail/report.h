#pragma once

#include "analysis/detail/technologysteps.h"

namespace analysis::detail {

class DrawContext;

/// Sets the slope caption: priceX / priceY with the pattern "#0.##"; notes it in the record.
void writeSlope(DrawContext &context);

/// Shows the heading, appends the result line of the long-run `choice` in units (chart units
/// times 1000), introduced as one of many when it is tied, then sets the average cost, the
/// choice's cost over the level in the choice's own unit. Completes the result record.
void writeReport(DrawContext &context, const LongRunChoice &choice, const Level &level);

/// Shows the heading, appends the result line of the short-period `choice`, then sets the
/// average cost, the choice's cost over `levelUnits`. Completes the result record.
void writeReport(DrawContext &context, const UnitChoice &choice, double levelUnits);

} // namespace analysis::detail
