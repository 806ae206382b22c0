#pragma once

#include "analysis/draw.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace checks {

/// What the steps of one Draw give when run in plain double arithmetic.
struct OracleRun
{
    /// The effects in order, up to the first run-time fault (all of them when there is none).
    std::vector<analysis::Effect> effects;
    /// How many effects came before the first run-time fault; empty when no step faulted.
    std::optional<std::size_t> faultAfter;
};

/// Runs the steps of a Draw with its own reading, arithmetic and number texts, noting the first
/// division by zero, invalid power, non-finite value, value too large for a double or chart
/// coordinate too large for single precision.
OracleRun oracleDraw(const analysis::DrawInputs &inputs);

} // namespace checks
