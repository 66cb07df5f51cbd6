#include "bench/support/JournalGenerator.h"

#include "bench/support/BenchHost.h"
#include "bench/support/BenchJournalUi.h"
#include "bench/support/EntryTextMaker.h"
#include "core/session/CQBKDoc.h"
#include "core/store/SqlBuffer.h"
#include "core/store/SqlDatabase.h"

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Bumped whenever the generator's output changes, so a cached journal is made anew.
constexpr int kGeneratorRevision = 1;

COleDateTime dayNumber(int day, int hour, int minute) {
    using namespace std::chrono;
    const year_month_day date{sys_days{year{1996} / January / 1} + days{day}};
    return COleDateTime(static_cast<int>(date.year()), static_cast<int>(unsigned(date.month())),
                        static_cast<int>(unsigned(date.day())), hour, minute, 0);
}

std::vector<std::string> makeFolders(CQBKDoc& doc, EntryTextMaker& maker, int count) {
    std::vector<std::string> ids;
    SqlBuffer sql;
    for (int i = 0; i < count; ++i) {
        // Half at the top, the rest below an earlier folder, as a user files them.
        const std::string parent =
            i < count / 2 ? std::string("{Root}") : ids[maker.below(static_cast<std::uint32_t>(i))];
        const std::string id = CQBKDoc::NewId();
        // The folder tree's own statement, then a rename through the session.
        doc.Reader().Db().execute(
            sql.format("INSERT INTO Folder (FolderID, ParentID, Name) VALUES('%q', "
                       "'%q', '%q')",
                       id.c_str(), parent.c_str(), "New Folder"));
        doc.SetCurrentFolderId(id);
        doc.RenameFolder("Folder " + std::to_string(i + 1));
        ids.push_back(id);
    }
    return ids;
}

std::vector<std::string> makeTopics(CQBKDoc& doc, BenchHost& host, int count) {
    std::vector<std::string> ids;
    for (int i = 0; i < count; ++i) {
        doc.NewTopic();
        doc.RenameTopic(host.lastTopicId, "Topic " + std::to_string(i + 1));
        ids.push_back(host.lastTopicId);
    }
    return ids;
}

// Links as the entry topics dialog writes them; every entry gets distinct topics.
void makeLinks(CQBKDoc& doc, EntryTextMaker& maker, const std::vector<std::string>& entries,
               const std::vector<std::string>& topics, int links) {
    if (entries.empty() || topics.empty())
        return;
    const auto topicCount = static_cast<std::uint32_t>(topics.size());
    SqlBuffer sql;
    doc.Reader().Db().execute("BEGIN");
    for (int made = 0; made < links;) {
        for (std::size_t e = 0; e < entries.size() && made < links; ++e) {
            const std::uint32_t first = maker.below(topicCount);
            const std::uint32_t per = static_cast<std::uint32_t>(links) / entries.size() + 1;
            for (std::uint32_t k = 0; k < per && k < topicCount && made < links; ++k, ++made) {
                const std::string& topic = topics[(first + k * 7) % topicCount];
                doc.Reader().Db().execute(
                    sql.format("INSERT INTO Entry2Topic (EntryID, TopicID) VALUES('%q', '%q')",
                               entries[e].c_str(), topic.c_str()));
            }
        }
    }
    doc.Reader().Db().execute("COMMIT");
}

} // namespace

void JournalGenerator::Generate(const JournalShape& shape, const std::string& path) {
    fs::remove(path);
    BenchJournalUi ui;
    ui.newJournalPath = path;
    ui.password = shape.password;
    BenchHost host;
    CQBKDoc doc(ui, host);
    doc.AttachPanes(nullptr, &host, nullptr, nullptr);
    doc.CreateJournal();
    if (!doc.IsJournalOpen())
        throw std::runtime_error("cannot create the benchmark journal at " + path);
    // Per connection and never stored: without it every save would wait for the disk.
    doc.Reader().Db().execute("PRAGMA synchronous = OFF");

    EntryTextMaker maker(shape.seed);
    const std::vector<std::string> folders = makeFolders(doc, maker, shape.folders);
    const std::vector<std::string> topics = makeTopics(doc, host, shape.topics);

    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(shape.entries));
    for (int i = 0; i < shape.entries; ++i) {
        const std::uint32_t place = maker.below(static_cast<std::uint32_t>(folders.size() + 3));
        doc.SetCurrentFolderId(place < folders.size() ? folders[place] : std::string("{Root}"));
        std::string id = "{new_entry}";
        doc.SaveEntry(maker.rtf(shape.entryBytes), id);
        if (id == "{new_entry}")
            throw std::runtime_error("saving a benchmark entry failed");
        doc.SetEntryTimeStamp(
            dayNumber(i, 6 + static_cast<int>(maker.below(17)), static_cast<int>(maker.below(60))),
            id);
        if (maker.below(3) == 0)
            doc.SetEntryComment(true, maker.comment(), id);
        entries.push_back(id);
    }
    makeLinks(doc, maker, entries, topics, shape.links);
    doc.CloseJournal();
}

