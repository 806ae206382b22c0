#include "analysis/clip.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <ostream>
#include <random>
#include <string>

using namespace analysis;

namespace analysis {
void PrintTo(const Point &p, std::ostream *os)
{
    char text[96];
    std::snprintf(text, sizeof text, "(%a, %a)", p.x, p.y);
    *os << text;
}
} // namespace analysis

namespace {

struct ClipCase
{
    const char *name;
    Point a, b;
    Box box;
    std::optional<std::pair<Point, Point>> expected;
};

const Box tenByTen{ 0, 0, 10, 10 };

// The two findings of the curves fuzz target, as their segments reached the clipper.
const Point extremeReturnsFrom{ 0x1.e999999999999p-1, 0x1.30e5f7608d249p-319 };
const Point extremeReturnsTo{ 0x1.1d99999999999p+0, 0x1.28fe84b2b4e85p+793 };
const Box extremeReturnsChart{ 0, 0, 0x1.4666666666666p+4, 0x1.84b1bc2bab085p-462 };
const Point marginalJumpTo{ 0x1.8d216374d077dp+690, 0x1.e446f296cb6bcp+332 };
const Box marginalJumpChart{ 0, 0, 0x1.8d216374d077dp+698, 0x1.2e0aadad44feep-742 };

const ClipCase cases[] = {
    { "InsideStaysExactly",
      { 1.5, 2.5 },
      { 3.25, 7 },
      tenByTen,
      std::pair{ Point{ 1.5, 2.5 }, Point{ 3.25, 7 } } },
    { "FlatIsocostLineFromFarAway",
      { 1e25, 0 },
      { 0, 5 },
      tenByTen,
      std::pair{ Point{ 10, 5 }, Point{ 0, 5 } } },
    { "DiagonalThroughTheWholeBox",
      { -10, -10 },
      { 20, 20 },
      tenByTen,
      std::pair{ Point{ 0, 0 }, Point{ 10, 10 } } },
    { "FarEndsOnBothSides",
      { -0x1p100, 5 },
      { 0x1p100, 5 },
      tenByTen,
      std::pair{ Point{ 0, 5 }, Point{ 10, 5 } } },
    { "FarEndsThroughTheMiddle",
      { -0x1p100, -0x1p100 },
      { 0x1p100 + 0x1p48, 0x1p100 + 0x1p48 },
      { -1, -1, 1, 1 },
      std::pair{ Point{ -1, -1 }, Point{ 1, 1 } } },
    { "AlongTheTopEdge",
      { -5, 10 },
      { 15, 10 },
      tenByTen,
      std::pair{ Point{ 0, 10 }, Point{ 10, 10 } } },
    { "AlongTheLeftEdgeDownwards",
      { 0, 11 },
      { 0, -1 },
      tenByTen,
      std::pair{ Point{ 0, 10 }, Point{ 0, 0 } } },
    { "JustAboveTheTopEdge", { -5, 10.000000001 }, { 15, 10.000000001 }, tenByTen, std::nullopt },
    { "TouchingACornerFromOutside",
      { -1, 1 },
      { 1, -1 },
      tenByTen,
      std::pair{ Point{ 0, 0 }, Point{ 0, 0 } } },
    { "PassingOutsideACorner", { -2, 1 }, { 1, -2 }, tenByTen, std::nullopt },
    { "APointOnACorner",
      { 10, 10 },
      { 10, 10 },
      tenByTen,
      std::pair{ Point{ 10, 10 }, Point{ 10, 10 } } },
    { "TinyBox",
      { 0, 0 },
      { 1e-290, 1e-290 },
      { 0, 0, 1e-300, 1e-300 },
      std::pair{ Point{ 0, 0 }, Point{ 1e-300, 1e-300 } } },
    { "LargestDoubles",
      { -DBL_MAX, -DBL_MAX },
      { DBL_MAX, DBL_MAX },
      tenByTen,
      std::pair{ Point{ 0, 0 }, Point{ 10, 10 } } },
    { "NotFinite",
      { 1, 1 },
      { std::numeric_limits<double>::infinity(), 1 },
      tenByTen,
      std::nullopt },
    { "FindingOfExtremeReturnsToScaleAboveTheChart", extremeReturnsFrom, extremeReturnsTo,
      extremeReturnsChart, std::nullopt },
    { "FindingOfAMarginalCostJumpingFarAboveATinyChart",
      { 0, 0 },
      marginalJumpTo,
      marginalJumpChart,
      std::pair{ Point{ 0, 0 }, Point{ 0x1.ef60976a9eb77p-385, 0x1.2e0aadad44feep-742 } } },
};

class ClipSegment : public ::testing::TestWithParam<ClipCase>
{
};

TEST_P(ClipSegment, KeepsExactlyThePartInsideTheBox)
{
    const ClipCase &c = GetParam();
    const auto got = clipSegment(c.a, c.b, c.box);
    ASSERT_EQ(got.has_value(), c.expected.has_value());
    // Exact where the crossing is exact; a computed crossing within its last digits.
    if (got) {
        EXPECT_DOUBLE_EQ(got->first.x, c.expected->first.x);
        EXPECT_DOUBLE_EQ(got->first.y, c.expected->first.y);
        EXPECT_DOUBLE_EQ(got->second.x, c.expected->second.x);
        EXPECT_DOUBLE_EQ(got->second.y, c.expected->second.y);
    }
}

INSTANTIATE_TEST_SUITE_P(Clip, ClipSegment, ::testing::ValuesIn(cases),
                         [](const auto &info) { return std::string(info.param.name); });

/// A coordinate for a random segment: within or near the box, on its edges, or anywhere from
/// tiny to far away, of either sign.
double randomCoordinate(std::mt19937_64 &random, double low, double high)
{
    const double share = std::uniform_real_distribution(-0.5, 1.5)(random);
    switch (random() % 6) {
    case 0:
        return random() % 2 ? low : high;
    case 1:
    case 2:
        return low + share * (high - low);
    default: {
        const double magnitude =
                std::pow(10.0, std::uniform_real_distribution(-320.0, 300.0)(random));
        return random() % 2 ? magnitude : -magnitude;
    }
    }
}

bool inside(const Point &p, const Box &box)
{
    return p.x >= box.minX && p.x <= box.maxX && p.y >= box.minY && p.y <= box.maxY;
}

/// The distance of `p` from the line through a and b, as a share of the box's size, in long
/// double: meaningful where the ends lie within a few orders of magnitude of the box.
long double offTheLine(const Point &p, const Point &a, const Point &b, const Box &box)
{
    const long double w = box.maxX - box.minX, h = box.maxY - box.minY;
    const long double ax = a.x / w, ay = a.y / h, dx = b.x / w - ax, dy = b.y / h - ay;
    const long double length = std::hypot(dx, dy);
    if (length == 0)
        return std::hypot(p.x / w - ax, p.y / h - ay);
    return std::fabs((p.x / w - ax) * dy - (p.y / h - ay) * dx) / length;
}

bool near(const Point &p, const Box &box)
{
    const double w = box.maxX - box.minX, h = box.maxY - box.minY;
    return std::fabs(p.x - box.minX) < 1e4 * w && std::fabs(p.y - box.minY) < 1e4 * h;
}

// Over random segments, near and far, tiny and huge: every kept end lies in the box, an end
// inside it is kept as it is, no segment whose midpoint lies inside is dropped, and between
// near ends the kept part lies on the segment.
TEST(ClipSegment, KeepsEveryCrossingSegmentWithinTheBox)
{
    const Box boxes[] = { tenByTen, { -3, 1e20, 7, 2e20 }, marginalJumpChart, { -1, -1, 1, 1 } };
    std::mt19937_64 random(5);
    int kept = 0, crossing = 0;
    for (int i = 0; i < 200000; ++i) {
        const Box &box = boxes[i % std::size(boxes)];
        Point a{ randomCoordinate(random, box.minX, box.maxX),
                 randomCoordinate(random, box.minY, box.maxY) };
        Point b{ randomCoordinate(random, box.minX, box.maxX),
                 randomCoordinate(random, box.minY, box.maxY) };
        if (i % 3 == 0) {
            // Ends on either side of a point inside the box, as far as they may be.
            const Point middle{ box.minX + (box.maxX - box.minX) / 3,
                                box.minY + (box.maxY - box.minY) / 3 };
            b = { 2 * middle.x - a.x, 2 * middle.y - a.y };
        }
        const auto got = clipSegment(a, b, box);
        const Point midpoint{ a.x / 2 + b.x / 2, a.y / 2 + b.y / 2 };
        const bool mustKeep = inside(a, box) || inside(b, box)
                || (std::isfinite(midpoint.x) && std::isfinite(midpoint.y)
                    && inside(midpoint, box));
        crossing += mustKeep;
        if (!got) {
            ASSERT_FALSE(mustKeep) << "dropped " << i;
            continue;
        }
        ++kept;
        ASSERT_TRUE(inside(got->first, box) && inside(got->second, box)) << "outside " << i;
        if (inside(a, box)) {
            ASSERT_EQ(got->first, a);
        }
        if (inside(b, box)) {
            ASSERT_EQ(got->second, b);
        }
        if (near(a, box) && near(b, box)) {
            ASSERT_LT(offTheLine(got->first, a, b, box), 1e-12L) << i;
            ASSERT_LT(offTheLine(got->second, a, b, box), 1e-12L) << i;
        }
    }
    EXPECT_GT(crossing, 50000);
    EXPECT_GT(kept, crossing);
}

} // namespace
