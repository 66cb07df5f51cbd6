#pragma once

#include "core/platform/CommandTarget.h"
#include "core/session/Panes.h"
#include "gui/browser/CQBKView.h"

#include <array>
#include <set>

class QLineEdit;
class QToolButton;

// A stand-in for any of the four panes: it records what the session and the layout ask of it,
// handles the commands it is given, and has the close button and a focusable child that the
// real panes have.
class FakePane : public PaneWidget,
                 public FolderTreePane,
                 public EntryListPane,
                 public TopicListPane,
                 public PreviewPane,
                 public CommandTarget {
public:
    FakePane(CQBKView::Pane kind, QWidget* parent);

    CQBKView::Pane kind;
    std::set<CommandId> handled; // commands this pane handles (enabled)
    std::vector<CommandId> ran;
    int loadEntries = 0;
    int reloads = 0;
    QLineEdit* field;
    QToolButton* closeButton = nullptr;

    void Reload() override { ++reloads; }
    bool CanCreateFolder() const override { return true; }
    void NewFolder() override {}
    void LoadEntries() override { ++loadEntries; }
    void ShowEntry(const std::string&) override {}
    void LoadTopics() override {}
    void AddTopicItemAndEdit(const std::string&, const std::string&) override {}
    void Clear() override {}
    CommandTarget* commandTarget() override { return this; }

    bool handleCommand(CommandId id) override;
    bool handlesCommand(CommandId id) const override { return handled.contains(id); }
    bool updateCommand(CommandUpdate&) override { return false; }
};

// A factory for CQBKView that makes fake panes and remembers them.
CQBKView::PaneFactory fakePanes(std::array<FakePane*, 4>& made);
