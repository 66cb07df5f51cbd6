#pragma once

#include "core/platform/COleDateTime.h"
#include "core/platform/CommandMap.h"
#include "core/protect/BlowfishEngine.h"
#include "core/store/CppSQLite3Exception.h"
#include "core/store/EntryRowIds.h"
#include "core/store/SearchCriteria.h"
#include "core/store/SearchMarks.h"
#include "core/store/SearchTextCache.h"
#include "core/store/SqlDatabase.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class EntryEditor;
class EntryListPane;
class FolderTreePane;
class JournalHost;
class JournalUi;
class PreviewPane;
class SearchWindow;
class TopicListPane;

// The journal session: the one object that holds a journal open and carries out every
// journal operation (opening, creating, closing, options, password, entries, folders,
// topics, search). It shows nothing itself: messages and dialogs go through JournalUi, the
// panes and the entry editor through their small interfaces, everything else through
// JournalHost. One instance lives for the life of the program; g_pJournalDoc points to it.
class CQBKDoc : public MappedCommandTarget<CQBKDoc> {
public:
    // Results of OpenJournal; ReportOpenResult turns them into messages.
    enum OpenResult {
        OpenOk = 0,
        OpenCancelled = 1,
        OpenMissingFile = 2,
        OpenBusy = 3,
        OpenNotAJournal = 4,
        OpenNewerVersion = 5,
        OpenCorrupt = 6,
        OpenUnknownError = 7,
        OpenReadOnlyNeedsUpgrade = 8, // an older file that cannot be brought up to date
    };

    CQBKDoc(JournalUi& ui, JournalHost& host);
    ~CQBKDoc() override;
    CQBKDoc(const CQBKDoc&) = delete;
    CQBKDoc& operator=(const CQBKDoc&) = delete;

    // --- session ---
    int OpenJournal(const std::string& path);
    void ReportOpenResult(int result);
    bool QueryCloseJournal();
    // False when the journal stays open (the entry editor's save question was cancelled or
    // its save failed).
    bool CloseJournal();
    void OpenLastJournal();
    void CreateJournal();
    void JournalOptions();
    void ChangePassword();
    void RefreshEntryList();
    void UpdateAllViews();
    // Another program (a second Quillbook, the qbk tool) may have committed to the file since
    // we last looked (PRAGMA data_version); if so the panes read it again, keeping what is
    // selected where it still exists. True when there were such changes. Run when the window
    // is activated and before every write.
    bool RefreshIfChangedElsewhere();
    // Tells a database failure once, as the cause a person can act on; the library's own text
    // goes with it as detail. path: the file concerned when it is not the open journal's.
    void ShowDatabaseError(const CppSQLite3Exception& e, const std::string& path = {});
    bool IsJournalOpen() const { return m_db.isOpen(); }
    // A journal that cannot be written (read-only file, folder or disk) is open for reading
    // only: it is never written, and the commands that would write it are disabled.
    bool IsReadOnly() const { return IsJournalOpen() && m_readOnly; }
    bool CanWrite() const { return IsJournalOpen() && !m_readOnly; }
    // The veto of the command routers: a command that writes while the journal is read-only.
    bool RefusesCommand(CommandId id) const;
    // The document title: the journal's title, or its file name when the title is empty.
    const std::string& GetTitle() const { return m_title; }

    int ReadSchemaRevision();
    static bool JournalFileExists(const std::string& path);
    static int OpenResultFromCode(int code);
    static std::string NewId();
    std::string DisplayFormat();
    static COleDateTime ParseTimeStamp(const char* stored);
    std::string FormatTimeStamp(const char* stored);

    // --- entries ---
    // What became of a save: stored, failed (the failure was shown), aimed at a stored entry
    // whose row is no longer in the file, or at one whose stored text is no longer
    // storedBefore (another program saved it meanwhile). In the last two nothing was written
    // and the caller decides, so the text typed is never dropped and a newer stored text is
    // never overwritten unasked.
    enum class SaveResult { Saved, Failed, EntryGone, ChangedElsewhere };
    // storedBefore: the entry's text as the editor read it (or last saved it); nullptr
    // writes whatever is stored now.
    SaveResult SaveEntry(const std::string& rtf, std::string& entryId,
                         const std::string* storedBefore = nullptr);
    // The other writes aimed at one row return whether that row was written. A row another
    // program deleted is reported and the panes show the journal as it is.
    bool SetEntryComment(bool userComment, const std::string& comment, const std::string& id);
    bool SetEntryTimeStamp(const COleDateTime& when, const std::string& id);
    std::string LoadEntryText(const std::string& id);
    std::string LoadEntryComment(const std::string& id);
    std::string GetEntryDateText(const std::string& id);
    void OpenEntry(const std::string& id);
    void PrintEntry(const std::string& id, int printFlag);
    bool DeleteEntry(const std::string& id);
    bool MoveEntry(const std::string& id, const std::string& folderId);

