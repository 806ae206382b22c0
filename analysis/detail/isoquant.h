#pragma once

namespace analysis {

class DrawContext;

/// Scans the Cobb-Douglas isoquant of `level` for `scanX` = 0.001, 0.006, ..., 9.996: plots each
/// point whose `scanY` lies strictly between 0 and 10 and keeps the cheapest scanned point in
/// `minCost`, `bestX` and `bestY` (the earlier point on equal costs).
void cobbDouglasScan(DrawContext &context);

/// Draws the L-shaped fixed-proportions isoquant: two arms from (`level`, `level`) to the chart's
/// top and right edges.
void fixedProportionsIsoquant(DrawContext &context);

} // namespace analysis
