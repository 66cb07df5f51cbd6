#pragma once

#include "core/browser/TopicItems.h"

#include <string>
#include <vector>

class CQBKDoc;
class JournalUi;

// What the Edit Master Topic List dialog shows and does, without the widgets: the journal's
// topics sorted by name, one of them selected. Every add, delete and rename is written to the
// journal at once; Finish (the dialog's OK) has the panes show the result.
class MasterTopicList {
public:
    static constexpr const char* kNewTopicName = "New Topic";

    MasterTopicList(CQBKDoc& doc, JournalUi& ui);

    const std::vector<TopicItem>& Items() const { return m_items; }
    // The selected item's index, or -1.
    int Selected() const { return m_selected; }
    void Select(int index);

    // Reads every topic and selects the first. After a failure (shown) the topics read until
    // then stay.
    void Fill();
    // Stores a topic named "New Topic" and lists it, selected, where it sorts: its index, for
    // the dialog to start editing the name. -1 when it could not be stored (shown).
    int Add();
    // Asks as the topic pane's Delete Topic does, then deletes the selected topic and its
    // links. The item goes even when the journal refused (the failure is shown); the item now
    // at its place, or the new last one, is selected.
    void DeleteSelected();
    // A name typed for the item at index. An empty or unchanged name changes nothing;
    // otherwise the item takes the name, moves to where it sorts and is selected, and the
    // journal is told (a failure is shown and the list keeps the new name). Returns the item's
    // index afterwards.
    int Rename(int index, const std::string& name);
    // The dialog's OK: the topic pane and the entry list read the journal again.
    void Finish();

private:
    bool IsIndex(int index) const { return index >= 0 && index < static_cast<int>(m_items.size()); }
    int Insert(TopicItem item);

    CQBKDoc& m_doc;
    JournalUi& m_ui;
    std::vector<TopicItem> m_items;
    int m_selected = -1;
};
