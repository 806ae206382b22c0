#pragma once

namespace analysis {

class DrawContext;

/// The short-period Draw after the parameters are loaded: the quantity of X that produces the
/// level with Y fixed at the value of its text, its point and report, or for fixed proportions
/// the impossibility line when the fixed Y is below the level.
void shortPeriodChoice(DrawContext &context);

} // namespace analysis
