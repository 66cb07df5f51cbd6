// Delete Folder's "has entries" answer: kept while neither the file nor the folder changes.
#include "core/session/FolderEntriesCache.h"

#include <gtest/gtest.h>

namespace {

TEST(FolderEntriesCacheTest, AsksTheFileOnlyWhenItOrTheFolderChanged) {
    using State = FolderEntriesCache::FileState;
    struct Step {
        State state;
        const char* folder;
        bool asks;
    };
    const Step steps[] = {
        {{1, 0}, "{F}", true},  // first look
        {{1, 0}, "{F}", false}, // the same selection, nothing written
        {{1, 1}, "{F}", true},  // this connection wrote
        {{2, 1}, "{F}", true},  // another program committed
        {{2, 1}, "{G}", true},  // another folder
        {{2, 1}, "{F}", true},  // back: only the last answer is kept
        {{2, 1}, "{F}", false},
    };
    FolderEntriesCache cache;
    int asked = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(testing::Message() << step.folder << " v" << step.state.dataVersion << " c"
                                        << step.state.changes);
        const int before = asked;
        const bool answer = cache.HasEntries(step.state, step.folder, [&] { return ++asked % 2; });
        EXPECT_EQ(asked - before, step.asks ? 1 : 0);
        EXPECT_EQ(answer, asked % 2 == 1); // a kept answer is the one last given
    }
    cache.Clear();
    cache.HasEntries({2, 1}, "{F}", [&] { return ++asked, false; });
    EXPECT_EQ(asked, 6);
    // A failed read keeps no answer.
    EXPECT_THROW(cache.HasEntries({3, 1}, "{F}", [&]() -> bool { throw 1; }), int);
    cache.HasEntries({3, 1}, "{F}", [&] { return ++asked, false; });
    EXPECT_EQ(asked, 7);
}

} // namespace
