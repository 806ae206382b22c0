// Perfect substitutes, Prod = a X + b Y: the cheapest combination is a corner of the isoquant.
#include "analysis/detail/drawcontext.h"
#include "analysis/detail/longrun.h"
#include "analysis/detail/report.h"
#include "analysis/detail/shortperiod.h"

namespace analysis::detail {

namespace {

/// The cheaper corner: all X or all Y. When both cost the same and are different points (a
/// level other than 0), every combination on the isoquant is cheapest: all Y is reported, as
/// one of two optimum points counted.
ChartChoice longRun(DrawContext &context, const TechnologyParameters &p, double levelThousands)
{
    CheckedArithmetic &calc = context.arithmetic;
    calc.step = DrawStep::Choice;
    const double costAllX = calc.multiply(calc.divide(levelThousands, p.a, InputBox::CoefX),
                                          context.priceX(), InputBox::PriceX);
    const double costAllY = calc.multiply(calc.divide(levelThousands, p.b, InputBox::CoefY),
                                          context.priceY(), InputBox::PriceY);
    ChartChoice choice = costAllX < costAllY
            ? ChartChoice{ calc.divide(levelThousands, p.a), 0, costAllX }
            : ChartChoice{ 0, calc.divide(levelThousands, p.b), costAllY };
    if (costAllX == costAllY && levelThousands != 0)
        choice.optimumPoints = 2;
    drawIsocost(context, choice.cost);
    context.markPoint(8, choice.x, choice.y);
    return choice;
}

std::optional<UnitChoice> shortPeriod(DrawContext &context, const TechnologyParameters &p,
                                      double fixedY, double levelUnits)
{
    CheckedArithmetic &calc = context.arithmetic;
    double x = calc.divide(calc.subtract(levelUnits, calc.multiply(p.b, fixedY, InputBox::FixedY),
                                         InputBox::Level),
                           p.a, InputBox::CoefX);
    if (x < 0)
        x = 0; // the fixed Y alone yields the level: the surplus output is accepted
    const UnitChoice choice{ x, fixedY, costOf(context, x, fixedY) };
    // The isocost intercepts are not drawn, but a zero price faults on them before the point.
    calc.step = DrawStep::IsocostLine;
    [[maybe_unused]] const double interceptX =
            calc.divide(choice.cost, context.priceX(), InputBox::PriceX);
    [[maybe_unused]] const double interceptY =
            calc.divide(choice.cost, context.priceY(), InputBox::PriceY);
    markChoice(context, choice);
    writeSlope(context);
    return choice;
}

} // namespace

const TechnologySteps perfectSubstitutesSteps{ &longRun, &shortPeriod, 0 };

} // namespace analysis::detail
