// Cobb-Douglas, Prod = X ^ a * Y ^ b: the long run scans the isoquant for its cheapest point.
#include "analysis/detail/drawcontext.h"
#include "analysis/detail/longrun.h"
#include "analysis/detail/report.h"
#include "analysis/detail/shortperiod.h"

namespace analysis::detail {

namespace {

/// The steps of the long-run scan: scanX = 0.001, 0.006, ..., 9.996.
constexpr std::size_t scanSteps = 2000;

/// Scans the isoquant of `levelThousands` for scanX = 0.001, 0.006, ..., 9.996: plots each
/// point whose scanY lies strictly between 0 and 10, then draws the isocost line of the
/// cheapest scanned point (the earlier point on equal costs) and returns that point.
ChartChoice longRun(DrawContext &context, const TechnologyParameters &p, double levelThousands)
{
    CheckedArithmetic &calc = context.arithmetic;
    calc.step = DrawStep::Isoquant;
    const double priceX = context.priceX();
    const double priceY = context.priceY();
    // Loop-invariant; a zero exponent faults before the first point, as it would inside the loop.
    const double inverseB = calc.divide(1, p.b, InputBox::CdExpY);
    if (!context.ok())
        return {};

    constexpr double firstX = 0.001;
    ChartChoice cheapest;
    bool first = true;
    double lastX = firstX;
    for (double scanX = firstX; scanX <= 10; scanX += 0.005) {
        const double scanY =
                calc.power(calc.divide(levelThousands, calc.power(scanX, p.a, InputBox::CdExpX),
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
        if (first || cost < cheapest.cost) {
            cheapest = { scanX, scanY, cost };
            first = false;
        }
        lastX = scanX;
    }
    if (cheapest.x == firstX || cheapest.x == lastX) {
        // The cost may fall further beyond the scan: the cheapest combination may lie elsewhere.
        Diagnostic edge;
        edge.kind = DiagnosticKind::CheapestAtScanEdge;
        edge.step = DrawStep::Choice;
        edge.first = cheapest.x * 1000;
        edge.second = lastX * 1000;
        context.warn(std::move(edge));
    }
    drawIsocost(context, cheapest.cost);
    return cheapest;
}

std::optional<UnitChoice> shortPeriod(DrawContext &context, const TechnologyParameters &p,
                                      double fixedY, double levelUnits)
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

} // namespace

const TechnologySteps cobbDouglasSteps{ &longRun, &shortPeriod, scanSteps };

} // namespace analysis::detail
