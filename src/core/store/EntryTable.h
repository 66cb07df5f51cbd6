#pragma once

#include "core/store/JournalTable.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

// The statements on the Entry table. A `where` is a condition choosing one entry's rows (see
// EntryRowIds::Where); writes return the rows they changed.
class EntryTable : public JournalTable {
public:
    explicit EntryTable(SqlDatabase& db) : JournalTable(db, "Entry") {}

    // One entry's rows, first the first a scan would meet.
    SqlQuery Rows(const std::string& where);
    // What a save needs to know of the stored row: UserComment and EntryText.
    SqlQuery SaveState(const std::string& where);
    SqlQuery TimeStampOf(const std::string& where);
    // By the id compared as the column holds it, without the row table.
    SqlQuery RowWithId(const std::string& entryId);
    bool Exists(const std::string& entryId);
    SqlQuery AtRowid(long long rowid);
    bool AnyInFolder(const std::string& folderId);

    void Insert(const std::string& entryId, const std::string& timeStamp,
                const std::string& folderId, const std::string& comment, int userComment,
                const std::string& text);
    int SetText(const std::string& where, const std::string& text);
    // The text with a derived comment (UserComment cleared).
    int SetTextAndComment(const std::string& where, const std::string& text,
                          const std::string& comment);
    int SetComment(const std::string& where, const std::string& comment, bool userComment);
    int SetTimeStamp(const std::string& where, const std::string& timeStamp);
    int MoveTo(const std::string& where, const std::string& folderId);
    int Delete(const std::string& where);

    // The columns of a listing row (never the text) of the rows the condition chooses.
    SqlQuery ListingRows(const std::string& condition);
    // Rows with the settings row joined, for ShowFirstLine: those the search marked, or those
    // with the given ids.
    SqlQuery MarkedWithSettings();
    SqlQuery WithSettings(const std::vector<std::string>& entryIds);
    // The rowid of each row the condition chooses, oldest first.
    std::vector<long long> RowidsByTime(const std::string& condition);
    // The first row of each of the entries that is there, by id.
    std::map<std::string, long long> FirstRowidsOf(const std::vector<std::string>& entryIds);
    // (FolderID, number of entries) of every folder id that entries name.
    SqlQuery CountsByFolder();
    // Id, time stamp, folder, comment and text of every row, for checking them.
    SqlQuery CheckedColumns();

    // The conditions the methods above take, every value quoted. A listing's: the rows filed
    // in the folder (nullptr: every folder) among the ids given (nullptr: every row), stamped
    // between the two stamps, both inclusive (nullptr: at any time).
    static std::string
    ListingCondition(const std::string* folderId, const std::vector<std::string>* entryIds,
                     const std::pair<std::string, std::string>* stamps = nullptr);
    // A print's: the entry with the id, whatever its date; or the rows filed in the folder
    // (nullptr: every folder) stamped between the two stamps (nullptr: at any time). Either
    // way only rows linked to every one of the distinct topics given.
    static std::string ChoiceCondition(const std::string* entryId, const std::string* folderId,
                                       const std::pair<std::string, std::string>* stamps,
                                       const std::vector<std::string>& distinctTopicIds);
};
