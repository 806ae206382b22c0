#include "analysis/consumercharts.h"

#include "analysis/detail/chartsampling.h"
#include "analysis/numbertext.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace analysis {

namespace {

using detail::niceAxis;
using detail::overshoot;
using detail::PointAt;
using detail::readBox;

/// The share of an axis a sampled curve may stray from the exact one: half a pixel on a chart
/// 3840 pixels wide, halved, because the sampler checks the middle of each segment and a kink
/// between (of the quasi-linear path and Engel curves) may stray up to twice as far.
constexpr double tolerance = 0.5 / 3840 / 2;
/// The relative step of income over which the income elasticity is measured. The Engel curves
/// are straight between their kinks, so the step reads the slope on the side of rising income,
/// up to rounding (about 1E-7 of the elasticity), unless a kink lies within the step.
constexpr double incomeStep = 1e-9;
/// Elasticities this close to 0 or 1 are taken as exactly 0 or 1.
constexpr double elasticityTolerance = 1e-5;

/// The numbers a consumer window reads, each checked against its domain.
struct Reading
{
    Preferences preferences;
    double income = 0, priceX = 0, priceY = 0, newPriceX = 0;
};

std::optional<Reading> readInputs(const ConsumerInputs &inputs, bool priceChange,
                                  std::string &outOfRange)
{
    if (inputs.preference < PreferenceType::PerfectSubstitutes
        || inputs.preference > PreferenceType::QuasiLinear) {
        outOfRange = "No preference is selected.";
        return std::nullopt;
    }
    Reading r;
    r.preferences.type = inputs.preference;
    r.income = readBox(inputs.income, "Income", true, outOfRange).value_or(0);
    r.priceX = readBox(inputs.priceX, "Price of good X", false, outOfRange).value_or(0);
    r.priceY = readBox(inputs.priceY, "Price of good Y", false, outOfRange).value_or(0);
    if (priceChange)
        r.newPriceX = readBox(inputs.newPriceX, "New price of X", false, outOfRange).value_or(0);
    r.preferences.a = readBox(inputs.parameterA, "a", false, outOfRange).value_or(0);
    r.preferences.b = readBox(inputs.parameterB, "b", false, outOfRange).value_or(0);
    if (!outOfRange.empty())
        return std::nullopt;
    return r;
}

ConsumerCharts tooLarge()
{
    return { "The numbers are too large or too small to draw these charts.", {}, {} };
}

/// What the window says when no basket is chosen at the income read: quasi-linear preferences
/// have none at an income of 0; otherwise a result did not fit a double.
ConsumerCharts noBasket(const Reading &r)
{
    if (r.income == 0)
        return { "Income is out of range: it must be a number greater than 0.", {}, {} };
    return tooLarge();
}

CurvePoint pointOf(const Basket &basket)
{
    return { basket.x, basket.y };
}

std::string quantityText(double value, const ConsumerInputs &inputs)
{
    return patternText(value, NumberPattern::LeadingZero, inputs.decimalSeparator);
}

/// The part of the line a x + b y = c (a, b > 0) within the chart and its overshoot; none when
/// c is 0 or the line passes beyond the chart.
Curve straightLine(CurveKind kind, double a, double b, double c, const Axis &horizontal,
                   const Axis &vertical, std::optional<CurvePoint> marker)
{
    const double right = horizontal.max * overshoot, top = vertical.max * overshoot;
    // Where the line enters across the left edge or the top, and leaves across the bottom or
    // the right edge; each end found from its own edge, so that no far intercept is needed.
    CurvePoint start{ 0, c / b }, end{ c / a, 0 };
    if (!(start.y <= top))
        start = { (c - b * top) / a, top };
    if (!(end.x <= right))
        end = { right, (c - a * right) / b };
    Curve curve{ kind, {}, marker };
    if (c > 0 && start.x <= right && end.y <= top && std::isfinite(start.y) && std::isfinite(end.x))
        curve.pieces.push_back({ start, end });
    return curve;
}

/// The indifference curve through `basket`: a straight line for perfect substitutes, an L for
/// perfect complements (the basket at its corner), y = y0 (x0 / x)^(a/b) for Cobb-Douglas and
/// y = y0 + a/b ln(x0 / x) for quasi-linear preferences, written from the basket (x0, y0) rather
/// than from its utility, whose digits may not tell nearby curves apart. Curves are traced along
/// ln x, from where they leave the top of the chart (or from 1E-13 of the axis, where they hug
/// the Y axis) to the right edge or where they meet the X axis.
Curve indifferenceCurve(CurveKind kind, const Preferences &p, const Basket &basket,
                        const Axis &horizontal, const Axis &vertical)
{
    const CurvePoint marker = pointOf(basket);
    const double right = horizontal.max * overshoot, top = vertical.max * overshoot;
    const double logRight = std::log(right), logNearAxis = logRight - 30;
    const double logX0 = std::log(basket.x), slope = p.a / p.b;
    Curve none{ kind, {}, marker };
    const auto traced = [&](const std::function<double(double)> &yAtLogX, double logLeft,
                            double logEnd) {
        logLeft = std::max(logLeft, logNearAxis);
        if (!(logLeft < logEnd))
            return none;
        const PointAt at = [&](double logX) -> std::optional<CurvePoint> {
            const CurvePoint point{ std::exp(logX), std::max(0.0, yAtLogX(logX)) };
            if (!std::isfinite(point.x) || !std::isfinite(point.y))
                return std::nullopt;
            return point;
        };
        return detail::trace(kind, at, logLeft, logEnd, horizontal, vertical, marker, tolerance);
    };
    if (!(basket.utility > 0) && p.type != PreferenceType::QuasiLinear)
        return none; // no income: the curve is the axes
    switch (p.type) {
    case PreferenceType::PerfectSubstitutes:
        return straightLine(kind, p.a, p.b, basket.utility, horizontal, vertical, marker);
    case PreferenceType::PerfectComplements:
        if (basket.x <= right && basket.y <= top)
            none.pieces.push_back({ { basket.x, top }, marker, { right, basket.y } });
        return none;
    case PreferenceType::CobbDouglas: {
        const double logY0 = std::log(basket.y);
        return traced([&](double logX) { return std::exp(logY0 + slope * (logX0 - logX)); },
                      logX0 - (std::log(top) - logY0) / slope, logRight);
    }
    case PreferenceType::QuasiLinear:
        return traced([&](double logX) { return basket.y + slope * (logX0 - logX); },
                      logX0 - (top - basket.y) / slope,
                      std::min(logRight, logX0 + basket.y / slope));
    }
    return none;
}

/// The income elasticity of X at `income` on the side of rising income; nullopt when X is not
/// bought there or the step leaves the doubles.
std::optional<double> incomeElasticityOfX(const Reading &r, const Basket &now)
{
    // At least the next double, for an income below the normal doubles.
    const double richerIncome =
            std::max(r.income * (1 + incomeStep), std::nextafter(r.income, INFINITY));
    const std::optional<Basket> richer =
            chosenBasket(r.preferences, r.priceX, r.priceY, richerIncome);
    if (!richer || !(now.x > 0))
        return std::nullopt;
    const double elasticity = (richer->x - now.x) / now.x / ((richerIncome - r.income) / r.income);
    if (!std::isfinite(elasticity))
        return std::nullopt;
    if (std::fabs(elasticity) <= elasticityTolerance)
        return 0.0;
    if (std::fabs(elasticity - 1) <= elasticityTolerance)
        return 1.0;
    return elasticity;
}

/// Said when a shown basket is one of many equally good: perfect substitutes whose utility per
/// unit of money is the same on X and on Y.
std::string tieNote(bool tied)
{
    return tied ? "\nEvery basket on the budget line is as good: the Y corner is shown." : "";
}

std::string engelSummary(const ConsumerInputs &inputs, const Reading &r, const Basket &now)
{
    std::string text = "Chosen basket at an income of "
            + plainNumberText(r.income, inputs.decimalSeparator)
            + ": X = " + quantityText(now.x, inputs) + " Y = " + quantityText(now.y, inputs) + "\n";
    const std::optional<double> elasticity = incomeElasticityOfX(r, now);
    if (!elasticity)
        return text + "X is not bought at this income: it is neither a necessity nor a luxury.";
    text += "Income elasticity of X: " + quantityText(*elasticity, inputs) + "\n";
    if (*elasticity > 1)
        return text + "X is a luxury at this income.";
    if (*elasticity > 0 && *elasticity < 1)
        return text + "X is a necessity at this income.";
    if (*elasticity < 0)
        return text + "X is an inferior good at this income.";
    return text + "X is neither a necessity nor a luxury at this income.";
}

std::string priceSummary(const ConsumerInputs &inputs, const PriceEffects &e)
{
    const bool slutsky = inputs.compensation == Compensation::Slutsky;
    const double substitution = slutsky ? e.slutskySubstitution : e.substitution;
    const double income = slutsky ? e.slutskyIncome : e.income;
    return "X before: " + quantityText(e.before.x, inputs)
            + "\nX after: " + quantityText(e.after.x, inputs) + "\nSubstitution effect ("
            + (slutsky ? "Slutsky" : "Hicks") + "): " + quantityText(substitution, inputs)
            + "\nIncome effect: " + quantityText(income, inputs)
            + "\nTotal change in X: " + quantityText(e.after.x - e.before.x, inputs)
            + "\nCompensating variation: " + quantityText(e.compensatingVariation, inputs)
            + "\nEquivalent variation: " + quantityText(e.equivalentVariation, inputs);
}

} // namespace

