// File > New > Journal through the New Journal dialog, typed into as a user does; the new
// file is read back with plain SQLite.
#include "app/CMainFrame.h"
#include "dialogs/CNewJournalDlg.h"
#include "dialogs/SettingsControls.h"
#include "platform/ControlId.h"
#include "protect/PasswordDigest.h"
#include "store/CQBKDoc.h"
#include "support/AppTest.h"
#include "support/RawSqlite.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Dlg = CNewJournalDlg;

void click(QWidget* dialog, int id) {
    QWidget* control = findControl(dialog, id);
    ASSERT_NE(control, nullptr) << id;
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(8, control->height() / 2));
}

// Focus moves only within the active window.
void activate(QWidget* dialog) {
    QApplication::setActiveWindow(dialog);
    settle();
}

// Types the title and leaves the field with Tab, as a user moves on.
void typeTitle(QWidget* dialog, const QString& title) {
    activate(dialog);
    findControl(dialog, Dlg::kTitleId)->setFocus();
    typeInto(dialog, Dlg::kTitleId, title);
    QTest::keyClick(findControl(dialog, Dlg::kTitleId), Qt::Key_Tab);
}

QString shownPath(QWidget* dialog) {
    return findControl<QLabel>(dialog, Dlg::kPathId)->text();
}

// New journals are proposed in the documents folder: here one inside a temporary home.
class NewJournalDialogTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        m_oldHome = qgetenv("HOME");
        qputenv("HOME", m_home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", m_home.filePath(QStringLiteral(".config")).toLocal8Bit());
        setShowWelcome(0);
        start();
    }
    void TearDown() override {
        AppTest::TearDown();
        qputenv("HOME", m_oldHome);
        qunsetenv("XDG_CONFIG_HOME");
    }
    std::string documents(const QString& name) const {
        return QFile::encodeName(m_home.filePath(QStringLiteral("Documents/") + name))
            .toStdString();
    }
    void expectCreated() {
        m_modals.then([](QWidget* box) {
            EXPECT_EQ(messageText(box), QStringLiteral("Journal Created"));
            clickButton(box, QStringLiteral("OK"));
        });
    }
    std::vector<RawRow> config(const std::string& path, const char* columns) const {
        return rawQuery(path, std::string("SELECT ") + columns + " FROM Config");
    }

    QTemporaryDir m_home;
    QByteArray m_oldHome;
};

TEST_F(NewJournalDialogTest, TitleNamesTheFileAndAPasswordProtectsIt) {
    m_modals.then([](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), QStringLiteral("CNewJournalDlg"));
        EXPECT_TRUE(shownPath(dialog).endsWith(QStringLiteral("/Documents/New Journal.qbk")));
        typeTitle(dialog, QStringLiteral("Trip"));
        EXPECT_TRUE(shownPath(dialog).endsWith(QStringLiteral("/Documents/Trip.qbk")));
        typeInto(dialog, Dlg::kOwnerId, QStringLiteral("Ana"));

        EXPECT_FALSE(findControl(dialog, Dlg::kPasswordId)->isEnabled());
        click(dialog, Dlg::kProtectedId);
        EXPECT_TRUE(findControl(dialog, Dlg::kPasswordId)->isEnabled());
        typeInto(dialog, Dlg::kPasswordId, QStringLiteral("s3cret"));
        typeInto(dialog, Dlg::kConfirmId, QStringLiteral("s3cret"));
        click(dialog, Dlg::kShowCharactersId);
        EXPECT_EQ(findControl<QLineEdit>(dialog, Dlg::kConfirmId)->echoMode(), QLineEdit::Normal);
        clickButton(dialog, QStringLiteral("Create Journal..."));
    });
    expectCreated();
    trigger(&frame(), QStringLiteral("actionNewJournal"));
    const std::string path = documents(QStringLiteral("Trip.qbk"));
    ASSERT_TRUE(m_app->Document().IsJournalOpen());
    EXPECT_EQ(m_app->Document().m_path, path);
    const auto rows = config(path, "Title, Owner, HasPassword, Password, PromptForComment, "
                                   "DateFormat, TimeFormat, DefaultFontName, DefaultFontSize");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (RawRow{"Trip", "Ana", "1", PasswordDigest("s3cret").HexDigest(), "1",
                               "%A, %B %d %Y", "%I:%M %p", "Times New Roman", "12"}));
}

