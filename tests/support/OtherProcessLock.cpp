#include "OtherProcessLock.h"

#include <QStringList>

OtherProcessLock::OtherProcessLock(const std::string& path) {
    m_shell.start(QStringLiteral("sqlite3"), {QString::fromStdString(path)});
    if (!m_shell.waitForStarted())
        return;
    m_shell.write("BEGIN EXCLUSIVE;\nSELECT 'held';\n");
    // The shell answers only once the lock is taken.
    while (!m_held && m_shell.waitForReadyRead(10000))
        m_held = m_shell.readAllStandardOutput().contains("held");
}

OtherProcessLock::~OtherProcessLock() {
    release();
}

void OtherProcessLock::release() {
    if (m_shell.state() == QProcess::NotRunning)
        return;
    m_shell.write("ROLLBACK;\n.quit\n");
    m_shell.closeWriteChannel();
    if (!m_shell.waitForFinished(10000))
        m_shell.kill();
    m_held = false;
}
