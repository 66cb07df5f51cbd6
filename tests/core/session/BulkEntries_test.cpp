// Deleting, moving and changing the topics of several entries at once: all of them or, after
// any failure part way, none.
#include "core/browser/EntrySelection.h"
#include "core/store/FolderTable.h"
#include "core/store/JournalMessages.h"
#include "core/store/TopicLinks.h"
#include "core/store/TopicTable.h"
#include "support/JournalDump.h"
#include "support/RawSqlite.h"
#include "support/SessionFixture.h"

#include <functional>

namespace {

class BulkEntries : public SessionFixture {
protected:
    // A journal of four entries in folder {A}; {B} empty; entries 0 and 2 carry T1 and T2,
    // entries 1 and 3 T1 only. The operations act on entries 0 to 2.
    void fill(const std::string& name) {
        doc.CloseJournal();
        path = createJournal(name);
        SqlDatabase& db = doc.Reader().Db();
        for (const char* id : {"{A}", "{B}"})
            FolderTable(db).Insert(id, "{Root}", id);
        for (const char* id : {"{T1}", "{T2}"})
            TopicTable(db).Insert(id, id);
        doc.SetCurrentFolderId("{A}");
        ids.clear();
        for (int i = 0; i < 4; ++i) {
            ids.push_back(saveNewEntry("{\\rtf1 entry " + std::to_string(i) + "\\par}"));
            TopicLinks(db).Add(ids.back(), "{T1}");
            if (i % 2 == 0)
                TopicLinks(db).Add(ids.back(), "{T2}");
        }
        selected.assign(ids.begin(), ids.begin() + 3);
    }
    bool tickOnlyT2() {
        const auto common = doc.TopicsOfAll(selected);
        EXPECT_EQ(common, std::vector<std::string>{"{T1}"});
        const EntrySelection::TopicChange change =
            EntrySelection::TopicChangeFor(common.value_or(std::vector<std::string>{}), {"{T2}"});
        return doc.ChangeEntriesTopics(selected, change.added, change.removed);
    }
    // The first column of each row of the query, joined.
    std::string joined(const std::string& sql) {
        std::string text;
        for (const RawRow& row : rawQuery(path, sql))
            text += row[0].value_or("") + ' ';
        return text;
    }

    std::string path;
    std::vector<std::string> ids, selected;
};

} // namespace

// Each operation reaches every selected entry and no other; after a failure part way, or with
// one entry gone meanwhile, the file stays as it was.
TEST_F(BulkEntries, AllOrNothing) {
    // The operation, what a query then gives, and a trigger's condition that makes it fail.
    struct Operation {
        const char* name;
        std::function<bool()> run;
        const char* query;
        const char* expected;
        const char* fault;
    };
    const Operation operations[] = {
        {"delete", [&] { return doc.DeleteEntries(selected); }, "SELECT count(*) FROM Entry", "1 ",
         "BEFORE DELETE ON Entry WHEN OLD.EntryID = '%1'"},
        {"move", [&] { return doc.MoveEntries(selected, "{B}"); },
         "SELECT FolderID FROM Entry ORDER BY rowid", "{B} {B} {B} {A} ",
         "BEFORE UPDATE ON Entry WHEN OLD.EntryID = '%1'"},
        // T1, carried by all three, goes; T2 reaches the one that lacked it, once.
        {"topics", [&] { return tickOnlyT2(); },
         "SELECT (SELECT group_concat(TopicID, '') FROM Entry2Topic l WHERE l.EntryID = "
         "e.EntryID) FROM Entry e ORDER BY e.rowid",
         "{T2} {T2} {T2} {T1} ", "BEFORE INSERT ON Entry2Topic WHEN NEW.EntryID = '%1'"},
    };
    for (const Operation& operation : operations) {
        SCOPED_TRACE(operation.name);
        fill(std::string(operation.name) + "-done.qbk");
        EXPECT_TRUE(operation.run());
        EXPECT_EQ(joined(operation.query), operation.expected);

        fill(std::string(operation.name) + ".qbk");
        // The second entry's write fails, after the first's went through.
        rawExec(path, "CREATE TRIGGER fault " +
                          QString::fromLatin1(operation.fault)
                              .arg(QString::fromStdString(ids[1]))
                              .toStdString() +
                          " BEGIN SELECT RAISE(ABORT, 'disk trouble'); END");
        const std::string before = dumpJournal(path);
        ui.answerMessage(MessageAnswer::Ok);
        EXPECT_FALSE(operation.run());
        EXPECT_EQ(dumpJournal(path), before);
        EXPECT_EQ(ui.pendingSteps(), 0u);

        // An entry another program deleted meanwhile: told, and nothing changes either.
        rawExec(path, "DROP TRIGGER fault; DELETE FROM Entry WHERE EntryID = '" + ids[2] + "'");
        const std::string remaining = dumpJournal(path);
        ui.answerMessage(JournalMessages::kEntryGone, MessageAnswer::Ok);
        EXPECT_FALSE(operation.run());
        EXPECT_EQ(dumpJournal(path), remaining);
    }
}

TEST_F(BulkEntries, AFolderOrTopicGoneMeanwhileStopsTheChange) {
    fill("gone.qbk");
    rawExec(path, "DELETE FROM Folder WHERE FolderID = '{B}'; DELETE FROM Topic WHERE TopicID "
                  "= '{T2}'");
    const std::string before = dumpJournal(path);
    ui.answerMessage(JournalMessages::kDropFolderGone, MessageAnswer::Ok);
    EXPECT_FALSE(doc.MoveEntries(selected, "{B}"));
    ui.answerMessage(JournalMessages::kTopicGone, MessageAnswer::Ok);
    EXPECT_FALSE(doc.ChangeEntriesTopics(selected, {"{T2}"}, {}));
    EXPECT_EQ(dumpJournal(path), before);
}
