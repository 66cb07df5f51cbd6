#include "core/spelling/PersonalWordList.h"
#include "support/RawSqlite.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>

using namespace Qt::StringLiterals;

TEST(PersonalWordList, ReadsOneWordALineAndSkipsWhatCannotBeAWord) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("words.txt"));
    EXPECT_TRUE(PersonalWordList(path).read().isEmpty()); // missing file

    ASSERT_TRUE(std::ofstream(path.toStdString())
                << "\xEF\xBB\xBFQuillbook\r\n\n  Zoë  \ntwo words\nQuillbook\n"
                << std::string(300, 'x') << "\nctrl\x01x\nlast");
    EXPECT_EQ(PersonalWordList(path).read(), (QStringList{u"Quillbook"_s, u"Zoë"_s, u"last"_s}));
}

TEST(PersonalWordList, AddAppendsEachWordOnce) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new/folder/words.txt"));
    const PersonalWordList list(path);
    EXPECT_FALSE(list.add(QStringLiteral("Quillbook")));
    EXPECT_FALSE(list.add(QStringLiteral("Ærøskøbing")));
    EXPECT_FALSE(list.add(QStringLiteral("Quillbook")));
    EXPECT_EQ(fileBytes(path.toStdString()), "Quillbook\nÆrøskøbing\n");

    // a file whose last line has no end keeps that word whole
    const QString edited = dir.filePath(QStringLiteral("edited.txt"));
    ASSERT_TRUE(std::ofstream(edited.toStdString()) << "alpha\nbeta");
    EXPECT_FALSE(PersonalWordList(edited).add(QStringLiteral("gamma")));
    EXPECT_EQ(fileBytes(edited.toStdString()), "alpha\nbeta\ngamma\n");
}

TEST(PersonalWordList, RefusalsAreReportedNotSwallowed) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("words.txt"));
    for (const QString& bad : {QString(), QStringLiteral("two words"),
                               QStringLiteral("line\nbreak"), QString(101, u'x')})
        EXPECT_TRUE(PersonalWordList(path).add(bad)) << bad.toStdString();
    EXPECT_FALSE(QFile::exists(path));

    // a folder that cannot be made: a file stands where it should be
    ASSERT_TRUE(std::ofstream(dir.filePath(QStringLiteral("blocker")).toStdString()) << "x");
    const auto problem = PersonalWordList(dir.filePath(QStringLiteral("blocker/words.txt")))
                             .add(QStringLiteral("word"));
    ASSERT_TRUE(problem);
    EXPECT_TRUE(problem->contains(QStringLiteral("blocker/words.txt")));
}
