#pragma once

#include "core/platform/COleDateTime.h"
#include "core/platform/CommandMap.h"
#include "core/protect/BlowfishEngine.h"
#include "core/session/BackgroundReader.h"
#include "core/session/FolderChoiceValues.h"
#include "core/session/FolderEntriesCache.h"
#include "core/session/JournalFileIdentity.h"
#include "core/session/JournalReader.h"
#include "core/store/CppSQLite3Exception.h"
#include "core/store/EntryRowIds.h"
#include "core/store/SearchCriteria.h"
#include "core/store/SkippedEntry.h"
#include "core/store/SqlDatabase.h"

#include <QtGlobal>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

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
// JournalHost. One instance lives for the life of the program and is passed by reference to
// whoever needs it. The content key never leaves it: readers get a keyed engine (Reader()).
//
// Errors: no public operation throws. A database failure is shown once, through
// ShowDatabaseError, and the operation returns what it has (false, Failed, nullopt, an empty
// value). The few operations marked "quiet" show nothing and return a stated fallback.
class CQBKDoc : public MappedCommandTarget<CQBKDoc> {
public:
    // Results of OpenJournal; ReportOpenResult turns them into messages. Each keeps the number
    // it had as a plain int code.
    enum class OpenResult {
        Ok = 0,
        Cancelled = 1,
        MissingFile = 2,
        Busy = 3,
        NotAJournal = 4,
        NewerVersion = 5,
        Corrupt = 6,
        UnknownError = 7,
        ReadOnlyNeedsUpgrade = 8, // an older file that cannot be brought up to date
    };

    CQBKDoc(JournalUi& ui, JournalHost& host);
    ~CQBKDoc() override;
    CQBKDoc(const CQBKDoc&) = delete;
    CQBKDoc& operator=(const CQBKDoc&) = delete;

    // --- session ---
    OpenResult OpenJournal(const std::string& path);
    // Opens the journal to read it and nothing else (the command-line tool's read commands):
    // the file is never written, not even to bring an older revision up to date, and being
    // read-only is no news worth a message.
    OpenResult OpenJournalToRead(const std::string& path);
    void ReportOpenResult(OpenResult result);
    // The message for a result; empty for Ok.
    static std::string OpenResultMessage(OpenResult result);
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
    // A journal is being opened (its file looked over meanwhile): nothing else opens now.
    bool IsOpening() const { return m_opening; }
    // A journal that cannot be written (read-only file, folder or disk) is open for reading
    // only: it is never written, and the commands that would write it are disabled.
    bool IsReadOnly() const { return IsJournalOpen() && m_readOnly; }
    bool CanWrite() const { return IsJournalOpen() && !m_readOnly; }
    // A journal whose file is damaged (found as it opened, or by a read since) is open for
    // reading only, so that nothing more is lost; Rescue Journal saves what can be read.
    bool IsDamaged() const { return IsJournalOpen() && m_damaged; }
    // The status bar's and the caption's words for a journal open for reading only; empty
    // while it may be written.
    std::string ReadOnlyIndicator() const;
    // The veto of the command routers: a command that writes while the journal is read-only.
    bool RefusesCommand(CommandId id) const;
    // The document title: the journal's title, or its file name when the title is empty.
    const std::string& GetTitle() const { return m_title; }

    // The open journal's file, its file name, and its settings as the session keeps them.
    const std::string& Path() const { return m_path; }
    const std::string& FileName() const { return m_fileName; }
    const std::string& DefaultFontName() const { return m_defaultFontName; }
    int DefaultFontSize() const { return m_defaultFontSize; }
    bool ConfirmsEntryMove() const { return m_confirmEntryMove; }
    bool ConfirmsFolderMove() const { return m_confirmFolderMove; }

    // What the panes have selected: new entries go to the current folder.
    const std::string& CurrentFolderId() const { return m_currentFolderId; }
    void SetCurrentFolderId(const std::string& id) { m_currentFolderId = id; }
    const std::string& CurrentEntryId() const { return m_currentEntryId; }
    void SetCurrentEntryId(const std::string& id) { m_currentEntryId = id; }

