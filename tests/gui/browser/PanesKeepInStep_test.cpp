// The panes show what the journal holds after each command that changes it: a renamed topic,
// a sort across folders, names typed in place.
#include "support/BrowserFixture.h"

namespace {

class PanesKeepInStepTest : public BrowserFixture {
protected:
    void fill() override {
        journal.addFolder("{F-W}", "{Root}", "Work");
        journal.addFolder("{F-H}", "{Root}", "Home");
        journal.addTopic("{T-1}", "garden");
        journal.addTopic("{T-2}", "budget");
        journal.addEntry("{E-1}", "2024-03-05 08:00", "{F-W}", "Quarterly plan", true);
        journal.addEntry("{E-2}", "2023-11-20 18:45", "{F-H}", "apple harvest", true);
        journal.addEntry("{E-3}", "2024-01-15 12:10", "{F-H}", "Bills", true);
        journal.addEntry("{E-4}", "2024-02-29 23:59", "{F-W}", "zucchini", true);
        journal.link("{E-2}", "{T-1}");
        journal.link("{E-3}", "{T-1}");
        journal.link("{E-3}", "{T-2}");
    }
};

TEST_F(PanesKeepInStepTest, ARenamedTopicIsShownInTheListAndThePreview) {
    openFilled();
    clickTopic(0); // garden
    clickRow(1);
    const std::string shown = preview->entryId();
    ASSERT_EQ(shown, "{E-3}");
    topics->handleCommand(ID_FILE_RENAME_TOPIC);
    typeName(topics->GetListCtrl(), QStringLiteral("allotment"));
    ASSERT_EQ(headings()[3], "Topics");
    for (const std::string& text : columnTexts(3)) {
        EXPECT_NE(text.find("allotment"), std::string::npos) << text;
        EXPECT_EQ(text.find("garden"), std::string::npos) << text;
    }
    EXPECT_EQ(preview->entryId(), shown);
    EXPECT_TRUE(preview->topicsText().contains(QStringLiteral("allotment")));
    EXPECT_FALSE(preview->topicsText().contains(QStringLiteral("garden")));
    EXPECT_EQ(topicsCaption, QStringLiteral("allotment"));
    EXPECT_EQ(value("SELECT Name FROM Topic WHERE TopicID = '{T-1}'"), "allotment");
}

TEST_F(PanesKeepInStepTest, TheRootItemIsNeverRenamedInPlace) {
    openFilled();
    QTreeWidget* tree = folders->treeControl();
    ASSERT_EQ(tree->currentItem(), tree->topLevelItem(0));
    const QString label = tree->topLevelItem(0)->text(0);
    QTest::keyClick(tree, Qt::Key_F2);
    EXPECT_EQ(openEditor(tree), nullptr);
    clickFolder(label); // a click on the selected item edits other items
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    EXPECT_EQ(openEditor(tree), nullptr);
    // A folder below it still is.
    clickFolder(QStringLiteral("Home"));
    QTest::keyClick(tree, Qt::Key_F2);
    EXPECT_NE(openEditor(tree), nullptr);
}

// The sort's meaning follows "In Folder" as it comes (root listed) and goes (a folder listed);
// which column each meaning lands on is the sort state's own rule.
TEST_F(PanesKeepInStepTest, ASortKeepsItsColumnsMeaningAcrossFolders) {
    openFilled();
    const QString root = folders->treeControl()->topLevelItem(0)->text(0);
    const QHeaderView* header = entries->listControl()->header();
    clickFolder(QStringLiteral("Work"));
    clickHeader(2); // topics
    clickFolder(root);
    EXPECT_EQ(header->sortIndicatorSection(), 3);
    EXPECT_EQ(headings()[3], "Topics");
    EXPECT_EQ(SharedEntryListSort().column, 3);
    clickFolder(QStringLiteral("Home"));
    EXPECT_EQ(header->sortIndicatorSection(), 2);
    EXPECT_EQ(SharedEntryListSort().column, 2);
}

} // namespace
