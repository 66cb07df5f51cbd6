#include "gui/app/JournalFileWatch.h"

#include "core/session/CQBKDoc.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QFileInfo>

namespace {
// A name typed in place in a pane (a folder or topic renamed), which a reload would end.
bool namingInPlace() {
    const QWidget* focus = QApplication::focusWidget();
    const QWidget* viewport =
        focus && focus->inherits("QLineEdit") ? focus->parentWidget() : nullptr;
    return viewport && qobject_cast<const QAbstractItemView*>(viewport->parentWidget());
}
} // namespace

JournalFileWatch::JournalFileWatch(CQBKDoc& doc, QObject* parent)
    : QObject(parent), m_doc(doc), m_watcher(this), m_poll(this), m_settle(this) {
    m_poll.setInterval(kPollMs);
    connect(&m_poll, &QTimer::timeout, this, &JournalFileWatch::refresh);
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
        if (!m_poll.isActive())
            m_poll.start();
    } else {
        m_poll.stop();
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
    refresh();
}

void JournalFileWatch::refresh() {
    if (!m_doc.IsJournalOpen()) {
        m_poll.stop();
        return;
    }
    // Not under a dialog, menu or name the user is in: the next tick looks again.
    if (m_checking || QApplication::activeModalWidget() || QApplication::activePopupWidget() ||
        namingInPlace())
        return;
    m_checking = true;
    m_doc.RefreshIfChangedElsewhere();
    m_checking = false;
}
