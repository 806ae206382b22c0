#include "analysis/detail/shortperiod.h"

#include "analysis/detail/drawcontext.h"
#include "analysis/detail/report.h"
#include "analysis/numericvalue.h"

namespace analysis::detail {

void markChoice(DrawContext &context, const UnitChoice &choice)
{
    CheckedArithmetic &calc = context.arithmetic;
    context.markPoint(4, calc.divide(choice.x, 1000), calc.divide(choice.y, 1000));
}

double costOf(DrawContext &context, double x, double y)
{
    CheckedArithmetic &calc = context.arithmetic;
    return calc.add(calc.multiply(context.priceX(), x, InputBox::PriceX),
                    calc.multiply(context.priceY(), y, InputBox::PriceY));
}

void shortPeriodDraw(DrawContext &context, const TechnologyEntry &technology,
                     const TechnologyParameters &parameters, const Level &level)
{
    CheckedArithmetic &calc = context.arithmetic;
    const double fixedY = calc.read(context.inputs.fixedY, InputBox::FixedY);
    if (!context.ok())
        return;
    context.draftResult().fixedY = fixedY;
    context.emit(SetCaption{ ResultLabel::Heading,
                             "Given the fixed level of Y, the technology which minimalizes the "
                             "costs requires:" });

    // The level as the short period has always computed it: its thousands times 1000.
    const double levelUnits = calc.multiply(level.thousands, 1000, InputBox::Level);
    calc.step = DrawStep::Choice;
    const std::optional<UnitChoice> choice =
            technology.steps->shortPeriod(context, parameters, fixedY, levelUnits);
    if (!choice) {
        if (!context.ok())
            return;
        // The impossibility line is the result: nothing chosen, the prices as typed.
        ResultRecord &result = context.draftResult();
        result.priceX = numericValue(context.inputs.priceX);
        result.priceY = numericValue(context.inputs.priceY);
        context.keepResult(ResultOutcome::Impossible);
        return;
    }
    if (!context.ok())
        return;
    context.warnIfOutsideChart(choice->x, choice->y);
    writeReport(context, *choice, levelUnits);
}

} // namespace analysis::detail
