#include "core/store/FolderTable.h"
#include "core/store/JournalMessages.h"
#include "core/store/StoredText.h"
#include "support/RawSqlite.h"
#include "support/SessionFixture.h"

namespace {

class Entries : public SessionFixture {
protected:
    std::string path;
    void SetUp() override { path = createJournal("e.qbk"); }

    RawRow entryRow(const std::string& id) {
        const auto rows = rawQuery(path, "SELECT TimeStamp, FolderID, Comment, UserComment, "
                                         "EntryText FROM Entry WHERE EntryID = '" +
                                             id + "'");
        EXPECT_EQ(rows.size(), 1u);
        return rows.empty() ? RawRow(5) : rows.front();
    }
    std::string stored(const RawValue& value) {
        return doc.Reader().Decipher(value ? value->c_str() : nullptr);
    }
};

} // namespace

TEST_F(Entries, NewEntryGetsIdTimeFolderAndDerivedDescription) {
    FolderTable(doc.Reader().Db()).Insert("{F1}", "{Root}", "F"); // a new entry's folder exists
    doc.SetCurrentFolderId("{F1}");
    const std::string rtf = "{\\rtf1\\ansi Short first line\\par\r\nsecond\\tab line \\par\r\n}";
    log.clear();
    const std::string id = saveNewEntry(rtf);
    EXPECT_EQ(id.size(), 38u);
    EXPECT_EQ(log.calls, std::vector<std::string>{"LoadEntries"});
    const RawRow row = entryRow(id);
    EXPECT_EQ(row[0]->size(), 16u);
    EXPECT_EQ(*row[1], "{F1}");
    EXPECT_EQ(stored(row[2]), "Short first line second\tline");
    EXPECT_EQ(*row[3], "0");
    EXPECT_EQ(stored(row[4]), rtf);

    // Later saves refresh the derived description, trimmed and cut, while the user typed none.
    std::string again = id;
    doc.SaveEntry("{\\rtf1 \\tab  " + std::string(100, 'x') + "  \\par}", again);
    EXPECT_EQ(again, id);
    EXPECT_EQ(stored(entryRow(id)[2]), std::string(65, 'x'));

    // An empty text stores an empty description: the codec's text "x".
    const std::string empty = saveNewEntry("");
    EXPECT_EQ(*entryRow(empty)[2], "x");
}

TEST_F(Entries, CommentPromptDecidesTheCommentAndTheSetting) {
    rawExec(path, "UPDATE Config SET PromptForComment = 1");
    // Typed comment, box left ticked.
    ui.acceptDialog<CommentValues>([](CommentValues& v) {
        EXPECT_TRUE(v.m_bAlwaysPrompt);
        EXPECT_TRUE(v.m_comment.empty());
        v.m_comment = "It's mine";
    });
    const std::string typed = saveNewEntry("{\\rtf1 body\\par}");
    EXPECT_EQ(stored(entryRow(typed)[2]), "It's mine");
    EXPECT_EQ(*entryRow(typed)[3], "1");
    // A user comment survives later saves.
    std::string id = typed;
    doc.SaveEntry("{\\rtf1 new body\\par}", id);
    EXPECT_EQ(stored(entryRow(typed)[2]), "It's mine");

    // Cancelled with the box cleared: nothing of the dialog counts.
    ui.cancelDialog<CommentValues>();
    const std::string cancelled = saveNewEntry("{\\rtf1 derived\\par}");
    EXPECT_EQ(stored(entryRow(cancelled)[2]), "derived");
    EXPECT_EQ(*rawQuery(path, "SELECT PromptForComment FROM Config")[0][0], "1");

    // OK with an empty comment and the box cleared: derived description, prompt switched off.
    ui.acceptDialog<CommentValues>([](CommentValues& v) { v.m_bAlwaysPrompt = false; });
    const std::string empty = saveNewEntry("{\\rtf1 plain\\par}");
    EXPECT_EQ(stored(entryRow(empty)[2]), "plain");
    EXPECT_EQ(*entryRow(empty)[3], "0");
    EXPECT_EQ(*rawQuery(path, "SELECT PromptForComment FROM Config")[0][0], "0");
    saveNewEntry("{\\rtf1 no prompt now\\par}"); // the script would fail on a dialog
}

TEST_F(Entries, TopicsChosenBeforeTheFirstSaveMoveWithTheRowOnly) {
    rawExec(path,
            "INSERT INTO Entry2Topic VALUES ('{new_entry}', '{T1}'), ('{new_entry}', '{T2}')");

    // A row that cannot be written keeps the entry unsaved with its topics.
    rawExec(path, "CREATE TRIGGER refuse BEFORE INSERT ON Entry BEGIN SELECT RAISE(ABORT, 'disk "
                  "says no'); END");
    ui.answerMessage("The journal could not be read or changed.", MessageAnswer::Ok);
    EXPECT_EQ(saveNewEntry("{\\rtf1 text\\par}"), "{new_entry}");
    EXPECT_EQ(rawQuery(path, "SELECT * FROM Entry2Topic WHERE EntryID = '{new_entry}'").size(), 2u);
    EXPECT_TRUE(rawQuery(path, "SELECT * FROM Entry").empty());

    rawExec(path, "DROP TRIGGER refuse");
    const std::string id = saveNewEntry("{\\rtf1 text\\par}");
    EXPECT_EQ(rawQuery(path, "SELECT * FROM Entry2Topic WHERE EntryID = '" + id + "'").size(), 2u);
    EXPECT_TRUE(rawQuery(path, "SELECT * FROM Entry2Topic WHERE EntryID = '{new_entry}'").empty());

    // Deleting the entry leaves its links.
    EXPECT_TRUE(doc.DeleteEntry(id));
    EXPECT_TRUE(rawQuery(path, "SELECT * FROM Entry").empty());
    EXPECT_EQ(rawQuery(path, "SELECT * FROM Entry2Topic").size(), 2u);
}

