#pragma once

#include <string>

// The Save Journal As file dialog: starts at m_path (the journal's last folder and name) and
// returns the new file's path there.
struct SaveJournalAsValues {
    std::string m_path;
};
