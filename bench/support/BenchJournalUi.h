#pragma once

#include "core/session/JournalUi.h"

#include <string>

// A JournalUi for benchmarks: the New Journal dialog answers with a fixed path and title,
// password prompts with a fixed password, every message box with its default button and
// every other dialog with Cancel. Nothing is shown.
class BenchJournalUi : public JournalUi {
public:
    std::string newJournalPath;
    std::string password;

    MessageAnswer messageBox(const MessageBoxRequest& box) override { return box.defaultAnswer; }
    bool runPasswordDialog(PasswordValues& values) override;
    bool runChangePasswordDialog(ChangePasswordValues&) override { return false; }
    bool runNewJournalDialog(NewJournalValues& values) override;
    bool runOptionsDialog(OptionsValues&) override { return false; }
    bool runCommentDialog(CommentValues&) override { return false; }
    bool runChangeDateDialog(ChangeDateValues&) override { return false; }
    WelcomeChoice runWelcomeDialog() override { return WelcomeChoice::Close; }
    std::optional<std::string> chooseJournalToOpen() override { return std::nullopt; }
};
