#pragma once

#include "core/export/JournalBackup.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <string>

// Automatic backups when a journal is opened: a copy in the chosen folder named after the
// journal and the moment ("Diary 2026-12-06 143005.qbk"), keeping the newest copies of that
// journal and removing older ones. Off until the user turns it on.
struct AutoBackupSettings {
    static constexpr int kDefaultKeep = 5;
    bool enabled = false;
    QString folder;
    int keep = kDefaultKeep;
};

struct AutoBackupResult {
    bool made = false;   // a copy was made
    QString message;     // why not, when it was wanted and failed; empty otherwise
    QString copy;        // the copy made
    QStringList removed; // older copies removed
};

class AutoBackup {
public:
    // The copy's name for a journal at a moment.
    static QString CopyName(const QString& journalPath, const QDateTime& when);
    // The copies of this journal in the folder, oldest first.
    static QStringList ExistingCopies(const QString& folder, const QString& journalPath);

    // Makes the copy and removes the oldest beyond settings.keep. Never throws; a failure is
    // only told in the result, so opening goes on. A cancelled copy is no failure: no message.
    // journalFile is the path's own bytes: a folder name that is not UTF-8 does not survive a
    // trip through QString.
    static AutoBackupResult Run(const AutoBackupSettings& settings, const std::string& journalFile,
                                const QDateTime& when = QDateTime::currentDateTime(),
                                const BackupProgress& progress = {});
};
