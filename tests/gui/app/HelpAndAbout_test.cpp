// Help, About and the outside programs, reached through the Help menu.
#include "gui/app/CMainFrame.h"
#include "gui/platform/ExternalPrograms.h"
#include "gui/platform/HelpWindow.h"
#include "support/AppTest.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTextBrowser>

namespace {

using HelpMenuTest = StartedAppTest;

// A second request brings back the same window.
TEST_F(HelpMenuTest, ContentsOpensTheHelpBookWithItsTableOfContents) {
    trigger(&frame(), QStringLiteral("actionHelpContents"));
    trigger(&frame(), QStringLiteral("actionHelpContents"));
    QList<HelpWindow*> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<HelpWindow*>(window))
            windows << found;
    ASSERT_EQ(windows.size(), 1);
    HelpWindow* help = windows.front();
    EXPECT_TRUE(help->isVisible());
    ASSERT_EQ(help->contents()->count(), 8);
    EXPECT_EQ(help->page()->source(), QUrl(QStringLiteral("qrc:/help/index.html")));
    EXPECT_TRUE(help->page()->toPlainText().contains(QStringLiteral("Welcome to Quillbook")));
    // Every page of the contents is shipped and has a heading of its own.
    for (int row = 1; row < help->contents()->count(); ++row) {
        help->contents()->setCurrentRow(row);
        EXPECT_TRUE(help->page()->toPlainText().startsWith(help->contents()->item(row)->text()))
            << help->contents()->item(row)->text().toStdString();
    }
}

TEST_F(HelpMenuTest, AboutShowsTheVersionAndTwoLinks) {
    m_modals.then([](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), QStringLiteral("aboutDialog"));
        auto* version = dialog->findChild<QLabel*>(QStringLiteral("aboutVersion"));
        ASSERT_NE(version, nullptr);
        EXPECT_EQ(version->text(), QStringLiteral("Version 1.5.4"));
        for (const char* name : {"aboutWebSite", "aboutMail"}) {
            auto* link = dialog->findChild<QLabel*>(QString::fromLatin1(name));
            ASSERT_NE(link, nullptr) << name;
            EXPECT_TRUE(link->openExternalLinks());
            EXPECT_TRUE(link->text().contains(QStringLiteral("href=")));
        }
        clickButton(dialog, QStringLiteral("OK"));
    });
    trigger(&frame(), QStringLiteral("actionAbout"));
}

TEST_F(HelpMenuTest, UpdaterCommandsPointToThePackageManagerWhenThereIsNoUpdater) {
    ASSERT_TRUE(ExternalPrograms::updaterPath().isEmpty());
    EXPECT_FALSE(ExternalPrograms::startUpdater({QStringLiteral("/checknow")}));
    for (const char* name : {"actionCheckForUpdates", "actionConfigureUpdates"}) {
        m_modals.then([](QWidget* box) {
            EXPECT_TRUE(messageText(box).contains(QStringLiteral("package manager")));
            clickButton(box, QStringLiteral("OK"));
        });
        trigger(&frame(), QString::fromLatin1(name));
        EXPECT_EQ(m_modals.pending(), 0u) << name;
    }
}

} // namespace
