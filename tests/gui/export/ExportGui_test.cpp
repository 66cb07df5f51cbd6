// Export Journal and Back Up Journal in the running main window, on a real journal: the files
// read back through Qt's own readers, Cancel leaves nothing behind, automatic backups.
#include "core/session/CQBKDoc.h"
#include "gui/app/CMainFrame.h"
#include "gui/export/AutoBackupStore.h"
#include "gui/export/JournalExportCommands.h"
#include "support/AppTest.h"
#include "support/RawSqlite.h"
#include "support/TestJournal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProgressDialog>
#include <QRadioButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

namespace {

class ExportGuiTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        journal.addEntry("{E-1}", "2024-03-05 08:00", "{Root}", "first", true,
                         "{\\rtf1\\ansi {\\b Alphaword} and more\\par}");
        journal.addEntry("{E-2}", "2024-03-06 08:00", "{Root}", "", false,
                         "{\\rtf1\\ansi Betaword *not* markup\\par}");
        journal.addEntry("{E-3}", "2024-03-07 08:00", "{Root}", "", false,
                         "{\\rtf1\\ansi Gammaword \\i slanted\\par}");
        ASSERT_NO_FATAL_FAILURE(startWithoutWelcome());
        ASSERT_EQ(m_app->Document().OpenJournal(journal.path()), CQBKDoc::OpenResult::Ok);
        settle();
    }

    QString out(const QString& name) const { return QDir(dir.path()).filePath(name); }
    ExportResult exportTo(ExportFormat format, const QString& name) {
        ExportRequest request;
        request.format = format;
        request.outPath = out(name);
        return JournalExportCommands::RunWithProgress(m_app->Document(), request, &frame());
    }
    QString readOut(const QString& name) const {
        QFile file(out(name));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    TestJournal journal;
    QTemporaryDir dir;
};

} // namespace

// HTML through the menu's dialog, Markdown through the command, each read back by Qt: stars
// kept as text, bold and italic as such (which entries, in which order: the export's own tests).
TEST_F(ExportGuiTest, HtmlAndMarkdownReadBackThroughQtsReaders) {
    m_modals.then([this](QWidget* dialog) {
        // Nothing selected, the root current: only "all entries" can be chosen.
        EXPECT_FALSE(dialog->findChild<QRadioButton*>(QStringLiteral("scope0"))->isEnabled());
        EXPECT_TRUE(dialog->findChild<QRadioButton*>(QStringLiteral("scope1"))->isChecked());
        EXPECT_FALSE(dialog->findChild<QRadioButton*>(QStringLiteral("scope2"))->isEnabled());
        auto* format = dialog->findChild<QComboBox*>(QStringLiteral("format"));
        format->setCurrentIndex(format->findData(int(ExportFormat::Html)));
        dialog->findChild<QLineEdit*>(QStringLiteral("path"))
            ->setText(out(QStringLiteral("j.html")));
        clickButton(dialog, QStringLiteral("Export"));
    });
    trigger(&frame(), QStringLiteral("actionExportJournal"));
    EXPECT_EQ(m_modals.handled(), 1u);
    const ExportResult result = exportTo(ExportFormat::Markdown, QStringLiteral("j.md"));
    ASSERT_EQ(result.status, ExportResult::Status::Done) << result.message.toStdString();

    QTextDocument html;
    html.setHtml(readOut(QStringLiteral("j.html")));
    QTextDocument markdown;
    markdown.setMarkdown(readOut(QStringLiteral("j.md")));
    for (const QTextDocument* document : {&html, &markdown}) {
        const QString text = document->toPlainText();
        EXPECT_TRUE(text.contains(QStringLiteral("Betaword *not* markup"))) << text.toStdString();
        // The format of the word's last letter; a word not found has the default format.
        const auto format = [document](const char* word) {
            return document->find(QLatin1String(word)).charFormat();
        };
        EXPECT_GE(format("Alphaword").fontWeight(), QFont::Bold);
        EXPECT_LT(format("Betaword").fontWeight(), QFont::Bold);
        EXPECT_TRUE(format("slanted").fontItalic());
    }
}

// What a cancelled export leaves, split or not, is the export's own rule; here, that the
// progress dialog's Cancel reaches it.
TEST_F(ExportGuiTest, CancelInTheProgressDialogLeavesNoFile) {
    // Cancel is pressed as soon as the export first lets events through.
    QTimer::singleShot(0, &frame(), [this] {
        auto* progress = frame().findChild<QProgressDialog*>(QStringLiteral("exportProgress"));
        ASSERT_NE(progress, nullptr);
        progress->cancel();
    });
    const ExportResult result = exportTo(ExportFormat::Html, QStringLiteral("cancelled"));
    EXPECT_EQ(result.status, ExportResult::Status::Cancelled);
    EXPECT_LT(result.entries, 3u);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(ExportGuiTest, BackupFromTheMenuAndAutomaticBackupsOnOpening) {
    const QString copy = out(QStringLiteral("copy.qbk"));
    const QString folder = out(QStringLiteral("auto"));
    m_modals.then([&](QWidget* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("copyPath"))->setText(copy);
        dialog->findChild<QCheckBox*>(QStringLiteral("automatic"))->setChecked(true);
        dialog->findChild<QLineEdit*>(QStringLiteral("folder"))->setText(folder);
        clickButton(dialog, QStringLiteral("Back Up"));
    });
    trigger(&frame(), QStringLiteral("actionBackupJournal"));
    EXPECT_EQ(m_modals.handled(), 1u);
    EXPECT_EQ(rawQuery(copy.toStdString(), "SELECT EntryID FROM Entry ORDER BY EntryID"),
              rawQuery(journal.path(), "SELECT EntryID FROM Entry ORDER BY EntryID"));
    EXPECT_TRUE(AutoBackupStore::load().enabled);

    // Opening makes a copy each time, keeping the number asked for.
    AutoBackupStore::save({true, folder, 2});
    for (int i = 0; i < 3; ++i) {
        m_app->Document().CloseJournal();
        ASSERT_EQ(m_app->Document().OpenJournal(journal.path()), CQBKDoc::OpenResult::Ok);
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 2);

    // A folder that cannot be made: told, and the journal opens all the same.
    AutoBackupStore::save({true, QStringLiteral("/proc/no-such-folder"), 2});
    m_modals.then([](QWidget* box) {
        EXPECT_TRUE(messageText(box).contains(QStringLiteral("was not made")))
            << messageText(box).toStdString();
        clickButton(box, QStringLiteral("OK"));
    });
    m_app->Document().CloseJournal();
    EXPECT_EQ(m_app->Document().OpenJournal(journal.path()), CQBKDoc::OpenResult::Ok);
    EXPECT_TRUE(m_app->Document().IsJournalOpen());
    EXPECT_EQ(m_modals.handled(), 2u);
}
