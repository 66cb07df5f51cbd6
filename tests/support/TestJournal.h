#pragma once

#include "core/protect/BlowfishEngine.h"
#include "core/session/JournalReader.h"
#include "core/store/SqlDatabase.h"

#include <QTemporaryDir>
#include <string>

struct NewJournalValues;

// A fresh journal file in a temporary folder, made by the program's own create steps, with
// helpers that add rows through plain SQL for tests that need a given file content.
class TestJournal {
public:
    static constexpr const char* kContentKey = "{11111111-2222-3333-4444-555555555555}";

    explicit TestJournal(const std::string& password = "");
    TestJournal(const NewJournalValues& values, const std::string& contentKey);

    const std::string& path() const { return m_path; }
    SqlDatabase& db() { return m_db; }
    JournalReader reader() { return JournalReader(m_db, m_keyed); } // keyed with the content key

    void addFolder(const std::string& id, const std::string& parentId, const std::string& name);
    void addTopic(const std::string& id, const std::string& name);
    void link(const std::string& entryId, const std::string& topicId);
    void addEntry(const std::string& id, const std::string& timeStamp, const std::string& folderId,
                  const std::string& comment, bool userComment, const std::string& text = "");

private:
    QTemporaryDir m_dir;
    std::string m_path;
    SqlDatabase m_db;
    BlowfishEngine m_keyed;
};
