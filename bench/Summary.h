#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

// Runs the registered benchmarks, keeps each one's real time per iteration in
// nanoseconds, and prints the one-line verdicts that `make bench` gathers.
class Summary final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                nanoseconds[run.benchmark_name()] =
                    run.GetAdjustedRealTime() * (run.time_unit == benchmark::kMillisecond   ? 1e6
                                                 : run.time_unit == benchmark::kMicrosecond ? 1e3
                                                                                            : 1.0);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    static void verdict(const std::string& name, double value, double target, const char* unit) {
        std::printf("%s: %.2f%s (target %.2f%s) %s\n", name.c_str(), value, unit, target, unit,
                    value <= target ? "met" : "NOT MET");
    }

    std::map<std::string, double> nanoseconds;
};
