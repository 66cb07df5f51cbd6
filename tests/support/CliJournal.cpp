#include "support/CliJournal.h"

#include "core/store/SqlBuffer.h"
#include "support/RawSqlite.h"

#include <QFileInfo>
#include <gtest/gtest.h>

CliJournal::CliJournal() {
    EXPECT_TRUE(m_dir.isValid());
}

std::string CliJournal::path(const std::string& name) const {
    return m_dir.filePath(QString::fromStdString(name)).toStdString();
}

std::string CliJournal::add(const std::string& input, const std::vector<std::string>& options) {
    const QbkResult result = run("add", options, input);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    if (result.exitCode != 0 || result.out.size() < 2)
        return {};
    return result.out.substr(0, result.out.size() - 1); // the id and its line end
}

QbkResult CliJournal::run(const std::string& command, const std::vector<std::string>& rest,
                          const std::string& input, const QbkRunLimits& limits) {
    std::vector<std::string> args = {command, path()};
    args.insert(args.end(), rest.begin(), rest.end());
    return runQbk(args, input, limits);
}

void CliJournal::exec(const std::string& sql) const {
    rawExec(path(), sql);
}

std::string CliJournal::value(const std::string& sql) const {
    return rawValue(path(), sql);
}

void CliJournal::setTimeStamp(const std::string& entryId, const std::string& stamp) const {
    exec(SqlBuffer().format("UPDATE Entry SET TimeStamp = %Q WHERE EntryID = %Q", stamp.c_str(),
                            entryId.c_str()));
}

bool fileExists(const std::string& path) {
    return QFileInfo::exists(QString::fromStdString(path));
}
