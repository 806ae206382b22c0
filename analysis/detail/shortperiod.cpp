#include "analysis/detail/shortperiod.h"

#include "analysis/detail/drawcontext.h"
#include "analysis/detail/report.h"

namespace analysis {

namespace {

/// Marks the chosen point, given in units, 4 pixels wide on the chart (thousands).
void markChoice(DrawContext &context)
{
    CheckedArithmetic &calc = context.arithmetic;
    context.markPoint(4, calc.divide(context.bestX, 1000), calc.divide(context.bestY, 1000));
}

double costOfChoice(DrawContext &context)
{
    CheckedArithmetic &calc = context.arithmetic;
    return calc.add(calc.multiply(context.priceX(), context.bestX),
                    calc.multiply(context.priceY(), context.bestY));
}

void perfectSubstitutes(DrawContext &context, double fixedY, double q)
{
    CheckedArithmetic &calc = context.arithmetic;
    const TechnologyParameters &p = context.parameters;
    context.bestX = calc.divide(calc.subtract(q, calc.multiply(p.coefY, fixedY)), p.coefX);
    if (context.bestX < 0)
        context.bestX = 0; // the fixed Y alone yields the level: the surplus output is accepted
    context.bestY = fixedY;
    context.minCost = costOfChoice(context);
    // The isocost intercepts are not drawn, but a zero price faults on them before the point.
    [[maybe_unused]] const double interceptX = calc.divide(context.minCost, context.priceX());
    [[maybe_unused]] const double interceptY = calc.divide(context.minCost, context.priceY());
    markChoice(context);
    writeSlope(context);
}

/// False when the level cannot be reached with the fixed Y (the impossibility line is written).
bool fixedProportions(DrawContext &context, double fixedY, double q)
{
    if (fixedY < q) {
        context.emit(AppendToCaption{ ResultLabel::ResultList,
                                      "Obtaining such a production is impossible.\r" });
        return false;
    }
    context.bestY = fixedY;
    context.bestX = q;
    context.minCost = costOfChoice(context);
    writeSlope(context);
    markChoice(context);
    return true;
}

void cobbDouglas(DrawContext &context, double fixedY, double q)
{
    CheckedArithmetic &calc = context.arithmetic;
    const TechnologyParameters &p = context.parameters;
    const double quotient = calc.divide(q, calc.power(fixedY, p.cdExpY));
    context.bestX = calc.power(quotient, calc.divide(1, p.cdExpX));
    context.bestY = fixedY;
    context.minCost = costOfChoice(context);
    markChoice(context);
    writeSlope(context);
}

} // namespace

void shortPeriodChoice(DrawContext &context)
{
    CheckedArithmetic &calc = context.arithmetic;
    const double fixedY = calc.read(context.inputs.fixedY);
    if (!context.ok())
        return;
    context.emit(SetCaption{ ResultLabel::Heading,
                             "Given the fixed level of Y, the technology which minimalizes the "
                             "costs requires:" });

    const double q = calc.multiply(context.level, 1000);
    context.level = q;
    switch (context.inputs.technology) {
    case TechnologyType::PerfectSubstitutes:
        perfectSubstitutes(context, fixedY, q);
        break;
    case TechnologyType::FixedProportions:
        if (!fixedProportions(context, fixedY, q))
            return;
        break;
    case TechnologyType::CobbDouglas:
        cobbDouglas(context, fixedY, q);
        break;
    }
    if (!context.ok())
        return;
    writeReport(context, 1, q);
}

} // namespace analysis