    // --- folders and topics ---
    bool RenameFolder(const std::string& name);
    bool MoveFolder(const std::string& folderId, const std::string& parentId);
    int DeleteFolder();
    // Quiet: for enabling rules, which must never show a message; a failure reads as "has
    // entries", which leaves Delete Folder disabled.
    bool FolderHasEntries(const std::string& folderId);
    void NewTopic();
    bool RenameTopic(const std::string& topicId, const std::string& name);
    bool DeleteTopic(const std::string& topicId);

    // --- search ---
    // Marks the entries found in the file, or, in a journal open for reading only, keeps
    // their ids in SearchHits() without writing anything.
    void Search(const SearchCriteria& criteria);
    const std::vector<std::string>& SearchHits() const { return m_searchHits; }

    // The keyed content cipher of the open journal, for code that reads entries in bulk.
    const BlowfishEngine& ContentCipherEngine() const { return m_contentEngine; }

    // Commands of the document's table.
    static const CommandMap<CQBKDoc>& commandMap();

    // Panes and editor, set by the pane layout and the entry editor.
    EntryListPane* m_pEntryList = nullptr;
    TopicListPane* m_pTopicList = nullptr;
    FolderTreePane* m_pFolderTree = nullptr;
    PreviewPane* m_pPreview = nullptr;
    EntryEditor* m_pEntryEditorDoc = nullptr;
    // The open search dialog, set and cleared by the dialog itself.
    SearchWindow* m_pSearchDlg = nullptr;

    SqlDatabase m_db;
    std::string m_fileName;
    std::string m_contentKey;
    std::string m_openEntryId;
    std::string m_path;
    std::string m_currentFolderId = "{Root}";
    std::string m_currentEntryId;
    std::string m_defaultFontName;
    int m_defaultFontSize = 12;
    bool m_confirmEntryMove = false;
    bool m_confirmFolderMove = false;

private:
    // Command handlers and update rules.
    void OnOpenJournal();
    void OnCloseJournal();
    void OnNewJournal();
    void OnJournalOptions();
    void OnChangePassword();
    void OnUpdateChangePassword(CommandUpdate& update);
    void OnWelcomeDialog();
    void OnNewEntry();
    void OnNewFolder();
    bool CanNewFolder() const;
    void OnNewTopic();
    bool CanNewTopic() const;
    void OnSearch();
    void OnMasterTopicList();
    void OnPrintJournal();

    // Runs a journal operation; a database failure is shown and the operation abandoned.
    // Returns whether it ran to the end.
    template <class Operation> bool Reported(Operation&& operation) {
        try {
            operation();
            return true;
        } catch (const CppSQLite3Exception& e) {
            ShowDatabaseError(e);
            return false;
        }
    }
    // Reads the settings row into the cached members; false when the file has no usable one.
    std::optional<std::string> ReadContentKey(const std::string& storedKey,
                                              const std::string& password) const;
    int OpenSteps(const std::string& path);
    void SetContentKey(const std::string& key);
    void ClearContentKey();
    // The session-only temporary tables and caches of a journal just opened or created.
    void AttachSessionTables();
    // The entry ids a search finds, in table order; reads only.
    std::vector<std::string> FindEntries(const SearchCriteria& criteria);
    std::string EncipherText(const std::string& plain) const;
    std::string DecipherColumn(const char* column) const;
    std::string ReadEntryColumn(const std::string& id, const char* column);
    std::string EntryRowsWhere(const std::string& id);
    // The panes read the journal again, keeping their selections where they still exist.
    void RefreshPanesKeepingPlace();
    // Runs a write aimed at one row (after a look for changes made elsewhere): false when it
    // failed or changed nothing, both told.
    bool WriteOneRow(const std::function<int()>& write, const char* goneMessage);
    // Whether a folder id names the root or a folder of the file; a missing one is told.
    bool FolderStillThere(const std::string& folderId, const char* goneMessage);
    void ReportRowGone(const char* message);

    JournalUi& m_ui;
    JournalHost& m_host;
    std::string m_title;
    bool m_hasPassword = false;
    std::string m_changePasswordText = "Set Password...";
    BlowfishEngine m_contentEngine;
    // Plain text of the entries for repeated searches; lives and dies with the open journal.
    SearchTextCache m_searchCache;
    // Where each entry's rows are, so one-entry statements need not scan the table.
    EntryRowIds m_entryRows;
    // Which rows carry a search mark, so a search rewrites only the marks that change.
    SearchMarks m_searchMarks;
    unsigned m_entryListRefreshes = 0;  // RefreshEntryList calls, so a refresh is not repeated
    std::int64_t m_seenDataVersion = 0; // the file's data_version the panes show
    bool m_readOnly = false;
    std::vector<std::string> m_searchHits; // the last search's, in a read-only journal
};

// The one journal session of the program.
extern CQBKDoc* g_pJournalDoc;
