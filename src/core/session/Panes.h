#pragma once

#include <string>
#include <vector>

// What the journal session asks of the main window's panes and of the entry editor. The GUI's
// pane classes implement these; tests put recorders in their place.

class EntryListPane {
public:
    virtual ~EntryListPane() = default;
    // Rebuild the list from the journal (after a save, a folder or topic selection, options).
    virtual void LoadEntries() = 0;
    // Rebuild, keeping the selected entry selected where it is still listed.
    virtual void ReloadKeepingSelection() { LoadEntries(); }
    // Select the entry and scroll it into view, when it is listed.
    virtual void ShowEntry(const std::string& entryId) = 0;
    // The ids of the selected entries, in the list's order.
    virtual std::vector<std::string> SelectedEntryIds() const { return {}; }
};

class TopicListPane {
public:
    virtual ~TopicListPane() = default;
    // Refill from the journal's Topic table.
    virtual void LoadTopics() = 0;
    // Append a row for a topic just created, select it and start editing its name.
    virtual void AddTopicItemAndEdit(const std::string& topicId, const std::string& name) = 0;
    // Refill, keeping the selected topics that are still there selected.
    virtual void ReloadKeepingSelection() { LoadTopics(); }
};

class FolderTreePane {
public:
    virtual ~FolderTreePane() = default;
    // Rebuild the tree (journal opened, created or closed; title changed).
    virtual void Reload() = 0;
    // Rebuild, keeping the selected folder where it is still there (the root otherwise).
    virtual void ReloadKeepingSelection() { Reload(); }
    // The New Folder command, with the tree's own enabling rule.
    virtual bool CanCreateFolder() const = 0;
    virtual void NewFolder() = 0;
};

class PreviewPane {
public:
    virtual ~PreviewPane() = default;
    // Show nothing: the no-entry text and empty header fields.
    virtual void Clear() = 0;
};

// The one entry editor window.
class EntryEditor {
public:
    virtual ~EntryEditor() = default;
    virtual void SetTitle(const std::string& title) = 0;
    virtual void LoadEntry(const std::string& rtf, const std::string& entryId) = 0;
    // Ask whether to save changes and save them on Yes; false when the text must stay (the
    // user cancelled, or the save failed).
    virtual bool SaveModified() = 0;
    virtual void Focus() = 0;
    // Ask to save, then remove an unsaved entry's topic links and close the window; false
    // when the window stays open.
    virtual bool CloseEntryEditor() = 0;
};
