#include "comparison.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>

#include <unistd.h>

namespace {

/// Passes every run on to the console and keeps the CPU and real time of each benchmark: the
/// medians of its repetitions, or its single run when it is not repeated.
class CollectingReporter : public benchmark::ConsoleReporter
{
public:
    struct Times
    {
        std::vector<double> cpuNs, realNs; ///< of each run, or the median alone when repeated
        bool medians = false;
    };
    std::map<std::string, Times> times;

    CollectingReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) { }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.error_occurred || (run.run_type != Run::RT_Iteration && !median))
                continue;
            const double toNs = 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            std::string name = run.run_name.function_name;
            if (!run.run_name.args.empty())
                name += "/" + run.run_name.args;
            Times &t = times[name];
            if (t.medians)
                continue;
            if (median) {
                t = Times{ {}, {}, true };
            }
            t.cpuNs.push_back(run.GetAdjustedCPUTime() * toNs);
            t.realNs.push_back(run.GetAdjustedRealTime() * toNs);
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int runAndCompare(int argc, char **argv, const std::vector<Comparison> &comparisons)
{
    // Defaults first: a flag given on the command line comes later and wins.
    std::vector<char *> args{ argv[0] };
    static char repetitions[] = "--benchmark_repetitions=7";
    static char interleave[] = "--benchmark_enable_random_interleaving=true";
    static char aggregatesOnly[] = "--benchmark_display_aggregates_only=true";
    args.insert(args.end(), { repetitions, interleave, aggregatesOnly });
    args.insert(args.end(), argv + 1, argv + argc);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::fflush(stdout);
    benchmark::Shutdown();

    bool allMet = true;
    std::printf("\n%-34s %-34s %10s %10s %7s %7s  %s\n", "figure", "floor", "figure us", "floor us",
                "ratio", "goal", "verdict (medians of CPU time; real time in brackets)");
    for (const Comparison &c : comparisons) {
        const auto figure = reporter.times.find(c.figure), floor = reporter.times.find(c.floor);
        if (figure == reporter.times.end())
            continue;
        const double figureUs = median(figure->second.cpuNs) / 1000;
        std::string goal;
        bool met = true;
        if (c.floor.empty()) {
            goal = "figure <= " + std::to_string(int(*c.maxFigureMicros)) + " us";
            met = figureUs <= *c.maxFigureMicros;
            allMet = allMet && met;
            std::printf("%-34s %-34s %10.1f %10s %7s  %s: %s [%.1f us]\n", c.figure.c_str(), "-",
                        figureUs, "-", "-", goal.c_str(), met ? "met" : "MISSED",
                        median(figure->second.realNs) / 1000);
            continue;
        }
        if (floor == reporter.times.end())
            continue;
        const double floorUs = median(floor->second.cpuNs) / 1000;
        const double ratio = figureUs / floorUs;
        met = ratio <= c.maxRatio;
        goal = "<= " + std::to_string(c.maxRatio).substr(0, 4) + "x";
        if (c.maxFigureMicros) {
            met = met && figureUs <= *c.maxFigureMicros;
            goal += " and figure <= " + std::to_string(int(*c.maxFigureMicros)) + " us";
        }
        allMet = allMet && met;
        std::printf("%-34s %-34s %10.1f %10.1f %7.2f  %s: %s [%.1f us / %.1f us]\n",
                    c.figure.c_str(), c.floor.c_str(), figureUs, floorUs, ratio, goal.c_str(),
                    met ? "met" : "MISSED", median(figure->second.realNs) / 1000,
                    median(floor->second.realNs) / 1000);
    }
    std::fflush(stdout);
    return allMet ? 0 : 2;
}
