#include "BenchSummary.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace
{

class CapturingReporter : public benchmark::ConsoleReporter
{
public:
    explicit CapturingReporter(BenchSummary& summary) : summary(summary) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
        {
            // Of repeated runs only the median is kept (a burst of load on
            // the machine then moves no figure); a single run is kept as it is.
            const bool aggregate = run.run_type == Run::RT_Aggregate;
            if (run.iterations <= 0 || (aggregate && run.aggregate_name != "median"))
                continue;
            BenchSummary::Result r;
            r.secondsPerIteration = run.real_accumulated_time / static_cast<double>(run.iterations);
            for (const auto& [name, counter] : run.counters)
            {
                if (name == "bytes_per_second")
                    r.bytesPerSecond = counter.value;
                r.counters[name] = counter.value;
            }
            summary.Add(aggregate ? run.run_name.str() : run.benchmark_name(), r);
        }
        ConsoleReporter::ReportRuns(runs);
    }

private:
    BenchSummary& summary;
};

} // namespace

double BenchSummary::MegabytesPerSecond(const std::string& name) const
{
    auto it = results.find(name);
    return it == results.end() ? -1 : it->second.bytesPerSecond / 1e6;
}

double BenchSummary::Ratio(const std::string& numerator, const std::string& denominator) const
{
    auto a = results.find(numerator);
    auto b = results.find(denominator);
    if (a == results.end() || b == results.end() || b->second.secondsPerIteration <= 0)
        return -1;
    return a->second.secondsPerIteration / b->second.secondsPerIteration;
}

double BenchSummary::Counter(const std::string& name, const std::string& counter) const
{
    auto it = results.find(name);
    if (it == results.end())
        return -1;
    auto c = it->second.counters.find(counter);
    return c == it->second.counters.end() ? -1 : c->second;
}

void BenchSummary::AtLeast(const std::string& what, double figure, double goal)
{
    goals.push_back({what, figure, goal, true});
}

void BenchSummary::AtMost(const std::string& what, double figure, double goal)
{
    goals.push_back({what, figure, goal, false});
}

int BenchSummary::Print() const
{
    int missed = 0;
    std::printf("\n%-44s %12s %12s  %s\n", "figure", "measured", "goal", "verdict");
    for (const Goal& g : goals)
    {
        const char* verdict = "not run";
        if (g.figure >= 0)
        {
            const bool met = g.atLeast ? g.figure >= g.goal : g.figure <= g.goal;
            verdict = met ? "met" : "MISSED";
            missed += met ? 0 : 1;
        }
        std::printf("%-44s %12.2f %s%11.2f  %s\n", g.what.c_str(), g.figure, g.atLeast ? ">=" : "<=",
                    g.goal, verdict);
    }
    return missed;
}

int RunBenchmarksWithSummary(int argc, char** argv, const std::function<void(BenchSummary&)>& goals)
{
    // Each benchmark runs three times and the median counts, unless the
    // command line asks for another number of repetitions.
    bool repetitions = false;
    for (int i = 1; i < argc; ++i)
        repetitions = repetitions || std::strncmp(argv[i], "--benchmark_repetitions", 23) == 0;
    static char threeRuns[] = "--benchmark_repetitions=3";
    static char mediansOnly[] = "--benchmark_display_aggregates_only=true";
    std::vector<char*> args;
    args.reserve(static_cast<std::size_t>(argc) + 3);
    for (int i = 0; i < argc; ++i)
    {
        args.push_back(argv[i]);
        if (i == 0 && !repetitions)
        {
            args.push_back(threeRuns);
            args.push_back(mediansOnly);
        }
    }
    args.push_back(nullptr);
    argc = static_cast<int>(args.size()) - 1;
    argv = args.data();
    benchmark::Initialize(&argc, argv);
    BenchSummary summary;
    CapturingReporter reporter(summary);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    goals(summary);
    summary.Print();
    return 0;
}
