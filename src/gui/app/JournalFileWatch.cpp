#include "gui/app/JournalFileWatch.h"

#include "core/session/CQBKDoc.h"

#include <QFile>
#include <QFileInfo>

JournalFileWatch::JournalFileWatch(CQBKDoc& doc, QObject* parent)
    : QObject(parent), m_doc(doc), m_watcher(this), m_settle(this) {
    m_settle.setSingleShot(true);
    m_settle.setInterval(100);
    connect(&m_settle, &QTimer::timeout, this, &JournalFileWatch::check);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_settle, qOverload<>(&QTimer::start));
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle,
            qOverload<>(&QTimer::start));
}

void JournalFileWatch::follow() {
    QStringList paths;
    if (m_doc.IsJournalOpen()) {
        const QString file = QFile::decodeName(m_doc.Path().c_str());
        paths = {QFileInfo(file).absoluteFilePath(), QFileInfo(file).absolutePath()};
    }
    QStringList watched = m_watcher.files() + m_watcher.directories();
    if (watched == paths)
        return;
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
    for (const QString& path : paths)
        if (QFileInfo::exists(path))
            m_watcher.addPath(path);
}

void JournalFileWatch::check() {
    if (m_checking)
        return;
    m_checking = true;
    m_doc.CheckJournalFile();
    m_checking = false;
    follow(); // a deleted file is no longer watched; a journal saved elsewhere is
}
