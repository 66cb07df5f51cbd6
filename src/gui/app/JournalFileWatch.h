#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

class CQBKDoc;

// Watches the open journal's file and its folder, so that a file deleted, moved, renamed or
// replaced by another program is told at once (the session says what happened and offers to
// save the journal elsewhere) rather than at the next failed save. What another program
// commits (qbk add, a second Quillbook) shows in the panes within a second or two: the file's
// change notice, and because a commit may touch only the journal's rollback or WAL file, one
// PRAGMA data_version a second while a journal is open (none while none is).
class JournalFileWatch : public QObject {
    Q_OBJECT

public:
    static constexpr int kPollMs = 1000;

    JournalFileWatch(CQBKDoc& doc, QObject* parent);

    // Watches the file the session has open now; run whenever that may have changed.
    void follow();

private:
    void check();
    void refresh();

    CQBKDoc& m_doc;
    QFileSystemWatcher m_watcher;
    QTimer m_poll;
    // A save touches the folder several times (SQLite's rollback file): one look for them all.
    QTimer m_settle;
    bool m_checking = false; // the question is open; more changes wait for its answer
};
