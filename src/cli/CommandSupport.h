#pragma once

#include "cli/PasswordSource.h"

#include "core/platform/COleDateTime.h"

#include <QString>
#include <memory>
#include <optional>
#include <string>

class CommandLine;
class JournalSession;
struct ReadProblems;

// What the commands share: their operands, standard input and the password.

// The operands, exactly count of them; a usage error otherwise.
QStringList operandsOf(const CommandLine& line, qsizetype count, const char* names);

// Everything on standard input, as bytes.
std::string readStandardInput();

// The journal's password source for the command: with --password-stdin the first line of
// standard input (the rest is left in input), else the terminal.
PasswordSource passwordSourceFor(const CommandLine& line, const QString& file, std::string& input);

// Opens the journal named by file, with the password the command line says where to find;
// throws when it cannot. With --password-stdin, what follows the password is left in input.
// Read commands open it to read only (see JournalSession::Access).
std::unique_ptr<JournalSession> openJournal(const CommandLine& line, const QString& file,
                                            std::string& input, bool toWrite = false);

// A day given as YYYY-MM-DD at the time of day given; a usage error for anything else.
COleDateTime parseDay(const QString& text, const char* option, int hour, int minute, int second);

// The days of --from and --to: from the first one's 00:00:00 to the last one's 23:59:59, open
// at the end not given. Nothing when neither is given; a usage error when they are inverted.
struct DayRange {
    COleDateTime from;
    COleDateTime to;
};
std::optional<DayRange> dayRangeOf(const CommandLine& line);

// Tells on standard error, one line each, the entries a command left out because they could not
// be read and why topics may be missing; ExitProblems when there was anything to tell, else
// ExitSuccess.
int reportProblems(const std::string& label, const ReadProblems& problems);
