// The journal search: finds entries by text, date range and topics, and marks the hits in
// the file (Entry.SearchTarget) for the search dialog to list.
#include "browser/EntryRows.h"
#include "dialogs/JournalUi.h"
#include "platform/TextEncoding.h"
#include "store/CHiddenRichEdit.h"
#include "store/CQBKDoc.h"
#include "store/CppSQLite3Exception.h"
#include "store/SqlBuffer.h"
#include "store/SqlQuery.h"
#include "store/TimeStamp.h"

void CQBKDoc::Search(const SearchCriteria& criteria) {
    try {
        m_db.execute("UPDATE Entry SET SearchTarget = 0");
        CHiddenRichEdit hidden;
        const QString findWhat = storedToText(criteria.findText);
        const std::string topicIds = QuotedIdList(criteria.topicIds, ",");
        const int topicCount = static_cast<int>(criteria.topicIds.size());
        std::vector<std::string> hits;

        SqlQuery entries = m_db.query("SELECT * FROM Entry;");
        for (; !entries.eof(); entries.nextRow()) {
            const std::string id = entries.textField("EntryID");
            bool match = false;
            if (criteria.lookInText &&
                hidden.FindInText(CHiddenRichEdit::SF_RTF, criteria.matchCase, criteria.wholeWord,
                                  DecipherColumn(entries.fieldValue("EntryText")), findWhat) >= 0)
                match = true;
            if (criteria.lookInComments &&
                hidden.FindInText(CHiddenRichEdit::SF_TEXT, criteria.matchCase,
                                  criteria.wholeWord,
                                  DecipherColumn(entries.fieldValue("Comment")), findWhat) >= 0)
                match = true;
            if (match && criteria.dateRange == 1) {
                const COleDateTime when = ::ParseTimeStamp(entries.fieldValue("TimeStamp"));
                if (!when.IsValid() || when < criteria.startDate || when > criteria.endDate)
                    match = false;
            }
            if (match && topicCount > 0) {
                SqlBuffer sql;
                SqlQuery links = m_db.query(sql.format(
                    "SELECT * FROM Entry2Topic WHERE EntryID = '%q' and TopicID in (%s)",
                    id.c_str(), topicIds.c_str()));
                int n = 0;
                for (; !links.eof(); links.nextRow())
                    ++n;
                links.finalize();
                if ((criteria.topicMatch == 1 && n != topicCount) ||
                    (criteria.topicMatch != 1 && n == 0))
                    match = false;
            }
            if (match)
                hits.push_back(id);
        }
        entries.finalize();

        SqlBuffer sql;
        m_db.execute(sql.format("UPDATE Entry SET SearchTarget = '%d' WHERE EntryID IN (%s)", 1,
                                QuotedIdList(hits, ",").c_str()));
    } catch (const CppSQLite3Exception& e) {
        ShowDatabaseError(e);
    }
}