ConsumerCharts engelCharts(const ConsumerInputs &inputs)
{
    ConsumerCharts result;
    const std::optional<Reading> reading = readInputs(inputs, false, result.outOfRange);
    if (!reading)
        return result;
    const Reading &r = *reading;
    const auto chosen = [&](double income) {
        return chosenBasket(r.preferences, r.priceX, r.priceY, income);
    };
    const std::optional<Basket> now = chosen(r.income);
    if (!now)
        return noBasket(r);

    // The consumer's map, wide enough for the budget line of twice the income.
    const std::optional<Axis> quantityX = niceAxis("Quantity of X", 2 * r.income / r.priceX);
    const std::optional<Axis> quantityY = niceAxis("Quantity of Y", 2 * r.income / r.priceY);
    if (!quantityX || !quantityY)
        return tooLarge();
    ConsumerChart map{ { "Choices as income rises", *quantityX, *quantityY, {}, now->x }, {}, {} };
    for (const double share : { 0.5, 1.0, 1.5, 2.0 }) {
        const double income = share * r.income;
        const std::optional<Basket> basket = chosen(income);
        if (!basket)
            return tooLarge();
        map.chart.curves.push_back(straightLine(CurveKind::BudgetLine, r.priceX, r.priceY, income,
                                                *quantityX, *quantityY, std::nullopt));
        map.chart.curves.push_back(indifferenceCurve(CurveKind::IndifferenceCurve, r.preferences,
                                                     *basket, *quantityX, *quantityY));
        map.points.push_back(
                { plainNumberText(income, inputs.decimalSeparator), pointOf(*basket) });
    }
    // The path from no income until its baskets have left the chart: they have once they cost
    // more than its top right corner, and as they grow with income, halving finds the income
    // where they leave it, so that no segment reaches far beyond the chart.
    double pathEnd = overshoot * (r.priceX * quantityX->max + r.priceY * quantityY->max);
    if (!std::isfinite(pathEnd))
        return tooLarge();
    for (double inside = 0; inside < pathEnd;) {
        const double middle = inside + (pathEnd - inside) / 2;
        if (middle == inside || middle == pathEnd)
            break;
        const std::optional<Basket> basket = chosen(middle);
        const bool within = basket && basket->x <= overshoot * quantityX->max
                && basket->y <= overshoot * quantityY->max;
        (within ? inside : pathEnd) = middle;
    }
    const PointAt onPath = [&](double income) -> std::optional<CurvePoint> {
        if (const std::optional<Basket> basket = chosen(income))
            return pointOf(*basket);
        return std::nullopt;
    };
    map.chart.curves.push_back(detail::trace(CurveKind::IncomeConsumptionPath, onPath, 0, pathEnd,
                                             *quantityX, *quantityY, std::nullopt, tolerance));

    // The Engel curves; the quantities reach the largest chosen within the incomes shown.
    const std::optional<Axis> incomes = niceAxis("Income", 2 * r.income);
    if (!incomes)
        return tooLarge();
    double most = 0;
    for (int i = 0; i <= 64; ++i) {
        if (const std::optional<Basket> basket = chosen(incomes->max * overshoot * (i / 64.0)))
            most = std::max({ most, basket->x, basket->y });
    }
    const std::optional<Axis> quantities = niceAxis("Quantity", 1.05 * most);
    if (!quantities)
        return tooLarge();
    ConsumerChart engel{ { "Engel curves", *incomes, *quantities, {}, r.income }, {}, {} };
    for (const auto &[kind, field] : { std::pair{ CurveKind::EngelX, &Basket::x },
                                       std::pair{ CurveKind::EngelY, &Basket::y } }) {
        const PointAt at = [&, field = field](double income) -> std::optional<CurvePoint> {
            if (const std::optional<Basket> basket = chosen(income))
                return CurvePoint{ income, (*basket).*field };
            return std::nullopt;
        };
        engel.chart.curves.push_back(
                detail::trace(kind, at, 0, incomes->max * overshoot, *incomes, *quantities,
                              CurvePoint{ r.income, (*now).*field }, tolerance));
    }

    result.summary = engelSummary(inputs, r, *now) + tieNote(now->tied);
    result.charts.push_back(std::move(map));
    result.charts.push_back(std::move(engel));
    return result;
}

