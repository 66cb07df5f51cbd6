// The two topic dialogs in the running main window on a real journal.
#include "gui/app/CMainFrame.h"
#include "gui/browser/CEntryListView.h"
#include "gui/browser/CQBKView.h"
#include "gui/browser/CTopicListView.h"
#include "gui/browser/PaneContextMenu.h"
#include "gui/dialogs/CEditListBox.h"
#include "gui/dialogs/CEntryTopicsDlg.h"
#include "gui/dialogs/CMasterTopicsDlg.h"
#include "gui/platform/ControlId.h"
#include "support/AppTest.h"
#include "support/RawSqlite.h"
#include "support/TestJournal.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QListWidget>
#include <QTest>
#include <QTreeView>

namespace {

using Pane = CQBKView::Pane;

// The rows of a topic dialog's list as shown, "+" before a ticked one.
QString shown(QWidget* dialog, int listId) {
    QStringList texts;
    auto* list = findControl<QListWidget>(dialog, listId);
    for (int row = 0; list && row < list->count(); ++row)
        texts.append(
            (list->item(row)->checkState() == Qt::Checked ? QStringLiteral("+") : QString()) +
            list->item(row)->text());
    return texts.join(QLatin1Char(','));
}

void clickRow(QListWidget* list, int row, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(list->viewport(), button, {}, list->visualItemRect(list->item(row)).center());
}

// Ticks or unticks a row of the Entry Topics list as a user does with the keyboard.
void toggleRow(QWidget* dialog, int row) {
    auto* list = findControl<QListWidget>(dialog, CEntryTopicsDlg::kListId);
    ASSERT_TRUE(list != nullptr && row < list->count());
    clickRow(list, row);
    QTest::keyClick(list, Qt::Key_Space);
}

class TopicDialogsTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        journal.addTopic("{T-Z}", "zebra");
        journal.addTopic("{T-A}", "apple");
        journal.addTopic("{T-M}", "Mango");
        journal.addEntry("{E-1}", "2024-03-05 08:00", "{Root}", "first", true);
        journal.addEntry("{E-2}", "2024-03-06 08:00", "{Root}", "second", true);
        journal.link("{E-2}", "{T-Z}");
        ASSERT_NO_FATAL_FAILURE(openOnRealPanes(journal.path()));
    }
    std::size_t rows(const std::string& sql) const { return rawQuery(journal.path(), sql).size(); }

    TestJournal journal;
};

} // namespace

TEST_F(TopicDialogsTest, EntryTopicsFromTheContextMenuAndTheEditMenuStoreTheTicks) {
    QWidget* viewport = entryList().listControl()->viewport();
    clickEntryRow(0);
    ASSERT_EQ(entryList().rowAt(0)->entryId, "{E-1}");

    // Context menu, Topics...: every topic, none ticked; the buttons tick all and none; the ticks
    // outlive the master list (which survive is the topic list's rule); Cancel stores nothing.
    m_modals.then([](QWidget* dialog) {
        EXPECT_EQ(shown(dialog, CEntryTopicsDlg::kListId), QStringLiteral("apple,Mango,zebra"));
        clickButton(dialog, QStringLiteral("Select All"));
        EXPECT_EQ(shown(dialog, CEntryTopicsDlg::kListId), QStringLiteral("+apple,+Mango,+zebra"));
        clickButton(dialog, QStringLiteral("Unselect All"));
        toggleRow(dialog, 0);
        clickButton(dialog, QStringLiteral("Master Topic List..."));
    });
    m_modals.then([](QWidget* master) {
        EXPECT_NE(findControl<CEditListBox>(master, CMasterTopicsDlg::kListId), nullptr);
        clickButton(master, QStringLiteral("OK"));
    });
    m_modals.then([](QWidget* dialog) {
        EXPECT_EQ(shown(dialog, CEntryTopicsDlg::kListId), QStringLiteral("+apple,Mango,zebra"));
        clickButton(dialog, QStringLiteral("Cancel"));
    });
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, entryRowPoint(0),
                                viewport->mapToGlobal(entryRowPoint(0)));
    QCoreApplication::sendEvent(viewport, &menuEvent);
    auto* item = entryList().contextMenu()->findChild<QAction*>(QStringLiteral("entryMenuTopics"));
    ASSERT_TRUE(entryList().contextMenu()->isVisible() && item && item->isEnabled());
    item->trigger();
    entryList().contextMenu()->close();
    EXPECT_EQ(rows("SELECT * FROM Entry2Topic WHERE EntryID = '{E-1}'"), 0u);

    // Edit > Entry Topics... (the master list's OK left no row selected): two ticked, OK.
    clickEntryRow(0);
    m_modals.then([](QWidget* dialog) {
        toggleRow(dialog, 1);
        toggleRow(dialog, 2);
        clickButton(dialog, QStringLiteral("OK"));
    });
    trigger(&frame(), QStringLiteral("actionEntryTopics"));
    EXPECT_EQ(m_modals.handled(), 4u);
    EXPECT_EQ(rows("SELECT * FROM Entry2Topic WHERE EntryID = '{E-1}' AND TopicID IN ('{T-M}', "
                   "'{T-Z}')"),
              2u);
    // The list was rebuilt with the same row selected; its Topics column names both.
    EXPECT_EQ(entryList().selectedRow(), 0);
    EXPECT_EQ(
        QString::fromStdString(entryList().rowAt(0)->topics).split(QStringLiteral(", ")).size(), 2);
}

