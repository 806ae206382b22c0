// Fuzzes analysis::draw with any texts, technology, mode and decimal separator, and aborts when
// an outcome breaks a rule every Draw keeps (see fuzz/checks/invariants.h) or when the same
// inputs give two different outcomes.
#include "drawinputs.h"

#include "fuzz/checks/invariants.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const analysis::DrawInputs inputs = decodeDrawInputs(data, size);
    const analysis::DrawOutcome outcome = analysis::draw(inputs);

    std::string problem = checks::checkDrawOutcome(inputs, outcome);
    if (problem.empty()) {
        const analysis::DrawOutcome again = analysis::draw(inputs);
        if (again.completed != outcome.completed || again.effects != outcome.effects
            || again.diagnostics != outcome.diagnostics || again.result != outcome.result)
            problem = "the same inputs gave a different outcome";
    }
    if (!problem.empty()) {
        std::fprintf(stderr, "draw invariant broken: %s\ninputs: %s\n", problem.c_str(),
                     checks::describe(inputs).c_str());
        std::abort();
    }
    return 0;
}
