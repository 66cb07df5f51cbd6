// The session's entry operations, reads and search against their statements taken literally
// (a scan on EntryID, every field deciphered again) on a copy of the file, on random journals
// and writes behind the session's back: equal files, equal reads and the same failures.
#include "core/platform/TextEncoding.h"
#include "core/store/CHiddenRichEdit.h"
#include "core/store/JournalMessages.h"
#include "core/store/QuotedIdList.h"
#include "core/store/SqlBuffer.h"
#include "core/store/StoredText.h"
#include "core/store/TimeStamp.h"
#include "support/JournalDump.h"
#include "support/RandomJournal.h"
#include "support/RawSqlite.h"
#include "support/SessionFixture.h"
#include "support/TestJournal.h"

#include <filesystem>
#include <functional>

namespace {

const std::string kKey = TestJournal::kContentKey;

std::string enciphered(const std::string& text) {
    return EncipherForStorage(text, kKey);
}

std::string quoted(const std::string& text) {
    SqlBuffer sql;
    return sql.format("%Q", text.c_str());
}

void literalSave(SqlDatabase& db, const std::string& rtf, const std::string& id) {
    CHiddenRichEdit hidden;
    hidden.StreamInText(CHiddenRichEdit::SF_RTF, rtf);
    const std::string comment = enciphered(hidden.DerivedDescription());
    const std::string text = enciphered(rtf);
    SqlBuffer sql;
    SqlQuery flag =
        db.query(sql.format("SELECT UserComment FROM Entry WHERE EntryID = '%q'", id.c_str()));
    const int userComment = flag.eof() ? 0 : flag.intField("UserComment", 0);
    flag.finalize();
    if (userComment != 0)
        sql.format("UPDATE Entry SET EntryText=%Q WHERE EntryID = '%q'", text.c_str(), id.c_str());
    else
        sql.format("UPDATE Entry SET EntryText=%Q, Comment=%Q, UserComment=%d WHERE EntryID = '%q'",
                   text.c_str(), comment.c_str(), 0, id.c_str());
    db.execute(sql.c_str());
}

// One query per entry for the topics. Returns the failure's message, empty when none.
std::string literalSearch(SqlDatabase& db, const SearchCriteria& c) {
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
            const auto found = [&](int format, const char* column) {
                return hidden.FindInText(format, c.matchCase, c.wholeWord,
                                         DecipherFromStorage(entries.fieldValue(column), kKey),
                                         findWhat) >= 0;
            };
            // Both are read whenever asked for: an unreadable comment fails a text hit too.
            const bool inText = c.lookInText && found(CHiddenRichEdit::SF_RTF, "EntryText");
            const bool inComment = c.lookInComments && found(CHiddenRichEdit::SF_TEXT, "Comment");
            bool match = inText || inComment;
            if (match && c.dateRange == 1) {
                const COleDateTime when = ParseTimeStamp(entries.fieldValue("TimeStamp"));
                if (!when.IsValid() || when < c.startDate || when > c.endDate)
                    match = false;
            }
            if (match && topicCount > 0) {
                SqlBuffer sql;
                const int n =
                    db.query(sql.format("SELECT count(*) FROM Entry2Topic WHERE EntryID = "
                                        "'%q' and TopicID in (%s)",
                                        id.c_str(), topicIds.c_str()))
                        .intField(0);
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

class StatementEquivalence : public SessionFixture {
protected:
    // The session's read against the first row's column as the literal read returns it (a text
    // deciphered, the stamp shown in the journal's formats), failure messages included (the
    // session shows them; the script expects exactly the literal one).
    void compareRead(SqlDatabase& literal, const std::string& id, const char* column,
                     const std::function<std::string()>& session) {
        std::string expected;
        try {
            SqlBuffer sql;
            SqlQuery query =
                literal.query(sql.format("select * from Entry WHERE EntryID = '%q'", id.c_str()));
            const bool stamp = std::string_view(column) == "TimeStamp";
            expected = query.eof() ? std::string()
                       : stamp     ? query.textField(column)
                                   : DecipherFromStorage(query.fieldValue(column), kKey);
            query.finalize();
            if (stamp)
                expected = FormatTimeStamp(literal, expected.c_str());
        } catch (const CppSQLite3Exception& e) {
            expected.clear();
            ui.answerMessage(JournalMessages::DatabaseFailure(e.code(), doc.Path()),
                             MessageAnswer::Ok);
        }
        EXPECT_EQ(session(), expected) << column << " of " << id;
    }

    const std::string oracle = pathFor("oracle.qbk");
};

} // namespace

TEST_F(StatementEquivalence, TheSessionLeavesTheFileAndReadsAsTheLiteralStatementsDo) {
    int searches = 0, failedSearches = 0, hits = 0, reads = 0;
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        TestJournal journal;
        journal.db().execute("UPDATE Config SET PromptForComment = 0");
        RandomJournal random(seed);
        random.fill(journal.db(), kKey);
        ASSERT_EQ(open(journal.path()), CQBKDoc::OpenResult::Ok);
        SqlDatabase literal;
        // After a write the literal statements cannot make, the copy starts again from the file.
        const auto copyFile = [&] {
            literal.close();
            std::filesystem::copy_file(journal.path(), oracle,
                                       std::filesystem::copy_options::overwrite_existing);
            literal.open(oracle);
            literal.execute("PRAGMA synchronous = OFF"); // the copy needs no durability
        };
        copyFile();

        for (int step = 0; step < 32; ++step) {
            const std::string id = random.chance(10) ? std::string() : random.entryId();
            SqlBuffer sql;
            const std::string where = " WHERE EntryID = " + quoted(id);
            const bool entryThere = !literal.query("SELECT 1 FROM Entry" + where).eof();
            const unsigned kind = random.below(11);
            // A write aimed at a row that is not there changes nothing and says so.
            if (kind >= 1 && kind <= 3 && !entryThere)
                ui.answerMessage(JournalMessages::kEntryGone, MessageAnswer::Ok);
            switch (kind) {
            case 0: {
                const std::string rtf = random.rtf();
                std::string saved = id.empty() || random.chance(2) ? "{new_entry}" : id;
                if (entryThere && saved == id) {
                    doc.SaveEntry(rtf, saved);
                    literalSave(literal, rtf, id);
                    break;
                }
                // A new or gone entry is saved as a new one, which no literal statement is.
                doc.SetCurrentFolderId(random.folderId());
                doc.SaveEntry(rtf, saved);
                copyFile();
                break;
            }
            case 1: {
                const bool user = random.chance(2);
                doc.SetEntryComment(user, "note " + id, id);
                literal.execute(
                    sql.format("UPDATE Entry SET Comment=%Q, UserComment='%d' WHERE EntryID = '%q'",
                               enciphered("note " + id).c_str(), user ? 1 : 0, id.c_str()));
                break;
            }
            case 2: {
                const COleDateTime when(2004, 7, 1 + static_cast<int>(random.below(9)), 8, 30, 0);
                doc.SetEntryTimeStamp(when, id);
                literal.execute("UPDATE Entry SET TimeStamp=" + quoted(MakeTimeStamp(when)) +
                                where);
                break;
            }
            case 3:
                EXPECT_EQ(doc.DeleteEntry(id), entryThere);
                literal.execute("DELETE FROM Entry" + where);
                break;
            case 4: {
                const std::string folder = random.folderId();
                const bool refused = // a move into a folder that is gone writes nothing
                    folder != "{Root}" &&
                    literal.query("SELECT 1 FROM Folder WHERE FolderID = " + quoted(folder)).eof();
                if (refused || !entryThere)
                    ui.answerMessage(refused ? JournalMessages::kDropFolderGone
                                             : JournalMessages::kEntryGone,
                                     MessageAnswer::Ok);
                doc.MoveEntry(id, folder);
                if (!refused)
                    literal.execute("UPDATE Entry SET FolderID = " + quoted(folder) + where);
                break;
            }
            case 5:
            case 6: {
                // Behind the operations' back: another connection (5) or the session's own (6).
                const char* const marks[] = {"NULL", "1", "'1'", "0.0", "'x'", "0"};
                const std::string changes[] = {
                    // a row with an id already in use
                    "INSERT INTO Entry (EntryID, TimeStamp, Comment, EntryText) VALUES (" +
                        quoted(id) + ", '2004-07-05 10:00', " + quoted(enciphered("added")) + ", " +
                        quoted(enciphered("{\\rtf1 added}")) + ")",
                    "UPDATE Entry SET EntryID = " + quoted(random.entryId()) + where,
                    "UPDATE Entry SET EntryText = " + quoted(enciphered(random.rtf())) + where,
                    "INSERT INTO Entry2Topic VALUES (" + quoted(id) + ", " +
                        quoted(random.topicId()) + ")",
                    // a row moved to the end of the table, and maybe renamed
                    "UPDATE Entry SET rowid = rowid + (SELECT max(rowid) FROM Entry), EntryID = " +
                        quoted(random.chance(2) ? id : random.entryId()) + where,
                    std::string("UPDATE Entry SET SearchTarget = ") +
                        marks[random.below(std::size(marks))] + where,
                    "UPDATE Entry SET Comment = " +
                        quoted(random.chance(3) ? RandomJournal::undecodable()
                                                : enciphered("rain at night")) +
                        where,
                };
                const std::string& change = changes[random.below(std::size(changes))];
                if (kind == 5)
                    rawExec(journal.path(), change);
                else
                    doc.Reader().Db().execute(change);
                literal.execute(change);
                break;
            }
            case 7:
            case 8: {
                const SearchCriteria criteria = random.criteria();
                const std::string failure = literalSearch(literal, criteria);
                if (!failure.empty()) {
                    ui.answerMessage(failure, MessageAnswer::Ok);
                    ++failedSearches;
                }
                doc.Search(criteria);
                ++searches;
                hits += static_cast<int>(
                    rawQuery(oracle, "SELECT 1 FROM Entry WHERE SearchTarget = 1").size());
                break;
            }
            default:
                compareRead(literal, id, "EntryText", [&] { return doc.LoadEntryText(id); });
                compareRead(literal, id, "Comment", [&] { return doc.LoadEntryComment(id); });
                compareRead(literal, id, "TimeStamp", [&] { return doc.GetEntryDateText(id); });
                reads += 3;
                break;
            }
            ASSERT_EQ(dumpJournal(journal.path()), dumpJournal(oracle))
                << "seed " << seed << ", step " << step << ", kind " << kind << ", id " << id;
        }
        doc.CloseJournal();
    }
    // The random journals must exercise every outcome, or the comparison proves little.
    EXPECT_GT(searches, 120);
    EXPECT_GT(failedSearches, 5);
    EXPECT_GT(hits, 100);
    EXPECT_GT(reads, 300);
}
