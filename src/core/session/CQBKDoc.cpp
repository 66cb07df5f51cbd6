#include "core/session/CQBKDoc.h"

#include "core/platform/DateDisplay.h"
#include "core/platform/Guid.h"
#include "core/protect/PasswordDigest.h"
#include "core/protect/PasswordForms.h"
#include "core/protect/Secrets.h"
#include "core/session/JournalHost.h"
#include "core/session/JournalUi.h"
#include "core/session/NewJournalPath.h"
#include "core/session/PaneCommandRules.h"
#include "core/session/Panes.h"
#include "core/session/SearchWindow.h"
#include "core/store/ConfigRow.h"
#include "core/store/CppSQLite3Exception.h"
#include "core/store/DamageMessages.h"
#include "core/store/FolderTable.h"
#include "core/store/JournalAccess.h"
#include "core/store/JournalMessages.h"
#include "core/store/JournalSchema.h"
#include "core/store/SqlQuery.h"
#include "core/store/StoredText.h"
#include "core/store/TimeStamp.h"

#include <QScopeGuard>
#include <cstdio>
#include <filesystem>

CQBKDoc::CQBKDoc(JournalUi& ui, JournalHost& host) : m_ui(ui), m_host(host) {}

CQBKDoc::~CQBKDoc() {
    ClearContentKey();
}

void CQBKDoc::ShowDatabaseError(const CppSQLite3Exception& e, const std::string& path) {
    if (path.empty() && ReportFileGone(e))
        return;
    if ((path.empty() || path == m_path) && ShowDamage(e))
        return;
    m_ui.showFailure(JournalMessages::DatabaseFailure(e.code(), path.empty() ? m_path : path),
                     e.message());
}

// --- helpers -------------------------------------------------------------------------------

std::string CQBKDoc::NewId() {
    return NewGuidText();
}

bool CQBKDoc::JournalFileExists(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr)
        return false;
    std::fclose(file);
    return true;
}

CQBKDoc::OpenResult CQBKDoc::OpenResultFromCode(int code) {
    switch (code) {
    case 1:
    case 14:
    case 26:
        return OpenResult::NotAJournal;
    case 5:
        return OpenResult::Busy;
    case 11:
        return OpenResult::Corrupt;
    default:
        return OpenResult::UnknownError;
    }
}

JournalReader CQBKDoc::Reader() {
    return JournalReader(m_db, m_contentEngine);
}

std::unique_ptr<BackgroundReader> CQBKDoc::OpenBackgroundReader(bool marksHits) {
    if (!IsJournalOpen())
        return nullptr;
    std::unique_ptr<BackgroundReader> reader;
    Reported(
        [&] { reader = std::make_unique<BackgroundReader>(m_path, m_contentEngine, marksHits); });
    return reader;
}

void CQBKDoc::AskWhenBusy() {
    m_db.setBusyTimeout(kWindowBusyWaitMs);
    m_db.setBusyPrompt([this] {
        return m_ui.messageBox({JournalMessages::Text(JournalMessages::kHeldByAnother),
                                MessageButtons::RetryCancel, MessageIcon::Exclamation,
                                MessageAnswer::Cancel}) == MessageAnswer::Retry;
    });
}

std::optional<int> CQBKDoc::ReadSchemaRevision() {
    std::optional<int> revision;
    Reported([&] { revision = JournalSchema::ReadSchemaRevision(m_db); });
    return revision;
}

std::optional<std::string> CQBKDoc::DisplayFormat() {
    try {
        return ::DisplayFormat(m_db);
    } catch (const CppSQLite3Exception&) {
        return std::nullopt;
    }
}

COleDateTime CQBKDoc::ParseTimeStamp(const char* stored) {
    return ::ParseTimeStamp(stored);
}

std::string CQBKDoc::FormatTimeStamp(const char* stored) {
    std::string text;
    Reported([&] { text = ::FormatTimeStamp(m_db, stored); });
    return text;
}

void CQBKDoc::SetContentKey(const std::string& key) {
    m_contentKey = key;
    // Keyed once per journal: every entry text and comment uses this state.
    m_contentEngine.SetKey(m_contentKey);
}

