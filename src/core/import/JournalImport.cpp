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

#include <map>
#include <optional>

namespace {

// Writes each entry as it comes and keeps the counts and problems for the report.
class Writer final : public ImportSink {
public:
    Writer(const JournalReader& target, const std::string& folderId, ImportReport& report)
        : m_db(target.Db()), m_keyed(target.Keyed()), m_top(folderId), m_report(report) {
        for (SqlQuery q = TopicTable(m_db).All(); !q.eof(); q.nextRow())
            m_topics.emplace(storedToText(q.textField("Name")), q.textField("TopicID"));
    }

    bool take(ImportedEntry&& entry) override {
        try {
            if (write(entry)) {
                ++m_report.imported;
            } else {
                ++m_report.skipped;
                m_skipped.push_back({entry.source, ImportMessages::alreadyThere()});
            }
            return true;
        } catch (const CppSQLite3Exception& e) {
            m_failure = QString::fromUtf8(e.message());
            return false;
        }
    }

    void note(ImportProblem problem) override {
        if (!problem.entryKept)
            ++m_report.unreadable;
        m_report.problems.push_back(std::move(problem));
    }

    // Why the journal could not take an entry; empty when it took them all.
    const std::optional<QString>& failure() const { return m_failure; }
    // The entries already there come last in the report.
    void finish() {
        m_report.problems.insert(m_report.problems.end(), m_skipped.begin(), m_skipped.end());
    }

private:
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
    ImportReport& m_report;
    std::vector<ImportProblem> m_skipped;
    std::optional<QString> m_failure;
};

ImportReport failed(ImportReport report, const QString& why) {
    report.status = ImportReport::Status::Failed;
    report.message = why;
    report.imported = 0;
    return report;
}

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
                         const ImportSource& source) {
    ImportReport report;
    try {
        SqlTransaction transaction(target.Db(), "BEGIN IMMEDIATE");
        Writer writer(target, folderId, report);
        const bool whole = source(writer);
        if (writer.failure())
            return failed(std::move(report), *writer.failure());
        if (!whole) {
            report.status = ImportReport::Status::Cancelled;
            report.imported = 0;
            return report;
        }
        writer.finish();
        transaction.commit();
    } catch (const CppSQLite3Exception& e) {
        return failed(std::move(report), QString::fromUtf8(e.message()));
    }
    return report;
}