ConsumerCharts priceEffectCharts(const ConsumerInputs &inputs)
{
    ConsumerCharts result;
    const std::optional<Reading> reading = readInputs(inputs, true, result.outOfRange);
    if (!reading)
        return result;
    const Reading &r = *reading;
    const std::optional<PriceEffects> effects =
            priceEffects(r.preferences, r.priceX, r.newPriceX, r.priceY, r.income);
    if (!effects)
        return noBasket(r);
    const bool slutsky = inputs.compensation == Compensation::Slutsky;
    const Basket &before = effects->before, &after = effects->after;
    const Basket &compensated = slutsky ? effects->slutsky : effects->compensated;
    // Hicks: the new prices' line tangent to the old indifference curve at B; Slutsky: the new
    // prices' line through A.
    const Basket &onCompensatedLine = slutsky ? before : compensated;
    const double compensatedIncome =
            r.newPriceX * onCompensatedLine.x + r.priceY * onCompensatedLine.y;

    const std::optional<Axis> quantityX =
            niceAxis("Quantity of X",
                     std::max({ r.income / r.priceX, r.income / r.newPriceX,
                                compensatedIncome / r.newPriceX }));
    const std::optional<Axis> quantityY =
            niceAxis("Quantity of Y", std::max(r.income, compensatedIncome) / r.priceY);
    if (!quantityX || !quantityY)
        return tooLarge();
    const std::string title = "Price of X from "
            + plainNumberText(r.priceX, inputs.decimalSeparator) + " to "
            + plainNumberText(r.newPriceX, inputs.decimalSeparator) + ", "
            + (slutsky ? "Slutsky" : "Hicks") + " compensation";
    ConsumerChart chart{ { title, *quantityX, *quantityY, {}, before.x }, {}, {} };
    std::vector<Curve> &curves = chart.chart.curves;
    curves.push_back(straightLine(CurveKind::BudgetLine, r.priceX, r.priceY, r.income, *quantityX,
                                  *quantityY, std::nullopt));
    curves.push_back(straightLine(CurveKind::NewBudgetLine, r.newPriceX, r.priceY, r.income,
                                  *quantityX, *quantityY, std::nullopt));
    curves.push_back(straightLine(CurveKind::CompensatedBudgetLine, r.newPriceX, r.priceY,
                                  compensatedIncome, *quantityX, *quantityY, pointOf(compensated)));
    curves.push_back(indifferenceCurve(CurveKind::IndifferenceCurve, r.preferences, before,
                                       *quantityX, *quantityY));
    curves.push_back(indifferenceCurve(CurveKind::NewIndifferenceCurve, r.preferences, after,
                                       *quantityX, *quantityY));
    chart.points = { { "A", pointOf(before) },
                     { "B", pointOf(compensated) },
                     { "C", pointOf(after) } };
    chart.arrows = { { EffectKind::Substitution, before.x, compensated.x },
                     { EffectKind::Income, compensated.x, after.x } };

    result.summary = priceSummary(inputs, *effects) + tieNote(before.tied || after.tied);
    result.charts.push_back(std::move(chart));
    return result;
}

} // namespace analysis
