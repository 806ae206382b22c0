#include "analysis/technologies.h"

#include "analysis/numericvalue.h"

#include <array>
#include <cmath>

namespace analysis {

namespace detail {
// Each defined, with all its behaviour, in its own file in analysis/technologies/.
extern const TechnologyEntry perfectSubstitutesTechnology;
extern const TechnologyEntry fixedProportionsTechnology;
extern const TechnologyEntry cobbDouglasTechnology;
} // namespace detail

namespace {

/// The table, in the order of the option buttons: the types run 1, 2, 3, ..., as the buttons'
/// ids do.
constexpr const TechnologyEntry *entries[] = {
    &detail::perfectSubstitutesTechnology,
    &detail::fixedProportionsTechnology,
    &detail::cobbDouglasTechnology,
};

/// The entries themselves, side by side for `technologies()`: copied at first use, after every
/// entry is made.
std::span<const TechnologyEntry> table()
{
    static const auto copies = [] {
        std::array<TechnologyEntry, std::size(entries)> all{};
        for (std::size_t i = 0; i < all.size(); ++i)
            all[i] = *entries[i];
        return all;
    }();
    return copies;
}

} // namespace

const std::string &ParameterBox::defaultText() const
{
    static const DrawInputs defaults;
    return defaults.*text;
}

std::span<const TechnologyEntry> technologies()
{
    return table();
}

const TechnologyEntry *findTechnology(TechnologyType type)
{
    // A type's entry stands at its place; this is called for every point of every curve.
    const std::span<const TechnologyEntry> all = table();
    const auto index = static_cast<std::size_t>(type) - 1;
    if (index < all.size() && all[index].type == type)
        return &all[index];
    return nullptr;
}

const ParameterBox *findParameterBox(InputBox box)
{
    for (const TechnologyEntry &technology : table()) {
        for (const ParameterBox &parameter : technology.parameters) {
            if (parameter.box == box)
                return &parameter;
        }
    }
    return nullptr;
}

Technology defaultTechnology(TechnologyType type)
{
    Technology technology{ type, {} };
    if (const TechnologyEntry *entry = findTechnology(type)) {
        double *values[] = { &technology.parameters.a, &technology.parameters.b };
        for (std::size_t i = 0; i < entry->parameters.size() && i < 2; ++i)
            *values[i] = numericValue(entry->parameters[i].defaultText()).value_or(0);
    }
    return technology;
}

} // namespace analysis
