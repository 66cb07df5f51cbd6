#pragma once

#include "core/export/OutputRule.h"

#include <QIODevice>
#include <QString>
#include <memory>

// A file written under a temporary name in its target's folder and given the target's name
// only once it is complete and on disk (flushed and synced): a failure leaves no partial target,
// and a file it replaces stays whole until the rename. The rule is asked before anything is
// made and again just before the rename. Unless committed, the temporary file is removed.
class SafeFile {
public:
    SafeFile(const QString& target, const OutputRule& rule);
    ~SafeFile();
    SafeFile(const SafeFile&) = delete;
    SafeFile& operator=(const SafeFile&) = delete;

    // Makes the temporary file; false with error() set when the rule refuses or it fails.
    bool open();
    // Where the bytes go; callers that write by path (SQLite) use temporaryPath().
    QIODevice& device() { return *m_device; }
    QString temporaryPath() const { return m_temporary; }
    QString target() const { return m_target; }

    // Flushes, syncs and closes the temporary file; the target is not touched yet.
    bool finish();
    // finish(), then gives the file the target's name.
    bool commit();
    // Removes the temporary file (or nothing, once committed).
    void discard();
    // Gives the file up after a failure told elsewhere (a page layout, a converter): finishing
    // it first finds the file's own cause when none is known yet.
    void abandon();

    // Whether commit() made a file where there was none (and did not replace one).
    bool created() const { return m_created; }
    // Why the last step failed: the rule's refusal, or the system's cause in words.
    QString error() const { return m_error; }
    bool refused() const { return m_refused; }
    // The refusal, or "cannot write TARGET: cause".
    QString message() const;

private:
    bool fail(int error);
    bool fail(const QString& error);
    bool refuse(const QString& refusal);

    QString m_target;
    const OutputRule& m_rule;
    QString m_temporary;
    int m_descriptor = -1;
    std::unique_ptr<QIODevice> m_device; // on the descriptor, telling each failure's cause
    QString m_error;
    bool m_finished = false;
    bool m_committed = false;
    bool m_created = false;
    bool m_refused = false;
};
