// Fixed proportions, Prod = min(X, Y): the isoquant is an L, and the cheapest combination is its
// corner.
#include "analysis/detail/closedforms.h"
#include "analysis/detail/drawcontext.h"
#include "analysis/detail/longrun.h"
#include "analysis/detail/report.h"
#include "analysis/detail/shortperiod.h"

#include <algorithm>

namespace analysis::detail {

namespace {

using P = TechnologyParameters;

// Closed forms, in plain units.

std::optional<Bundle> cheapest(const P &, double priceX, double priceY, double q)
{
    return priced(priceX, priceY, q, q);
}

std::optional<Bundle> fixedY(const P &, double priceX, double priceY, double fixedY, double q)
{
    if (fixedY < q)
        return std::nullopt;
    return priced(priceX, priceY, q, fixedY);
}

std::optional<double> longRunMarginal(const P &, double priceX, double priceY, double,
                                      const Bundle &)
{
    return priceX + priceY;
}

std::optional<double> shortPeriodMarginal(const P &, double priceX, double, double, double, double)
{
    return priceX;
}

std::optional<double> levelForLongRunY(const P &, double, double, double fixedY)
{
    return fixedY;
}

std::optional<double> noJump(const P &, double)
{
    return std::nullopt;
}

IsoquantShape isoquant(const P &, double q)
{
    return { IsoquantForm::Corner, q, q };
}

std::optional<double> isoquantY(const P &, double q, double x)
{
    if (!(x >= q))
        return std::nullopt;
    return q;
}

// Steps of a Draw.

/// The corner (level, level), the L-shaped isoquant through it to the chart's top and right
/// edges, and the isocost line.
LongRunChoice longRun(DrawContext &context, const P &, const Level &level)
{
    CheckedArithmetic &calc = context.arithmetic;
    calc.step = DrawStep::Choice;
    const double levelThousands = level.thousands;
    const double cost = calc.add(calc.multiply(levelThousands, context.priceX(), InputBox::PriceX),
                                 calc.multiply(levelThousands, context.priceY(), InputBox::PriceY));
    calc.step = DrawStep::Isoquant;
    const float corner = calc.toChart(levelThousands, InputBox::Level);
    context.emit(DrawSegment{ corner, corner, corner, 10 });
    context.emit(DrawSegment{ corner, corner, 10, corner });
    drawIsocost(context, cost);
    return { levelThousands, levelThousands, cost };
}

std::optional<UnitChoice> shortPeriod(DrawContext &context, const P &, double fixedY,
                                      double levelUnits)
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

constexpr TechnologySteps steps{ &longRun, &shortPeriod, 0 };

} // namespace

extern const TechnologyEntry fixedProportionsTechnology{
    TechnologyType::FixedProportions,
    QT_TRANSLATE_NOOP("Technology", "Fixed proportions"),
    QT_TRANSLATE_NOOP("Technology", "Fixed proportions"),
    QT_TRANSLATE_NOOP("Technology",
                      "1 unit of X should be used with 1 unit of Y in order to "
                      "obtain 1 unit of output"),
    {},
    [](double x, double y, const P &) { return std::min(x, y); },
    { &cheapest, &fixedY, &longRunMarginal, &shortPeriodMarginal, &levelForLongRunY, &noJump,
      &isoquant, &isoquantY },
    &steps,
};

} // namespace analysis::detail
