#pragma once

#include <string>
#include <vector>

// An entry left out of a listing, an export or a print because it could not be read; the rest
// go on.
struct SkippedEntry {
    std::string id;        // empty when even the id could not be read
    std::string timeStamp; // as stored
    std::string reason;    // what is wrong, in words
};

class CppSQLite3Exception;

// Why a value could not be read: "VALUE does not decode (...)" for one the database layer
// cannot decode, "it cannot be read (...)" for a failure of the file; what names the value.
std::string UnreadableReason(const CppSQLite3Exception& e, const char* what);

// "entry {ID} (2024-03-15 09:30): reason", one line for a warning.
std::string DescribeSkipped(const SkippedEntry& skipped);

// What a reader that goes on past damage left out.
struct ReadProblems {
    std::vector<SkippedEntry> skipped;
    std::string topics; // why topics may be missing; empty when they are all there
};
