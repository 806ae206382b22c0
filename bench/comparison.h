#pragma once

#include <optional>
#include <string>
#include <vector>

/// One goal: a benchmark of the project against the benchmark of its floor. Both are named
/// as Google Benchmark prints them without repetition suffixes ("wholeDraw/0"). Without a
/// floor, the goal is the figure's bound alone.
struct Comparison
{
    std::string figure;
    std::string floor; ///< empty: no floor, only `maxFigureMicros`
    double maxRatio = 0; ///< the figure's median over the floor's, at most
    std::optional<double> maxFigureMicros; ///< and the figure's median itself, at most
};

/// Runs the benchmarks selected on the command line, by default as 7 repetitions in random
/// interleaving so that the load of a busy machine falls on figure and floor alike; then
/// prints, for each comparison whose two benchmarks ran, the medians of their CPU times, the
/// ratio and whether the goal holds. Returns the process's exit status.
int runAndCompare(int argc, char **argv, const std::vector<Comparison> &comparisons);
