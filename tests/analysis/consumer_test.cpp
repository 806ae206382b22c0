#include "analysis/consumer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

using namespace analysis;

namespace {

using Type = PreferenceType;
const double root2 = std::sqrt(2.0), ln2 = std::log(2.0);

/// The utility of (x, y), written apart from the closed forms on purpose, to check them.
double utilityOf(const Preferences &p, double x, double y)
{
    switch (p.type) {
    case Type::PerfectSubstitutes:
        return p.a * x + p.b * y;
    case Type::PerfectComplements:
        return std::min(p.a * x, p.b * y);
    case Type::CobbDouglas:
        return std::pow(x, p.a) * std::pow(y, p.b);
    case Type::QuasiLinear:
        return p.a * std::log(x) + p.b * y;
    }
    return NAN;
}

/// Worked by hand: the price of X goes from 2 to 1, the price of Y is 3.
struct Worked
{
    const char *name;
    Preferences preferences;
    double income;
    double before[2], compensated[2], after[2], slutsky[2];
    double compensating, equivalent;
};

const Worked worked[] = {
    // a/px .5 < b/py .67 before, 1 > .67 after; the old utility 80 costs 80 on X alone, and
    // the new one, 120, costs 180 on Y alone at the old prices.
    { "PerfectSubstitutes",
      { Type::PerfectSubstitutes, 1, 2 },
      120,
      { 0, 40 },
      { 80, 0 },
      { 120, 0 },
      { 120, 0 },
      40,
      60 },
    // u = M / (px/a + py/b): 140 / 4 = 35 before, 140 / 3.5 = 40 after; x = u/2, y = u.
    { "PerfectComplements",
      { Type::PerfectComplements, 2, 1 },
      140,
      { 17.5, 35 },
      { 17.5, 35 },
      { 20, 40 },
      { 17.5, 35 },
      17.5,
      20 },
    // The example: u0 = sqrt(600), u1 = sqrt(1200); e(p, u) = 2 u sqrt(px py).
    { "CobbDouglas",
      { Type::CobbDouglas, .5, .5 },
      120,
      { 30, 20 },
      { 30 * root2, 10 * root2 },
      { 60, 20 },
      { 45, 15 },
      120 - 60 * root2,
      120 * root2 - 120 },
    // The same baskets: only a / b matters, though x^a y^b is 1 to the last digit for any basket.
    { "CobbDouglasOfTinyExponents",
      { Type::CobbDouglas, 1e-20, 1e-20 },
      120,
      { 30, 20 },
      { 30 * root2, 10 * root2 },
      { 60, 20 },
      { 45, 15 },
      120 - 60 * root2,
      120 * root2 - 120 },
    // x = a py / (b px) = 9, then 18; Y keeps the rest, 34; the old utility at the new price
    // needs 6 ln 2 less Y, and CV = EV = py a ln 2 / b.
    { "QuasiLinear",
      { Type::QuasiLinear, 6, 1 },
      120,
      { 9, 34 },
      { 18, 34 - 6 * ln2 },
      { 18, 34 },
      { 18, 31 },
      18 * ln2,
      18 * ln2 },
    // Below the threshold income a py / b = 18: all on X, 6 then 12; the old utility 6 ln 6 is
    // reached with X alone; the new one at the old price leaves Y = 6 ln(12 / 9).
    { "QuasiLinearBelowThreshold",
      { Type::QuasiLinear, 6, 1 },
      12,
      { 6, 0 },
      { 6, 0 },
      { 12, 0 },
      { 6, 0 },
      6,
      6 + 18 * std::log(4.0 / 3) },
};

class WorkedExample : public ::testing::TestWithParam<Worked>
{
};

TEST_P(WorkedExample, GivesTheBasketsAndVariationsWorkedByHand)
{
    const Worked &w = GetParam();
    const std::optional<PriceEffects> e = priceEffects(w.preferences, 2, 1, 3, w.income);
    ASSERT_TRUE(e);
    const auto expectBasket = [](const Basket &got, const double(&want)[2], const char *which) {
        EXPECT_NEAR(got.x, want[0], 1e-12 * (1 + want[0])) << which;
        EXPECT_NEAR(got.y, want[1], 1e-12 * (1 + want[1])) << which;
    };
    expectBasket(e->before, w.before, "before");
    expectBasket(e->compensated, w.compensated, "compensated");
    expectBasket(e->after, w.after, "after");
    expectBasket(e->slutsky, w.slutsky, "slutsky");
    EXPECT_NEAR(e->substitution, w.compensated[0] - w.before[0], 1e-12 * w.income);
    EXPECT_NEAR(e->income, w.after[0] - w.compensated[0], 1e-12 * w.income);
    EXPECT_NEAR(e->slutskySubstitution, w.slutsky[0] - w.before[0], 1e-12 * w.income);
    EXPECT_NEAR(e->slutskyIncome, w.after[0] - w.slutsky[0], 1e-12 * w.income);
    EXPECT_NEAR(e->compensatingVariation, w.compensating, 1e-12 * w.income);
    EXPECT_NEAR(e->equivalentVariation, w.equivalent, 1e-12 * w.income);
}

INSTANTIATE_TEST_SUITE_P(Consumer, WorkedExample, ::testing::ValuesIn(worked),
                         [](const auto &info) { return std::string(info.param.name); });

struct Documented
{
    const char *name;
    Preferences preferences;
    double priceX, priceY, amount; ///< an income, or a utility when `cheapest`
    bool cheapest;
    std::optional<Basket> expected;
};

const Preferences substitutes{ Type::PerfectSubstitutes, 2, 3 }; // tie at prices 2 and 3

const Documented documented[] = {
    { "TieTakesTheCornerOfY", substitutes, 2, 3, 120, false, Basket{ 0, 40, 120, true } },
    { "NoIncomeIsNoTie", substitutes, 2, 3, 0, false, Basket{ 0, 0, 0, false } },
    { "CheapestTieTakesTheCornerOfY", substitutes, 2, 3, 120, true, Basket{ 0, 40, 120, true } },
    { "NoUtilityIsNoTie", substitutes, 2, 3, 0, true, Basket{ 0, 0, 0, false } },
    { "CheaperXTakesTheCornerOfX", substitutes, 1, 3, 120, false, Basket{ 120, 0, 240, false } },
    { "QuasiLinearHasNoBasketAtNoIncome",
      { Type::QuasiLinear, 1, 1 },
      1,
      1,
      0,
      false,
      std::nullopt },
    { "QuasiLinearNegativeUtilityBuysXAlone",
      { Type::QuasiLinear, 2, 1 },
      1,
      1,
      -2,
      true,
      Basket{ std::exp(-1.0), 0, -2, false } },
    { "NegativeUtility", { Type::CobbDouglas }, 1, 1, -1, true, std::nullopt },
    { "ZeroParameter", { Type::PerfectComplements, 0, 1 }, 1, 1, 10, false, std::nullopt },
    { "NotANumber", { Type::CobbDouglas }, NAN, 1, 10, false, std::nullopt },
    { "QuantityOverflows",
      { Type::PerfectSubstitutes, 1, 1 },
      1e-10,
      1,
      1e300,
      false,
      std::nullopt },
    { "UtilityOverflows", { Type::CobbDouglas, 100, 100 }, 1, 1, 1e6, false, std::nullopt },
    { "UtilityUnderflows", { Type::CobbDouglas, 100, 100 }, 1, 1, 1e-6, false, std::nullopt },
    // Above the threshold a py / b = 1E300, whose a / b is beyond a double: Y would be too.
    { "QuasiLinearYBeyondDoubles",
      { Type::QuasiLinear, 1e300, 1e-300 },
      1,
      1e-300,
      1e302,
      false,
      std::nullopt },
};

class DocumentedBasket : public ::testing::TestWithParam<Documented>
{
};

TEST_P(DocumentedBasket, IsTheOneTheRulesName)
{
    const Documented &d = GetParam();
    const std::optional<Basket> got = d.cheapest
            ? cheapestBasket(d.preferences, d.priceX, d.priceY, d.amount)
            : chosenBasket(d.preferences, d.priceX, d.priceY, d.amount);
    ASSERT_EQ(got.has_value(), d.expected.has_value());
    if (got) {
        EXPECT_DOUBLE_EQ(got->x, d.expected->x);
        EXPECT_DOUBLE_EQ(got->y, d.expected->y);
        EXPECT_DOUBLE_EQ(got->utility, d.expected->utility);
        EXPECT_EQ(got->tied, d.expected->tied);
    }
}

INSTANTIATE_TEST_SUITE_P(Consumer, DocumentedBasket, ::testing::ValuesIn(documented),
                         [](const auto &info) { return std::string(info.param.name); });

class ByPreferences : public ::testing::TestWithParam<Type>
{
};

TEST_P(ByPreferences, ChoicesHoldTheirPropertiesOverRandomPricesAndIncomes)
{
    std::mt19937 generator(static_cast<unsigned>(GetParam()));
    const auto logUniform = [&](double low, double high) {
        return std::exp(std::uniform_real_distribution(std::log(low), std::log(high))(generator));
    };
    for (int c = 0; c < 300; ++c) {
        const Preferences p{ GetParam(), logUniform(0.1, 10), logUniform(0.1, 10) };
        const double px = logUniform(0.1, 100), newPx = logUniform(0.1, 100);
        const double py = logUniform(0.1, 100), m = logUniform(1, 1e5);
        const std::optional<PriceEffects> e = priceEffects(p, px, newPx, py, m);
        ASSERT_TRUE(e) << c;
        const Basket &before = e->before;
        // The whole income is spent, and no other basket on the budget line is better.
        EXPECT_NEAR(px * before.x + py * before.y, m, 1e-12 * m);
        const double scale = std::fabs(before.utility) + p.b * m / py;
        EXPECT_NEAR(utilityOf(p, before.x, before.y), before.utility, 1e-12 * scale);
        for (int i = 0; i <= 100; ++i) {
            const double x = m / px * i / 100, y = std::max(0.0, (m - px * x) / py);
            ASSERT_LE(utilityOf(p, x, y), before.utility + 1e-12 * scale) << "x " << x;
        }
        // The cheapest basket of the chosen utility costs the income; the compensated basket
        // has the old utility.
        const Basket cheapest = *cheapestBasket(p, px, py, before.utility);
        EXPECT_NEAR(px * cheapest.x + py * cheapest.y, m, 1e-12 * m);
        const Basket &compensated = e->compensated;
        EXPECT_EQ(compensated.utility, before.utility);
        EXPECT_NEAR(utilityOf(p, compensated.x, compensated.y), before.utility, 1e-12 * scale);
        // The effects add up, and the substitution effects go against the price.
        const double total = e->after.x - before.x, size = 1e-12 * (before.x + e->after.x + 1);
        EXPECT_NEAR(e->substitution + e->income, total, size);
        EXPECT_NEAR(e->slutskySubstitution + e->slutskyIncome, total, size);
        const double against = newPx < px ? 1 : -1;
        EXPECT_GE(against * e->substitution, -size);
        EXPECT_GE(against * e->slutskySubstitution, -size);
        EXPECT_GE(against * e->compensatingVariation, -1e-12 * m);
        EXPECT_GE(against * e->equivalentVariation, -1e-12 * m);

        // Engel curves: straight through the origin when homothetic; for quasi-linear
        // preferences X stays put once income passes a py / b.
        for (const double k : { 0.25, 3.0, 40.0 }) {
            const Basket richer = *chosenBasket(p, px, py, k * m);
            if (p.type != Type::QuasiLinear) {
                EXPECT_NEAR(richer.x, k * before.x, 1e-12 * k * before.x);
            } else if (std::min(m, k * m) > p.a * py / p.b) {
                EXPECT_EQ(richer.x, before.x) << "k " << k;
            }
        }
    }
}

std::string preferenceName(const ::testing::TestParamInfo<Type> &info)
{
    const char *names[] = { "PerfectSubstitutes", "PerfectComplements", "CobbDouglas",
                            "QuasiLinear" };
    return names[static_cast<int>(info.param) - 1];
}

INSTANTIATE_TEST_SUITE_P(Consumer, ByPreferences,
                         ::testing::Values(Type::PerfectSubstitutes, Type::PerfectComplements,
                                           Type::CobbDouglas, Type::QuasiLinear),
                         preferenceName);

} // namespace
