#pragma once

#include <optional>
#include <string>
#include <vector>

// Reads and writes a journal file with plain SQLite, bypassing the code under test, so that
// checks see exactly what the file holds.
using RawValue = std::optional<std::string>; // nullopt for NULL
using RawRow = std::vector<RawValue>;

std::vector<RawRow> rawQuery(const std::string& path, const std::string& sql);
void rawExec(const std::string& path, const std::string& sql);
// The first value of the query's first row: "<no row>" without one, "<NULL>" for NULL.
std::string rawValue(const std::string& path, const std::string& sql);

// Bytes of a file, for "left unchanged" checks.
std::string fileBytes(const std::string& path);
