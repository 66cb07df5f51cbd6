#pragma once

#include <string>

// Every value of every journal table with its type (SQL quote()), in table order, and the
// file's schema: two files whose dumps are equal hold the same journal.
std::string dumpJournal(const std::string& path);
