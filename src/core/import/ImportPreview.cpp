#include "core/import/ImportPreview.h"

#include "core/store/TimeStamp.h"

#include <QCoreApplication>

bool ImportPreview::take(ImportedEntry&& entry) {
    if (m_entries == 0 || entry.timeStamp < m_first)
        m_first = entry.timeStamp;
    if (m_entries == 0 || entry.timeStamp > m_last)
        m_last = entry.timeStamp;
    ++m_entries;
    return true;
}

void ImportPreview::note(ImportProblem problem) {
    if (!problem.entryKept)
        ++m_unreadable;
    m_problems.push_back(std::move(problem));
}

QString ImportPreview::text() const {
    if (m_entries == 0)
        return QCoreApplication::translate("Import", "No entries found; %n files cannot be read.",
                                           nullptr, int(m_unreadable));
    const auto day = [](const std::string& stamp) {
        return QString::fromStdString(ParseTimeStamp(stamp.c_str()).Format("%Y-%m-%d"));
    };
    return QCoreApplication::translate("Import", "%n entries from %1 to %2", nullptr,
                                       int(m_entries))
               .arg(day(m_first), day(m_last)) +
           (m_unreadable == 0 ? QString()
                              : QCoreApplication::translate("Import", "; %n files cannot be read",
                                                            nullptr, int(m_unreadable)));
}
