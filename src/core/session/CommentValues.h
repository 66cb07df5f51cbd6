#pragma once

#include <string>

// The Comment dialog: an entry's comment and the journal's "always prompt for a comment"
// setting, both set by the caller and read back after OK.
struct CommentValues {
    std::string m_comment;
    bool m_bAlwaysPrompt = false;
};
