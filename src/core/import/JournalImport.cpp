#include "core/import/JournalImport.h"

#include "core/import/ImportMessages.h"
#include "core/platform/Guid.h"
#include "core/platform/TextEncoding.h"
#include "core/session/JournalReader.h"
#include "core/store/CHiddenRichEdit.h"
#include "core/store/CppSQLite3Exception.h"
#include "core/store/EntryTable.h"
#include "core/store/FolderTable.h"
#include "core/store/SqlTransaction.h"
#include "core/store/StoredText.h"
#include "core/store/TopicLinks.h"
#include "core/store/TopicTable.h"

#include <algorithm>
#include <map>

namespace {

class Writer {
public:
    Writer(const JournalReader& target, const std::string& folderId)
        : m_db(target.Db()), m_keyed(target.Keyed()), m_top(folderId) {
        for (SqlQuery q = TopicTable(m_db).All(); !q.eof(); q.nextRow())
            m_topics.emplace(storedToText(q.textField("Name")), q.textField("TopicID"));
    }

    // False when an entry of that id is there already.
    bool write(const ImportedEntry& entry) {
        EntryTable entries(m_db);
        const std::string id = entry.id.empty() ? NewGuidText() : entry.id;
        if (!entry.id.empty() && entries.Exists(id))
            return false;
        std::string comment = textToStored(entry.comment);
        const bool userComment = !comment.empty();
        if (!userComment) {
            CHiddenRichEdit hidden;
            hidden.StreamInText(CHiddenRichEdit::SF_RTF, entry.rtf);
            comment = hidden.DerivedDescription();
        }
        entries.Insert(id, entry.timeStamp, folder(entry.folder),
                       EncipherForStorage(comment, m_keyed), userComment ? 1 : 0,
                       EncipherForStorage(entry.rtf, m_keyed));
        for (const QString& name : entry.topics)
            TopicLinks(m_db).Add(id, topic(name));
        return true;
    }

private:
    std::string folder(const QStringList& path) {
        std::string parent = m_top;
        for (const QString& name : path) {
            const auto key = std::make_pair(parent, name);
            auto it = m_folders.find(key);
            if (it == m_folders.end()) {
                std::string id;
                for (SqlQuery q = FolderTable(m_db).Children(parent); !q.eof() && id.empty();
                     q.nextRow())
                    if (storedToText(q.textField("Name")) == name)
                        id = q.textField("FolderID");
                if (id.empty()) {
                    id = NewGuidText();
                    FolderTable(m_db).Insert(id, parent, textToStored(name));
                }
                it = m_folders.emplace(key, id).first;
            }
            parent = it->second;
        }
        return parent;
    }

    std::string topic(const QString& name) {
        auto it = m_topics.find(name);
        if (it == m_topics.end()) {
            const std::string id = NewGuidText();
            TopicTable(m_db).Insert(id, textToStored(name));
            it = m_topics.emplace(name, id).first;
        }
        return it->second;
    }

    SqlDatabase& m_db;
    const BlowfishEngine& m_keyed;
    std::string m_top;
    std::map<QString, std::string> m_topics;
    std::map<std::pair<std::string, QString>, std::string> m_folders;
};

} // namespace

QString ImportReport::summary() const {
    switch (status) {
    case Status::Cancelled:
        return ImportMessages::cancelled();
    case Status::Failed:
        return ImportMessages::failed(message);
    case Status::Done:
        break;
    }
    return ImportMessages::summary(imported, skipped, unreadable);
}

ImportReport WriteImport(const JournalReader& target, const std::string& folderId,
                         const ImportBatch& batch, const ImportProgress& progress) {
    ImportReport report;
    report.problems = batch.problems;
    report.unreadable = std::size_t(std::count_if(batch.problems.begin(), batch.problems.end(),
                                                  [](const auto& p) { return !p.entryKept; }));
    std::vector<ImportProblem> skipped;
    try {
        SqlTransaction transaction(target.Db(), "BEGIN IMMEDIATE");
        Writer writer(target, folderId);
        const std::size_t total = batch.entries.size();
        for (std::size_t i = 0; i < total; ++i) {
            if (progress && !progress(i, total)) {
                report.status = ImportReport::Status::Cancelled;
                report.imported = 0;
                return report;
            }
            if (writer.write(batch.entries[i])) {
                ++report.imported;
            } else {
                ++report.skipped;
                skipped.push_back({batch.entries[i].source, ImportMessages::alreadyThere()});
            }
        }
        transaction.commit();
    } catch (const CppSQLite3Exception& e) {
        report.status = ImportReport::Status::Failed;
        report.message = QString::fromUtf8(e.message());
        report.imported = 0;
        return report;
    }
    report.problems.insert(report.problems.end(), skipped.begin(), skipped.end());
    return report;
}