std::string JournalGenerator::CacheFolder() {
    const char* configured = std::getenv("QUILLBOOK_BENCH_DIR");
    const fs::path folder = configured && *configured
                                ? fs::path(configured)
                                : fs::temp_directory_path() / "quillbook-bench";
    fs::create_directories(folder);
    return folder.string();
}

std::string JournalGenerator::Cached(const JournalShape& shape) {
    const std::string name =
        "journal-r" + std::to_string(kGeneratorRevision) + "-e" + std::to_string(shape.entries) +
        "-f" + std::to_string(shape.folders) + "-t" + std::to_string(shape.topics) + "-l" +
        std::to_string(shape.links) + "-b" + std::to_string(shape.entryBytes) + "-s" +
        std::to_string(shape.seed) + (shape.password.empty() ? "" : "-p") + ".qbk";
    const fs::path path = fs::path(CacheFolder()) / name;
    if (!fs::exists(path)) {
        const fs::path partial = path.string() + ".partial";
        Generate(shape, partial.string());
        fs::rename(partial, path);
    }
    return path.string();
}

std::string JournalGenerator::WorkingCopy(const JournalShape& shape, const std::string& name,
                                          int copies) {
    const fs::path copy = fs::path(CacheFolder()) / (name + ".qbk");
    fs::copy_file(copies > 1 ? Copied(shape, copies) : Cached(shape), copy,
                  fs::copy_options::overwrite_existing);
    // Written to disk now: otherwise the first commit of a benchmark waits for the whole copy.
    const int fd = ::open(copy.c_str(), O_RDONLY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    return copy.string();
}

std::string JournalGenerator::Copied(const JournalShape& shape, int copies) {
    const fs::path path = fs::path(CacheFolder()) / ("load-v2-x" + std::to_string(copies) + "-" +
                                                     fs::path(Cached(shape)).filename().string());
    if (fs::exists(path))
        return path.string();
    if (copies > 12)
        throw std::invalid_argument("at most 12 copies of a benchmark journal");
    const fs::path partial = path.string() + ".partial";
    fs::copy_file(Cached(shape), partial, fs::copy_options::overwrite_existing);
    SqlDatabase db;
    db.open(partial.string());
    db.execute("PRAGMA synchronous = OFF");
    db.execute("BEGIN");
    SqlBuffer sql;
    const std::string entries =
        "(SELECT rowid FROM Entry ORDER BY rowid LIMIT " + std::to_string(shape.entries) + ")";
    for (int copy = 1; copy < copies; ++copy) {
        // The generated ids are version-4 GUIDs ("{XXXXXXXX-XXXX-4XXX-..."): each copy puts
        // its own digit (5 to F, so at most 12 copies) in the version's place, so no copy's id
        // meets another's.
        const std::string newId = "substr(EntryID, 1, 15) || printf('%X', " +
                                  std::to_string(copy + 4) + ") || substr(EntryID, 17)";
        db.execute(sql.format(
            "INSERT INTO Entry (EntryID, TimeStamp, FolderID, SearchTarget, Comment, UserComment, "
            "EntryText) SELECT %s, strftime('%%Y-%%m-%%d %%H:%%M', TimeStamp, '-%d years'), "
            "FolderID, SearchTarget, Comment, UserComment, EntryText FROM Entry WHERE rowid IN %s",
            newId.c_str(), 10 * copy, entries.c_str()));
        db.execute(sql.format("INSERT INTO Entry2Topic (EntryID, TopicID) SELECT %s, TopicID "
                              "FROM Entry2Topic WHERE EntryID IN (SELECT EntryID FROM Entry "
                              "WHERE rowid IN %s)",
                              newId.c_str(), entries.c_str()));
    }
    db.execute("COMMIT");
    db.close();
    fs::rename(partial, path);
    return path.string();
}
