// The Comment and Change Entry Date dialogs run from the entry list of the main window on a
// real journal; what they end with is read back from the file.
#include "core/platform/CommandIds.h"
#include "core/session/CQBKDoc.h"
#include "gui/app/CMainFrame.h"
#include "gui/browser/CEntryListView.h"
#include "gui/dialogs/CChangeDateDlg.h"
#include "gui/dialogs/CCommentDlg.h"
#include "gui/platform/ControlId.h"
#include "support/AppTest.h"
#include "support/RawSqlite.h"
#include "support/TestJournal.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTest>
#include <QTimeEdit>

namespace {

class EntryValueDialogsTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        journal.addEntry("{E-1}", "2024-03-05 08:40", "{Root}", "first", true,
                         "{\\rtf1\\ansi Some text\\par}");
        rawExec(journal.path(), "UPDATE Config SET PromptForComment = 1");
        ASSERT_NO_FATAL_FAILURE(openOnRealPanes(journal.path()));
        clickEntryRow(0);
    }
    std::string stored(const char* sql) const { return *rawQuery(journal.path(), sql)[0][0]; }

    TestJournal journal;
};

TEST_F(EntryValueDialogsTest, CommentTakesAHundredCharactersAndTheAlwaysPromptSetting) {
    m_modals.then([](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), QStringLiteral("CCommentDlg"));
        auto* edit = findControl<QLineEdit>(dialog, CCommentDlg::kCommentId);
        EXPECT_EQ(edit->text(), QStringLiteral("first"));
        EXPECT_TRUE(findControl<QCheckBox>(dialog, CCommentDlg::kAlwaysPromptId)->isChecked());
        typeInto(dialog, CCommentDlg::kCommentId,
                 QString(99, QLatin1Char('c')) + QStringLiteral("de"));
        EXPECT_EQ(edit->text().size(), 100); // the 101st character is not taken
        findControl<QCheckBox>(dialog, CCommentDlg::kAlwaysPromptId)->click();
        clickButton(dialog, QStringLiteral("OK"));
    });
    ASSERT_TRUE(entryList().handleCommand(ID_EDIT_COMMENT));
    EXPECT_EQ(m_app->Document().LoadEntryComment("{E-1}"), std::string(99, 'c') + "d");
    EXPECT_EQ(stored("SELECT UserComment FROM Entry"), "1");
    EXPECT_EQ(stored("SELECT PromptForComment FROM Config"), "0");

    // Cancel changes nothing.
    m_modals.then([](QWidget* dialog) {
        typeInto(dialog, CCommentDlg::kCommentId, QStringLiteral("dropped"));
        clickButton(dialog, QStringLiteral("Cancel"));
    });
    ASSERT_TRUE(entryList().handleCommand(ID_EDIT_COMMENT));
    EXPECT_EQ(m_app->Document().LoadEntryComment("{E-1}"), std::string(99, 'c') + "d");
}

TEST_F(EntryValueDialogsTest, BothPickersReachTheStoredTimeAndCancelKeepsIt) {
    m_modals.then([](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), QStringLiteral("CChangeDateDlg"));
        auto* date = findControl<QDateEdit>(dialog, CChangeDateDlg::kDateId);
        auto* time = findControl<QTimeEdit>(dialog, CChangeDateDlg::kTimeId);
        EXPECT_EQ(date->date(), QDate(2024, 3, 5));
        EXPECT_EQ(time->time(), QTime(8, 40));
        date->setFocus();
        date->setCurrentSection(QDateTimeEdit::DaySection);
        QTest::keyClick(date, Qt::Key_Up);
        QTest::keyClick(date, Qt::Key_Up);
        time->setFocus();
        time->setCurrentSection(QDateTimeEdit::HourSection);
        QTest::keyClick(time, Qt::Key_Down);
        clickButton(dialog, QStringLiteral("OK"));
    });
    ASSERT_TRUE(entryList().handleCommand(ID_ENTRY_CHANGE_DATE));
    EXPECT_EQ(stored("SELECT TimeStamp FROM Entry"), "2024-03-07 07:40");

    m_modals.then([](QWidget* dialog) { clickButton(dialog, QStringLiteral("Cancel")); });
    ASSERT_TRUE(entryList().handleCommand(ID_ENTRY_CHANGE_DATE));
    EXPECT_EQ(stored("SELECT TimeStamp FROM Entry"), "2024-03-07 07:40");
}

// With nothing preset the pickers show now, to the minute (no entry involved).
TEST_F(EntryValueDialogsTest, UnsetPickersShowTheCurrentDateAndTime) {
    const QDateTime before = QDateTime::currentDateTime();
    CChangeDateDlg dialog{ChangeDateValues{}};
    const ChangeDateValues shown = dialog.values();
    EXPECT_LE(std::abs(QDateTime(shown.m_date, shown.m_time).secsTo(before)), 60);
}

} // namespace
