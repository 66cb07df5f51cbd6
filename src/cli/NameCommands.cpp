// The commands that list what entries are filed under: folders, topics. They give the ids
// that other commands take when two names are the same.
#include "cli/CliFailure.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/EntryListing.h"
#include "cli/JournalSession.h"
#include "cli/TerminalUi.h"

#include "core/browser/FolderTreeData.h"
#include "core/store/EntryTable.h"
#include "core/store/SqlQuery.h"
#include "core/store/TopicLinks.h"
#include "core/store/TopicTable.h"

#include <map>

namespace {

const QString kTsv = QStringLiteral("tsv");

// Number per id from a query of (id, count).
std::map<std::string, std::string> countsOf(SqlQuery query) {
    std::map<std::string, std::string> counts;
    for (; !query.eof(); query.nextRow())
        counts[query.textField(0)] = query.textField(1);
    query.finalize();
    return counts;
}

// The journal named on the command line, opened to read.
std::unique_ptr<JournalSession> openListed(const CommandLine& line) {
    std::string input;
    return openJournal(line, operandsOf(line, 1, "FILE")[0], input);
}

std::string countOf(const std::map<std::string, std::string>& counts, const std::string& id) {
    const auto it = counts.find(id);
    return it == counts.end() ? "0" : it->second;
}

struct FolderLister {
    const std::map<std::string, std::string>& counts;
    bool tsv;
    std::vector<std::vector<std::string>> rows;

    // Depth first, as the folder tree shows them; path holds the names above.
    void add(const std::vector<FolderNode>& nodes, std::vector<std::string>& path) {
        for (const FolderNode& node : nodes) {
            path.push_back(node.name);
            rows.push_back({oneLine(storedToUtf8(node.id)), oneLine(storedToUtf8(node.name)),
                            listField(path, "/", tsv), countOf(counts, node.id)});
            add(node.children, path);
            path.pop_back();
        }
    }
};

} // namespace

int runFolders(const CommandLine& line) {
    const std::unique_ptr<JournalSession> opened = openListed(line);
    SqlDatabase& db = opened->reader().Db();
    const std::map<std::string, std::string> counts = countsOf(EntryTable(db).CountsByFolder());
    FolderLister lister{counts, line.isSet(kTsv), {}};
    std::vector<std::string> path;
    lister.add(LoadFolderChildren(db), path);
    printRows(lister.rows, lister.tsv);
    return ExitSuccess;
}

int runTopics(const CommandLine& line) {
    const std::unique_ptr<JournalSession> opened = openListed(line);
    SqlDatabase& db = opened->reader().Db();
    const std::map<std::string, std::string> counts = countsOf(TopicLinks(db).EntriesPerTopic());
    std::vector<std::vector<std::string>> rows;
    SqlQuery topics = TopicTable(db).All();
    for (; !topics.eof(); topics.nextRow()) {
        const std::string id = topics.textField("TopicID");
        rows.push_back({oneLine(storedToUtf8(id)), oneLine(storedToUtf8(topics.textField("Name"))),
                        countOf(counts, id)});
    }
    topics.finalize();
    printRows(rows, line.isSet(kTsv));
    return ExitSuccess;
}
