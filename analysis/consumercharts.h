#pragma once

#include "analysis/consumer.h"
#include "analysis/curvecharts.h"

#include <string>
#include <vector>

// The charts and texts of the two consumer windows, computed from the texts of their boxes:
// the Engel curves window and the price-change window. Quantities and incomes in plain units.

namespace analysis {

/// The compensation the price-change window shows.
enum class Compensation { Hicks = 1, Slutsky = 2 };

/// The texts and choices of a consumer window's controls.
struct ConsumerInputs
{
    std::string income = "120", priceX = "2", priceY = "3"; ///< Income, PriceX, PriceY
    std::string newPriceX = "1"; ///< NewPriceX, read by the price-change window only
    PreferenceType preference = PreferenceType::CobbDouglas; ///< the option button selected
    std::string parameterA = ".5", parameterB = ".5"; ///< ParameterA, ParameterB
    Compensation compensation = Compensation::Hicks; ///< read by the price-change window only
    std::string decimalSeparator = "."; ///< of the user's regional settings
};

/// A point of a chart with a short label beside it: "A", "B", "C", or a basket's income.
struct MarkedPoint
{
    std::string label;
    CurvePoint at; ///< in axis units
};

/// The effect on X that an arrow shows.
enum class EffectKind { Substitution, Income };

/// An arrow under the horizontal axis from one quantity of X to another (equal when the
/// effect is 0).
struct EffectArrow
{
    EffectKind kind = EffectKind::Substitution;
    double from = 0, to = 0; ///< in units of the horizontal axis
};

/// One chart of a consumer window: the axes and curves (each chosen basket is the marker of
/// the curve through it), the labelled points and the arrows of the effects.
struct ConsumerChart
{
    CurveChart chart;
    std::vector<MarkedPoint> points;
    std::vector<EffectArrow> arrows;
};

/// What a consumer window shows: either one line naming the box out of range (or saying that
/// the numbers are beyond a double) and no charts, or a summary and the charts.
struct ConsumerCharts
{
    std::string outOfRange;
    /// Lines ended by "\n" but the last; on a tie of perfect substitutes a last line says that
    /// every basket on the budget line is as good.
    std::string summary;
    std::vector<ConsumerChart> charts;
};

/// The Engel curves window: the consumer's map (the budget lines of half, once, one and a half
/// and twice the income, the indifference curves through the baskets chosen on them, labelled
/// with their incomes, and the income-consumption path), then the quantities of X and Y
/// chosen against incomes from 0 to twice the income, marked at the income. The summary says
/// the basket chosen at the income and the income elasticity of X there.
ConsumerCharts engelCharts(const ConsumerInputs &inputs);

/// The price-change window: one chart with the old, new and compensated budget lines (Hicks:
/// tangent to the old indifference curve at B; Slutsky: through A), the indifference curves
/// through A (before) and C (after), the points A, B and C, and the arrows of the substitution
/// effect (A to B) and of the income effect (B to C). The summary says X before and after, the
/// two effects and their sum, and the compensating and equivalent variations.
ConsumerCharts priceEffectCharts(const ConsumerInputs &inputs);

} // namespace analysis
