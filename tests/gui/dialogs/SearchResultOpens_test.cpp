// A double click on a search result, delivered as the window system delivers one (press,
// release, press, release close together), opens that entry in the entry editor.
#include "app/CMainFrame.h"
#include "browser/EntryListModel.h"
#include "dialogs/CSearchDlg.h"
#include "editor/CEntryFrame.h"
#include "editor/EntryEditorTemplate.h"
#include "platform/ControlId.h"
#include "store/CQBKDoc.h"
#include "support/AppTest.h"
#include "support/TestJournal.h"

#include <QLineEdit>
#include <QTest>
#include <QTreeView>
#include <QWindow>

namespace {

class SearchResultOpens : public AppTest {
protected:
    TestJournal journal;
};

TEST_F(SearchResultOpens, ADoubleClickOnAResultOpensItsEntryInTheEditor) {
    setShowWelcome(0);
    journal.addEntry("{E-1}", "2024-03-05 08:00", "{Root}", "", false,
                     "{\\rtf1\\ansi Harbour in the fog\\par}");
    journal.addEntry("{E-2}", "2024-03-07 12:00", "{Root}", "", false,
                     "{\\rtf1\\ansi The harbourmaster waved\\par}");
    startWithRealPanes();
    ASSERT_TRUE(m_started);
    CQBKDoc& doc = m_app->Document();
    ASSERT_EQ(doc.OpenJournal(journal.path()), CQBKDoc::OpenOk);
    settle();
    trigger(&frame(), QStringLiteral("actionSearch"));
    settle();
    auto* dialog = dynamic_cast<CSearchDlg*>(doc.m_pSearchDlg);
    ASSERT_NE(dialog, nullptr);
    auto* find = findControl<QLineEdit>(dialog, CSearchDlg::kFindTextId);
    find->setFocus();
    QTest::keyClicks(find, QStringLiteral("harbour"));
    QTest::keyClick(find, Qt::Key_Return);
    settle();
    QTreeView* results = dialog->results();
    ASSERT_EQ(results->model()->rowCount(), 2);
    ASSERT_EQ(m_app->Editor()->Frame(), nullptr);

    // A single click first: it selects the row and opens nothing.
    const auto pointOf = [&](int row) {
        const QPoint inView = results->visualRect(results->model()->index(row, 1)).center();
        return results->viewport()->mapTo(dialog, inView);
    };
    QWindow* window = dialog->windowHandle();
    ASSERT_NE(window, nullptr);
    QTest::mouseClick(window, Qt::LeftButton, {}, pointOf(0));
    settle();
    EXPECT_EQ(results->currentIndex().row(), 0);
    EXPECT_EQ(m_app->Editor()->Frame(), nullptr);

    const int row = dialog->resultRows()->row(1).entryId == "{E-2}" ? 1 : 0;
    QTest::mouseDClick(window, Qt::LeftButton, {}, pointOf(row));
    settle();
    CEntryFrame* editor = m_app->Editor()->Frame();
    ASSERT_NE(editor, nullptr);
    EXPECT_NE(editor->GetEntryText().find("harbourmaster"), std::string::npos);
}

} // namespace