    // The open journal's connection with its keyed content engine, for code that reads (or
    // writes) the file; valid while the journal stays open.
    JournalReader Reader();
    // A second connection to the open journal for reading only, with a copy of the keyed
    // engine, for work on another thread; nullptr when no journal is open or it cannot be
    // opened (shown).
    // One that marks search hits opens the file for writing too (the search reader).
    std::unique_ptr<BackgroundReader> OpenBackgroundReader(bool marksHits = false);
    // For a session with a window: a journal held by another program is told after a short
    // wait (kWindowBusyWaitMs) with Retry and Cancel, instead of a long silent wait.
    static constexpr int kWindowBusyWaitMs = 2000;
    void AskWhenBusy();

    // nullopt when it cannot be read (shown).
    std::optional<int> ReadSchemaRevision();
    static bool JournalFileExists(const std::string& path);
    static OpenResult OpenResultFromCode(int code);
    static std::string NewId();
    // Quiet: for a list cell, which is no place for a message; nullopt when it cannot be read.
    std::optional<std::string> DisplayFormat();
    static COleDateTime ParseTimeStamp(const char* stored);
    // Empty when the display format cannot be read (shown).
    std::string FormatTimeStamp(const char* stored);

    // --- entries ---
    // What became of a save: stored, failed (the failure was shown), aimed at a stored entry
    // whose row is no longer in the file, or at one whose stored text is no longer
    // storedBefore (another program saved it meanwhile). In the last two nothing was written
    // and the caller decides, so the text typed is never dropped and a newer stored text is
    // never overwritten unasked.
    // FolderGone: a new entry's folder is no longer in the file; nothing was written, the
    // caller asks where to file it.
    enum class SaveResult { Saved, Failed, EntryGone, ChangedElsewhere, FolderGone };
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
    // Quiet: the stored date and time; nullopt when it cannot be read or is no date.
    std::optional<COleDateTime> GetEntryTimeStamp(const std::string& id);
    void OpenEntry(const std::string& id);
    void PrintEntry(const std::string& id, int printFlag);
    bool DeleteEntry(const std::string& id);
    bool MoveEntry(const std::string& id, const std::string& folderId);

    // --- many entries at once (CQBKDocBulk.cpp) ---
    // Each is one transaction: every entry changes or none does. An entry, folder or topic
    // gone meanwhile, or a failure part way, is told once and leaves the file as it was; the
    // panes are then read again. On success the caller updates its panes, once.
    bool DeleteEntries(const std::vector<std::string>& ids);
    bool MoveEntries(const std::vector<std::string>& ids, const std::string& folderId);
    // Links every entry to each topic of added and unlinks it from each of removed.
    bool ChangeEntriesTopics(const std::vector<std::string>& ids,
                             const std::vector<std::string>& added,
                             const std::vector<std::string>& removed);
    // The topics every one of the entries carries; nullopt when they cannot be read (shown).
    std::optional<std::vector<std::string>> TopicsOfAll(const std::vector<std::string>& ids);
    // --- days (CQBKDocDays.cpp), for the calendar ---
    // From what the session keeps of its rows, never a scan of the file once that is current.
    // Quiet: empty when it cannot be read.
    std::vector<std::pair<std::string, int>>
    EntriesPerDay(const EntryRowIds::DayCondition& condition);
    // A WHERE condition on Entry selecting the entries of the days that meet the condition.
    std::string EntryDaysWhere(const EntryRowIds::DayCondition& condition);
    // The file as this session's connection sees it: moves with every write, here or by
    // another program. Quiet: the last state when it cannot be read.
    FolderEntriesCache::FileState ChangeState();
    // Starts a new entry that the first save dates on the given day at the time of saving.
    void NewEntryOn(const COleDateTime& day);

    // --- folders and topics ---
    bool RenameFolder(const std::string& name);
    bool MoveFolder(const std::string& folderId, const std::string& parentId);
    int DeleteFolder();
    // Quiet: for enabling rules, which must never show a message; a failure reads as "has
    // entries", which leaves Delete Folder disabled. Asks the file again only once it or the
    // folder asked about has changed.
    bool FolderHasEntries(const std::string& folderId);
    void NewTopic();
    bool RenameTopic(const std::string& topicId, const std::string& name);
    bool DeleteTopic(const std::string& topicId);

