// The panes show what the journal holds after each command that changes it: a new or renamed
// topic, a sort across folders, names typed in place.
#include "support/BrowserFixture.h"

#include "browser/EntryRows.h"

#include <QLineEdit>

namespace {

class PanesKeepInStepTest : public BrowserFixture {
protected:
    void fill() {
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
    Strings listedIds() const {
        Strings ids;
        for (int row = 0; row < entries->rowCount(); ++row)
            ids.push_back(entries->rowAt(row)->entryId);
        return ids;
    }
    QLineEdit* openEditor(QWidget* view) const {
        for (QLineEdit* line : view->findChildren<QLineEdit*>())
            if (line->isVisible())
                return line;
        return nullptr;
    }
    void clickHeader(int column) {
        QHeaderView* header = entries->listControl()->header();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    }
};

TEST_F(PanesKeepInStepTest, ANewTopicNarrowsTheListToItsOwnEntries) {
    fill();
    openJournal();
    clickTopic(0); // garden: two entries
    ASSERT_EQ(entries->rowCount(), 2);
    topics->setFocus();
    doc.handleCommand(ID_TOPIC_NEW);
    // The caption names the new topic the moment it is selected, and the list agrees.
    EXPECT_EQ(topicsCaption, QStringLiteral("New Topic"));
    EXPECT_EQ(entries->rowCount(), 0);
    typeName(topics->GetListCtrl(), QStringLiteral("Plans"));
    EXPECT_EQ(topicsCaption, QStringLiteral("Plans"));
    EXPECT_EQ(entries->rowCount(), 0);
}

TEST_F(PanesKeepInStepTest, ARenamedTopicIsShownInTheListAndThePreview) {
    fill();
    openJournal();
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
    EXPECT_EQ(rawQuery(journal.path(), "SELECT Name FROM Topic WHERE TopicID = '{T-1}'")[0][0],
              "allotment");
}

TEST_F(PanesKeepInStepTest, TheRootItemIsNeverRenamedInPlace) {
    fill();
    openJournal();
    QTreeWidget* tree = folders->treeControl();
    ASSERT_EQ(tree->currentItem(), tree->topLevelItem(0));
    const QString label = tree->topLevelItem(0)->text(0);
    QTest::keyClick(tree, Qt::Key_F2);
    EXPECT_EQ(openEditor(tree), nullptr);
    clickFolder(label); // a click on the selected item edits other items
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    EXPECT_EQ(openEditor(tree), nullptr);
    EXPECT_FALSE(stateWith(*folders, ID_FILE_RENAME_FOLDER).enabled);
    // A folder below it still is.
    clickFolder(QStringLiteral("Home"));
    QTest::keyClick(tree, Qt::Key_F2);
    EXPECT_NE(openEditor(tree), nullptr);
}

// Which column a sort means is kept while "In Folder" comes and goes: the columns move, the
// meaning does not.
TEST_F(PanesKeepInStepTest, ASortKeepsItsColumnsMeaningAcrossFolders) {
    fill();
    openJournal();
    const QString root = folders->treeControl()->topLevelItem(0)->text(0);
    struct Case {
        const char* folder;
        int clicked;      // column clicked while that folder is listed
        const char* then; // the folder listed next
        int expected;     // the sort column there
        const char* heading;
    };
    const Case cases[] = {
        {"Work", 2, "root", 3, "Topics"},
        {"root", 3, "Home", 2, "Topics"},
        {"root", 2, "Home", 0, "Date"}, // In Folder goes: back to the date
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.folder) + " column " + std::to_string(c.clicked));
        clickFolder(QString::fromLatin1(c.folder) == QStringLiteral("root")
                        ? root
                        : QString::fromLatin1(c.folder));
        entries->SortEntries(0, true); // a known state: date, ascending
        clickHeader(c.clicked);
        clickFolder(QString::fromLatin1(c.then) == QStringLiteral("root")
                        ? root
                        : QString::fromLatin1(c.then));
        EXPECT_EQ(SharedEntryListSort().column, c.expected);
        const QHeaderView* header = entries->listControl()->header();
        EXPECT_EQ(header->sortIndicatorSection(), c.expected);
        EXPECT_EQ(headings()[static_cast<std::size_t>(c.expected)], c.heading);
    }
    // Comment at the root, ascending, really sorts by comment.
    clickFolder(QStringLiteral("Work"));
    entries->SortEntries(0, true);
    clickHeader(1);
    clickFolder(root);
    EXPECT_EQ(columnTexts(1), (Strings{"apple harvest", "Bills", "Quarterly plan", "zucchini"}));
}

} // namespace
