#include "core/export/EntryReader.h"

#include "core/platform/DateDisplay.h"
#include "core/platform/TextEncoding.h"
#include "core/richtext/PlainText.h"
#include "core/richtext/RtfReader.h"
#include "core/session/JournalReader.h"
#include "core/store/CppSQLite3Exception.h"
#include "core/store/EntryTable.h"
#include "core/store/StoredText.h"
#include "core/store/TimeStamp.h"

EntryReader::EntryReader(const JournalReader& journal, std::vector<long long> rows, Reads reads)
    : m_db(journal.Db()), m_keyed(journal.Keyed()), m_rows(std::move(rows)), m_reads(reads) {
    if (!m_rows.empty() && m_reads == Reads::Everything)
        m_names = ListingNames::Read(m_db, m_problems.topics);
    m_displayFormat = DisplayFormat(m_db);
}

bool EntryReader::next(ExportedEntry& entry) {
    while (m_next < m_rows.size()) {
        const long long row = m_rows[m_next++];
        entry.id.clear();
        entry.timeStamp.clear();
        try {
            if (read(row, entry))
                return true;
        } catch (const CppSQLite3Exception& e) {
            // A value of this entry is damaged; the entries around it are not.
            m_problems.skipped.push_back(
                {entry.id, entry.timeStamp, UnreadableReason(e, "its text or comment")});
        }
    }
    return false;
}

bool EntryReader::read(long long row, ExportedEntry& entry) {
    SqlQuery query = EntryTable(m_db).AtRowid(row);
    if (query.eof())
        return false;
    entry.id = query.textField("EntryID");
    entry.timeStamp = query.textField("TimeStamp");
    entry.when = DateDisplay::shown(ParseTimeStamp(entry.timeStamp.c_str()), m_displayFormat);
    entry.comment.clear();
    if (query.boolField("UserComment", false))
        entry.comment = storedToText(DecipherFromStorage(query.fieldValue("Comment"), m_keyed));
    if (m_reads == Reads::StoredText) {
        entry.storedText = DecipherFromStorage(query.fieldValue("EntryText"), m_keyed);
        return true;
    }
    const std::string folderId = query.textField("FolderID");
    entry.folder = folderId == "{Root}" ? QString() : storedToText(m_names.FolderName(folderId));
    entry.topics = storedToText(m_names.TopicsText(entry.id));
    const std::string text = DecipherFromStorage(query.fieldValue("EntryText"), m_keyed);
    // What the editor shows: RTF as RTF, anything else as plain text.
    entry.text = richtext::RtfReader::isRtf(text) ? richtext::RtfReader::read(text)
                                                  : richtext::documentFromPlainText(text);
    return true;
}