void CQBKDoc::ClearContentKey() {
    WipeSecret(m_contentKey);
    m_contentEngine.Reset();
    m_readOnly = false;
    m_damaged = false;
    m_searchHits.clear();
    DropSearchReader();
    m_entryRows.Detach();
    m_folderEntries.Clear();
    m_fileIdentity.Clear();
    m_newEntryDay.reset();
    m_leftPaths.clear();
}

void CQBKDoc::AttachSessionTables() {
    m_entryRows.Attach(m_db);
    m_folderEntries.Clear();
    m_seenDataVersion = m_db.dataVersion();
    m_fileIdentity.Record(m_db.fileName());
}

std::string CQBKDoc::EncipherText(const std::string& plain) const {
    return EncipherForStorage(plain, m_contentEngine);
}

std::string CQBKDoc::DecipherColumn(const char* column) const {
    return DecipherFromStorage(column, m_contentEngine);
}

// --- views ---------------------------------------------------------------------------------

void CQBKDoc::AttachPanes(EntryListPane* entries, TopicListPane* topics, FolderTreePane* folders,
                          PreviewPane* preview) {
    m_pEntryList = entries;
    m_pTopicList = topics;
    m_pFolderTree = folders;
    m_pPreview = preview;
}

void CQBKDoc::AttachEditor(EntryEditor& editor, const std::string& entryId) {
    m_pEntryEditorDoc = &editor;
    m_openEntryId = entryId;
}

void CQBKDoc::DetachEditor(const EntryEditor& editor) {
    if (m_pEntryEditorDoc != &editor)
        return;
    m_pEntryEditorDoc = nullptr;
    m_openEntryId.clear();
}

void CQBKDoc::RefreshEntryList() {
    ++m_entryListRefreshes;
    if (m_pEntryList)
        m_pEntryList->LoadEntries();
}

void CQBKDoc::UpdateAllViews() {
    const unsigned listedBefore = m_entryListRefreshes;
    if (m_pFolderTree)
        m_pFolderTree->Reload();
    // A tree that selects its root on reload has listed the entries already; reading every
    // row a second time would show the same list.
    if (m_pEntryList && m_entryListRefreshes == listedBefore)
        m_pEntryList->LoadEntries();
    if (m_pTopicList)
        m_pTopicList->LoadTopics();
}

bool CQBKDoc::RefreshIfChangedElsewhere() {
    if (!IsJournalOpen())
        return false;
    CheckJournalFileBeforeWrite();
    std::int64_t version = 0;
    try {
        version = m_db.dataVersion();
    } catch (const CppSQLite3Exception&) {
        return false; // the write that follows reports what is wrong
    }
    if (version == m_seenDataVersion)
        return false;
    m_seenDataVersion = version;
    RefreshPanesKeepingPlace();
    return true;
}

void CQBKDoc::RefreshPanesKeepingPlace() {
    // Topics first: the entry list's filter reads their selection.
    if (m_pTopicList)
        m_pTopicList->ReloadKeepingSelection();
    if (m_pFolderTree)
        m_pFolderTree->ReloadKeepingSelection();
    if (m_pEntryList)
        m_pEntryList->ReloadKeepingSelection();
}

void CQBKDoc::ReportRowGone(const char* message) {
    m_ui.showError(JournalMessages::Text(message));
    try {
        m_seenDataVersion = m_db.dataVersion();
    } catch (const CppSQLite3Exception&) {
    }
    RefreshPanesKeepingPlace();
}

bool CQBKDoc::WriteOneRow(const std::function<int()>& write, const char* goneMessage) {
    int changed = 0;
    if (!Reported([&] { changed = write(); }))
        return false;
    if (changed > 0)
        return true;
    ReportRowGone(goneMessage);
    return false;
}

bool CQBKDoc::FolderStillThere(const std::string& folderId, const char* goneMessage) {
    if (folderId == "{Root}")
        return true;
    bool there = false;
    const bool read = Reported([&] { there = FolderTable(m_db).Exists(folderId); });
    if (read && !there)
        ReportRowGone(goneMessage);
    return there;
}

// --- open and close ------------------------------------------------------------------------

