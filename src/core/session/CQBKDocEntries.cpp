// Entry operations of the journal session: every read and write of the Entry table.
#include "core/session/CQBKDoc.h"
#include "core/session/JournalHost.h"
#include "core/session/JournalUi.h"
#include "core/session/Panes.h"
#include "core/store/CHiddenRichEdit.h"
#include "core/store/ConfigRow.h"
#include "core/store/CppSQLite3Exception.h"
#include "core/store/EntryTable.h"
#include "core/store/FolderTable.h"
#include "core/store/JournalMessages.h"
#include "core/store/SqlQuery.h"
#include "core/store/SqlTransaction.h"
#include "core/store/TimeStamp.h"
#include "core/store/TopicLinks.h"

#include <optional>

namespace {

constexpr const char* kNewEntryId = "{new_entry}";

} // namespace

// The rows of one entry, found through the session's row table rather than a scan; the first
// of several (a hand-edited file) is the first a scan would meet, hence ORDER BY rowid.
std::string CQBKDoc::EntryRowsWhere(const std::string& id) {
    return m_entryRows.Where(m_db, id);
}

std::string CQBKDoc::ReadEntryColumn(const std::string& id, const char* column) {
    SqlQuery query = EntryTable(m_db).Rows(EntryRowsWhere(id));
    // An entry deleted meanwhile (a stale search result, say) reads as empty.
    std::string text = query.eof() ? std::string() : DecipherColumn(query.fieldValue(column));
    query.finalize();
    return text;
}

CQBKDoc::SaveResult CQBKDoc::SaveEntry(const std::string& rtf, std::string& entryId,
                                       const std::string* storedBefore) {
    RefreshIfChangedElsewhere();
    try {
        CHiddenRichEdit hidden;
        hidden.StreamInText(CHiddenRichEdit::SF_RTF, rtf);
        std::string comment = EncipherText(hidden.DerivedDescription());
        const std::string text = EncipherText(rtf);

        // The look at the stored text and the write that follows are one transaction, so no
        // other program's save can come between them.
        std::optional<SqlTransaction> updating;
        if (entryId != kNewEntryId)
            updating.emplace(m_db, "BEGIN IMMEDIATE");
        EntryTable entries(m_db);
        SqlQuery flagQuery = entries.SaveState(EntryRowsWhere(entryId));
        int userComment = flagQuery.eof() ? 0 : flagQuery.intField("UserComment", 0);
        bool changedElsewhere = false;
        if (updating && storedBefore && !flagQuery.eof()) {
            // Another program's text equal to this one loses nothing when written over.
            const std::string stored = DecipherColumn(flagQuery.fieldValue("EntryText"));
            changedElsewhere = stored != *storedBefore && stored != rtf;
        }
        flagQuery.finalize();
        if (changedElsewhere)
            return SaveResult::ChangedElsewhere;

        if (updating) {
            const std::string where = EntryRowsWhere(entryId);
            const int changed = userComment != 0 ? entries.SetText(where, text)
                                                 : entries.SetTextAndComment(where, text, comment);
            // An update that meets no row wrote nothing, and must not pass for a save.
            if (changed == 0)
                return SaveResult::EntryGone;
            updating->commit();
            RefreshEntryList();
            return SaveResult::Saved;
        }

        // Filed at the top without a word would lose it among the rest.
        if (m_currentFolderId != "{Root}" && !FolderTable(m_db).Exists(m_currentFolderId))
            return SaveResult::FolderGone;
        const std::string newId = NewId();
        const std::string timeStamp = NewEntryTimeStamp();
        m_newEntryDay.reset();
        SqlQuery config = ConfigRow(m_db).Read();
        const int prompt = config.eof() ? 0 : config.intField("PromptForComment", 0);
        config.finalize();
        if (prompt == 1) {
            CommentValues values;
            values.m_bAlwaysPrompt = true;
            if (m_ui.runCommentDialog(values)) {
                userComment = values.m_comment.empty() ? 0 : 1;
                if (!values.m_comment.empty())
                    comment = EncipherText(values.m_comment);
                if (!values.m_bAlwaysPrompt)
                    ConfigRow(m_db).SetPromptForComment(false);
            }
        }

        // The topics chosen before the first save move to the new entry only together with
        // its row; if the row cannot be written the entry stays unsaved with its topics, and
        // the next save tries again.
        SqlTransaction transaction(m_db);
        TopicLinks(m_db).AdoptPlaceholder(newId);
        entries.Insert(newId, timeStamp, m_currentFolderId, comment, userComment, text);
        transaction.commit();
        entryId = newId;
        RefreshEntryList();
        return SaveResult::Saved;
    } catch (const CppSQLite3Exception& e) {
        ShowDatabaseError(e);
        return SaveResult::Failed;
    }
}

