#pragma once

#include "analysis/clip.h"
#include "analysis/draw.h"

#include <optional>
#include <string>
#include <vector>

// The charts of the cost-curve and input-demand windows, computed from the same texts and flags
// as a Draw: axes, curves as polylines in plain units, and the marker of the current inputs.

namespace analysis {

/// Which curve a polyline traces; the window gives each its legend text, colour and line style.
enum class CurveKind {
    LongRunTotal,
    LongRunAverage,
    LongRunMarginal,
    ShortTotal,
    ShortAverage,
    ShortAverageVariable,
    ShortAverageFixed,
    ShortMarginal,
    DemandX,
    DemandY,
    InverseDemandX,
    BudgetLine, ///< the consumer's budget line (before a price change: the old one)
    NewBudgetLine, ///< the budget line after the price of X changed
    CompensatedBudgetLine, ///< the new prices with the income that compensates the change
    IndifferenceCurve, ///< through a chosen basket (before a price change: the old one)
    NewIndifferenceCurve, ///< through the basket chosen after the price of X changed
    IncomeConsumptionPath, ///< the chosen baskets as income rises
    EngelX, ///< the quantity of X chosen against income
    EngelY, ///< the quantity of Y chosen against income
    FixedY ///< the short period's fixed Y, where the long run has the demand for Y
};

/// A point in the units of a chart's axes.
using CurvePoint = Point;

/// One curve: polylines in axis units, cut where the curve is undefined or leaves the chart.
/// A jump (a kink of a step-shaped curve) is joined by a vertical or horizontal stroke: at that
/// value every point of the stroke belongs to the curve.
struct Curve
{
    CurveKind kind = CurveKind::LongRunTotal;
    std::vector<std::vector<CurvePoint>> pieces;
    std::optional<CurvePoint> marker; ///< the curve at the current level or price of X
};

/// An axis from 0 to `max`, with a scale mark at every multiple of `step`.
struct Axis
{
    std::string title;
    double max = 1, step = 1;
};

/// One chart: its axes, its curves and where the current level or price of X lies across.
struct CurveChart
{
    std::string title;
    Axis horizontal, vertical;
    std::vector<Curve> curves;
    double markerAt = 0; ///< on the horizontal axis
};

/// What a curves window shows: either one line naming the box out of range and no charts, or a
/// caption and the charts.
struct CurveCharts
{
    std::string outOfRange;
    std::string caption;
    std::vector<CurveChart> charts;
};

/// Total costs, then costs per unit, of levels from 0 to beyond the current one; in the short
/// period the short-period curves with the long-run ones.
CurveCharts costCurveCharts(const DrawInputs &inputs);
/// The demands for X and Y as the price of X varies (the level and the price of Y fixed), then
/// the inverse demand for X: the same demand for X read with the price upwards.
CurveCharts inputDemandCharts(const DrawInputs &inputs);

} // namespace analysis