TEST_F(NewJournalDialogTest, PasswordsCountOnlyWhileTheBoxIsTicked) {
    m_modals.then([](QWidget* dialog) {
        click(dialog, Dlg::kProtectedId);
        typeInto(dialog, Dlg::kPasswordId, QStringLiteral("one"));
        typeInto(dialog, Dlg::kConfirmId, QStringLiteral("two"));
        click(dialog, Dlg::kShowCharactersId); // emptied even while shown in clear
        clickButton(dialog, QStringLiteral("Create Journal..."));
    });
    m_modals.then([](QWidget* box) {
        EXPECT_EQ(messageText(box), QStringLiteral("The passwords you entered did not match"));
        clickButton(box, QStringLiteral("OK"));
    });
    m_modals.then([](QWidget* dialog) {
        EXPECT_EQ(findControl<QLineEdit>(dialog, Dlg::kPasswordId)->text(), QString());
        EXPECT_EQ(findControl<QLineEdit>(dialog, Dlg::kConfirmId)->text(), QString());
        activate(dialog);
        EXPECT_EQ(QApplication::focusWidget(), findControl(dialog, Dlg::kPasswordId));
        // Different texts typed, then the box cleared: a journal without a password.
        typeInto(dialog, Dlg::kPasswordId, QStringLiteral("typed"));
        typeInto(dialog, Dlg::kConfirmId, QStringLiteral("other"));
        click(dialog, Dlg::kProtectedId);
        EXPECT_FALSE(findControl(dialog, Dlg::kPasswordId)->isEnabled());
        clickButton(dialog, QStringLiteral("Create Journal..."));
    });
    expectCreated();
    trigger(&frame(), QStringLiteral("actionNewJournal"));
    const auto rows = config(documents(QStringLiteral("New Journal.qbk")), "HasPassword, Password");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0], "0");
    EXPECT_NE(rows[0][1], PasswordDigest("typed").HexDigest());
}

TEST_F(NewJournalDialogTest, AnExistingPathIsRefusedAndKeptAndBrowsingChoosesAnother) {
    ASSERT_TRUE(QDir(m_home.path()).mkpath(QStringLiteral("Documents")));
    const std::string taken = documents(QStringLiteral("New Journal.qbk"));
    ASSERT_TRUE(writeFile(QFile::decodeName(taken.c_str()), "keep me"));
    const QString other = m_home.filePath(QStringLiteral("Documents/other"));
    m_modals.then(
        [](QWidget* dialog) { clickButton(dialog, QStringLiteral("Create Journal...")); });
    m_modals.then([](QWidget* box) {
        EXPECT_TRUE(messageText(box).endsWith(QStringLiteral("/New Journal.qbk already exists.")));
        clickButton(box, QStringLiteral("OK"));
    });
    m_modals.then([](QWidget* dialog) {
        activate(dialog);
        EXPECT_EQ(QApplication::focusWidget(), findControl(dialog, Dlg::kBrowseId));
        click(dialog, Dlg::kBrowseId);
    });
    m_modals.then([&other](QWidget* chooser) {
        EXPECT_EQ(chooser->objectName(), QStringLiteral("createJournalAsDialog"));
        auto* name = chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->clear();
        QTest::keyClicks(name, other);
        QTest::keyClick(name, Qt::Key_Return);
    });
    m_modals.then([](QWidget* dialog) {
        EXPECT_TRUE(shownPath(dialog).endsWith(QStringLiteral("/Documents/other.qbk")));
        clickButton(dialog, QStringLiteral("Create Journal..."));
    });
    expectCreated();
    trigger(&frame(), QStringLiteral("actionNewJournal"));
    EXPECT_EQ(fileBytes(taken), "keep me");
    EXPECT_EQ(m_app->Document().m_path, documents(QStringLiteral("other.qbk")));
    EXPECT_EQ(config(documents(QStringLiteral("other.qbk")), "count(*)")[0][0], "1");
}

TEST_F(NewJournalDialogTest, ChosenFormatsAndFontReachTheFile) {
    m_modals.then([](QWidget* dialog) {
        auto* date = findControl<QComboBox>(dialog, SettingsControls::kDateComboId);
        EXPECT_EQ(date->currentText(), QStringLiteral("Monday, July 5 2004"));
        date->setFocus();
        QTest::keyClick(date, Qt::Key_Home); // "7/5/2004"
        click(dialog, SettingsControls::kTwentyFourHourId);
        auto* size = findControl<QComboBox>(dialog, SettingsControls::kSizeComboId);
        EXPECT_EQ(size->currentText(), QStringLiteral("12"));
        size->setFocus();
        QTest::keyClick(size, Qt::Key_Down);
        // Times New Roman is offered (kept when not installed here) and selected.
        auto* face = findControl<QComboBox>(dialog, SettingsControls::kFaceComboId);
        EXPECT_EQ(face->currentText(), QStringLiteral("Times New Roman"));
        clickButton(dialog, QStringLiteral("Create Journal..."));
    });
    expectCreated();
    trigger(&frame(), QStringLiteral("actionNewJournal"));
    EXPECT_EQ(config(documents(QStringLiteral("New Journal.qbk")),
                     "DateFormat, TimeFormat, DefaultFontName, DefaultFontSize")[0],
              (RawRow{"%m/%d/%Y", "%H:%M", "Times New Roman", "14"}));
}

} // namespace
