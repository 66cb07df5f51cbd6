#pragma once

#include "core/session/JournalHost.h"

// The journal session's host in a program without windows (the command-line tool, the sample
// journal writer, benchmarks): no editor, no dialogs, no panes. The recent-journal list
// belongs to the desktop program, so these leave it alone.
class NoWindowHost : public JournalHost {
public:
    EntryEditor* CreateEntryEditor() override { return nullptr; }
    void NewEntry() override {}
    void PrintEntryText(const std::string&, const std::string&, int) override {}
    void ShowSearchDialog() override {}
    void ShowMasterTopicList() override {}
    void PrintJournal() override {}
    bool IsTopicPaneShown() const override { return false; }
    void AddToRecentFileList(const std::string&) override {}
    std::string MostRecentJournal() const override { return {}; }
};