    // --- search ---
    // Marks the entries found in the file, or, in a journal open for reading only, keeps
    // their ids in SearchHits() without writing anything.
    void Search(const SearchCriteria& criteria);
    const std::vector<std::string>& SearchHits() const { return m_searchHits; }
    // The entries the last search left out (SearchCriteria::skipUnreadable).
    const std::vector<SkippedEntry>& SearchSkipped() const { return m_searchSkipped; }

    // --- the journal file itself (CQBKDocFile.cpp) ---
    // Whether the open journal's file is still where it was opened. When it was deleted,
    // moved, renamed or replaced, says so (once for each such change) and offers to save the
    // journal elsewhere; true when the journal may be written where it now is.
    bool CheckJournalFile();
    // Writes the whole open journal, as this session reads it, to a new file at path and goes
    // on working there. The journal's own file found at path (renamed) is simply taken up.
    bool SaveJournalAs(const std::string& path);
    // Whether the session has left path for the file it saved the journal as (an editor whose
    // text came from path then saves into the new file).
    bool ContinuedFrom(const std::string& path) const;
    // The journal's folders for the folder picker.
    std::vector<FolderChoiceValues::Folder> FolderChoices();
    // Search in two halves, for a search on another thread: the reader it runs on (kept while
    // the journal stays open, so repeated searches read only what changed; nullptr when it
    // cannot be opened, shown), then FinishSearch back on this thread with what it found. A
    // search of a journal closed meanwhile, or cancelled, changes nothing.
    std::shared_ptr<BackgroundReader> SearchReader();
    // The entry list reads through it on another thread, kept while the journal stays open;
    // nullptr when it cannot be opened or the journal is damaged (nothing shown: the list then
    // reads on the session's own connection).
    std::shared_ptr<BackgroundReader> ListingReader();
    void FinishSearch(const BackgroundReader& reader, const SearchFound& found);

    // Commands of the document's table.
    static const CommandMap<CQBKDoc>& commandMap();

    // The panes, registered by the pane layout (any may be missing) and told of changes.
    void AttachPanes(EntryListPane* entries, TopicListPane* topics, FolderTreePane* folders,
                     PreviewPane* preview);
    void DetachPanes() { AttachPanes(nullptr, nullptr, nullptr, nullptr); }
    EntryListPane* EntryList() const { return m_pEntryList; }
    // The entries selected in the entry list, in its order; none without the list.
    std::vector<std::string> SelectedEntryIds() const;
    TopicListPane* TopicList() const { return m_pTopicList; }
    FolderTreePane* FolderTree() const { return m_pFolderTree; }
    PreviewPane* Preview() const { return m_pPreview; }

    // The entry editor window registers with the entry it shows and leaves when it closes;
    // another editor's leaving changes nothing.
    void AttachEditor(EntryEditor& editor, const std::string& entryId);
    void SetOpenEntryId(const std::string& entryId) { m_openEntryId = entryId; }
    void DetachEditor(const EntryEditor& editor);
    EntryEditor* Editor() const { return m_pEntryEditorDoc; }
    const std::string& OpenEntryId() const { return m_openEntryId; }

