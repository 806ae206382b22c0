#include "analysis/draw.h"

#include "analysis/detail/drawcontext.h"
#include "analysis/detail/longrun.h"
#include "analysis/detail/shortperiod.h"
#include "analysis/technologies.h"

namespace analysis {

namespace {

/// Room for every effect of the Draw: the report's few and, in the long run, every point the
/// isoquant may plot (2000 for the Cobb-Douglas scan).
std::size_t expectedEffects(const TechnologyEntry &technology, bool shortPeriod)
{
    constexpr std::size_t reportEffects = 8;
    return shortPeriod ? reportEffects : reportEffects + technology.steps->longRunPoints;
}

/// The parameters `technology` reads, a then b, each from its text; the others stay 0.
TechnologyParameters readParameters(const TechnologyEntry &technology, const DrawInputs &inputs,
                                    detail::CheckedArithmetic &calc)
{
    double values[2] = { 0, 0 };
    for (int i = 0; i < technology.parameterCount; ++i)
        values[i] = calc.read(inputs.*technology.parameters[i]);
    return { values[0], values[1] };
}

} // namespace

DrawOutcome draw(const DrawInputs &inputs)
{
    // The window offers only the technologies of the table; any other value draws nothing.
    const TechnologyEntry *technology = findTechnology(inputs.technology);
    if (!technology)
        return {};

    detail::DrawContext context(inputs, expectedEffects(*technology, inputs.shortPeriod));
    detail::CheckedArithmetic &calc = context.arithmetic;
    const double levelThousands = calc.divide(calc.read(inputs.level), 1000);
    const TechnologyParameters parameters = readParameters(*technology, inputs, calc);
    if (context.ok()) {
        if (inputs.shortPeriod)
            detail::shortPeriodDraw(context, *technology, parameters, levelThousands);
        else
            detail::longRunDraw(context, *technology, parameters, levelThousands);
    }
    return std::move(context).finish();
}

} // namespace analysis
