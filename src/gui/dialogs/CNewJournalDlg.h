#pragma once

#include "core/store/NewJournalValues.h"

#include <QDialog>

#include <memory>

class CStyledLabel;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SettingsControls;

// New Journal: everything a journal starts with and the file to make, proposed from the
// title. OK checks the passwords and that nothing is at the path; with "Password Protected"
// cleared the journal gets no password whatever the fields hold.
class CNewJournalDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kPromptId = 1001;
    static constexpr int kTitleId = 1002;
    static constexpr int kOwnerId = 1003;
    static constexpr int kProtectedId = 1006;
    static constexpr int kPasswordId = 1007;
    static constexpr int kConfirmId = 1009;
    static constexpr int kShowFirstLineId = 1015;
    static constexpr int kBrowseId = 1027;
    static constexpr int kPathId = 1031;
    static constexpr int kShowCharactersId = 1102;
    static constexpr int kNoteId = 1108;

    CNewJournalDlg(const NewJournalValues& values, QWidget* parent = nullptr);
    ~CNewJournalDlg() override;

    // Runs the dialog on the values (their path already proposed); true on OK with the values
    // the journal is made from.
    static bool Run(QWidget* parent, NewJournalValues& values);
    const NewJournalValues& values() const { return m_values; }

    void accept() override;

private:
    void ReadControls();
    void ShowPath();
    void OnProtectedToggled();
    void OnShowCharacters();
    void OnTitleLeft();
    void OnBrowse();

    NewJournalValues m_values;
    std::unique_ptr<SettingsControls> m_settings;
    QLineEdit* m_title;
    QLineEdit* m_owner;
    QCheckBox* m_prompt;
    QCheckBox* m_firstLine;
    QCheckBox* m_protected;
    QLineEdit* m_password;
    QLineEdit* m_confirm;
    QCheckBox* m_showCharacters;
    CStyledLabel* m_note;
    QLabel* m_path;
    QPushButton* m_browse;
    QPushButton* m_ok;
};
