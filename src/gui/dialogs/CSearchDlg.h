#pragma once

#include "core/dialogs/SearchRules.h"
#include "core/dialogs/SearchValues.h"
#include "core/session/SearchWindow.h"
#include "core/store/SearchCriteria.h"

#include <QDialog>

#include <functional>

class CQBKDoc;
class EntryListModel;
class JournalUi;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QRadioButton;
class QTreeView;

// Search Journal: the modeless dialog that finds entries by text, date range and topics and
// lists them. At most one exists (CQBKDoc::CurrentSearchWindow); the Search command brings it to
// the front. It closes with the journal, so its rows and topics never act on another one. The
// criteria carry over to the next search dialog while the program runs.
class CSearchDlg : public QDialog, public SearchWindow {
    Q_OBJECT

public:
    static constexpr int kFindTextId = 1002;
    static constexpr int kMatchCaseId = 1003;
    static constexpr int kWholeWordId = 1004;
    static constexpr int kAllEntriesId = 1007;
    static constexpr int kBetweenId = 1008;
    static constexpr int kLookInTextId = 1012;
    static constexpr int kLookInCommentsId = 1013;
    static constexpr int kStartDateId = 1015;
    static constexpr int kEndDateId = 1016;
    static constexpr int kResultsId = 1046;
    static constexpr int kBeginSearchId = 1049;
    static constexpr int kTopicsId = 1077;
    static constexpr int kTopicNamesId = 1078;
    static constexpr int kAllTopicsId = 1079;
    static constexpr int kAnyTopicId = 1080;
    static constexpr int kFindEntriesWithId = 1085;

    // Marks a search's hits in the entry editor that a result was just opened in.
    using HitShower = std::function<void(const QString& text, bool matchCase, bool wholeWord)>;

    CSearchDlg(CQBKDoc& doc, JournalUi& ui, QWidget* parent, HitShower showHits = {});
    ~CSearchDlg() override;

    // The Search command: the open dialog to the front, or a new one.
    static void Open(CQBKDoc& doc, JournalUi& ui, QWidget* parent, HitShower showHits = {});

    // SearchWindow
    void Activate() override;
    void JournalClosing() override;

    QTreeView* results() const { return m_results; }
    EntryListModel* resultRows() const { return m_model; }
    // "No Entries Found" over the empty list after a search without hits.
    QLabel* noEntriesLabel() const { return m_noEntries; }

signals:
    // A search begun here has ended (its results listed, or cancelled).
    void SearchEnded();

private:
    void ReadControls();
    void ShowValues();
    void UpdateEnabling();
    void OnTopics();
    void OnBeginSearch();
    void ShowResults(bool cancelled, SearchRules::SearchResults results);
    void OnResultActivated(const QModelIndex& index);
    void OnHeaderClicked(int column);
    void ShowCount();
    void Forget();

    CQBKDoc& m_doc;
    JournalUi& m_ui;
    SearchValues m_values;
    HitShower m_showHits;
    SearchCriteria m_lastSearch; // what the listed results were found with
    QLineEdit* m_findText;
    QCheckBox* m_matchCase;
    QCheckBox* m_wholeWord;
    QCheckBox* m_lookInText;
    QCheckBox* m_lookInComments;
    QRadioButton* m_allEntries;
    QRadioButton* m_between;
    QDateEdit* m_startDate;
    QDateEdit* m_endDate;
    QPushButton* m_topics;
    QLabel* m_topicNames;
    QLabel* m_findEntriesWith;
    QRadioButton* m_anyTopic;
    QRadioButton* m_allTopics;
    QPushButton* m_beginSearch;
    QTreeView* m_results;
    EntryListModel* m_model;
    QLabel* m_noEntries;
    QLabel* m_count;
    bool m_complete = true; // every entry the last search found could be read
    bool m_searching = false;
    int m_sortColumn = -1;
    bool m_sortAscending = true;
};
