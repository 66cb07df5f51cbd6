#include "core/browser/EntryRows.h"

#include "core/browser/ListingNames.h"
#include "core/platform/TextEncoding.h"
#include "core/protect/BlowfishEngine.h"
#include "core/session/CQBKDoc.h"
#include "core/store/ConfigRow.h"
#include "core/store/CppSQLite3Exception.h"
#include "core/store/EntryTable.h"
#include "core/store/FolderTable.h"
#include "core/store/QuotedIdList.h"
#include "core/store/SqlQuery.h"
#include "core/store/StoredText.h"
#include "core/store/TimeStamp.h"
#include "core/store/TopicLinks.h"

#include <QString>

#include <unordered_map>

namespace {

bool listsEveryFolder(const std::string& folderId) {
    return folderId == "{All Entries}" || folderId == "{Root}";
}

// Where a query has the columns a listing row is read from, found by name once.
struct RowColumns {
    explicit RowColumns(const SqlQuery& query)
        : folderId(query.fieldIndex("FolderID")), timeStamp(query.fieldIndex("TimeStamp")),
          entryId(query.fieldIndex("EntryID")), comment(query.fieldIndex("Comment")),
          userComment(query.fieldIndex("UserComment")) {}
    int folderId, timeStamp, entryId, comment, userComment;
};

// One listing row from the current row of an Entry query, appended to rows (nothing appended
// when reading it fails: with problems it is told there, else the failure is thrown on).
// A listing names few folders for many rows: each folder's path is made once.
class FolderPaths {
public:
    explicit FolderPaths(const ListingNames& names) : m_names(names) {}
    const std::string& Of(const std::string& folderId) {
        auto it = m_paths.find(folderId);
        if (it == m_paths.end())
            it = m_paths.emplace(folderId, m_names.FolderPath(folderId)).first;
        return it->second;
    }

private:
    const ListingNames& m_names;
    std::unordered_map<std::string, std::string> m_paths;
};

void appendRow(const SqlQuery& query, const RowColumns& at, const BlowfishEngine& keyed,
               const ListingNames& names, FolderPaths& paths, bool showFirstLine,
               std::vector<EntryRow>& rows, ReadProblems* problems) {
    EntryRow& row = rows.emplace_back();
    try {
        row.folderId = query.textField(at.folderId);
        row.timestamp = ParseTimeStamp(query.fieldValue(at.timeStamp));
        row.entryId = query.textField(at.entryId);
        row.topics = names.TopicsText(row.entryId);
        row.folderName = names.FolderName(row.folderId);
        row.folderPath = paths.Of(row.folderId);
        row.comment = DecipherFromStorage(query.fieldValue(at.comment), keyed);
        // A derived description is listed only when the journal asks for it.
        if (!showFirstLine && !query.boolField(at.userComment))
            row.comment.clear();
    } catch (const CppSQLite3Exception& e) {
        if (!problems) {
            rows.pop_back();
            throw;
        }
        problems->skipped.push_back(
            {row.entryId, query.textField(at.timeStamp), UnreadableReason(e, "its comment")});
        rows.pop_back();
    } catch (...) {
        rows.pop_back();
        throw;
    }
}

ListingNames namesFor(SqlDatabase& db, ReadProblems* problems) {
    return problems ? ListingNames::Read(db, problems->topics) : ListingNames::Read(db);
}

int compareTexts(const std::string& a, const std::string& b) {
    return storedToText(a).compare(storedToText(b), Qt::CaseInsensitive);
}

} // namespace

std::optional<std::string> EntryWhereClause(SqlDatabase& db, const EntryFilter& filter) {
    if (!filter.daysWhere.empty())
        return filter.daysWhere;
    std::optional<std::pair<std::string, std::string>> stamps;
    if (filter.days) {
        if (filter.days->second < filter.days->first)
            return std::nullopt;
        stamps.emplace(MakeTimeStamp(filter.days->first), MakeTimeStamp(filter.days->second));
    }
    std::optional<std::vector<std::string>> entryIds;
    if (filter.topicPaneShown && !filter.selectedTopicIds.empty()) {
        const std::string ids = QuotedIdList(filter.selectedTopicIds);
        TopicLinks links(db);
        SqlQuery query =
            filter.anyTopic
                ? links.EntriesWithAny(ids)
                : links.EntriesWithAll(ids, static_cast<int>(filter.selectedTopicIds.size()));
        if (query.eof())
            return std::nullopt;
        entryIds.emplace();
        for (; !query.eof(); query.nextRow())
            entryIds->push_back(query.textField("EntryID"));
        query.finalize();
    }
    return EntryTable::ListingCondition(
        listsEveryFolder(filter.currentFolderId) ? nullptr : &filter.currentFolderId,
        entryIds ? &*entryIds : nullptr, stamps ? &*stamps : nullptr);
}

