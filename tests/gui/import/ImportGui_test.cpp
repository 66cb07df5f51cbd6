// File > Import... in the running main window: the dialog's choices reach the import, the
// preview is asked about and the report is shown.
#include "core/session/CQBKDoc.h"
#include "gui/app/CMainFrame.h"
#include "support/AppTest.h"
#include "support/RawSqlite.h"
#include "support/TestJournal.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>

namespace {

class ImportGuiTest : public AppTest {};

TEST_F(ImportGuiTest, MarkdownFolderThroughTheMenu) {
    TestJournal journal;
    journal.addFolder("{F-1}", "{Root}", "Old");
    QTemporaryDir source;
    ASSERT_TRUE(writeFile(source.filePath(QStringLiteral("2024-03-05.md")), "**Hello**"));
    ASSERT_TRUE(writeFile(source.filePath(QStringLiteral("2024-03-09.md")), "Bye"));
    ASSERT_NO_FATAL_FAILURE(startWithoutWelcome());
    ASSERT_EQ(m_app->Document().OpenJournal(journal.path()), CQBKDoc::OpenResult::Ok);
    settle();

    m_modals.then([&](QWidget* dialog) {
        dialog->findChild<QComboBox*>(QStringLiteral("importFormat"))->setCurrentIndex(1);
        dialog->findChild<QLineEdit*>(QStringLiteral("importSource"))->setText(source.path());
        auto* folder = dialog->findChild<QComboBox*>(QStringLiteral("importFolder"));
        folder->setCurrentIndex(folder->findText(QStringLiteral("Old")));
        clickButton(dialog, QStringLiteral("OK"));
    });
    m_modals.then([](QWidget* question) {
        EXPECT_TRUE(messageText(question).startsWith(u"2 entries from 2024-03-05 to 2024-03-09"));
        clickButton(question, QStringLiteral("Yes"));
    });
    m_modals.then([](QWidget* report) {
        EXPECT_EQ(messageText(report), u"2 entries imported, 0 skipped, 0 files could not be read");
        clickButton(report, QStringLiteral("OK"));
    });
    trigger(&frame(), QStringLiteral("actionImportJournal"));
    EXPECT_EQ(m_modals.handled(), 3u);
    EXPECT_EQ(rawValue(journal.path(), "SELECT group_concat(FolderID || ' ' || TimeStamp, ', ') "
                                       "FROM (SELECT * FROM Entry ORDER BY TimeStamp)"),
              "{F-1} 2024-03-05 12:00, {F-1} 2024-03-09 12:00");
}

} // namespace
