#pragma once

#include <string>

// The New Journal dialog, with the values it starts with. The caller reads every member but
// the confirmation and the two check boxes, and uses m_password whatever
// m_bPasswordProtected says (the box only governs what the dialog lets the user type).
struct NewJournalValues {
    std::string m_title;
    std::string m_owner;
    std::string m_dateFormat = "%A, %B %d %Y";
    std::string m_timeFormat = "%I:%M %p";
    bool m_bPromptForComment = true;
    bool m_bShowFirstLine = false;
    bool m_bPasswordProtected = false;
    std::string m_password;
    std::string m_confirmPassword;
    // The face and size the dialog selects at first; it sets both when OK succeeds.
    std::string m_fontName = "Times New Roman";
    int m_fontSize = 12;
    // The file to create (full path) and its name with extension, as file-system bytes; the
    // dialog proposes them (NewJournalPath.h).
    std::string m_path;
    std::string m_fileName = "New Journal.qbk";
};
