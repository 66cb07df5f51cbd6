// The password command of the journal session: set, change or remove the password. Only the
// settings row changes; entries stay enciphered with the journal's content key.
#include "core/protect/PasswordDigest.h"
#include "core/protect/Secrets.h"
#include "core/session/CQBKDoc.h"
#include "core/session/JournalUi.h"
#include "core/store/ConfigRow.h"
#include "core/store/CppSQLite3Exception.h"
#include "core/store/JournalMessages.h"
#include "core/store/SqlQuery.h"
#include "core/store/StoredText.h"

void CQBKDoc::ChangePassword() {
    try {
        SqlQuery config = ConfigRow(m_db).Read();
        ChangePasswordValues values;
        const SecretsWiper wipeTyped{&values.m_oldPassword, &values.m_newPassword,
                                     &values.m_confirmPassword};
        values.m_hasPassword = !config.eof() && config.boolField("HasPassword", false);
        const std::string storedDigest =
            config.eof() ? std::string() : config.textField("Password");

        while (true) {
            if (!m_ui.runChangePasswordDialog(values))
                return;
            if (!values.m_hasPassword ||
                storedDigest == PasswordDigest(values.m_oldPassword).HexDigest())
                break;
            m_ui.showMessage(JournalMessages::Text(JournalMessages::kWrongOldPassword));
            WipeSecret(values.m_oldPassword);
            WipeSecret(values.m_newPassword);
            WipeSecret(values.m_confirmPassword);
        }

        std::string outcome = JournalMessages::Text(JournalMessages::kPasswordNotChanged);
        if (values.m_newPassword != values.m_oldPassword) {
            if (!values.m_newPassword.empty())
                KeepSecretsOutOfCoreDumps();
            const std::string instanceId = EncipherForStorage(m_contentKey, values.m_newPassword);
            config.finalize();
            if (!values.m_newPassword.empty()) {
                ConfigRow(m_db).SetPassword(PasswordDigest(values.m_newPassword).HexDigest(),
                                            instanceId);
                outcome = JournalMessages::Text(JournalMessages::kPasswordChanged);
            } else {
                ConfigRow(m_db).RemovePassword(instanceId);
                outcome = JournalMessages::Text(JournalMessages::kPasswordRemoved);
            }
            m_hasPassword = !values.m_newPassword.empty();
        }
        m_ui.showMessage(outcome);
    } catch (const CppSQLite3Exception& e) {
        ShowDatabaseError(e);
    }
}
