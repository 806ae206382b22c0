#include "analysis/draw.h"

#include "analysis/detail/drawcontext.h"
#include "analysis/detail/longrun.h"
#include "analysis/detail/shortperiod.h"
#include "analysis/detail/technologysteps.h"
#include "analysis/numericvalue.h"
#include "analysis/technologies.h"

#include <cmath>
#include <string_view>

namespace analysis {

namespace {

/// Room for every effect of the Draw: the report's few and, in the long run, every point the
/// isoquant may plot (2000 for the Cobb-Douglas scan).
std::size_t expectedEffects(const TechnologyEntry &technology, bool shortPeriod)
{
    constexpr std::size_t reportEffects = 8;
    return shortPeriod ? reportEffects : reportEffects + technology.steps->longRunPoints;
}

/// Whether `reading` of `text` found no number at all: it read no digit, and the value is 0
/// ("abc", "-", "&H").
bool nothingRead(std::string_view text, const NumberReading &reading)
{
    const std::string_view read = text.substr(0, reading.used);
    const bool digit = read.find_first_of("0123456789") != std::string_view::npos;
    return !digit && reading.value == 0.0;
}

/// Warns of each box this Draw reads whose text was read only in part ("2,5" read as 2), or of
/// which nothing was read ("abc" read as 0).
void warnOfPartialReads(detail::DrawContext &context, const TechnologyEntry &technology)
{
    const auto check = [&context](InputBox box) {
        const std::string &text = context.inputs.*textOf(box);
        const NumberReading reading = readNumber(text);
        if (reading.used < text.size() && reading.value) {
            Diagnostic warning;
            warning.kind = nothingRead(text, reading) ? DiagnosticKind::NothingRead
                                                      : DiagnosticKind::PartialRead;
            warning.input = box;
            warning.inputValue = *reading.value;
            warning.first = *reading.value;
            warning.text = text;
            warning.usedLength = reading.used;
            context.warn(std::move(warning));
        }
    };
    check(InputBox::Level);
    check(InputBox::PriceX);
    check(InputBox::PriceY);
    if (context.inputs.shortPeriod)
        check(InputBox::FixedY);
    for (const ParameterBox &parameter : technology.parameters)
        check(parameter.box);
}

/// The parameters `technology` reads, a then b, each from its text; the others stay 0. The
/// first value outside its domain stops the Draw.
TechnologyParameters readParameters(const TechnologyEntry &technology, const DrawInputs &inputs,
                                    detail::CheckedArithmetic &calc)
{
    double values[2] = { 0, 0 };
    for (std::size_t i = 0; i < technology.parameters.size() && i < 2; ++i) {
        const ParameterBox &parameter = technology.parameters[i];
        values[i] = calc.read(inputs.*parameter.text, parameter.box);
    }
    for (std::size_t i = 0; i < technology.parameters.size() && i < 2; ++i) {
        const ParameterBox &parameter = technology.parameters[i];
        if (!calc.fault() && !parameter.admits(values[i]))
            calc.outsideDomain(parameter.box, values[i], parameter.greaterThan);
    }
    return { values[0], values[1] };
}

} // namespace

std::string DrawInputs::*textOf(InputBox box)
{
    switch (box) {
    case InputBox::Level:
        return &DrawInputs::level;
    case InputBox::PriceX:
        return &DrawInputs::priceX;
    case InputBox::PriceY:
        return &DrawInputs::priceY;
    case InputBox::FixedY:
        return &DrawInputs::fixedY;
    default:
        break;
    }
    const ParameterBox *parameter = findParameterBox(box);
    return parameter ? parameter->text : &DrawInputs::level;
}

DrawOutcome detail::DrawContext::finish() &&
{
    outcome.completed = ok();
    if (const std::optional<Diagnostic> &stop = arithmetic.stopDiagnostic()) {
        Diagnostic diagnostic = *stop;
        if (diagnostic.input)
            diagnostic.inputValue =
                    numericValue(inputs.*textOf(*diagnostic.input)).value_or(HUGE_VAL);
        outcome.diagnostics.push_back(std::move(diagnostic));
    }
    return std::move(outcome);
}

DrawOutcome draw(const DrawInputs &inputs)
{
    // The window offers only the technologies of the table; any other value draws nothing.
    const TechnologyEntry *technology = findTechnology(inputs.technology);
    if (!technology)
        return {};

    detail::DrawContext context(inputs, expectedEffects(*technology, inputs.shortPeriod));
    warnOfPartialReads(context, *technology);
    detail::CheckedArithmetic &calc = context.arithmetic;
    detail::Level level;
    level.units = calc.read(inputs.level, InputBox::Level);
    level.thousands = calc.divide(level.units, 1000);
    const TechnologyParameters parameters = readParameters(*technology, inputs, calc);
    if (context.ok()) {
        ResultRecord &result = context.draftResult();
        result.technology = technology->type;
        result.shortPeriod = inputs.shortPeriod;
        result.level = level.units;
        if (!technology->parameters.empty())
            result.parameterA = parameters.a;
        if (technology->parameters.size() > 1)
            result.parameterB = parameters.b;
        if (inputs.shortPeriod)
            detail::shortPeriodDraw(context, *technology, parameters, level);
        else
            detail::longRunDraw(context, *technology, parameters, level);
    }
    return std::move(context).finish();
}

} // namespace analysis
