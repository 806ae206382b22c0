#include "analysis/clip.h"

#include <algorithm>
#include <cmath>

namespace analysis {

namespace {

bool finite(const Point &p)
{
    return std::isfinite(p.x) && std::isfinite(p.y);
}

/// The other coordinate of the point where the segment from p to q crosses the line `edge`:
/// `across` is each end's coordinate on the axis the edge cuts, `along` its other one. The ends
/// lie on either side of the edge, or one on it.
double crossing(double edge, double pAcross, double pAlong, double qAcross, double qAlong)
{
    // Walked from the end nearer the edge: the share of the segment is then at most a half, and
    // a far end cannot swamp the near end's digits.
    if (std::fabs(qAcross - edge) < std::fabs(pAcross - edge)) {
        std::swap(pAcross, qAcross);
        std::swap(pAlong, qAlong);
    }
    const double result = pAlong + (edge - pAcross) / (qAcross - pAcross) * (qAlong - pAlong);
    if (std::isfinite(result))
        return result;
    // A difference beyond a double's range: the same computed in halves.
    const double share = (edge / 2 - pAcross / 2) / (qAcross / 2 - pAcross / 2);
    const double halves = pAlong + 2 * share * (qAlong / 2 - pAlong / 2);
    return std::isfinite(halves) ? halves : pAlong;
}

/// Cuts the segment a-b to low <= across <= high on one axis, `Across` and `Along` naming the
/// coordinates of that axis and of the other; false when the segment lies wholly beyond one end.
template<double Point::*Across, double Point::*Along>
bool clipAxis(Point &a, Point &b, double low, double high)
{
    if ((a.*Across < low && b.*Across < low) || (a.*Across > high && b.*Across > high))
        return false;
    for (const double edge : { low, high }) {
        const bool beyond = edge == low ? a.*Across < low : a.*Across > high;
        const bool otherBeyond = edge == low ? b.*Across < low : b.*Across > high;
        Point &end = beyond ? a : b;
        const Point &other = beyond ? b : a;
        if (beyond || otherBeyond) {
            end.*Along = crossing(edge, end.*Across, end.*Along, other.*Across, other.*Along);
            end.*Across = edge;
        }
    }
    return true;
}

} // namespace

std::optional<std::pair<Point, Point>> clipSegment(Point a, Point b, const Box &box)
{
    if (!finite(a) || !finite(b))
        return std::nullopt;
    if (!clipAxis<&Point::x, &Point::y>(a, b, box.minX, box.maxX)
        || !clipAxis<&Point::y, &Point::x>(a, b, box.minY, box.maxY))
        return std::nullopt;
    // A crossing on a Y edge lies between two X within the box; rounding may leave it a last
    // digit outside, where the box's edge is the nearer point of the segment.
    for (Point *end : { &a, &b }) {
        end->x = std::clamp(end->x, box.minX, box.maxX);
        end->y = std::clamp(end->y, box.minY, box.maxY);
    }
    return std::pair{ a, b };
}

} // namespace analysis
