#include "core/dialogs/DialogChecks.h"
#include "core/platform/DocumentsFolder.h"
#include "core/session/NewJournalPath.h"
#include "support/RawSqlite.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace {

TEST(NewJournalPath, FileNameFollowsTheTitleOnlyWhileItIsTheDefault) {
    NewJournalValues v;
    proposeInitialPath(v, "/home/me/Documents");
    EXPECT_EQ(v.m_path, "/home/me/Documents/New Journal.qbk");
    proposeFileName(v); // left the title empty
    EXPECT_EQ(v.m_path, "/home/me/Documents/New Journal.qbk");
    v.m_title = "Trip";
    proposeFileName(v);
    EXPECT_EQ(v.m_path, "/home/me/Documents/Trip.qbk");
    EXPECT_EQ(v.m_fileName, "Trip.qbk");
    v.m_title = "Trip 2";
    proposeFileName(v);
    EXPECT_EQ(v.m_path, "/home/me/Documents/Trip.qbk");

    proposeInitialPath(v, "/d/New Journal.qbk/");
    v.m_title = "Caf\xe9 a/b"; // stored as Windows-1252; names are UTF-8 on disk
    proposeFileName(v);
    EXPECT_EQ(v.m_path, "/d/New Journal.qbk/Caf\xc3\xa9 a_b.qbk");
}

TEST(NewJournalPath, LongPathsAreShortenedAtAFolderSeparator) {
    const std::string name = "/" + std::string(40, 'b') + "/name.qbk"; // 50 characters
    const std::string path = "/home/" + std::string(50, 'a') + name;   // 106 characters
    EXPECT_EQ(shortenPath(path, 75), "/ho .." + name);
    EXPECT_EQ(shortenPath(path, 106), path);
    EXPECT_EQ(shortenPath("/" + std::string(100, 'x'), 75), "/xx .." + std::string(70, 'x'));
    const std::string accented = "/" + std::string(70, 'a') + "\xc3\xa9.qbk"; // 76 characters
    EXPECT_EQ(shortenPath(accented, 76), accented);
    EXPECT_EQ(shortenPath(accented, 75), "/aa .." + std::string(65, 'a') + "\xc3\xa9.qbk");
}

TEST(NewJournalPath, RefusesAndNeverCreatesWhereAnythingExists) {
    QTemporaryDir dir;
    const std::string folder = QFile::encodeName(dir.path()).toStdString();
    NewJournalValues v;
    proposeInitialPath(v, folder);
    EXPECT_EQ(checkNewJournal(v), std::nullopt);
    EXPECT_EQ(createFileExclusively(v.m_path), std::nullopt);
    EXPECT_EQ(checkNewJournal(v), (DialogProblem{v.m_path + " already exists.", kBrowseButtonId,
                                                 false, MessageIcon::Stop}));
    EXPECT_EQ(createFileExclusively(v.m_path), v.m_path + " already exists.");

    // A folder or a dangling link cannot be opened for reading, yet creating the journal would
    // replace them; a link's target stays as it was.
    ASSERT_TRUE(std::ofstream(folder + "/keep") << "mine");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("gone")),
                            dir.filePath(QStringLiteral("dangling.qbk"))));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("keep")),
                            dir.filePath(QStringLiteral("link.qbk"))));
    for (const char* name : {"/sub", "/dangling.qbk", "/link.qbk"}) {
        v.m_path = folder + name;
        EXPECT_TRUE(checkNewJournal(v)) << name;
        EXPECT_TRUE(createFileExclusively(v.m_path)) << name;
    }
    EXPECT_EQ(fileBytes(folder + "/keep"), "mine");

    const auto missing = createFileExclusively(folder + "/no/such/folder.qbk");
    ASSERT_TRUE(missing);
    EXPECT_NE(missing->find("cannot be created"), std::string::npos) << *missing;
}

TEST(DocumentsFolder, IsMadeWhenMissing) {
    QTemporaryDir home;
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    const auto folder = documentsFolder();
    qputenv("HOME", savedHome);
    savedConfig.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", savedConfig);

    ASSERT_TRUE(folder);
    EXPECT_EQ(*folder, QFile::encodeName(home.filePath(QStringLiteral("Documents"))).toStdString());
    EXPECT_TRUE(QDir(home.filePath(QStringLiteral("Documents"))).exists());
}

} // namespace
