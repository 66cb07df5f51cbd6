#pragma once

#include <functional>
#include <string>

// A benchmark program's peak memory, measured in a process of its own (the program started
// again with --peak-memory), so that nothing the timed benchmarks did counts. main calls
// RunIfProbe first and RunProbe after the benchmarks; work is what the probe measures, and
// prints its figure.
namespace PeakMemoryProbe {

// When this process is the probe of that name: runs work and returns true (main then
// returns 0). A program with several probes names each.
bool RunIfProbe(int argc, char** argv, const std::function<void()>& work,
                const std::string& name = {});
// Starts the probe process and waits for it; says so when it failed.
void RunProbe(const char* program, const std::string& name = {});

} // namespace PeakMemoryProbe
