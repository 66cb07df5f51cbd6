#include "core/dialogs/EntryTopicsList.h"
#include "core/dialogs/MasterTopicList.h"
#include "support/RawSqlite.h"
#include "support/SessionFixture.h"

namespace {

using Strings = std::vector<std::string>;

// Four topics, not in name order in the table, and links of two entries.
class TopicLists : public SessionFixture {
protected:
    std::string path;
    MasterTopicList master{doc, ui};
    void SetUp() override {
        path = createJournal("t.qbk");
        rawExec(path, "INSERT INTO Topic VALUES ('{T-Z}', 'zebra'), ('{T-A}', 'Apple'), "
                      "('{T-M}', 'mango'), ('{T-Q}', 'Mary''s'); INSERT INTO Entry2Topic VALUES "
                      "('{E-1}', '{T-M}'), ('{E-1}', '{T-Z}'), ('{E-1}', '{T-Z}'), "
                      "('{E-2}', '{T-A}')");
        doc.RefreshIfChangedElsewhere(); // the panes have seen what was written elsewhere
        log.clear();
        master.Fill();
    }
    // The entry list's names, "+" before a ticked one.
    static Strings shown(const EntryTopicsList& list) {
        Strings result;
        for (const TickedTopic& item : list.Items())
            result.push_back((item.ticked ? "+" : "") + item.topic.name);
        return result;
    }
    // The master list's names, "*" before the selected one.
    Strings shown() const {
        Strings result;
        for (std::size_t i = 0; i < master.Items().size(); ++i)
            result.push_back((static_cast<int>(i) == master.Selected() ? "*" : "") +
                             master.Items()[i].name);
        return result;
    }
    std::size_t rows(const std::string& sql) { return rawQuery(path, sql).size(); }
    Strings linksOf(const std::string& entryId) {
        Strings ids;
        for (const RawRow& row :
             rawQuery(path, "SELECT TopicID FROM Entry2Topic WHERE EntryID = '" + entryId +
                                "' ORDER BY rowid"))
            ids.push_back(*row[0]);
        return ids;
    }
    // The next write of that kind fails, as a full disk would, and the failure is shown.
    void refuse(const std::string& when) {
        rawExec(path, "CREATE TRIGGER refuse BEFORE " + when +
                          " BEGIN SELECT RAISE(ABORT, 'disk says no'); END");
        ui.answerMessage("The journal could not be read or changed.", MessageAnswer::Ok);
    }
};

} // namespace

TEST_F(TopicLists, ShowsTheEntrysTicksByNameAndReplacesItsLinksInListOrder) {
    // Trailing blanks are not part of the id; a link stored twice lists its topic once.
    EntryTopicsList list(doc.Reader().Db(), ui, "{E-1} \t");
    list.Fill();
    EXPECT_EQ(shown(list), (Strings{"Apple", "+mango", "Mary's", "+zebra"}));
    list.SetTicked(3, false);
    list.SetTicked(2, true);
    list.SetTicked(0, true);
    ASSERT_TRUE(list.Accept(nullptr));
    EXPECT_EQ(linksOf("{E-1}"), (Strings{"{T-A}", "{T-M}", "{T-Q}"}));

    // Nothing ticked takes every topic off that entry only.
    list.TickAll(false);
    ASSERT_TRUE(list.Accept(nullptr));
    EXPECT_TRUE(linksOf("{E-1}").empty());
    EXPECT_EQ(linksOf("{E-2}"), Strings{"{T-A}"});
}

TEST_F(TopicLists, TopicChoiceTicksExactlyThePresetIdsAndHandsBackTheTicked) {
    // One id is part of another; one holds an apostrophe and a comma.
    rawExec(path, "INSERT INTO Topic VALUES ('{T-M}X', 'mangold'), ('{T,''x}', 'odd')");
    const std::string before = fileBytes(path);
    TopicChoiceValues values;
    EntryTopicsList none(doc.Reader().Db(), ui, "");
    none.Fill();
    ASSERT_TRUE(none.Accept(&values));
    EXPECT_EQ(values, TopicChoiceValues{});

    values.m_chosenIds = "'{T-M}X','{T,''x}','{gone}'";
    EntryTopicsList list(doc.Reader().Db(), ui, "", values.m_chosenIds);
    list.Fill();
    EXPECT_EQ(shown(list), (Strings{"Apple", "mango", "+mangold", "Mary's", "+odd", "zebra"}));
    list.SetTicked(0, true);
    ASSERT_TRUE(list.Accept(&values));
    EXPECT_EQ(values.m_chosenIds, "'{T-A}','{T-M}X','{T,''x}'");
    EXPECT_EQ(values.m_chosenNames, "Apple, mangold, odd");
    EXPECT_EQ(values.m_chosenCount, 3);
    // The id list goes into SQL as it stands and finds exactly those topics.
    EXPECT_EQ(
        rawQuery(path, "SELECT * FROM Topic WHERE TopicID In (" + values.m_chosenIds + ")").size(),
        3u);
    EXPECT_EQ(fileBytes(path), before);
}

