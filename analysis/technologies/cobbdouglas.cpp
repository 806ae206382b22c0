// Cobb-Douglas, Prod = X ^ a * Y ^ b: the isoquant is a smooth curve. The long run scans it for
// its cheapest point and, where the exact cheapest combination lies beyond the scan's inner
// points, reports that combination instead.
#include "analysis/curves.h"
#include "analysis/detail/closedforms.h"
#include "analysis/detail/drawcontext.h"
#include "analysis/detail/longrun.h"
#include "analysis/detail/report.h"
#include "analysis/detail/shortperiod.h"

#include <cmath>

namespace analysis::detail {

namespace {

using P = TechnologyParameters;

// Closed forms, in plain units.

/// log(b priceX / (a priceY)), from the logarithms of its factors so that no intermediate
/// product overflows: the tangency condition in logarithms.
double logPriceRatio(const P &p, double priceX, double priceY)
{
    return std::log(p.b) + std::log(priceX) - std::log(p.a) - std::log(priceY);
}

std::optional<Bundle> cheapest(const P &p, double priceX, double priceY, double q)
{
    if (q == 0)
        return Bundle{};
    // The tangency a Y / (b X) = priceX / priceY on the isoquant X^a Y^b = q, in logarithms.
    const double s = p.a + p.b;
    const double ratio = logPriceRatio(p, priceX, priceY);
    const double x = std::exp((std::log(q) - p.b * ratio) / s);
    const double y = std::exp((std::log(q) + p.a * ratio) / s);
    if (!(x > 0 && y > 0))
        return std::nullopt; // below the doubles' range, or an overflow on the way
    return priced(priceX, priceY, x, y);
}

std::optional<Bundle> fixedY(const P &p, double priceX, double priceY, double fixedY, double q)
{
    if (q == 0)
        return priced(priceX, priceY, 0, fixedY);
    return priced(priceX, priceY, std::exp((std::log(q) - p.b * std::log(fixedY)) / p.a), fixedY);
}

std::optional<double> longRunMarginal(const P &p, double priceX, double priceY, double q,
                                      const Bundle &best)
{
    // The cost is K q^(1/s): its derivative is cost / (s q), and at q = 0 it is 0, K or
    // infinite as the returns to scale are decreasing, constant or increasing.
    const double s = p.a + p.b;
    if (q > 0)
        return best.cost / (s * q);
    if (s < 1)
        return 0.0;
    if (s == 1)
        return cheapest(p, priceX, priceY, 1).value_or(Bundle{}).cost;
    return std::nullopt;
}

std::optional<double> shortPeriodMarginal(const P &p, double priceX, double, double fixedY,
                                          double q, double variableCost)
{
    // X = (q / fixedY^b)^(1/a), so the marginal cost is priceX X / (a q); at q = 0 it is 0,
    // priceX / fixedY^b or infinite as a is below, at or above 1.
    if (q > 0)
        return variableCost / (p.a * q);
    if (p.a < 1)
        return 0.0;
    if (p.a == 1)
        return priceX / std::pow(fixedY, p.b);
    return std::nullopt;
}

std::optional<double> levelForLongRunY(const P &p, double priceX, double priceY, double fixedY)
{
    // The inverse of the cheapest Y: log Y = (log q + a log(b priceX / (a priceY))) / s.
    const double s = p.a + p.b;
    return std::exp(s * std::log(fixedY) - p.a * logPriceRatio(p, priceX, priceY));
}

std::optional<double> noJump(const P &, double)
{
    return std::nullopt;
}

IsoquantShape isoquant(const P &, double)
{
    return { IsoquantForm::Curve, 0, 0 };
}

std::optional<double> isoquantY(const P &p, double q, double x)
{
    if (!(x > 0))
        return q == 0 ? std::optional(0.0) : std::nullopt;
    return std::pow(q / std::pow(x, p.a), 1 / p.b);
}

// Steps of a Draw.

/// The steps of the long-run scan: scanX = 0.001, 0.006, ..., 9.996 thousand.
constexpr std::size_t scanSteps = 2000;
/// The scan's inner points run from its second X to its last but one, in units: the cheapest
/// scanned point is the cheapest combination's neighbour only when that lies between them.
constexpr double innerFirstX = 6, innerLastX = 9991;

/// Scans the isoquant of `level` for scanX = 0.001, 0.006, ..., 9.996: plots each point whose
/// scanY lies strictly between 0 and 10, and finds the cheapest scanned point (the earlier point
/// on equal costs). Then draws the isocost line of the choice and returns it: the exact cheapest
/// combination where it lies beyond the scan's inner points, otherwise that scanned point.
LongRunChoice longRun(DrawContext &context, const P &p, const Level &level)
{
    CheckedArithmetic &calc = context.arithmetic;
    calc.step = DrawStep::Isoquant;
    const double priceX = context.priceX();
    const double priceY = context.priceY();
    // Loop-invariant; a zero exponent faults before the first point, as it would inside the loop.
    const double inverseB = calc.divide(1, p.b, InputBox::CdExpY);
    // The chart counts X and Y in thousands, so X^a Y^b = q reads x^a y^b = level 1000^(1-a-b)
    // there, with level in thousands: the factor is 1 for constant returns to scale, where
    // the scan keeps its own arithmetic.
    double scaledLevel = level.thousands;
    const double returns = calc.add(p.a, p.b, InputBox::CdExpY);
    if (returns != 1)
        scaledLevel = calc.multiply(level.thousands, calc.power(1000, calc.subtract(1, returns)),
                                    InputBox::Level);
    if (!context.ok())
        return {};

    constexpr double firstX = 0.001;
    LongRunChoice cheapestScanned;
    bool first = true;
    double lastX = firstX;
    for (double scanX = firstX; scanX <= 10; scanX += 0.005) {
        const double scanY =
                calc.power(calc.divide(scaledLevel, calc.power(scanX, p.a, InputBox::CdExpX),
                                       InputBox::CdExpX),
                           inverseB, InputBox::Level);
        if (!context.ok())
            return {};
        if (scanY < 10 && scanY > 0)
            context.emit(PlotPoint{ static_cast<float>(scanX), static_cast<float>(scanY) });
        const double cost = calc.add(calc.multiply(scanX, priceX, InputBox::PriceX),
                                     calc.multiply(scanY, priceY, InputBox::PriceY));
        if (!context.ok())
            return {};
        // The first point is always a candidate, so the cheapest scanned point is reported
        // however expensive every point is.
        if (first || cost < cheapestScanned.cost) {
            cheapestScanned = { scanX, scanY, cost };
            cheapestScanned.scanned = true;
            first = false;
        }
        lastX = scanX;
    }

    calc.step = DrawStep::Choice;
    // None outside the closed form's domain (a price of 0 or less, a negative level).
    const std::optional<Bundle> exact =
            cheapestBundle({ TechnologyType::CobbDouglas, p }, priceX, priceY, level.units);
    if (exact && (exact->x < innerFirstX || exact->x > innerLastX)) {
        Diagnostic beyond;
        beyond.kind = DiagnosticKind::ExactBeyondScan;
        beyond.step = DrawStep::Choice;
        beyond.first = innerFirstX;
        beyond.second = innerLastX;
        context.warn(std::move(beyond));
        drawIsocost(context, calc.divide(exact->cost, 1000));
        return { exact->x, exact->y, exact->cost, true };
    }
    if (!exact && (cheapestScanned.x == firstX || cheapestScanned.x == lastX)) {
        // The cost may fall further beyond the scan: the cheapest combination may lie elsewhere.
        Diagnostic edge;
        edge.kind = DiagnosticKind::CheapestAtScanEdge;
        edge.step = DrawStep::Choice;
        edge.first = cheapestScanned.x * 1000;
        edge.second = lastX * 1000;
        context.warn(std::move(edge));
    }
    drawIsocost(context, cheapestScanned.cost);
    return cheapestScanned;
}

std::optional<UnitChoice> shortPeriod(DrawContext &context, const P &p, double fixedY,
                                      double levelUnits)
{
    CheckedArithmetic &calc = context.arithmetic;
    const double quotient =
            calc.divide(levelUnits, calc.power(fixedY, p.b, InputBox::FixedY), InputBox::FixedY);
    const double x = calc.power(quotient, calc.divide(1, p.a, InputBox::CdExpX), InputBox::Level);
    const UnitChoice choice{ x, fixedY, costOf(context, x, fixedY) };
    markChoice(context, choice);
    writeSlope(context);
    return choice;
}

constexpr TechnologySteps steps{ &longRun, &shortPeriod, scanSteps };

constexpr ParameterBox parameters[] = {
    { InputBox::CdExpX, &DrawInputs::cdExpX, QT_TRANSLATE_NOOP("Technology", "a ="),
      QT_TRANSLATE_NOOP("Technology", "a of Cobb-Douglas"),
      QT_TRANSLATE_NOOP("Technology", "the exponent a of Cobb-Douglas") },
    { InputBox::CdExpY, &DrawInputs::cdExpY, QT_TRANSLATE_NOOP("Technology", "b ="),
      QT_TRANSLATE_NOOP("Technology", "b of Cobb-Douglas"),
      QT_TRANSLATE_NOOP("Technology", "the exponent b of Cobb-Douglas") },
};

} // namespace

extern const TechnologyEntry cobbDouglasTechnology{
    TechnologyType::CobbDouglas,
    QT_TRANSLATE_NOOP("Technology", "Cobb-Douglas"),
    QT_TRANSLATE_NOOP("Technology", "Cobb-Douglas"),
    QT_TRANSLATE_NOOP("Technology", "Prod = X ^ a * Y ^ b"),
    parameters,
    [](double x, double y, const P &p) { return std::pow(x, p.a) * std::pow(y, p.b); },
    { &cheapest, &fixedY, &longRunMarginal, &shortPeriodMarginal, &levelForLongRunY, &noJump,
      &isoquant, &isoquantY },
    &steps,
};

} // namespace analysis::detail
