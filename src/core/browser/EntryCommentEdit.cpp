#include "core/browser/EntryCommentEdit.h"

#include "core/session/CQBKDoc.h"
#include "core/store/CHiddenRichEdit.h"
#include "core/store/ConfigRow.h"
#include "core/store/EntryTable.h"
#include "core/store/SqlQuery.h"

CommentEdit StartCommentEdit(CQBKDoc& doc, const std::string& entryId) {
    CommentEdit edit;
    SqlQuery config = ConfigRow(doc.Reader().Db()).Read();
    if (!config.eof()) {
        edit.showFirstLine = config.boolField("ShowFirstLine", false);
        edit.values.m_bAlwaysPrompt = config.boolField("PromptForComment", false);
    }
    config.finalize();

    SqlQuery entry = EntryTable(doc.Reader().Db()).RowWithId(entryId);
    const bool userComment = !entry.eof() && entry.boolField("UserComment", false);
    entry.finalize();
    if (userComment)
        edit.values.m_comment = doc.LoadEntryComment(entryId);
    return edit;
}

std::optional<std::string> FinishCommentEdit(CQBKDoc& doc, const std::string& entryId,
                                             const CommentEdit& edit) {
    const bool userComment = !edit.values.m_comment.empty();
    std::string stored = edit.values.m_comment;
    if (!userComment) {
        CHiddenRichEdit hidden;
        hidden.StreamInText(CHiddenRichEdit::SF_RTF, doc.LoadEntryText(entryId));
        stored = hidden.StreamedPrefix();
    }
    if (!doc.SetEntryComment(userComment, stored, entryId))
        return std::nullopt;

    ConfigRow(doc.Reader().Db()).SetPromptForComment(edit.values.m_bAlwaysPrompt);
    return userComment || edit.showFirstLine ? stored : std::string();
}