TEST_F(TopicLists, TicksSurviveTheMasterListWhileRenamedAndNewTopicsComeBackUnticked) {
    rawExec(path, "INSERT INTO Topic VALUES ('{T-2}', 'mango')"); // a second, unticked "mango"
    EntryTopicsList list(doc.Reader().Db(), ui, "{E-1}");
    list.Fill();
    list.SetTicked(0, true);  // Apple
    list.SetTicked(3, true);  // Mary's
    list.SetTicked(4, false); // zebra
    rawExec(path, "UPDATE Topic SET Name = 'Marys' WHERE TopicID = '{T-Q}'; INSERT INTO Topic "
                  "VALUES ('{T-N}', 'New Topic'); DELETE FROM Topic WHERE TopicID = '{T-Z}'");
    list.RefreshKeepingTicks();
    EXPECT_EQ(shown(list), (Strings{"+Apple", "+mango", "mango", "Marys", "New Topic"}));
    ASSERT_TRUE(list.Accept(nullptr));
    EXPECT_EQ(linksOf("{E-1}"), (Strings{"{T-A}", "{T-M}"}));
}

TEST_F(TopicLists, AStoreThatFailsPartWayIsShownAndKeepsTheOldLinks) {
    EntryTopicsList list(doc.Reader().Db(), ui, "{E-1}");
    list.Fill();
    list.TickAll(true);
    // The second insert is refused, after the old links were deleted.
    refuse("INSERT ON Entry2Topic WHEN new.TopicID = '{T-M}'");
    EXPECT_FALSE(list.Accept(nullptr));
    EXPECT_EQ(ui.messages().back().icon, MessageIcon::Exclamation);
    EXPECT_EQ(linksOf("{E-1}"), (Strings{"{T-M}", "{T-Z}", "{T-Z}"}));
    rawExec(path, "DROP TRIGGER refuse");
    EXPECT_TRUE(list.Accept(nullptr));
    EXPECT_EQ(linksOf("{E-1}").size(), 4u);
}

TEST_F(TopicLists, AddStoresNewTopicAtOnceAndItsEditedNameMovesIt) {
    EXPECT_EQ(shown(), (Strings{"*Apple", "mango", "Mary's", "zebra"}));
    ASSERT_EQ(master.Add(), 3);
    const std::string id = master.Items()[3].id;
    EXPECT_EQ(rows("SELECT * FROM Topic WHERE Name = 'New Topic' AND TopicID = '" + id + "'"), 1u);
    // A name edit left with Esc renames nothing: the topic stays "New Topic".
    EXPECT_EQ(master.Rename(3, "Aardvark's"), 0);
    EXPECT_EQ(shown(), (Strings{"*Aardvark's", "Apple", "mango", "Mary's", "zebra"}));
    EXPECT_EQ(rows("SELECT * FROM Topic WHERE Name = 'Aardvark''s'"), 1u);
    EXPECT_TRUE(log.calls.empty());
    master.Finish();
    EXPECT_EQ(log.calls, (Strings{"LoadTopics", "LoadEntries"}));
}

TEST_F(TopicLists, UnchangedOrEmptyNamesStoreNothingAndAFailedRenameKeepsTheNewName) {
    // The scripted UI fails the test on any message before the refusal it expects.
    refuse("UPDATE ON Topic");
    EXPECT_EQ(master.Rename(1, "mango"), 1);
    EXPECT_EQ(master.Rename(1, ""), 1);
    EXPECT_EQ(master.Rename(1, "Mango"), 1); // case is a change: refused and shown
    EXPECT_EQ(shown(), (Strings{"Apple", "*Mango", "Mary's", "zebra"}));
    EXPECT_EQ(rows("SELECT * FROM Topic WHERE Name = 'mango'"), 1u);
}

TEST_F(TopicLists, DeleteAsksThenTakesTopicAndLinksAndSelectsTheNextOrTheNewLast) {
    const auto remove = [this](MessageAnswer yesOrNo) {
        ui.answerMessage("Are you sure you want to delete this topic from the journal?", yesOrNo);
        master.DeleteSelected();
    };
    master.Select(1);
    remove(MessageAnswer::No);
    EXPECT_EQ(shown(), (Strings{"Apple", "*mango", "Mary's", "zebra"}));
    EXPECT_EQ(rows("SELECT * FROM Entry2Topic"), 4u);
    remove(MessageAnswer::Yes);
    EXPECT_EQ(shown(), (Strings{"Apple", "*Mary's", "zebra"}));
    EXPECT_EQ(rows("SELECT * FROM Topic WHERE TopicID = '{T-M}'"), 0u);
    master.Select(2);
    remove(MessageAnswer::Yes);
    EXPECT_EQ(shown(), (Strings{"Apple", "*Mary's"}));
    remove(MessageAnswer::Yes);
    master.Add();
    master.Select(0);
    remove(MessageAnswer::Yes);
    EXPECT_EQ(shown(), Strings{"*New Topic"});
    remove(MessageAnswer::Yes);
    master.DeleteSelected(); // nothing selected: nothing happens, nothing asked
    EXPECT_EQ(master.Selected(), -1);
    EXPECT_EQ(rows("SELECT * FROM Topic"), 0u);
}

TEST_F(TopicLists, ARefusedAddListsNothingAndARefusedDeleteStillTakesTheItem) {
    refuse("INSERT ON Topic");
    EXPECT_EQ(master.Add(), -1);
    EXPECT_EQ(shown(), (Strings{"*Apple", "mango", "Mary's", "zebra"}));
    rawExec(path, "DROP TRIGGER refuse");
    ui.answerMessage("Are you sure you want to delete this topic from the journal?",
                     MessageAnswer::Yes);
    refuse("DELETE ON Topic");
    master.DeleteSelected();
    EXPECT_EQ(shown(), (Strings{"*mango", "Mary's", "zebra"}));
    // The topic stays, without its links.
    EXPECT_EQ(rows("SELECT * FROM Topic WHERE TopicID = '{T-A}'"), 1u);
    EXPECT_EQ(rows("SELECT * FROM Entry2Topic WHERE TopicID = '{T-A}'"), 0u);
}
