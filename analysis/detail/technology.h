#pragma once

#include "analysis/draw.h"

namespace analysis {

class CheckedArithmetic;

/// The parameters of the technologies, read from the isoquant-parameter window at each Draw.
struct TechnologyParameters
{
    double coefX = 0, coefY = 0; ///< PerfectSubstitutes: Prod = coefX X + coefY Y
    double cdExpX = 0, cdExpY = 0; ///< CobbDouglas: Prod = X ^ cdExpX * Y ^ cdExpY
};

/// Whether `type` is one of the three technologies the window offers.
bool isKnownTechnology(TechnologyType type);

/// Reads the two parameters of `type` (none for FixedProportions); the others stay 0.
TechnologyParameters loadParameters(TechnologyType type, const DrawInputs &inputs,
                                    CheckedArithmetic &arithmetic);

} // namespace analysis
