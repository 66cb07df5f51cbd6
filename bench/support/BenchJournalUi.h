#pragma once

#include "core/session/DecliningJournalUi.h"

#include <string>

// A JournalUi for benchmarks: the New Journal dialog answers with a fixed path and title,
// password prompts with a fixed password, every message box with its default button and
// every other dialog with Cancel. Nothing is shown.
class BenchJournalUi : public DecliningJournalUi {
public:
    std::string newJournalPath;
    std::string password;

    bool runPasswordDialog(PasswordValues& values) override;
    bool runNewJournalDialog(NewJournalValues& values) override;
};
