// The entry's date in the editor (through the same write as Change Entry Date), the editor's
// date-field format, and the rules pictures come in by.
#include "core/editor/CEntryDoc.h"
#include "core/editor/PictureRules.h"
#include "support/FakeTextView.h"
#include "support/RawSqlite.h"
#include "support/SessionFixture.h"

namespace {

class EntryDate : public SessionFixture {
protected:
    void SetUp() override { path = createJournal("dates.qbk"); }
    std::string storedStamp(const std::string& id) {
        return rawValue(path, "SELECT TimeStamp FROM Entry WHERE EntryID = '" + id + "'");
    }

    std::string path;
    FakeTextView view;
    CEntryDoc entry{doc, ui, view};
};

TEST_F(EntryDate, ANewEntryDatedBeforeItsFirstSaveIsStoredWithThatDateAndAStoredOneAtOnce) {
    entry.OnNewDocument();
    ASSERT_TRUE(entry.ChangeEntryDate(COleDateTime(2019, 2, 28, 21, 5, 0)));
    view.type("{\\rtf1\\ansi Back then\\par}");
    ASSERT_TRUE(entry.OnSaveEntry());
    const std::string id = entry.EntryId();
    EXPECT_EQ(storedStamp(id), "2019-02-28 21:05");
    EXPECT_EQ(view.date, COleDateTime(2019, 2, 28, 21, 5, 0));

    // A stored entry is re-dated without a save; an impossible date writes nothing.
    ASSERT_TRUE(entry.ChangeEntryDate(COleDateTime(2020, 1, 2, 3, 4, 0)));
    EXPECT_EQ(storedStamp(id), "2020-01-02 03:04");
    EXPECT_EQ(view.title, doc.GetEntryDateText(id));
    EXPECT_FALSE(entry.ChangeEntryDate(COleDateTime(2020, 2, 30, 0, 0, 0)));
    EXPECT_EQ(storedStamp(id), "2020-01-02 03:04");

    // Reopened, the editor shows the stored date.
    CEntryDoc reopened{doc, ui, view};
    reopened.LoadEntry(doc.LoadEntryText(id), id);
    EXPECT_EQ(view.date, COleDateTime(2020, 1, 2, 3, 4, 0));
}

TEST(PictureRules, LimitsStartingSizeAndKeptProportions) {
    using namespace PictureRules;
    EXPECT_FALSE(refusal(kMaxFileBytes, QSize(kMaxSide, kMaxPixels / kMaxSide)));
    for (const auto& [bytes, pixels] :
         {std::pair(kMaxFileBytes + 1, QSize(10, 10)),
          std::pair(qint64(10), QSize(kMaxSide + 1, 5)),
          std::pair(qint64(10), QSize(5, kMaxSide + 1)), std::pair(qint64(10), QSize(0, 5))})
        EXPECT_TRUE(refusal(bytes, pixels)) << pixels.width() << "x" << pixels.height();
    EXPECT_TRUE(refusal(kMaxFileBytes + 1, QSize(10, 10))->contains(QLatin1String("20 MB")));

    EXPECT_EQ(insertedTwips(QSize(100, 50)), QSize(1500, 750));
    EXPECT_EQ(insertedTwips(QSize(624, 10)), QSize(9360, 150)); // exactly the page's width
    EXPECT_EQ(insertedTwips(QSize(1248, 800)), QSize(9360, 6000));

    EXPECT_EQ(resized(QSize(400, 300), QSize(200, 300), true, true), QSize(200, 150));
    EXPECT_EQ(resized(QSize(400, 300), QSize(400, 30), false, true), QSize(40, 30));
    EXPECT_EQ(resized(QSize(400, 300), QSize(200, 300), true, false), QSize(200, 300));
    EXPECT_TRUE(keptAsIs("png") && keptAsIs("jpeg") && !keptAsIs("gif") && !keptAsIs("bmp"));
}

TEST(PictureRules, DraggedCornerKeepsProportionsUnlessFreed) {
    using PictureRules::dragged;
    EXPECT_EQ(dragged(QSize(200, 100), QPoint(100, 10), true), QSize(300, 150)); // width leads
    EXPECT_EQ(dragged(QSize(200, 100), QPoint(10, -50), true), QSize(100, 50));  // height leads
    EXPECT_EQ(dragged(QSize(200, 100), QPoint(100, 10), false), QSize(300, 110));
    EXPECT_EQ(dragged(QSize(200, 100), QPoint(-500, -500), true), QSize(2, 1));
    EXPECT_EQ(dragged(QSize(200, 100), QPoint(20000, 0), true), QSize(10000, 5000));
}

} // namespace
