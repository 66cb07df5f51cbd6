#include "bench/support/BenchJournalUi.h"

#include <filesystem>

bool BenchJournalUi::runPasswordDialog(PasswordValues& values) {
    values.m_password = password;
    return true;
}

bool BenchJournalUi::runNewJournalDialog(NewJournalValues& values) {
    values.m_title = "Ten thousand days";
    values.m_owner = "Bench";
    // No comment prompt on save: the generator saves thousands of entries.
    values.m_bPromptForComment = false;
    values.m_password = password;
    values.m_confirmPassword = password;
    values.m_bPasswordProtected = !password.empty();
    values.m_path = newJournalPath;
    values.m_fileName = std::filesystem::path(newJournalPath).filename().string();
    return true;
}
