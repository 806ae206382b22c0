#include "analysis/curves.h"

#include "analysis/detail/closedforms.h"

#include <cmath>

namespace analysis {

namespace {

using detail::finiteOrNone;

bool positive(double value)
{
    return std::isfinite(value) && value > 0;
}

bool nonNegative(double value)
{
    return std::isfinite(value) && value >= 0;
}

/// The table's entry of `t` when its parameters lie in their domains.
const TechnologyEntry *validEntry(const Technology &t)
{
    const TechnologyEntry *entry = findTechnology(t.type);
    if (!entry)
        return nullptr;
    const double values[] = { t.parameters.a, t.parameters.b };
    for (std::size_t i = 0; i < entry->parameters.size() && i < 2; ++i) {
        if (!entry->parameters[i].admits(values[i]))
            return nullptr;
    }
    return entry;
}

/// The table's entry of `t` when its parameters and both prices lie in their domains.
const TechnologyEntry *validEntry(const Technology &t, double priceX, double priceY)
{
    return positive(priceX) && positive(priceY) ? validEntry(t) : nullptr;
}

} // namespace

std::optional<Bundle> cheapestBundle(const Technology &t, double priceX, double priceY, double q)
{
    const TechnologyEntry *entry = validEntry(t, priceX, priceY);
    if (!entry || !nonNegative(q))
        return std::nullopt;
    return entry->closedForms.cheapest(t.parameters, priceX, priceY, q);
}

std::optional<Bundle> fixedYBundle(const Technology &t, double priceX, double priceY, double fixedY,
                                   double q)
{
    const TechnologyEntry *entry = validEntry(t, priceX, priceY);
    if (!entry || !positive(fixedY) || !nonNegative(q))
        return std::nullopt;
    return entry->closedForms.fixedY(t.parameters, priceX, priceY, fixedY, q);
}

std::optional<LongRunCosts> longRunCosts(const Technology &t, double priceX, double priceY,
                                         double q)
{
    // The technology is found once: this runs for every point of a cost curve.
    const TechnologyEntry *entry = validEntry(t, priceX, priceY);
    if (!entry || !nonNegative(q))
        return std::nullopt;
    const std::optional<Bundle> bundle =
            entry->closedForms.cheapest(t.parameters, priceX, priceY, q);
    if (!bundle)
        return std::nullopt;
    LongRunCosts costs;
    costs.total = bundle->cost;
    if (q > 0)
        costs.average = finiteOrNone(costs.total / q);
    const std::optional<double> marginal =
            entry->closedForms.longRunMarginal(t.parameters, priceX, priceY, q, *bundle);
    if (marginal)
        costs.marginal = finiteOrNone(*marginal);
    return costs;
}

std::optional<ShortPeriodCosts> shortPeriodCosts(const Technology &t, double priceX, double priceY,
                                                 double fixedY, double q)
{
    const TechnologyEntry *entry = validEntry(t, priceX, priceY);
    if (!entry || !positive(fixedY) || !nonNegative(q))
        return std::nullopt;
    const std::optional<Bundle> bundle =
            entry->closedForms.fixedY(t.parameters, priceX, priceY, fixedY, q);
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
    const std::optional<double> marginal = entry->closedForms.shortPeriodMarginal(
            t.parameters, priceX, priceY, fixedY, q, costs.variable);
    if (marginal)
        costs.marginal = finiteOrNone(*marginal);
    return costs;
}

std::optional<double> levelForLongRunY(const Technology &t, double priceX, double priceY,
                                       double fixedY)
{
    const TechnologyEntry *entry = validEntry(t, priceX, priceY);
    if (!entry || !positive(fixedY))
        return std::nullopt;
    const std::optional<double> level =
            entry->closedForms.levelForLongRunY(t.parameters, priceX, priceY, fixedY);
    return level ? finiteOrNone(*level) : std::nullopt;
}

std::optional<double> demandJumpPriceX(const Technology &t, double priceY)
{
    const TechnologyEntry *entry = validEntry(t);
    if (!entry || !positive(priceY))
        return std::nullopt;
    const std::optional<double> price = entry->closedForms.demandJumpPriceX(t.parameters, priceY);
    return price ? finiteOrNone(*price) : std::nullopt;
}

std::optional<IsoquantShape> isoquantShape(const Technology &t, double q)
{
    const TechnologyEntry *entry = validEntry(t);
    if (!entry || !nonNegative(q))
        return std::nullopt;
    const IsoquantShape shape = entry->closedForms.isoquant(t.parameters, q);
    if (!std::isfinite(shape.x) || !std::isfinite(shape.y))
        return std::nullopt;
    return shape;
}

std::optional<double> isoquantY(const Technology &t, double q, double x)
{
    const TechnologyEntry *entry = validEntry(t);
    if (!entry || !nonNegative(q) || !nonNegative(x))
        return std::nullopt;
    const std::optional<double> y = entry->closedForms.isoquantY(t.parameters, q, x);
    return y ? finiteOrNone(*y) : std::nullopt;
}

} // namespace analysis
