#include "core/browser/ListingNames.h"
#include "core/browser/TopicItems.h"
#include "core/platform/TextEncoding.h"
#include "support/TestJournal.h"

#include <gtest/gtest.h>

#include <QLocale>

// A folder's path runs from the top of the tree down and ends where the tree is broken.
TEST(ListingNames, FolderPathRunsFromTheTopAndStopsAtABrokenLink) {
    TestJournal journal;
    journal.db().execute("INSERT INTO Folder (FolderID, ParentID, Name) VALUES ('{W}', '{Root}', "
                         "'Work'), ('{Y}', '{W}', '2024'), ('{M}', '{Y}', 'May'), ('{A}', '{B}', "
                         "'a'), ('{B}', '{A}', 'b'), ('{O}', '{Gone}', 'Orphan')");
    const ListingNames names = ListingNames::Read(journal.db());
    const std::pair<const char*, const char*> cases[] = {{"{Root}", ""},
                                                         {"{M}", "Work\\2024\\May"},
                                                         {"{A}", "b\\a"},
                                                         {"{O}", "Orphan"},
                                                         {"{X}", ""}};
    for (const auto& [id, path] : cases)
        EXPECT_EQ(names.FolderPath(id), path) << id;
}

// The topic pane lists topics by name as the locale sorts them: an accented name among its
// letter, not after "w"; equal names in the table's order.
TEST(ListingNames, TopicsSortByTheLocalesCollation) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English));
    TestJournal journal;
    for (const char* name : {"zebra", "wax", "Éclair", "apple", "Äpfel", "Apple"})
        journal.addTopic(name, textToStored(QString::fromUtf8(name)));
    std::string order;
    for (const TopicItem& topic : LoadTopicItems(journal.db()))
        order += topic.id + " ";
    EXPECT_EQ(order, "Äpfel apple Apple Éclair wax zebra ");
    QLocale::setDefault(saved);
}
