#pragma once

#include "core/session/JournalUi.h"

// A JournalUi for work without a person at the screen: every message box takes its default
// button and every dialog is cancelled. Subclasses answer the few questions they expect.
class DecliningJournalUi : public JournalUi {
public:
    MessageAnswer messageBox(const MessageBoxRequest& box) override { return box.defaultAnswer; }
    bool runPasswordDialog(PasswordValues&) override { return false; }
    bool runChangePasswordDialog(ChangePasswordValues&) override { return false; }
    bool runNewJournalDialog(NewJournalValues&) override { return false; }
    bool runOptionsDialog(OptionsValues&) override { return false; }
    bool runCommentDialog(CommentValues&) override { return false; }
    bool runChangeDateDialog(ChangeDateValues&) override { return false; }
    WelcomeChoice runWelcomeDialog() override { return WelcomeChoice::Close; }
    std::optional<std::string> chooseJournalToOpen() override { return std::nullopt; }
    bool runSaveJournalAsDialog(SaveJournalAsValues&) override { return false; }
    bool runChooseFolderDialog(FolderChoiceValues&) override { return false; }
};
