#pragma once

#include "core/session/JournalHost.h"

#include <functional>

class RecentFileList;

// The application's side of the journal session. The windows that other parts of the program
// provide (entry editor, search, topic list, printing) are plugged in as they exist; one that
// is not plugged in does nothing.
class AppJournalHost : public JournalHost {
public:
    explicit AppJournalHost(RecentFileList& recent);

    std::function<EntryEditor*()> createEntryEditor;
    std::function<void()> newEntry;
    std::function<void(const std::string& rtf, const std::string& title, int printFlag)>
        printEntryText;
    std::function<void()> showSearchDialog;
    std::function<void()> showMasterTopicList;
    std::function<void()> printJournal;
    std::function<bool()> topicPaneShown;
    // Told after the recent list changed and was saved.
    std::function<void()> recentListChanged;
    // Told after a journal has been opened.
    std::function<void(const std::string& path)> journalOpened;

    EntryEditor* CreateEntryEditor() override;
    void NewEntry() override;
    void PrintEntryText(const std::string& rtf, const std::string& title, int printFlag) override;
    void ShowSearchDialog() override;
    void ShowMasterTopicList() override;
    void PrintJournal() override;
    bool IsTopicPaneShown() const override;
    void AddToRecentFileList(const std::string& path) override;
    std::string MostRecentJournal() const override;
    void JournalOpened(const std::string& path) override;

private:
    RecentFileList& m_recent;
};
