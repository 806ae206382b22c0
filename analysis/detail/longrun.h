#pragma once

namespace analysis {

class DrawContext;

/// The long-run Draw after the parameters are loaded: heading, isoquant and choice of the
/// technology, isocost line, slope, result line and average cost.
void longRunChoice(DrawContext &context);

} // namespace analysis
