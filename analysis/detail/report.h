#pragma once

namespace analysis {

class DrawContext;

/// Sets the slope caption: priceX / priceY with the pattern "#0.##".
void writeSlope(DrawContext &context);

/// Shows the heading, appends the result line of `bestX`, `bestY` and `minCost`, each multiplied
/// by `scale`, then sets the average cost `minCost` / `quantity` with the pattern "##.##".
void writeReport(DrawContext &context, double scale, double quantity);

} // namespace analysis
