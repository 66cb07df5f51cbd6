// The listings against their one-row-at-a-time statements, on random journals.
#include "core/browser/EntryRows.h"
#include "core/store/CppSQLite3Exception.h"
#include "core/store/SqlBuffer.h"
#include "core/store/SqlQuery.h"
#include "core/store/StoredText.h"
#include "core/store/TimeStamp.h"
#include "support/RandomJournal.h"
#include "support/TestJournal.h"

#include <gtest/gtest.h>

namespace {

// A listing as text, or the failure it ended in.
using Listing = std::vector<std::string>;

std::string describe(const EntryRow& row) {
    return row.entryId + "|" + row.folderId + "|" + std::to_string(row.timestamp.IsValid()) +
           row.timestamp.Format("%Y-%m-%d %H:%M:%S") + "|" + row.comment + "|" + row.topics + "|" +
           row.folderName;
}

template <class Load> Listing listing(Load&& load) {
    Listing out;
    try {
        for (const EntryRow& row : load())
            out.push_back(describe(row));
    } catch (const CppSQLite3Exception& e) {
        out.push_back(std::string("failed: ") + e.message());
    }
    return out;
}

Listing literalRows(SqlDatabase& db, const std::string& sql, bool fromConfig, bool showFirstLine) {
    return listing([&] {
        std::vector<EntryRow> rows;
        for (SqlQuery query = db.query(sql); !query.eof(); query.nextRow()) {
            EntryRow row;
            row.folderId = query.textField("FolderID");
            row.timestamp = ParseTimeStamp(query.fieldValue("TimeStamp"));
            row.entryId = query.textField("EntryID");
            row.topics = GetEntryTopicsText(db, row.entryId);
            row.folderName = GetEntryFolderName(db, row.folderId);
            row.comment =
                DecipherFromStorage(query.fieldValue("Comment"), TestJournal::kContentKey);
            const bool show = fromConfig ? query.boolField("ShowFirstLine", false) : showFirstLine;
            if (!show && !query.boolField("UserComment", false))
                row.comment.clear();
            rows.push_back(row);
        }
        return rows;
    });
}

} // namespace

TEST(ListingEquivalence, RowsNamesAndOrderEqualTheOneRowStatements) {
    int namedRows = 0;
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        TestJournal journal;
        SqlDatabase& db = journal.db();
        RandomJournal random(seed);
        random.fill(db, TestJournal::kContentKey);
        const bool showFirstLine = random.chance(2);
        db.execute(showFirstLine ? "UPDATE Config SET ShowFirstLine = 1"
                                 : "UPDATE Config SET ShowFirstLine = 0");

        for (int round = 0; round < 6; ++round) {
            EntryFilter filter;
            filter.currentFolderId = round == 0 ? "{Root}" : random.folderId();
            filter.topicPaneShown = random.chance(2);
            for (std::uint32_t t = random.below(3); t > 0; --t)
                filter.selectedTopicIds.push_back(random.topicId());

            const std::optional<std::string> where = EntryWhereClause(db, filter);
            SqlBuffer sql;
            const Listing expected =
                where ? literalRows(db, sql.format("SELECT * FROM Entry WHERE %s;", where->c_str()),
                                    false, showFirstLine)
                      : Listing{};
            EXPECT_EQ(listing([&] { return LoadEntryRows(journal.reader(), filter); }), expected)
                << "seed " << seed << ", folder " << filter.currentFolderId;
            for (const std::string& line : expected)
                namedRows += line.find("|(None)") == std::string::npos ? 1 : 0;
        }

        const Listing expectedHits = literalRows(
            db, "SELECT * FROM Entry LEFT OUTER JOIN Config ON 1=1 WHERE SearchTarget = '1'", true,
            false);
        EXPECT_EQ(listing([&] { return LoadSearchResultRows(journal.reader()); }), expectedHits)
            << "seed " << seed;
    }
    EXPECT_GT(namedRows, 50); // rows whose folder exists: the names were really compared
}
