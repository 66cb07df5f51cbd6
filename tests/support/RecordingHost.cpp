#include "support/RecordingHost.h"

#include <algorithm>

int CallLog::count(const std::string& call) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}
