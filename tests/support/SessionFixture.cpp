#include "support/SessionFixture.h"

#include <QFile>

SessionFixture::SessionFixture() {
    doc.AttachPanes(&panes, &panes, &panes, &panes);
}

std::string SessionFixture::pathFor(const std::string& name) const {
    // Bytes appended to bytes: a name that is not valid UTF-8 stays as it is.
    return name.starts_with('/') ? name : QFile::encodeName(dir.path()).toStdString() + '/' + name;
}

std::string SessionFixture::createJournal(const std::string& name, const std::string& password) {
    const std::string path = pathFor(name);
    ui.acceptDialog<NewJournalValues>([&](NewJournalValues& v) {
        v.m_path = path;
        v.m_fileName = name;
        v.m_bPasswordProtected = !password.empty();
        v.m_password = v.m_confirmPassword = password;
        v.m_bPromptForComment = false; // saveNewEntry expects no comment prompt
    });
    ui.answerMessage("Journal Created", MessageAnswer::Ok);
    doc.CreateJournal();
    return path;
}

CQBKDoc::OpenResult SessionFixture::open(const std::string& path, const std::string& password) {
    if (!password.empty())
        ui.acceptDialog<PasswordValues>([password](PasswordValues& v) { v.m_password = password; });
    return doc.OpenJournal(path);
}

std::string SessionFixture::saveNewEntry(const std::string& rtf) {
    std::string id = "{new_entry}";
    doc.SaveEntry(rtf, id);
    return id;
}
