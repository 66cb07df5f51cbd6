#pragma once

#include "core/session/CommentValues.h"

#include <optional>
#include <string>

class CQBKDoc;

// Edit Comment from the entry list: what the Comment dialog starts from, and what its
// answer stores. Both throw CppSQLite3Exception; the caller reports it and stops.
struct CommentEdit {
    CommentValues values;
    bool showFirstLine = false;
};

// The dialog starts with the entry's own comment (a derived description is not offered for
// editing) and the journal's "prompt for a comment" setting.
CommentEdit StartCommentEdit(CQBKDoc& doc, const std::string& entryId);

// Stores the comment, or, when it was cleared, the first characters of the entry's plain
// text as a derived description; stores the prompt setting. Returns what the entry's row
// shows now, or nothing when the entry was gone (the session has told so).
std::optional<std::string> FinishCommentEdit(CQBKDoc& doc, const std::string& entryId,
                                             const CommentEdit& edit);
