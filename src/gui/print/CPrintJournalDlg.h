#pragma once

#include "gui/dialogs/FormDialog.h"

class PrintJournalState;
class QButtonGroup;
class QCheckBox;
class QDateEdit;
class QLabel;
class QRadioButton;

// The Print Journal dialog: which entries to print and, for all entries or a folder's, the
// days between which they were written; how the pages are laid out; Preview shows them
// instead of printing. It shows and edits a PrintJournalState, which holds
// the rules.
class CPrintJournalDlg : public FormDialog {
    Q_OBJECT

public:
    enum ControlIds {
        kSelectedEntryId = 1127,
        kAllEntriesId = 1007,
        kCurrentFolderId = 1129,
        kBetweenId = 1008,
        kFirstDayId = 1015,
        kAndId = 1030,
        kLastDayId = 1016,
        kContinuousId = 1131,
        kPageNumbersId = 1132,
        kCommentsId = 1133,
        kPreviewId = 1134,
    };

    CPrintJournalDlg(PrintJournalState& state, QWidget* parent = nullptr);

    void accept() override;

private:
    // The controls from the state: the choice, Between, the days and what is enabled.
    void showState();
    void readChoice();

    PrintJournalState& m_state;
    QButtonGroup* m_what;
    QRadioButton* m_selectedEntry;
    QRadioButton* m_currentFolder;
    QCheckBox* m_between;
    QDateEdit* m_firstDay;
    QLabel* m_and;
    QDateEdit* m_lastDay;
    QCheckBox* m_continuous;
    QCheckBox* m_pageNumbers;
    QCheckBox* m_comments;
};