// What the comparison with the literal statements (StatementEquivalence) cannot reach.
TEST_F(Entries, AnImpossibleDateIsIgnoredAndAGoneEntryPrintsNothing) {
    const std::string id = saveNewEntry("{\\rtf1 text\\par}");
    doc.SetEntryTimeStamp(COleDateTime(2004, 7, 5, 10, 45, 59), id);
    doc.SetEntryTimeStamp(COleDateTime(2004, 2, 30, 0, 0, 0), id); // impossible: ignored
    EXPECT_EQ(*entryRow(id)[0], "2004-07-05 10:45");

    doc.DeleteEntry(id);
    host.printedText = "untouched";
    ui.answerMessage(JournalMessages::kEntryGone, MessageAnswer::Ok);
    doc.PrintEntry(id, 0);
    EXPECT_EQ(host.printedText, "untouched") << "nothing reaches the printer";
    EXPECT_EQ(ui.messages().size(), 2u); // "Journal Created", then the entry is gone
}

// Asking to save first and closing with the journal are EntryDocument's (the real editor).
TEST_F(Entries, OpenEntryMakesTheEditorOnceAndReopeningOnlyFocusesIt) {
    const std::string a = saveNewEntry("{\\rtf1 A\\par}");
    log.clear();
    doc.OpenEntry(a);
    ASSERT_EQ(log.calls.size(), 4u);
    EXPECT_EQ(log.calls[0], "CreateEntryEditor");
    EXPECT_EQ(log.calls[2], "LoadEntry " + a);
    EXPECT_EQ(host.editor.loadedText, "{\\rtf1 A\\par}");
    log.clear();
    doc.OpenEntry(a);
    EXPECT_EQ(log.calls, std::vector<std::string>{"Focus"});
}

TEST_F(Entries, FoldersAndTopicsKeepApostrophesAndTheirRules) {
    rawExec(path, "INSERT INTO Folder VALUES ('{F}', '{Root}', 'Old'), ('{G}', '{F}', 'Sub')");
    doc.SetCurrentFolderId("{F}");
    doc.RenameFolder("Mum's things");
    EXPECT_EQ(rawValue(path, "SELECT Name FROM Folder WHERE FolderID = '{F}'"), "Mum's things");

    const std::string id = saveNewEntry("{\\rtf1 filed\\par}");
    EXPECT_TRUE(doc.FolderHasEntries("{F}"));
    EXPECT_EQ(doc.DeleteFolder(), 0);
    doc.MoveEntry(id, "{Root}");
    EXPECT_FALSE(doc.FolderHasEntries("{F}")); // not the answer kept from before the move
    rawExec(path, "UPDATE Entry SET FolderID = '{F}'");
    EXPECT_TRUE(doc.FolderHasEntries("{F}")); // nor after another program's write
    rawExec(path, "UPDATE Entry SET FolderID = '{Root}'");
    doc.MoveFolder("{G}", "{Root}");
    EXPECT_EQ(doc.DeleteFolder(), 1);
    EXPECT_EQ(rawQuery(path, "SELECT FolderID, ParentID FROM Folder").size(), 1u);

    log.clear();
    doc.NewTopic();
    const std::string topic = panes.lastTopicId;
    EXPECT_EQ(log.calls, std::vector<std::string>{"AddTopicItemAndEdit New Topic"});
    doc.RenameTopic(topic, "Kids' stuff");
    rawExec(path, "INSERT INTO Topic VALUES ('{T2}', 'Kids'' stuff')");
    rawExec(path, "INSERT INTO Entry2Topic VALUES ('" + id + "', '" + topic + "')");
    EXPECT_TRUE(doc.DeleteTopic(topic));
    EXPECT_TRUE(rawQuery(path, "SELECT * FROM Entry2Topic").empty());
    EXPECT_EQ(rawValue(path, "SELECT group_concat(Name, '|') FROM Topic"), "Kids' stuff");
}

// The window's once-a-second look: own writes are no news; a commit elsewhere is, once.
TEST_F(Entries, OnlyACommitFromElsewhereRefreshesThePanesAndOnlyOnce) {
    saveNewEntry("{\\rtf1 A\\par}");
    log.clear();
    EXPECT_FALSE(doc.RefreshIfChangedElsewhere());
    rawExec(path, "INSERT INTO Folder VALUES ('{F}', '{Root}', 'Elsewhere')");
    EXPECT_TRUE(doc.RefreshIfChangedElsewhere());
    EXPECT_FALSE(doc.RefreshIfChangedElsewhere());
    EXPECT_EQ(log.calls, (std::vector<std::string>{"LoadTopics", "Reload", "LoadEntries"}));
}
