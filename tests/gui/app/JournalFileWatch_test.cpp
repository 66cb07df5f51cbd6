// The window's watch of the journal file: another program deletes it, and at once the user is
// told so in those words and offered Save As, which goes on in the file chosen.
#include "core/session/CQBKDoc.h"
#include "core/session/JournalFileMessages.h"
#include "gui/browser/CEntryListView.h"
#include "support/AppTest.h"
#include "support/RawSqlite.h"
#include "support/TestJournal.h"

#include <QDialog>
#include <QFileDialog>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <cstdio>

namespace {

class JournalFileWatchTest : public AppTest {};

TEST_F(JournalFileWatchTest, ADeletedJournalIsToldAtOnceAndSaveAsGoesOnInTheNewFile) {
    startWithoutWelcome();
    TestJournal journal;
    journal.addEntry("{E}", "2024-05-01 08:00", "{Root}", "heron", false, "{\\rtf1 heron\\par}");
    CQBKDoc& doc = m_app->Document();
    ASSERT_EQ(doc.OpenJournal(journal.path()), CQBKDoc::OpenResult::Ok);
    QTemporaryDir elsewhere;
    const QString saved = elsewhere.filePath(QStringLiteral("saved.qbk"));

    m_modals.then([](QWidget* box) {
        EXPECT_EQ(messageText(box).toStdString(),
                  JournalFileMessages::OfferSaveAs(JournalFileIdentity::Fate::Deleted));
        clickButton(box, QStringLiteral("Yes"));
    });
    m_modals.then([saved](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        EXPECT_EQ(files->objectName(), QStringLiteral("saveJournalAsDialog"));
        files->selectFile(saved);
        static_cast<QDialog*>(files)->accept(); // as the Save button does
    });
    QTest::qWait(50); // the watch is set once the event loop has run
    ASSERT_EQ(std::remove(journal.path().c_str()), 0);
    QTRY_COMPARE_WITH_TIMEOUT(doc.Path(), saved.toStdString(), 5000);
    EXPECT_EQ(rawValue(doc.Path(), "SELECT EntryID FROM Entry"), "{E}");
}

// Another program's entry shows within two seconds, unasked, the selection and scroll kept.
TEST_F(JournalFileWatchTest, AnEntryAddedElsewhereShowsWithinTwoSecondsKeepingThePlace) {
    TestJournal journal;
    for (int i = 0; i < 60; ++i)
        journal.addEntry("{E-" + std::to_string(i) + "}",
                         QString::asprintf("2024-05-01 08:%02d", i).toStdString(), "{Root}", "row",
                         true);
    ASSERT_NO_FATAL_FAILURE(openOnRealPanes(journal.path()));
    QTreeView* list = entryList().listControl();
    list->scrollToBottom();
    clickEntryRow(entryList().rowCount() - 1);
    const EntryRow selected = *entryList().rowAt(entryList().selectedRow());
    const int scrolled = list->verticalScrollBar()->value();
    ASSERT_GT(scrolled, 0);
    rawExec(journal.path(), "INSERT INTO Entry (EntryID, TimeStamp, FolderID) VALUES "
                            "('{E-X}', '2020-01-01 10:00', '{Root}')");
    QTRY_COMPARE_WITH_TIMEOUT(entryList().rowCount(), 61, 2000);
    EXPECT_EQ(entryList().rowAt(entryList().selectedRow())->entryId, selected.entryId);
    EXPECT_EQ(list->verticalScrollBar()->value(), scrolled);
}

} // namespace
