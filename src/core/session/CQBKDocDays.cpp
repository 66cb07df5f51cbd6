#include "core/session/CQBKDoc.h"
#include "core/session/JournalHost.h"
#include "core/store/TimeStamp.h"

std::vector<std::pair<std::string, int>>
CQBKDoc::EntriesPerDay(const EntryRowIds::DayCondition& condition) {
    if (!IsJournalOpen())
        return {};
    try {
        return m_entryRows.DayCounts(m_db, condition);
    } catch (const CppSQLite3Exception&) {
        return {};
    }
}

std::string CQBKDoc::EntryDaysWhere(const EntryRowIds::DayCondition& condition) {
    return m_entryRows.WhereDays(m_db, condition);
}

FolderEntriesCache::FileState CQBKDoc::ChangeState() {
    if (!IsJournalOpen())
        return {};
    try {
        m_changeState = {m_db.dataVersion(), m_db.totalChanges()};
    } catch (const CppSQLite3Exception&) {
        // keeps the last state: nothing to refresh from
    }
    return m_changeState;
}

void CQBKDoc::NewEntryOn(const COleDateTime& day) {
    m_newEntryDay = day;
    m_host.NewEntry();
}

std::string CQBKDoc::NewEntryTimeStamp() const {
    const COleDateTime now = COleDateTime::GetCurrentTime();
    if (!m_newEntryDay || !m_newEntryDay->IsValid())
        return MakeTimeStamp(now);
    return MakeTimeStamp(COleDateTime(m_newEntryDay->GetYear(), m_newEntryDay->GetMonth(),
                                      m_newEntryDay->GetDay(), now.GetHour(), now.GetMinute(),
                                      now.GetSecond()));
}
