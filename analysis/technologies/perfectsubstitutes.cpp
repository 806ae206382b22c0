// Perfect substitutes, Prod = a X + b Y: the isoquant is a straight line, and the cheapest
// combination is the corner of the input that costs less per unit of output.
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

std::optional<Bundle> cheapest(const P &p, double priceX, double priceY, double q)
{
    if (q == 0)
        return Bundle{};
    // The cost of one unit of output made from X alone and from Y alone; at equal costs the
    // Draw takes the corner that uses only Y, and so does this.
    const double unitX = priceX / p.a, unitY = priceY / p.b;
    if (unitX < unitY)
        return priced(priceX, priceY, q / p.a, 0);
    return priced(priceX, priceY, 0, q / p.b, unitX == unitY);
}

std::optional<Bundle> fixedY(const P &p, double priceX, double priceY, double fixedY, double q)
{
    // When the fixed Y alone yields q, no X is bought and the surplus output is accepted.
    return priced(priceX, priceY, std::max(0.0, (q - p.b * fixedY) / p.a), fixedY);
}

std::optional<double> longRunMarginal(const P &p, double priceX, double priceY, double,
                                      const Bundle &)
{
    return std::min(priceX / p.a, priceY / p.b);
}

std::optional<double> shortPeriodMarginal(const P &p, double priceX, double, double fixedY,
                                          double q, double)
{
    return q < p.b * fixedY ? 0.0 : priceX / p.a;
}

std::optional<double> levelForLongRunY(const P &p, double priceX, double priceY, double fixedY)
{
    if (priceX / p.a < priceY / p.b)
        return std::nullopt; // only X is used in the long run
    return p.b * fixedY;
}

std::optional<double> demandJumpPriceX(const P &p, double priceY)
{
    return priceY * p.a / p.b;
}

IsoquantShape isoquant(const P &p, double q)
{
    return { IsoquantForm::Line, q / p.a, q / p.b };
}

std::optional<double> isoquantY(const P &p, double q, double x)
{
    if (!(x >= 0 && p.a * x <= q))
        return std::nullopt;
    return (q - p.a * x) / p.b;
}

// Steps of a Draw.

/// The cheaper corner: all X or all Y. When both cost the same and are different points (a
/// level other than 0), every combination on the isoquant is cheapest: all Y is reported, as
/// one of them.
LongRunChoice longRun(DrawContext &context, const P &p, const Level &level)
{
    CheckedArithmetic &calc = context.arithmetic;
    calc.step = DrawStep::Choice;
    const double levelThousands = level.thousands;
    const double costAllX = calc.multiply(calc.divide(levelThousands, p.a, InputBox::CoefX),
                                          context.priceX(), InputBox::PriceX);
    const double costAllY = calc.multiply(calc.divide(levelThousands, p.b, InputBox::CoefY),
                                          context.priceY(), InputBox::PriceY);
    LongRunChoice choice = costAllX < costAllY
            ? LongRunChoice{ calc.divide(levelThousands, p.a), 0, costAllX }
            : LongRunChoice{ 0, calc.divide(levelThousands, p.b), costAllY };
    choice.tie = costAllX == costAllY && levelThousands != 0;
    drawIsocost(context, choice.cost);
    context.markPoint(8, choice.x, choice.y);
    return choice;
}

std::optional<UnitChoice> shortPeriod(DrawContext &context, const P &p, double fixedY,
                                      double levelUnits)
{
    CheckedArithmetic &calc = context.arithmetic;
    double x = calc.divide(calc.subtract(levelUnits, calc.multiply(p.b, fixedY, InputBox::FixedY),
                                         InputBox::Level),
                           p.a, InputBox::CoefX);
    if (x < 0)
        x = 0; // the fixed Y alone yields the level: the surplus output is accepted
    const UnitChoice choice{ x, fixedY, costOf(context, x, fixedY) };
    // The isocost intercepts are not drawn, but a zero price faults on them before the point.
    calc.step = DrawStep::IsocostLine;
    [[maybe_unused]] const double interceptX =
            calc.divide(choice.cost, context.priceX(), InputBox::PriceX);
    [[maybe_unused]] const double interceptY =
            calc.divide(choice.cost, context.priceY(), InputBox::PriceY);
    markChoice(context, choice);
    writeSlope(context);
    return choice;
}

constexpr TechnologySteps steps{ &longRun, &shortPeriod, 0 };

constexpr ParameterBox parameters[] = {
    { InputBox::CoefX, &DrawInputs::coefX, QT_TRANSLATE_NOOP("Technology", "a ="),
      QT_TRANSLATE_NOOP("Technology", "a of perfect substitutes"),
      QT_TRANSLATE_NOOP("Technology", "the parameter a of perfect substitutes") },
    { InputBox::CoefY, &DrawInputs::coefY, QT_TRANSLATE_NOOP("Technology", "b ="),
      QT_TRANSLATE_NOOP("Technology", "b of perfect substitutes"),
      QT_TRANSLATE_NOOP("Technology", "the parameter b of perfect substitutes") },
};

} // namespace

extern const TechnologyEntry perfectSubstitutesTechnology{
    TechnologyType::PerfectSubstitutes,
    QT_TRANSLATE_NOOP("Technology", "Perfect substitutes"),
    QT_TRANSLATE_NOOP("Technology", "Linear"),
    QT_TRANSLATE_NOOP("Technology", "Prod = a X + b Y"),
    parameters,
    [](double x, double y, const P &p) { return p.a * x + p.b * y; },
    { &cheapest, &fixedY, &longRunMarginal, &shortPeriodMarginal, &levelForLongRunY,
      &demandJumpPriceX, &isoquant, &isoquantY },
    &steps,
};

} // namespace analysis::detail
