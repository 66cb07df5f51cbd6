#include "core/export/JournalCheck.h"

#include "core/export/EntryValueCheck.h"
#include "core/platform/Guid.h"
#include "core/platform/TextEncoding.h"
#include "core/protect/PasswordDigest.h"
#include "core/protect/PasswordForms.h"
#include "core/store/ConfigRow.h"
#include "core/store/CppSQLite3Exception.h"
#include "core/store/EntryTable.h"
#include "core/store/FolderTable.h"
#include "core/store/SqlDatabase.h"
#include "core/store/StoredText.h"
#include "core/store/TopicLinks.h"
#include "core/store/TopicTable.h"

#include <QCoreApplication>

#include <cstdint>
#include <map>
#include <set>
#include <unordered_set>

namespace {

QString said(const char* text) {
    return QCoreApplication::translate("JournalCheck", text);
}

QString shown(const std::string& stored) {
    return storedToText(stored);
}

} // namespace

JournalCheck::JournalCheck(SqlDatabase& db) : m_db(db) {
    SqlQuery config = ConfigRow(m_db).Read();
    if (config.eof())
        throw CppSQLite3Exception(
            1, QCoreApplication::translate("JournalCheck",
                                           "the settings table has no row: not a journal")
                   .toUtf8()
                   .constData());
    m_hasPassword = config.boolField("HasPassword", false);
    m_digest = config.textField("Password");
    m_storedKey = config.textField("InstanceID");
}

bool JournalCheck::Unlock(const std::string& password) {
    std::vector<std::string> forms{std::string()};
    if (m_hasPassword)
        forms = PasswordForms(password);
    for (const std::string& form : forms) {
        if (m_hasPassword && PasswordDigest(form).HexDigest() != m_digest)
            continue;
        const std::string key = DecipherFromStorage(m_storedKey.c_str(), form);
        if (!IsGuidText(key))
            return false;
        m_keyed.SetKey(key);
        return true;
    }
    return false;
}

std::vector<std::string> JournalCheck::Run() {
    m_problems.clear();
    m_notes.clear();
    // Each part reads on its own: a table that cannot be read is one problem, and the other
    // parts still run.
    const std::pair<const char*, void (JournalCheck::*)()> parts[] = {
        {QT_TRANSLATE_NOOP("JournalCheck", "integrity"), &JournalCheck::CheckIntegrity},
        {QT_TRANSLATE_NOOP("JournalCheck", "settings"), &JournalCheck::CheckSettings},
        {QT_TRANSLATE_NOOP("JournalCheck", "entries"), &JournalCheck::CheckEntries},
        {QT_TRANSLATE_NOOP("JournalCheck", "topic links"), &JournalCheck::CheckLinks},
        {QT_TRANSLATE_NOOP("JournalCheck", "folders"), &JournalCheck::CheckFolders},
    };
    for (const auto& [name, part] : parts) {
        try {
            (this->*part)();
        } catch (const CppSQLite3Exception& e) {
            Report(QCoreApplication::translate("JournalCheck", "cannot check the %1: %2")
                       .arg(said(name), shown(e.message())));
        }
    }
    return m_problems;
}

void JournalCheck::CheckIntegrity() {
    for (SqlQuery query = m_db.integrityCheck(); !query.eof(); query.nextRow()) {
        const std::string line = query.textField(0);
        if (line != "ok")
            Report(QCoreApplication::translate("JournalCheck", "database: %1").arg(shown(line)));
    }
}

void JournalCheck::CheckSettings() {
    const int rows = ConfigRow(m_db).RowCount();
    if (rows != 1)
        Report(QCoreApplication::translate("JournalCheck",
                                           "settings: the table has %1 rows instead of one")
                   .arg(rows));
    CheckDuplicateIds(EntryTable(m_db), QT_TRANSLATE_NOOP("JournalCheck", "entry"));
    CheckDuplicateIds(FolderTable(m_db), QT_TRANSLATE_NOOP("JournalCheck", "folder"));
    CheckDuplicateIds(TopicTable(m_db), QT_TRANSLATE_NOOP("JournalCheck", "topic"));
}

void JournalCheck::CheckDuplicateIds(JournalTable&& table, const char* what) {
    for (SqlQuery query = table.DuplicateIds(); !query.eof(); query.nextRow()) {
        if (query.isNull(0) || query.textField(0).empty())
            Report(QCoreApplication::translate("JournalCheck", "%1: %2 rows without an id")
                       .arg(said(what))
                       .arg(query.intField(1)));
        else
            Report(QCoreApplication::translate("JournalCheck", "%1 %2: the id is used by %3 rows")
                       .arg(said(what), shown(query.textField(0)))
                       .arg(query.intField(1)));
    }
}

