#include "support/RandomJournal.h"

#include "core/platform/TextEncoding.h"
#include "core/store/SqlBuffer.h"
#include "core/store/SqlDatabase.h"
#include "core/store/StoredText.h"
#include "support/Hex.h"

#include <iterator>

namespace {

// Case variants, a word inside others, letters outside ASCII (stored bytes, Windows-1252).
const char* const kWords[] = {"journal",  "Journal", "JOURNAL", "journalism", "river",
                              "Rivers",   "night",   "at",      "caf\xe9",    "CAF\xc9",
                              "na\xefve", "x",       "It's",    "rain",       "day"};

std::string quoted(const std::string& text) {
    SqlBuffer sql;
    return sql.format("%Q", text.c_str());
}

} // namespace

std::string RandomJournal::word() {
    return kWords[below(static_cast<std::uint32_t>(std::size(kWords)))];
}

std::string RandomJournal::rtf() {
    if (chance(12))
        return "";
    if (chance(12))
        return "plain text " + word(); // not RTF: read as plain text
    std::string text = "{\\rtf1\\ansi ";
    for (int w = 0, words = 1 + static_cast<int>(below(12)); w < words; ++w) {
        std::string one = word();
        std::string escaped; // bytes above 127 as RTF escapes
        for (const char c : one)
            escaped +=
                static_cast<unsigned char>(c) < 128 ? std::string(1, c) : "\\'" + hexOf({&c, 1});
        if (chance(5) && one.size() > 2) // a word split by formatting
            escaped = "{\\b " + escaped.substr(0, 2) + "}" + escaped.substr(2);
        text += escaped + (chance(6) ? "\\par " : " ");
    }
    return text + "}";
}

std::string RandomJournal::timeStamp() {
    const std::uint32_t pick = below(12);
    if (pick < 2)
        return pick == 0 ? "not a date" : "";
    SqlBuffer sql;
    return sql.format("2004-07-%02d %02d:%02d", 3 + below(5), below(24), below(60));
}

std::string RandomJournal::idValue(const std::string& id) {
    // A blob of the same bytes never equals the quoted text.
    const std::uint32_t pick = below(40);
    return pick == 0 ? "NULL" : pick == 1 ? "''" : pick == 2 ? "X'" + hexOf(id) + "'" : quoted(id);
}

void RandomJournal::fill(SqlDatabase& db, const std::string& contentKey) {
    SqlBuffer sql;
    db.execute("BEGIN"); // one sync for the whole journal
    for (int i = 0, folders = 3 + static_cast<int>(below(6)); i < folders; ++i) {
        const std::string name = chance(8) ? "NULL" : quoted(chance(6) ? "" : "Folder's " + word());
        db.execute(sql.format("INSERT INTO Folder (FolderID, ParentID, Name) VALUES(%s, '{Root}', "
                              "%s)",
                              idValue(folderId()).c_str(), name.c_str()));
    }
    for (int i = 0, topics = 3 + static_cast<int>(below(8)); i < topics; ++i) {
        const std::string name = chance(8) ? "NULL" : quoted(chance(6) ? "" : "Topic " + word());
        db.execute(sql.format("INSERT INTO Topic (TopicID, Name) VALUES(%s, %s)",
                              idValue(topicId()).c_str(), name.c_str()));
    }
    for (int i = 0, entries = 5 + static_cast<int>(below(20)); i < entries; ++i) {
        const std::string text = rtf();
        const std::string comment = chance(3) ? word() + " " + word() : text.substr(0, 20);
        std::string storedText = EncipherForStorage(text, contentKey);
        std::string storedComment = EncipherForStorage(comment, contentKey);
        if (chance(25))
            storedText = undecodable();
        if (chance(25))
            storedComment = undecodable();
        const char* const marks[] = {"NULL", "0", "1", "'1'", "2.5", "'x'", "0.0"};
        const std::string folder = chance(4) ? std::string("'{Root}'") : idValue(folderId());
        db.execute(sql.format(
            "INSERT INTO Entry (EntryID, TimeStamp, FolderID, SearchTarget, Comment, "
            "UserComment, EntryText) VALUES(%s, %Q, %s, %s, %s, %d, %s)",
            idValue(entryId()).c_str(), timeStamp().c_str(), folder.c_str(),
            marks[below(static_cast<std::uint32_t>(std::size(marks)))],
            chance(15) ? "NULL" : quoted(storedComment).c_str(), static_cast<int>(below(2)),
            chance(15) ? "NULL" : quoted(storedText).c_str()));
    }
    for (int i = 0, links = static_cast<int>(below(40)); i < links; ++i)
        db.execute(sql.format("INSERT INTO Entry2Topic (EntryID, TopicID) VALUES(%s, %s)",
                              idValue(entryId()).c_str(), idValue(topicId()).c_str()));
    db.execute("COMMIT");
}

SearchCriteria RandomJournal::criteria() {
    SearchCriteria c;
    const char* const finds[] = {"journal", "JOURNAL", "our", "river", "caf\xe9", "t's",
                                 "at nig",  "",        "x",   "night", "rain day"};
    c.findText = finds[below(static_cast<std::uint32_t>(std::size(finds)))];
    c.matchCase = chance(3);
    c.wholeWord = chance(3);
    c.lookInText = !chance(4);
    c.lookInComments = !chance(4);
    if (chance(3)) {
        c.dateRange = 1;
        const int first = 3 + static_cast<int>(below(5));
        c.startDate = COleDateTime(2004, 7, first, 0, 0, 0);
        c.endDate = COleDateTime(2004, 7, first + static_cast<int>(below(3)), 23, 59, 59);
    }
    for (int i = 0, topics = chance(2) ? 0 : 1 + static_cast<int>(below(3)); i < topics; ++i)
        c.topicIds.push_back(topicId());
    c.topicMatch = static_cast<int>(below(2));
    return c;
}
