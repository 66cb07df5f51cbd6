#include "core/editor/CEntryDoc.h"

#include "core/editor/EditorMessages.h"
#include "core/editor/EntryTextView.h"
#include "core/editor/NewEntryTemplate.h"
#include "core/platform/CommandIds.h"
#include "core/richtext/NoteRtf.h"
#include "core/session/CQBKDoc.h"
#include "core/session/JournalFileMessages.h"
#include "core/session/JournalUi.h"
#include "core/store/CppSQLite3Exception.h"
#include "core/store/TopicLinks.h"

using namespace EditorMessages;

namespace {

// One of EditorMessages' texts as the user reads it.
std::string said(const char* text) {
    return QCoreApplication::translate("EditorMessages", text).toStdString();
}

} // namespace

CEntryDoc::CEntryDoc(CQBKDoc& session, JournalUi& ui, EntryTextView& view, Role role)
    : m_session(session), m_ui(ui), m_view(view), m_role(role) {}

CEntryDoc::~CEntryDoc() {
    OnCloseDocument();
}

const CommandMap<CEntryDoc>& CEntryDoc::commandMap() {
    using Map = CommandMap<CEntryDoc>;
    static const Map map{
        {ID_FILE_SAVE_ENTRY, &CEntryDoc::OnSaveEntryCommand},
        {ID_ENTRY_SET_TEMPLATE, &CEntryDoc::OnSetTemplate},
        {ID_ENTRY_CLEAR_TEMPLATE, &CEntryDoc::OnClearTemplate, &CEntryDoc::HasTemplate},
    };
    return map;
}

void CEntryDoc::OnSetTemplate() {
    NewEntryTemplate::setFor(m_session.Path(), m_view.GetEntryText());
}

void CEntryDoc::OnClearTemplate() {
    NewEntryTemplate::setFor(m_session.Path(), {});
}

bool CEntryDoc::HasTemplate() const {
    return !NewEntryTemplate::textFor(m_session.Path()).empty();
}

bool CEntryDoc::IsNewEntry() const {
    return m_entryId == kNewEntryId;
}

void CEntryDoc::Register() {
    m_journalPath = m_session.Path();
    if (m_role != Role::Editor)
        return;
    m_session.AttachEditor(*this, m_entryId);
}

void CEntryDoc::OnNewDocument() {
    const std::string face =
        m_session.DefaultFontName().empty() ? kDefaultFontName : m_session.DefaultFontName();
    const int points =
        m_session.DefaultFontSize() > 0 ? m_session.DefaultFontSize() : kDefaultFontSize;
    m_view.StartEmpty(face, points);
    if (const std::string start = NewEntryTemplate::textFor(m_session.Path()); !start.empty())
        m_view.SetEntryText(start);
    SetTitle(said(kNewEntryTitle));
    m_entryId = kNewEntryId;
    m_storedText.reset();
    m_date = COleDateTime::GetCurrentTime();
    m_newEntryDate.reset();
    DropPlaceholderTopics();
    Register();
    m_view.SetModified(false);
    ShowDate();
}

void CEntryDoc::ShowDate() {
    if (m_role == Role::Editor)
        m_view.ShowEntryDate(m_date);
}

void CEntryDoc::ShowStoredDate() {
    if (m_role != Role::Editor)
        return;
    if (const std::optional<COleDateTime> stored = m_session.GetEntryTimeStamp(m_entryId))
        m_date = *stored;
    ShowDate();
}

bool CEntryDoc::ChangeEntryDate(const COleDateTime& when) {
    if (!when.IsValid())
        return false;
    // Entries are dated to the minute: a date shown and left alone writes nothing.
    if (when.SortKey() / 60 == m_date.SortKey() / 60)
        return true;
    if (IsNewEntry()) {
        m_date = when;
        m_newEntryDate = when;
        return true;
    }
    if (!m_session.SetEntryTimeStamp(when, m_entryId)) {
        ShowStoredDate();
        return false;
    }
    // The list shows the entry where its new date sorts, and the title follows.
    m_session.RefreshEntryList();
    SetTitle(m_session.GetEntryDateText(m_entryId));
    ShowStoredDate();
    return true;
}

void CEntryDoc::SetTitle(const std::string& title) {
    m_title = title;
    m_view.SetWindowTitle(title);
}

void CEntryDoc::LoadEntry(const std::string& rtf, const std::string& entryId) {
    if (rtf.size() >= kLargeEntryBytes) {
        m_view.SetEntryText(richtext::NoteRtf(
            QCoreApplication::translate("EditorMessages", kLoadingLargeEntry), 1));
        m_view.PaintNow();
    }
    m_view.SetEntryText(rtf);
    m_entryId = entryId;
    m_storedText = rtf;
    Register();
    ShowStoredDate();
}

