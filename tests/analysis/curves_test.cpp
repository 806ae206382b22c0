#include "analysis/curvecharts.h"
#include "analysis/curves.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <random>
#include <string>

using namespace analysis;

namespace {

constexpr int casesPerTechnology = 200;

/// Random prices, parameters and levels over several orders of magnitude, the same every run.
struct RandomCase
{
    explicit RandomCase(TechnologyType type) : generator(static_cast<unsigned>(type)) { }

    /// Coefficients from 0.1 to 10 for perfect substitutes, exponents from 0.1 to
    /// `maxExponent` for Cobb-Douglas.
    Technology technology(TechnologyType type, double maxExponent = 1.5)
    {
        const double coefX = logUniform(0.1, 10), coefY = logUniform(0.1, 10);
        const double cdExpX = std::uniform_real_distribution(0.1, maxExponent)(generator);
        const double cdExpY = std::uniform_real_distribution(0.1, maxExponent)(generator);
        if (type == TechnologyType::CobbDouglas)
            return { type, { cdExpX, cdExpY } };
        return { type, { coefX, coefY } };
    }
    double price() { return logUniform(0.1, 100); }
    double level() { return logUniform(1, 1e5); }
    double logUniform(double low, double high)
    {
        return std::exp(std::uniform_real_distribution(std::log(low), std::log(high))(generator));
    }

