#pragma once

#include "core/session/JournalUi.h"
#include "gui/app/CBackgroundDlg.h"

#include <string>

class QCheckBox;
class QLabel;
class QPushButton;

// The Welcome dialog: create a journal, open one, or open the last one, over our welcome
// picture; the check box below switches the dialog off at start-up, and another one has the
// program open the last journal at start-up instead.
class CWelcomeDlg : public CBackgroundDlg {
    Q_OBJECT

public:
    static constexpr int kNewJournalId = 1032;
    static constexpr int kOpenJournalId = 1026;
    static constexpr int kOpenLastId = 1052;
    static constexpr int kCloseId = 2;
    static constexpr int kTickedId = 1119;
    static constexpr int kEmptyId = 1120;

    // The last journal decides whether "Open The Last Journal" can be pressed.
    explicit CWelcomeDlg(const std::string& lastJournal, QWidget* parent = nullptr);

    // Runs the dialog modally and says how it ended.
    WelcomeChoice Run();
    int ShowAtStartUp() const { return m_showAtStartUp; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* addButton(const QString& text, int id, QRect units);
    void ShowCheckImage();
    void ToggleShowAtStartUp();

    int m_showAtStartUp = 1;
    QLabel* m_ticked;
    QLabel* m_empty;
    QCheckBox* m_openLast;
    QCheckBox* m_showCheck = nullptr;
};
