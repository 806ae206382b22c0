// Fuzzes the consumer's choice and the charts of the consumer windows with any texts, form of
// utility and compensation, and aborts when a result breaks what the computation promises:
// nullopt outside the domain; a chosen basket that spends the income and that no other basket
// on the budget line beats; a cheapest basket that reaches its utility and costs what the
// chosen basket of that utility costs; effects that add up, substitution effects against the
// price, variations of the sign of the price's fall; straight Engel curves through the origin
// for the homothetic forms and an X that stays put above the quasi-linear threshold; and
// charts that either name the first box out of range and draw nothing, or lie, finite, within
// their axes. The rules are checked here from their own formulas, not from the code's.
#include "analysis/consumercharts.h"
#include "analysis/numericvalue.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>

namespace {

using analysis::Basket;
using analysis::Preferences;
using analysis::PreferenceType;

/// Relative error allowed between two computations of the same number.
constexpr double slack = 1e-9;
/// Absolute error allowed on sums of money: a product of a price and a quantity below the normal
/// doubles is only known to a few of the smallest steps of a double.
constexpr double moneyGrain = 4 * DBL_TRUE_MIN;

[[noreturn]] void fail(const std::string &what)
{
    std::fprintf(stderr, "consumer: %s\n", what.c_str());
    std::abort();
}

void require(bool holds, const char *what)
{
    if (!holds)
        fail(what);
}

/// Decodes fuzz bytes into a consumer window's inputs. The last three bytes choose, from the
/// end, the form of utility (byte % 6: 0 and 5 name none), the compensation (lowest bit) and the
/// decimal separator (byte % 3: ".", ",", or a text of its own); the front holds the six texts,
/// then the own separator, each ended by a backslash and one more character.
analysis::ConsumerInputs decode(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider bytes(data, size);
    analysis::ConsumerInputs inputs;
    inputs.preference = static_cast<PreferenceType>(bytes.ConsumeIntegralInRange(0, 5));
    inputs.compensation =
            bytes.ConsumeBool() ? analysis::Compensation::Slutsky : analysis::Compensation::Hicks;
    const int separator = bytes.ConsumeIntegralInRange(0, 2);
    for (std::string *text : { &inputs.income, &inputs.priceX, &inputs.priceY, &inputs.newPriceX,
                               &inputs.parameterA, &inputs.parameterB })
        *text = bytes.ConsumeRandomLengthString();
    const std::string own = bytes.ConsumeRandomLengthString(8);
    inputs.decimalSeparator = separator == 0 ? "." : separator == 1 ? "," : own;
    return inputs;
}

bool known(PreferenceType type)
{
    return type >= PreferenceType::PerfectSubstitutes && type <= PreferenceType::QuasiLinear;
}

/// The logarithm of the utility for Cobb-Douglas (whose powers may overflow), the utility
/// itself for the other forms.
double scaledUtility(const Preferences &p, double x, double y)
{
    switch (p.type) {
    case PreferenceType::PerfectSubstitutes:
        return p.a * x + p.b * y;
    case PreferenceType::PerfectComplements:
        return std::fmin(p.a * x, p.b * y);
    case PreferenceType::CobbDouglas:
        return p.a * std::log(x) + p.b * std::log(y);
    case PreferenceType::QuasiLinear:
        return p.a * std::log(x) + p.b * y;
    }
    return NAN;
}

double scaledOf(const Preferences &p, double utility)
{
    return p.type == PreferenceType::CobbDouglas ? std::log(utility) : utility;
}

/// The size of the rounding that scaledUtility(x, y) may carry: of the arithmetic, and of x and
/// y themselves, which are only known to within half a unit in their last place; where a or b is
/// large, that alone moves the utility by much (x ^ 1E10 changes by a factor of e^(2E-6) with x's
/// last bit).
double roundingOf(const Preferences &p, double x, double y)
{
    constexpr double lastBit = 4 * DBL_EPSILON;
    switch (p.type) {
    case PreferenceType::CobbDouglas:
        return slack * (1 + std::fabs(p.a * std::log(x)) + std::fabs(p.b * std::log(y)))
                + lastBit * (p.a + p.b);
    case PreferenceType::QuasiLinear:
        return slack * (1 + std::fabs(p.a * std::log(x)) + p.b * y) + lastBit * p.a;
    default:
        return slack * (p.a * x + p.b * y);
    }
}

/// The relative error allowed on the cost of reaching a utility given as a number: a Cobb-Douglas
/// utility is known to half a unit in its last place, and the cost moves with its power
/// 1 / (a + b).
double costSlack(const Preferences &p)
{
    return slack + (p.type == PreferenceType::CobbDouglas ? 4 * DBL_EPSILON / (p.a + p.b) : 0);
}

bool fits(double value)
{
    return std::isfinite(value) && value >= DBL_MIN;
}

bool near(double got, double want, double scale)
{
    return std::fabs(got - want) <= slack * std::fabs(scale) + moneyGrain;
}

void checkBasket(const Preferences &p, const Basket &b)
{
    require(std::isfinite(b.x) && std::isfinite(b.y) && std::isfinite(b.utility) && b.x >= 0
                    && b.y >= 0,
            "a basket with a negative or non-finite number");
    require(p.type == PreferenceType::QuasiLinear || b.utility >= 0, "a negative utility");
    if (p.type == PreferenceType::CobbDouglas && (b.x == 0 || b.y == 0)) {
        require(b.utility == 0, "a Cobb-Douglas basket without X or Y has a utility");
        return;
    }
    if (p.type == PreferenceType::CobbDouglas && b.utility == 0)
        fail("a Cobb-Douglas basket of X and Y without utility");
    // Unless the check's own sum of terms overflows.
    const double utility = scaledUtility(p, b.x, b.y);
    require(!std::isfinite(utility)
                    || std::fabs(utility - scaledOf(p, b.utility)) <= roundingOf(p, b.x, b.y),
            "a basket does not give its utility");
}

void checkChoice(const Preferences &p, double px, double py, double income, const Basket &b)
{
    checkBasket(p, b);
    require(near(px * b.x + py * b.y, income, income), "a chosen basket does not spend the income");
    if (income == 0)
        return;
    // No basket along the budget line gives more.
    for (int i = 0; i <= 16; ++i) {
        // Written from the shares of the income, so that no sum of money falls below the normal
        // doubles on the way.
        const double x = income / px * (i / 16.0), y = income / py * (1 - i / 16.0);
        // Where the check's own arithmetic overflows or falls below the normal doubles, it
        // cannot compare.
        const double utility = scaledUtility(p, x, y);
        if (!std::isfinite(utility) || !fits(x) || !fits(y))
            continue;
        require(utility <= scaledOf(p, b.utility) + roundingOf(p, x, y) + roundingOf(p, b.x, b.y),
                "a basket on the budget line beats the chosen one");
    }
}

void checkFunctions(const Preferences &p, double px, double newPx, double py, double income)
{
    using namespace analysis;
    const bool valid = known(p.type) && std::isfinite(p.a) && p.a > 0 && std::isfinite(p.b)
            && p.b > 0 && std::isfinite(px) && px > 0 && std::isfinite(py) && py > 0
            && std::isfinite(income);
    const bool quasiLinear = p.type == PreferenceType::QuasiLinear;
    // The income's text read as a utility too, which may be below 0 for quasi-linear utility.
    const std::optional<Basket> chosen = chosenBasket(p, px, py, income);
    const std::optional<Basket> cheapest = cheapestBasket(p, px, py, income);
    require(valid || !cheapest, "a cheapest basket outside the domain");
    require(valid || !chosen, "a chosen basket outside the domain");
    require(income >= 0 || !chosen, "a chosen basket of a negative income");
    require(income >= 0 || quasiLinear || !cheapest, "a cheapest basket of a negative utility");
    if (!valid)
        return;
    require(!quasiLinear || income > 0 || !chosen, "a quasi-linear basket at no income");
    if (cheapest) {
        // The cheapest basket reaches its utility, and its cost buys that utility again.
        checkBasket(p, *cheapest);
        require(cheapest->utility == income, "a cheapest basket of another utility");
        const double cost = px * cheapest->x + py * cheapest->y;
        if (const auto again = chosenBasket(p, px, py, cost); again && cost >= DBL_MIN)
            require(std::fabs(scaledOf(p, again->utility) - scaledOf(p, income))
                            <= roundingOf(p, again->x, again->y)
                                    + roundingOf(p, cheapest->x, cheapest->y),
                    "the cost of the cheapest basket buys another utility");
    }
    if (!chosen)
        return;
    checkChoice(p, px, py, income, *chosen);
    // Unless a + b is so small that the utility's last digit moves the cost by more than 1 %.
    if (const auto dual = cheapestBasket(p, px, py, chosen->utility);
        dual && income > 0 && costSlack(p) < 0.01)
        require(std::fabs(px * dual->x + py * dual->y - income)
                        <= costSlack(p) * income + moneyGrain,
                "the cheapest basket of the chosen utility costs another income");

    // Engel curves.
    if (const auto richer = chosenBasket(p, px, py, 2 * income)) {
        if (p.type != PreferenceType::QuasiLinear)
            require(near(richer->x, 2 * chosen->x, 2 * chosen->x),
                    "a homothetic Engel curve is not straight through the origin");
        else if (income > std::exp(std::log(p.a) + std::log(py) - std::log(p.b)) * (1 + slack))
            require(richer->x == chosen->x, "X changes with income above the threshold");
    }

    const std::optional<PriceEffects> e = priceEffects(p, px, newPx, py, income);
    if (!e)
        return;
    require(std::isfinite(newPx) && newPx > 0, "effects of a price outside the domain");
    checkChoice(p, newPx, py, income, e->after);
    checkBasket(p, e->compensated);
    require(e->compensated.utility == e->before.utility && e->before.x == chosen->x,
            "the compensated basket has another utility");
    const double buysBefore = newPx * e->before.x + py * e->before.y;
    checkChoice(p, newPx, py, buysBefore, e->slutsky);
    const double total = e->after.x - e->before.x;
    const double size = slack * (e->before.x + e->after.x + e->compensated.x + e->slutsky.x);
    require(std::fabs(e->substitution + e->income - total) <= size
                    && std::fabs(e->slutskySubstitution + e->slutskyIncome - total) <= size,
            "the effects do not add up");
    const double against = newPx < px ? 1 : newPx > px ? -1 : 0;
    require(against * e->substitution >= -size && against * e->slutskySubstitution >= -size,
            "a substitution effect goes with the price");
    const double money =
            slack * (income + newPx * e->compensated.x + py * e->compensated.y) + moneyGrain;
    require(against * e->compensatingVariation >= -money,
            "a compensating variation of the wrong sign");
    require(against * e->equivalentVariation
                    >= -slack * (income + std::fabs(e->equivalentVariation)) - moneyGrain,
            "an equivalent variation of the wrong sign");
}

/// The line the windows write for the first box out of range, from the boxes' own rule.
std::string outOfRangeLine(const analysis::ConsumerInputs &inputs, bool priceChange)
{
    if (!known(inputs.preference))
        return "No preference is selected.";
    const auto inRange = [](const std::string &text, bool zeroAllowed) {
        const std::optional<double> v = analysis::numericValue(text);
        return v && std::isfinite(*v) && (*v > 0 || (zeroAllowed && *v == 0));
    };
    const std::array<std::tuple<const std::string *, const char *, bool>, 6> boxes{ {
            { &inputs.income, "Income", true },
            { &inputs.priceX, "Price of good X", false },
            { &inputs.priceY, "Price of good Y", false },
            { priceChange ? &inputs.newPriceX : nullptr, "New price of X", false },
            { &inputs.parameterA, "a", false },
            { &inputs.parameterB, "b", false },
    } };
    for (const auto &[text, name, zeroAllowed] : boxes) {
        if (text && !inRange(*text, zeroAllowed))
            return std::string(name) + " is out of range: it must be a number "
                    + (zeroAllowed ? "of at least 0." : "greater than 0.");
    }
    return "";
}

void checkCharts(const analysis::ConsumerInputs &inputs, bool priceChange)
{
    const analysis::ConsumerCharts result =
            priceChange ? analysis::priceEffectCharts(inputs) : analysis::engelCharts(inputs);
    const std::string expected = outOfRangeLine(inputs, priceChange);
    if (!expected.empty()) {
        require(result.outOfRange == expected, "not the first box out of range");
        require(result.charts.empty() && result.summary.empty(), "charts beside the line");
        return;
    }
    if (!result.outOfRange.empty()) {
        // Only quasi-linear utility at no income, or numbers beyond a double.
        const bool noIncome = inputs.preference == PreferenceType::QuasiLinear
                && analysis::numericValue(inputs.income) == 0.0;
        require(result.outOfRange
                        == (noIncome ? "Income is out of range: it must be a number greater than 0."
                                     : "The numbers are too large or too small to draw these "
                                       "charts."),
                "an unexpected line");
        require(result.charts.empty() && result.summary.empty(), "charts beside the line");
        return;
    }
    require(result.charts.size() == (priceChange ? 1u : 2u) && !result.summary.empty(),
            "not the window's charts and summary");
    const auto within = [](const analysis::CurvePoint &p, const analysis::CurveChart &chart) {
        return p.x >= 0 && p.x <= chart.horizontal.max * 1.03 && p.y >= 0
                && p.y <= chart.vertical.max * 1.03;
    };
    for (const analysis::ConsumerChart &chart : result.charts) {
        for (const analysis::Axis *axis : { &chart.chart.horizontal, &chart.chart.vertical })
            require(std::isfinite(axis->max) && axis->step > 0 && axis->max / axis->step <= 11,
                    "an axis without a usable scale");
        for (const analysis::Curve &curve : chart.chart.curves) {
            for (const auto &piece : curve.pieces) {
                require(piece.size() >= 2 && piece.size() <= 100000,
                        "a piece of too few or many points");
                for (const analysis::CurvePoint &p : piece)
                    require(within(p, chart.chart), "a curve's point outside the chart");
            }
            require(!curve.marker || within(*curve.marker, chart.chart),
                    "a marker outside the chart");
        }
        for (const analysis::MarkedPoint &point : chart.points)
            require(within(point.at, chart.chart), "a marked point outside the chart");
        for (const analysis::EffectArrow &arrow : chart.arrows)
            require(within({ arrow.from, 0 }, chart.chart) && within({ arrow.to, 0 }, chart.chart),
                    "an arrow outside the chart");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const analysis::ConsumerInputs inputs = decode(data, size);
    const auto read = [](const std::string &text) {
        return analysis::numericValue(text).value_or(INFINITY);
    };
    const Preferences p{ inputs.preference, read(inputs.parameterA), read(inputs.parameterB) };
    checkFunctions(p, read(inputs.priceX), read(inputs.newPriceX), read(inputs.priceY),
                   read(inputs.income));
    checkCharts(inputs, false);
    checkCharts(inputs, true);
    return 0;
}
