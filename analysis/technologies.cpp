#include "analysis/technologies.h"

#include "analysis/detail/technologysteps.h"

#include <algorithm>
#include <cmath>

namespace analysis {

namespace {

constexpr TechnologyEntry table[] = {
    {
            TechnologyType::PerfectSubstitutes,
            "Perfect substitutes",
            "Linear",
            "Prod = a X + b Y",
            { &DrawInputs::coefX, &DrawInputs::coefY },
            2,
            [](double x, double y, const TechnologyParameters &p) { return p.a * x + p.b * y; },
            &detail::perfectSubstitutesSteps,
    },
    {
            TechnologyType::FixedProportions,
            "Fixed proportions",
            "Fixed proportions",
            "1 unit of X should be used with 1 unit of Y in order to obtain 1 unit of output",
            { nullptr, nullptr },
            0,
            [](double x, double y, const TechnologyParameters &) { return std::min(x, y); },
            &detail::fixedProportionsSteps,
    },
    {
            TechnologyType::CobbDouglas,
            "Cobb-Douglas",
            "Cobb-Douglas",
            "Prod = X ^ a * Y ^ b",
            { &DrawInputs::cdExpX, &DrawInputs::cdExpY },
            2,
            [](double x, double y, const TechnologyParameters &p) {
                return std::pow(x, p.a) * std::pow(y, p.b);
            },
            &detail::cobbDouglasSteps,
    },
};

// The option buttons take their ids from the types: they must run 1, 2, 3, ... in this order.
static_assert([] {
    int expected = 1;
    for (const TechnologyEntry &technology : table) {
        if (static_cast<int>(technology.type) != expected++)
            return false;
    }
    return true;
}());

} // namespace

std::span<const TechnologyEntry> technologies()
{
    return table;
}

const TechnologyEntry *findTechnology(TechnologyType type)
{
    for (const TechnologyEntry &technology : table) {
        if (technology.type == type)
            return &technology;
    }
    return nullptr;
}

} // namespace analysis
