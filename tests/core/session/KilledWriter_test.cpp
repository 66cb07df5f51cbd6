// A forked writer that saves, re-dates, moves and deletes entries, killed by SIGKILL at random
// moments: after each kill the journal passes SQLite's integrity check, opens, and holds every
// change reported done (each reported before and after, one write() a line: one in doubt).

#include "core/store/TimeStamp.h"
#include "support/RawSqlite.h"
#include "support/SessionFixture.h"

#include <QTemporaryDir>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <random>
#include <sstream>

namespace {

constexpr int kKills = 200;

// One entry as the file holds it (folder, stamp, text), tab-separated; all empty once deleted.
using Fields = std::array<std::string, 3>;
std::string join(const Fields& f) {
    return f[0] + '\t' + f[1] + '\t' + f[2];
}
Fields split(const std::string& line) {
    Fields f;
    std::istringstream in(line);
    for (std::string& field : f)
        std::getline(in, field, '\t');
    return f;
}
using Model = std::map<std::string, std::string>; // each entry's line
const std::string kGone = join({});

class KilledWriterTest : public SessionFixture {
protected:
    // The forked writer: says "B id line" with the entry's line once the change is made, makes
    // it, then says "C id line"; works until it is killed and never returns.
    [[noreturn]] void runWriter(int fd, Model model, unsigned seed) {
        const auto say = [fd](const std::string& text) {
            const std::string line = text + '\n';
            if (::write(fd, line.data(), line.size()) != static_cast<ssize_t>(line.size()))
                _exit(4);
        };
        if (open(path) != CQBKDoc::OpenResult::Ok) {
            say("E cannot open");
            _exit(2);
        }
        std::mt19937 rng(seed);
        std::vector<std::string> ids;
        for (const auto& [id, line] : model)
            if (line != kGone)
                ids.push_back(id);
        for (unsigned n = 0;; ++n) {
            const std::string folder = folders[rng() % folders.size()];
            // Kept to a few dozen live entries, so that checking them all stays quick.
            const unsigned roll = ids.empty() ? 0 : ids.size() < 30 ? rng() % 10 : 3 + rng() % 7;
            const std::size_t pick = ids.empty() ? 0 : rng() % ids.size();
            std::string id = roll < 3 ? "{new_entry}" : ids[pick];
            Fields e = roll < 3 ? Fields{folder} : split(model[id]);
            if (roll < 5)
                e[2] =
                    "{\\rtf1\\ansi s" + std::to_string(seed) + "c" + std::to_string(n) + "\\par}";
            else if (roll < 7)
                e[1] = MakeTimeStamp(COleDateTime(2000 + int(rng() % 30), 1 + int(rng() % 12),
                                                  1 + int(rng() % 28), int(rng() % 24),
                                                  int(rng() % 60), 0));
            else if (roll == 7)
                e[0] = folder;
            else
                e = {};
            say("B " + id + '\t' + join(e));
            const std::size_t told = ui.messages().size();
            if (roll < 3)
                doc.SetCurrentFolderId(folder);
            const bool done = roll < 5    ? doc.SaveEntry(e[2], id) == CQBKDoc::SaveResult::Saved
                              : roll < 7  ? doc.SetEntryTimeStamp(ParseTimeStamp(e[1].c_str()), id)
                              : roll == 7 ? doc.MoveEntry(id, e[0])
                                          : doc.DeleteEntry(id);
            if (roll > 7)
                ids.erase(ids.begin() + static_cast<std::ptrdiff_t>(pick));
            if (roll < 3 && id != "{new_entry}") {
                ids.push_back(id);
                e[1] = doc.Reader()
                           .Db()
                           .query("SELECT TimeStamp FROM Entry WHERE EntryID = '" + id + "'")
                           .textField(0);
            }
            if (!done || id == "{new_entry}" || ui.messages().size() != told) {
                say("E " + id);
                _exit(3);
            }
            model[id] = join(e);
            say("C " + id + '\t' + model[id]);
        }
    }

    std::string path;
    std::vector<std::string> folders{"{Root}"};
};

TEST_F(KilledWriterTest, EveryReportedChangeSurvivesSigkill) {
    // A kill loses nothing the system already has: the journal may live in memory (fast syncs).
    QTemporaryDir memoryDir(QStringLiteral("/dev/shm/quillbook-kill-XXXXXX"));
    path = createJournal(memoryDir.isValid()
                             ? memoryDir.filePath(QStringLiteral("killed.qbk")).toStdString()
                             : "killed.qbk");
    doc.CloseJournal();
    for (int i = 0; i < 3; ++i) {
        folders.push_back(CQBKDoc::NewId());
        rawExec(path, "INSERT INTO Folder (FolderID, ParentID, Name) VALUES('" + folders.back() +
                          "', '{Root}', 'f" + std::to_string(i) + "')");
    }
    std::mt19937 rng(20261206);
    Model model;
    int changesReported = 0, killsMidChange = 0;
    for (int kill = 1; kill <= kKills; ++kill) {
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        const unsigned seed = static_cast<unsigned>(rng());
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(fds[0]);
            runWriter(fds[1], model, seed);
        }
        ::close(fds[1]);

        // Kill after a random number of reported changes and a random pause on top.
        const int changesBeforeKill = static_cast<int>(rng() % 4);
        const auto pause = static_cast<useconds_t>(rng() % 4000);
        FILE* in = ::fdopen(fds[0], "r");
        std::optional<std::pair<std::string, std::string>> inDoubt;
        int seen = 0;
        const auto readLine = [&] {
            char buffer[512];
            if (!std::fgets(buffer, sizeof buffer, in))
                return false;
            const std::string line(buffer, std::strlen(buffer) - 1);
            EXPECT_NE(line[0], 'E') << "the writer failed: " << line;
            const std::size_t tab = line.find('\t');
            const std::string id = line.substr(2, tab - 2), state = line.substr(tab + 1);
            if (line[0] == 'B') {
                inDoubt.emplace(id, state);
            } else {
                model[id] = state;
                inDoubt.reset();
                ++seen;
                ++changesReported;
            }
            return true;
        };
        while (seen < changesBeforeKill && readLine()) {
        }
        ::usleep(pause);
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        while (readLine()) {
        }
        std::fclose(in);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "the writer ended by itself, status " << status;
        killsMidChange += inDoubt.has_value();

        // Each entry as reported or, for the change in doubt, as that change would leave it
        // (which of the two it is becomes what the next writer starts from).
        ASSERT_EQ(rawValue(path, "PRAGMA integrity_check"), "ok") << "after kill " << kill;
        ASSERT_EQ(open(path), CQBKDoc::OpenResult::Ok) << "after kill " << kill;
        Model file;
        for (const RawRow& row : rawQuery(path, "SELECT EntryID, FolderID, TimeStamp FROM Entry")) {
            const std::string id = row[0].value_or("<null>");
            // a second row for one id is a fault too
            file[id] = file.count(id) ? "twice"
                                      : join({row[1].value_or("<null>"), row[2].value_or("<null>"),
                                              doc.LoadEntryText(id)});
        }
        for (auto& [id, expected] : model) {
            const std::string actual = file.count(id) ? file[id] : kGone;
            if (inDoubt && inDoubt->first == id && actual == inDoubt->second)
                expected = actual;
            ASSERT_EQ(actual, expected) << id << " after kill " << kill;
        }
        doc.CloseJournal();
    }
    std::printf("%d kills, %d changes reported done, %d kills while a change was under way\n",
                kKills, changesReported, killsMidChange);
    EXPECT_GE(changesReported, kKills);
    EXPECT_GT(killsMidChange, 0);
}

} // namespace
