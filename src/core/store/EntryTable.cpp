#include "core/store/EntryTable.h"

#include "core/store/QuotedIdList.h"
#include "core/store/SqlBuffer.h"
#include "core/store/SqlDatabase.h"
#include "core/store/TopicLinks.h"

#include <cstdlib>

SqlQuery EntryTable::Rows(const std::string& where) {
    SqlBuffer sql;
    return m_db.query(sql.format("select * from Entry WHERE %s ORDER BY rowid", where.c_str()));
}

SqlQuery EntryTable::SaveState(const std::string& where) {
    SqlBuffer sql;
    return m_db.query(sql.format("SELECT UserComment, EntryText FROM Entry WHERE %s ORDER BY rowid",
                                 where.c_str()));
}

SqlQuery EntryTable::TimeStampOf(const std::string& where) {
    SqlBuffer sql;
    return m_db.query(
        sql.format("SELECT TimeStamp FROM Entry WHERE %s ORDER BY rowid", where.c_str()));
}

SqlQuery EntryTable::RowWithId(const std::string& entryId) {
    SqlBuffer sql;
    return m_db.query(sql.format("SELECT * FROM Entry WHERE EntryID = '%q';", entryId.c_str()));
}

bool EntryTable::Exists(const std::string& entryId) {
    SqlBuffer sql;
    return m_db.hasRow(
        sql.format("SELECT 1 FROM Entry WHERE EntryID = '%q' LIMIT 1", entryId.c_str()));
}

SqlQuery EntryTable::AtRowid(long long rowid) {
    SqlBuffer sql;
    return m_db.query(sql.format("SELECT * FROM Entry WHERE rowid = %lld;", rowid));
}

bool EntryTable::AnyInFolder(const std::string& folderId) {
    SqlBuffer sql;
    return m_db.hasRow(
        sql.format("SELECT EntryID FROM Entry WHERE FolderID = '%q'", folderId.c_str()));
}

void EntryTable::Insert(const std::string& entryId, const std::string& timeStamp,
                        const std::string& folderId, const std::string& comment, int userComment,
                        const std::string& text) {
    SqlBuffer sql;
    m_db.execute(sql.format("INSERT INTO Entry (EntryID, TimeStamp, FolderID, Comment, "
                            "UserComment, EntryText) VALUES('%q', '%q', '%q', %Q, '%d', %Q)",
                            entryId.c_str(), timeStamp.c_str(), folderId.c_str(), comment.c_str(),
                            userComment, text.c_str()));
}

int EntryTable::SetText(const std::string& where, const std::string& text) {
    SqlBuffer sql;
    return m_db.execute(
        sql.format("UPDATE Entry SET EntryText=%Q WHERE %s", text.c_str(), where.c_str()));
}

int EntryTable::SetTextAndComment(const std::string& where, const std::string& text,
                                  const std::string& comment) {
    SqlBuffer sql;
    return m_db.execute(
        sql.format("UPDATE Entry SET EntryText=%Q, Comment=%Q, UserComment=%d WHERE %s",
                   text.c_str(), comment.c_str(), 0, where.c_str()));
}

int EntryTable::SetComment(const std::string& where, const std::string& comment, bool userComment) {
    SqlBuffer sql;
    return m_db.execute(sql.format("UPDATE Entry SET Comment=%Q, UserComment='%d' WHERE %s",
                                   comment.c_str(), userComment ? 1 : 0, where.c_str()));
}

int EntryTable::SetTimeStamp(const std::string& where, const std::string& timeStamp) {
    SqlBuffer sql;
    return m_db.execute(
        sql.format("UPDATE Entry SET TimeStamp='%q' WHERE %s", timeStamp.c_str(), where.c_str()));
}

int EntryTable::MoveTo(const std::string& where, const std::string& folderId) {
    SqlBuffer sql;
    return m_db.execute(
        sql.format("UPDATE Entry SET FolderID = '%q' WHERE %s", folderId.c_str(), where.c_str()));
}

