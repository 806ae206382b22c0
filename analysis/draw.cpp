#include "analysis/draw.h"

#include "analysis/detail/drawcontext.h"
#include "analysis/detail/longrun.h"
#include "analysis/detail/shortperiod.h"

namespace analysis {

namespace {

/// Room for every effect of the Draw: the Cobb-Douglas scan plots up to 2000 points.
constexpr std::size_t expectedEffects(const DrawInputs &inputs)
{
    constexpr std::size_t reportEffects = 8;
    const bool scans = !inputs.shortPeriod && inputs.technology == TechnologyType::CobbDouglas;
    return scans ? 2000 + reportEffects : reportEffects;
}

} // namespace

DrawOutcome draw(const DrawInputs &inputs)
{
    // The window offers only the three technologies; any other value draws nothing.
    if (!isKnownTechnology(inputs.technology))
        return {};

    DrawContext context(inputs, expectedEffects(inputs));
    CheckedArithmetic &calc = context.arithmetic;
    context.level = calc.divide(calc.read(inputs.level), 1000);
    context.parameters = loadParameters(inputs.technology, inputs, calc);
    if (context.ok()) {
        if (inputs.shortPeriod)
            shortPeriodChoice(context);
        else
            longRunChoice(context);
    }
    return std::move(context).finish();
}

} // namespace analysis
