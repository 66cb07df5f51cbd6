#include "core/store/SkippedEntry.h"

#include "core/store/CppSQLite3Exception.h"

std::string DescribeSkipped(const SkippedEntry& skipped) {
    const std::string who = skipped.id.empty() ? std::string("an entry") : "entry " + skipped.id;
    const std::string when = skipped.timeStamp.empty() ? "" : " (" + skipped.timeStamp + ")";
    return who + when + ": " + skipped.reason;
}

std::string UnreadableReason(const CppSQLite3Exception& e, const char* what) {
    if (e.code() == CppSQLite3Exception::kLayerError)
        return std::string(what) + " does not decode (" + e.message() + ")";
    return std::string("it cannot be read (") + e.message() + ")";
}
