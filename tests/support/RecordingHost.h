#pragma once

#include "core/session/JournalHost.h"
#include "core/session/Panes.h"

#include <functional>
#include <string>
#include <vector>

// Stand-ins for the panes, the entry editor and the application around the journal session:
// each records what it was asked, in one shared log, so a test can check the order of calls.
struct CallLog {
    std::vector<std::string> calls;
    int count(const std::string& call) const;
    void clear() { calls.clear(); }
};

class RecordingPanes : public EntryListPane,
                       public TopicListPane,
                       public FolderTreePane,
                       public PreviewPane {
public:
    explicit RecordingPanes(CallLog& log) : m_log(log) {}
    void LoadEntries() override { m_log.calls.push_back("LoadEntries"); }
    void ShowEntry(const std::string& id) override { m_log.calls.push_back("ShowEntry " + id); }
    void LoadTopics() override { m_log.calls.push_back("LoadTopics"); }
    void AddTopicItemAndEdit(const std::string& id, const std::string& name) override {
        m_log.calls.push_back("AddTopicItemAndEdit " + name);
        lastTopicId = id;
    }
    void Reload() override {
        m_log.calls.push_back("Reload");
        if (onReload)
            onReload();
    }
    bool CanCreateFolder() const override { return canCreateFolder; }
    void NewFolder() override { m_log.calls.push_back("NewFolder"); }
    void Clear() override { m_log.calls.push_back("ClearPreview"); }

    bool canCreateFolder = false;
    std::string lastTopicId;
    std::function<void()> onReload; // e.g. what a tree selecting its root does

private:
    CallLog& m_log;
};

class RecordingEditor : public EntryEditor {
public:
    explicit RecordingEditor(CallLog& log) : m_log(log) {}
    void SetTitle(const std::string& title) override { m_log.calls.push_back("SetTitle " + title); }
    void LoadEntry(const std::string& rtf, const std::string& id) override {
        m_log.calls.push_back("LoadEntry " + id);
        loadedText = rtf;
    }
    bool SaveModified() override {
        m_log.calls.push_back("SaveModified");
        return true;
    }
    void Focus() override { m_log.calls.push_back("Focus"); }
    bool CloseEntryEditor() override {
        m_log.calls.push_back("CloseEntryEditor");
        return true;
    }

    std::string loadedText;

private:
    CallLog& m_log;
};

class RecordingHost : public JournalHost {
public:
    explicit RecordingHost(CallLog& log) : editor(log), m_log(log) {}
    EntryEditor* CreateEntryEditor() override {
        m_log.calls.push_back("CreateEntryEditor");
        return &editor;
    }
    void NewEntry() override { m_log.calls.push_back("NewEntry"); }
    void PrintEntryText(const std::string& rtf, const std::string& title, int flag) override {
        m_log.calls.push_back("Print " + title + " " + std::to_string(flag));
        printedText = rtf;
    }
    void ShowSearchDialog() override { m_log.calls.push_back("ShowSearchDialog"); }
    void ShowMasterTopicList() override { m_log.calls.push_back("ShowMasterTopicList"); }
    void PrintJournal() override { m_log.calls.push_back("PrintJournal"); }
    bool IsTopicPaneShown() const override { return topicPaneShown; }
    void AddToRecentFileList(const std::string& path) override {
        recent.insert(recent.begin(), path);
    }
    std::string MostRecentJournal() const override { return recent.empty() ? "" : recent.front(); }

    RecordingEditor editor;
    bool topicPaneShown = true;
    std::vector<std::string> recent;
    std::string printedText;

private:
    CallLog& m_log;
};
