#pragma once

#include <gmock/gmock.h>

#include <string>
#include <vector>

// What one run of the qbk program did.
struct QbkResult {
    int exitCode = -1;
    std::string out; // standard output, bytes
    std::string err; // standard error, bytes
};

// How large a file a run may write (RLIMIT_FSIZE: a disk that fills up), and where its output goes.
struct QbkRunLimits {
    long fileSizeLimit = 0;
    std::string standardOutputFile; // instead of capturing standard output
    bool typedOnTerminal = false;   // the input is typed on a terminal instead of piped
    std::string language{};         // LANG for the run, with LC_ALL and LANGUAGE unset
};

// Runs the built qbk with the arguments (UTF-8) and the bytes on its standard input. The
// program runs in a session of its own, without a controlling terminal, so that a password
// prompt can never wait for someone to type.
QbkResult runQbk(const std::vector<std::string>& arguments, const std::string& input = {},
                 const QbkRunLimits& limits = {});

// A run that exited with the status and said the words on standard error.
MATCHER_P2(ExitsWith, status, words, "") {
    *result_listener << "exit " << arg.exitCode << ", stderr: " << arg.err;
    return arg.exitCode == status && arg.err.find(words) != std::string::npos;
}

// Lines of a text without their line ends.
std::vector<std::string> linesOf(const std::string& text);

// Fields of a line of tab-separated values.
std::vector<std::string> tabFields(const std::string& line);