bool CQBKDoc::SetEntryComment(bool userComment, const std::string& comment, const std::string& id) {
    RefreshIfChangedElsewhere();
    const std::string stored = EncipherText(comment);
    const std::string where = EntryRowsWhere(id);
    return WriteOneRow([&] { return EntryTable(m_db).SetComment(where, stored, userComment); },
                       JournalMessages::kEntryGone);
}

bool CQBKDoc::SetEntryTimeStamp(const COleDateTime& when, const std::string& id) {
    const std::string stamp = MakeTimeStamp(when);
    if (stamp.empty())
        return false; // an impossible date is never stored
    RefreshIfChangedElsewhere();
    const std::string where = EntryRowsWhere(id);
    return WriteOneRow([&] { return EntryTable(m_db).SetTimeStamp(where, stamp); },
                       JournalMessages::kEntryGone);
}

std::string CQBKDoc::LoadEntryText(const std::string& id) {
    std::string text;
    Reported([&] { text = ReadEntryColumn(id, "EntryText"); });
    return text;
}

std::string CQBKDoc::LoadEntryComment(const std::string& id) {
    std::string comment;
    Reported([&] { comment = ReadEntryColumn(id, "Comment"); });
    return comment;
}

std::string CQBKDoc::ReadTimeStamp(const std::string& id) {
    SqlQuery query = EntryTable(m_db).TimeStampOf(EntryRowsWhere(id));
    const std::string stamp = query.eof() ? std::string() : query.textField("TimeStamp");
    query.finalize();
    return stamp;
}

std::string CQBKDoc::GetEntryDateText(const std::string& id) {
    std::string text;
    Reported([&] { text = FormatTimeStamp(ReadTimeStamp(id).c_str()); });
    return text;
}

std::optional<COleDateTime> CQBKDoc::GetEntryTimeStamp(const std::string& id) {
    // Quiet: shown beside the text as it loads, where a busy journal is no reason to ask.
    std::string stamp;
    try {
        stamp = ReadTimeStamp(id);
    } catch (const CppSQLite3Exception&) {
        return std::nullopt;
    }
    const COleDateTime when = ParseTimeStamp(stamp.c_str());
    return when.IsValid() ? std::optional(when) : std::nullopt;
}

void CQBKDoc::OpenEntry(const std::string& id) {
    if (m_pEntryEditorDoc && id == m_openEntryId) {
        m_pEntryEditorDoc->Focus();
        return;
    }
    if (m_pEntryEditorDoc == nullptr) {
        m_pEntryEditorDoc = m_host.CreateEntryEditor();
        if (m_pEntryEditorDoc == nullptr)
            return;
    } else if (!m_pEntryEditorDoc->SaveModified()) {
        return; // cancelled, or the save failed: the editor keeps its text
    }
    m_pEntryEditorDoc->SetTitle(GetEntryDateText(id));
    m_pEntryEditorDoc->LoadEntry(LoadEntryText(id), id);
    m_openEntryId = id;
    m_pEntryEditorDoc->Focus();
}

void CQBKDoc::PrintEntry(const std::string& id, int printFlag) {
    std::string text;
    std::string title;
    bool found = false;
    if (!Reported([&] { found = ReadPrintedEntry(id, text, title); }))
        return;
    // Deleted by another program: told as any other gone row, and no blank page is printed.
    if (!found) {
        ReportRowGone(JournalMessages::kEntryGone);
        return;
    }
    m_host.PrintEntryText(text, title, printFlag);
}

bool CQBKDoc::ReadPrintedEntry(const std::string& id, std::string& text, std::string& title) {
    SqlQuery query = EntryTable(m_db).Rows(EntryRowsWhere(id));
    const bool found = !query.eof();
    if (found) {
        text = DecipherColumn(query.fieldValue("EntryText"));
        title = ::FormatTimeStamp(m_db, query.fieldValue("TimeStamp")); // thrown on: prints nothing
    }
    query.finalize();
    return found;
}

bool CQBKDoc::DeleteEntry(const std::string& id) {
    RefreshIfChangedElsewhere();
    const std::string where = EntryRowsWhere(id);
    return WriteOneRow([&] { return EntryTable(m_db).Delete(where); }, JournalMessages::kEntryGone);
}

bool CQBKDoc::MoveEntry(const std::string& id, const std::string& folderId) {
    if (!IsJournalOpen())
        return false;
    RefreshIfChangedElsewhere();
    if (!FolderStillThere(folderId, JournalMessages::kDropFolderGone))
        return false;
    const std::string where = EntryRowsWhere(id);
    return WriteOneRow([&] { return EntryTable(m_db).MoveTo(where, folderId); },
                       JournalMessages::kEntryGone);
}
