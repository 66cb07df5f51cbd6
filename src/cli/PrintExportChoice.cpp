#include "cli/PrintExportChoice.h"

#include "cli/CliFailure.h"
#include "cli/CommandSupport.h"
#include "cli/JournalNames.h"

EntryChoice entryChoiceOf(const CommandLine& line, JournalSession& session) {
    EntryChoice choice;
    if (const std::optional<QString> entry = line.value(QStringLiteral("entry"))) {
        choice.what = EntryChoice::SelectedEntry;
        choice.entryId = entryIdGiven(session, *entry);
    } else if (const std::optional<QString> folder = line.value(QStringLiteral("folder"))) {
        choice.what = EntryChoice::CurrentFolder;
        choice.folderId = folderIdNamed(session, *folder);
    }
    if (const std::optional<DayRange> days = dayRangeOf(line)) {
        choice.between = true;
        choice.from = days->from;
        choice.to = days->to;
    }
    for (const QString& topic : line.values(QStringLiteral("topic")))
        choice.topicIds.push_back(topicIdNamed(session, topic));
    return choice;
}

void checkEntryChoiceLine(const CommandLine& line) {
    if (line.isSet(QStringLiteral("entry")) && line.isSet(QStringLiteral("folder")))
        throw usageError("--entry and --folder exclude each other");
    if (line.isSet(QStringLiteral("entry")) &&
        (line.isSet(QStringLiteral("from")) || line.isSet(QStringLiteral("to"))))
        throw usageError("--from and --to choose among several entries, not with --entry");
    dayRangeOf(line);
}
