#pragma once

#include "analysis/draw.h"

#include <span>
#include <string>

namespace analysis {

namespace detail {
struct TechnologySteps;
}

/// The two parameters a and b of a technology, as read from its texts (0 where it has none).
struct TechnologyParameters
{
    double a = 0, b = 0;
};

/// One technology the program offers, an entry of the table: what the windows show of it, what it
/// reads and how a Draw chooses with it. (A technology with its parameters' values, as the
/// exact curves take it, is `Technology` in analysis/curves.h.) Every list of technologies (the
/// option buttons, the parameter frames, the fuzz inputs, the tests) is taken from
/// `technologies()`.
struct TechnologyEntry
{
    TechnologyType type; ///< also the id and object-name suffix of its option button
    const char *caption; ///< its option button on the main window
    const char *frameCaption; ///< its frame on the isoquant-parameter window
    const char *formula; ///< the production function as the parameter window words it
    /// The boxes of the parameters it reads, a then b (none, one or two).
    std::span<const InputBox> parameters;
    /// The quantity produced by `x` of X and `y` of Y, in the same unit as x and y.
    double (*output)(double x, double y, const TechnologyParameters &parameters);
    const detail::TechnologySteps *steps; ///< the steps of a Draw with it (internal)
};

/// Every technology, in the order of their buttons (types 1, 2, 3, ...).
std::span<const TechnologyEntry> technologies();

/// The technology of `type`, or nullptr when the program offers none of that type.
const TechnologyEntry *findTechnology(TechnologyType type);

} // namespace analysis
