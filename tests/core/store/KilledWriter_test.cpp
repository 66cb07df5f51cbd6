// A process that saves, re-dates, moves and deletes entries is killed with SIGKILL at random
// moments, again and again. After each kill the journal must pass SQLite's integrity check,
// open in the session and hold every change the process had reported done. The writer is a
// fork of the test: it says "B <change>" before a change and "C <change>" once it has
// returned, one write() a line, so at most one change is ever in doubt.

#include "store/TimeStamp.h"
#include "support/RawSqlite.h"
#include "support/SessionFixture.h"

#include <QFile>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <random>
#include <sstream>

namespace {

constexpr int kKills = 200;

// What the file must hold for one entry.
struct EntryState {
    bool alive = true;
    std::string tag;    // the word its text holds
    std::string folder; // FolderID
    std::string stamp;  // TimeStamp, once re-dated (a new entry's own is not known here)
    // A deleted entry is only that.
    bool operator==(const EntryState& o) const {
        return alive == o.alive &&
               (!alive || (tag == o.tag && folder == o.folder && stamp == o.stamp));
    }
};
using Model = std::map<std::string, EntryState>;

// One change: N(ew) id tag folder, T(ext) id tag, D(ate) id stamp, M(ove) id folder, X id.
struct Change {
    char kind = 0;
    std::string id, value, folder;

    std::string line() const {
        return std::string(1, kind) + '\t' + id + '\t' + value + '\t' + folder;
    }
    static Change parse(const std::string& text) {
        Change change{text[0], {}, {}, {}};
        std::istringstream in(text.substr(2));
        std::getline(in, change.id, '\t');
        std::getline(in, change.value, '\t');
        std::getline(in, change.folder);
        return change;
    }
    void applyTo(Model& model) const {
        EntryState& state = model[id];
        state.alive = kind != 'X';
        if (kind == 'N')
            state = EntryState{true, value, folder, {}};
        if (kind == 'T')
            state.tag = value;
        if (kind == 'D')
            state.stamp = value;
        if (kind == 'M')
            state.folder = value;
    }
};

std::string rtfFor(const std::string& tag) {
    return "{\\rtf1\\ansi " + tag + "\\par\n}";
}

void writeLine(int fd, const std::string& text) {
    const std::string line = text + '\n';
    if (::write(fd, line.data(), line.size()) != static_cast<ssize_t>(line.size()))
        _exit(4);
}

class KilledWriterTest : public SessionFixture {
protected:
    // The forked writer: works until it is killed; never returns.
    [[noreturn]] void runWriter(int fd, const Model& model, unsigned seed) {
        if (open(path) != CQBKDoc::OpenOk) {
            writeLine(fd, "E cannot open");
            _exit(2);
        }
        std::mt19937 rng(seed);
        std::vector<std::string> ids;
        for (const auto& [id, state] : model)
            if (state.alive)
                ids.push_back(id);
        for (unsigned n = 0;; ++n) {
            const std::string tag = "s" + std::to_string(seed) + "c" + std::to_string(n);
            const std::string folder = folders[rng() % folders.size()];
            // Kept to a few dozen live entries, so that checking them all stays quick.
            const unsigned roll = ids.size() < 30 ? rng() % 10 : 3 + rng() % 7;
            Change c{'N', "?", tag, folder};
            const std::size_t pick = ids.empty() ? 0 : rng() % ids.size();
            if (!ids.empty() && roll >= 3) {
                c = {roll < 5 ? 'T' : roll < 7 ? 'D' : roll < 8 ? 'M' : 'X', ids[pick], tag, {}};
                if (c.kind == 'D')
                    c.value = MakeTimeStamp(COleDateTime(2000 + int(rng() % 30),
                                                         1 + int(rng() % 12), 1 + int(rng() % 28),
                                                         int(rng() % 24), int(rng() % 60), 0));
                if (c.kind == 'M')
                    c.value = folder;
            }
            writeLine(fd, "B " + c.line());
            const std::size_t messagesBefore = ui.messages().size();
            std::string id = c.kind == 'N' ? "{new_entry}" : c.id;
            if (c.kind == 'N')
                doc.m_currentFolderId = c.folder;
            bool done = false;
            switch (c.kind) {
            case 'N':
            case 'T':
                done = doc.SaveEntry(rtfFor(c.value), id) == CQBKDoc::SaveResult::Saved;
                break;
            case 'D':
                done = doc.SetEntryTimeStamp(ParseTimeStamp(c.value.c_str()), id);
                break;
            case 'M':
                done = doc.MoveEntry(id, c.value);
                break;
            default:
                done = doc.DeleteEntry(id);
                ids.erase(ids.begin() + static_cast<std::ptrdiff_t>(pick));
                break;
            }
            if (c.kind == 'N' && id != "{new_entry}")
                ids.push_back(c.id = id);
            if (!done || c.id == "?" || ui.messages().size() != messagesBefore) {
                writeLine(fd, "E " + c.line());
                _exit(3);
            }
            writeLine(fd, "C " + c.line());
        }
    }

