#include "analysis/curvecharts.h"

#include "analysis/curves.h"
#include "analysis/detail/chartsampling.h"
#include "analysis/numbertext.h"
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
    // Only the parameters the technology reads, as a Draw reads them.
    std::array<double, 2> parameters{};
    for (std::size_t i = 0; i < entry->parameters.size() && i < parameters.size(); ++i) {
        const std::string box = std::string("Parameter ") + "ab"[i] + " of the "
                + entry->frameCaption + " isoquants";
        parameters[i] =
                readBox(inputs.*textOf(entry->parameters[i]), box, false, outOfRange).value_or(0);
    }
    if (!outOfRange.empty())
        return std::nullopt;
    if (inputs.technology == TechnologyType::PerfectSubstitutes) {
        r.technology.coefX = parameters[0];
        r.technology.coefY = parameters[1];
    } else if (inputs.technology == TechnologyType::CobbDouglas) {
        r.technology.cdExpX = parameters[0];
        r.technology.cdExpY = parameters[1];
    }
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

/// Cuts the segment a-b to the box [0, maxX] x [0, maxY] (Liang-Barsky); false when none of it
/// lies inside.
bool clipSegment(CurvePoint &a, CurvePoint &b, double maxX, double maxY)
{
    double enter = 0, leave = 1;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const std::array<std::pair<double, double>, 4> edges{ {
            { -dx, a.x },
            { dx, maxX - a.x },
            { -dy, a.y },
            { dy, maxY - a.y },
    } };
    for (const auto &[p, q] : edges) {
        if (p == 0) {
            if (q < 0)
                return false;
            continue;
        }
        const double r = q / p;
        if (p < 0)
            enter = std::max(enter, r);
        else
            leave = std::min(leave, r);
    }
    // A segment beyond an edge has a leave below 0, or an enter above 1; with a very long
    // segment that bound can underflow to -0, which must still reject it, so a segment that
    // would keep a single point is dropped too.
    if (enter >= leave)
        return false;
    const CurvePoint start = a;
    if (leave < 1)
        b = { start.x + leave * dx, start.y + leave * dy };
    if (enter > 0)
        a = { start.x + enter * dx, start.y + enter * dy };
    return true;
}

/// The pieces kept within the chart and its overshoot; a piece that leaves it is cut in two.
std::vector<Piece> clipped(const std::vector<Piece> &pieces, const Axis &horizontal,
                           const Axis &vertical)
{
    const double maxX = horizontal.max * overshoot, maxY = vertical.max * overshoot;
    std::vector<Piece> kept;
    for (const Piece &piece : pieces) {
        bool joined = false; // the last kept segment ended at this segment's start
        for (std::size_t i = 1; i < piece.size(); ++i) {
            CurvePoint a = piece[i - 1], b = piece[i];
            if (!clipSegment(a, b, maxX, maxY)) {
                joined = false;
                continue;
            }
            if (!joined || !(a == piece[i - 1]))
                kept.push_back({ a });
            kept.back().push_back(b);
            joined = b == piece[i];
        }
    }
    return kept;
}

} // namespace

Curve detail::trace(CurveKind kind, const PointAt &at, double from, double to,
                    const Axis &horizontal, const Axis &vertical, std::optional<CurvePoint> marker,
                    double tolerance)
{
    return { kind,
             clipped(Sampler(at, horizontal, vertical, tolerance).sample(from, to), horizontal,
                     vertical),
             marker };
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

    // Prices of X up to twice the current one; for perfect substitutes also past the price at
    // which X and Y cost the same per unit of output, where the demand jumps.
    double reach = 2 * r.priceX;
    if (t.type == TechnologyType::PerfectSubstitutes)
        reach = std::max(reach, 1.25 * r.priceY * t.coefX / t.coefY);
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
    if (t.type == TechnologyType::PerfectSubstitutes && !inputs.shortPeriod)
        most = std::max(r.level / t.coefX, r.level / t.coefY);
    const std::optional<Axis> quantities = niceAxis("Quantity", 1.15 * most);
    if (!quantities)
        return tooLarge();

    CurveChart demand{ "Demand for X and Y", *prices, *quantities, {}, r.priceX };
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
    demand.curves.push_back(graph(CurveKind::DemandY, demandY, *prices, *quantities, r.priceX));

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
