#include "bench/support/GoalSummary.h"

#include <cstdio>

void GoalSummary::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        // With repetitions the median aggregate counts; a single run stands for itself.
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        if (!median && !single)
            continue;
        Median m;
        const double toMillis = 1e3 / benchmark::GetTimeUnitMultiplier(run.time_unit);
        m.millis = run.GetAdjustedRealTime() * toMillis;
        m.cpuMillis = run.GetAdjustedCPUTime() * toMillis;
        const auto rate = run.counters.find("bytes_per_second");
        if (rate != run.counters.end())
            m.bytesPerSecond = rate->second.value;
        for (const auto& [counter, value] : run.counters)
            m.counters[counter] = value.value;
        // Benchmarks with an argument are named "name/argument".
        const std::string& args = run.run_name.args;
        m_medians[run.run_name.function_name + (args.empty() ? "" : "/" + args)] = m;
    }
    ConsoleReporter::ReportRuns(runs);
}

std::optional<double> GoalSummary::millis(const std::string& name) const {
    const auto it = m_medians.find(name);
    return it == m_medians.end() ? std::nullopt : std::optional<double>(it->second.millis);
}

std::optional<double> GoalSummary::cpuMillis(const std::string& name) const {
    const auto it = m_medians.find(name);
    return it == m_medians.end() ? std::nullopt : std::optional<double>(it->second.cpuMillis);
}

std::optional<double> GoalSummary::bytesPerSecond(const std::string& name) const {
    const auto it = m_medians.find(name);
    if (it == m_medians.end() || it->second.bytesPerSecond <= 0)
        return std::nullopt;
    return it->second.bytesPerSecond;
}

void GoalSummary::printCounters(const std::string& name) const {
    const auto it = m_medians.find(name);
    std::printf("%-36s", name.c_str());
    if (it == m_medians.end())
        std::printf(" not run");
    else
        for (const auto& [counter, value] : it->second.counters)
            std::printf(" %s %.1f", counter.c_str(), value);
    std::printf("\n");
}
