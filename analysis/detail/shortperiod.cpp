#include "analysis/detail/shortperiod.h"

#include "analysis/detail/drawcontext.h"
#include "analysis/detail/report.h"

namespace analysis::detail {

void markChoice(DrawContext &context, const UnitChoice &choice)
{
    CheckedArithmetic &calc = context.arithmetic;
    context.markPoint(4, calc.divide(choice.x, 1000), calc.divide(choice.y, 1000));
}

double costOf(DrawContext &context, double x, double y)
{
    CheckedArithmetic &calc = context.arithmetic;
    return calc.add(calc.multiply(context.priceX(), x), calc.multiply(context.priceY(), y));
}

void shortPeriodDraw(DrawContext &context, const TechnologyEntry &technology,
                     const TechnologyParameters &parameters, double levelThousands)
{
    CheckedArithmetic &calc = context.arithmetic;
    const double fixedY = calc.read(context.inputs.fixedY);
    if (!context.ok())
        return;
    context.emit(SetCaption{ ResultLabel::Heading,
                             "Given the fixed level of Y, the technology which minimalizes the "
                             "costs requires:" });

    const double levelUnits = calc.multiply(levelThousands, 1000);
    const std::optional<UnitChoice> choice =
            technology.steps->shortPeriod(context, parameters, fixedY, levelUnits);
    if (!choice || !context.ok())
        return;
    writeReport(context, *choice, levelUnits);
}

} // namespace analysis::detail
