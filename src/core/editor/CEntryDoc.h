#pragma once

#include "core/platform/CommandMap.h"
#include "core/session/CQBKDoc.h"
#include "core/session/Panes.h"

#include <optional>

#include <string>

class EntryTextView;
class JournalUi;

// The entry shown in an editor window: which entry it is, how a new one starts, how its text
// is loaded and saved, the save question and closing. The text itself lives in the view.
//
// Only the editor window's own document (role Editor) registers with the journal session
// (AttachEditor); a preview's or a print job's document never touches
// the session's editor state and never asks to save.
class CEntryDoc : public EntryEditor, public MappedCommandTarget<CEntryDoc> {
public:
    enum class Role { Editor, Preview, Print };

    CEntryDoc(CQBKDoc& session, JournalUi& ui, EntryTextView& view, Role role = Role::Editor);
    ~CEntryDoc() override;
    CEntryDoc(const CEntryDoc&) = delete;
    CEntryDoc& operator=(const CEntryDoc&) = delete;

    // A new entry: the journal's template for new entries when one is set on this computer,
    // else empty in the journal's default font. The caller has asked SaveModified.
    void OnNewDocument();

    // EntryEditor (the session's side)
    void SetTitle(const std::string& title) override;
    void LoadEntry(const std::string& rtf, const std::string& entryId) override;
    bool SaveModified() override;
    void Focus() override;
    // Text kept from an earlier run in place of the loaded one: unsaved, for the user to save.
    void RestoreText(const std::string& rtf);
    bool CloseEntryEditor() override;

    // Save Entry: true when the text is stored (the modified flag is then cleared).
    bool OnSaveEntry();
    // The user closes the window: true when it may close (the document is then closed).
    bool QueryClose();
    // The window is going away: leaves the session.
    void OnCloseDocument();

    const std::string& EntryId() const { return m_entryId; }
    // "New Entry", or the stored entry's date and time as display text.
    const std::string& GetTitle() const { return m_title; }
    Role role() const { return m_role; }
    bool IsNewEntry() const;

    // The entry's date and time: as stored, or for a new entry the one it will be saved
    // with (the time of its first save unless one was chosen).
    COleDateTime EntryDate() const { return m_date; }
    // Dates the entry: a stored entry at once, through the same write as Change Entry Date;
    // a new one when it is first saved. False when the date cannot be stored (shown).
    bool ChangeEntryDate(const COleDateTime& when);

    static const CommandMap<CEntryDoc>& commandMap();

private:
    void OnSaveEntryCommand();
    // The text shown becomes (or stops being) what the journal's new entries start with.
    void OnSetTemplate();
    void OnClearTemplate();
    bool HasTemplate() const;
    void Register();
    // Topic links an unsaved entry left under the placeholder id.
    void DropPlaceholderTopics();
    // The stored text changed since it was read: asks whether to overwrite it, save the text
    // as a new entry or go back; the save's result.
    CQBKDoc::SaveResult ResolveChangedElsewhere(const std::string& rtf, bool& wasNew);
    // Saves rtf as a new entry, leaving the placeholder's topic links behind.
    CQBKDoc::SaveResult SaveAsNewEntry(const std::string& rtf, bool& wasNew);
    // The session saved the journal away from the file this text came from: the editor goes
    // with it. True when it did.
    bool FollowJournalSavedElsewhere();
    // Reads the stored entry's date and shows it.
    void ShowStoredDate();
    void ShowDate();
    // The new entry's folder was deleted: asks for another; the save's result.
    CQBKDoc::SaveResult FileInChosenFolder(const std::string& rtf);

    CQBKDoc& m_session;
    JournalUi& m_ui;
    EntryTextView& m_view;
    const Role m_role;
    std::string m_entryId;
    std::string m_title;
    // The journal the text came from; a save never goes to another one.
    std::string m_journalPath;
    // The entry's text as it was read from the file or last saved to it, so that a save
    // notices another program's save in between.
    std::optional<std::string> m_storedText;
    COleDateTime m_date = COleDateTime::GetCurrentTime();
    // A date chosen for a new entry before its first save.
    std::optional<COleDateTime> m_newEntryDate;
};
