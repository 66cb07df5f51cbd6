#include "bench/support/PeakMemoryProbe.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string flag(const std::string& name) {
    return name.empty() ? "--peak-memory" : "--peak-memory=" + name;
}

} // namespace

bool PeakMemoryProbe::RunIfProbe(int argc, char** argv, const std::function<void()>& work,
                                 const std::string& name) {
    if (argc < 2 || argv[1] != flag(name))
        return false;
    work();
    return true;
}

void PeakMemoryProbe::RunProbe(const char* program, const std::string& name) {
    std::fflush(stdout);
    const std::string probe = std::string("\"") + program + "\" " + flag(name);
    if (std::system(probe.c_str()) != 0)
        std::printf("peak memory: the probe failed\n");
}
