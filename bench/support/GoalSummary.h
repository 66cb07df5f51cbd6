#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>

// The console reporter, plus a note of each benchmark's median (real time in milliseconds and
// its bytes_per_second counter), so a program can print its figures against their goals and
// the machine's limits after the run.
class GoalSummary : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // Median real time per iteration in milliseconds, when the benchmark ran.
    std::optional<double> millis(const std::string& name) const;
    // Median CPU time per iteration in milliseconds: the thread's, or the whole process's
    // (user + system) for a benchmark that measures process CPU time.
    std::optional<double> cpuMillis(const std::string& name) const;
    // Median bytes per second, when the benchmark ran and counted bytes.
    std::optional<double> bytesPerSecond(const std::string& name) const;
    // Prints the benchmark's median counters on one line ("not run" when it did not run).
    void printCounters(const std::string& name) const;

private:
    struct Median {
        double millis = 0;
        double cpuMillis = 0;
        double bytesPerSecond = 0;
        std::map<std::string, double> counters;
    };
    std::map<std::string, Median> m_medians;
};
