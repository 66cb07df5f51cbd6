#include "dialogs/EntryTopicsList.h"
#include "support/RawSqlite.h"
#include "support/SessionFixture.h"

namespace {

using Strings = std::vector<std::string>;

// Four topics, not in name order in the table, and links of two entries.
class EntryTopics : public SessionFixture {
protected:
    std::string path;
    void SetUp() override {
        path = createJournal("t.qbk");
        rawExec(path, "INSERT INTO Topic VALUES ('{T-Z}', 'zebra'), ('{T-A}', 'Apple'), "
                      "('{T-M}', 'mango'), ('{T-Q}', 'Mary''s'); INSERT INTO Entry2Topic VALUES "
                      "('{E-1}', '{T-M}'), ('{E-1}', '{T-Z}'), ('{E-1}', '{T-Z}'), "
                      "('{E-2}', '{T-A}')");
    }
    // The list's names, "+" before a ticked one.
    static Strings shown(const EntryTopicsList& list) {
        Strings result;
        for (const TickedTopic& item : list.Items())
            result.push_back((item.ticked ? "+" : "") + item.topic.name);
        return result;
    }
    Strings linksOf(const std::string& entryId) {
        Strings ids;
        for (const RawRow& row :
             rawQuery(path, "SELECT TopicID FROM Entry2Topic WHERE EntryID = '" + entryId +
                                "' ORDER BY rowid"))
            ids.push_back(*row[0]);
        return ids;
    }
};

} // namespace

TEST_F(EntryTopics, ShowsTheEntrysTicksByNameAndReplacesItsLinksInListOrder) {
    // Trailing blanks are not part of the id; a link stored twice lists its topic once.
    EntryTopicsList list(doc.m_db, ui, "{E-1} \t");
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

TEST_F(EntryTopics, TopicChoiceTicksExactlyThePresetIdsAndHandsBackTheTicked) {
    // One id is part of another; one holds an apostrophe and a comma.
    rawExec(path, "INSERT INTO Topic VALUES ('{T-M}X', 'mangold'), ('{T,''x}', 'odd')");
    const std::string before = fileBytes(path);
    TopicChoiceValues values;
    EntryTopicsList none(doc.m_db, ui, "");
    none.Fill();
    ASSERT_TRUE(none.Accept(&values));
    EXPECT_EQ(values, TopicChoiceValues{});

    values.m_chosenIds = "'{T-M}X','{T,''x}','{gone}'";
    EntryTopicsList list(doc.m_db, ui, "", values.m_chosenIds);
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

TEST_F(EntryTopics, TicksSurviveTheMasterListWhileRenamedAndNewTopicsComeBackUnticked) {
    rawExec(path, "INSERT INTO Topic VALUES ('{T-2}', 'mango')"); // a second, unticked "mango"
    EntryTopicsList list(doc.m_db, ui, "{E-1}");
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

TEST_F(EntryTopics, AStoreThatFailsPartWayIsShownAndKeepsTheOldLinks) {
    EntryTopicsList list(doc.m_db, ui, "{E-1}");
    list.Fill();
    list.TickAll(true);
    // The second insert is refused, after the old links were deleted.
    rawExec(path, "CREATE TRIGGER refuse BEFORE INSERT ON Entry2Topic WHEN new.TopicID = '{T-M}' "
                  "BEGIN SELECT RAISE(ABORT, 'disk says no'); END");
    ui.answerMessage("The journal could not be read or changed.", MessageAnswer::Ok);
    EXPECT_FALSE(list.Accept(nullptr));
    EXPECT_EQ(ui.messages().back().icon, MessageIcon::Exclamation);
    EXPECT_EQ(linksOf("{E-1}"), (Strings{"{T-M}", "{T-Z}", "{T-Z}"}));
    rawExec(path, "DROP TRIGGER refuse");
    EXPECT_TRUE(list.Accept(nullptr));
    EXPECT_EQ(linksOf("{E-1}").size(), 4u);
}
