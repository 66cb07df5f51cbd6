// A damaged journal: found as it opens or by a read since, it stays open for reading only.
#include "core/session/CQBKDoc.h"
#include "core/session/JournalUi.h"
#include "core/store/DamageMessages.h"

namespace {

constexpr int kReadOnly = 8; // SQLite's SQLITE_READONLY
constexpr int kCorrupt = 11; // SQLITE_CORRUPT

} // namespace

bool CQBKDoc::IsDamage(const CppSQLite3Exception& e) {
    return (e.code() & 0xFF) == kCorrupt;
}

bool CQBKDoc::CheckSound(const std::string& path, bool readOnly) {
    // Reading every page of a large journal takes long, so the check has a connection of its
    // own that the work may use on another thread. It opens as the session's will: a
    // read-write one rolls back what a crash left half written, as the session's would.
    std::string answer;
    std::optional<CppSQLite3Exception> failure;
    const bool finished =
        m_ui.runLongWork(DamageMessages::CheckingTitle(), DamageMessages::CheckingLabel(),
                         [&](const std::atomic<bool>& cancel) {
                             try {
                                 SqlDatabase db;
                                 db.open(path, readOnly);
                                 db.stopWhen(&cancel);
                                 // One problem is enough to know: the check stops there.
                                 SqlQuery check = db.query("PRAGMA quick_check(1)");
                                 answer = check.eof() ? std::string() : check.textField(0);
                             } catch (const CppSQLite3Exception& e) {
                                 failure = e;
                             }
                         });
    if (!finished)
        return false;
    if (failure)
        throw *failure;
    if (answer != "ok")
        throw CppSQLite3Exception(kCorrupt, answer.c_str());
    return true;
}

void CQBKDoc::OpenPastDamage(const std::string& path) {
    m_db.open(path, true);
    // Without it, a file cut short does not open at all; with it, the pages past the end read
    // as damaged ones. It lets this connection write the schema, which a read-only one cannot.
    m_db.execute("PRAGMA writable_schema=ON");
}

CQBKDoc::OpenResult CQBKDoc::OpenDamaged(const std::string& path) {
    try {
        return OpenSteps(path, false, true);
    } catch (const CppSQLite3Exception& e) {
        m_db.close();
        return OpenResultFromCode(e.code());
    }
}

bool CQBKDoc::ShowDamage(const CppSQLite3Exception& e) {
    if (!IsJournalOpen())
        return false;
    if (m_damaged && ((e.code() & 0xFF) == kReadOnly || IsDamage(e))) {
        m_ui.showError(DamageMessages::Refused());
        return true;
    }
    if (!IsDamage(e))
        return false;
    // Writing on would risk what can still be read: the commands that write are disabled now,
    // and the connection refuses any write that comes some other way.
    m_damaged = true;
    m_readOnly = true;
    DropSearchReader(); // the next one reads only
    try {
        m_db.execute("PRAGMA query_only=ON");
    } catch (const CppSQLite3Exception&) {
    }
    m_ui.showError(DamageMessages::FoundDamaged());
    return true;
}

std::string CQBKDoc::ReadOnlyIndicator() const {
    return IsReadOnly() ? DamageMessages::ReadOnlyIndicator(m_damaged) : std::string();
}
