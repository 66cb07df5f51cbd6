#include "core/platform/RecentFileList.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using Paths = std::vector<std::string>;

TEST(RecentFileList, KeepsFourPathsMostRecentFirst) {
    RecentFileList list;
    for (const char* path : {"/j/a.qbk", "/j/b.qbk", "/j/c.qbk", "/j/d.qbk", "/j/e.qbk"})
        list.add(path);
    EXPECT_EQ(list.paths(), (Paths{"/j/e.qbk", "/j/d.qbk", "/j/c.qbk", "/j/b.qbk"}));
    list.add("/j/c.qbk"); // reopening moves it up, nothing falls off
    EXPECT_EQ(list.paths(), (Paths{"/j/c.qbk", "/j/e.qbk", "/j/d.qbk", "/j/b.qbk"}));
    list.add("/j/./x/../b.qbk"); // another spelling of a listed file
    list.add("");
    list.remove(1);
    list.remove(7);
    EXPECT_EQ(list.paths(), (Paths{"/j/b.qbk", "/j/e.qbk", "/j/d.qbk"}));
    EXPECT_EQ(list.path(3), "");

    list.add("diary.qbk");
    EXPECT_EQ(list.path(0), QDir::current().filePath(u"diary.qbk"_s).toStdString());
}

TEST(RecentFileList, MenuTextNumbersEntriesAndKeepsAmpersands) {
    RecentFileList list;
    list.add("/home/me/Tom & Jerry.qbk");
    list.add("/home/me/diary.qbk");
    EXPECT_EQ(list.menuText(0), "&1 /home/me/diary.qbk");
    EXPECT_EQ(list.menuText(1), "&2 /home/me/Tom && Jerry.qbk");
}

TEST(RecentFileList, SavedUnderTheProfileKeysAndLoadedBackSkippingGapsAndRepeats) {
    QTemporaryDir dir;
    QSettings settings(dir.filePath(u"Quillbook.conf"_s), QSettings::IniFormat);
    RecentFileList list;
    list.load(settings);
    EXPECT_EQ(list.path(0), "");
    for (const char* path : {"/a.qbk", "/b.qbk", "/c.qbk", "/home/me/Caf\xc3\xa9.qbk"})
        list.add(path);
    list.save(settings);
    list.remove(1);
    list.remove(1);
    list.save(settings); // a shorter list leaves no stale keys behind

    settings.beginGroup(u"Recent File List"_s);
    EXPECT_EQ(settings.childKeys(), (QStringList{u"File1"_s, u"File2"_s}));
    EXPECT_EQ(settings.value(u"File1"_s).toString(), u"/home/me/Caf\u00e9.qbk"_s);
    settings.endGroup();
    RecentFileList loaded;
    loaded.add("/stale.qbk");
    loaded.load(settings);
    EXPECT_EQ(loaded.paths(), list.paths());

    const char* values[] = {"", "/a.qbk", "/a.qbk", "/b.qbk", "/c.qbk"}; // File1..File5
    for (int i = 0; i < 5; ++i)
        settings.setValue(u"Recent File List/File%1"_s.arg(i + 1), QString::fromUtf8(values[i]));
    loaded.load(settings);
    // The first entry is the journal "open the last journal" opens: never an empty one.
    EXPECT_EQ(loaded.paths(), (Paths{"/a.qbk", "/b.qbk"}));
}

} // namespace
