#include "core/browser/EntryCommentEdit.h"
#include "support/RawSqlite.h"
#include "support/SessionFixture.h"

namespace {

using EntryCommentEditTest = SessionFixture;

// Only the user's own comment is offered for editing; it and the prompt setting are stored.
// Cleared, the text's start is stored, line breaks and all, and listed while ShowFirstLine is on.
TEST_F(EntryCommentEditTest, OwnCommentIsStoredListedAndOfferedBackAndClearedGivesTheTextsStart) {
    createJournal("comments.qbk");
    const std::string id = saveNewEntry("{\\rtf1\\ansi First line\\par Second line\\par}");
    const auto userComment = [&] {
        return rawValue(doc.Path(), "SELECT UserComment FROM Entry WHERE EntryID = '" + id + "'");
    };
    CommentEdit edit = StartCommentEdit(doc, id);
    EXPECT_EQ(edit.values.m_comment, "");
    EXPECT_FALSE(edit.values.m_bAlwaysPrompt);
    EXPECT_FALSE(edit.showFirstLine);

    edit.values.m_comment = "It's a comment";
    edit.values.m_bAlwaysPrompt = true;
    EXPECT_EQ(FinishCommentEdit(doc, id, edit), "It's a comment");
    EXPECT_EQ(doc.LoadEntryComment(id), "It's a comment");
    EXPECT_EQ(userComment(), "1");
    rawExec(doc.Path(), "UPDATE Config SET ShowFirstLine = 1");
    CommentEdit own = StartCommentEdit(doc, id);
    EXPECT_EQ(own.values.m_comment, "It's a comment");
    EXPECT_TRUE(own.values.m_bAlwaysPrompt);
    EXPECT_TRUE(own.showFirstLine);

    own.values.m_comment.clear();
    own.showFirstLine = false;
    EXPECT_EQ(FinishCommentEdit(doc, id, own), "") << "hidden while ShowFirstLine is off";
    EXPECT_EQ(doc.LoadEntryComment(id), "First line\r\nSecond line");
    EXPECT_EQ(userComment(), "0");
    own.showFirstLine = true;
    EXPECT_EQ(FinishCommentEdit(doc, id, own), "First line\r\nSecond line");
}

} // namespace