bool CEntryDoc::OnSaveEntry() {
    if (m_role != Role::Editor)
        return false;
    FollowJournalSavedElsewhere();
    if (!m_session.IsJournalOpen() || m_session.Path() != m_journalPath) {
        m_ui.showError(said(kJournalGone));
        return false;
    }
    const std::string rtf = m_view.GetEntryText();
    bool wasNew = IsNewEntry();
    CQBKDoc::SaveResult result =
        m_session.SaveEntry(rtf, m_entryId, m_storedText ? &*m_storedText : nullptr);
    // The journal's file was gone and the user saved the journal elsewhere meanwhile: the
    // text goes into the new file.
    if (result == CQBKDoc::SaveResult::Failed && FollowJournalSavedElsewhere())
        result = m_session.SaveEntry(rtf, m_entryId, m_storedText ? &*m_storedText : nullptr);
    if (result == CQBKDoc::SaveResult::ChangedElsewhere)
        result = ResolveChangedElsewhere(rtf, wasNew);
    if (result == CQBKDoc::SaveResult::FolderGone)
        result = FileInChosenFolder(rtf);
    if (result == CQBKDoc::SaveResult::EntryGone) {
        if (!m_ui.askYesNo(said(kEntryGone)))
            return false;
        result = SaveAsNewEntry(rtf, wasNew);
    }
    if (result != CQBKDoc::SaveResult::Saved)
        return false;
    m_storedText = rtf;
    m_view.SetModified(false);
    if (wasNew && !IsNewEntry()) {
        m_session.SetOpenEntryId(m_entryId);
        if (m_newEntryDate && m_session.SetEntryTimeStamp(*m_newEntryDate, m_entryId))
            m_session.RefreshEntryList();
        m_newEntryDate.reset();
        SetTitle(m_session.GetEntryDateText(m_entryId));
        ShowStoredDate();
    }
    return true;
}

CQBKDoc::SaveResult CEntryDoc::ResolveChangedElsewhere(const std::string& rtf, bool& wasNew) {
    switch (m_ui.messageBox({.text = said(kChangedElsewhere),
                             .buttons = MessageButtons::YesNoCancel,
                             .icon = MessageIcon::Exclamation,
                             .defaultAnswer = MessageAnswer::Cancel})) {
    case MessageAnswer::Yes:
        return m_session.SaveEntry(rtf, m_entryId);
    case MessageAnswer::No:
        return SaveAsNewEntry(rtf, wasNew);
    default:
        return CQBKDoc::SaveResult::Failed;
    }
}

CQBKDoc::SaveResult CEntryDoc::SaveAsNewEntry(const std::string& rtf, bool& wasNew) {
    // Links left under the placeholder belong to no entry the user can see.
    m_entryId = kNewEntryId;
    DropPlaceholderTopics();
    wasNew = true;
    return m_session.SaveEntry(rtf, m_entryId);
}

bool CEntryDoc::FollowJournalSavedElsewhere() {
    if (!m_session.ContinuedFrom(m_journalPath))
        return false;
    m_journalPath = m_session.Path();
    return true;
}

CQBKDoc::SaveResult CEntryDoc::FileInChosenFolder(const std::string& rtf) {
    FolderChoiceValues values{JournalFileMessages::ChooseFolderForEntry(),
                              m_session.FolderChoices()};
    CQBKDoc::SaveResult result = CQBKDoc::SaveResult::FolderGone;
    // A folder deleted while the picker was open is asked about again.
    while (result == CQBKDoc::SaveResult::FolderGone && m_ui.runChooseFolderDialog(values)) {
        m_session.SetCurrentFolderId(values.m_folderId);
        result = m_session.SaveEntry(rtf, m_entryId);
        values.m_folders = m_session.FolderChoices();
    }
    return result;
}

void CEntryDoc::OnSaveEntryCommand() {
    OnSaveEntry();
}

bool CEntryDoc::SaveModified() {
    if (m_role != Role::Editor || !m_view.IsModified())
        return true;
    switch (m_ui.messageBox({.text = said(kSaveQuestion),
                             .buttons = MessageButtons::YesNoCancel,
                             .icon = MessageIcon::Question,
                             .defaultAnswer = MessageAnswer::Yes})) {
    case MessageAnswer::Yes:
        return OnSaveEntry();
    case MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

void CEntryDoc::RestoreText(const std::string& rtf) {
    m_view.SetEntryText(rtf);
    m_view.SetModified(true);
}

void CEntryDoc::Focus() {
    m_view.FocusText();
}

bool CEntryDoc::QueryClose() {
    if (!SaveModified())
        return false;
    // Answered No (or nothing to save): an entry never saved takes its topics with it.
    if (IsNewEntry())
        DropPlaceholderTopics();
    OnCloseDocument();
    return true;
}

bool CEntryDoc::CloseEntryEditor() {
    if (!SaveModified())
        return false;
    DropPlaceholderTopics();
    OnCloseDocument();
    m_view.CloseWindow();
    return true;
}

void CEntryDoc::OnCloseDocument() {
    if (m_role == Role::Editor)
        m_session.DetachEditor(*this);
}

void CEntryDoc::DropPlaceholderTopics() {
    if (m_role != Role::Editor || !m_session.CanWrite())
        return;
    try {
        TopicLinks(m_session.Reader().Db()).DropPlaceholder();
    } catch (const CppSQLite3Exception& e) {
        // Left-over links are harmless: the next new entry or journal close drops them.
        m_session.ShowDatabaseError(e);
    }
}
