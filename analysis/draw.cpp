#include "analysis/draw.h"

namespace analysis {

DrawOutcome draw(const DrawInputs &)
{
    // Placeholder until the computation lands: produces nothing.
    return {};
}

} // namespace analysis