bool CQBKDoc::QueryCloseJournal() {
    if (!IsJournalOpen())
        return true;
    if (!m_ui.askYesNo(JournalMessages::Text(JournalMessages::kQueryClose)))
        return false;
    return CloseJournal();
}

std::optional<std::string> CQBKDoc::ReadContentKey(const std::string& storedKey,
                                                   const std::string& password) const {
    // A settings row this program never writes (no key, or one that does not decipher to
    // an identifier) must not open: entries would be written under a wrong key.
    const std::string key = DecipherFromStorage(storedKey.c_str(), password);
    if (!IsGuidText(key))
        return std::nullopt;
    return key;
}

bool CQBKDoc::RefusesCommand(CommandId id) const {
    return IsReadOnly() && CommandWritesJournal(id);
}

CQBKDoc::OpenResult CQBKDoc::OpenSteps(const std::string& path, bool onlyToRead, bool damaged) {
    JournalAccess::ReadOnlyCause readOnly = JournalAccess::WhyReadOnly(path);
    if (damaged) {
        OpenPastDamage(path);
    } else {
        const bool toRead = onlyToRead || readOnly != JournalAccess::ReadOnlyCause::None;
        if (!CheckSound(path, toRead)) // before anything is written, an upgrade included
            return OpenResult::Cancelled;
        m_db.open(path, toRead);
    }
    if (readOnly == JournalAccess::ReadOnlyCause::None && m_db.isReadOnly() && !onlyToRead &&
        !damaged)
        readOnly = JournalAccess::ReadOnlyCause::File; // SQLite could only read it
    const bool canWrite = !onlyToRead && !damaged && readOnly == JournalAccess::ReadOnlyCause::None;

    // Refuse a settings table without a row before anything is written to the file.
    if (!ConfigRow(m_db).Exists()) {
        m_db.close();
        return OpenResult::NotAJournal;
    }
    const int revision = JournalSchema::ReadSchemaRevision(m_db);
    if (revision > JournalSchema::kCurrentRevision) {
        m_db.close();
        return OpenResult::NewerVersion;
    }
    // Read as it is, an older file lacks only the font columns, whose defaults stand in.
    if (revision < JournalSchema::kCurrentRevision && !onlyToRead && !damaged) {
        if (!canWrite) {
            m_db.close();
            return OpenResult::ReadOnlyNeedsUpgrade;
        }
        JournalSchema::UpgradeSchema(m_db);
    }

    SqlQuery config = ConfigRow(m_db).Read();
    const bool hasFontColumns = revision >= JournalSchema::kCurrentRevision;
    m_defaultFontName =
        hasFontColumns ? config.textField("DefaultFontName", "Times New Roman") : "Times New Roman";
    m_defaultFontSize = hasFontColumns ? config.intField("DefaultFontSize", 12) : 12;
    m_confirmEntryMove = config.boolField("ConfirmEntryMove", false);
    m_confirmFolderMove = config.boolField("ConfirmFolderMove", false);
    const bool hasPassword = config.boolField("HasPassword", false);
    const std::string storedDigest = config.textField("Password");
    const std::string storedKey = config.textField("InstanceID");
    const std::string title = config.textField("Title");
    config.finalize();

    std::string key; // the password's bytes as they matched, or the empty key
    const SecretsWiper wipeKey{&key};
    if (hasPassword) {
        KeepSecretsOutOfCoreDumps();
        bool matched = false;
        while (!matched) {
            PasswordValues prompt;
            const SecretsWiper wipeTyped{&prompt.m_password};
            if (!m_ui.runPasswordDialog(prompt)) {
                m_db.close();
                return OpenResult::Cancelled;
            }
            for (std::string& form : PasswordForms(prompt.m_password)) {
                if (!matched && storedDigest == PasswordDigest(form).HexDigest()) {
                    key = form;
                    matched = true;
                }
                WipeSecret(form);
            }
            if (!matched)
                m_ui.showMessage(JournalMessages::Text(JournalMessages::kInvalidPassword));
        }
    }
    std::optional<std::string> contentKey = ReadContentKey(storedKey, key);
    if (!contentKey) {
        m_db.close();
        return OpenResult::NotAJournal;
    }
    SetContentKey(*contentKey);
    WipeSecret(*contentKey);
    m_readOnly = !canWrite;
    m_damaged = damaged;
    AttachSessionTables();
    m_hasPassword = hasPassword;

    m_host.AddToRecentFileList(path);
    m_path = path;
    m_fileName = std::filesystem::path(path).filename().string();
    m_title = ConfigRow::ShownTitle(title, m_fileName);
    UpdateAllViews();
    if (damaged)
        m_ui.showError(DamageMessages::OpenedDamaged());
    else if (!canWrite && !onlyToRead)
        m_ui.showInformation(JournalMessages::OpenedReadOnly(readOnly)); // not a failure
    m_host.JournalOpened(path);
    return OpenResult::Ok;
}

