// Fixed proportions, Prod = min(X, Y): the cheapest combination is the corner of the L.
#include "analysis/detail/drawcontext.h"
#include "analysis/detail/longrun.h"
#include "analysis/detail/report.h"
#include "analysis/detail/shortperiod.h"

namespace analysis::detail {

namespace {

/// The corner (level, level), the L-shaped isoquant through it to the chart's top and right
/// edges, and the isocost line.
ChartChoice longRun(DrawContext &context, const TechnologyParameters &, double levelThousands)
{
    CheckedArithmetic &calc = context.arithmetic;
    calc.step = DrawStep::Choice;
    const double cost = calc.add(calc.multiply(levelThousands, context.priceX(), InputBox::PriceX),
                                 calc.multiply(levelThousands, context.priceY(), InputBox::PriceY));
    calc.step = DrawStep::Isoquant;
    const float corner = calc.toChart(levelThousands, InputBox::Level);
    context.emit(DrawSegment{ corner, corner, corner, 10 });
    context.emit(DrawSegment{ corner, corner, 10, corner });
    drawIsocost(context, cost);
    return { levelThousands, levelThousands, cost };
}

std::optional<UnitChoice> shortPeriod(DrawContext &context, const TechnologyParameters &,
                                      double fixedY, double levelUnits)
{
    if (fixedY < levelUnits) {
        context.emit(AppendToCaption{ ResultLabel::ResultList,
                                      "Obtaining such a production is impossible.\r" });
        return std::nullopt;
    }
    const UnitChoice choice{ levelUnits, fixedY, costOf(context, levelUnits, fixedY) };
    writeSlope(context);
    markChoice(context, choice);
    return choice;
}

} // namespace

const TechnologySteps fixedProportionsSteps{ &longRun, &shortPeriod, 0 };

} // namespace analysis::detail
