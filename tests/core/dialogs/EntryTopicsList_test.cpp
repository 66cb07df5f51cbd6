#include "dialogs/EntryTopicsList.h"
#include "support/RawSqlite.h"
#include "support/SessionFixture.h"

namespace {

using Strings = std::vector<std::string>;

// A journal with four topics (in table order not sorted by name) and links of two entries.
class EntryTopics : public SessionFixture {
protected:
    std::string path;
    void SetUp() override {
        path = createJournal("t.qbk");
        rawExec(path, "INSERT INTO Topic VALUES ('{T-Z}', 'zebra'), ('{T-A}', 'Apple'), "
                      "('{T-M}', 'mango'), ('{T-Q}', 'Mary''s')");
        rawExec(path, "INSERT INTO Entry2Topic VALUES ('{E-1}', '{T-M}'), ('{E-1}', '{T-Z}'), "
                      "('{E-2}', '{T-A}')");
    }
    static Strings names(const EntryTopicsList& list) {
        Strings result;
        for (const TickedTopic& item : list.Items())
            result.push_back(item.topic.name);
        return result;
    }
    static Strings ticked(const EntryTopicsList& list) {
        Strings result;
        for (const TickedTopic& item : list.Items())
            if (item.ticked)
                result.push_back(item.topic.name);
        return result;
    }
    static void tick(EntryTopicsList& list, const std::string& name, bool on) {
        for (std::size_t i = 0; i < list.Items().size(); ++i)
            if (list.Items()[i].topic.name == name)
                list.SetTicked(i, on);
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

TEST_F(EntryTopics, ListsEveryTopicByNameWithTheEntrysTicksAndStoresTheTicksInListOrder) {
    // Trailing blanks, as an id can come from a list's text, still find the entry.
    EntryTopicsList list(doc.m_db, ui, "{E-1} \t");
    ASSERT_TRUE(list.IsEntryMode());
    list.Fill();
    EXPECT_EQ(names(list), (Strings{"Apple", "mango", "Mary's", "zebra"}));
    EXPECT_EQ(ticked(list), (Strings{"mango", "zebra"}));

    tick(list, "zebra", false);
    tick(list, "Mary's", true);
    tick(list, "Apple", true);
    ASSERT_TRUE(list.Accept(nullptr));
    EXPECT_EQ(linksOf("{E-1}"), (Strings{"{T-A}", "{T-M}", "{T-Q}"}));
    EXPECT_TRUE(linksOf("{E-1} \t").empty());
    EXPECT_EQ(linksOf("{E-2}"), Strings{"{T-A}"});

    // OK with nothing ticked takes every topic off the entry, and only off that entry.
    EntryTopicsList again(doc.m_db, ui, "{E-1}");
    again.Fill();
    EXPECT_EQ(ticked(again), (Strings{"Apple", "mango", "Mary's"}));
    again.TickAll(false);
    ASSERT_TRUE(again.Accept(nullptr));
    EXPECT_TRUE(linksOf("{E-1}").empty());
    EXPECT_EQ(linksOf("{E-2}"), Strings{"{T-A}"});
}

TEST_F(EntryTopics, AnUnsavedEntryKeepsItsLinksUnderTheReservedIdUntilItsFirstSave) {
    EntryTopicsList list(doc.m_db, ui, "{new_entry}");
    list.Fill();
    EXPECT_TRUE(ticked(list).empty());
    list.TickAll(true);
    ASSERT_TRUE(list.Accept(nullptr));
    EXPECT_EQ(linksOf("{new_entry}").size(), 4u);

    const std::string id = saveNewEntry("{\\rtf1 text\\par}");
    EXPECT_TRUE(linksOf("{new_entry}").empty());
    EXPECT_EQ(linksOf(id).size(), 4u);
}

TEST_F(EntryTopics, ALinkStoredTwiceListsItsTopicOnceAndIsStoredOnce) {
    rawExec(path, "INSERT INTO Entry2Topic VALUES ('{E-1}', '{T-M}')");
    EntryTopicsList list(doc.m_db, ui, "{E-1}");
    list.Fill();
    EXPECT_EQ(names(list), (Strings{"Apple", "mango", "Mary's", "zebra"}));
    ASSERT_TRUE(list.Accept(nullptr));
    EXPECT_EQ(linksOf("{E-1}"), (Strings{"{T-M}", "{T-Z}"}));
}

TEST_F(EntryTopics, TopicChoiceTicksThePresetIdsAndHandsBackTheTickedOnes) {
    // Ids where one is a part of another, and one holding an apostrophe and a comma.
    rawExec(path, "INSERT INTO Topic VALUES ('{T-M}X', 'mangold'), ('{T,''x}', 'odd')");
    const std::string before = fileBytes(path);

    EntryTopicsList none(doc.m_db, ui, "");
    ASSERT_FALSE(none.IsEntryMode());
    none.Fill();
    EXPECT_TRUE(ticked(none).empty());
    EXPECT_EQ(none.Choice(), TopicChoiceValues{});

    TopicChoiceValues values;
    values.m_chosenIds = "'{T-M}X','{T,''x}','{gone}'";
    EntryTopicsList list(doc.m_db, ui, "", values.m_chosenIds);
    list.Fill();
    EXPECT_EQ(ticked(list), (Strings{"mangold", "odd"}));
    tick(list, "Apple", true);
    ASSERT_TRUE(list.Accept(&values));
    EXPECT_EQ(values.m_chosenIds, "'{T-A}','{T-M}X','{T,''x}'");
    EXPECT_EQ(values.m_chosenNames, "Apple, mangold, odd");
    EXPECT_EQ(values.m_chosenCount, 3);
    // The list goes into SQL as it stands and finds exactly those topics.
    EXPECT_EQ(rawQuery(path, "SELECT Name FROM Topic WHERE TopicID In (" + values.m_chosenIds +
                                 ") ORDER BY Name")
                  .size(),
              3u);

    // Handed in again, the same topics come up ticked; nothing was written.
    EntryTopicsList next(doc.m_db, ui, "", values.m_chosenIds);
    next.Fill();
    EXPECT_EQ(ticked(next), (Strings{"Apple", "mangold", "odd"}));
    EXPECT_EQ(fileBytes(path), before);
}

TEST_F(EntryTopics, TicksSurviveTheMasterListButRenamedAndNewTopicsComeBackUnticked) {
    rawExec(path, "INSERT INTO Topic VALUES ('{T-2}', 'mango')"); // a second "mango"
    EntryTopicsList list(doc.m_db, ui, "{E-1}");
    list.Fill();
    EXPECT_EQ(ticked(list), (Strings{"mango", "zebra"}));
    tick(list, "Apple", true);
    tick(list, "zebra", false);
    tick(list, "Mary's", true);

    // What the master list might have done meanwhile.
    rawExec(path, "UPDATE Topic SET Name = 'Marys' WHERE TopicID = '{T-Q}'");
    rawExec(path, "INSERT INTO Topic VALUES ('{T-N}', 'New Topic')");
    rawExec(path, "DELETE FROM Topic WHERE TopicID = '{T-Z}'");
    list.RefreshKeepingTicks();
    EXPECT_EQ(names(list), (Strings{"Apple", "mango", "mango", "Marys", "New Topic"}));
    // Of the two "mango" only the ticked one is ticked.
    EXPECT_EQ(ticked(list), (Strings{"Apple", "mango"}));
    ASSERT_TRUE(list.Accept(nullptr));
    EXPECT_EQ(linksOf("{E-1}"), (Strings{"{T-A}", "{T-M}"}));
}

TEST_F(EntryTopics, AFailedStoreIsShownKeepsTheOldLinksAndCanBeRetried) {
    EntryTopicsList list(doc.m_db, ui, "{E-1}");
    list.Fill();
    list.TickAll(true);
    // The second insert is refused, after the old links were deleted.
    rawExec(path, "CREATE TRIGGER refuse BEFORE INSERT ON Entry2Topic WHEN new.TopicID = '{T-M}' "
                  "BEGIN SELECT RAISE(ABORT, 'disk says no'); END");
    ui.answerMessage("SQLITE_CONSTRAINT[19]: disk says no", MessageAnswer::Ok);
    EXPECT_FALSE(list.Accept(nullptr));
    EXPECT_EQ(ui.messages().back().icon, MessageIcon::Exclamation);
    EXPECT_EQ(linksOf("{E-1}"), (Strings{"{T-M}", "{T-Z}"}));

    rawExec(path, "DROP TRIGGER refuse");
    EXPECT_TRUE(list.Accept(nullptr));
    EXPECT_EQ(linksOf("{E-1}").size(), 4u);
}

TEST_F(EntryTopics, AFailedFillIsShownAndListsNothing) {
    rawExec(path, "DROP TABLE Entry2Topic");
    ui.answerMessage("SQLITE_ERROR[1]: no such table: Entry2Topic", MessageAnswer::Ok);
    EntryTopicsList list(doc.m_db, ui, "{E-1}");
    list.Fill();
    EXPECT_TRUE(list.Items().empty());
}
