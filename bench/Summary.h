#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
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
                const std::string name =
                    run.run_name.function_name + (args.empty() ? "" : "/" + args);
                if (const auto ratio = run.counters.find("ratio"); ratio != run.counters.end()) {
                    ratios[name] = ratio->second;
                }
                nanoseconds[name] =
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
    // The median ratio of each benchmark that compares two things by interleave.
    std::map<std::string, double> ratios;
};

// The seconds that f takes.
inline double secondsOf(const std::function<void()>& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Runs a and b in turn, A B A B ..., once each per iteration, so that both meet the machine in
// the same moments; each gives the seconds of its own part. Keeps the median of the pairwise
// ratios a / b, shown as the counter "ratio". Register with UseManualTime().
inline void interleave(benchmark::State& state, const std::function<double()>& a,
                       const std::function<double()>& b) {
    std::vector<double> ratios;
    for (auto _ : state) {
        const double first = a();
        const double second = b();
        ratios.push_back(first / second);
        state.SetIterationTime(first + second);
    }
    std::sort(ratios.begin(), ratios.end());
    const double median = ratios[ratios.size() / 2];
    state.counters["ratio"] = median;
}
