// The session's row table filled from the ids a search's full read saw, against the file's own
// statement: every id must find exactly the rows a scan on EntryID finds.
#include "core/protect/BlowfishEngine.h"
#include "core/store/EntryRowIds.h"
#include "core/store/SearchTextCache.h"
#include "core/store/SqlBuffer.h"
#include "support/RandomJournal.h"
#include "support/TestJournal.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> rowids(SqlDatabase& db, const std::string& where) {
    std::vector<std::string> found;
    for (SqlQuery q = db.query("SELECT rowid FROM Entry WHERE " + where + " ORDER BY rowid");
         !q.eof(); q.nextRow())
        found.push_back(q.textField(0));
    return found;
}

} // namespace

// Journals as made (NULL and blob ids: not handed on) and with every id as text (duplicates, the
// empty id, a quote); the table filled at once, or after a write since the read (stale ids).
TEST(EntryRowSeed, RowsFoundEqualTheScanOnEntryId) {
    const std::pair<bool, bool> cases[] = {{false, false}, {true, false}, {true, true}};
    std::vector<std::string> probes = {"", "it's", "{missing}"}; // and every id the journals use
    for (int i = 0; i < 24; ++i)
        probes.push_back("{E" + std::to_string(i) + "}");
    int handedOn = 0;
    for (const auto& [textIds, writeAfterRead] : cases) {
        for (std::uint32_t seed = 1; seed <= 8; ++seed) {
            TestJournal journal;
            RandomJournal random(seed);
            random.fill(journal.db(), TestJournal::kContentKey);
            if (textIds)
                journal.db().execute(
                    "UPDATE Entry SET EntryID = coalesce(CAST(EntryID AS TEXT), 'it''s')");
            SqlDatabase db;
            db.open(journal.path());
            SearchTextCache cache;
            cache.Attach(db);
            EntryRowIds rows;
            rows.Attach(db);
            BlowfishEngine engine;
            engine.SetKey(TestJournal::kContentKey);
            std::optional<EntryIdSnapshot> ids;
            cache.Refresh(db, engine, 2, [&ids](EntryIdSnapshot&& read) { ids = std::move(read); });
            const bool allText =
                rowids(db, "typeof(EntryID) <> 'text' OR instr(EntryID, char(0)) > 0").empty();
            ASSERT_EQ(ids.has_value(), allText) << "seed " << seed;
            if (writeAfterRead)
                db.execute("UPDATE Entry SET EntryID = '{E1}' WHERE rowid = (SELECT min(rowid) "
                           "FROM Entry)");
            if (ids) {
                ++handedOn;
                rows.Seed(db, std::move(*ids));
            }
            SqlBuffer sql;
            for (const std::string& id : probes)
                EXPECT_EQ(rowids(db, rows.Where(db, id)),
                          rowids(db, sql.format("EntryID = '%q'", id.c_str())))
                    << "seed " << seed << ", id " << id;
            cache.Clear();
        }
    }
    EXPECT_GE(handedOn, 16); // every journal with text ids
}
