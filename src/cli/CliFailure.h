#pragma once

#include <cstring>
#include <stdexcept>
#include <string>

// Exit statuses of the tool.
enum ExitStatus {
    ExitSuccess = 0,
    ExitUsage = 1,    // the command line is wrong
    ExitJournal = 2,  // the journal could not be read or written
    ExitProblems = 3, // qbk check found problems
};

// Ends a command: main prints the message as one line on standard error and exits with the
// status.
class CliFailure : public std::runtime_error {
public:
    CliFailure(ExitStatus status, const std::string& message)
        : std::runtime_error(message), m_status(status) {}
    ExitStatus status() const { return m_status; }

private:
    ExitStatus m_status;
};

// A wrong command line; the message should name what is wrong.
inline CliFailure usageError(const std::string& message) {
    return CliFailure(ExitUsage, message);
}

// A failure of the journal named by file.
inline CliFailure journalError(const std::string& file, const std::string& message) {
    return CliFailure(ExitJournal, file + ": " + message);
}

// Standard output could not be written; cause is the errno value.
inline CliFailure outputError(int cause) {
    return CliFailure(ExitJournal,
                      std::string("cannot write standard output: ") + std::strerror(cause));
}
