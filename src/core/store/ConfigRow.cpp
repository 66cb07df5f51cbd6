#include "core/store/ConfigRow.h"

#include "core/store/OptionsValues.h"
#include "core/store/SqlBuffer.h"
#include "core/store/SqlDatabase.h"

SqlQuery ConfigRow::Read() {
    return m_db.query("select * from Config;");
}

bool ConfigRow::Exists() {
    return m_db.hasRow("SELECT SchemaRevision FROM Config;");
}

int ConfigRow::RowCount() {
    SqlQuery count = m_db.query("SELECT count(*) FROM Config;");
    return count.intField(0, 0);
}

void ConfigRow::SetOptions(const OptionsValues& values) {
    SqlBuffer sql;
    m_db.execute(sql.format(
        "UPDATE Config SET Title='%q', Owner='%q', ShowFirstLine=%d, PromptForComment=%d, "
        "ConfirmEntryMove=%d, ConfirmFolderMove=%d, DateFormat='%q', TimeFormat='%q', "
        "DefaultFontName='%q', DefaultFontSize=%d",
        values.m_title.c_str(), values.m_owner.c_str(), values.m_bShowFirstLine ? 1 : 0,
        values.m_bPromptForComment ? 1 : 0, values.m_bConfirmEntryMove ? 1 : 0,
        values.m_bConfirmFolderMove ? 1 : 0, values.m_dateFormat.c_str(),
        values.m_timeFormat.c_str(), values.m_fontName.c_str(), values.m_fontSize));
}

void ConfigRow::SetPromptForComment(bool prompt) {
    SqlBuffer sql;
    m_db.execute(sql.format("UPDATE Config SET PromptForComment=%d", prompt ? 1 : 0));
}

void ConfigRow::SetPassword(const char* digest, const std::string& storedKey) {
    SqlBuffer sql;
    m_db.execute(sql.format("UPDATE Config SET HasPassword=%d, Password='%q', InstanceID=%Q", 1,
                            digest, storedKey.c_str()));
}

void ConfigRow::RemovePassword(const std::string& storedKey) {
    SqlBuffer sql;
    m_db.execute(sql.format("UPDATE Config SET HasPassword=0, Password='', InstanceID=%Q",
                            storedKey.c_str()));
}
