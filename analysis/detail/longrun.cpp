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
                 const TechnologyParameters &parameters, const Level &level)
{
    context.emit(SetCaption{
            ResultLabel::Heading,
            "The technology which minimalizes the costs requires the inputs X and Y in these "
            "quantities:" });
    const LongRunChoice choice = technology.steps->longRun(context, parameters, level);
    if (!context.ok())
        return;
    // A choice in chart units is in thousands; one in units is reported as it is.
    const double scale = choice.inUnits ? 1 : 1000;
    context.warnIfOutsideChart(choice.x * scale, choice.y * scale);
    if (choice.tie) {
        Diagnostic tie;
        tie.kind = DiagnosticKind::Tie;
        tie.step = DrawStep::Choice;
        context.warn(std::move(tie));
    }
    context.draftResult().scanned = choice.scanned;
    writeSlope(context);
    writeReport(context, choice, level);
}

} // namespace analysis::detail
