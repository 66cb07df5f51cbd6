#pragma once

#include "core/dialogs/EntryTopicsList.h"

#include <QDialog>
#include <string>

class CQBKDoc;
class JournalUi;
class QListWidget;

// Entry Topics: every topic of the journal with a check box. Run for an entry it shows and,
// on OK, stores the topics the entry carries; run for a topic choice (the search dialog) it
// only hands back the ticked topics. "Master Topic List..." edits the topics in between,
// keeping the ticks.
class CEntryTopicsDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kListId = 1056;
    static constexpr int kSelectAllId = 1058;
    static constexpr int kUnselectAllId = 1059;
    static constexpr int kMasterListId = 1084;

    // For an entry (choice is not used) or, with an empty entry id, for a topic choice that
    // starts from choice's ids and is written back into it on OK.
    CEntryTopicsDlg(CQBKDoc& doc, JournalUi& ui, const std::string& entryId,
                    TopicChoiceValues* choice, QWidget* parent = nullptr);

    // The entry's topics (the id may be "{new_entry}"); after OK the entry list is rebuilt
    // with the same row selected, so its Topics column shows the change. True on OK.
    static bool RunForEntry(CQBKDoc& doc, JournalUi& ui, const std::string& entryId,
                            QWidget* parent);
    // A choice of topics, starting with values' ids ticked; true on OK, with values set.
    static bool RunTopicChoice(CQBKDoc& doc, JournalUi& ui, TopicChoiceValues& values,
                               QWidget* parent);

    QListWidget* list() const { return m_list; }

private:
    void ShowItems();
    void OnMasterTopicList();
    void OnOk();

    CQBKDoc& m_doc;
    JournalUi& m_ui;
    TopicChoiceValues* m_choice;
    EntryTopicsList m_topics;
    QListWidget* m_list;
};
