// The session's search against the search its statements describe, on random journals and
// through writes of every kind between searches: the file must end byte for byte the same in
// every value, and the same failures must show.
#include "browser/EntryRows.h"
#include "platform/TextEncoding.h"
#include "store/CHiddenRichEdit.h"
#include "store/JournalMessages.h"
#include "store/QuotedIdList.h"
#include "store/SqlBuffer.h"
#include "store/StoredText.h"
#include "store/TimeStamp.h"
#include "support/JournalDump.h"
#include "support/RandomJournal.h"
#include "support/RawSqlite.h"
#include "support/SessionFixture.h"
#include "support/TestJournal.h"

#include <filesystem>

namespace {

// One query per entry for the topics, every field deciphered and read again: the statements
// taken literally. Returns the failure's message, empty when none.
std::string literalSearch(SqlDatabase& db, const std::string& key, const SearchCriteria& c) {
    try {
        db.execute("UPDATE Entry SET SearchTarget = 0");
        CHiddenRichEdit hidden;
        const QString findWhat = storedToText(c.findText);
        const std::string topicIds = QuotedIdList(c.topicIds, ",");
        const int topicCount = static_cast<int>(c.topicIds.size());
        std::vector<std::string> hits;
        SqlQuery entries = db.query("SELECT * FROM Entry;");
        for (; !entries.eof(); entries.nextRow()) {
            const std::string id = entries.textField("EntryID");
            bool match = false;
            if (c.lookInText &&
                hidden.FindInText(CHiddenRichEdit::SF_RTF, c.matchCase, c.wholeWord,
                                  DecipherFromStorage(entries.fieldValue("EntryText"), key),
                                  findWhat) >= 0)
                match = true;
            if (c.lookInComments &&
                hidden.FindInText(CHiddenRichEdit::SF_TEXT, c.matchCase, c.wholeWord,
                                  DecipherFromStorage(entries.fieldValue("Comment"), key),
                                  findWhat) >= 0)
                match = true;
            if (match && c.dateRange == 1) {
                const COleDateTime when = ParseTimeStamp(entries.fieldValue("TimeStamp"));
                if (!when.IsValid() || when < c.startDate || when > c.endDate)
                    match = false;
            }
            if (match && topicCount > 0) {
                SqlBuffer sql;
                SqlQuery links = db.query(
                    sql.format("SELECT * FROM Entry2Topic WHERE EntryID = '%q' and TopicID in (%s)",
                               id.c_str(), topicIds.c_str()));
                int n = 0;
                for (; !links.eof(); links.nextRow())
                    ++n;
                if ((c.topicMatch == 1 && n != topicCount) || (c.topicMatch != 1 && n == 0))
                    match = false;
            }
            if (match)
                hits.push_back(id);
        }
        entries.finalize();
        SqlBuffer sql;
        db.execute(sql.format("UPDATE Entry SET SearchTarget = '%d' WHERE EntryID IN (%s)", 1,
                              QuotedIdList(hits, ",").c_str()));
    } catch (const CppSQLite3Exception& e) {
        return JournalMessages::DatabaseFailure(e.code(), {});
    }
    return {};
}

class SearchEquivalence : public SessionFixture {
protected:
    // A write between searches: through the session's operations, through its connection
    // behind its back, or through another connection.
    void writeSomething(RandomJournal& random, const std::string& path) {
        const std::string id = random.entryId();
        SqlBuffer sql;
        // A write aimed at a row that is not there says so.
        const auto there = [&](const char* table, const char* column, const std::string& key) {
            return key == "{Root}" || !rawQuery(path, sql.format("SELECT 1 FROM %s WHERE %s = '%q'",
                                                                 table, column, key.c_str()))
                                           .empty();
        };
        const bool entryThere = there("Entry", "EntryID", id);
        const unsigned kind = random.below(11);
        if (kind >= 1 && kind <= 3 && !entryThere)
            ui.answerMessage(JournalMessages::kEntryGone, MessageAnswer::Ok);
        switch (kind) {
        case 0: {
            std::string saved = random.chance(2) ? std::string("{new_entry}") : id;
            doc.m_currentFolderId = random.folderId();
            doc.SaveEntry(random.rtf(), saved);
            break;
        }
        case 1:
            doc.SetEntryComment(random.chance(2), "typed journal note", id);
            break;
        case 2:
            doc.SetEntryTimeStamp(
                COleDateTime(2004, 7, 3 + static_cast<int>(random.below(5)), 12, 0, 0), id);
            break;
        case 3:
            doc.DeleteEntry(id);
            break;
        case 4: {
            const std::string folder = random.folderId();
            if (!there("Folder", "FolderID", folder))
                ui.answerMessage(JournalMessages::kDropFolderGone, MessageAnswer::Ok);
            else if (!entryThere)
                ui.answerMessage(JournalMessages::kEntryGone, MessageAnswer::Ok);
            doc.MoveEntry(id, folder);
            break;
        }
        case 5:
            rawExec(path,
                    sql.format("UPDATE Entry SET EntryText = %Q WHERE EntryID = '%q'",
                               EncipherForStorage(random.rtf(), TestJournal::kContentKey).c_str(),
                               id.c_str()));
            break;
        case 6:
            rawExec(path, sql.format("INSERT INTO Entry2Topic VALUES ('%q', '%q')", id.c_str(),
                                     random.topicId().c_str()));
            break;
        case 7:
            doc.m_db.execute(sql.format(
                "UPDATE Entry SET rowid = rowid + (SELECT max(rowid) FROM Entry) WHERE EntryID = "
                "'%q'",
                id.c_str()));
            break;
        case 9:
        case 10: {
            // Marks of every type, written behind the session's back or by another program.
            const char* const marks[] = {"NULL", "1", "'1'", "0.0", "'x'", "0"};
            const std::string update =
                sql.format("UPDATE Entry SET SearchTarget = %s WHERE EntryID = '%q'",
                           marks[random.below(std::size(marks))], id.c_str());
            if (random.chance(2))
                doc.m_db.execute(update);
            else
                rawExec(path, update);
            break;
        }
        default:
            doc.m_db.execute(sql.format(
                "UPDATE Entry SET Comment = %Q WHERE EntryID = '%q'",
                random.chance(3)
                    ? RandomJournal::undecodable().c_str()
                    : EncipherForStorage("rain at night", TestJournal::kContentKey).c_str(),
                id.c_str()));
            break;
        }
    }
};

} // namespace

