#include "cli/EntryListing.h"

#include "cli/CliFailure.h"
#include "cli/JournalSession.h"
#include "cli/TerminalUi.h"

#include "core/browser/EntryRows.h"
#include "core/browser/ListingNames.h"
#include "core/platform/DateDisplay.h"
#include "core/store/CppSQLite3Exception.h"
#include "core/store/SqlDatabase.h"
#include "core/store/TimeStamp.h"

#include <QCoreApplication>

#include <QString>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace {

// Separates the items of a list inside one TSV value (topics, a folder's path). Names may hold
// any character a user can type, "," and ";" included (no rule in the program forbids one),
// but not this control character, which oneLine() folds away like tabs and line breaks.
constexpr char kUnitSeparator = '\x1f';

qsizetype width(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).size();
}

} // namespace

std::string oneLine(const std::string& utf8) {
    std::string text = utf8;
    std::replace_if(
        text.begin(), text.end(),
        [](char ch) { return ch == '\t' || ch == '\r' || ch == '\n' || ch == kUnitSeparator; },
        ' ');
    return text;
}

void printRows(const std::vector<std::vector<std::string>>& table, bool tsv) {
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

void writeOut(const std::string& text) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size())
        throw outputError(errno);
}

std::string listField(const std::vector<std::string>& storedItems, const char* plainSeparator,
                      bool tsv) {
    std::string field;
    for (std::size_t i = 0; i < storedItems.size(); ++i) {
        if (i > 0)
            field += tsv ? std::string(1, kUnitSeparator) : std::string(plainSeparator);
        field += oneLine(storedToUtf8(storedItems[i]));
    }
    return field;
}

void printEntries(JournalSession& session, std::vector<EntryRow> rows, bool tsv) {
    std::stable_sort(rows.begin(), rows.end(), [](const EntryRow& a, const EntryRow& b) {
        return CompareEntryRows(a, b, 0, true) < 0;
    });
    SqlDatabase& db = session.reader().Db();
    // Machines get ISO 8601 dates and each topic name apart.
    const std::string format = tsv ? "%Y-%m-%dT%H:%M:%S" : DisplayFormat(db);
    std::unordered_map<std::string, std::vector<std::string>> topics;
    if (tsv && !rows.empty()) {
        try {
            topics = ListingNames::TopicNamesByEntry(db);
        } catch (const CppSQLite3Exception&) {
            // Links that cannot be read were reported with the listing; its topics are empty.
        }
    }
    std::vector<std::vector<std::string>> table;
    for (const EntryRow& row : rows) {
        // People get the date as the window shows it.
        std::string when;
        if (!tsv)
            when = DateDisplay::shown(row.timestamp, format).toStdString();
        else if (row.timestamp.IsValid())
            when = row.timestamp.Format(format);
        table.push_back(
            {oneLine(storedToUtf8(row.entryId)), oneLine(when),
             oneLine(storedToUtf8(row.folderName)), oneLine(storedToUtf8(row.comment)),
             tsv ? listField(topics[row.entryId], ", ", true) : oneLine(storedToUtf8(row.topics))});
    }
    printRows(table, tsv);
}

void printFields(const std::vector<std::pair<std::string, std::string>>& fields, bool tsv) {
    std::vector<std::vector<std::string>> table;
    for (const auto& [name, value] : fields) {
        std::string label = name;
        if (tsv)
            std::transform(label.begin(), label.end(), label.begin(),
                           [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
        else
            label = QCoreApplication::translate("qbk", name.c_str()).toStdString() + ":";
        table.push_back({label, oneLine(value)});
    }
    printRows(table, tsv);
}
