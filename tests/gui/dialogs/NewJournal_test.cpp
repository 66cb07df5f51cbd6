// File > New > Journal through the dialog that stands in for the finished one: the values the
// user types reach the new journal file.
#include "app/CMainFrame.h"
#include "dialogs/DialogChecks.h"
#include "platform/ControlId.h"
#include "store/CQBKDoc.h"
#include "support/AppTest.h"
#include "support/RawSqlite.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

class NewJournalTest : public AppTest {};

TEST_F(NewJournalTest, TypedTitleAndOwnerReachTheNewJournal) {
    setShowWelcome(0);
    start();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("trip.qbk"));
    m_modals.then([&path](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), QStringLiteral("newJournalDialog"));
        typeInto(dialog, kTitleEditId, QStringLiteral("Trip"));
        typeInto(dialog, kOwnerEditId, QStringLiteral("Ana"));
        auto* location = dialog->findChild<QLineEdit*>(QStringLiteral("journalLocation"));
        ASSERT_NE(location, nullptr);
        location->setText(path);
        clickButton(dialog, QStringLiteral("OK"));
    });
    m_modals.then([](QWidget* box) {
        EXPECT_EQ(messageText(box), QStringLiteral("Journal Created"));
        clickButton(box, QStringLiteral("OK"));
    });
    trigger(&frame(), QStringLiteral("actionNewJournal"));
    EXPECT_TRUE(m_app->Document().IsJournalOpen());
    const auto rows =
        rawQuery(QFile::encodeName(path).toStdString(), "SELECT Title, Owner FROM Config");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0], std::optional<std::string>("Trip"));
    EXPECT_EQ(rows[0][1], std::optional<std::string>("Ana"));
}

TEST_F(NewJournalTest, AnExistingFileIsRefusedAndTheDialogStaysOpen) {
    setShowWelcome(0);
    start();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("taken.qbk"));
    ASSERT_TRUE(writeFile(path, "keep me"));
    m_modals.then([&path](QWidget* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("journalLocation"))->setText(path);
        clickButton(dialog, QStringLiteral("OK"));
    });
    m_modals.then([](QWidget* box) {
        EXPECT_TRUE(messageText(box).endsWith(QStringLiteral("already exists.")));
        clickButton(box, QStringLiteral("OK"));
    });
    m_modals.then([](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), QStringLiteral("newJournalDialog"));
        clickButton(dialog, QStringLiteral("Cancel"));
    });
    trigger(&frame(), QStringLiteral("actionNewJournal"));
    EXPECT_FALSE(m_app->Document().IsJournalOpen());
    EXPECT_EQ(fileBytes(QFile::encodeName(path).toStdString()), "keep me");
}

} // namespace
