#pragma once

#include "analysis/curvecharts.h"
#include "analysis/detail/sampler.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// What the charts of the curves windows and of the consumer windows share: reading a box
// against its domain, axes with round scale marks, and curves sampled finely enough to look
// smooth at any zoom (detail::Sampler) and kept within their chart.

namespace analysis::detail {

/// Curves are kept to this share beyond the ends of the axes, so that the window's clip, not a
/// cut in the polyline, makes their edge.
constexpr double overshoot = 1.02;
/// The largest distance, as a share of an axis, that a segment may stray from its curve: a
/// quarter of a pixel on a chart 1600 pixels wide, a 400-pixel chart at 400 % zoom. Checked
/// by bench_curves.
constexpr double curveTolerance = 0.25 / 1600;

using Piece = std::vector<CurvePoint>;

/// The numeric value of a box's text, read as the main window reads it, when it is finite and
/// above 0 (or 0 when `zeroAllowed`); otherwise nullopt, and `outOfRange`, if still empty,
/// names the box and what it must be.
std::optional<double> readBox(const std::string &text, const std::string &box, bool zeroAllowed,
                              std::string &outOfRange);

/// An axis from 0 to `extent` or a little more, its scale marks 1, 2, 2.5 or 5 times a power of
/// ten apart, four to ten of them; nullopt when `extent` is too large for a scale.
std::optional<Axis> niceAxis(std::string title, double extent);

/// The curve traced by `at` from the parameter `from` to `to`, sampled within `tolerance` (a
/// share of each axis) and cut to the chart and its overshoot. Defined beside the segment
/// clipper, in curvecharts.cpp.
Curve trace(CurveKind kind, const PointAt &at, double from, double to, const Axis &horizontal,
            const Axis &vertical, std::optional<CurvePoint> marker,
            double tolerance = curveTolerance);

} // namespace analysis::detail