CQBKDoc::OpenResult CQBKDoc::OpenJournal(const std::string& path) {
    return OpenExisting(path, false);
}

CQBKDoc::OpenResult CQBKDoc::OpenJournalToRead(const std::string& path) {
    return OpenExisting(path, true);
}

CQBKDoc::OpenResult CQBKDoc::OpenExisting(const std::string& path, bool onlyToRead) {
    if (m_opening)
        return OpenResult::Cancelled;
    if (!JournalFileExists(path))
        return OpenResult::MissingFile; // SQLite would otherwise create an empty file
    if (!QueryCloseJournal())
        return OpenResult::Ok;
    m_opening = true;
    const auto opened = qScopeGuard([this] { m_opening = false; });
    try {
        return OpenSteps(path, onlyToRead);
    } catch (const CppSQLite3Exception& e) {
        m_db.close();
        if (!IsDamage(e))
            return OpenResultFromCode(e.code());
    }
    return OpenDamaged(path);
}

std::string CQBKDoc::OpenResultMessage(OpenResult result) {
    switch (result) {
    case OpenResult::Ok:
        return {};
    case OpenResult::Cancelled:
    case OpenResult::UnknownError:
        return JournalMessages::Text(JournalMessages::kUnknownError);
    case OpenResult::MissingFile:
        return JournalMessages::Text(JournalMessages::kMissingFile);
    case OpenResult::Busy:
        return JournalMessages::Text(JournalMessages::kBusy);
    case OpenResult::NotAJournal:
    case OpenResult::Corrupt:
        return JournalMessages::Text(JournalMessages::kNotAJournal);
    case OpenResult::NewerVersion:
        return JournalMessages::Text(JournalMessages::kNewerVersion);
    case OpenResult::ReadOnlyNeedsUpgrade:
        return JournalMessages::Text(JournalMessages::kReadOnlyNeedsUpgrade);
    }
    return {};
}

void CQBKDoc::ReportOpenResult(OpenResult result) {
    const std::string message = OpenResultMessage(result);
    if (!message.empty())
        m_ui.showMessage(message);
}

void CQBKDoc::OpenLastJournal() {
    const std::string path = m_host.MostRecentJournal();
    if (!path.empty())
        ReportOpenResult(OpenJournal(path));
}

bool CQBKDoc::CloseJournal() {
    if (!IsJournalOpen())
        return true;
    try {
        if (m_pEntryEditorDoc) {
            // Text the user kept (Cancel, or a save that failed) keeps the journal open.
            if (!m_pEntryEditorDoc->CloseEntryEditor())
                return false;
            // The next journal must never see this one's entry.
            m_pEntryEditorDoc = nullptr;
            m_openEntryId.clear();
        }
        // Its rows and topic ids belong to this journal.
        if (m_pSearchDlg)
            m_pSearchDlg->JournalClosing();
        m_db.close();
        ClearContentKey();
        m_title.clear();
        if (m_pPreview)
            m_pPreview->Clear();
        UpdateAllViews();
    } catch (const CppSQLite3Exception& e) {
        ShowDatabaseError(e);
    }
    return !IsJournalOpen();
}

// --- create --------------------------------------------------------------------------------

namespace {
// SQLite's SQLITE_CANTOPEN: a journal file that cannot be made is told as SQLite tells a
// journal it cannot open, with the cause found by looking at the path.
constexpr int kCannotOpenCode = 14;
} // namespace

