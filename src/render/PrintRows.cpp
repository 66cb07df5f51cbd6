#include "render/PrintRows.h"

#include "core/export/EntryReader.h"
#include "render/EntryPrintJob.h"

bool PrintRows(EntryPrintJob& job, const JournalReader& journal, const std::vector<long long>& rows,
               const std::function<void(std::size_t printed)>& progress, ReadProblems* problems,
               const std::atomic<bool>* cancel) {
    const auto goOn = [cancel] { return cancel == nullptr || !cancel->load(); };
    ExportedEntry entry;
    if (job.options().pageNumbers) {
        EntryReader counting(journal, rows, EntryReader::Reads::StoredText);
        while (goOn() && counting.next(entry))
            job.countEntry(entry.storedText, entry.comment);
    }
    EntryReader reader(journal, rows, EntryReader::Reads::StoredText);
    std::size_t done = 0;
    bool written = true;
    while (written && goOn() && reader.next(entry)) {
        written = job.printEntry(entry.storedText, entry.when, entry.comment);
        if (progress)
            progress(++done);
    }
    if (problems)
        *problems = reader.problems();
    return written;
}
