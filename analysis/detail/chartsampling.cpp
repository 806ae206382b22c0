#include "analysis/detail/chartsampling.h"

#include "analysis/numericvalue.h"

#include <algorithm>
#include <cmath>

namespace analysis::detail {

namespace {

/// The coarsest sampling, refined where the curve bends.
constexpr int initialSegments = 128;
/// Each segment of the coarsest sampling is halved at most this many times: a jump ends as a
/// stroke 1 / (128 * 4096) of the axis wide.
constexpr int deepestSplit = 12;

double distanceToSegment(const CurvePoint &p, const CurvePoint &a, const CurvePoint &b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double along = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
    along = std::clamp(along, 0.0, 1.0);
    return std::hypot(p.x - (a.x + along * dx), p.y - (a.y + along * dy));
}

} // namespace

std::optional<double> readBox(const std::string &text, const std::string &box, bool zeroAllowed,
                              std::string &outOfRange)
{
    const std::optional<double> value = numericValue(text);
    if (value && std::isfinite(*value) && (*value > 0 || (zeroAllowed && *value == 0)))
        return value;
    if (outOfRange.empty())
        outOfRange = box + " is out of range: it must be a number "
                + (zeroAllowed ? "of at least 0." : "greater than 0.");
    return std::nullopt;
}

std::optional<Axis> niceAxis(std::string title, double extent)
{
    if (!(extent > 0))
        extent = 1;
    const double rough = extent / 5;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10 * power;
    for (const double multiple : { 1.0, 2.0, 2.5, 5.0 }) {
        if (multiple * power >= rough) {
            step = multiple * power;
            break;
        }
    }
    const double max = std::ceil(extent / step * (1 - 1e-12)) * step;
    if (!std::isfinite(max) || !(step > 0))
        return std::nullopt;
    return Axis{ std::move(title), max, step };
}

Sampler::Sampler(const PointAt &at, const Axis &horizontal, const Axis &vertical, double tolerance)
    : at(at), scaleX(1 / horizontal.max), scaleY(1 / vertical.max), tolerance(tolerance)
{
}

std::vector<Piece> Sampler::sample(double from, double to)
{
    std::optional<CurvePoint> previous = at(from);
    add(previous);
    // The share of the range first (exact: a power of two), so that a range near the largest
    // double does not overflow on the way.
    const auto parameter = [&](int i) {
        return from + (to - from) * (double(i) / initialSegments);
    };
    for (int i = 1; i <= initialSegments; ++i) {
        const double t = parameter(i);
        const std::optional<CurvePoint> point = at(t);
        refine(parameter(i - 1), previous, t, point, 0);
        previous = point;
    }
    return std::move(pieces);
}

/// Adds the points after t0 up to t1.
void Sampler::refine(double t0, const std::optional<CurvePoint> &p0, double t1,
                     const std::optional<CurvePoint> &p1, int depth)
{
    if (depth < deepestSplit) {
        const double tm = (t0 + t1) / 2;
        const std::optional<CurvePoint> pm = at(tm);
        if (strays(p0, pm, p1)) {
            refine(t0, p0, tm, pm, depth + 1);
            refine(tm, pm, t1, p1, depth + 1);
            return;
        }
    }
    add(p1);
}

/// Whether the segment from p0 to p1 is too far from the curve's point pm between them.
bool Sampler::strays(const std::optional<CurvePoint> &p0, const std::optional<CurvePoint> &pm,
                     const std::optional<CurvePoint> &p1) const
{
    if (!p0 || !pm || !p1)
        return p0.has_value() || pm.has_value() || p1.has_value();
    // Beyond the same edge of the chart all three are out of sight.
    const auto right = [](const CurvePoint &p) { return p.x > overshoot * 1; };
    const auto above = [](const CurvePoint &p) { return p.y > overshoot * 1; };
    const CurvePoint a = scaled(*p0), m = scaled(*pm), b = scaled(*p1);
    if ((right(a) && right(m) && right(b)) || (above(a) && above(m) && above(b)))
        return false;
    return distanceToSegment(m, a, b) > tolerance;
}

void Sampler::add(const std::optional<CurvePoint> &point)
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
