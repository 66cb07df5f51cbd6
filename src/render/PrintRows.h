#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <vector>

class EntryPrintJob;
class JournalReader;
struct ReadProblems;

// Prints the chosen rows (ChosenEntryRows) through the job, reading one entry at a time, with
// their comments when the job prints them. A job that numbers its pages lays every entry out
// once before to count them. False when the device failed; progress hears how many entries
// are on pages after each. Entries that cannot be read are left out and, when problems is
// given, listed there. A cancel flag set stops it before the next entry.
bool PrintRows(EntryPrintJob& job, const JournalReader& journal, const std::vector<long long>& rows,
               const std::function<void(std::size_t printed)>& progress = {},
               ReadProblems* problems = nullptr, const std::atomic<bool>* cancel = nullptr);
