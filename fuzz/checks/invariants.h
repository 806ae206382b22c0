#pragma once

#include "analysis/draw.h"

#include <string>

namespace checks {

/// Checks one outcome of `analysis::draw` against the rules every Draw keeps, whatever its
/// inputs: every chart coordinate is finite; every caption is one of the system's texts with
/// well-formed numbers in it; the pen is back at width 1 at the end; the effects equal those of
/// the oracle, or are the prefix of them that ends where the oracle meets its first fault
/// exactly when the outcome says the Draw stopped early; a stopped Draw's diagnostics end with
/// its one stop diagnostic and a completed Draw has none; the result record exists exactly when
/// a result line or the impossibility line was written. Returns an empty text when all hold,
/// otherwise what broke.
std::string checkDrawOutcome(const analysis::DrawInputs &inputs,
                             const analysis::DrawOutcome &outcome);

/// `inputs` as a readable text, for failure reports.
std::string describe(const analysis::DrawInputs &inputs);

} // namespace checks
