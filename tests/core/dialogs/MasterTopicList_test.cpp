#include "dialogs/MasterTopicList.h"
#include "support/RawSqlite.h"
#include "support/SessionFixture.h"

namespace {

using Strings = std::vector<std::string>;

class MasterTopics : public SessionFixture {
protected:
    std::string path;
    MasterTopicList list{doc, ui};
    void SetUp() override {
        path = createJournal("m.qbk");
        rawExec(path, "INSERT INTO Topic VALUES ('{T-Z}', 'zebra'), ('{T-B}', 'beta'), ('{T-A}', "
                      "'Alpha'); INSERT INTO Entry2Topic VALUES ('{E-1}', '{T-A}'), ('{E-2}', "
                      "'{T-B}')");
        doc.RefreshIfChangedElsewhere(); // the panes have seen what was written elsewhere
        log.clear();
        list.Fill();
    }
    // The names, "*" before the selected one.
    Strings shown() const {
        Strings result;
        for (std::size_t i = 0; i < list.Items().size(); ++i)
            result.push_back((static_cast<int>(i) == list.Selected() ? "*" : "") +
                             list.Items()[i].name);
        return result;
    }
    std::size_t rows(const std::string& sql) { return rawQuery(path, sql).size(); }
    void refuse(const std::string& event) {
        rawExec(path, "CREATE TRIGGER refuse BEFORE " + event +
                          " ON Topic BEGIN SELECT RAISE(ABORT, 'disk says no'); END");
        ui.answerMessage("The journal could not be read or changed.", MessageAnswer::Ok);
    }
};

} // namespace

TEST_F(MasterTopics, AddStoresNewTopicAtOnceAndItsEditedNameMovesIt) {
    EXPECT_EQ(shown(), (Strings{"*Alpha", "beta", "zebra"}));
    ASSERT_EQ(list.Add(), 2);
    const std::string id = list.Items()[2].id;
    EXPECT_EQ(id.size(), 38u);
    EXPECT_EQ(rows("SELECT * FROM Topic WHERE Name = 'New Topic' AND TopicID = '" + id + "'"), 1u);
    // A name edit left with Esc renames nothing: the topic stays "New Topic".
    EXPECT_EQ(list.Rename(2, "Aardvark's"), 0);
    EXPECT_EQ(shown(), (Strings{"*Aardvark's", "Alpha", "beta", "zebra"}));
    EXPECT_EQ(rows("SELECT * FROM Topic WHERE Name = 'Aardvark''s'"), 1u);
    EXPECT_TRUE(log.calls.empty());
    list.Finish();
    EXPECT_EQ(log.calls, (Strings{"LoadTopics", "LoadEntries"}));
}

TEST_F(MasterTopics, UnchangedOrEmptyNamesStoreNothingAndAFailedRenameKeepsTheNewName) {
    // The scripted UI fails the test on any message before the refusal it expects.
    refuse("UPDATE");
    EXPECT_EQ(list.Rename(1, "beta"), 1);
    EXPECT_EQ(list.Rename(1, ""), 1);
    EXPECT_EQ(list.Rename(1, "Beta"), 1); // case is a change: refused and shown
    EXPECT_EQ(shown(), (Strings{"Alpha", "*Beta", "zebra"}));
    EXPECT_EQ(rows("SELECT * FROM Topic WHERE Name = 'beta'"), 1u);
}

TEST_F(MasterTopics, DeleteAsksThenTakesTopicAndLinksAndSelectsTheNextOrTheNewLast) {
    const auto answer = [this](MessageAnswer yesOrNo) {
        ui.answerMessage("Are you sure you want to delete this topic from the journal?", yesOrNo);
    };
    list.Select(1);
    answer(MessageAnswer::No);
    list.DeleteSelected();
    EXPECT_EQ(shown(), (Strings{"Alpha", "*beta", "zebra"}));
    EXPECT_EQ(rows("SELECT * FROM Entry2Topic"), 2u);
    answer(MessageAnswer::Yes);
    list.DeleteSelected();
    EXPECT_EQ(shown(), (Strings{"Alpha", "*zebra"}));
    EXPECT_EQ(rows("SELECT * FROM Topic WHERE TopicID = '{T-B}'"), 0u);
    EXPECT_EQ(rows("SELECT * FROM Entry2Topic"), 1u);
    answer(MessageAnswer::Yes);
    list.DeleteSelected();
    EXPECT_EQ(shown(), Strings{"*Alpha"});
    list.Add();
    list.Select(0);
    answer(MessageAnswer::Yes);
    list.DeleteSelected();
    EXPECT_EQ(shown(), Strings{"*New Topic"});
    answer(MessageAnswer::Yes);
    list.DeleteSelected();
    list.DeleteSelected(); // nothing selected: nothing happens, nothing asked
    EXPECT_EQ(list.Selected(), -1);
    EXPECT_EQ(rows("SELECT * FROM Topic"), 0u);
}

TEST_F(MasterTopics, ARefusedAddListsNothingAndARefusedDeleteStillTakesTheItem) {
    refuse("INSERT");
    EXPECT_EQ(list.Add(), -1);
    EXPECT_EQ(shown(), (Strings{"*Alpha", "beta", "zebra"}));
    rawExec(path, "DROP TRIGGER refuse");
    ui.answerMessage("Are you sure you want to delete this topic from the journal?",
                     MessageAnswer::Yes);
    refuse("DELETE");
    list.DeleteSelected();
    EXPECT_EQ(shown(), (Strings{"*beta", "zebra"}));
    // The topic stays, without its links.
    EXPECT_EQ(rows("SELECT * FROM Topic WHERE TopicID = '{T-A}'"), 1u);
    EXPECT_EQ(rows("SELECT * FROM Entry2Topic WHERE TopicID = '{T-A}'"), 0u);
    EXPECT_EQ(ui.messages().back().icon, MessageIcon::Exclamation);
    EXPECT_EQ(ui.messages().back().detail, "SQLITE_CONSTRAINT[19]: disk says no");
}