TEST_F(TopicDialogsTest, MasterTopicListAddsRenamesInPlaceAndDeletesThenRefreshesThePanes) {
    m_modals.then([this](QWidget* dialog) {
        auto* list = findControl<CEditListBox>(dialog, CMasterTopicsDlg::kListId);
        ASSERT_NE(list, nullptr);
        // Add edits the new topic's name; Enter keeps the typed name.
        clickButton(dialog, QStringLiteral("Add"));
        ASSERT_TRUE(list->isEditing());
        QTest::keyClicks(list->editor(), QStringLiteral("Kiwi's"));
        QTest::keyClick(list->editor(), Qt::Key_Return);
        EXPECT_EQ(shown(dialog, CMasterTopicsDlg::kListId),
                  QStringLiteral("apple,Kiwi's,Mango,zebra"));
        EXPECT_EQ(list->currentRow(), 1);
        clickRow(list, 0, Qt::RightButton); // not the selected item: no edit
        EXPECT_FALSE(list->isEditing());
        // Insert edits the selected item; Esc there discards the text, the dialog stays.
        clickRow(list, 2);
        QTest::keyClick(list, Qt::Key_Insert);
        ASSERT_TRUE(list->isEditing());
        QTest::keyClicks(list->editor(), QStringLiteral("Papaya"));
        QTest::keyClick(list->editor(), Qt::Key_Escape);
        EXPECT_FALSE(list->isEditing());
        EXPECT_EQ(list->item(2)->text(), QStringLiteral("Mango"));
        // So does a right click on the selected item; Enter on the dialog closes nothing.
        clickRow(list, 2, Qt::RightButton);
        ASSERT_TRUE(list->isEditing());
        QTest::keyClicks(list->editor(), QStringLiteral("Lemon"));
        QTest::keyClick(list->editor(), Qt::Key_Return);
        QTest::keyClick(list, Qt::Key_Return);
        EXPECT_TRUE(dialog->isVisible());
        // So does Rename; an edit ended otherwise (here by a resize) keeps the name.
        clickButton(dialog, QStringLiteral("Rename"));
        ASSERT_TRUE(list->isEditing());
        QTest::keyClicks(list->editor(), QStringLiteral("Lime"));
        list->resize(list->size() + QSize(0, 8));
        EXPECT_FALSE(list->isEditing());
        clickRow(list, 3);
        m_modals.then([](QWidget* box) { clickButton(box, QStringLiteral("Yes")); });
        clickButton(dialog, QStringLiteral("Delete"));
        EXPECT_EQ(list->count(), 3);
        clickButton(dialog, QStringLiteral("OK"));
    });
    trigger(&frame(), QStringLiteral("actionMasterTopicList"));
    EXPECT_EQ(rows("SELECT * FROM Topic WHERE Name IN ('apple', 'Kiwi''s', 'Lime')"), 3u);
    EXPECT_EQ(rows("SELECT * FROM Topic"), 3u);
    // OK refilled the topic pane and rebuilt the entry list.
    auto* topics = static_cast<CTopicListView*>(frame().View()->pane(Pane::TopicList));
    EXPECT_EQ(topics->GetListCtrl()->model()->rowCount(), 3);
    EXPECT_TRUE(entryList().rowAt(1)->topics.empty());

    // Esc closes the dialog; the topic added stays, the panes are not refreshed.
    m_modals.then([](QWidget* dialog) {
        clickButton(dialog, QStringLiteral("Add"));
        QTest::keyClick(findControl<CEditListBox>(dialog, CMasterTopicsDlg::kListId),
                        Qt::Key_Escape);
        EXPECT_FALSE(dialog->isVisible());
    });
    trigger(&frame(), QStringLiteral("actionMasterTopicList"));
    EXPECT_EQ(rows("SELECT * FROM Topic"), 4u);
    EXPECT_EQ(topics->GetListCtrl()->model()->rowCount(), 3);
}
