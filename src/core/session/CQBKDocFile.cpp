// The journal's file itself: noticing it deleted, moved, renamed or replaced while open, and
// saving the open journal elsewhere to go on working there.
#include "core/session/CQBKDoc.h"
#include "core/session/JournalFileMessages.h"
#include "core/session/JournalHost.h"
#include "core/session/JournalUi.h"
#include "core/session/NewJournalPath.h"
#include "core/store/FolderTable.h"
#include "core/store/JournalAccess.h"
#include "core/store/JournalMessages.h"
#include "core/store/SqlQuery.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace {

// SQLITE_READONLY_DBMOVED: SQLite's own finding that the file left its path.
constexpr int kDatabaseMoved = 1032;

} // namespace

bool CQBKDoc::CheckJournalFile() {
    if (!IsJournalOpen())
        return true;
    const JournalFileIdentity::Fate fate = m_fileIdentity.Now();
    if (fate == JournalFileIdentity::Fate::Same) {
        m_toldFate = fate;
        return true;
    }
    if (fate == m_toldFate)
        return false; // told already; a failed write offers again
    return OfferSaveAs(fate);
}

void CQBKDoc::CheckJournalFileBeforeWrite() {
    const JournalFileIdentity::Fate toldBefore = m_toldFate;
    // Declined just now: the write that follows fails, and is not to ask the same again.
    m_saveAsJustDeclined = !CheckJournalFile() && m_toldFate != toldBefore;
}

bool CQBKDoc::ReportFileGone(const CppSQLite3Exception& e) {
    if (!IsJournalOpen())
        return false;
    JournalFileIdentity::Fate fate = m_fileIdentity.Now();
    if (fate == JournalFileIdentity::Fate::Same) {
        if (e.code() != kDatabaseMoved && m_db.extendedErrorCode() != kDatabaseMoved)
            return false;
        fate = JournalFileIdentity::Fate::Moved;
    }
    if (m_saveAsJustDeclined)
        m_ui.showFailure(JournalFileMessages::ChangeNotSaved(fate), e.message());
    else
        OfferSaveAs(fate);
    m_saveAsJustDeclined = false;
    return true;
}

bool CQBKDoc::OfferSaveAs(JournalFileIdentity::Fate fate) {
    m_toldFate = fate;
    // Renamed, its new name known: going on there writes nothing new, so Yes is the default.
    if (const std::string renamed = m_fileIdentity.NewPath();
        fate == JournalFileIdentity::Fate::Moved && !renamed.empty() &&
        m_ui.messageBox({JournalFileMessages::OfferContinueAt(renamed), MessageButtons::YesNo,
                         MessageIcon::Question, MessageAnswer::Yes}) == MessageAnswer::Yes)
        return SaveJournalAs(renamed);
    if (m_ui.messageBox({JournalFileMessages::OfferSaveAs(fate), MessageButtons::YesNo,
                         MessageIcon::Exclamation, MessageAnswer::No}) != MessageAnswer::Yes)
        return false;
    SaveJournalAsValues values{m_path};
    while (m_ui.runSaveJournalAsDialog(values))
        if (SaveJournalAs(values.m_path))
            return true;
    return false;
}

bool CQBKDoc::SaveJournalAs(const std::string& path) {
    if (!IsJournalOpen() || path.empty())
        return false;
    if (!m_fileIdentity.IsRecordedFile(path) && !CopyJournalTo(path))
        return false;
    try {
        ContinueAt(path);
    } catch (const CppSQLite3Exception& e) {
        // The copy is complete; only opening it failed, and the old connection is gone.
        if (!IsJournalOpen()) {
            ClearContentKey();
            UpdateAllViews();
        }
        m_ui.showFailure(JournalFileMessages::SaveAsFailed(
                             path, JournalMessages::DatabaseFailure(e.code(), path)),
                         e.message());
        return false;
    }
    return true;
}

bool CQBKDoc::CopyJournalTo(const std::string& path) {
    if (somethingExistsAt(path)) {
        m_ui.showError(JournalFileMessages::TargetExists(path));
        return false;
    }
    // Written under a name of its own and linked to the chosen one only when complete; the
    // link fails rather than replace a file that appeared meanwhile.
    const std::string partial = path + ".part";
    if (const std::optional<std::string> refused = createFileExclusively(partial)) {
        m_ui.showError(JournalFileMessages::SaveAsFailed(path, *refused));
        return false;
    }
    try {
        m_db.copyTo(partial);
    } catch (const CppSQLite3Exception& e) {
        std::remove(partial.c_str());
        m_ui.showFailure(JournalFileMessages::SaveAsFailed(
                             path, JournalMessages::DatabaseFailure(e.code(), partial)),
                         e.message());
        return false;
    }
    const bool linked = ::link(partial.c_str(), path.c_str()) == 0;
    std::remove(partial.c_str());
    if (!linked)
        m_ui.showError(JournalFileMessages::TargetExists(path));
    return linked;
}

void CQBKDoc::ContinueAt(const std::string& path) {
    m_entryRows.Detach();
    DropSearchReader(); // it reads the file left behind
    // A damaged journal's copy carries its damage: it stays for reading only (Rescue saves it).
    if (m_damaged)
        OpenPastDamage(path);
    else
        m_db.open(path);
    AttachSessionTables();
    m_readOnly = m_damaged || m_db.isReadOnly() ||
                 JournalAccess::WhyReadOnly(path) != JournalAccess::ReadOnlyCause::None;
    m_leftPaths.push_back(m_path);
    const bool titledByName = m_title == m_fileName;
    m_path = path;
    m_fileName = std::filesystem::path(path).filename().string();
    if (titledByName)
        m_title = m_fileName;
    m_toldFate = JournalFileIdentity::Fate::Same;
    m_host.AddToRecentFileList(path);
    UpdateAllViews();
}

bool CQBKDoc::ContinuedFrom(const std::string& path) const {
    return IsJournalOpen() && path != m_path &&
           std::find(m_leftPaths.begin(), m_leftPaths.end(), path) != m_leftPaths.end();
}

std::vector<FolderChoiceValues::Folder> CQBKDoc::FolderChoices() {
    std::vector<FolderChoiceValues::Folder> folders;
    Reported([&] {
        SqlQuery rows = FolderTable(m_db).Tree();
        for (; !rows.eof(); rows.nextRow())
            folders.push_back({rows.textField(0), rows.textField(1), rows.textField(2)});
        rows.finalize();
    });
    return folders;
}
