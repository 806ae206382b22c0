#include "analysis/curvecharts.h"

#include "analysis/curves.h"
#include "analysis/detail/chartsampling.h"
#include "analysis/numbertext.h"
#include "analysis/numericvalue.h"
#include "analysis/technologies.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace analysis {

namespace {

using detail::niceAxis;
using detail::overshoot;
using detail::Piece;
using detail::PointAt;
using detail::readBox;
using detail::trace;

/// The numbers a curves window reads, as a Draw reads them, each checked against its domain.
struct Reading
{
    Technology technology;
    double level = 0, priceX = 0, priceY = 0, fixedY = 0;
};

/// The value of a technology's parameter box when it lies in the box's domain; otherwise
/// `outOfRange` names the box, unless it names an earlier one.
std::optional<double> readParameter(const std::string &text, const std::string &box,
                                    const ParameterBox &parameter, std::string &outOfRange)
{
    const std::optional<double> value = numericValue(text);
    if (value && parameter.admits(*value))
        return value;
    if (outOfRange.empty())
        outOfRange = box + " is out of range: it must be a number greater than "
                + plainNumberText(parameter.greaterThan, ".") + ".";
    return std::nullopt;
}

std::optional<Reading> readInputs(const DrawInputs &inputs, std::string &outOfRange)
{
    const TechnologyEntry *entry = findTechnology(inputs.technology);
    if (!entry) {
        outOfRange = "No technology is selected.";
        return std::nullopt;
    }
    Reading r;
    r.technology.type = inputs.technology;
    r.level = readBox(inputs.level, "Level of production", true, outOfRange).value_or(0);
    r.priceX = readBox(inputs.priceX, "Price of input X", false, outOfRange).value_or(0);
    r.priceY = readBox(inputs.priceY, "Price of input Y", false, outOfRange).value_or(0);
    if (inputs.shortPeriod)
        r.fixedY = readBox(inputs.fixedY, "Fixed level of input Y", false, outOfRange).value_or(0);
    // Only the parameters the technology reads, as a Draw reads them, each within its domain.
    double *values[] = { &r.technology.parameters.a, &r.technology.parameters.b };
    for (std::size_t i = 0; i < entry->parameters.size() && i < std::size(values); ++i) {
        const ParameterBox &parameter = entry->parameters[i];
        const std::string box = std::string("Parameter ") + "ab"[i] + " of the "
                + entry->frameCaption + " isoquants";
        *values[i] = readParameter(inputs.*parameter.text, box, parameter, outOfRange).value_or(0);
    }
    if (!outOfRange.empty())
        return std::nullopt;
    return r;
}

std::string caption(const DrawInputs &inputs, const Reading &r, const char *what)
{
    std::string text = findTechnology(inputs.technology)->caption;
    text += what;
    if (inputs.shortPeriod)
        text += ", short period with Y fixed at "
                + plainNumberText(r.fixedY, inputs.decimalSeparator);
    else
        text += ", long run";
    return text;
}

/// The pieces kept within the chart and its overshoot; a piece that leaves it is cut in two.
std::vector<Piece> clipped(const std::vector<Piece> &pieces, const Axis &horizontal,
                           const Axis &vertical)
{
    const Box box{ 0, 0, horizontal.max * overshoot, vertical.max * overshoot };
    std::vector<Piece> kept;
    for (const Piece &piece : pieces) {
        for (Piece &part : clipPolyline(piece, box))
            kept.push_back(std::move(part));
    }
    return kept;
}

} // namespace

Curve detail::trace(CurveKind kind, const PointAt &at, double from, double to,
                    const Axis &horizontal, const Axis &vertical, std::optional<CurvePoint> marker,
                    double tolerance)
{
    return {
        kind,
        clipped(Sampler(at, horizontal.max, vertical.max, tolerance, overshoot).sample(from, to),
                horizontal, vertical),
        marker
    };
}

namespace {

/// The graph of `value` over the horizontal axis, marked at `markerAt`.
Curve graph(CurveKind kind, const std::function<std::optional<double>(double)> &value,
            const Axis &horizontal, const Axis &vertical, double markerAt)
{
    const PointAt at = [&](double t) -> std::optional<CurvePoint> {
        if (const std::optional<double> v = value(t))
            return CurvePoint{ t, *v };
        return std::nullopt;
    };
    return trace(kind, at, 0, horizontal.max * overshoot, horizontal, vertical, at(markerAt));
}

/// The largest of `values` that are defined, or `fallback` when none is above 0.
double largest(std::initializer_list<std::optional<double>> values, double fallback)
{
    double most = 0;
    for (const std::optional<double> &v : values)
        if (v && *v > most)
            most = *v;
    return most > 0 ? most : fallback;
}

CurveCharts tooLarge()
{
    return { "The numbers are too large or too small to draw these curves.", {}, {} };
}

} // namespace

