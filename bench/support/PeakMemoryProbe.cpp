#include "support/PeakMemoryProbe.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr const char* kFlag = "--peak-memory";

} // namespace

bool PeakMemoryProbe::RunIfProbe(int argc, char** argv, const std::function<void()>& work) {
    if (argc < 2 || std::strcmp(argv[1], kFlag) != 0)
        return false;
    work();
    return true;
}

void PeakMemoryProbe::RunProbe(const char* program) {
    std::fflush(stdout);
    const std::string probe = std::string("\"") + program + "\" " + kFlag;
    if (std::system(probe.c_str()) != 0)
        std::printf("peak memory: the probe failed\n");
}
