#pragma once

#include "core/session/JournalUi.h"

#include <functional>

class QWidget;

// The journal session's way to the user, with real message boxes and dialogs, each owned by
// the main window while it is shown.
class QtJournalUi : public JournalUi {
public:
    using WelcomeRunner = std::function<WelcomeChoice()>;

    // The Welcome dialog needs the application's settings and recent list; the application
    // supplies how it is run.
    explicit QtJournalUi(WelcomeRunner welcome);

    // The window the dialogs are centred on; nullptr before the main window exists.
    void setParentWindow(QWidget* parent) { m_parent = parent; }
    // Whether dialogs go over the active main window (the journal's or an entry editor)
    // rather than the parent window; on unless turned off.
    void setFollowsActiveWindow(bool follows) { m_followsActiveWindow = follows; }

    MessageAnswer messageBox(const MessageBoxRequest& box) override;
    bool runPasswordDialog(PasswordValues& values) override;
    bool runChangePasswordDialog(ChangePasswordValues& values) override;
    bool runNewJournalDialog(NewJournalValues& values) override;
    bool runOptionsDialog(OptionsValues& values) override;
    bool runCommentDialog(CommentValues& values) override;
    bool runChangeDateDialog(ChangeDateValues& values) override;
    WelcomeChoice runWelcomeDialog() override;
    std::optional<std::string> chooseJournalToOpen() override;
    bool runSaveJournalAsDialog(SaveJournalAsValues& values) override;
    bool runChooseFolderDialog(FolderChoiceValues& values) override;
    bool runLongWork(const std::string& title, const std::string& label,
                     const LongWork& work) override;

private:
    QWidget* owner() const;

    QWidget* m_parent = nullptr;
    bool m_followsActiveWindow = true;
    WelcomeRunner m_welcome;
};
