// The session's one-entry operations against their statements taken literally (each a scan on
// EntryID), on random journals with duplicate, NULL and blob ids, and through writes made
// behind the session's back: the files must stay equal and the reads return the same.
#include "store/CHiddenRichEdit.h"
#include "store/JournalMessages.h"
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

const std::string kKey = TestJournal::kContentKey;

// The first row's column, deciphered, as the literal read returns it.
std::string literalRead(SqlDatabase& db, const std::string& id, const char* column) {
    SqlBuffer sql;
    SqlQuery query = db.query(sql.format("select * from Entry WHERE EntryID = '%q'", id.c_str()));
    return query.eof() ? std::string() : DecipherFromStorage(query.fieldValue(column), kKey);
}

void literalSave(SqlDatabase& db, const std::string& rtf, const std::string& id) {
    CHiddenRichEdit hidden;
    hidden.StreamInText(CHiddenRichEdit::SF_RTF, rtf);
    const std::string comment = EncipherForStorage(hidden.DerivedDescription(), kKey);
    const std::string text = EncipherForStorage(rtf, kKey);
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

class EntryStatements : public SessionFixture {
protected:
    // What the session's read gave and what the literal read gives, failure messages included
    // (the session shows them; the script expects exactly the literal one).
    template <class Literal, class Session>
    void compareRead(Literal&& literal, Session&& session, const std::string& what) {
        std::string expected;
        std::string failure;
        try {
            expected = literal();
        } catch (const CppSQLite3Exception& e) {
            failure = e.message();
            ui.answerMessage(JournalMessages::DatabaseFailure(e.code(), doc.m_path),
                             MessageAnswer::Ok);
        }
        const std::string actual = session();
        EXPECT_EQ(actual, failure.empty() ? expected : std::string()) << what;
    }
};

} // namespace

TEST_F(EntryStatements, WritesAndReadsEqualTheLiteralStatements) {
    int reads = 0;
    for (std::uint32_t seed = 100; seed < 130; ++seed) {
        TestJournal journal;
        journal.db().execute("UPDATE Config SET PromptForComment = 0");
        RandomJournal random(seed);
        random.fill(journal.db(), kKey);
        const std::string oracle = pathFor("oracle.qbk");
        std::filesystem::copy_file(journal.path(), oracle,
                                   std::filesystem::copy_options::overwrite_existing);
        ASSERT_EQ(open(journal.path()), CQBKDoc::OpenOk);
        SqlDatabase literal;
        literal.open(oracle);

        for (int step = 0; step < 25; ++step) {
            const std::string id = random.chance(10) ? std::string() : random.entryId();
            SqlBuffer sql;
            // A write aimed at a row that is not there changes nothing and says so.
            const auto there = [&](const char* table, const char* column, const std::string& key) {
                SqlQuery q = literal.query(
                    sql.format("SELECT 1 FROM %s WHERE %s = '%q'", table, column, key.c_str()));
                const bool found = !q.eof();
                q.finalize();
                return found;
            };
            const bool entryThere = there("Entry", "EntryID", id);
            const int kind = static_cast<int>(random.below(9));
            if (kind >= 1 && kind <= 3 && !entryThere)
                ui.answerMessage(JournalMessages::kEntryGone, MessageAnswer::Ok);
            switch (kind) {
            case 0: {
                const std::string rtf = random.rtf();
                std::string saved = id;
                // A gone entry is saved as a new one, which the literal statement cannot be.
                if (saved.empty() || saved == "{new_entry}" || !entryThere)
                    break;
                doc.SaveEntry(rtf, saved);
                literalSave(literal, rtf, id);
                break;
            }
            case 1: {
                const bool user = random.chance(2);
                doc.SetEntryComment(user, "note " + id, id);
                literal.execute(sql.format(
                    "UPDATE Entry SET Comment=%Q, UserComment='%d' WHERE EntryID = '%q'",
                    EncipherForStorage("note " + id, kKey).c_str(), user ? 1 : 0, id.c_str()));
                break;
            }
            case 2: {
                const COleDateTime when(2005, 1, 1 + static_cast<int>(random.below(28)), 8, 30, 0);
                doc.SetEntryTimeStamp(when, id);
                literal.execute(sql.format("UPDATE Entry SET TimeStamp='%q' WHERE EntryID = '%q'",
                                           MakeTimeStamp(when).c_str(), id.c_str()));
                break;
            }
            case 3:
                EXPECT_EQ(doc.DeleteEntry(id), entryThere);
                literal.execute(sql.format("DELETE FROM Entry WHERE EntryID = '%q'", id.c_str()));
                break;
            case 4: {
                const std::string folder = random.folderId();
                if (folder != "{Root}" && !there("Folder", "FolderID", folder)) {
                    ui.answerMessage(JournalMessages::kDropFolderGone, MessageAnswer::Ok);
                    doc.MoveEntry(id, folder);
                    break; // refused: nothing is written
                }
                if (!entryThere)
                    ui.answerMessage(JournalMessages::kEntryGone, MessageAnswer::Ok);
                doc.MoveEntry(id, folder);
                literal.execute(sql.format("UPDATE Entry SET FolderID = '%q' WHERE EntryID = '%q'",
                                           folder.c_str(), id.c_str()));
                break;
            }
            case 5: {
                // Another connection adds a row with an id already in use, or renames one.
                const std::string change =
                    random.chance(2)
                        ? sql.format("INSERT INTO Entry (EntryID, TimeStamp, Comment, EntryText) "
                                     "VALUES ('%q', '2004-07-05 10:00', %Q, %Q)",
                                     id.c_str(), EncipherForStorage("added", kKey).c_str(),
                                     EncipherForStorage("{\\rtf1 added}", kKey).c_str())
                        : sql.format("UPDATE Entry SET EntryID = '%q' WHERE EntryID = '%q'",
                                     random.entryId().c_str(), id.c_str());
                rawExec(journal.path(), change);
                literal.execute(change);
                break;
            }
            case 6: {
                // The session's own connection, behind the operations' back.
                const std::string change =
                    sql.format("UPDATE Entry SET rowid = rowid + (SELECT max(rowid) FROM Entry), "
                               "EntryID = '%q' WHERE "
                               "EntryID = '%q'",
                               random.entryId().c_str(), id.c_str());
                doc.m_db.execute(change);
                literal.execute(change);
                break;
            }
            default:
                compareRead([&] { return literalRead(literal, id, "EntryText"); },
                            [&] { return doc.LoadEntryText(id); }, "text of " + id);
                compareRead([&] { return literalRead(literal, id, "Comment"); },
                            [&] { return doc.LoadEntryComment(id); }, "comment of " + id);
                compareRead(
                    [&] {
                        SqlQuery q = literal.query(sql.format(
                            "SELECT TimeStamp FROM Entry WHERE EntryID = '%q'", id.c_str()));
                        const std::string stamp = q.eof() ? std::string() : q.textField(0);
                        q.finalize();
                        return FormatTimeStamp(literal, stamp.c_str());
                    },
                    [&] { return doc.GetEntryDateText(id); }, "date of " + id);
                reads += 3;
                break;
            }
            ASSERT_EQ(dumpJournal(journal.path()), dumpJournal(oracle))
                << "seed " << seed << ", step " << step << ", id " << id;
        }
        doc.CloseJournal();
    }
    EXPECT_GT(reads, 100);
}
