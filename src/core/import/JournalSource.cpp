#include "core/import/JournalSource.h"

#include "core/export/EntryValueCheck.h"
#include "core/import/ImportMessages.h"
#include "core/platform/TextEncoding.h"
#include "core/session/JournalReader.h"
#include "core/store/CppSQLite3Exception.h"
#include "core/store/EntryTable.h"
#include "core/store/FolderTable.h"
#include "core/store/TopicLinks.h"

#include <map>

namespace {

constexpr const char* kRootId = "{Root}";

struct FolderRow {
    std::string parent;
    QString name;
};

// The names from the top down to the folder; a cycle or a missing parent ends the path.
QStringList folderPath(const std::map<std::string, FolderRow>& folders, std::string id) {
    QStringList path;
    for (std::size_t steps = 0; id != kRootId && steps <= folders.size(); ++steps) {
        const auto it = folders.find(id);
        if (it == folders.end())
            break;
        path.prepend(it->second.name);
        id = it->second.parent;
    }
    return path;
}

QString entryLabel(const std::string& id) {
    return ImportMessages::entryNamed(storedToText(id));
}

} // namespace

bool ReadJournal(const JournalReader& source, ImportSink& sink, const ImportProgress& progress) {
    SqlDatabase& db = source.Db();
    std::map<std::string, FolderRow> folders;
    for (SqlQuery q = FolderTable(db).Tree(); !q.eof(); q.nextRow())
        folders[q.textField(0)] = {q.textField(1), storedToText(q.textField(2))};
    std::map<std::string, QStringList> topics;
    for (SqlQuery q = TopicLinks(db).TextEntryIdsAndNames(); !q.eof(); q.nextRow()) {
        QStringList& names = topics[q.textField(0)];
        const QString name = storedToText(q.textField(1));
        if (!names.contains(name))
            names << name;
    }
    // Entries without their texts: the texts are read one at a time as they go.
    std::vector<ImportedEntry> listed;
    for (SqlQuery q = EntryTable(db).ListingRows("1"); !q.eof(); q.nextRow()) {
        ImportedEntry entry;
        entry.id = q.textField("EntryID");
        entry.timeStamp = q.textField("TimeStamp");
        entry.folder = folderPath(folders, q.textField("FolderID"));
        entry.source = entryLabel(entry.id);
        std::string comment;
        if (q.intField("UserComment", 0) != 0) {
            if (const auto problem = EntryValueCheck::CipherProblem(q.fieldValue("Comment"),
                                                                    source.Keyed(), comment)) {
                sink.note({entry.source,
                           ImportMessages::unreadableValue(QString::fromStdString(*problem))});
                continue;
            }
        }
        entry.comment = storedToText(comment);
        entry.topics = topics[entry.id];
        listed.push_back(std::move(entry));
    }
    for (std::size_t i = 0; i < listed.size(); ++i) {
        if (progress && !progress(i, listed.size()))
            return false;
        ImportedEntry& entry = listed[i];
        SqlQuery row = EntryTable(db).RowWithId(entry.id);
        if (row.eof())
            continue; // deleted meanwhile
        if (const auto problem = EntryValueCheck::CipherProblem(row.fieldValue("EntryText"),
                                                                source.Keyed(), entry.rtf)) {
            sink.note(
                {entry.source, ImportMessages::unreadableValue(QString::fromStdString(*problem))});
            continue;
        }
        if (!sink.take(std::move(entry)))
            return false;
    }
    return true;
}
