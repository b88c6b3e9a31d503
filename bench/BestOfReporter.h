#pragma once
// A console reporter that also keeps the best repetition of each benchmark,
// so that a benchmark can close with the ratio to the reference tool run beside it.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class BestOfReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred)
                continue;
            const std::string name = run.run_name.function_name;
            const double ms = run.GetAdjustedRealTime();
            auto it = best.find(name);
            if (it == best.end() || ms < it->second)
                best[name] = ms;
        }
    }
    std::map<std::string, double> best; // benchmark function name → best real time
};
