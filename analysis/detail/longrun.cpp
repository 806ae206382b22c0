#include "analysis/detail/longrun.h"

#include "analysis/detail/drawcontext.h"
#include "analysis/detail/isoquant.h"
#include "analysis/detail/report.h"

namespace analysis {

namespace {

void perfectSubstitutesCorner(DrawContext &context)
{
    CheckedArithmetic &calc = context.arithmetic;
    const TechnologyParameters &p = context.parameters;
    const double costAllX = calc.multiply(calc.divide(context.level, p.coefX), context.priceX());
    const double costAllY = calc.multiply(calc.divide(context.level, p.coefY), context.priceY());
    if (costAllX < costAllY) {
        context.minCost = costAllX;
        context.bestX = calc.divide(context.level, p.coefX);
        context.bestY = 0;
    } else {
        context.minCost = costAllY;
        context.bestX = 0;
        context.bestY = calc.divide(context.level, p.coefY);
    }
}

/// The isocost line of `minCost`, from its X intercept to its Y intercept.
void drawIsocost(DrawContext &context)
{
    CheckedArithmetic &calc = context.arithmetic;
    const double interceptX = calc.divide(context.minCost, context.priceX());
    const double interceptY = calc.divide(context.minCost, context.priceY());
    const float x = calc.toChart(interceptX);
    const float y = calc.toChart(interceptY);
    context.emit(DrawSegment{ x, 0, 0, y });
}

} // namespace

void longRunChoice(DrawContext &context)
{
    CheckedArithmetic &calc = context.arithmetic;
    context.emit(SetCaption{
            ResultLabel::Heading,
            "The technology which minimalizes the costs requires the inputs X and Y in these "
            "quantities:" });

    switch (context.inputs.technology) {
    case TechnologyType::PerfectSubstitutes:
        perfectSubstitutesCorner(context);
        drawIsocost(context);
        context.markPoint(8, context.bestX, context.bestY);
        break;
    case TechnologyType::FixedProportions:
        context.minCost = calc.add(calc.multiply(context.level, context.priceX()),
                                   calc.multiply(context.level, context.priceY()));
        context.bestX = context.level;
        context.bestY = context.level;
        fixedProportionsIsoquant(context);
        drawIsocost(context);
        break;
    case TechnologyType::CobbDouglas:
        cobbDouglasScan(context);
        drawIsocost(context);
        break;
    }
    if (!context.ok())
        return;

    writeSlope(context);
    writeReport(context, 1000, context.level);
}

} // namespace analysis
