#include "browser/EntryCommentEdit.h"
#include "support/RawSqlite.h"
#include "support/SessionFixture.h"

namespace {

class EntryCommentEditTest : public SessionFixture {
protected:
    void SetUp() override {
        createJournal("comments.qbk");
        id = saveNewEntry("{\\rtf1\\ansi First line\\par Second line\\par}");
    }
    std::string column(const char* name) {
        return *rawQuery(doc.m_path, std::string("SELECT ") + name +
                                         " FROM Entry WHERE EntryID = '" + id + "'")[0][0];
    }
    std::string id;
};

TEST_F(EntryCommentEditTest, DerivedDescriptionIsNotOfferedForEditing) {
    const CommentEdit edit = StartCommentEdit(doc, id);
    EXPECT_EQ(edit.values.m_comment, "");
    EXPECT_FALSE(edit.values.m_bAlwaysPrompt);
    EXPECT_FALSE(edit.showFirstLine);

    doc.SetEntryComment(true, "mine", id);
    rawExec(doc.m_path, "UPDATE Config SET PromptForComment = 1, ShowFirstLine = 1");
    const CommentEdit own = StartCommentEdit(doc, id);
    EXPECT_EQ(own.values.m_comment, "mine");
    EXPECT_TRUE(own.values.m_bAlwaysPrompt);
    EXPECT_TRUE(own.showFirstLine);
}

TEST_F(EntryCommentEditTest, OwnCommentIsStoredAndListed) {
    CommentEdit edit = StartCommentEdit(doc, id);
    edit.values.m_comment = "It's a comment";
    edit.values.m_bAlwaysPrompt = true;
    EXPECT_EQ(FinishCommentEdit(doc, id, edit), "It's a comment");
    EXPECT_EQ(doc.LoadEntryComment(id), "It's a comment");
    EXPECT_EQ(column("UserComment"), "1");
    EXPECT_EQ(*rawQuery(doc.m_path, "SELECT PromptForComment FROM Config")[0][0], "1");
}

TEST_F(EntryCommentEditTest, ClearedCommentStoresTheTextsStartWithLineBreaks) {
    doc.SetEntryComment(true, "old", id);
    CommentEdit edit = StartCommentEdit(doc, id);
    edit.values.m_comment.clear();
    EXPECT_EQ(FinishCommentEdit(doc, id, edit), "") << "hidden while ShowFirstLine is off";
    EXPECT_EQ(doc.LoadEntryComment(id), "First line\r\nSecond line");
    EXPECT_EQ(column("UserComment"), "0");

    edit.showFirstLine = true;
    EXPECT_EQ(FinishCommentEdit(doc, id, edit), "First line\r\nSecond line");
}

} // namespace
