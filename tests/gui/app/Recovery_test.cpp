// Recovery copies in the program: what a killed program typed is offered when its journal
// opens again and comes back exactly; saving or discarding removes the copy.
#include "core/export/RecoveryWriter.h"
#include "core/session/CQBKDoc.h"
#include "gui/editor/CEntryView.h"
#include "gui/editor/EntryEditorTemplate.h"
#include "support/AppTest.h"
#include "support/TestJournal.h"

#include <QDir>
#include <QProcess>
#include <QTest>

namespace {

class RecoveryTest : public AppTest {
protected:
    QStringList copies() const {
        return QDir(RecoveryFolder().path()).entryList({QStringLiteral("*.qbkr")}, QDir::Files);
    }
    void answer(const QString& button, const QString& words) {
        m_modals.then([=](QWidget* box) {
            EXPECT_TRUE(messageText(box).contains(words)) << messageText(box).toStdString();
            clickButton(box, button);
        });
    }
    TestJournal journal;
    const QString path = QFile::decodeName(journal.path().c_str());
};

TEST_F(RecoveryTest, WhatAKilledProgramTypedComesBackExactlyAndGoesOnSave) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_settingsDir.path());
    child.setProcessEnvironment(env);
    child.start(QStringLiteral(RECOVERY_CHILD), {QStringLiteral("--nosplash"), path});
    ASSERT_TRUE(QTest::qWaitFor([&] { return child.canReadLine(); }, 30000));
    const std::string typed = QByteArray::fromHex(child.readLine().trimmed()).toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !copies().isEmpty(); }, 30000));
    child.kill(); // SIGKILL: nothing of the program's own runs any more

    answer(QStringLiteral("Restore"), QStringLiteral("a new entry"));
    start(quietStart(path));
    CEntryFrame* editor = m_app->Editor()->Frame();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->GetEntryText(), typed);
    EXPECT_TRUE(editor->IsModified()); // the user decides to save
    QTextCursor bold(editor->View().document()->find(QStringLiteral("in bold")));
    EXPECT_EQ(bold.charFormat().fontWeight(), QFont::Bold);
    m_modals.then([](QWidget* comment) { clickButton(comment, QStringLiteral("OK")); });
    ASSERT_TRUE(editor->Document().OnSaveEntry());
    editor->Recovery().waitForDone();
    EXPECT_TRUE(copies().isEmpty());
}

TEST_F(RecoveryTest, OnlyItsOwnJournalOffersACopyAndDiscardRemovesIt) {
    const RecoveryFolder folder;
    const RecoveryCopy copy{RecoveryCopy::journalName(journal.path()), "",
                            QDateTime::currentDateTimeUtc(), "{\\rtf1 lost words\\par}"};
    ASSERT_EQ(folder.write(copy, journal.reader().Keyed()), QString());
    TestJournal other; // the same content key: only the identity inside tells them apart
    start(quietStart(QFile::decodeName(other.path().c_str()))); // no question
    for (const QString& button : {QStringLiteral("Later"), QStringLiteral("Discard")}) {
        EXPECT_EQ(copies().size(), 1);
        answer(button, QStringLiteral("lost words"));
        ASSERT_TRUE(m_app->Document().CloseJournal());
        ASSERT_EQ(m_app->Document().OpenJournal(journal.path()), CQBKDoc::OpenResult::Ok);
    }
    EXPECT_TRUE(copies().isEmpty());
    EXPECT_EQ(m_app->Editor()->Frame(), nullptr);
}

} // namespace
