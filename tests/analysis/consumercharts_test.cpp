#include "analysis/consumercharts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

using namespace analysis;

namespace {

/// Half a pixel on a chart 3840 pixels wide, as a share of an axis.
constexpr double halfPixel = 0.5 / 3840;

/// The distance from `p` to the nearest segment of `curve`, as a share of the chart's axes.
double distanceToCurve(const CurvePoint &p, const Curve &curve, const CurveChart &chart)
{
    const double sx = 1 / chart.horizontal.max, sy = 1 / chart.vertical.max;
    double nearest = INFINITY;
    for (const auto &piece : curve.pieces) {
        for (std::size_t i = 1; i < piece.size(); ++i) {
            const double ax = piece[i - 1].x * sx, ay = piece[i - 1].y * sy;
            const double dx = piece[i].x * sx - ax, dy = piece[i].y * sy - ay;
            const double px = p.x * sx - ax, py = p.y * sy - ay;
            const double length2 = dx * dx + dy * dy;
            const double along =
                    length2 > 0 ? std::clamp((px * dx + py * dy) / length2, 0.0, 1.0) : 0;
            nearest = std::min(nearest, std::hypot(px - along * dx, py - along * dy));
        }
    }
    return nearest;
}

/// The `nth` curve of this kind in the chart.
const Curve &curveOf(const CurveChart &chart, CurveKind kind, int nth = 0)
{
    for (const Curve &curve : chart.curves) {
        if (curve.kind == kind && nth-- == 0)
            return curve;
    }
    static const Curve none;
    ADD_FAILURE() << "no curve of kind " << static_cast<int>(kind);
    return none;
}

struct Case
{
    const char *name;
    PreferenceType preference;
    const char *a, *b, *income;
};

// Parameters whose points A, B and C all differ where the preferences allow it.
const Case cases[] = {
    { "PerfectSubstitutes", PreferenceType::PerfectSubstitutes, "1", "2", "120" },
    { "PerfectComplements", PreferenceType::PerfectComplements, "2", "1", "140" },
    { "CobbDouglas", PreferenceType::CobbDouglas, ".3", ".6", "120" },
    { "QuasiLinear", PreferenceType::QuasiLinear, "6", "1", "120" },
    { "QuasiLinearBelowThreshold", PreferenceType::QuasiLinear, "6", "1", "12" },
};

ConsumerInputs inputsOf(const Case &c)
{
    ConsumerInputs inputs;
    inputs.preference = c.preference;
    inputs.parameterA = c.a;
    inputs.parameterB = c.b;
    inputs.income = c.income;
    return inputs;
}

/// The farthest that the indifference curve strays from the exact curve through its marker, at
/// the middle x of each segment, as a share of the axes (an L's corners are exact).
double strayOf(const Curve &curve, const CurveChart &chart, const Case &c)
{
    const double a = std::stod(c.a), b = std::stod(c.b);
    const double x0 = curve.marker->x, y0 = curve.marker->y;
    const auto exactY = [&](double x) {
        switch (c.preference) {
        case PreferenceType::PerfectSubstitutes:
            return y0 + a / b * (x0 - x);
        case PreferenceType::CobbDouglas:
            return y0 * std::pow(x0 / x, a / b);
        case PreferenceType::QuasiLinear:
            return y0 + a / b * std::log(x0 / x);
        default:
            return 0.0;
        }
    };
    double worst = 0;
    for (const auto &piece : curve.pieces) {
        for (std::size_t i = 1; i < piece.size(); ++i) {
            const double x = (piece[i - 1].x + piece[i].x) / 2;
            const Curve segment{ curve.kind, { { piece[i - 1], piece[i] } }, {} };
            if (c.preference != PreferenceType::PerfectComplements)
                worst = std::max(worst, distanceToCurve({ x, exactY(x) }, segment, chart));
        }
    }
    return worst;
}

class ConsumerChartsOf : public ::testing::TestWithParam<Case>
{
};

TEST_P(ConsumerChartsOf, MarkEachBasketOnItsBudgetLineAndIndifferenceCurve)
{
    for (const Compensation compensation : { Compensation::Hicks, Compensation::Slutsky }) {
        ConsumerInputs inputs = inputsOf(GetParam());
        inputs.compensation = compensation;
        const ConsumerCharts charts = priceEffectCharts(inputs);
        ASSERT_EQ(charts.charts.size(), 1u) << charts.outOfRange;
        const ConsumerChart &c = charts.charts[0];
        ASSERT_EQ(c.points.size(), 3u);
        const CurvePoint a = c.points[0].at, b = c.points[1].at, after = c.points[2].at;
        const auto on = [&](const CurvePoint &p, CurveKind kind) {
            return distanceToCurve(p, curveOf(c.chart, kind), c.chart);
        };
        EXPECT_LE(on(a, CurveKind::BudgetLine), 1e-12);
        EXPECT_LE(on(b, CurveKind::CompensatedBudgetLine), 1e-12);
        EXPECT_LE(on(a, CurveKind::CompensatedBudgetLine),
                  compensation == Compensation::Slutsky ? 1e-12 : INFINITY);
        EXPECT_LE(on(after, CurveKind::NewBudgetLine), 1e-12);
        // The indifference curves pass through A and C, and for Hicks through B too.
        const Curve &old = curveOf(c.chart, CurveKind::IndifferenceCurve);
        const Curve &now = curveOf(c.chart, CurveKind::NewIndifferenceCurve);
        EXPECT_EQ(old.marker, a);
        EXPECT_EQ(now.marker, after);
        EXPECT_LE(strayOf(old, c.chart, GetParam()), halfPixel);
        EXPECT_LE(strayOf(now, c.chart, GetParam()), halfPixel);
        EXPECT_LE(on(compensation == Compensation::Hicks ? b : a, CurveKind::IndifferenceCurve),
                  halfPixel);
        ASSERT_EQ(c.arrows.size(), 2u);
        EXPECT_EQ(c.arrows[0].from, a.x);
        EXPECT_EQ(c.arrows[0].to, b.x);
        EXPECT_EQ(c.arrows[1].from, b.x);
        EXPECT_EQ(c.arrows[1].to, after.x);
    }

    const ConsumerCharts engel = engelCharts(inputsOf(GetParam()));
    ASSERT_EQ(engel.charts.size(), 2u) << engel.outOfRange;
    const CurveChart &map = engel.charts[0].chart;
    ASSERT_EQ(engel.charts[0].points.size(), 4u);
    for (int k = 0; k < 4; ++k) {
        const CurvePoint basket = engel.charts[0].points[k].at;
        EXPECT_LE(distanceToCurve(basket, curveOf(map, CurveKind::BudgetLine, k), map), 1e-12);
        const Curve &indifference = curveOf(map, CurveKind::IndifferenceCurve, k);
        EXPECT_EQ(indifference.marker, basket);
        EXPECT_LE(strayOf(indifference, map, GetParam()), halfPixel);
        EXPECT_LE(distanceToCurve(basket, curveOf(map, CurveKind::IncomeConsumptionPath), map),
                  halfPixel);
        // From border to border of the chart, the Y axis included.
        ASSERT_EQ(indifference.pieces.size(), 1u);
        for (const CurvePoint &end :
             { indifference.pieces[0].front(), indifference.pieces[0].back() })
            EXPECT_TRUE(end.x < 1e-9 * map.horizontal.max || end.y < 1e-12 * map.vertical.max
                        || end.x >= map.horizontal.max || end.y >= map.vertical.max)
                    << end.x << ", " << end.y;
    }
    // The Engel curves pass through the basket at the income, marked there.
    const CurveChart &curves = engel.charts[1].chart;
    const CurvePoint atIncome = engel.charts[0].points[1].at;
    const Curve &engelX = curveOf(curves, CurveKind::EngelX);
    EXPECT_EQ(engelX.marker, (CurvePoint{ curves.markerAt, atIncome.x }));
    EXPECT_LE(distanceToCurve(*engelX.marker, engelX, curves), halfPixel);
}

INSTANTIATE_TEST_SUITE_P(Consumer, ConsumerChartsOf, ::testing::ValuesIn(cases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ConsumerCharts, SummariesSayTheNumbersWithTheRegionalSeparator)
{
    ConsumerInputs inputs;
    EXPECT_EQ(priceEffectCharts(inputs).summary,
              "X before: 30.\nX after: 60.\nSubstitution effect (Hicks): 12.43\n"
              "Income effect: 17.57\nTotal change in X: 30.\nCompensating variation: 35.15\n"
              "Equivalent variation: 49.71");
    inputs.compensation = Compensation::Slutsky;
    inputs.decimalSeparator = ",";
    inputs.newPriceX = "1,5"; // read as the main window reads it: 1
    EXPECT_EQ(priceEffectCharts(inputs).summary,
              "X before: 30,\nX after: 60,\nSubstitution effect (Slutsky): 15,\n"
              "Income effect: 15,\nTotal change in X: 30,\nCompensating variation: 35,15\n"
              "Equivalent variation: 49,71");

    const struct
    {
        Case inputs;
        const char *summary;
    } engel[] = {
        { { "", PreferenceType::CobbDouglas, ".5", ".5", "120" },
          "Chosen basket at an income of 120: X = 30. Y = 20.\nIncome elasticity of X: 1.\n"
          "X is neither a necessity nor a luxury at this income." },
        { cases[3],
          "Chosen basket at an income of 120: X = 9. Y = 34.\nIncome elasticity of X: 0.\n"
          "X is neither a necessity nor a luxury at this income." },
        { cases[4],
          "Chosen basket at an income of 12: X = 6. Y = 0.\nIncome elasticity of X: 1.\n"
          "X is neither a necessity nor a luxury at this income." },
        { cases[0],
          "Chosen basket at an income of 120: X = 0. Y = 40.\n"
          "X is not bought at this income: it is neither a necessity nor a luxury." },
        { { "", PreferenceType::PerfectSubstitutes, "2", "3", "120" },
          "Chosen basket at an income of 120: X = 0. Y = 40.\n"
          "X is not bought at this income: it is neither a necessity nor a luxury.\n"
          "Every basket on the budget line is as good: the Y corner is shown." },
    };
    for (const auto &e : engel)
        EXPECT_EQ(engelCharts(inputsOf(e.inputs)).summary, e.summary);
}

TEST(ConsumerCharts, NameTheFirstBoxOutOfRangeAndDrawNothing)
{
    const auto must = [](const char *box, const char *what) {
        return std::string(box) + " is out of range: it must be a number " + what;
    };
    const struct
    {
        std::string ConsumerInputs::*box;
        const char *text;
        PreferenceType preference;
        bool engelToo; ///< the Engel window reads the box as well
        std::string line;
    } cases[] = {
        { &ConsumerInputs::income, "-1", PreferenceType::CobbDouglas, true,
          must("Income", "of at least 0.") },
        { &ConsumerInputs::income, "0", PreferenceType::QuasiLinear, true,
          must("Income", "greater than 0.") },
        { &ConsumerInputs::priceX, "0", PreferenceType::CobbDouglas, true,
          must("Price of good X", "greater than 0.") },
        { &ConsumerInputs::priceY, "abc", PreferenceType::PerfectComplements, true,
          must("Price of good Y", "greater than 0.") },
        { &ConsumerInputs::newPriceX, "1e999", PreferenceType::CobbDouglas, false,
          must("New price of X", "greater than 0.") },
        { &ConsumerInputs::parameterA, "-.5", PreferenceType::PerfectSubstitutes, true,
          must("a", "greater than 0.") },
        { &ConsumerInputs::parameterB, "0", PreferenceType::QuasiLinear, true,
          must("b", "greater than 0.") },
        { &ConsumerInputs::priceX, "1e-307", PreferenceType::CobbDouglas, true,
          "The numbers are too large or too small to draw these charts." },
    };
    for (const auto &c : cases) {
        ConsumerInputs inputs;
        inputs.preference = c.preference;
        inputs.*c.box = c.text;
        inputs.parameterB = c.box == &ConsumerInputs::parameterA ? "-1" : inputs.parameterB;
        const ConsumerCharts price = priceEffectCharts(inputs);
        EXPECT_EQ(price.outOfRange, c.line);
        EXPECT_TRUE(price.charts.empty() && price.summary.empty());
        const ConsumerCharts engel = engelCharts(inputs);
        EXPECT_EQ(engel.outOfRange, c.engelToo ? c.line : "") << c.line;
        EXPECT_EQ(engel.charts.empty(), c.engelToo);
    }
}

} // namespace
