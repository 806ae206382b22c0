#include "analysis/figure.h"

#include "analysis/curves.h"
#include "analysis/detail/sampler.h"
#include "analysis/numbertext.h"
#include "analysis/technologies.h"

#include <algorithm>
#include <cmath>

namespace analysis {

namespace {

/// The default axes: as the main chart's, 0 to 10 thousand.
constexpr double defaultExtent = 10000;
/// The largest distance a drawn isoquant may stray from the exact curve, as a share of an axis:
/// a quarter of a pixel on a figure 3840 pixels across, whatever its height. Checked by
/// bench_figure.
constexpr double tolerance = 0.25 / 3840;
/// Beyond this share past an axis's end a curve is out of sight, and is not refined.
constexpr double overshoot = 1.02;
/// The isoquant's curve is sampled along log X, from this share of the X axis: its part nearer
/// the Y axis lies within a millionth of a pixel of it.
constexpr double logFirstShare = -37; // about 1E-16
/// A fitted range leaves this margin beyond the farthest thing it fits.
constexpr double fitMargin = 1.05;

bool positiveFinite(const std::optional<double> &value)
{
    return value && std::isfinite(*value) && *value > 0;
}

Technology technologyOf(const ResultRecord &result)
{
    return { result.technology, { result.parameterA.value_or(0), result.parameterB.value_or(0) } };
}

/// An axis from 0 to `extent` or a little more, its marks 1, 2 or 5 times a power of ten apart,
/// five to ten of them; none when `extent` is not a positive number a scale can be made of.
std::optional<Axis> axis125(std::string title, double extent)
{
    if (!(extent > 0) || !std::isfinite(extent))
        return std::nullopt;
    const double rough = extent / 10;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10 * power;
    for (const double multiple : { 1.0, 2.0, 5.0 }) {
        if (multiple * power >= rough * (1 - 1e-12)) {
            step = multiple * power;
            break;
        }
    }
    const double max = std::ceil(extent / step * (1 - 1e-12)) * step;
    if (!(step > 0) || !std::isfinite(max) || !(max > 0))
        return std::nullopt;
    return Axis{ std::move(title), max, step };
}

FigureAxes defaultAxes()
{
    return { *axis125("Input X", defaultExtent), *axis125("Input Y", defaultExtent) };
}

/// The chosen combination of a Draw, if it reported one.
std::optional<Point> chosenOf(const ResultRecord &result)
{
    if (result.outcome == ResultOutcome::Impossible || !result.x || !result.y)
        return std::nullopt;
    return Point{ *result.x, *result.y };
}

/// Where the isocost line through `chosen` meets the axes: at X and at Y.
std::optional<Point> isocostIntercepts(const ResultRecord &result, const Point &chosen)
{
    if (!positiveFinite(result.priceX) || !positiveFinite(result.priceY))
        return std::nullopt;
    const double ratio = *result.priceX / *result.priceY;
    return Point{ chosen.x + chosen.y / ratio, chosen.y + chosen.x * ratio };
}

/// Where the isoquant meets or turns towards the axes: the intercepts of a line, the corner of an
/// L; none for a curve.
std::optional<Point> isoquantReach(const ResultRecord &result)
{
    const std::optional<IsoquantShape> shape = isoquantShape(technologyOf(result), result.level);
    if (!shape || shape->form == IsoquantForm::Curve)
        return std::nullopt;
    return Point{ shape->x, shape->y };
}

Box boxOf(const FigureAxes &axes)
{
    return { 0, 0, axes.horizontal.max, axes.vertical.max };
}

std::vector<std::vector<Point>> isoquantOf(const ResultRecord &result, const Box &box)
{
    const Technology technology = technologyOf(result);
    const double q = result.level;
    const std::optional<IsoquantShape> shape = isoquantShape(technology, q);
    if (!shape)
        return {};
    switch (shape->form) {
    case IsoquantForm::Line: {
        const Point ends[] = { { shape->x, 0 }, { 0, shape->y } };
        return clipPolyline(ends, box);
    }
    case IsoquantForm::Corner: {
        // The arms run to the box's edges (or beyond, where the corner lies beyond them).
        const Point arms[] = { { shape->x, std::max(box.maxY, shape->y) },
                               { shape->x, shape->y },
                               { std::max(box.maxX, shape->x), shape->y } };
        return clipPolyline(arms, box);
    }
    case IsoquantForm::Curve:
        break;
    }
    // Along log X, where an isoquant of the table's curves is nearly straight, from just off the
    // Y axis to the box's right edge.
    const detail::PointAt at = [&](double t) -> std::optional<Point> {
        const double x = std::exp(t);
        if (const std::optional<double> y = isoquantY(technology, q, x))
            return Point{ x, *y };
        return std::nullopt;
    };
    const double last = std::log(box.maxX * overshoot);
    std::vector<std::vector<Point>> kept;
    for (const auto &piece : detail::Sampler(at, box.maxX, box.maxY, tolerance, overshoot)
                                     .sample(last + logFirstShare, last)) {
        for (auto &part : clipPolyline(piece, box))
            kept.push_back(std::move(part));
    }
    return kept;
}

// The legend's numbers, as the result line writes them.

/// A quantity or a cost: "#0.##" without a separator left alone at the end ("4511").
std::string quantityText(double value, std::string_view separator)
{
    std::string text = patternText(value, NumberPattern::LeadingZero, separator);
    if (text.size() >= separator.size() && text.ends_with(separator))
        text.resize(text.size() - separator.size());
    return text;
}

/// A parameter, at full precision and without a leading zero, as the parameter boxes hold
/// theirs (".7").
std::string parameterText(double value, std::string_view separator)
{
    std::string text = plainNumberText(value, separator);
    if (text.size() > 1 && text[0] == '0' && text.compare(1, separator.size(), separator) == 0)
        text.erase(0, 1);
    return text;
}

std::string legendOf(const NumberedResult &draw, std::string_view separator)
{
    const ResultRecord &result = draw.result;
    const auto plain = [separator](double value) { return plainNumberText(value, separator); };
    std::string text = std::to_string(draw.number) + "  ";
    if (const TechnologyEntry *entry = findTechnology(result.technology))
        text += entry->caption;
    const std::optional<double> parameters[] = { result.parameterA, result.parameterB };
    if (parameters[0] && parameters[1])
        text += " (a " + parameterText(*parameters[0], separator) + ", b "
                + parameterText(*parameters[1], separator) + ")";
    if (result.shortPeriod)
        text += ", short period with Y fixed at " + (result.fixedY ? plain(*result.fixedY) : "?");
    else
        text += ", long run";
    text += ": " + plain(result.level);
    if (result.priceX && result.priceY)
        text += " at prices " + plain(*result.priceX) + " and " + plain(*result.priceY);
    text += " \u2192 ";
    if (!chosenOf(result)) {
        text += "impossible";
        return text;
    }
    text += "X " + quantityText(*result.x, separator) + ", Y " + quantityText(*result.y, separator);
    if (result.cost)
        text += ", cost " + quantityText(*result.cost, separator);
    if (!result.shortPeriod && result.priceX && result.priceY) {
        const std::optional<Bundle> cheapest =
                cheapestBundle(technologyOf(result), *result.priceX, *result.priceY, result.level);
        if (cheapest && cheapest->tied)
            text += " (one of many)";
    }
    return text;
}

} // namespace

FigureAxes figureAxes(std::span<const NumberedResult> draws, FigureRange range)
{
    if (range == FigureRange::Default)
        return defaultAxes();
    // The marked points and the fixed Ys set the range; the lines' intercepts widen it up to
    // twice as far as they reach.
    double baseX = 0, baseY = 0;
    const auto widen = [](double &extent, double value) {
        if (std::isfinite(value))
            extent = std::max(extent, value);
    };
    for (const NumberedResult &draw : draws) {
        if (const std::optional<Point> chosen = chosenOf(draw.result)) {
            widen(baseX, chosen->x);
            widen(baseY, chosen->y);
        }
        if (draw.result.shortPeriod && draw.result.fixedY)
            widen(baseY, *draw.result.fixedY);
    }
    const double reach = 2 * std::max(baseX, baseY);
    double extentX = baseX, extentY = baseY;
    for (const NumberedResult &draw : draws) {
        const std::optional<Point> chosen = chosenOf(draw.result);
        for (const std::optional<Point> &intercepts :
             { chosen ? isocostIntercepts(draw.result, *chosen) : std::nullopt,
               isoquantReach(draw.result) }) {
            if (!intercepts)
                continue;
            widen(extentX, std::min(intercepts->x, reach));
            widen(extentY, std::min(intercepts->y, reach));
        }
    }
    const std::optional<Axis> horizontal = axis125("Input X", fitMargin * extentX);
    const std::optional<Axis> vertical = axis125("Input Y", fitMargin * extentY);
    FigureAxes axes = defaultAxes();
    if (horizontal)
        axes.horizontal = *horizontal;
    if (vertical)
        axes.vertical = *vertical;
    return axes;
}

bool sameIsoquant(const ResultRecord &a, const ResultRecord &b)
{
    return a.technology == b.technology && a.parameterA == b.parameterA
            && a.parameterB == b.parameterB && a.level == b.level;
}

FigureDraw figureDraw(const NumberedResult &draw, const FigureAxes &axes,
                      std::string_view decimalSeparator, const FigureDraw *earlier)
{
    const ResultRecord &result = draw.result;
    const Box box = boxOf(axes);
    FigureDraw shown;
    shown.number = draw.number;
    // Sampling a curve's isoquant is most of a Draw's figure.
    shown.isoquant = earlier ? earlier->isoquant : isoquantOf(result, box);
    shown.chosen = chosenOf(result);
    if (shown.chosen) {
        if (const std::optional<Point> intercepts = isocostIntercepts(result, *shown.chosen))
            shown.isocost = clipSegment({ intercepts->x, 0 }, { 0, intercepts->y }, box);
    }
    if (result.shortPeriod && positiveFinite(result.fixedY))
        shown.fixedY = clipSegment({ 0, *result.fixedY }, { box.maxX, *result.fixedY }, box);
    shown.legend = legendOf(draw, decimalSeparator);
    return shown;
}

const FigureDraw *sameIsoquantBefore(std::span<const NumberedResult> draws,
                                     std::span<const FigureDraw> shown, std::size_t index)
{
    // The latest first: a class usually compares choices on the isoquant it has just drawn.
    for (std::size_t i = std::min(index, shown.size()); i-- > 0;) {
        if (sameIsoquant(draws[i].result, draws[index].result))
            return &shown[i];
    }
    return nullptr;
}

Figure figure(std::span<const NumberedResult> draws, FigureRange range,
              std::string_view decimalSeparator)
{
    Figure whole;
    whole.axes = figureAxes(draws, range);
    whole.draws.reserve(draws.size());
    for (std::size_t i = 0; i < draws.size(); ++i)
        whole.draws.push_back(figureDraw(draws[i], whole.axes, decimalSeparator,
                                         sameIsoquantBefore(draws, whole.draws, i)));
    return whole;
}

} // namespace analysis
