#include "core/print/PrintJournalState.h"

PrintJournalState::PrintJournalState(const std::string& currentEntryId,
                                     const std::string& currentFolderId, const COleDateTime& today)
    : m_entryId(currentEntryId), m_folderId(currentFolderId), m_firstDay(StartOfDay(today)),
      m_lastDay(StartOfDay(today)) {
    if (!currentEntryId.empty()) {
        m_selectedEntryEnabled = true;
        m_nPrintWhat = EntryChoice::SelectedEntry;
    } else if (currentFolderId == "{Root}") {
        m_nPrintWhat = EntryChoice::AllEntries;
        m_currentFolderEnabled = false;
    } else {
        m_nPrintWhat = EntryChoice::CurrentFolder;
    }
}

void PrintJournalState::SetFirstDay(const COleDateTime& day) {
    m_firstDay = StartOfDay(day);
    if (m_lastDay < m_firstDay)
        m_lastDay = m_firstDay;
}

void PrintJournalState::SetLastDay(const COleDateTime& day) {
    m_lastDay = StartOfDay(day);
    if (m_lastDay < m_firstDay)
        m_firstDay = m_lastDay;
}

EntryChoice PrintJournalState::Choice() const {
    EntryChoice choice;
    choice.what = m_nPrintWhat;
    choice.entryId = m_entryId;
    choice.folderId = m_folderId;
    choice.between = m_bBetween && BetweenEnabled();
    choice.from = StartOfDay(m_firstDay);
    choice.to = EndOfDay(m_lastDay);
    return choice;
}
