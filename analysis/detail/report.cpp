#include "analysis/detail/report.h"

#include "analysis/detail/drawcontext.h"
#include "analysis/numbertext.h"

namespace analysis::detail {

namespace {

/// The report of a choice whose quantities times `scale` are units; `quantity` is the level in
/// the choice's own unit, so that the average cost needs no conversion. A tied choice's result
/// line is introduced as one of many.
void writeReport(DrawContext &context, double x, double y, double cost, bool tie, double scale,
                 double quantity)
{
    CheckedArithmetic &calc = context.arithmetic;
    const std::string &separator = context.inputs.decimalSeparator;

    context.emit(ShowLabel{ ResultLabel::Heading });

    calc.step = DrawStep::ResultLine;
    const double shownX = calc.multiply(scale, x);
    const double shownY = calc.multiply(scale, y);
    const double priceX = context.priceX();
    const double priceY = context.priceY();
    const double shownCost = calc.multiply(scale, cost);
    if (!context.ok())
        return;
    if (tie) {
        context.emit(
                AppendToCaption{ ResultLabel::ResultList, " One of the many optimum points is " });
    }
    std::string line = " X = ";
    line += patternText(shownX, NumberPattern::LeadingZero, separator);
    line += " Y = ";
    line += patternText(shownY, NumberPattern::LeadingZero, separator);
    line += " at price of X=";
    line += plainNumberText(priceX, separator);
    line += " and of Y =";
    line += plainNumberText(priceY, separator);
    line += ". Cost = ";
    line += patternText(shownCost, NumberPattern::LeadingZero, separator);
    line += '\r';
    context.emit(AppendToCaption{ ResultLabel::ResultList, std::move(line) });
    ResultRecord &result = context.draftResult();
    result.x = shownX;
    result.y = shownY;
    result.cost = shownCost;
    result.priceX = priceX;
    result.priceY = priceY;
    context.keepResult(ResultOutcome::StoppedAtAverageCost);

    calc.step = DrawStep::AverageCost;
    const double averageCost = calc.divide(cost, quantity, InputBox::Level);
    if (!context.ok())
        return;
    context.keptResult().averageCost = averageCost;
    context.keptResult().outcome = ResultOutcome::Completed;
    context.emit(SetCaption{
            ResultLabel::AverageCost,
            "The average cost of production is : "
                    + patternText(averageCost, NumberPattern::NoLeadingZero, separator) });
}

} // namespace

void writeSlope(DrawContext &context)
{
    CheckedArithmetic &calc = context.arithmetic;
    calc.step = DrawStep::Slope;
    const double slope = calc.divide(context.priceX(), context.priceY(), InputBox::PriceY);
    if (!context.ok())
        return;
    context.draftResult().slope = slope;
    context.emit(SetCaption{ ResultLabel::Slope,
                             "The slope of the isocost line is : " + std::string(" - ")
                                     + patternText(slope, NumberPattern::LeadingZero,
                                                   context.inputs.decimalSeparator) });
}

void writeReport(DrawContext &context, const LongRunChoice &choice, const Level &level)
{
    if (choice.inUnits)
        writeReport(context, choice.x, choice.y, choice.cost, choice.tie, 1, level.units);
    else
        writeReport(context, choice.x, choice.y, choice.cost, choice.tie, 1000, level.thousands);
}

void writeReport(DrawContext &context, const UnitChoice &choice, double levelUnits)
{
    writeReport(context, choice.x, choice.y, choice.cost, false, 1, levelUnits);
}

} // namespace analysis::detail