std::vector<EntryRow> LoadEntryRows(const JournalReader& reader, const EntryFilter& filter,
                                    ReadProblems* problems, const std::atomic<bool>* cancel) {
    SqlDatabase& db = reader.Db();
    const BlowfishEngine& keyed = reader.Keyed();
    std::vector<EntryRow> rows;
    SqlQuery config = ConfigRow(db).Read();
    const bool showFirstLine = !config.eof() && config.boolField("ShowFirstLine", false);
    config.finalize();

    const std::optional<std::string> where = EntryWhereClause(db, filter);
    if (!where)
        return rows;
    SqlQuery query = EntryTable(db).ListingRows(*where);
    // Read while the entry query is open, so both see the same file; not at all without rows.
    if (query.eof())
        return rows;
    const ListingNames names = namesFor(db, problems);
    FolderPaths paths(names);
    const RowColumns at(query);
    for (; !query.eof() && !(cancel && cancel->load(std::memory_order_relaxed)); query.nextRow())
        appendRow(query, at, keyed, names, paths, showFirstLine, rows, problems);
    query.finalize();
    return rows;
}

std::vector<EntryRow> LoadSearchResultRows(const JournalReader& reader,
                                           const std::vector<std::string>* ids,
                                           ReadProblems* problems) {
    std::vector<EntryRow> rows;
    AppendSearchResultRows(reader, rows, ids, problems);
    return rows;
}

void AppendSearchResultRows(const JournalReader& reader, std::vector<EntryRow>& rows,
                            const std::vector<std::string>* ids, ReadProblems* problems) {
    SqlDatabase& db = reader.Db();
    const BlowfishEngine& keyed = reader.Keyed();
    EntryTable entries(db);
    SqlQuery query = ids ? entries.WithSettings(*ids) : entries.MarkedWithSettings();
    if (query.eof())
        return;
    const ListingNames names = namesFor(db, problems);
    FolderPaths paths(names);
    const RowColumns at(query);
    const int showFirstLine = query.fieldIndex("ShowFirstLine");
    for (; !query.eof(); query.nextRow())
        appendRow(query, at, keyed, names, paths, query.boolField(showFirstLine), rows, problems);
    query.finalize();
}

std::vector<EntryRow> LoadSearchResultRows(CQBKDoc& doc, ReadProblems* problems) {
    return LoadSearchResultRows(doc.Reader(), doc.IsReadOnly() ? &doc.SearchHits() : nullptr,
                                problems);
}

std::vector<EntryRow> LoadShownEntryRows(CQBKDoc& doc, const EntryFilter& filter) {
    return LoadShownEntryRows(doc.Reader(), filter, doc.IsDamaged());
}

std::vector<EntryRow> LoadShownEntryRows(const JournalReader& reader, const EntryFilter& filter,
                                         bool damaged, const std::atomic<bool>* cancel) {
    ReadProblems skipped; // the damage was told when the journal opened
    return LoadEntryRows(reader, filter, damaged ? &skipped : nullptr, cancel);
}

std::string GetEntryTopicsText(SqlDatabase& db, const std::string& entryId) {
    SqlQuery query = TopicLinks(db).NamesOf(entryId);
    std::string names;
    for (bool first = true; !query.eof(); query.nextRow(), first = false) {
        if (!first)
            names += ", ";
        names += query.textField("Name");
    }
    query.finalize();
    return names;
}

std::string GetEntryFolderName(SqlDatabase& db, const std::string& folderId) {
    SqlQuery query = FolderTable(db).Row(folderId);
    std::string name = query.eof() ? std::string("(None)") : query.textField("Name");
    query.finalize();
    return name;
}

const std::string* EntrySortText(const EntryRow& row, int column, bool inFolderShown) {
    switch (column) {
    case 1:
        return &row.comment;
    case 2:
        return inFolderShown ? &row.folderName : &row.topics;
    case 3:
        return &row.topics;
    default:
        return nullptr;
    }
}

int CompareEntryRows(const EntryRow& a, const EntryRow& b, int column, bool inFolderShown) {
    if (column == 0) {
        // Invalid dates (hand-edited files) sort before every real date.
        if (a.timestamp.IsValid() != b.timestamp.IsValid())
            return a.timestamp.IsValid() ? 1 : -1;
        if (!a.timestamp.IsValid() || a.timestamp == b.timestamp)
            return 0;
        return a.timestamp < b.timestamp ? -1 : 1;
    }
    const std::string* text = EntrySortText(a, column, inFolderShown);
    return text ? compareTexts(*text, *EntrySortText(b, column, inFolderShown)) : 0;
}
