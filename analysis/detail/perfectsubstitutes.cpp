// Perfect substitutes, Prod = a X + b Y: the cheapest combination is a corner of the isoquant.
#include "analysis/detail/drawcontext.h"
#include "analysis/detail/longrun.h"
#include "analysis/detail/report.h"
#include "analysis/detail/shortperiod.h"

namespace analysis::detail {

namespace {

/// The cheaper corner: all X or all Y (all Y when both cost the same).
ChartChoice longRun(DrawContext &context, const TechnologyParameters &p, double levelThousands)
{
    CheckedArithmetic &calc = context.arithmetic;
    const double costAllX = calc.multiply(calc.divide(levelThousands, p.a), context.priceX());
    const double costAllY = calc.multiply(calc.divide(levelThousands, p.b), context.priceY());
    const ChartChoice choice = costAllX < costAllY
            ? ChartChoice{ calc.divide(levelThousands, p.a), 0, costAllX }
            : ChartChoice{ 0, calc.divide(levelThousands, p.b), costAllY };
    drawIsocost(context, choice.cost);
    context.markPoint(8, choice.x, choice.y);
    return choice;
}

std::optional<UnitChoice> shortPeriod(DrawContext &context, const TechnologyParameters &p,
                                      double fixedY, double levelUnits)
{
    CheckedArithmetic &calc = context.arithmetic;
    double x = calc.divide(calc.subtract(levelUnits, calc.multiply(p.b, fixedY)), p.a);
    if (x < 0)
        x = 0; // the fixed Y alone yields the level: the surplus output is accepted
    const UnitChoice choice{ x, fixedY, costOf(context, x, fixedY) };
    // The isocost intercepts are not drawn, but a zero price faults on them before the point.
    [[maybe_unused]] const double interceptX = calc.divide(choice.cost, context.priceX());
    [[maybe_unused]] const double interceptY = calc.divide(choice.cost, context.priceY());
    markChoice(context, choice);
    writeSlope(context);
    return choice;
}

} // namespace

const TechnologySteps perfectSubstitutesSteps{ &longRun, &shortPeriod, 0 };

} // namespace analysis::detail
