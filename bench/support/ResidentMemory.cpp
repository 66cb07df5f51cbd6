#include "bench/support/ResidentMemory.h"

#include <cstdio>

namespace {

double statusFieldMb(const char* format) {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return 0;
    char line[256];
    double kb = 0;
    while (std::fgets(line, sizeof line, status))
        if (std::sscanf(line, format, &kb) == 1)
            break;
    std::fclose(status);
    return kb / 1024;
}

} // namespace

double peakResidentMb() {
    return statusFieldMb("VmHWM: %lf kB");
}

double currentResidentMb() {
    return statusFieldMb("VmRSS: %lf kB");
}
