#pragma once

#include "browser/Panes.h"
#include "store/JournalHost.h"

#include <string>

// The application around a benchmarked journal session: no windows, no editor, no recent
// list worth keeping. The topic pane only remembers the topic it was asked to show, so the
// generator can name the topics it creates.
class BenchHost : public JournalHost, public TopicListPane {
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

    void LoadTopics() override {}
    void AddTopicItemAndEdit(const std::string& topicId, const std::string&) override {
        lastTopicId = topicId;
    }

    std::string lastTopicId;
};