TEST_F(SearchEquivalence, LeavesTheFileAsTheLiteralStatementsDoThroughWritesOfEveryKind) {
    int failuresSeen = 0;
    int hitsSeen = 0;
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        TestJournal journal;
        journal.db().execute("UPDATE Config SET PromptForComment = 0");
        RandomJournal random(seed);
        random.fill(journal.db(), TestJournal::kContentKey);
        ASSERT_EQ(open(journal.path()), CQBKDoc::OpenOk);
        const std::string oracle = pathFor("oracle.qbk");
        for (int round = 0; round < 8; ++round) {
            const SearchCriteria criteria = random.criteria();
            std::filesystem::copy_file(journal.path(), oracle,
                                       std::filesystem::copy_options::overwrite_existing);
            std::string expectedFailure;
            {
                SqlDatabase db;
                db.open(oracle);
                expectedFailure = literalSearch(db, TestJournal::kContentKey, criteria);
            }
            if (!expectedFailure.empty()) {
                ui.answerMessage(expectedFailure, MessageAnswer::Ok);
                ++failuresSeen;
            }
            doc.Search(criteria);
            ASSERT_EQ(dumpJournal(journal.path()), dumpJournal(oracle))
                << "seed " << seed << ", round " << round << ", find '" << criteria.findText << "'";
            hitsSeen += static_cast<int>(
                rawQuery(oracle, "SELECT 1 FROM Entry WHERE SearchTarget = 1").size());
            writeSomething(random, journal.path());
        }
        doc.CloseJournal();
    }
    // The random journals must exercise both outcomes, or the comparison proves little.
    EXPECT_GT(failuresSeen, 5);
    EXPECT_GT(hitsSeen, 100);
}
