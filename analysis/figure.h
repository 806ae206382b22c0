#pragma once

#include "analysis/clip.h"
#include "analysis/curvecharts.h"
#include "analysis/draw.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The figure of the Draws: every Draw since the last Clear that wrote a result, drawn exactly in
// plain units (not the main chart's scan) as a teacher draws it on the board.

namespace analysis {

/// A Draw that wrote a result, with its number since the last Clear.
struct NumberedResult
{
    int number = 0;
    ResultRecord result;
};

/// How far the figure's axes reach.
enum class FigureRange {
    Default, ///< 0 to 10000 on both axes, as on the main chart
    FitToDraws ///< every marked point, and the lines' intercepts up to twice as far
};

/// A straight segment of the figure, from `first` to `second`.
using Segment = std::pair<Point, Point>;

/// What the figure shows of one Draw, in plain units, clipped to the figure's axes.
struct FigureDraw
{
    int number = 0; ///< the Draw's number since the last Clear
    /// The isoquant of the Draw's level: polylines within the axes (none where it lies beyond).
    std::vector<std::vector<Point>> isoquant;
    /// The isocost line through the chosen combination; none when the level cannot be reached,
    /// or where the line lies beyond the axes.
    std::optional<Segment> isocost;
    /// The short period's fixed Y across the axes; none in the long run or beyond the axes.
    std::optional<Segment> fixedY;
    /// The combination the Draw reported; none when the level cannot be reached. It may lie
    /// beyond the axes.
    std::optional<Point> chosen;
    /// The Draw in one line, its numbers written as on the result line: "1  Cobb-Douglas (a .7,
    /// b .3), long run: 3000 at prices 6 and 10 → X 4511, Y 1158.16, cost 38647.57".
    std::string legend;
};

/// The axes "Input X" and "Input Y" from 0, with their marks at 1, 2 or 5 times a power of ten.
struct FigureAxes
{
    Axis horizontal, vertical;
};

/// The whole figure: its axes and, oldest first, each Draw.
struct Figure
{
    FigureAxes axes;
    std::vector<FigureDraw> draws;
};

/// The axes that `range` gives for these Draws (the default axes when there are none to fit).
FigureAxes figureAxes(std::span<const NumberedResult> draws, FigureRange range);

/// Whether two Draws have the same isoquant: the same technology, parameters and level (their
/// prices and periods may differ, as when a class compares the choices on one isoquant).
bool sameIsoquant(const ResultRecord &a, const ResultRecord &b);

/// One Draw of the figure on `axes`; `decimalSeparator` is the regional one, for its legend.
/// `earlier`, when given, is a Draw of the figure on the same axes with the same isoquant
/// (`sameIsoquant`): its sampled isoquant is taken rather than sampled again.
FigureDraw figureDraw(const NumberedResult &draw, const FigureAxes &axes,
                      std::string_view decimalSeparator, const FigureDraw *earlier = nullptr);

/// The Draw among the first `index` of `shown`, the figure of `draws` on the same axes, whose
/// isoquant is that of `draws[index]`: the latest such; none when there is none.
const FigureDraw *sameIsoquantBefore(std::span<const NumberedResult> draws,
                                     std::span<const FigureDraw> shown, std::size_t index);

/// The figure of `draws`, oldest first. Pure; never throws.
Figure figure(std::span<const NumberedResult> draws, FigureRange range,
              std::string_view decimalSeparator);

} // namespace analysis
