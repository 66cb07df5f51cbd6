#include "core/export/SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include <QCoreApplication>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString causeOf(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Gives the temporary file the target's name; without replacing, a file that appeared at the
// target since the rule was asked is kept, where the file system can tell.
int renameInto(const QByteArray& from, const QByteArray& to, bool replace) {
    if (replace)
        return ::rename(from.constData(), to.constData());
    const int result =
        ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE);
    if (result != 0 && errno == EINVAL)
        return ::rename(from.constData(), to.constData());
    return result;
}

// The rename is only durable once the folder holding both names is synced too.
void syncFolder(const QString& path) {
    const int folder = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return;
    ::fsync(folder);
    ::close(folder);
}

// Writes through the descriptor in large pieces, with the cause of the first failure in words:
// QFile reports a write cut short by a full disk as a short count with no cause at all.
class DescriptorDevice : public QIODevice {
public:
    // The descriptor is the file's own: once it is closed (-1), a late write by a page layout
    // still holding the device fails instead of landing in whatever file reuses the number.
    explicit DescriptorDevice(const int& descriptor) : m_descriptor(descriptor) {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    bool flush() {
        const char* data = m_buffer.constData();
        qint64 left = m_buffer.size();
        while (left > 0 && m_cause.isEmpty()) {
            const ssize_t written = ::write(m_descriptor, data, size_t(left));
            if (written < 0 && errno != EINTR)
                m_cause = causeOf(errno);
            data += std::max<ssize_t>(written, 0);
            left -= std::max<ssize_t>(written, 0);
        }
        m_buffer.clear();
        if (!m_cause.isEmpty())
            setErrorString(m_cause);
        return m_cause.isEmpty();
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }

    qint64 writeData(const char* data, qint64 size) override {
        m_buffer.append(data, size);
        if (m_buffer.size() >= kPiece && !flush())
            return -1;
        return size;
    }

private:
    static constexpr qsizetype kPiece = 1 << 16;
    const int& m_descriptor;
    QByteArray m_buffer;
    QString m_cause;
};

} // namespace

SafeFile::SafeFile(const QString& target, const OutputRule& rule)
    : m_target(target), m_rule(rule) {}

SafeFile::~SafeFile() {
    discard();
}

bool SafeFile::open() {
    const QString refusal = m_rule.refusal(m_target);
    if (!refusal.isEmpty())
        return refuse(refusal);
    const QFileInfo target(m_target);
    while (m_descriptor < 0) {
        m_temporary = target.absolutePath() + QStringLiteral("/.") + target.fileName() + u'.' +
                      QString::number(QRandomGenerator::global()->generate(), 36);
        // 0666 lets the umask decide, as for any new file; a replaced file's mode is kept below.
        m_descriptor = ::open(QFile::encodeName(m_temporary).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_descriptor < 0 && errno != EEXIST) {
            m_temporary.clear();
            return fail(errno);
        }
    }
    struct stat old {};
    if (::stat(QFile::encodeName(m_target).constData(), &old) == 0)
        ::fchmod(m_descriptor, old.st_mode & 07777);
    m_device = std::make_unique<DescriptorDevice>(m_descriptor);
    return true;
}

bool SafeFile::finish() {
    if (m_finished)
        return true;
    if (!m_device)
        return fail(QCoreApplication::translate("SafeFile", "the file is not open"));
    if (!static_cast<DescriptorDevice&>(*m_device).flush())
        return fail(m_device->errorString());
    if (::fsync(m_descriptor) != 0)
        return fail(errno);
    const int descriptor = std::exchange(m_descriptor, -1);
    if (::close(descriptor) != 0)
        return fail(errno);
    m_finished = true;
    return true;
}

bool SafeFile::commit() {
    if (!finish())
        return false;
    const QString refusal = m_rule.refusal(m_target);
    if (!refusal.isEmpty())
        return refuse(refusal);
    struct stat old {};
    const bool existed = ::lstat(QFile::encodeName(m_target).constData(), &old) == 0;
    if (renameInto(QFile::encodeName(m_temporary), QFile::encodeName(m_target),
                   m_rule.replaces()) != 0) {
        // Made by someone else between the rule's answer and the rename: the rule's words.
        return errno == EEXIST ? refuse(m_rule.refusal(m_target)) : fail(errno);
    }
    m_committed = true;
    m_created = !existed;
    syncFolder(m_target);
    return true;
}

void SafeFile::discard() {
    if (m_descriptor >= 0)
        ::close(std::exchange(m_descriptor, -1));
    if (!m_committed && !m_temporary.isEmpty())
        QFile::remove(m_temporary);
    m_temporary.clear();
}

void SafeFile::abandon() {
    if (m_error.isEmpty())
        finish();
    discard();
}

bool SafeFile::fail(int error) {
    return fail(causeOf(error));
}

bool SafeFile::fail(const QString& error) {
    m_error = error;
    discard();
    return false;
}

bool SafeFile::refuse(const QString& refusal) {
    m_refused = true;
    return fail(refusal);
}

QString SafeFile::message() const {
    if (m_refused)
        return m_error;
    return m_error.isEmpty()
               ? QCoreApplication::translate("SafeFile", "cannot write %1").arg(m_target)
               : QCoreApplication::translate("SafeFile", "cannot write %1: %2")
                     .arg(m_target, m_error);
}
