#include "support/BrowserFixture.h"

#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTextEdit>

namespace {

// Shows the panes on a journal of the user's choosing and saves pictures of them, for looking
// at the panes as a person would (run under xvfb-run with the platform left to xcb):
//   QUILLBOOK_PANE_JOURNAL=some.qbk QUILLBOOK_PANE_SHOTS=/tmp/shots quillbook_gui_tests
//       --gtest_filter='PaneScreenshots*'
// The journal is copied first, so the original is never written to.
class PaneScreenshots : public BrowserFixture {
protected:
    void shoot(const char* name) {
        QCoreApplication::processEvents();
        const QString folder = qEnvironmentVariable("QUILLBOOK_PANE_SHOTS");
        QDir().mkpath(folder);
        EXPECT_TRUE(window.grab().save(folder + QLatin1Char('/') + QLatin1String(name)));
    }
};

TEST_F(PaneScreenshots, ListsEveryEntryOfAGivenJournal) {
    const QString source = qEnvironmentVariable("QUILLBOOK_PANE_JOURNAL");
    if (source.isEmpty())
        GTEST_SKIP() << "set QUILLBOOK_PANE_JOURNAL to a journal file";
    const QString copy = QString::fromStdString(journal.path());
    journal.db().close();
    QFile::remove(copy);
    ASSERT_TRUE(QFile::copy(source, copy));
    QFile(copy).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    window.resize(1100, 700);

    ASSERT_EQ(doc.OpenJournal(journal.path()), CQBKDoc::OpenOk);
    QCoreApplication::processEvents();
    EXPECT_EQ(std::to_string(entries->rowCount()), value("SELECT count(*) FROM Entry"));
    shoot("panes-root.png");

    clickRow(0);
    EXPECT_FALSE(preview->entryId().empty());
    shoot("panes-selected.png");

    clickHeader(1);
    QCoreApplication::processEvents();
    EXPECT_EQ(entries->selectedRow() >= 0, true) << "the selection follows its row";

    QTreeWidget* tree = folders->treeControl();
    if (tree->topLevelItem(0)->childCount() > 0) {
        tree->setCurrentItem(tree->topLevelItem(0)->child(0));
        QCoreApplication::processEvents();
        if (entries->rowCount() > 0)
            clickRow(0);
    }
    topics->show();
    shoot("panes-folder.png");

    // Half-way through dragging the first row onto the last top-level folder; the whole
    // screen, as the drag picture is a window of its own.
    QTreeWidgetItem* last = tree->topLevelItem(0)->child(tree->topLevelItem(0)->childCount() - 1);
    if (last && entries->rowCount() > 0) {
        QWidget* area = entries->listControl()->viewport();
        const QPoint onFolder =
            area->mapFromGlobal(tree->viewport()->mapToGlobal(tree->visualItemRect(last).center()));
        QTest::mousePress(area, Qt::LeftButton, {}, rowPoint(0));
        QTest::mouseMove(area, rowPoint(0) + QPoint(0, 30));
        QTest::mouseMove(area, onFolder);
        EXPECT_EQ(folders->dropHighlight(), last);
        QCoreApplication::processEvents();
        QGuiApplication::primaryScreen()->grabWindow(0).save(
            qEnvironmentVariable("QUILLBOOK_PANE_SHOTS") + QStringLiteral("/panes-drag.png"));
        QTest::keyClick(entries->listControl(), Qt::Key_Escape);
        QTest::mouseRelease(area, Qt::LeftButton, {}, onFolder);
    }
}

} // namespace
