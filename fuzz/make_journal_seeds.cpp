// Writes the journal fuzzer's seeds: small journals with 512-byte pages (so that a mutation
// lands on rows more often than on empty space) holding what the program writes and what a
// hand-edited file may hold. Run once when the seeds need remaking:
//   make_journal_seeds fuzz/corpus/journal

#include "support/RandomJournal.h"

#include "core/store/JournalSchema.h"
#include "core/store/NewJournalValues.h"
#include "core/store/SqlBuffer.h"
#include "core/store/SqlDatabase.h"
#include "core/store/StoredText.h"

#include <cstdio>
#include <string>

namespace {

constexpr const char* kContentKey = "{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}";

void makeJournal(const std::string& path, const std::string& password, std::uint32_t seed) {
    std::remove(path.c_str());
    SqlDatabase db;
    db.open(path);
    db.execute("PRAGMA page_size=512");
    NewJournalValues values;
    values.m_title = "Seed";
    values.m_password = password;
    values.m_bPasswordProtected = !password.empty();
    JournalSchema::CreateTables(db);
    JournalSchema::InsertSettings(db, values, kContentKey);
    if (seed != 0) {
        RandomJournal(seed).fill(db, kContentKey);
        // A parent cycle and a folder below a folder, which the tree must show once each.
        db.execute("INSERT INTO Folder VALUES('{C1}', '{C2}', 'cycle one')");
        db.execute("INSERT INTO Folder VALUES('{C2}', '{C1}', 'cycle two')");
        db.execute("INSERT INTO Folder VALUES('{N1}', '{Root}', 'outer')");
        db.execute("INSERT INTO Folder VALUES('{N2}', '{N1}', 'inner')");
        SqlBuffer sql;
        const std::string text = EncipherForStorage(
            "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 A journal \\b entry\\b0\\par}",
            kContentKey);
        db.execute(sql.format("INSERT INTO Entry (EntryID, TimeStamp, FolderID, Comment, "
                              "UserComment, EntryText) VALUES('{E-N2}', '2024-02-29 23:59', "
                              "'{N2}', NULL, 0, %Q)",
                              text.c_str()));
    }
    db.execute("VACUUM");
    db.close();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_journal_seeds FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    makeJournal(folder + "/empty.qbk", "", 0);
    makeJournal(folder + "/filled.qbk", "", 7);
    makeJournal(folder + "/protected.qbk", "pw", 11);
    return 0;
}
