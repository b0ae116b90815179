#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <iostream>
#include <map>
#include <string>

namespace bestitem::bench {

// Mean time per iteration and throughput of every benchmark run, by name.
struct Results {
    std::map<std::string, double> secondsPerIteration;
    std::map<std::string, double> bytesPerSecondByName;

    double seconds(const std::string& name) const { return secondsPerIteration.at(name); }
    double bytesPerSecond(const std::string& name) const { return bytesPerSecondByName.at(name); }
};

// Keeps the library's table on stderr and collects the figures.
class CollectingReporter : public benchmark::ConsoleReporter {
public:
    explicit CollectingReporter(Results& results) : results_(results) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.iterations == 0) {
                continue;
            }
            const std::string name = run.benchmark_name();
            results_.secondsPerIteration[name] =
                run.real_accumulated_time / static_cast<double>(run.iterations);
            const auto bytes = run.counters.find("bytes_per_second");
            if (bytes != run.counters.end()) {
                results_.bytesPerSecondByName[name] = bytes->second.value;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

private:
    Results& results_;
};

inline Results runBenchmarks() {
    Results results;
    CollectingReporter reporter(results);
    reporter.SetOutputStream(&std::cerr);
    reporter.SetErrorStream(&std::cerr);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    return results;
}

inline void printFigure(const char* name, double value, const char* unit, const char* op,
                        double limit, const char* limitUnit) {
    std::printf("%s: %.3g %s (goal: %s %g %s)\n", name, value, unit, op, limit, limitUnit);
    std::fflush(stdout);
}

}  // namespace bestitem::bench
