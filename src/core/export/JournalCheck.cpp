#include "core/export/JournalCheck.h"

#include "core/export/EntryValueCheck.h"
#include "core/platform/Guid.h"
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

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

} // namespace

JournalCheck::JournalCheck(SqlDatabase& db) : m_db(db) {
    SqlQuery config = ConfigRow(m_db).Read();
    if (config.eof())
        throw CppSQLite3Exception(1, "the settings table has no row: not a journal");
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
        {"integrity", &JournalCheck::CheckIntegrity}, {"settings", &JournalCheck::CheckSettings},
        {"entries", &JournalCheck::CheckEntries},     {"topic links", &JournalCheck::CheckLinks},
        {"folders", &JournalCheck::CheckFolders},
    };
    for (const auto& [name, part] : parts) {
        try {
            (this->*part)();
        } catch (const CppSQLite3Exception& e) {
            Report(std::string("cannot check the ") + name + ": " + e.message());
        }
    }
    return m_problems;
}

void JournalCheck::CheckIntegrity() {
    for (SqlQuery query = m_db.integrityCheck(); !query.eof(); query.nextRow()) {
        const std::string line = query.textField(0);
        if (line != "ok")
            Report("database: " + line);
    }
}

void JournalCheck::CheckSettings() {
    const int rows = ConfigRow(m_db).RowCount();
    if (rows != 1)
        Report("settings: the table has " + std::to_string(rows) + " rows instead of one");
    CheckDuplicateIds(EntryTable(m_db), "entry");
    CheckDuplicateIds(FolderTable(m_db), "folder");
    CheckDuplicateIds(TopicTable(m_db), "topic");
}

void JournalCheck::CheckDuplicateIds(JournalTable&& table, const char* what) {
    for (SqlQuery query = table.DuplicateIds(); !query.eof(); query.nextRow()) {
        if (query.isNull(0) || query.textField(0).empty())
            Report(std::string(what) + ": " + std::to_string(query.intField(1)) +
                   " rows without an id");
        else
            Report(std::string(what) + " " + query.textField(0) + ": the id is used by " +
                   std::to_string(query.intField(1)) + " rows");
    }
}

void JournalCheck::CheckEntries() {
    std::set<std::string> folders{"{Root}"};
    for (SqlQuery query = FolderTable(m_db).Ids(); !query.eof(); query.nextRow())
        folders.insert(query.textField(0));

    std::string plain;
    SqlQuery query = EntryTable(m_db).CheckedColumns();
    for (; !query.eof(); query.nextRow()) {
        const std::string entry = "entry " + query.textField(0);
        if (const auto problem = EntryValueCheck::TimeStampProblem(query.fieldValue(1)))
            Report(entry + ": " + *problem);
        const std::string folder = query.textField(2, "<NULL>");
        if (!folders.count(folder))
            Report(entry + ": filed in folder " + folder + ", which does not exist");
        if (const auto problem =
                EntryValueCheck::CipherProblem(query.fieldValue(3), m_keyed, plain))
            Report(entry + ": the comment " + *problem);
        if (const auto problem =
                EntryValueCheck::CipherProblem(query.fieldValue(4), m_keyed, plain))
            Report(entry + ": the text " + *problem);
        else if (const auto rtf = EntryValueCheck::RtfProblem(plain))
            Report(entry + ": the text " + *rtf);
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
        const std::string link = "topic link " + entry + " -> " + topic;
        // Links of an entry being written are kept until it is saved or given up.
        if (query.isNull(0))
            Report(link + ": the entry does not exist");
        else if (!entries.count(entry) && entry != "{new_entry}")
            ++leftByDeleted;
        if (query.isNull(1) || !topics.count(topic))
            Report(link + ": the topic does not exist");
        if (query.intField(2) > 1)
            Report(link + ": stored " + std::to_string(query.intField(2)) + " times");
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
        const std::string label = "folder " + id + " " + quoted(folder.second);
        if (folder.first != "{Root}" && !folders.count(folder.first)) {
            Report(label + ": its parent " + folder.first + " does not exist");
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
                    Report("folders " + members + ": their parents form a cycle");
                }
                break;
            }
            path.push_back(at);
            seen.insert(at);
        }
    }
}
