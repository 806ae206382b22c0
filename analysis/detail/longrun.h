#pragma once

namespace analysis {
struct TechnologyEntry;
struct TechnologyParameters;
} // namespace analysis

namespace analysis::detail {

class DrawContext;
struct Level;

/// The long-run Draw after the parameters are loaded: heading, isoquant and choice of the
/// technology, isocost line, slope, result line and average cost.
void longRunDraw(DrawContext &context, const TechnologyEntry &technology,
                 const TechnologyParameters &parameters, const Level &level);

/// The isocost line of `costThousands`, from its X intercept to its Y intercept.
void drawIsocost(DrawContext &context, double costThousands);

} // namespace analysis::detail