CurveCharts costCurveCharts(const DrawInputs &inputs)
{
    CurveCharts result;
    const std::optional<Reading> reading = readInputs(inputs, result.outOfRange);
    if (!reading)
        return result;
    const Reading &r = *reading;
    const Technology &t = r.technology;
    const bool shortPeriod = inputs.shortPeriod;

    const auto longRun = [&](double q) { return longRunCosts(t, r.priceX, r.priceY, q); };
    const auto shortRun = [&](double q) {
        return shortPeriodCosts(t, r.priceX, r.priceY, r.fixedY, q);
    };
    result.caption = caption(inputs, r, " cost curves");
    if (shortPeriod && !shortRun(r.level))
        result.caption += ": the level of production cannot be reached with this fixed Y";
    // The levels reach twice the current one or twice the one where the short-period costs
    // touch the long-run ones, so that both lie well inside the chart.
    const std::optional<double> touch =
            shortPeriod ? levelForLongRunY(t, r.priceX, r.priceY, r.fixedY) : std::nullopt;
    double reference = std::max(r.level, touch.value_or(0));
    if (reference == 0)
        reference = 1000;
    const std::optional<Axis> levels = niceAxis("Level of production", 2 * reference);
    if (!levels)
        return tooLarge();

    // Total costs: the highest of them within the levels shown sets the scale.
    double highest = 0;
    for (int i = 0; i <= 64; ++i) {
        const double q = levels->max * i / 64;
        if (const auto lr = longRun(q))
            highest = std::max(highest, lr->total);
        if (const auto sr = shortPeriod ? shortRun(q) : std::nullopt)
            highest = std::max(highest, sr->total);
    }
    const std::optional<Axis> money = niceAxis("Cost", 1.05 * highest);
    if (!money)
        return tooLarge();
    CurveChart totals{ "Total cost", *levels, *money, {}, r.level };
    const auto total = [&](double q) -> std::optional<double> {
        if (const auto lr = longRun(q))
            return lr->total;
        return std::nullopt;
    };
    totals.curves.push_back(graph(CurveKind::LongRunTotal, total, *levels, *money, r.level));
    if (shortPeriod) {
        const auto shortTotal = [&](double q) -> std::optional<double> {
            if (const auto sr = shortRun(q))
                return sr->total;
            return std::nullopt;
        };
        totals.curves.push_back(graph(CurveKind::ShortTotal, shortTotal, *levels, *money, r.level));
    }

    // Costs per unit: half again above the highest of them at the reference level.
    const auto lrAt = longRun(reference).value_or(LongRunCosts{});
    const auto srAt =
            shortPeriod ? shortRun(reference).value_or(ShortPeriodCosts{}) : ShortPeriodCosts{};
    const std::optional<Axis> perUnit = niceAxis(
            "Cost per unit",
            1.5 * largest({ lrAt.average, lrAt.marginal, srAt.average, srAt.marginal }, 1));
    if (!perUnit)
        return tooLarge();
    CurveChart units{ "Cost per unit of output", *levels, *perUnit, {}, r.level };
    using Field = std::optional<double>;
    const auto lrField = [&](Field LongRunCosts::*field) {
        return [&, field](double q) -> Field {
            if (const auto lr = longRun(q))
                return (*lr).*field;
            return std::nullopt;
        };
    };
    const auto srField = [&](Field ShortPeriodCosts::*field) {
        return [&, field](double q) -> Field {
            if (const auto sr = shortRun(q))
                return (*sr).*field;
            return std::nullopt;
        };
    };
    if (shortPeriod) {
        const std::array<std::pair<CurveKind, Field ShortPeriodCosts::*>, 4> shortCurves{ {
                { CurveKind::ShortAverage, &ShortPeriodCosts::average },
                { CurveKind::ShortAverageVariable, &ShortPeriodCosts::averageVariable },
                { CurveKind::ShortAverageFixed, &ShortPeriodCosts::averageFixed },
                { CurveKind::ShortMarginal, &ShortPeriodCosts::marginal },
        } };
        for (const auto &[kind, field] : shortCurves)
            units.curves.push_back(graph(kind, srField(field), *levels, *perUnit, r.level));
        units.curves.push_back(graph(CurveKind::LongRunAverage, lrField(&LongRunCosts::average),
                                     *levels, *perUnit, r.level));
    } else {
        units.curves.push_back(graph(CurveKind::LongRunAverage, lrField(&LongRunCosts::average),
                                     *levels, *perUnit, r.level));
        units.curves.push_back(graph(CurveKind::LongRunMarginal, lrField(&LongRunCosts::marginal),
                                     *levels, *perUnit, r.level));
    }
    result.charts.push_back(std::move(totals));
    result.charts.push_back(std::move(units));
    return result;
}

