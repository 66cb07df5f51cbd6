#pragma once

#include "core/import/ImportedEntry.h"

#include <string>
#include <vector>

// What an import would bring, counted as a source reads it without keeping its entries: how
// many, from which day to which, and what could not be read.
class ImportPreview final : public ImportSink {
public:
    bool take(ImportedEntry&& entry) override;
    void note(ImportProblem problem) override;

    std::size_t entries() const { return m_entries; }
    std::size_t unreadable() const { return m_unreadable; }
    const std::vector<ImportProblem>& problems() const { return m_problems; }
    // In words: "3 entries from 2024-03-05 to 2024-04-01; 1 files cannot be read".
    QString text() const;

private:
    std::size_t m_entries = 0;
    std::size_t m_unreadable = 0;
    std::string m_first; // time stamps, which sort as the days do
    std::string m_last;
    std::vector<ImportProblem> m_problems;
};