void JournalCheck::CheckEntries() {
    std::set<std::string> folders{"{Root}"};
    for (SqlQuery query = FolderTable(m_db).Ids(); !query.eof(); query.nextRow())
        folders.insert(query.textField(0));

    std::string plain;
    SqlQuery query = EntryTable(m_db).CheckedColumns();
    for (; !query.eof(); query.nextRow()) {
        const QString entry =
            QCoreApplication::translate("JournalCheck", "entry %1").arg(shown(query.textField(0)));
        if (const auto problem = EntryValueCheck::TimeStampProblem(query.fieldValue(1)))
            Report(entry + QStringLiteral(": ") + shown(*problem));
        const std::string folder = query.textField(2, "<NULL>");
        if (!folders.count(folder))
            Report(entry + QStringLiteral(": ") +
                   QCoreApplication::translate("JournalCheck",
                                               "filed in folder %1, which does not exist")
                       .arg(shown(folder)));
        if (const auto problem =
                EntryValueCheck::CipherProblem(query.fieldValue(3), m_keyed, plain))
            Report(
                entry + QStringLiteral(": ") +
                QCoreApplication::translate("JournalCheck", "the comment %1").arg(shown(*problem)));
        if (const auto problem =
                EntryValueCheck::CipherProblem(query.fieldValue(4), m_keyed, plain))
            Report(entry + QStringLiteral(": ") +
                   QCoreApplication::translate("JournalCheck", "the text %1").arg(shown(*problem)));
        else if (const auto rtf = EntryValueCheck::RtfProblem(plain))
            Report(entry + QStringLiteral(": ") +
                   QCoreApplication::translate("JournalCheck", "the text %1").arg(shown(*rtf)));
    }
}

void JournalCheck::CheckLinks() {
    // The ids are read once: a lookup per link in tables without indexes would scan the
    // whole Entry table for each of thousands of links.
    std::unordered_set<std::string> entries;
    for (SqlQuery query = EntryTable(m_db).Ids(); !query.eof(); query.nextRow())
        entries.insert(query.textField(0, "<NULL>"));
    std::unordered_set<std::string> topics;
    for (SqlQuery query = TopicTable(m_db).Ids(); !query.eof(); query.nextRow())
        topics.insert(query.textField(0, "<NULL>"));

    std::int64_t leftByDeleted = 0;
    SqlQuery query = TopicLinks(m_db).Counted();
    for (; !query.eof(); query.nextRow()) {
        // A NULL id never matches a row, so it reads as a text no row has.
        const std::string entry = query.isNull(0) ? "<NULL>" : query.textField(0);
        const std::string topic = query.isNull(1) ? "<NULL>" : query.textField(1);
        const QString link = QCoreApplication::translate("JournalCheck", "topic link %1 -> %2")
                                 .arg(shown(entry), shown(topic)) +
                             QStringLiteral(": ");
        // Links of an entry being written are kept until it is saved or given up.
        if (query.isNull(0))
            Report(link + QCoreApplication::translate("JournalCheck", "the entry does not exist"));
        else if (!entries.count(entry) && entry != "{new_entry}")
            ++leftByDeleted;
        if (query.isNull(1) || !topics.count(topic))
            Report(link + QCoreApplication::translate("JournalCheck", "the topic does not exist"));
        if (query.intField(2) > 1)
            Report(link + QCoreApplication::translate("JournalCheck", "stored %1 times")
                              .arg(query.intField(2)));
    }
    if (leftByDeleted > 0)
        m_notes.push_back(QCoreApplication::translate(
                              "JournalCheck", "topic links left by deleted entries, harmless: %1")
                              .arg(leftByDeleted)
                              .toStdString());
}

void JournalCheck::CheckFolders() {
    std::map<std::string, std::pair<std::string, std::string>> folders; // id -> parent, name
    for (SqlQuery query = FolderTable(m_db).Tree(); !query.eof(); query.nextRow())
        folders.emplace(query.textField(0),
                        std::pair(query.textField(1, "<NULL>"), query.textField(2)));
    std::set<std::string> inCycle;
    for (const auto& [id, folder] : folders) {
        const QString label = QCoreApplication::translate("JournalCheck", "folder %1 \"%2\"")
                                  .arg(shown(id), shown(folder.second)) +
                              QStringLiteral(": ");
        if (folder.first != "{Root}" && !folders.count(folder.first)) {
            Report(label +
                   QCoreApplication::translate("JournalCheck", "its parent %1 does not exist")
                       .arg(shown(folder.first)));
            continue;
        }
        // Walk up; coming back to a folder already on the path is a cycle.
        std::vector<std::string> path{id};
        std::set<std::string> seen{id};
        for (std::string at = folder.first; at != "{Root}" && folders.count(at);
             at = folders.at(at).first) {
            if (seen.count(at)) {
                if (at == id && !inCycle.count(id)) {
                    std::string members;
                    for (const std::string& member : path) {
                        inCycle.insert(member);
                        members += (members.empty() ? "" : ", ") + member;
                    }
                    Report(QCoreApplication::translate("JournalCheck",
                                                       "folders %1: their parents form a cycle")
                               .arg(shown(members)));
                }
                break;
            }
            path.push_back(at);
            seen.insert(at);
        }
    }
}
