#pragma once

#include "core/browser/TopicItems.h"
#include "core/dialogs/TopicChoiceValues.h"

#include <string>
#include <vector>

class JournalUi;
class SqlDatabase;

// A topic of the Entry Topics dialog with its check box.
struct TickedTopic {
    TopicItem topic;
    bool ticked = false;
};

// What the Entry Topics dialog shows and stores, without the widgets: every topic of the
// journal, sorted by name, with a tick.
//
// Opened for an entry (entry mode) it ticks the topics the entry carries and, on OK, replaces
// the entry's links with the ticked topics. Opened with no entry (topic-choice mode, for the
// search dialog) it ticks the ids it was given and, on OK, hands back the ticked ones.
// Database failures are shown through the JournalUi.
class EntryTopicsList {
public:
    // Trailing white space is not part of an id; an empty id selects topic-choice mode with
    // presetIds (a list as TopicChoiceValues::m_chosenIds holds it) ticked.
    EntryTopicsList(SqlDatabase& db, JournalUi& ui, const std::string& entryId,
                    const std::string& presetIds = {});

    bool IsEntryMode() const { return !m_entryId.empty(); }
    const std::string& EntryId() const { return m_entryId; }

    const std::vector<TickedTopic>& Items() const { return m_items; }
    void SetTicked(std::size_t index, bool ticked);
    void TickAll(bool ticked);

    // Reads the topics and their ticks. After a failure the topics read until then stay.
    void Fill();
    // Reads the topics again after the master topic list changed them. Ticks the user set are
    // kept; topics added or renamed there come up unticked.
    void RefreshKeepingTicks();

    // The dialog's OK. Entry mode: stores the ticks as the entry's links, all or nothing;
    // false after a failure (shown), and the dialog stays open. Topic-choice mode: writes the
    // ticked topics into choice (when given) and returns true.
    bool Accept(TopicChoiceValues* choice);
    // The ticked topics in list order, as the search dialog takes them.
    TopicChoiceValues Choice() const;

private:
    bool StoreLinks();

    SqlDatabase& m_db;
    JournalUi& m_ui;
    std::string m_entryId;
    std::vector<std::string> m_presetIds;
    std::vector<TickedTopic> m_items;
};
