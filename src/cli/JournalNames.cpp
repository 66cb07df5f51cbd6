#include "cli/JournalNames.h"
#include "cli/CliText.h"

#include "cli/CliFailure.h"
#include "cli/JournalSession.h"

#include "core/platform/TextEncoding.h"
#include "core/store/EntryTable.h"
#include "core/store/FolderTable.h"
#include "core/store/TopicTable.h"

#include <vector>

namespace {

std::vector<std::string> column(SqlQuery query) {
    std::vector<std::string> values;
    for (; !query.eof(); query.nextRow())
        values.push_back(query.textField(0));
    query.finalize();
    return values;
}

// The id of the one row of table whose id or name is the text.
// none and several are the messages when no row or more than one has the name (%1, quoted).
std::string idNamed(JournalSession& session, const QString& nameOrId, JournalTable&& table,
                    const char* none, const char* several) {
    const std::string stored = textToStored(nameOrId);
    std::vector<std::string> ids = column(table.IdsEqualTo(stored));
    if (ids.empty())
        ids = column(table.IdsNamed(stored));
    // Appended, not "\"" + text: GCC 12 at -O3 warns falsely (-Wrestrict) on that form.
    std::string quoted(1, '"');
    quoted += nameOrId.toUtf8().toStdString();
    quoted += '"';
    if (ids.empty())
        throw choiceError(session.label(), cliText(none, {quoted}));
    if (ids.size() > 1)
        throw choiceError(session.label(), cliText(several, {quoted}));
    return ids.front();
}

QString bareId(const QString& id) {
    QString bare = id.toUpper();
    if (bare.startsWith(u'{'))
        bare.remove(0, 1);
    if (bare.endsWith(u'}'))
        bare.chop(1);
    return bare;
}

} // namespace

std::string folderIdNamed(JournalSession& session, const QString& nameOrId) {
    return idNamed(
        session, nameOrId, FolderTable(session.reader().Db()),
        QT_TRANSLATE_NOOP("qbk", "no folder named %1"),
        QT_TRANSLATE_NOOP("qbk", "more than one folder is named %1; give its id instead"));
}

std::string topicIdNamed(JournalSession& session, const QString& nameOrId) {
    return idNamed(
        session, nameOrId, TopicTable(session.reader().Db()),
        QT_TRANSLATE_NOOP("qbk", "no topic named %1"),
        QT_TRANSLATE_NOOP("qbk", "more than one topic is named %1; give its id instead"));
}

std::string entryIdGiven(JournalSession& session, const QString& idOrPrefix) {
    const QString wanted = bareId(idOrPrefix);
    std::vector<std::string> matches;
    if (!wanted.isEmpty()) {
        for (const std::string& id : column(EntryTable(session.reader().Db()).Ids())) {
            const QString candidate = bareId(storedToText(id));
            if (candidate == wanted)
                return id;
            if (candidate.startsWith(wanted))
                matches.push_back(id);
        }
    }
    const std::string given = idOrPrefix.toUtf8().toStdString();
    if (matches.empty())
        throw choiceError(session.label(),
                          cliText(QT_TRANSLATE_NOOP("qbk", "no entry with id %1"), {given}));
    if (matches.size() > 1)
        throw choiceError(
            session.label(),
            cliText(QT_TRANSLATE_NOOP("qbk", "more than one entry's id starts with %1"), {given}));
    return matches.front();
}
