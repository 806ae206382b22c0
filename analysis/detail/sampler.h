#pragma once

#include "analysis/clip.h"

#include <functional>
#include <optional>
#include <vector>

// The adaptive sampling of an exact curve into polylines, shared by the curves windows' charts
// and the figure of the Draws.

namespace analysis::detail {

/// A curve's point at a value of its parameter, in the units of a chart's axes; none where the
/// curve is undefined.
using PointAt = std::function<std::optional<Point>(double)>;

/// Samples a curve point by point along its parameter and halves every segment that strays
/// from the curve by more than a tolerance, so that the polyline looks smooth however large the
/// chart is drawn, and a jump becomes a straight stroke.
class Sampler
{
public:
    /// The chart's axes run from 0 to `maxX` and `maxY`. `tolerance` is the largest distance a
    /// segment may stray from the curve, as a share of the axes (each measured on its own
    /// axis); beyond `overshoot` times an axis's end the curve is out of sight and is not
    /// refined.
    Sampler(const PointAt &at, double maxX, double maxY, double tolerance, double overshoot);

    /// The curve from the parameter `from` to `to`, cut where it is undefined.
    std::vector<std::vector<Point>> sample(double from, double to);

private:
    void refine(double t0, const std::optional<Point> &p0, double t1,
                const std::optional<Point> &p1, int depth);
    bool strays(const std::optional<Point> &p0, const std::optional<Point> &pm,
                const std::optional<Point> &p1) const;
    Point scaled(const Point &p) const { return { p.x * scaleX, p.y * scaleY }; }
    void add(const std::optional<Point> &point);

    const PointAt &at;
    double scaleX, scaleY, tolerance, overshoot;
    std::vector<std::vector<Point>> pieces;
};

} // namespace analysis::detail
