#pragma once

#include "core/platform/DateDisplay.h"

#include <string>

// The Journal Options dialog. The caller fills every member from the journal's settings
// row and, after OK, writes back all but m_location (the journal's path, shown read-only).
struct OptionsValues {
    std::string m_title;
    std::string m_owner;
    bool m_bShowFirstLine = false;
    bool m_bPromptForComment = false;
    bool m_bConfirmEntryMove = false;
    bool m_bConfirmFolderMove = false;
    std::string m_location;
    std::string m_dateFormat;
    std::string m_timeFormat;
    std::string m_fontName;
    int m_fontSize = 12; // always set by the caller; 12 is a journal's own default
    // Kept on this computer, not in the journal.
    DateDisplay::Style m_shownDates = DateDisplay::Style::Journal;
};
