#include "core/dialogs/SearchMemory.h"
#include "core/dialogs/SearchRules.h"
#include "core/platform/CommandIds.h"
#include "core/platform/CommandRouter.h"
#include "core/platform/DateDisplay.h"
#include "core/session/SearchWindow.h"
#include "support/RawSqlite.h"
#include "support/SessionFixture.h"

namespace {

using namespace SearchRules;

TEST(SearchRules, DaysFollowEachOtherAndTheButtonsFollowTheBoxes) {
    const QDate may1(2024, 5, 1), may9(2024, 5, 9), jun1(2024, 6, 1);
    struct Case {
        bool start; // which picker the user changed
        QDate chosen, wantStart, wantEnd;
    };
    const Case cases[] = {
        {true, may1, may1, may9},  // before the end: nothing else moves
        {true, jun1, jun1, jun1},  // after the end: the end follows
        {false, jun1, may1, jun1}, // after the start: nothing else moves
        {false, may1, may1, may1}, // same day: both stay
        {false, QDate(2024, 4, 1), QDate(2024, 4, 1), QDate(2024, 4, 1)}, // start follows
    };
    for (const Case& c : cases) {
        SearchValues values;
        values.startDate = may1;
        values.endDate = may9;
        if (c.start)
            StartDateChosen(values, c.chosen);
        else
            EndDateChosen(values, c.chosen);
        EXPECT_EQ(values.startDate, c.wantStart) << c.chosen.toString().toStdString();
        EXPECT_EQ(values.endDate, c.wantEnd) << c.chosen.toString().toStdString();
    }

    SearchValues values;
    for (int places = 0; places < 4; ++places) { // text, comments, both or neither
        values.lookInText = places & 1;
        values.lookInComments = places & 2;
        EXPECT_EQ(CanBeginSearch(values), places != 0) << places;
    }
    EXPECT_FALSE(TopicMatchEnabled(values));
    values.topics = {"'{A}'", "a", 1};
    EXPECT_TRUE(TopicMatchEnabled(values));
}

TEST(SearchRules, CriteriaCoverWholeDaysAndTheChosenTopics) {
    SearchValues values;
    values.findText = "word";
    values.wholeWord = true;
    values.lookInComments = false;
    values.dateRange = 1;
    values.startDate = QDate(2004, 7, 5);
    values.endDate = QDate(2004, 7, 6);
    values.topics = {"'{A}','it''s'", "a, it's", 2};
    values.topicMatch = 1;
    const SearchCriteria c = Criteria(values);
    EXPECT_EQ(c.findText, "word");
    EXPECT_TRUE(c.wholeWord);
    EXPECT_FALSE(c.matchCase);
    EXPECT_FALSE(c.lookInComments);
    EXPECT_EQ(c.startDate, COleDateTime(2004, 7, 5, 0, 0, 0));
    EXPECT_EQ(c.endDate, COleDateTime(2004, 7, 6, 23, 59, 59));
    EXPECT_EQ(c.topicIds, (std::vector<std::string>{"{A}", "it's"}));
    EXPECT_EQ(c.topicMatch, 1);

    // Days typed in a German field: 1 to 7 December, not January to July.
    const QLocale de(QLocale::German, QLocale::Germany);
    const QString field = DateDisplay::fieldDateFormat(DateDisplay::Style::Locale, de);
    values.startDate = de.toDate(QStringLiteral("01.12.2026"), field);
    values.endDate = de.toDate(QStringLiteral("07.12.2026"), field);
    EXPECT_EQ(Criteria(values).startDate, COleDateTime(2026, 12, 1, 0, 0, 0));
    EXPECT_EQ(Criteria(values).endDate, COleDateTime(2026, 12, 7, 23, 59, 59));

    EXPECT_EQ(ResultCountText(0), "No Entries Found");
    EXPECT_EQ(ResultCountText(1), "1 entry found");
    EXPECT_EQ(ResultCountText(12), "12 entries found");

    // The next dialog starts from these criteria; in another journal without the topics,
    // whose ids mean nothing there.
    SearchMemory memory;
    memory.Keep(values, "/a.qbk");
    EXPECT_EQ(memory.Recall("/a.qbk"), values);
    const SearchValues elsewhere = memory.Recall("/b.qbk");
    EXPECT_EQ(elsewhere.topics, TopicChoiceValues{});
    EXPECT_EQ(elsewhere.topicMatch, 0);
    EXPECT_EQ(elsewhere.findText, "word");
    EXPECT_EQ(elsewhere.dateRange, 1);
    EXPECT_EQ(elsewhere.endDate, values.endDate);
}

class SearchDialogSession : public SessionFixture {};

// The dialog lists what the search marked, deciphered with the journal's key; a read failure
// part way through keeps the rows read before it and says so.
TEST_F(SearchDialogSession, ListsTheMarkedEntriesWithTheirCommentsOrThoseReadBeforeAFailure) {
    const std::string path = createJournal("s.qbk");
    std::vector<std::string> listed{saveNewEntry("{\\rtf1\\ansi a journal day\\par}") + ": "};
    const std::string b = saveNewEntry("{\\rtf1\\ansi nothing\\par}");
    const std::string c = saveNewEntry("{\\rtf1\\ansi journal again\\par}");
    doc.SetEntryComment(true, "my note", c);
    listed.push_back(c + ": my note");
    for (int i = 0; i < 2; ++i)
        listed.push_back(saveNewEntry("{\\rtf1\\ansi journal at night\\par}") + ": ");
    const auto shown = [](const std::vector<EntryRow>& rows) {
        std::vector<std::string> out;
        for (const EntryRow& row : rows)
            out.push_back(row.entryId + ": " + row.comment);
        return out;
    };
    SearchValues values;
    values.findText = "journal";
    EXPECT_EQ(shown(SearchRules::Run(doc, ui, values).rows), listed);

    EXPECT_TRUE(EntryExists(doc, ui, b));
    ASSERT_TRUE(doc.DeleteEntry(b));
    EXPECT_FALSE(EntryExists(doc, ui, b));
    EXPECT_FALSE(EntryExists(doc, ui, "x' OR '1'='1"));

    // From the fifth row on the entries cannot be read: the table is put behind a view
    // whose column is an integer overflow (an SQL error) for those rows.
    rawExec(path, "ALTER TABLE Entry RENAME TO EntryTable;"
                  "CREATE VIEW Entry AS SELECT *, CASE WHEN rowid > 4 THEN "
                  "abs(-9223372036854775807 - 1 + 0 * rowid) END AS Unreadable FROM EntryTable;");
    ui.answerMessage(MessageAnswer::Ok);
    const SearchRules::SearchResults results = SearchRules::ListResults(doc, ui);
    EXPECT_FALSE(results.complete);
    listed.pop_back();
    EXPECT_EQ(shown(results.rows), listed);
    const std::string told = ui.messageTexts().back();
    EXPECT_EQ(told.rfind("Not every entry found could be read: ", 0), 0u) << told;
    EXPECT_NE(told.find("overflow"), std::string::npos) << told;
    EXPECT_EQ(told.substr(told.size() - 42), "The 3 entries read before that are listed.") << told;
    EXPECT_EQ(SearchRules::ResultCountText(3, false),
              "3 entries listed; the others found could not be read");
}

// Stands in for the dialog: records what the session asks of it.
class RecordingSearchWindow : public SearchWindow {
public:
    explicit RecordingSearchWindow(CQBKDoc& doc) : m_doc(doc) {}
    void Activate() override { calls.push_back("Activate"); }
    void JournalClosing() override {
        calls.push_back(m_doc.IsJournalOpen() ? "Closing, file open" : "Closing, file closed");
        m_doc.SetSearchWindow(nullptr);
    }
    std::vector<std::string> calls;

private:
    CQBKDoc& m_doc;
};

TEST_F(SearchDialogSession, TheCommandRaisesTheOpenDialogAndClosingTheJournalClosesIt) {
    CommandRouter router;
    router.setDocument(&doc);
    createJournal("s.qbk");
    log.clear();
    ASSERT_TRUE(router.dispatch(ID_TOOLS_SEARCH));
    EXPECT_EQ(log.calls, std::vector<std::string>{"ShowSearchDialog"});

    RecordingSearchWindow window(doc);
    doc.SetSearchWindow(&window);
    ASSERT_TRUE(router.dispatch(ID_TOOLS_SEARCH));
    EXPECT_EQ(window.calls, std::vector<std::string>{"Activate"});

    // Opening another journal closes this one first.
    ui.answerMessage("OK to close the journal that is open?", MessageAnswer::Yes);
    createJournal("t.qbk");
    EXPECT_EQ(window.calls, (std::vector<std::string>{"Activate", "Closing, file open"}));
}

} // namespace