    std::mt19937 generator;
};

double output(const Technology &t, double x, double y)
{
    return findTechnology(t.type)->output(x, y, t.parameters);
}

/// A bundle on the isoquant of q, the `i`-th of `n` spread along it around `near`, found from
/// the isoquant's exact description.
std::pair<double, double> onIsoquant(const Technology &t, double q, const Bundle &near, int i,
                                     int n)
{
    const double share = (i + 0.5) / n;
    const IsoquantShape shape = *isoquantShape(t, q);
    switch (shape.form) {
    case IsoquantForm::Line: {
        const double x = share * shape.x;
        return { x, *isoquantY(t, q, x) };
    }
    case IsoquantForm::Corner:
        // Both arms of the L, up to ten times the corner.
        return i % 2 ? std::pair{ shape.x * (1 + 9 * share), *isoquantY(t, q, shape.x * 2) }
                     : std::pair{ shape.x, shape.y * (1 + 9 * share) };
    case IsoquantForm::Curve:
        break;
    }
    const double x = near.x * std::pow(100.0, 2 * share - 1);
    return { x, *isoquantY(t, q, x) };
}

class ByTechnology : public ::testing::TestWithParam<TechnologyType>
{
};

TEST_P(ByTechnology, CheapestBundleHoldsItsPropertiesOverRandomParameters)
{
    RandomCase random(GetParam());
    for (int c = 0; c < casesPerTechnology; ++c) {
        const Technology t = random.technology(GetParam());
        const double px = random.price(), py = random.price(), q = random.level();
        const std::optional<Bundle> best = cheapestBundle(t, px, py, q);
        ASSERT_TRUE(best);
        // It produces q, and no bundle on the isoquant costs less.
        EXPECT_NEAR(output(t, best->x, best->y), q, 1e-9 * q);
        EXPECT_NEAR(best->cost, px * best->x + py * best->y, 1e-12 * best->cost);
        for (int i = 0; i < 1000; ++i) {
            const auto [x, y] = onIsoquant(t, q, *best, i, 1000);
            ASSERT_LE(best->cost, (px * x + py * y) * (1 + 1e-12)) << "x " << x << " y " << y;
        }
        if (t.type == TechnologyType::CobbDouglas) {
            const double mrts = (t.parameters.a * best->y) / (t.parameters.b * best->x);
            EXPECT_NEAR(mrts, px / py, 1e-9 * px / py);
        }

        // Scaling both prices keeps the bundle and scales its cost.
        const double scale = random.logUniform(1e-3, 1e3);
        const auto scaled = cheapestBundle(t, scale * px, scale * py, q);
        ASSERT_TRUE(scaled);
        EXPECT_NEAR(scaled->x, best->x, 1e-9 * (best->x + best->y));
        EXPECT_NEAR(scaled->y, best->y, 1e-9 * (best->x + best->y));
        EXPECT_NEAR(scaled->cost, scale * best->cost, 1e-9 * scale * best->cost);

        // Short-period average cost is never below the long run's, and touches it where the
        // fixed Y is the long-run Y.
        const double fixedY = random.level();
        for (const double level : { random.level(), random.level(), fixedY }) {
            const auto shortRun = shortPeriodCosts(t, px, py, fixedY, level);
            const auto longRun = longRunCosts(t, px, py, level);
            ASSERT_TRUE(longRun);
            if (shortRun) { // fixed proportions cannot exceed the fixed Y
                EXPECT_GE(*shortRun->average, *longRun->average * (1 - 1e-12));
            }
        }
        if (best->y > 0) { // perfect substitutes using only X: no fixed Y touches
            const auto touching = shortPeriodCosts(t, px, py, best->y, q);
            ASSERT_TRUE(touching);
            EXPECT_NEAR(*touching->average, best->cost / q, 1e-9 * best->cost / q);
            EXPECT_NEAR(*levelForLongRunY(t, px, py, best->y), q, 1e-9 * q);
        }

        // Demand for X never rises with its price, and for Y never falls.
        std::vector<double> prices(50);
        std::generate(prices.begin(), prices.end(), [&] { return random.price(); });
        std::sort(prices.begin(), prices.end());
        Bundle previous = *cheapestBundle(t, prices.front(), py, q);
        for (const double priceX : prices) {
            const Bundle now = *cheapestBundle(t, priceX, py, q);
            EXPECT_LE(now.x, previous.x * (1 + 1e-12)) << "price of X " << priceX;
            EXPECT_GE(now.y, previous.y * (1 - 1e-12)) << "price of X " << priceX;
            previous = now;
        }
    }
}

std::vector<TechnologyType> everyTechnology()
{
    std::vector<TechnologyType> types;
    for (const TechnologyEntry &technology : technologies())
        types.push_back(technology.type);
    return types;
}

std::string technologyName(const ::testing::TestParamInfo<TechnologyType> &info)
{
    // The caption in camel case: "Cobb-Douglas" gives CobbDouglas.
    std::string name;
    bool wordStart = true;
    for (const char c : std::string(findTechnology(info.param)->caption)) {
        const bool letter = std::isalnum(static_cast<unsigned char>(c));
        if (letter)
            name += wordStart ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
        wordStart = !letter;
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Curves, ByTechnology, ::testing::ValuesIn(everyTechnology()),
                         technologyName);

TEST(ShortPeriodMarginalCost, CrossesTheAverageCostAtItsMinimumForCobbDouglasBelowOne)
{
    RandomCase random(TechnologyType::CobbDouglas);
    for (int c = 0; c < casesPerTechnology; ++c) {
        const Technology t = random.technology(TechnologyType::CobbDouglas, 0.95);
        const double px = random.price(), py = random.price(), fixedY = random.level();
        const auto average = [&](double q) {
            return *shortPeriodCosts(t, px, py, fixedY, q)->average;
        };
        double low = 1e-6 * fixedY, high = 1e6 * fixedY; // golden section, in logarithms
        const double golden = (std::sqrt(5.0) - 1) / 2;
        for (int i = 0; i < 200; ++i) {
            const double a = std::exp(std::log(high) - golden * std::log(high / low));
            const double b = std::exp(std::log(low) + golden * std::log(high / low));
            if (average(a) < average(b))
                high = b;
            else
                low = a;
        }
        const double lowest = std::sqrt(low * high);
        const auto at = shortPeriodCosts(t, px, py, fixedY, lowest);
        EXPECT_NEAR(*at->marginal, *at->average, 1e-6 * *at->average);
        const auto before = shortPeriodCosts(t, px, py, fixedY, lowest / 2);
        const auto after = shortPeriodCosts(t, px, py, fixedY, lowest * 2);
        EXPECT_LT(*before->marginal, *before->average);
        EXPECT_GT(*after->marginal, *after->average);
    }
}

struct Documented
{
    const char *name;
    Technology technology;
    double priceX, priceY, fixedY, q; ///< fixedY 0: the long run
    std::optional<Bundle> expected;
};

const Technology linear{ TechnologyType::PerfectSubstitutes, { 2, 1 } };
const Technology fixed{ TechnologyType::FixedProportions, {} };
const Technology cobbDouglas = defaultTechnology(TechnologyType::CobbDouglas);

const Documented documented[] = {
    { "TieTakesTheCornerOfY", linear, 4, 2, 0, 10, Bundle{ 0, 10, 20, true } },
    { "NoOutputIsNoTie", linear, 4, 2, 0, 0, Bundle{ 0, 0, 0, false } },
    { "CheaperXTakesTheCornerOfX", linear, 3, 2, 0, 10, Bundle{ 5, 0, 15, false } },
    { "FixedProportionsTakeTheKink", fixed, 3, 2, 0, 10, Bundle{ 10, 10, 50, false } },
    { "SurplusOfTheFixedYIsPaidFor", linear, 3, 2, 20, 10, Bundle{ 0, 20, 40, false } },
    { "FixedYAtTheKinkIsEnough", fixed, 3, 2, 10, 10, Bundle{ 10, 10, 50, false } },
    { "FixedYBelowTheKinkCannotReach", fixed, 3, 2, 9, 10, std::nullopt },
    { "ZeroPriceOfX", cobbDouglas, 0, 2, 0, 10, std::nullopt },
    { "NegativeLevel", cobbDouglas, 1, 2, 0, -1, std::nullopt },
    { "NotANumber", cobbDouglas, NAN, 2, 0, 10, std::nullopt },
    { "ZeroCoefficient", Technology{ TechnologyType::PerfectSubstitutes, { 0, 1 } }, 1, 1, 0, 10,
      std::nullopt },
    { "ZeroExponentShortPeriod", Technology{ TechnologyType::CobbDouglas, { 0, 0.5 } }, 1, 1, 5, 10,
      std::nullopt },
    { "UnknownTechnology", Technology{ TechnologyType{ 7 }, {} }, 1, 1, 0, 10, std::nullopt },
};

class DocumentedBundle : public ::testing::TestWithParam<Documented>
{
};

TEST_P(DocumentedBundle, IsTheOneTheHeaderNames)
{
    const Documented &d = GetParam();
    const std::optional<Bundle> got = d.fixedY > 0
            ? fixedYBundle(d.technology, d.priceX, d.priceY, d.fixedY, d.q)
            : cheapestBundle(d.technology, d.priceX, d.priceY, d.q);
    ASSERT_EQ(got.has_value(), d.expected.has_value());
    if (got) {
        EXPECT_DOUBLE_EQ(got->x, d.expected->x);
        EXPECT_DOUBLE_EQ(got->y, d.expected->y);
        EXPECT_DOUBLE_EQ(got->cost, d.expected->cost);
        EXPECT_EQ(got->tied, d.expected->tied);
    }
}

INSTANTIATE_TEST_SUITE_P(Curves, DocumentedBundle, ::testing::ValuesIn(documented),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(CurveCharts, NameTheFirstBoxOutOfRangeAndDrawNothing)
{
    const struct
    {
        std::string DrawInputs::*box;
        std::string text;
        const char *named;
    } cases[] = {
        { &DrawInputs::level, "-1", "Level of production" },
        { &DrawInputs::priceX, "0", "Price of input X" },
        { &DrawInputs::priceY, "abc", "Price of input Y" },
        { &DrawInputs::fixedY, "0", "Fixed level of input Y" },
        { &DrawInputs::cdExpY, "1e999", "Parameter b of the Cobb-Douglas" },
    };
    for (const auto &c : cases) {
        DrawInputs inputs;
        inputs.shortPeriod = true;
        inputs.*c.box = c.text;
        for (const CurveCharts &charts : { costCurveCharts(inputs), inputDemandCharts(inputs) }) {
            EXPECT_EQ(charts.outOfRange.rfind(c.named, 0), 0u) << charts.outOfRange;
            EXPECT_TRUE(charts.charts.empty());
        }
    }
}

TEST(CurveCharts, JoinTheJumpOfLinearDemandAtTheTiePrice)
{
    DrawInputs inputs;
    inputs.technology = TechnologyType::PerfectSubstitutes;
    inputs.coefX = "2"; // tie at a price of X of 2 * 10 / 1 = 20
    const CurveCharts charts = inputDemandCharts(inputs);
    ASSERT_EQ(charts.charts.size(), 2u);
    const Curve &demandX = charts.charts[0].curves[0];
    ASSERT_EQ(demandX.pieces.size(), 1u);
    const auto &line = demandX.pieces[0];
    const auto jump = std::adjacent_find(line.begin(), line.end(), [](auto a, auto b) {
        return a.y == 1500 && b.y == 0; // all X (3000 / 2) to none
    });
    ASSERT_NE(jump, line.end());
    // Upright within a fraction of a pixel at 400 % zoom.
    const double pixel = charts.charts[0].horizontal.max / 1600;
    EXPECT_NEAR(jump->x, 20, pixel);
    EXPECT_NEAR((jump + 1)->x, 20, pixel);
}

// The demand chart holds the level and the price of Y, and says so; in the short period its
// second curve is the fixed Y, not a demand.
TEST(CurveCharts, DemandChartSaysWhatItHoldsAndCallsTheFixedYSo)
{
    DrawInputs inputs;
    inputs.decimalSeparator = ",";
    inputs.priceY = "10.5";
    for (const bool shortPeriod : { false, true }) {
        inputs.shortPeriod = shortPeriod;
        const CurveCharts charts = inputDemandCharts(inputs);
        ASSERT_EQ(charts.charts.size(), 2u);
        EXPECT_EQ(charts.charts[0].title, "Conditional demand for X, output 3000, price of Y 10,5");
        EXPECT_EQ(charts.charts[0].curves.at(1).kind,
                  shortPeriod ? CurveKind::FixedY : CurveKind::DemandY);
    }
}

} // namespace
