#include "analysis/detail/longrun.h"

#include "analysis/detail/drawcontext.h"
#include "analysis/detail/report.h"
#include "analysis/detail/technologysteps.h"

namespace analysis::detail {

void drawIsocost(DrawContext &context, double costThousands)
{
    CheckedArithmetic &calc = context.arithmetic;
    const double interceptX = calc.divide(costThousands, context.priceX());
    const double interceptY = calc.divide(costThousands, context.priceY());
    const float x = calc.toChart(interceptX);
    const float y = calc.toChart(interceptY);
    context.emit(DrawSegment{ x, 0, 0, y });
}

void longRunDraw(DrawContext &context, const TechnologyEntry &technology,
                 const TechnologyParameters &parameters, double levelThousands)
{
    context.emit(SetCaption{
            ResultLabel::Heading,
            "The technology which minimalizes the costs requires the inputs X and Y in these "
            "quantities:" });
    const ChartChoice choice = technology.steps->longRun(context, parameters, levelThousands);
    if (!context.ok())
        return;
    writeSlope(context);
    writeReport(context, choice, levelThousands);
}

} // namespace analysis::detail