    // What the file holds for an entry: its row read with plain SQLite, its text through the
    // session.
    EntryState stored(const std::string& id, const EntryState& expected) {
        EntryState state;
        const auto row = rows.find(id);
        state.alive = row != rows.end();
        if (!state.alive || row->second.size() != 2)
            return state;
        state.folder = row->second[0].value_or("<null>");
        state.stamp = expected.stamp.empty() ? "" : row->second[1].value_or("<null>");
        const std::string text = doc.LoadEntryText(id);
        state.tag = text == rtfFor(expected.tag) ? expected.tag : "<" + text + ">";
        return state;
    }

    // The file after a kill: sound, opens, and each entry is as reported or, for the one
    // change in doubt, as it was or as it would be after that change; which of the two it is
    // becomes what the next writer starts from.
    void checkFile(Model& model, const std::optional<Change>& inDoubt, int kill) {
        ASSERT_EQ(rawQuery(path, "PRAGMA integrity_check"), (std::vector<RawRow>{{"ok"}}))
            << "after kill " << kill;
        ASSERT_EQ(open(path), CQBKDoc::OpenOk) << "after kill " << kill;
        rows.clear();
        for (RawRow& row : rawQuery(path, "SELECT EntryID, FolderID, TimeStamp FROM Entry")) {
            const std::string id = row[0].value_or("");
            row.erase(row.begin());
            // a second row for one id is a fault too: it reads as a row of another shape
            if (!rows.emplace(id, row).second)
                rows[id].clear();
        }
        for (auto& [id, expected] : model) {
            EntryState ifDone = expected;
            if (inDoubt && inDoubt->id == id) {
                Model changed{{id, expected}};
                inDoubt->applyTo(changed);
                ifDone = changed[id];
            }
            const EntryState before = stored(id, expected);
            const EntryState after = stored(id, ifDone);
            EXPECT_TRUE(before == expected || after == ifDone)
                << id << " after kill " << kill << ": alive " << before.alive << " folder "
                << before.folder << " stamp " << before.stamp << " text " << before.tag
                << "; reported " << expected.folder << " " << expected.stamp << " " << expected.tag;
            if (before != expected && after == ifDone)
                expected = ifDone;
        }
        doc.CloseJournal();
    }

    std::string path;
    std::map<std::string, RawRow> rows; // FolderID and TimeStamp of each entry of the file
    std::vector<std::string> folders{"{Root}"};
};

TEST_F(KilledWriterTest, EveryReportedChangeSurvivesSigkill) {
    // A kill loses nothing the system already has, flushed or not, so the journal may live in
    // memory where there is such a folder: syncs there cost nothing and the test stays fast.
    QTemporaryDir memoryDir(QStringLiteral("/dev/shm/quillbook-kill-XXXXXX"));
    const std::string made = createJournal("killed.qbk");
    doc.CloseJournal();
    path = made;
    if (memoryDir.isValid()) {
        path = memoryDir.filePath(QStringLiteral("killed.qbk")).toStdString();
        ASSERT_TRUE(QFile::copy(QString::fromStdString(made), QString::fromStdString(path)));
    }
    for (int i = 0; i < 3; ++i) {
        folders.push_back(CQBKDoc::NewId());
        rawExec(path, "INSERT INTO Folder (FolderID, ParentID, Name) VALUES('" + folders.back() +
                          "', '{Root}', 'f" + std::to_string(i) + "')");
    }
    std::mt19937 rng(20261206);
    Model model;
    int changesReported = 0;
    int killsMidChange = 0;
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

        // Kill after a random number of reported changes and a random pause on top. A line
        // is one write() to a pipe, so none arrives in part.
        const int changesBeforeKill = static_cast<int>(rng() % 4);
        const auto pause = static_cast<useconds_t>(rng() % 4000);
        FILE* in = ::fdopen(fds[0], "r");
        std::optional<Change> inDoubt;
        int seen = 0;
        const auto readLine = [&] {
            char buffer[512];
            if (!std::fgets(buffer, sizeof buffer, in))
                return false;
            const std::string line(buffer, std::strlen(buffer) - 1);
            EXPECT_NE(line[0], 'E') << "the writer failed: " << line;
            const Change change = Change::parse(line.substr(2));
            if (line[0] == 'B') {
                inDoubt = change;
            } else {
                change.applyTo(model);
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
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer ended by itself, status " << status;
        if (inDoubt)
            ++killsMidChange;
        checkFile(model, inDoubt, kill);
        if (HasFailure())
            return;
    }
    std::printf("%d kills, %d changes reported done, %d kills while a change was under way\n",
                kKills, changesReported, killsMidChange);
    EXPECT_GE(changesReported, kKills);
    EXPECT_GT(killsMidChange, 0);
}

} // namespace