CurveCharts inputDemandCharts(const DrawInputs &inputs)
{
    CurveCharts result;
    const std::optional<Reading> reading = readInputs(inputs, result.outOfRange);
    if (!reading)
        return result;
    const Reading &r = *reading;
    const Technology &t = r.technology;
    const auto bundle = [&](double priceX) {
        return inputs.shortPeriod ? fixedYBundle(t, priceX, r.priceY, r.fixedY, r.level)
                                  : cheapestBundle(t, priceX, r.priceY, r.level);
    };
    const std::optional<Bundle> now = bundle(r.priceX);
    if (!now) {
        result.outOfRange = "Level of production is out of range: it cannot be reached with the "
                            "fixed level of input Y.";
        return result;
    }
    result.caption = caption(inputs, r, " input demand");

    // Prices of X up to twice the current one, and past the price where the demand jumps from
    // one corner to the other (perfect substitutes: where X and Y cost the same per unit of
    // output).
    double reach = 2 * r.priceX;
    const std::optional<double> jump = demandJumpPriceX(t, r.priceY);
    if (jump)
        reach = std::max(reach, 1.25 * *jump);
    const std::optional<Axis> prices = niceAxis("Price of X", reach);
    if (!prices)
        return tooLarge();
    const auto demandAt = [&](double priceX) -> std::optional<Bundle> {
        return priceX > 0 ? bundle(priceX) : std::nullopt;
    };
    double most = 0;
    for (const double p : { r.priceX / 2, r.priceX, prices->max }) {
        if (const auto b = demandAt(p))
            most = std::max({ most, b->x, b->y });
    }
    // Both corners of a jumping demand: the one below the jump's price and the one beyond it.
    if (jump && !inputs.shortPeriod) {
        for (const double p : { *jump / 2, prices->max }) {
            if (const auto b = demandAt(p))
                most = std::max({ most, b->x, b->y });
        }
    }
    const std::optional<Axis> quantities = niceAxis("Quantity", 1.15 * most);
    if (!quantities)
        return tooLarge();

    // The demands hold the level of production, and the price of Y, where they are.
    CurveChart demand{ "Conditional demand for X, output "
                               + plainNumberText(r.level, inputs.decimalSeparator) + ", price of Y "
                               + plainNumberText(r.priceY, inputs.decimalSeparator),
                       *prices,
                       *quantities,
                       {},
                       r.priceX };
    const auto demandX = [&](double p) -> std::optional<double> {
        if (const auto b = demandAt(p))
            return b->x;
        return std::nullopt;
    };
    const auto demandY = [&](double p) -> std::optional<double> {
        if (const auto b = demandAt(p))
            return b->y;
        return std::nullopt;
    };
    demand.curves.push_back(graph(CurveKind::DemandX, demandX, *prices, *quantities, r.priceX));
    demand.curves.push_back(graph(inputs.shortPeriod ? CurveKind::FixedY : CurveKind::DemandY,
                                  demandY, *prices, *quantities, r.priceX));

    Axis quantityOfX = *quantities;
    quantityOfX.title = "Quantity of X";
    CurveChart inverse{ "Inverse demand for X", quantityOfX, *prices, {}, now->x };
    const PointAt inverseAt = [&](double p) -> std::optional<CurvePoint> {
        if (const auto b = demandAt(p))
            return CurvePoint{ b->x, p };
        return std::nullopt;
    };
    inverse.curves.push_back(trace(CurveKind::InverseDemandX, inverseAt, 0, prices->max * overshoot,
                                   quantityOfX, *prices, CurvePoint{ now->x, r.priceX }));
    result.charts.push_back(std::move(demand));
    result.charts.push_back(std::move(inverse));
    return result;
}

} // namespace analysis
