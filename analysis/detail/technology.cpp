#include "analysis/detail/technology.h"

#include "analysis/detail/checkedarithmetic.h"

namespace analysis {

bool isKnownTechnology(TechnologyType type)
{
    return type == TechnologyType::PerfectSubstitutes || type == TechnologyType::FixedProportions
            || type == TechnologyType::CobbDouglas;
}

TechnologyParameters loadParameters(TechnologyType type, const DrawInputs &inputs,
                                    CheckedArithmetic &arithmetic)
{
    TechnologyParameters parameters;
    switch (type) {
    case TechnologyType::PerfectSubstitutes:
        parameters.coefX = arithmetic.read(inputs.coefX);
        parameters.coefY = arithmetic.read(inputs.coefY);
        break;
    case TechnologyType::CobbDouglas:
        parameters.cdExpX = arithmetic.read(inputs.cdExpX);
        parameters.cdExpY = arithmetic.read(inputs.cdExpY);
        break;
    case TechnologyType::FixedProportions:
        break;
    }
    return parameters;
}

} // namespace analysis
