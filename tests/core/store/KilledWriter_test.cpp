// A process that saves, re-dates, moves and deletes entries is killed with SIGKILL at random
// moments, again and again. After each kill the journal must pass SQLite's integrity check,
// open in the session and hold every change the process had reported done. The writer is a
// fork of the test: it says "B <change>" before a change and "C <change>" once it has
// returned, one write() a line, so at most one change is ever in doubt.

#include "support/RawSqlite.h"
#include "support/SessionFixture.h"

#include <QFile>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
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
        return std::string(1, kind) + ' ' + id + ' ' + value + ' ' + folder;
    }
    static Change parse(const std::string& text) {
        Change change;
        std::istringstream in(text);
        in >> change.kind >> change.id >> change.value >> change.folder;
        if (change.kind == 'D') { // the stamp has a space in it
            std::string time;
            std::istringstream again(text);
            again >> change.kind >> change.id >> change.value >> time;
            change.value += ' ' + time;
            change.folder.clear();
        }
        return change;
    }
    void applyTo(Model& model) const {
        switch (kind) {
        case 'N':
            model[id] = EntryState{true, value, folder, {}};
            break;
        case 'T':
            model[id].tag = value;
            break;
        case 'D':
            model[id].stamp = value;
            break;
        case 'M':
            model[id].folder = value;
            break;
        case 'X':
            model[id].alive = false;
            break;
        default:
            break;
        }
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
            const std::size_t messagesBefore = ui.messages().size();
            Change change;
            // Kept to a few dozen live entries, so that checking them all stays quick.
            const unsigned roll = ids.size() < 30 ? rng() % 10 : 3 + rng() % 7;
            if (ids.empty() || roll < 3) {
                change = {'N', "?", "s" + std::to_string(seed) + "n" + std::to_string(n),
                          folders[rng() % folders.size()]};
                writeLine(fd, "B " + change.line());
                doc.m_currentFolderId = change.folder;
                std::string id = "{new_entry}";
                if (doc.SaveEntry(rtfFor(change.value), id) == CQBKDoc::SaveResult::Saved)
                    ids.push_back(change.id = id);
            } else {
                const std::size_t pick = rng() % ids.size();
                change.id = ids[pick];
                int year = 0, month = 0, day = 0, hour = 0, minute = 0;
                if (roll < 5) {
                    change.kind = 'T';
                    change.value = "s" + std::to_string(seed) + "t" + std::to_string(n);
                } else if (roll < 7) {
                    change.kind = 'D';
                    year = 2000 + static_cast<int>(rng() % 30);
                    month = 1 + static_cast<int>(rng() % 12);
                    day = 1 + static_cast<int>(rng() % 28);
                    hour = static_cast<int>(rng() % 24);
                    minute = static_cast<int>(rng() % 60);
                    char stamp[32];
                    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d", year, month, day,
                                  hour, minute);
                    change.value = stamp;
                } else if (roll < 8) {
                    change.kind = 'M';
                    change.value = folders[rng() % folders.size()];
                } else {
                    change.kind = 'X';
                    ids.erase(ids.begin() + static_cast<std::ptrdiff_t>(pick));
                }
                writeLine(fd, "B " + change.line());
                bool done = false;
                std::string id = change.id;
                switch (change.kind) {
                case 'T':
                    done = doc.SaveEntry(rtfFor(change.value), id) == CQBKDoc::SaveResult::Saved;
                    break;
                case 'D':
                    done =
                        doc.SetEntryTimeStamp(COleDateTime(year, month, day, hour, minute, 0), id);
                    break;
                case 'M':
                    done = doc.MoveEntry(id, change.value);
                    break;
                default:
                    done = doc.DeleteEntry(id);
                    break;
                }
                if (!done)
                    change.kind = 'F';
            }
            if (change.kind == 'F' || change.id == "?" || ui.messages().size() != messagesBefore) {
                writeLine(fd, "E " + change.line());
                _exit(3);
            }
            writeLine(fd, "C " + change.line());
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

        // Kill after a random number of reported changes and a random pause on top.
        const int changesBeforeKill = static_cast<int>(rng() % 4);
        const auto pause = std::chrono::microseconds(rng() % 4000);
        std::string buffer;
        std::optional<Change> inDoubt;
        int seen = 0;
        bool ended = false;
        const auto consume = [&] {
            for (std::size_t end; (end = buffer.find('\n')) != std::string::npos;) {
                const std::string line = buffer.substr(0, end);
                buffer.erase(0, end + 1);
                ASSERT_NE(line[0], 'E') << "the writer failed: " << line;
                const Change change = Change::parse(line.substr(2));
                if (line[0] == 'B') {
                    inDoubt = change;
                } else {
                    change.applyTo(model);
                    inDoubt.reset();
                    ++seen;
                    ++changesReported;
                }
            }
        };
        const auto readFor = [&](int timeoutMs) {
            pollfd p{fds[0], POLLIN, 0};
            if (::poll(&p, 1, timeoutMs) <= 0)
                return;
            char chunk[4096];
            const ssize_t got = ::read(fds[0], chunk, sizeof chunk);
            if (got <= 0)
                ended = true;
            else
                buffer.append(chunk, static_cast<std::size_t>(got));
        };
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!ended && seen < changesBeforeKill && std::chrono::steady_clock::now() < until) {
            readFor(100);
            consume();
        }
        if (pause.count() > 0)
            ::usleep(static_cast<useconds_t>(pause.count()));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        while (!ended)
            readFor(1000);
        ::close(fds[0]);
        consume();
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer ended by itself, status " << status;
        if (inDoubt)
            ++killsMidChange;
        checkFile(model, inDoubt, kill);
        if (HasFatalFailure() || HasFailure())
            return;
    }
    std::printf("%d kills, %d changes reported done, %d kills while a change was under way\n",
                kKills, changesReported, killsMidChange);
    EXPECT_GE(changesReported, kKills);
    EXPECT_GT(killsMidChange, 0);
}

} // namespace
