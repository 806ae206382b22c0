#include "analysis/clip.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace analysis {

namespace {

bool finite(const Point &p)
{
    return std::isfinite(p.x) && std::isfinite(p.y);
}

/// The double halfway between a and b, rounded once at the scale of the result: as halves of
/// normal numbers, or as a difference for tiny ones, whose halves would lose their last digit.
double middle(double a, double b)
{
    constexpr double tiny = 4 * DBL_MIN;
    const double m = std::fabs(a) < tiny && std::fabs(b) < tiny ? a + (b - a) / 2 : a / 2 + b / 2;
    return std::clamp(m, std::min(a, b), std::max(a, b));
}

/// run / span of `delta`: a share of a length. A share below the normal doubles would keep few
/// of its digits, so it is then taken of a scaled run.
double shareOf(double run, double span, double delta)
{
    const double share = run / span;
    if (run == 0 || std::fabs(share) >= DBL_MIN)
        return share * delta;
    constexpr int scale = 600;
    return std::ldexp(std::ldexp(run, scale) / span * delta, -scale);
}

/// The point where the segment from `inside` (on the box's side of the edge `across` = `edge`,
/// or on it) to `beyond` (strictly beyond it) meets the edge; `reach` is the box's extent on the
/// other axis, `along`.
///
/// The crossing is computed from the edge: the other coordinate is the nearer end's plus its
/// share of the way. That share rounds at the scale of its own length, so it is taken only when
/// the length is within a few times the box's reach; a crossing between two far ends is first
/// brought near by halving the segment, keeping the half that still crosses. A halving rounds
/// only at the scale of the point it makes, and a far point's rounding fades by half at each
/// later halving. Far and tiny ends alike leave the crossing exact to the box's last digits.
template<double Point::*Across, double Point::*Along>
Point crossing(Point inside, Point beyond, double edge, double reach)
{
    const auto fromEnd = [edge, reach](const Point &from, const Point &to) -> std::optional<Point> {
        const double step =
                shareOf(edge - from.*Across, to.*Across - from.*Across, to.*Along - from.*Along);
        if (!(std::fabs(step) <= 4 * reach))
            return std::nullopt; // too long a way, or beyond the doubles
        Point at;
        at.*Across = edge;
        at.*Along = from.*Along + step;
        return at;
    };
    const bool insideNearer = std::fabs(edge - inside.*Across) <= std::fabs(beyond.*Across - edge);
    if (const auto at = insideNearer ? fromEnd(inside, beyond) : fromEnd(beyond, inside))
        return *at;

    const bool below = beyond.*Across < edge;
    // At most a halving per bit of the exponents' and the mantissas' range on each axis.
    for (int halvings = 0; halvings < 2 * 2200; ++halvings) {
        if (const auto at = fromEnd(inside, beyond))
            return *at;
        const Point halfway{ middle(inside.x, beyond.x), middle(inside.y, beyond.y) };
        if (halfway == inside || halfway == beyond)
            break;
        const bool halfwayBeyond = below ? halfway.*Across < edge : halfway.*Across > edge;
        (halfwayBeyond ? beyond : inside) = halfway;
    }
    inside.*Across = edge;
    return inside;
}

/// Cuts the segment a-b to low <= across <= high on one axis, `Across` naming that coordinate
/// and `Along` the other, whose range on the box reaches `reach`; false when the segment lies
/// wholly beyond one end.
template<double Point::*Across, double Point::*Along>
bool clipAxis(Point &a, Point &b, double low, double high, double reach)
{
    if ((a.*Across < low && b.*Across < low) || (a.*Across > high && b.*Across > high))
        return false;
    if (a.*Across < low)
        a = crossing<Across, Along>(b, a, low, reach);
    else if (b.*Across < low)
        b = crossing<Across, Along>(a, b, low, reach);
    if (a.*Across > high)
        a = crossing<Across, Along>(b, a, high, reach);
    else if (b.*Across > high)
        b = crossing<Across, Along>(a, b, high, reach);
    return true;
}

/// How far a range reaches from 0: the larger of its ends' magnitudes and its length.
double reachOf(double low, double high)
{
    return std::max({ std::fabs(low), std::fabs(high), high - low });
}

} // namespace

std::optional<std::pair<Point, Point>> clipSegment(Point a, Point b, const Box &box)
{
    if (!finite(a) || !finite(b))
        return std::nullopt;
    if (!clipAxis<&Point::x, &Point::y>(a, b, box.minX, box.maxX, reachOf(box.minY, box.maxY))
        || !clipAxis<&Point::y, &Point::x>(a, b, box.minY, box.maxY, reachOf(box.minX, box.maxX)))
        return std::nullopt;
    // A crossing on an edge of Y lies between two points within the edges of X, but its last
    // digit may fall outside them; the edge is then the nearest point of the segment.
    for (Point *end : { &a, &b }) {
        end->x = std::clamp(end->x, box.minX, box.maxX);
        end->y = std::clamp(end->y, box.minY, box.maxY);
    }
    return std::pair{ a, b };
}

std::vector<std::vector<Point>> clipPolyline(std::span<const Point> points, const Box &box)
{
    std::vector<std::vector<Point>> kept;
    bool joined = false; // the last kept segment ended at this segment's start
    for (std::size_t i = 1; i < points.size(); ++i) {
        const auto inside = clipSegment(points[i - 1], points[i], box);
        if (!inside) {
            joined = false;
            continue;
        }
        const auto &[a, b] = *inside;
        if (!joined || !(a == points[i - 1]))
            kept.push_back({ a });
        kept.back().push_back(b);
        joined = b == points[i];
    }
    return kept;
}

} // namespace analysis
