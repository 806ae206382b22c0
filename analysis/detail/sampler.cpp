#include "analysis/detail/sampler.h"

#include <algorithm>
#include <cmath>

namespace analysis::detail {

namespace {

/// The coarsest sampling, refined where the curve bends.
constexpr int initialSegments = 128;
/// Each segment of the coarsest sampling is halved at most this many times: a jump ends as a
/// stroke 1 / (128 * 4096) of the parameter's range wide.
constexpr int deepestSplit = 12;

double distanceToSegment(const Point &p, const Point &a, const Point &b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double along = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
    along = std::clamp(along, 0.0, 1.0);
    return std::hypot(p.x - (a.x + along * dx), p.y - (a.y + along * dy));
}

} // namespace

Sampler::Sampler(const PointAt &at, double maxX, double maxY, double tolerance, double overshoot)
    : at(at), scaleX(1 / maxX), scaleY(1 / maxY), tolerance(tolerance), overshoot(overshoot)
{
}

std::vector<std::vector<Point>> Sampler::sample(double from, double to)
{
    std::optional<Point> previous = at(from);
    add(previous);
    // The share of the range first (exact: a power of two), so that a range near the largest
    // double does not overflow on the way.
    const auto parameter = [&](int i) {
        return from + (to - from) * (double(i) / initialSegments);
    };
    for (int i = 1; i <= initialSegments; ++i) {
        const double t = parameter(i);
        const std::optional<Point> point = at(t);
        refine(parameter(i - 1), previous, t, point, 0);
        previous = point;
    }
    return std::move(pieces);
}

/// Adds the points after t0 up to t1.
void Sampler::refine(double t0, const std::optional<Point> &p0, double t1,
                     const std::optional<Point> &p1, int depth)
{
    if (depth < deepestSplit) {
        const double tm = (t0 + t1) / 2;
        const std::optional<Point> pm = at(tm);
        if (strays(p0, pm, p1)) {
            refine(t0, p0, tm, pm, depth + 1);
            refine(tm, pm, t1, p1, depth + 1);
            return;
        }
    }
    add(p1);
}

/// Whether the segment from p0 to p1 is too far from the curve's point pm between them.
bool Sampler::strays(const std::optional<Point> &p0, const std::optional<Point> &pm,
                     const std::optional<Point> &p1) const
{
    if (!p0 || !pm || !p1)
        return p0.has_value() || pm.has_value() || p1.has_value();
    // Beyond the same edge of the chart all three are out of sight.
    const auto right = [this](const Point &p) { return p.x > overshoot; };
    const auto above = [this](const Point &p) { return p.y > overshoot; };
    const Point a = scaled(*p0), m = scaled(*pm), b = scaled(*p1);
    if ((right(a) && right(m) && right(b)) || (above(a) && above(m) && above(b)))
        return false;
    return distanceToSegment(m, a, b) > tolerance;
}

void Sampler::add(const std::optional<Point> &point)
{
    if (!point) {
        if (!pieces.empty() && !pieces.back().empty())
            pieces.emplace_back();
        return;
    }
    if (pieces.empty())
        pieces.emplace_back();
    pieces.back().push_back(*point);
}

} // namespace analysis::detail