int EntryTable::Delete(const std::string& where) {
    SqlBuffer sql;
    return m_db.execute(sql.format("DELETE FROM Entry WHERE %s", where.c_str()));
}

SqlQuery EntryTable::ListingRows(const std::string& condition) {
    SqlBuffer sql;
    return m_db.query(
        sql.format("SELECT FolderID, TimeStamp, EntryID, Comment, UserComment FROM Entry WHERE %s;",
                   condition.c_str()));
}

SqlQuery EntryTable::MarkedWithSettings() {
    SqlBuffer sql;
    return m_db.query(sql.format(
        "SELECT * FROM Entry LEFT OUTER JOIN Config ON 1=1 WHERE SearchTarget = '%d'", 1));
}

SqlQuery EntryTable::WithSettings(const std::vector<std::string>& entryIds) {
    return m_db.query("SELECT * FROM Entry LEFT OUTER JOIN Config ON 1=1 WHERE EntryID IN (" +
                      QuotedIdList(entryIds, ",") + ")");
}

std::vector<long long> EntryTable::RowidsByTime(const std::string& condition) {
    SqlBuffer sql;
    sql.format("SELECT rowid FROM Entry WHERE %s ORDER BY [TimeStamp], rowid;", condition.c_str());
    std::vector<long long> rows;
    SqlQuery query = m_db.query(sql.c_str());
    for (; !query.eof(); query.nextRow())
        rows.push_back(std::strtoll(query.textField(0).c_str(), nullptr, 10));
    query.finalize();
    return rows;
}

std::map<std::string, long long>
EntryTable::FirstRowidsOf(const std::vector<std::string>& entryIds) {
    std::map<std::string, long long> rows;
    if (entryIds.empty())
        return rows;
    SqlQuery query = m_db.query("SELECT EntryID, min(rowid) FROM Entry WHERE EntryID IN (" +
                                QuotedIdList(entryIds, ",") + ") GROUP BY EntryID;");
    for (; !query.eof(); query.nextRow())
        rows[query.textField(0)] = std::strtoll(query.textField(1).c_str(), nullptr, 10);
    query.finalize();
    return rows;
}

SqlQuery EntryTable::CheckedColumns() {
    return m_db.query("SELECT EntryID, TimeStamp, FolderID, Comment, EntryText FROM Entry;");
}

std::string EntryTable::ListingCondition(const std::string* folderId,
                                         const std::vector<std::string>* entryIds,
                                         const std::pair<std::string, std::string>* stamps) {
    SqlBuffer sql;
    std::string where = folderId ? sql.format("FolderID = '%q'", folderId->c_str()) : "";
    if (!where.empty() && entryIds)
        where += " and ";
    if (entryIds)
        where += "EntryID in (" + QuotedIdList(*entryIds) + ")";
    if (!where.empty() && stamps)
        where += " and ";
    if (stamps)
        where += sql.format("[TimeStamp] BETWEEN '%q' AND '%q'", stamps->first.c_str(),
                            stamps->second.c_str());
    return where.empty() ? std::string("EntryID <> ''") : where;
}

std::string EntryTable::ChoiceCondition(const std::string* entryId, const std::string* folderId,
                                        const std::pair<std::string, std::string>* stamps,
                                        const std::vector<std::string>& distinctTopicIds) {
    SqlBuffer sql;
    std::string condition = "1=1";
    if (entryId)
        condition = sql.format("EntryID = '%q'", entryId->c_str());
    else if (folderId)
        condition = sql.format("FolderID = '%q'", folderId->c_str());
    if (stamps && !entryId)
        condition += sql.format(" AND [TimeStamp] BETWEEN '%q' AND '%q'", stamps->first.c_str(),
                                stamps->second.c_str());
    if (!distinctTopicIds.empty())
        condition += " AND " +
                     TopicLinks::EntriesWithAllCondition(QuotedIdList(distinctTopicIds),
                                                         static_cast<int>(distinctTopicIds.size()));
    return condition;
}

SqlQuery EntryTable::CountsByFolder() {
    return m_db.query("SELECT FolderID, count(*) FROM Entry GROUP BY FolderID;");
}
