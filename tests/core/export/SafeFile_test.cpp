// The target of a safe write changes only at the rename, and never into a file that appeared
// meanwhile unless replacing was asked for.
#include "core/export/SafeFile.h"
#include "support/RawSqlite.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>

TEST(SafeFileTest, TheTargetChangesOnlyAtTheRename) {
    enum class Old { Never, BeforeOpen, BeforeRename }; // when a file appears at the target
    for (const auto& [replace, old] :
         {std::pair(false, Old::Never), {true, Old::BeforeOpen}, {false, Old::BeforeRename}}) {
        const bool committed = old != Old::BeforeRename;
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("out.txt"));
        const std::string name = target.toStdString();
        if (old == Old::BeforeOpen)
            std::ofstream(name) << "old";
        const OutputRule rule({}, replace);
        SafeFile file(target, rule);
        ASSERT_TRUE(file.open());
        file.device().write("new");
        ASSERT_TRUE(file.finish());
        if (old == Old::BeforeRename)
            std::ofstream(name) << "old";
        EXPECT_EQ(fileBytes(name), old == Old::Never ? "" : "old"); // untouched so far
        EXPECT_EQ(file.commit(), committed);
        EXPECT_EQ(file.refused(), !committed); // told as the rule tells it, not "File exists"
        EXPECT_EQ(fileBytes(name), committed ? "new" : "old");
        EXPECT_EQ(file.created(), old == Old::Never);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("out.txt")});
    }
}
