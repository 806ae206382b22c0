#include "analysis/detail/longrun.h"

#include "analysis/detail/drawcontext.h"
#include "analysis/detail/report.h"
#include "analysis/detail/technologysteps.h"

namespace analysis::detail {

void drawIsocost(DrawContext &context, double costThousands)
{
    CheckedArithmetic &calc = context.arithmetic;
    calc.step = DrawStep::IsocostLine;
    const double interceptX = calc.divide(costThousands, context.priceX(), InputBox::PriceX);
    const double interceptY = calc.divide(costThousands, context.priceY(), InputBox::PriceY);
    const float x = calc.toChart(interceptX, InputBox::PriceX);
    const float y = calc.toChart(interceptY, InputBox::PriceY);
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
    context.warnIfOutsideChart(choice.x * 1000, choice.y * 1000);
    if (choice.optimumPoints > 1) {
        Diagnostic tie;
        tie.kind = DiagnosticKind::Tie;
        tie.step = DrawStep::Choice;
        tie.first = choice.optimumPoints;
        context.warn(std::move(tie));
    }
    writeSlope(context);
    writeReport(context, choice, levelThousands);
}

} // namespace analysis::detail
