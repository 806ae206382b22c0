#include "analysis/curves.h"
#include "analysis/figure.h"
#include "analysis/technologies.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <ostream>
#include <random>
#include <string>

namespace analysis {
void PrintTo(const Point &p, std::ostream *os); // clip_test.cpp
} // namespace analysis

using namespace analysis;

namespace {

/// A Draw of the main window, as a teacher types it.
struct DrawCase
{
    const char *name;
    TechnologyType technology;
    bool shortPeriod = false;
    const char *level = "3000", *priceX = "6", *priceY = "10", *fixedY = "2500";
    const char *a = "1", *b = "1";
};

NumberedResult drawn(const DrawCase &c, int number = 1)
{
    DrawInputs inputs;
    inputs.technology = c.technology;
    inputs.shortPeriod = c.shortPeriod;
    inputs.level = c.level;
    inputs.priceX = c.priceX;
    inputs.priceY = c.priceY;
    inputs.fixedY = c.fixedY;
    inputs.coefX = inputs.cdExpX = c.a;
    inputs.coefY = inputs.cdExpY = c.b;
    const DrawOutcome outcome = draw(inputs);
    if (!outcome.result)
        ADD_FAILURE() << c.name << ": the Draw wrote no result";
    return { number, outcome.result.value_or(ResultRecord{}) };
}

Technology technologyOf(const ResultRecord &r)
{
    return { r.technology, { r.parameterA.value_or(0), r.parameterB.value_or(0) } };
}

double output(const ResultRecord &r, double x, double y)
{
    return findTechnology(r.technology)->output(x, y, technologyOf(r).parameters);
}

double distanceToSegment(const Point &p, const Segment &s)
{
    const double dx = s.second.x - s.first.x, dy = s.second.y - s.first.y;
    const double length2 = dx * dx + dy * dy;
    const double along = length2 > 0
            ? std::clamp(((p.x - s.first.x) * dx + (p.y - s.first.y) * dy) / length2, 0.0, 1.0)
            : 0;
    return std::hypot(p.x - s.first.x - along * dx, p.y - s.first.y - along * dy);
}

/// The distance from `p` to the nearest segment of the drawn isoquant.
double distanceToIsoquant(const Point &p, const FigureDraw &shown)
{
    double nearest = std::numeric_limits<double>::infinity();
    for (const auto &piece : shown.isoquant)
        for (std::size_t i = 1; i < piece.size(); ++i)
            nearest = std::min(nearest, distanceToSegment(p, { piece[i - 1], piece[i] }));
    return nearest;
}

bool inside(const Point &p, const FigureAxes &axes)
{
    return p.x >= 0 && p.y >= 0 && p.x <= axes.horizontal.max && p.y <= axes.vertical.max;
}

const DrawCase reached[] = {
    { "SubstitutesAllX", TechnologyType::PerfectSubstitutes, false, "3000", "6", "10" },
    { "SubstitutesAllY", TechnologyType::PerfectSubstitutes, false, "3000", "12", "10" },
    { "SubstitutesTie", TechnologyType::PerfectSubstitutes, false, "3000", "10", "10" },
    { "FixedProportions", TechnologyType::FixedProportions },
    { "CobbDouglasScanned", TechnologyType::CobbDouglas, false, "3000", "6", "10", "", ".7", ".3" },
    { "CobbDouglasExact", TechnologyType::CobbDouglas, false, "20000", "6", "10", "", ".7", ".3" },
    { "CobbDouglasIncreasing", TechnologyType::CobbDouglas, false, "3000", "6", "10", "", ".8",
      ".6" },
    { "SubstitutesShort", TechnologyType::PerfectSubstitutes, true, "3000", "6", "10", "1000", "2",
      "1" },
    { "FixedProportionsShort", TechnologyType::FixedProportions, true, "3000", "6", "10", "4000" },
    { "CobbDouglasShort", TechnologyType::CobbDouglas, true, "3000", "6", "10", "2500", ".7",
      ".3" },
};

class ReachedLevel : public ::testing::TestWithParam<DrawCase>
{
};

// The figure marks the combination the Draw reported, on the drawn isoquant and on the drawn
// isocost line, whose slope is the prices' ratio.
TEST_P(ReachedLevel, MarksTheReportedPointOnItsIsoquantAndIsocostLine)
{
    const NumberedResult draw = drawn(GetParam());
    const ResultRecord &r = draw.result;
    const Figure shown = figure({ &draw, 1 }, FigureRange::FitToDraws, ".");
    ASSERT_EQ(shown.draws.size(), 1u);
    const FigureDraw &d = shown.draws[0];
    ASSERT_TRUE(d.chosen && d.isocost && r.x && r.y);
    EXPECT_EQ(*d.chosen, (Point{ *r.x, *r.y }));
    ASSERT_TRUE(inside(*d.chosen, shown.axes));

    const double scale = std::max(shown.axes.horizontal.max, shown.axes.vertical.max);
    EXPECT_NEAR(output(r, d.chosen->x, d.chosen->y), r.level, 1e-9 * r.level);
    // The sampled curve keeps within a quarter pixel of a figure 3840 pixels across.
    EXPECT_LE(distanceToIsoquant(*d.chosen, d), 0.25 / 3840 * scale);
    EXPECT_LE(distanceToSegment(*d.chosen, *d.isocost), 1e-9 * scale);
    const auto &[start, end] = *d.isocost;
    EXPECT_NEAR((end.y - start.y) / (end.x - start.x), -*r.priceX / *r.priceY, 1e-9);
    if (r.shortPeriod) {
        ASSERT_TRUE(d.fixedY);
        EXPECT_EQ(d.fixedY->first, (Point{ 0, *r.fixedY }));
        EXPECT_EQ(d.fixedY->second, (Point{ shown.axes.horizontal.max, *r.fixedY }));
    } else {
        EXPECT_FALSE(d.fixedY);
    }
}

INSTANTIATE_TEST_SUITE_P(Figure, ReachedLevel, ::testing::ValuesIn(reached),
                         [](const auto &info) { return std::string(info.param.name); });

// With the level made by the fixed Y alone, the surplus is accepted: the point lies beyond the
// isoquant, on the fixed-Y line, with no X bought.
TEST(Figure, MarksTheSurplusOfAFixedYBeyondTheIsoquant)
{
    const NumberedResult draw = drawn(
            { "Surplus", TechnologyType::PerfectSubstitutes, true, "3000", "6", "10", "5000" });
    const FigureDraw d = figure({ &draw, 1 }, FigureRange::Default, ".").draws.at(0);
    ASSERT_TRUE(d.chosen);
    EXPECT_EQ(*d.chosen, (Point{ 0, 5000 }));
    EXPECT_GT(output(draw.result, d.chosen->x, d.chosen->y), 3000);
    EXPECT_LE(distanceToSegment(*d.chosen, *d.isocost), 1e-9);
}

// The isocost line through the marked point touches the Cobb-Douglas isoquant there: exactly
// where the Draw reported the exact combination, and to the scan's grid (5 units of X) where it
// reported the cheapest scanned point. No point of the isoquant costs less than the exact
// cheapest combination.
TEST(Figure, CobbDouglasIsocostIsTangentAtTheMarkedPoint)
{
    for (const char *level : { "3000", "20000", "2" }) {
        const NumberedResult draw = drawn(
                { level, TechnologyType::CobbDouglas, false, level, "6", "10", "", ".7", ".3" });
        const ResultRecord &r = draw.result;
        const FigureDraw d = figure({ &draw, 1 }, FigureRange::FitToDraws, ".").draws.at(0);
        const double a = *r.parameterA, b = *r.parameterB, ratio = *r.priceX / *r.priceY;
        // The isoquant's slope at X is -(a/b) y/x.
        const auto slopeAt = [&](double x) {
            return -(a / b) * *isoquantY(technologyOf(r), r.level, x) / x;
        };
        if (r.scanned) {
            constexpr double grid = 5;
            EXPECT_LT(slopeAt(d.chosen->x - grid), -ratio) << level;
            EXPECT_GT(slopeAt(d.chosen->x + grid), -ratio) << level;
        } else {
            EXPECT_NEAR(slopeAt(d.chosen->x), -ratio, 1e-9 * ratio) << level;
        }
        const Bundle exact = *cheapestBundle(technologyOf(r), *r.priceX, *r.priceY, r.level);
        for (const auto &piece : d.isoquant)
            for (const Point &p : piece)
                EXPECT_GE(*r.priceX * p.x + *r.priceY * p.y, exact.cost * (1 - 1e-12)) << level;
    }
    EXPECT_TRUE(drawn({ "", TechnologyType::CobbDouglas, false, "3000", "6", "10", "", ".7", ".3" })
                        .result.scanned);
}

TEST(Figure, PerfectSubstitutesIsoquantMeetsTheAxesAtTheLevelOverEachCoefficient)
{
    const NumberedResult draw = drawn({ "Substitutes", TechnologyType::PerfectSubstitutes, false,
                                        "3000", "6", "10", "", "2", ".5" });
    const FigureDraw d = figure({ &draw, 1 }, FigureRange::Default, ".").draws.at(0);
    ASSERT_EQ(d.isoquant.size(), 1u);
    ASSERT_EQ(d.isoquant[0].size(), 2u);
    EXPECT_EQ(d.isoquant[0][0], (Point{ 1500, 0 }));
    EXPECT_EQ(d.isoquant[0][1], (Point{ 0, 6000 }));
}

// A tie: the isocost line lies on the isoquant, from axis to axis, and the marked corner is the
// one the result line shows.
TEST(Figure, TiedIsocostLineLiesOnTheIsoquant)
{
    const NumberedResult draw = drawn(reached[2]);
    const FigureDraw d = figure({ &draw, 1 }, FigureRange::Default, ".").draws.at(0);
    ASSERT_EQ(d.isoquant.size(), 1u);
    EXPECT_EQ(d.isocost->first, d.isoquant[0].front());
    EXPECT_EQ(d.isocost->second, d.isoquant[0].back());
    EXPECT_EQ(*d.chosen, (Point{ 0, 3000 }));
    EXPECT_TRUE(d.legend.ends_with("cost 30000 (one of many)")) << d.legend;
}

// Fixed proportions with the fixed Y below the level: the L and the fixed-Y line are drawn and
// do not meet; nothing is marked and no isocost line is drawn.
TEST(Figure, ImpossibleLevelDrawsLinesThatDoNotMeetAndNoPoint)
{
    const NumberedResult draw = drawn({ "Impossible", TechnologyType::FixedProportions, true });
    ASSERT_EQ(draw.result.outcome, ResultOutcome::Impossible);
    const FigureDraw d = figure({ &draw, 1 }, FigureRange::FitToDraws, ".").draws.at(0);
    EXPECT_FALSE(d.chosen);
    EXPECT_FALSE(d.isocost);
    ASSERT_TRUE(d.fixedY);
    ASSERT_FALSE(d.isoquant.empty());
    for (const auto &piece : d.isoquant)
        for (const Point &p : piece)
            EXPECT_GE(p.y, 3000);
    EXPECT_EQ(d.fixedY->first.y, 2500);
    EXPECT_TRUE(d.legend.ends_with("\u2192 impossible")) << d.legend;
}

TEST(Figure, LegendWritesTheNumbersAsTheResultLineDoes)
{
    const NumberedResult draw =
            drawn({ "", TechnologyType::CobbDouglas, false, "3000", "6", "10", "", ".7", ".3" });
    EXPECT_EQ(figure({ &draw, 1 }, FigureRange::Default, ".").draws.at(0).legend,
              "1  Cobb-Douglas (a .7, b .3), long run: 3000 at prices 6 and 10 \u2192 X 4511, "
              "Y 1158.16, cost 38647.57");
    const NumberedResult shortPeriod =
            drawn({ "", TechnologyType::FixedProportions, true, "3000", "6.5", "10", "4000" }, 12);
    EXPECT_EQ(figure({ &shortPeriod, 1 }, FigureRange::Default, ",").draws.at(0).legend,
              "12  Fixed proportions, short period with Y fixed at 4000: 3000 at prices 6,5 and "
              "10 \u2192 X 3000, Y 4000, cost 59500");
}

// A Draw on an isoquant already drawn takes its curve from the earlier Draw: the same as
// sampled afresh, and only when technology, parameters and level all match.
TEST(Figure, RepeatedIsoquantIsTheOneSampledAfresh)
{
    const NumberedResult draws[] = {
        drawn({ "", TechnologyType::CobbDouglas, false, "3000", "6", "10", "", ".7", ".3" }, 1),
        drawn({ "", TechnologyType::CobbDouglas, false, "3000", "6", "10", "", ".6", ".3" }, 2),
        drawn({ "", TechnologyType::CobbDouglas, false, "3001", "6", "10", "", ".7", ".3" }, 3),
        drawn({ "", TechnologyType::CobbDouglas, true, "3000", "2", "9", "900", ".7", ".3" }, 4),
    };
    for (const FigureRange range : { FigureRange::Default, FigureRange::FitToDraws }) {
        const Figure whole = figure(draws, range, ".");
        ASSERT_EQ(whole.draws.size(), 4u);
        EXPECT_EQ(sameIsoquantBefore(draws, whole.draws, 1), nullptr);
        EXPECT_EQ(sameIsoquantBefore(draws, whole.draws, 2), nullptr);
        EXPECT_EQ(sameIsoquantBefore(draws, whole.draws, 3), &whole.draws[0]);
        const FigureDraw afresh = figureDraw(draws[3], whole.axes, ".");
        EXPECT_EQ(whole.draws[3].isoquant, afresh.isoquant);
        EXPECT_EQ(whole.draws[3].isocost, afresh.isocost);
        EXPECT_NE(whole.draws[3].isocost, whole.draws[0].isocost);
    }
}

// The default axes are the main chart's; a fitted range holds every marked point and fixed Y,
// reaches at most twice as far as they do, and marks its scale at 1, 2 or 5 times a power of
// ten, five to ten marks on each axis.
TEST(Figure, AxesHoldEveryMarkedPointWithMarksOneTwoFive)
{
    const FigureAxes defaults = figureAxes({}, FigureRange::Default);
    EXPECT_EQ(defaults.horizontal.max, 10000);
    EXPECT_EQ(defaults.vertical.max, 10000);
    EXPECT_EQ(defaults.horizontal.title, "Input X");
    EXPECT_EQ(defaults.vertical.title, "Input Y");

    std::mt19937 random(17);
    const auto logUniform = [&](double low, double high) {
        return std::exp(std::uniform_real_distribution(std::log(low), std::log(high))(random));
    };
    for (int round = 0; round < 50; ++round) {
        std::vector<NumberedResult> draws;
        for (int i = 0; i < 4; ++i) {
            const auto type = static_cast<TechnologyType>(1 + random() % 3);
            const std::string level = std::to_string(logUniform(1, 1e6));
            const std::string px = std::to_string(logUniform(0.1, 100));
            const std::string py = std::to_string(logUniform(0.1, 100));
            const std::string fixedY = std::to_string(logUniform(1, 1e6));
            const bool shortPeriod = random() % 2;
            draws.push_back(drawn({ "random", type, shortPeriod, level.c_str(), px.c_str(),
                                    py.c_str(), fixedY.c_str(), ".6", ".5" },
                                  i + 1));
        }
        const Figure shown = figure(draws, FigureRange::FitToDraws, ".");
        double farthest = 0;
        for (const FigureDraw &d : shown.draws) {
            if (d.chosen) {
                EXPECT_TRUE(inside(*d.chosen, shown.axes)) << d.legend;
                farthest = std::max({ farthest, d.chosen->x, d.chosen->y });
            }
            if (d.fixedY)
                farthest = std::max(farthest, d.fixedY->first.y);
        }
        for (const Axis *axis : { &shown.axes.horizontal, &shown.axes.vertical }) {
            EXPECT_LE(axis->max, 2 * 1.05 * 1.25 * farthest);
            const double marks = axis->max / axis->step;
            EXPECT_GE(marks, 5 - 1e-9);
            EXPECT_LE(marks, 10 + 1e-9);
            const double mantissa = axis->step / std::pow(10, std::floor(std::log10(axis->step)));
            EXPECT_TRUE(std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9
                        || std::fabs(mantissa - 5) < 1e-9)
                    << axis->step;
        }
    }
}

// Records from anywhere (a corrupted or extreme one) never give a point outside the axes, a
// number that is not finite, or a hang.
TEST(Figure, ExtremeRecordsStayWithinTheAxes)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<NumberedResult> draws;
    for (const double level : { 0.0, 1e-300, 1e300, inf, nan })
        for (const double price : { 1e-300, 1.0, 1e300, nan })
            for (const auto type :
                 { TechnologyType::PerfectSubstitutes, TechnologyType::FixedProportions,
                   TechnologyType::CobbDouglas, TechnologyType{ 9 } }) {
                ResultRecord r;
                r.technology = type;
                r.level = level;
                r.priceX = price;
                r.priceY = 1;
                r.parameterA = 0.01;
                r.parameterB = 5;
                r.x = level;
                r.y = price;
                r.shortPeriod = price > 1;
                r.fixedY = price;
                draws.push_back({ 1, r });
            }
    for (const FigureRange range : { FigureRange::Default, FigureRange::FitToDraws }) {
        const Figure shown = figure(draws, range, ".");
        EXPECT_TRUE(std::isfinite(shown.axes.horizontal.max) && shown.axes.horizontal.max > 0);
        EXPECT_TRUE(std::isfinite(shown.axes.vertical.max) && shown.axes.vertical.max > 0);
        for (const FigureDraw &d : shown.draws) {
            for (const auto &piece : d.isoquant)
                for (const Point &p : piece)
                    EXPECT_TRUE(inside(p, shown.axes)) << d.legend << " " << p.x << " " << p.y;
            for (const auto &segment : { d.isocost, d.fixedY })
                if (segment) {
                    EXPECT_TRUE(inside(segment->first, shown.axes)) << d.legend;
                    EXPECT_TRUE(inside(segment->second, shown.axes)) << d.legend;
                }
        }
    }
}

} // namespace
