#pragma once

#include <cstring>
#include <stdexcept>
#include <string>

// Exit statuses of the tool.
enum ExitStatus {
    ExitSuccess = 0,
    ExitUsage = 1,    // the command line is wrong, or names what the journal does not hold
    ExitJournal = 2,  // a file could not be read or written
    ExitProblems = 3, // qbk check found problems, or damaged entries were skipped
};

// Ends a command: main prints the message as one line on standard error and exits with the
// status.
class CliFailure : public std::runtime_error {
public:
    CliFailure(ExitStatus status, const std::string& message, bool pointsToHelp = false)
        : std::runtime_error(message), m_status(status), m_pointsToHelp(pointsToHelp) {}
    ExitStatus status() const { return m_status; }
    // The command's help says how to write it right.
    bool pointsToHelp() const { return m_pointsToHelp; }

private:
    ExitStatus m_status;
    bool m_pointsToHelp;
};

// A wrong command line; the message should name what is wrong.
inline CliFailure usageError(const std::string& message) {
    return CliFailure(ExitUsage, message, true);
}

// The command line names something the journal in file does not hold (a folder, an entry),
// holds twice, or chooses no entry at all: the user's mistake, not the file's.
inline CliFailure choiceError(const std::string& file, const std::string& message) {
    return CliFailure(ExitUsage, file + ": " + message);
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
