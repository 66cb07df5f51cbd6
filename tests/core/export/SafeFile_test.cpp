// The target of a safe write changes only at the rename, and never into a file that appeared
// meanwhile unless replacing was asked for.
#include "core/export/SafeFile.h"
#include "support/RawSqlite.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>

TEST(SafeFileTest, TheTargetChangesOnlyAtTheRename) {
    enum class Old { Never, BeforeOpen, BeforeRename };
    const struct {
        bool replace;
        Old old;
        bool committed;
    } cases[] = {{false, Old::Never, true},
                 {true, Old::BeforeOpen, true},
                 {false, Old::BeforeRename, false}};
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("out.txt"));
        const std::string name = target.toStdString();
        if (c.old == Old::BeforeOpen)
            std::ofstream(name) << "old";
        const OutputRule rule({}, c.replace);
        SafeFile file(target, rule);
        ASSERT_TRUE(file.open());
        file.device().write("new");
        ASSERT_TRUE(file.finish());
        if (c.old == Old::BeforeRename)
            std::ofstream(name) << "old";
        EXPECT_EQ(fileBytes(name), c.old == Old::Never ? "" : "old"); // untouched so far
        EXPECT_EQ(file.commit(), c.committed);
        EXPECT_EQ(file.refused(), !c.committed); // told as the rule tells it, not "File exists"
        EXPECT_EQ(fileBytes(name), c.committed ? "new" : "old");
        EXPECT_EQ(file.created(), c.old == Old::Never);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("out.txt")});
    }
}
