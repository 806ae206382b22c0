#include "analysis/technologies.h"

#include "analysis/detail/technologysteps.h"

#include <algorithm>
#include <cmath>

namespace analysis {

namespace {

constexpr InputBox linearParameters[] = { InputBox::CoefX, InputBox::CoefY };
constexpr InputBox cobbDouglasParameters[] = { InputBox::CdExpX, InputBox::CdExpY };

constexpr TechnologyEntry table[] = {
    {
            TechnologyType::PerfectSubstitutes,
            "Perfect substitutes",
            "Linear",
            "Prod = a X + b Y",
            linearParameters,
            [](double x, double y, const TechnologyParameters &p) { return p.a * x + p.b * y; },
            &detail::perfectSubstitutesSteps,
    },
    {
            TechnologyType::FixedProportions,
            "Fixed proportions",
            "Fixed proportions",
            "1 unit of X should be used with 1 unit of Y in order to obtain 1 unit of output",
            {},
            [](double x, double y, const TechnologyParameters &) { return std::min(x, y); },
            &detail::fixedProportionsSteps,
    },
    {
            TechnologyType::CobbDouglas,
            "Cobb-Douglas",
            "Cobb-Douglas",
            "Prod = X ^ a * Y ^ b",
            cobbDouglasParameters,
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