    // The open search dialog, set and cleared by the dialog itself.
    void SetSearchWindow(SearchWindow* window) { m_pSearchDlg = window; }
    SearchWindow* CurrentSearchWindow() const { return m_pSearchDlg; }

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
    // onlyToRead: nothing is written, not even an upgrade. damaged: the file is known to be
    // damaged; it opens for reading only, past the damage, as it is.
    OpenResult OpenSteps(const std::string& path, bool onlyToRead, bool damaged = false);
    OpenResult OpenExisting(const std::string& path, bool onlyToRead);
    // After a first attempt failed on damage: opens it as damaged.
    OpenResult OpenDamaged(const std::string& path);
    static bool IsDamage(const CppSQLite3Exception& e);
    // Raises the damage PRAGMA quick_check finds in the file at path, opened as the session
    // will open it, as long work (JournalUi::runLongWork); false when the user cancelled.
    bool CheckSound(const std::string& path, bool readOnly);
    // Opens the connection for a damaged file: read-only, and reading past a cut-short end.
    void OpenPastDamage(const std::string& path);
    // Shows a failure of the open journal that damage explains; false for any other failure.
    bool ShowDamage(const CppSQLite3Exception& e);
    void SetContentKey(const std::string& key);
    void ClearContentKey();
    // The session-only temporary tables and caches of a journal just opened or created.
    void AttachSessionTables();
    std::string EncipherText(const std::string& plain) const;
    std::string DecipherColumn(const char* column) const;
    std::string ReadEntryColumn(const std::string& id, const char* column);
    std::string ReadTimeStamp(const std::string& id);
    // False when the entry is not in the file.
    bool ReadPrintedEntry(const std::string& id, std::string& text, std::string& title);
    std::string EntryRowsWhere(const std::string& id);
    // A new entry's stored timestamp: now, on the day NewEntryOn chose if any.
    std::string NewEntryTimeStamp() const;
    // The panes read the journal again, keeping their selections where they still exist.
    void RefreshPanesKeepingPlace();
    // Runs a write aimed at one row (after a look for changes made elsewhere): false when it
    // failed or changed nothing, both told.
    bool WriteOneRow(const std::function<int()>& write, const char* goneMessage);
    // Runs write on each entry's rows in one transaction; an entry whose write changed
    // nothing is gone, which undoes the lot and is told with goneMessage.
    bool WriteEveryEntry(
        const std::vector<std::string>& ids,
        const std::function<int(const std::string& id, const std::string& where)>& write,
        const char* goneMessage);
    // Whether a folder id names the root or a folder of the file; a missing one is told.
    bool FolderStillThere(const std::string& folderId, const char* goneMessage);
    void ReportRowGone(const char* message);
    // A failure of a journal whose file has gone from its path, told as what happened with
    // the offer to save elsewhere; false when the file is where it was.
    bool ReportFileGone(const CppSQLite3Exception& e);
    bool OfferSaveAs(JournalFileIdentity::Fate fate);
    // Run before writes: a file gone from its path is told before the write that would fail.
    void CheckJournalFileBeforeWrite();
    // Copies the journal to a new file at path, never replacing one; false when told.
    bool CopyJournalTo(const std::string& path);
    void ContinueAt(const std::string& path);
    // The search and listing readers leave: a search still running marks nothing.
    void DropSearchReader();

    JournalUi& m_ui;
    JournalHost& m_host;
    EntryListPane* m_pEntryList = nullptr;
    TopicListPane* m_pTopicList = nullptr;
    FolderTreePane* m_pFolderTree = nullptr;
    PreviewPane* m_pPreview = nullptr;
    EntryEditor* m_pEntryEditorDoc = nullptr;
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
    std::string m_title;
    bool m_hasPassword = false;
    std::string m_changePasswordText = QT_TRANSLATE_NOOP("MainMenus", "Set Password...");
    BlowfishEngine m_contentEngine;
    // Searches read through it, keeping the entries' plain text for repeated searches; lives
    // and dies with the open journal (a search still running keeps its own share).
    std::shared_ptr<BackgroundReader> m_searchReader;
    std::shared_ptr<BackgroundReader> m_listingReader; // see ListingReader
    // Where each entry's rows are, so one-entry statements need not scan the table.
    EntryRowIds m_entryRows;
    // The file's data version when the running search began (SearchReader).
    std::int64_t m_searchStartVersion = 0;
    FolderEntriesCache m_folderEntries;
    std::optional<COleDateTime> m_newEntryDay; // set by NewEntryOn until the next New Entry
    FolderEntriesCache::FileState m_changeState;
    unsigned m_entryListRefreshes = 0;  // RefreshEntryList calls, so a refresh is not repeated
    std::int64_t m_seenDataVersion = 0; // the file's data_version the panes show
    bool m_readOnly = false;
    // While opening waits for its long work, the window is live: a second open or a new
    // journal then would race the one under way.
    bool m_opening = false;
    bool m_damaged = false;
    std::vector<std::string> m_searchHits; // the last search's, in a read-only journal
    JournalFileIdentity m_fileIdentity;    // the file the journal was opened from
    JournalFileIdentity::Fate m_toldFate = JournalFileIdentity::Fate::Same;
    bool m_saveAsJustDeclined = false;    // so the failing write that follows does not ask again
    std::vector<std::string> m_leftPaths; // files this session saved the journal away from
    std::vector<SkippedEntry> m_searchSkipped;
};
