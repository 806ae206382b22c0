#include "analysis/curves.h"

#include <algorithm>
#include <cmath>

namespace analysis {

namespace {

bool positive(double value)
{
    return std::isfinite(value) && value > 0;
}

bool nonNegative(double value)
{
    return std::isfinite(value) && value >= 0;
}

bool validTechnology(const Technology &t)
{
    switch (t.type) {
    case TechnologyType::PerfectSubstitutes:
        return positive(t.coefX) && positive(t.coefY);
    case TechnologyType::FixedProportions:
        return true;
    case TechnologyType::CobbDouglas:
        return positive(t.cdExpX) && positive(t.cdExpY);
    }
    return false;
}

bool validPrices(const Technology &t, double priceX, double priceY)
{
    return validTechnology(t) && positive(priceX) && positive(priceY);
}

/// The bundle (x, y) at these prices; nullopt when a quantity or the cost does not fit a double.
std::optional<Bundle> priced(double priceX, double priceY, double x, double y, bool tied = false)
{
    const Bundle bundle{ x, y, priceX * x + priceY * y, tied };
    if (!std::isfinite(bundle.x) || !std::isfinite(bundle.y) || !std::isfinite(bundle.cost))
        return std::nullopt;
    return bundle;
}

std::optional<double> finiteOrNone(double value)
{
    return std::isfinite(value) ? std::optional(value) : std::nullopt;
}

/// log(b priceX / (a priceY)) of a Cobb-Douglas technology, from the logarithms of its factors so
/// that no intermediate product overflows: the tangency condition in logarithms.
double logPriceRatio(const Technology &t, double priceX, double priceY)
{
    return std::log(t.cdExpY) + std::log(priceX) - std::log(t.cdExpX) - std::log(priceY);
}

} // namespace

std::optional<Bundle> cheapestBundle(const Technology &t, double priceX, double priceY, double q)
{
    if (!validPrices(t, priceX, priceY) || !nonNegative(q))
        return std::nullopt;
    switch (t.type) {
    case TechnologyType::PerfectSubstitutes: {
        if (q == 0)
            return Bundle{};
        // The cost of one unit of output made from X alone and from Y alone; at equal costs the
        // Draw takes the corner that uses only Y, and so does this.
        const double unitX = priceX / t.coefX, unitY = priceY / t.coefY;
        if (unitX < unitY)
            return priced(priceX, priceY, q / t.coefX, 0);
        return priced(priceX, priceY, 0, q / t.coefY, unitX == unitY);
    }
    case TechnologyType::FixedProportions:
        return priced(priceX, priceY, q, q);
    case TechnologyType::CobbDouglas: {
        if (q == 0)
            return Bundle{};
        // The tangency a Y / (b X) = priceX / priceY on the isoquant X^a Y^b = q, in logarithms.
        const double a = t.cdExpX, b = t.cdExpY, s = a + b;
        const double ratio = logPriceRatio(t, priceX, priceY);
        const double x = std::exp((std::log(q) - b * ratio) / s);
        const double y = std::exp((std::log(q) + a * ratio) / s);
        return priced(priceX, priceY, x, y);
    }
    }
    return std::nullopt;
}

std::optional<Bundle> fixedYBundle(const Technology &t, double priceX, double priceY, double fixedY,
                                   double q)
{
    if (!validPrices(t, priceX, priceY) || !positive(fixedY) || !nonNegative(q))
        return std::nullopt;
    switch (t.type) {
    case TechnologyType::PerfectSubstitutes:
        // When the fixed Y alone yields q, no X is bought and the surplus output is accepted.
        return priced(priceX, priceY, std::max(0.0, (q - t.coefY * fixedY) / t.coefX), fixedY);
    case TechnologyType::FixedProportions:
        if (fixedY < q)
            return std::nullopt;
        return priced(priceX, priceY, q, fixedY);
    case TechnologyType::CobbDouglas:
        if (q == 0)
            return priced(priceX, priceY, 0, fixedY);
        return priced(priceX, priceY,
                      std::exp((std::log(q) - t.cdExpY * std::log(fixedY)) / t.cdExpX), fixedY);
    }
    return std::nullopt;
}

std::optional<LongRunCosts> longRunCosts(const Technology &t, double priceX, double priceY,
                                         double q)
{
    const std::optional<Bundle> bundle = cheapestBundle(t, priceX, priceY, q);
    if (!bundle)
        return std::nullopt;
    LongRunCosts costs;
    costs.total = bundle->cost;
    if (q > 0)
        costs.average = finiteOrNone(costs.total / q);
    switch (t.type) {
    case TechnologyType::PerfectSubstitutes:
        costs.marginal = finiteOrNone(std::min(priceX / t.coefX, priceY / t.coefY));
        break;
    case TechnologyType::FixedProportions:
        costs.marginal = finiteOrNone(priceX + priceY);
        break;
    case TechnologyType::CobbDouglas: {
        // The cost is K q^(1/s): its derivative is cost / (s q), and at q = 0 it is 0, K or
        // infinite as the returns to scale are decreasing, constant or increasing.
        const double s = t.cdExpX + t.cdExpY;
        if (q > 0)
            costs.marginal = finiteOrNone(costs.total / (s * q));
        else if (s < 1)
            costs.marginal = 0.0;
        else if (s == 1)
            costs.marginal = cheapestBundle(t, priceX, priceY, 1).value_or(Bundle{}).cost;
        break;
    }
    }
    return costs;
}

std::optional<ShortPeriodCosts> shortPeriodCosts(const Technology &t, double priceX, double priceY,
                                                 double fixedY, double q)
{
    const std::optional<Bundle> bundle = fixedYBundle(t, priceX, priceY, fixedY, q);
    if (!bundle)
        return std::nullopt;
    ShortPeriodCosts costs;
    costs.total = bundle->cost;
    costs.variable = priceX * bundle->x;
    costs.fixed = priceY * fixedY;
    if (q > 0) {
        costs.average = finiteOrNone(costs.total / q);
        costs.averageVariable = finiteOrNone(costs.variable / q);
        costs.averageFixed = finiteOrNone(costs.fixed / q);
    }
    switch (t.type) {
    case TechnologyType::PerfectSubstitutes:
        costs.marginal = q < t.coefY * fixedY ? 0.0 : priceX / t.coefX;
        break;
    case TechnologyType::FixedProportions:
        costs.marginal = priceX;
        break;
    case TechnologyType::CobbDouglas:
        // X = (q / fixedY^b)^(1/a), so the marginal cost is priceX X / (a q); at q = 0 it is 0,
        // priceX / fixedY^b or infinite as a is below, at or above 1.
        if (q > 0)
            costs.marginal = costs.variable / (t.cdExpX * q);
        else if (t.cdExpX < 1)
            costs.marginal = 0.0;
        else if (t.cdExpX == 1)
            costs.marginal = priceX / std::pow(fixedY, t.cdExpY);
        break;
    }
    if (costs.marginal)
        costs.marginal = finiteOrNone(*costs.marginal);
    return costs;
}

std::optional<double> levelForLongRunY(const Technology &t, double priceX, double priceY,
                                       double fixedY)
{
    if (!validPrices(t, priceX, priceY) || !positive(fixedY))
        return std::nullopt;
    switch (t.type) {
    case TechnologyType::PerfectSubstitutes:
        if (priceX / t.coefX < priceY / t.coefY)
            return std::nullopt;
        return finiteOrNone(t.coefY * fixedY);
    case TechnologyType::FixedProportions:
        return fixedY;
    case TechnologyType::CobbDouglas: {
        // The inverse of the cheapest Y: log Y = (log q + a log(b priceX / (a priceY))) / s.
        const double s = t.cdExpX + t.cdExpY;
        return finiteOrNone(
                std::exp(s * std::log(fixedY) - t.cdExpX * logPriceRatio(t, priceX, priceY)));
    }
    }
    return std::nullopt;
}

} // namespace analysis
