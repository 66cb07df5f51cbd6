#pragma once

#include <string>

class EntryEditor;

// What the journal session needs from the application around it: the windows it opens and the
// application-wide state it reads or updates. The GUI implements it; tests record the calls.
class JournalHost {
public:
    virtual ~JournalHost() = default;

    // Opens the entry editor window (a new, visible editor document); nullptr when it cannot.
    virtual EntryEditor* CreateEntryEditor() = 0;
    // Opens the editor on a new, empty entry (the New Entry command).
    virtual void NewEntry() = 0;
    // Prints one entry's text under the given title; printFlag 1 skips the print dialog.
    virtual void PrintEntryText(const std::string& rtf, const std::string& title,
                                int printFlag) = 0;

    // Brings the modeless search dialog to the front, creating it when there is none.
    virtual void ShowSearchDialog() = 0;
    // Runs the master topic list dialog.
    virtual void ShowMasterTopicList() = 0;
    // Runs the Print Journal dialog and prints.
    virtual void PrintJournal() = 0;

    // Whether the topic pane is shown (topics then narrow the entry list).
    virtual bool IsTopicPaneShown() const = 0;

    // The recently used journals.
    virtual void AddToRecentFileList(const std::string& path) = 0;
    virtual std::string MostRecentJournal() const = 0;
    // Told after a journal has been opened (not created); the automatic backup starts here.
    virtual void JournalOpened(const std::string& /*path*/) {}
};