void CQBKDoc::CreateJournal() {
    if (m_opening || !QueryCloseJournal())
        return;
    NewJournalValues values;
    const SecretsWiper wipeTyped{&values.m_password, &values.m_confirmPassword};
    if (!m_ui.runNewJournalDialog(values))
        return;
    if (!values.m_password.empty())
        KeepSecretsOutOfCoreDumps();
    // The file is made here, never replacing one that appeared since the dialog looked; a
    // creation that fails removes only this file.
    if (const std::optional<std::string> refused = createFileExclusively(values.m_path)) {
        if (somethingExistsAt(values.m_path))
            m_ui.messageBox({*refused, MessageButtons::Ok, MessageIcon::Stop, MessageAnswer::Ok});
        else // the folder is missing or cannot be written, the name is too long...
            ShowDatabaseError(CppSQLite3Exception(kCannotOpenCode, "unable to open database file"),
                              values.m_path);
        return;
    }
    try {
        m_fileName = values.m_fileName;
        m_db.open(values.m_path);
        JournalSchema::CreateTables(m_db);

        m_confirmEntryMove = true;
        m_confirmFolderMove = true;
        m_defaultFontName = values.m_fontName;
        m_defaultFontSize = values.m_fontSize;
        std::string contentKey = NewId();
        const SecretsWiper wipeKey{&contentKey};
        JournalSchema::InsertSettings(m_db, values, contentKey);
        SetContentKey(contentKey);
        AttachSessionTables();
        m_hasPassword = !values.m_password.empty();
    } catch (const CppSQLite3Exception& e) {
        ShowDatabaseError(e, values.m_path);
        m_db.close();
        ClearContentKey();
        std::remove(values.m_path.c_str());
        return;
    }
    UpdateAllViews();
    m_host.AddToRecentFileList(values.m_path);
    m_path = values.m_path;
    m_title = ConfigRow::ShownTitle(values.m_title, m_fileName);
    m_ui.showInformation(JournalMessages::Text(JournalMessages::kJournalCreated));
}

// --- options -------------------------------------------------------------------------------

void CQBKDoc::JournalOptions() {
    if (!IsJournalOpen()) {
        m_ui.showMessage(JournalMessages::Text(JournalMessages::kJournalNotOpen));
        return;
    }
    try {
        OptionsValues values;
        SqlQuery config = ConfigRow(m_db).Read();
        const char* storedTitle = config.fieldValue("Title");
        values.m_title = storedTitle ? storedTitle : "";
        values.m_owner = config.textField("Owner");
        values.m_bShowFirstLine = config.boolField("ShowFirstLine", false);
        values.m_bPromptForComment = config.boolField("PromptForComment", false);
        values.m_bConfirmEntryMove = config.boolField("ConfirmEntryMove", false);
        values.m_bConfirmFolderMove = config.boolField("ConfirmFolderMove", false);
        values.m_dateFormat = config.textField("DateFormat");
        values.m_timeFormat = config.textField("TimeFormat");
        values.m_location = m_path;
        values.m_fontName = config.textField("DefaultFontName", "Times New Roman");
        values.m_fontSize = config.intField("DefaultFontSize", 12);
        values.m_shownDates = DateDisplay::chosen();
        config.finalize();
        const std::string oldTitle = values.m_title;

        const bool confirmed = m_ui.runOptionsDialog(values);
        if (confirmed) {
            ConfigRow(m_db).SetOptions(values);
            DateDisplay::choose(values.m_shownDates);
            m_confirmEntryMove = values.m_bConfirmEntryMove;
            m_confirmFolderMove = values.m_bConfirmFolderMove;
            m_defaultFontName = values.m_fontName;
            m_defaultFontSize = values.m_fontSize;
            m_title = ConfigRow::ShownTitle(values.m_title, m_fileName);
        }
        RefreshEntryList();
        if (confirmed && values.m_title != oldTitle && m_pFolderTree)
            m_pFolderTree->Reload();
    } catch (const CppSQLite3Exception& e) {
        ShowDatabaseError(e);
    }
}
