#pragma once

#include "core/platform/COleDateTime.h"
#include "core/print/EntryChoice.h"
#include "core/print/PrintChoices.h"

#include <string>

// The Print Journal dialog without its widgets: which choices it offers, which controls are
// enabled, how the two days stay in order, and the choice it ends with.
class PrintJournalState {
public:
    // The dialog as it opens: "Print Selected Entry" when an entry is selected (and only
    // then offered); otherwise the current folder's entries, or all entries when the current
    // folder is the root, which then offers no folder choice. Both days start at today.
    PrintJournalState(const std::string& currentEntryId, const std::string& currentFolderId,
                      const COleDateTime& today);

    int m_nPrintWhat = -1; // EntryChoice::What of the chosen radio button
    bool m_bBetween = false;
    PrintChoices m_choices;  // the layout check boxes
    bool m_bPreview = false; // left with Preview: the pages are shown, not printed

    bool SelectedEntryEnabled() const { return m_selectedEntryEnabled; }
    bool CurrentFolderEnabled() const { return m_currentFolderEnabled; }
    // The Between box is enabled except for the selected entry; the days and their "AND"
    // only while Between is ticked as well.
    bool BetweenEnabled() const { return m_nPrintWhat != EntryChoice::SelectedEntry; }
    bool DatesEnabled() const { return m_bBetween && BetweenEnabled(); }

    const COleDateTime& FirstDay() const { return m_firstDay; }
    const COleDateTime& LastDay() const { return m_lastDay; }
    // A first day after the last day moves the last day to it; a last day before the first
    // moves the first day back: the range is never inverted.
    void SetFirstDay(const COleDateTime& day);
    void SetLastDay(const COleDateTime& day);

    // What OK hands to the Print command: the range from the first day's 00:00:00 to the last
    // day's 23:59:59.
    EntryChoice Choice() const;

private:
    std::string m_entryId;
    std::string m_folderId;
    bool m_selectedEntryEnabled = false;
    bool m_currentFolderEnabled = true;
    COleDateTime m_firstDay;
    COleDateTime m_lastDay;
};
