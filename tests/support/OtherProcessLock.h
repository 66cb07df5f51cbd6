#pragma once

#include <QProcess>
#include <string>

// Another program holding a journal: the sqlite3 shell in a process of its own, inside an
// exclusive transaction, until release() or the end of the object.
class OtherProcessLock {
public:
    explicit OtherProcessLock(const std::string& path);
    ~OtherProcessLock();
    OtherProcessLock(const OtherProcessLock&) = delete;
    OtherProcessLock& operator=(const OtherProcessLock&) = delete;

    // Whether the lock is held (the shell started and began its transaction).
    bool held() const { return m_held; }
    void release();

private:
    QProcess m_shell;
    bool m_held = false;
};
