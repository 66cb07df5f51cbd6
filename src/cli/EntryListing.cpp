#include "cli/EntryListing.h"

#include "cli/CliFailure.h"
#include "cli/JournalSession.h"
#include "cli/TerminalUi.h"

#include "core/browser/EntryRows.h"
#include "core/store/TimeStamp.h"

#include <QString>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace {

// One value on one line.
std::string cell(const std::string& utf8) {
    std::string text = utf8;
    std::replace_if(
        text.begin(), text.end(), [](char ch) { return ch == '\t' || ch == '\r' || ch == '\n'; },
        ' ');
    return text;
}

qsizetype width(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).size();
}

void printTable(const std::vector<std::vector<std::string>>& table, bool tsv) {
    std::vector<qsizetype> widths;
    for (const auto& line : table) {
        widths.resize(std::max(widths.size(), line.size()), 0);
        for (size_t i = 0; i < line.size(); ++i)
            widths[i] = std::max(widths[i], width(line[i]));
    }
    std::string out;
    for (const auto& line : table) {
        std::string text;
        for (size_t i = 0; i < line.size(); ++i) {
            if (i > 0)
                text += tsv ? "\t" : "  ";
            text += line[i];
            if (!tsv && i + 1 < line.size())
                text.append(static_cast<size_t>(widths[i] - width(line[i])), ' ');
        }
        if (!tsv)
            text.erase(text.find_last_not_of(' ') + 1);
        out += text + "\n";
    }
    writeOut(out);
}

} // namespace

void writeOut(const std::string& text) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size())
        throw outputError(errno);
}

void printEntries(JournalSession& session, std::vector<EntryRow> rows, bool tsv) {
    std::stable_sort(rows.begin(), rows.end(), [](const EntryRow& a, const EntryRow& b) {
        return CompareEntryRows(a, b, 0, true) < 0;
    });
    const std::string format = DisplayFormat(session.reader().Db());
    std::vector<std::vector<std::string>> table;
    for (const EntryRow& row : rows) {
        table.push_back({cell(storedToUtf8(row.entryId)),
                         cell(storedToUtf8(row.timestamp.Format(format))),
                         cell(storedToUtf8(row.folderName)), cell(storedToUtf8(row.comment)),
                         cell(storedToUtf8(row.topics))});
    }
    printTable(table, tsv);
}

void printFields(const std::vector<std::pair<std::string, std::string>>& fields, bool tsv) {
    std::vector<std::vector<std::string>> table;
    for (const auto& [name, value] : fields) {
        std::string label = name;
        if (tsv)
            std::transform(label.begin(), label.end(), label.begin(),
                           [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
        else
            label += ":";
        table.push_back({label, cell(value)});
    }
    printTable(table, tsv);
}
