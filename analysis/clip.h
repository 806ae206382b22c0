#pragma once

#include <optional>
#include <span>
#include <utility>
#include <vector>

// The one segment clipper of every chart: the main window's and the curves windows'.

namespace analysis {

/// A point of a chart, in any unit both axes share with the box it is clipped to.
struct Point
{
    double x = 0, y = 0;
    bool operator==(const Point &) const = default;
};

/// A closed box: every point with minX <= x <= maxX and minY <= y <= maxY.
struct Box
{
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
};

/// The part of the segment from `a` to `b` inside `box` (its edges included), from the end
/// nearer `a`; nothing when no part of it lies inside or an end is not finite. An end inside the
/// box is kept exactly; each crossing lies exactly on its edge, with its other coordinate
/// computed from that edge, so far and tiny coordinates keep the crossing on the segment and both
/// ends inside the box.
std::optional<std::pair<Point, Point>> clipSegment(Point a, Point b, const Box &box);

/// The parts of the polyline through `points` inside `box`, each a polyline of its own: a
/// polyline that leaves the box and comes back is cut in two. Each segment is clipped as
/// clipSegment clips it; the points inside the box are kept exactly.
std::vector<std::vector<Point>> clipPolyline(std::span<const Point> points, const Box &box);

} // namespace analysis
