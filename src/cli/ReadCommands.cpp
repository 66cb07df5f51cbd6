// The commands that read a journal: info, list, search, show.
#include "cli/CliFailure.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/EntryListing.h"
#include "cli/JournalNames.h"
#include "cli/JournalSession.h"

#include "core/browser/EntryRows.h"
#include "core/platform/TextEncoding.h"
#include "core/store/CHiddenRichEdit.h"
#include "core/store/ConfigRow.h"
#include "core/store/EntryTable.h"
#include "core/store/FolderTable.h"
#include "core/store/JournalSchema.h"
#include "core/store/SqlQuery.h"
#include "core/store/TopicTable.h"

namespace {

const QString kTsv = QStringLiteral("tsv");

std::vector<std::string> topicIdsNamed(JournalSession& session, const QStringList& names) {
    std::vector<std::string> ids;
    for (const QString& name : names)
        ids.push_back(topicIdNamed(session, name));
    return ids;
}

} // namespace

int runInfo(const CommandLine& line) {
    const QString file = operandsOf(line, 1, "FILE")[0];
    std::string input;
    const std::unique_ptr<JournalSession> opened = openJournal(line, file, input);
    JournalSession& session = *opened;

    SqlDatabase& db = session.reader().Db();
    SqlQuery config = ConfigRow(db).Read();
    const std::string title = config.textField("Title");
    const std::string owner = config.textField("Owner");
    const bool protectedByPassword = config.boolField("HasPassword", false);
    config.finalize();
    printFields({{QT_TRANSLATE_NOOP("qbk", "Title"), storedToUtf8(title)},
                 {QT_TRANSLATE_NOOP("qbk", "Owner"), storedToUtf8(owner)},
                 {QT_TRANSLATE_NOOP("qbk", "Revision"),
                  std::to_string(JournalSchema::ReadSchemaRevision(db))},
                 {QT_TRANSLATE_NOOP("qbk", "Password"), protectedByPassword ? "yes" : "no"},
                 {QT_TRANSLATE_NOOP("qbk", "Folders"), std::to_string(FolderTable(db).Count())},
                 {QT_TRANSLATE_NOOP("qbk", "Topics"), std::to_string(TopicTable(db).Count())},
                 {QT_TRANSLATE_NOOP("qbk", "Entries"), std::to_string(EntryTable(db).Count())}},
                line.isSet(kTsv));
    return ExitSuccess;
}

int runList(const CommandLine& line) {
    const QString file = operandsOf(line, 1, "FILE")[0];
    std::string input;
    const std::unique_ptr<JournalSession> opened = openJournal(line, file, input);
    JournalSession& session = *opened;

    EntryFilter filter;
    if (const std::optional<QString> folder = line.value(QStringLiteral("folder")))
        filter.currentFolderId = folderIdNamed(session, *folder);
    filter.selectedTopicIds = topicIdsNamed(session, line.values(QStringLiteral("topic")));
    filter.topicPaneShown = !filter.selectedTopicIds.empty();
    filter.anyTopic = !line.isSet(QStringLiteral("all-topics"));
    if (const std::optional<DayRange> days = dayRangeOf(line))
        filter.days.emplace(days->from, days->to);
    ReadProblems problems;
    printEntries(session, LoadEntryRows(session.reader(), filter, &problems), line.isSet(kTsv));
    return reportProblems(session.label(), problems);
}

int runSearch(const CommandLine& line) {
    const QStringList operands = operandsOf(line, 2, "FILE and TEXT");
    SearchCriteria criteria;
    criteria.findText = textToStored(operands[1]);
    criteria.matchCase = line.isSet(QStringLiteral("case"));
    criteria.wholeWord = line.isSet(QStringLiteral("word"));
    const bool onlyText = line.isSet(QStringLiteral("text"));
    const bool onlyComments = line.isSet(QStringLiteral("comments"));
    criteria.lookInText = onlyText || !onlyComments;
    criteria.lookInComments = onlyComments || !onlyText;
    if (const std::optional<DayRange> days = dayRangeOf(line)) {
        criteria.dateRange = 1;
        criteria.startDate = days->from;
        criteria.endDate = days->to;
    }
    criteria.topicMatch = line.isSet(QStringLiteral("all-topics")) ? 1 : 0;
    criteria.skipUnreadable = true;

    std::string input;
    // Marks are written as the Search dialog leaves them, unless asked not to.
    const std::unique_ptr<JournalSession> opened =
        openJournal(line, operands[0], input, !line.isSet(QStringLiteral("no-marks")));
    JournalSession& session = *opened;
    criteria.topicIds = topicIdsNamed(session, line.values(QStringLiteral("topic")));
    session.doc().Search(criteria);
    session.throwIfFailed();
    ReadProblems problems;
    problems.skipped = session.doc().SearchSkipped();
    printEntries(session, LoadSearchResultRows(session.doc(), &problems), line.isSet(kTsv));
    return reportProblems(session.label(), problems);
}

int runShow(const CommandLine& line) {
    const QStringList operands = operandsOf(line, 2, "FILE and ENTRY-ID");
    std::string input;
    const std::unique_ptr<JournalSession> opened = openJournal(line, operands[0], input);
    JournalSession& session = *opened;
    const std::string id = entryIdGiven(session, operands[1]);
    const std::string rtf = session.doc().LoadEntryText(id);
    session.throwIfFailed();

    std::string out;
    if (line.isSet(QStringLiteral("rtf"))) {
        out = rtf;
    } else {
        CHiddenRichEdit hidden;
        hidden.StreamInText(CHiddenRichEdit::SF_RTF, rtf);
        out = storedToText(hidden.StreamOutText())
                  .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                  .replace(u'\r', u'\n')
                  .toUtf8()
                  .toStdString();
    }
    if (!out.empty() && out.back() != '\n')
        out += '\n';
    writeOut(out);
    return ExitSuccess;
}
