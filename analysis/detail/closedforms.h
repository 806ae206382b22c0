#pragma once

#include "analysis/technologies.h"

#include <cmath>
#include <optional>

// Small pieces the closed forms of the technologies share.

namespace analysis::detail {

/// The bundle (x, y) at these prices; none when a quantity or the cost does not fit a double.
inline std::optional<Bundle> priced(double priceX, double priceY, double x, double y,
                                    bool tied = false)
{
    const Bundle bundle{ x, y, priceX * x + priceY * y, tied };
    if (!std::isfinite(bundle.x) || !std::isfinite(bundle.y) || !std::isfinite(bundle.cost))
        return std::nullopt;
    return bundle;
}

/// `value` when it is finite.
inline std::optional<double> finiteOrNone(double value)
{
    return std::isfinite(value) ? std::optional(value) : std::nullopt;
}

} // namespace analysis::detail
