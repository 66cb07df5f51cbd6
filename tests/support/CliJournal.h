#pragma once

#include "support/QbkProcess.h"
#include "support/RawSqlite.h"

#include <QTemporaryDir>
#include <string>
#include <vector>

// A temporary folder for journals that the tests make with qbk itself, with plain-SQLite
// access to the files for the content qbk has no command for (folders, topics, dates) and
// for checking what a command wrote.
class CliJournal {
public:
    CliJournal();

    // A path in the folder; the journal's by default.
    std::string path(const std::string& name = "journal.qbk") const;

    // qbk add on the journal's path, the input on standard input; returns the new entry's id,
    // or empty when it failed (the test then fails too).
    std::string add(const std::string& input, const std::vector<std::string>& options = {});
    // qbk COMMAND on the journal's path with the rest of the arguments.
    QbkResult run(const std::string& command, const std::vector<std::string>& rest = {},
                  const std::string& input = {}, const QbkRunLimits& limits = {});

    // Plain SQLite on the journal (a failing statement throws, failing the test).
    void exec(const std::string& sql) const;
    // The first value of the query's first row (NULL as "<NULL>").
    std::string value(const std::string& sql) const;

    void setTimeStamp(const std::string& entryId, const std::string& stamp) const;

private:
    QTemporaryDir m_dir;
};

bool fileExists(const std::string& path);
