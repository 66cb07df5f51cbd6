// Every command that writes a file: what it refuses to write over, and that a write that
// fails leaves nothing behind and says why.
#include "support/CliJournal.h"

#include <QDir>
#include <gtest/gtest.h>

#include <fstream>

#include <unistd.h>

namespace {

// A writing command's options, the output path after them; with split the output is a folder
// and the target the entry's file in it.
const struct Writer {
    std::string command;
    std::vector<std::string> options;
    bool split = false;
} kWriters[] = {{"print", {"--pdf"}},
                {"export", {"--format", "txt", "--out"}},
                {"export", {"--format", "txt", "--split", "--out"}, true},
                {"backup", {}}};

enum class Target { Existing, ExistingForced, Itself, HardLink, SymLink, ViaLinkedFolder };

class CliOutput : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(journal.run("create", {"--title", "T"}).exitCode, 0);
        journal.setTimeStamp(journal.add("Hello there\n"), "2026-03-02 09:05");
    }

    QbkResult write(const Writer& writer, const std::string& out, bool force,
                    const QbkRunLimits& limits = {}) {
        std::vector<std::string> args = writer.options;
        args.push_back(out);
        if (force)
            args.push_back("--force");
        return journal.run(writer.command, args, {}, limits);
    }

    // A new empty folder for one run's output.
    std::string folder() {
        const std::string path = journal.path("out" + std::to_string(++folders));
        QDir().mkpath(QString::fromStdString(path));
        return path;
    }

    CliJournal journal;
    int folders = 0;
};

QStringList filesIn(const std::string& folder) {
    return QDir(QString::fromStdString(folder))
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

TEST_F(CliOutput, RefusesTheJournalAlwaysAndAnExistingFileWithoutForce) {
    const std::string journalBytes = fileBytes(journal.path());
    for (const Writer& writer : kWriters) {
        for (const Target kind : {Target::Existing, Target::ExistingForced, Target::Itself,
                                  Target::HardLink, Target::SymLink, Target::ViaLinkedFolder}) {
            if (writer.split && (kind == Target::Itself || kind == Target::ViaLinkedFolder))
                continue; // a split names its own files
            const std::string dir = folder();
            std::string target = dir + (writer.split ? "/2026-03-02 09-05.txt" : "/out");
            if (kind == Target::Existing || kind == Target::ExistingForced)
                std::ofstream(target) << "keep me";
            else if (kind == Target::HardLink)
                ASSERT_EQ(::link(journal.path().c_str(), target.c_str()), 0);
            else if (kind == Target::SymLink)
                ASSERT_EQ(::symlink(journal.path().c_str(), target.c_str()), 0);
            else if (kind == Target::Itself)
                target = journal.path("./journal.qbk");
            else if (::symlink(journal.path(".").c_str(), (dir + "/via").c_str()) == 0)
                target = dir + "/via/journal.qbk";
            const QStringList before = filesIn(dir);
            const QbkResult result =
                write(writer, writer.split ? dir : target, kind != Target::Existing);
            SCOPED_TRACE(writer.command + (writer.split ? " --split" : "") +
                         std::to_string(int(kind)));
            if (kind == Target::ExistingForced) {
                EXPECT_EQ(result.exitCode, 0) << result.err;
                EXPECT_NE(fileBytes(target), "keep me");
            } else {
                EXPECT_THAT(result, ExitsWith(2, kind == Target::Existing
                                                     ? target + " already exists"
                                                     : target + " is the journal itself"));
                EXPECT_TRUE(kind != Target::Existing || fileBytes(target) == "keep me");
            }
            EXPECT_EQ(filesIn(dir), before);
            EXPECT_EQ(fileBytes(journal.path()), journalBytes);
        }
    }
}

// RLIMIT_FSIZE stands for a full disk: a write past it fails (EFBIG) as one on a full disk does.
TEST_F(CliOutput, AWriteThatFailsLeavesNoFileAndSaysWhy) {
    std::string large; // written after the small entry, and larger than any file may be
    for (int n = 0; n < 5000; ++n)
        large += std::to_string(n * 7919 % 10007) + " ";
    journal.add(large + "\n");
    for (const Writer& writer : kWriters) {
        const std::string dir = folder();
        // A split into a folder of its own leaves no folder either.
        EXPECT_THAT(write(writer, dir + (writer.split ? "/new" : "/out"), false, {12288, {}}),
                    ExitsWith(2, writer.command == "backup" ? "disk I/O error (File too large)"
                                                            : "File too large"));
        EXPECT_EQ(filesIn(dir), QStringList()) << writer.command;
    }
    EXPECT_THAT(journal.run("list", {}, {}, {0, "/dev/full"}),
                ExitsWith(2, "cannot write standard output: No space left on device"));
}

} // namespace
