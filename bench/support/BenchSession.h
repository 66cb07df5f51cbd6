#pragma once

#include "bench/support/BenchHost.h"
#include "bench/support/BenchJournalUi.h"

#include "core/session/CQBKDoc.h"

#include <stdexcept>
#include <string>

// One journal session over a file, opened as the program opens it.
class BenchSession {
public:
    explicit BenchSession(const std::string& path) : m_path(path) { open(); }
    void open() {
        if (doc.OpenJournal(m_path) != CQBKDoc::OpenResult::Ok)
            throw std::runtime_error("cannot open " + m_path);
    }
    void close() { doc.CloseJournal(); }

    BenchJournalUi ui;
    BenchHost host;
    CQBKDoc doc{ui, host};

private:
    std::string m_path;
};
