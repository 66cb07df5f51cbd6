// The session's kept texts against each row deciphered and read on its own, in a journal large
// enough that the reading thread must decipher batches itself while it reads.
#include "core/protect/BlowfishEngine.h"
#include "core/store/CHiddenRichEdit.h"
#include "core/store/SearchTextCache.h"
#include "core/store/SqlDatabase.h"
#include "core/store/StoredText.h"
#include "support/RandomJournal.h"
#include "support/TestJournal.h"

#include <gtest/gtest.h>

#include <map>

constexpr qsizetype kUnreadable = -2;

TEST(SearchTextCache, KeepsWhatEveryRowShowsWithOneThreadOrMore) {
    TestJournal journal;
    RandomJournal(11).fill(journal.db(), TestJournal::kContentKey);
    for (int i = 0; i < 7; ++i)
        journal.db().execute("INSERT INTO Entry SELECT * FROM Entry");
    BlowfishEngine engine;
    engine.SetKey(TestJournal::kContentKey);
    const richtext::TextFinder finder(QStringLiteral("river"), false, false);

    std::map<std::int64_t, qsizetype> expected;
    for (SqlQuery q = journal.db().query("SELECT rowid, EntryText FROM Entry"); !q.eof();
         q.nextRow()) {
        qsizetype at = kUnreadable;
        try {
            at = finder.find(CHiddenRichEdit::ShownText(
                CHiddenRichEdit::SF_RTF, DecipherFromStorage(q.fieldValue(1), engine)));
        } catch (const CppSQLite3Exception&) {
        }
        expected[q.intField(0)] = at;
    }
    ASSERT_GT(expected.size(), 1000u);

    for (const int threads : {1, 3}) {
        SqlDatabase db;
        db.open(journal.path());
        SearchTextCache cache;
        cache.Attach(db);
        std::map<std::int64_t, qsizetype> kept;
        for (const auto& [rowid, row] : cache.Refresh(db, engine, threads))
            kept[rowid] = row.text.error ? kUnreadable : row.text.Find(finder);
        EXPECT_EQ(kept, expected) << threads << " threads";
    }
}
