// Runs the registered benchmarks, keeps their results and prints one table
// of figures against their goals after the benchmark output.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

class BenchSummary
{
public:
    struct Result
    {
        double secondsPerIteration = 0;
        double bytesPerSecond = 0;
        std::map<std::string, double> counters;
    };

    void Add(const std::string& name, const Result& r) { results[name] = r; }

    // Figures (negative when the benchmark did not run).
    double MegabytesPerSecond(const std::string& name) const;
    double Ratio(const std::string& numerator, const std::string& denominator) const;
    double Counter(const std::string& name, const std::string& counter) const;

    void AtLeast(const std::string& what, double figure, double goal);
    void AtMost(const std::string& what, double figure, double goal);

    // Prints the table; answers the number of goals missed.
    int Print() const;

private:
    struct Goal
    {
        std::string what;
        double figure;
        double goal;
        bool atLeast;
    };
    std::map<std::string, Result> results;
    std::vector<Goal> goals;
};

// Runs the benchmarks selected by the command line, then the summary. The exit
// status stays 0 when goals are missed: the table says so; a benchmark is a
// measurement, not a test.
int RunBenchmarksWithSummary(int argc, char** argv, const std::function<void(BenchSummary&)>& goals);
