// A read failure part way through the search results keeps the rows read before it.
#include "dialogs/SearchRules.h"
#include "support/RawSqlite.h"
#include "support/SessionFixture.h"

namespace {

class SearchResultsCutShort : public SessionFixture {};

TEST_F(SearchResultsCutShort, RowsReadBeforeTheFailureStayListedAndTheFailureSaysSo) {
    const std::string path = createJournal("s.qbk");
    std::vector<std::string> ids;
    for (int i = 0; i < 5; ++i)
        ids.push_back(saveNewEntry("{\\rtf1\\ansi journal day\\par}"));
    SearchValues values;
    values.findText = "journal";
    ASSERT_EQ(SearchRules::Run(doc, ui, values).rows.size(), 5u);

    // From the fourth row on the entries cannot be read: the table is put behind a view
    // whose column is an integer overflow (an SQL error) for those rows.
    rawExec(path, "ALTER TABLE Entry RENAME TO EntryTable;"
                  "CREATE VIEW Entry AS SELECT *, CASE WHEN rowid > 3 THEN "
                  "abs(-9223372036854775807 - 1 + 0 * rowid) END AS Unreadable FROM EntryTable;");
    ui.answerMessage(MessageAnswer::Ok);
    const SearchRules::SearchResults results = SearchRules::ListResults(doc, ui);
    EXPECT_FALSE(results.complete);
    ASSERT_EQ(results.rows.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(results.rows[i].entryId, ids[i]);
    const std::string told = ui.messageTexts().back();
    EXPECT_EQ(told.rfind("Not every entry found could be read: ", 0), 0u) << told;
    EXPECT_NE(told.find("overflow"), std::string::npos) << told;
    EXPECT_EQ(told.substr(told.size() - 42), "The 3 entries read before that are listed.") << told;
    EXPECT_EQ(SearchRules::ResultCountText(3, false),
              "3 entries listed; the others found could not be read");
}

} // namespace
