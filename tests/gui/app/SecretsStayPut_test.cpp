// After a whole session on a protected journal, no password or content key is left in the
// settings, the temporary or journal folder, the clipboard or the program's log.
#include "core/session/CQBKDoc.h"
#include "gui/app/CMainFrame.h"
#include "gui/dialogs/CChangePasswordDlg.h"
#include "gui/dialogs/CPasswordDlg.h"
#include "gui/editor/CEntryFrame.h"
#include "gui/editor/EntryEditorTemplate.h"
#include "gui/platform/ControlId.h"
#include "support/AppTest.h"
#include "support/TestJournal.h"

#include <QApplication>
#include <QClipboard>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

namespace {

QStringList g_logged;

void keepMessage(QtMsgType, const QMessageLogContext&, const QString& text) {
    g_logged << text;
}

// Every file below the folder that holds the text as UTF-8 or UTF-16.
QStringList filesHolding(const QString& folder, const QString& secret) {
    const QByteArray forms[] = {
        secret.toUtf8(),
        QByteArray(reinterpret_cast<const char*>(secret.utf16()), secret.size() * 2)};
    QStringList found;
    QDirIterator files(folder, QDir::Files | QDir::Hidden | QDir::System,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = file.readAll();
        for (const QByteArray& form : forms)
            if (bytes.contains(form))
                found << file.fileName();
    }
    return found;
}

class SecretsStayPut : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        m_oldTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", m_temp.path().toLocal8Bit());
        g_logged.clear();
        m_oldHandler = qInstallMessageHandler(keepMessage);
    }
    void TearDown() override {
        AppTest::TearDown();
        qInstallMessageHandler(m_oldHandler);
        qputenv("TMPDIR", m_oldTmp);
    }

    QTemporaryDir m_temp;
    QByteArray m_oldTmp;
    QtMessageHandler m_oldHandler = nullptr;
};

TEST_F(SecretsStayPut, NoPasswordOrKeyIsLeftAnywhereAfterASession) {
    const QString password = QStringLiteral("Heliotrope7731");
    const QString newPassword = QStringLiteral("Cormorant5519");
    const QString contentKey = QString::fromLatin1(TestJournal::kContentKey);
    QApplication::clipboard()->setText(QStringLiteral("before"));

    auto journal = std::make_unique<TestJournal>(password.toStdString());
    journal->addEntry("{E}", "2024-05-01 08:00", "{Root}", "note", false, "{\\rtf1 walk\\par}");
    const QString journalFolder = QFileInfo(QString::fromStdString(journal->path())).path();
    startWithoutWelcome(true);

    m_modals.then([&](QWidget* prompt) {
        typeInto(prompt, CPasswordDlg::kPasswordEditId, password);
        auto* edit = findControl<QLineEdit>(prompt, CPasswordDlg::kPasswordEditId);
        edit->selectAll();
        QTest::keySequence(edit, QKeySequence::Copy);
        QTest::keySequence(edit, QKeySequence::Cut);
        clickButton(prompt, QStringLiteral("OK"));
    });
    ASSERT_EQ(m_app->Document().OpenJournal(journal->path()), CQBKDoc::OpenResult::Ok);

    m_modals.then([&](QWidget* dialog) {
        typeInto(dialog, CChangePasswordDlg::kOldPasswordEditId, password);
        typeInto(dialog, CChangePasswordDlg::kNewPasswordEditId, newPassword);
        typeInto(dialog, CChangePasswordDlg::kConfirmEditId, newPassword);
        clickButton(dialog, QStringLiteral("OK"));
    });
    m_modals.then([](QWidget* box) { clickButton(box, QStringLiteral("OK")); });
    trigger(&frame(), QStringLiteral("actionChangePassword"));

    m_app->Document().OpenEntry("{E}");
    QWidget* editor = m_app->Editor()->Frame();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor->findChild<QTextEdit*>(), QStringLiteral(" by the river"));
    trigger(editor, QStringLiteral("editorSave"));
    trigger(&frame(), QStringLiteral("actionCloseJournal"));
    m_app.reset(); // the program ends, writing its settings
    settle();

    for (const QString& secret : {password, newPassword, contentKey}) {
        for (const QString& folder : {m_settingsDir.path(), m_temp.path(), journalFolder})
            EXPECT_EQ(filesHolding(folder, secret), QStringList()) << secret.toStdString();
        EXPECT_FALSE(QApplication::clipboard()->text().contains(secret));
        EXPECT_FALSE(g_logged.join(QLatin1Char('\n')).contains(secret));
    }
    EXPECT_FALSE(QDir(m_settingsDir.path()).isEmpty()) << "the settings were written";
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("before"));
}

} // namespace
