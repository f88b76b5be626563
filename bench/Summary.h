#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

// Keeps each benchmark's real time per iteration in nanoseconds, by its name and
// arguments ("RoundStart/1000000"); where it is repeated, the median of the repetitions,
// which is reported after them. Prints the one-line verdicts that `make bench` gathers.
class Summary final : public benchmark::ConsoleReporter {
public:
    Summary() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if ((run.run_type == Run::RT_Iteration || median) && !run.error_occurred) {
                const std::string& args = run.run_name.args;
                nanoseconds[run.run_name.function_name + (args.empty() ? "" : "/" + args)] =
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
