#pragma once

#include "core/store/OptionsValues.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class SettingsControls;

// Journal Options: the settings kept in the open journal. Values that are none of the
// choices offered here (a journal made elsewhere) stay as they are unless the user picks
// another choice.
class COptionsDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kPromptId = 1001;
    static constexpr int kTitleId = 1002;
    static constexpr int kOwnerId = 1003;
    static constexpr int kShowFirstLineId = 1015;
    static constexpr int kLocationId = 1068;
    static constexpr int kConfirmEntryMoveId = 1102;
    static constexpr int kConfirmFolderMoveId = 1121;

    COptionsDlg(const OptionsValues& values, QWidget* parent = nullptr);
    ~COptionsDlg() override;

    // Shows the values; true on OK with them read back (all but the location).
    static bool Run(QWidget* parent, OptionsValues& values);
    const OptionsValues& values() const { return m_values; }

    void accept() override;

private:
    OptionsValues m_values;
    std::unique_ptr<SettingsControls> m_settings;
    QLineEdit* m_title;
    QLineEdit* m_owner;
    QCheckBox* m_prompt;
    QCheckBox* m_firstLine;
    QCheckBox* m_entryMove;
    QCheckBox* m_folderMove;
    QLineEdit* m_location;
    QComboBox* m_shownDates;
};
