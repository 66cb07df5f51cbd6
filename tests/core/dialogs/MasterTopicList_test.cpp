#include "dialogs/MasterTopicList.h"
#include "support/RawSqlite.h"
#include "support/SessionFixture.h"

namespace {

using Strings = std::vector<std::string>;

class MasterTopics : public SessionFixture {
protected:
    std::string path;
    void SetUp() override {
        path = createJournal("m.qbk");
        rawExec(path, "INSERT INTO Topic VALUES ('{T-Z}', 'zebra'), ('{T-B}', 'beta'), "
                      "('{T-A}', 'Alpha')");
        rawExec(path, "INSERT INTO Entry2Topic VALUES ('{E-1}', '{T-A}'), ('{E-2}', '{T-B}')");
        log.clear();
    }
    static Strings names(const MasterTopicList& list) {
        Strings result;
        for (const TopicItem& item : list.Items())
            result.push_back(item.name);
        return result;
    }
    std::string storedName(const std::string& id) {
        const auto rows = rawQuery(path, "SELECT Name FROM Topic WHERE TopicID = '" + id + "'");
        return rows.size() == 1 && rows[0][0] ? *rows[0][0]
                                              : "<" + std::to_string(rows.size()) + ">";
    }
    void refuse(const char* event) {
        rawExec(path, std::string("CREATE TRIGGER refuse BEFORE ") + event +
                          " ON Topic BEGIN SELECT RAISE(ABORT, 'disk says no'); END");
    }
    static constexpr const char* kRefused = "SQLITE_CONSTRAINT[19]: disk says no";
};

} // namespace

TEST_F(MasterTopics, FillsByNameWithTheFirstSelectedAndFinishRefreshesThePanes) {
    MasterTopicList list(doc, ui);
    list.Fill();
    EXPECT_EQ(names(list), (Strings{"Alpha", "beta", "zebra"}));
    EXPECT_EQ(list.Selected(), 0);
    EXPECT_TRUE(log.calls.empty());
    list.Finish();
    EXPECT_EQ(log.calls, (Strings{"LoadTopics", "LoadEntries"}));

    rawExec(path, "DELETE FROM Topic");
    list.Fill();
    EXPECT_EQ(list.Selected(), -1);
}

TEST_F(MasterTopics, AddStoresANewTopicAtOnceAndItsNameEditRenamesIt) {
    MasterTopicList list(doc, ui);
    list.Fill();
    const int added = list.Add();
    ASSERT_EQ(added, 2);
    EXPECT_EQ(list.Selected(), 2);
    EXPECT_EQ(names(list), (Strings{"Alpha", "beta", "New Topic", "zebra"}));
    const std::string id = list.Items()[2].id;
    EXPECT_EQ(id.size(), 38u);
    EXPECT_EQ(storedName(id), "New Topic");

    // The name typed moves the topic to its place, apostrophe and all.
    EXPECT_EQ(list.Rename(added, "Aardvark's"), 0);
    EXPECT_EQ(list.Selected(), 0);
    EXPECT_EQ(names(list), (Strings{"Aardvark's", "Alpha", "beta", "zebra"}));
    EXPECT_EQ(storedName(id), "Aardvark's");

    // An edit left with Esc renames nothing: the topic stays "New Topic".
    const int second = list.Add();
    EXPECT_EQ(storedName(list.Items()[static_cast<std::size_t>(second)].id), "New Topic");
    EXPECT_EQ(rawQuery(path, "SELECT * FROM Topic").size(), 5u);
}

TEST_F(MasterTopics, UnchangedOrEmptyNamesStoreNothingAndAFailedRenameKeepsTheListsName) {
    MasterTopicList list(doc, ui);
    list.Fill();
    refuse("UPDATE");
    // Nothing is sent to the journal, so the refusal is never met (the scripted UI fails the
    // test on a message it does not expect).
    EXPECT_EQ(list.Rename(1, "beta"), 1);
    EXPECT_EQ(list.Rename(1, ""), 1);
    EXPECT_EQ(names(list), (Strings{"Alpha", "beta", "zebra"}));
    // Case counts as a change.
    ui.answerMessage(kRefused, MessageAnswer::Ok);
    EXPECT_EQ(list.Rename(1, "Beta"), 1);
    EXPECT_EQ(names(list), (Strings{"Alpha", "Beta", "zebra"}));
    EXPECT_EQ(storedName("{T-B}"), "beta");
}

TEST_F(MasterTopics, DeleteRemovesTopicAndLinksAndSelectsTheNextOrTheNewLast) {
    MasterTopicList list(doc, ui);
    list.Fill();
    list.Select(1); // beta
    list.DeleteSelected();
    EXPECT_EQ(names(list), (Strings{"Alpha", "zebra"}));
    EXPECT_EQ(list.Selected(), 1);
    EXPECT_EQ(storedName("{T-B}"), "<0>");
    EXPECT_TRUE(rawQuery(path, "SELECT * FROM Entry2Topic WHERE TopicID = '{T-B}'").empty());
    EXPECT_EQ(rawQuery(path, "SELECT * FROM Entry2Topic").size(), 1u);

    // The last of two: the new last is selected. The first of two: the other one.
    list.DeleteSelected();
    EXPECT_EQ(names(list), Strings{"Alpha"});
    EXPECT_EQ(list.Selected(), 0);
    list.Add();
    list.Select(0);
    list.DeleteSelected();
    EXPECT_EQ(names(list), Strings{"New Topic"});
    EXPECT_EQ(list.Selected(), 0);
    list.DeleteSelected();
    EXPECT_EQ(list.Selected(), -1);
    list.DeleteSelected(); // nothing selected: nothing happens
    EXPECT_TRUE(rawQuery(path, "SELECT * FROM Topic").empty());
}

TEST_F(MasterTopics, FailuresAreShownAndTheListFollowsTheRules) {
    MasterTopicList list(doc, ui);
    list.Fill();
    // A refused add lists nothing.
    refuse("INSERT");
    ui.answerMessage(kRefused, MessageAnswer::Ok);
    EXPECT_EQ(list.Add(), -1);
    EXPECT_EQ(names(list), (Strings{"Alpha", "beta", "zebra"}));
    EXPECT_EQ(list.Selected(), 0);
    rawExec(path, "DROP TRIGGER refuse");

    // A refused delete still takes the item off the list; the topic stays without links.
    refuse("DELETE");
    ui.answerMessage(kRefused, MessageAnswer::Ok);
    list.DeleteSelected();
    EXPECT_EQ(names(list), (Strings{"beta", "zebra"}));
    EXPECT_EQ(storedName("{T-A}"), "Alpha");
    EXPECT_TRUE(rawQuery(path, "SELECT * FROM Entry2Topic WHERE TopicID = '{T-A}'").empty());
    EXPECT_EQ(ui.messages().back().icon, MessageIcon::Exclamation);
}
