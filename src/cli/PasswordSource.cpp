#include "cli/PasswordSource.h"

#include "core/platform/TextEncoding.h"

#include <QString>

#include <cstdio>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

std::string storedPassword(const std::string& utf8) {
    return textToStored(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

// Owns a file descriptor.
class FileHandle {
public:
    explicit FileHandle(int fd) : m_fd(fd) {}
    ~FileHandle() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

void writeAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0)
            return;
        done += static_cast<size_t>(n);
    }
}

} // namespace

std::optional<std::string> readHiddenLine(const std::string& prompt) {
    FileHandle tty(::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (tty.fd() < 0)
        return std::nullopt;
    termios saved{};
    const bool canHide = ::tcgetattr(tty.fd(), &saved) == 0;
    if (canHide) {
        termios hidden = saved;
        hidden.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        hidden.c_lflag |= ECHONL;
        ::tcsetattr(tty.fd(), TCSAFLUSH, &hidden);
    }
    writeAll(tty.fd(), prompt);
    std::string line;
    bool ended = false;
    for (;;) {
        char ch = 0;
        const ssize_t n = ::read(tty.fd(), &ch, 1);
        if (n <= 0) {
            ended = true;
            break;
        }
        if (ch == '\n')
            break;
        line += ch;
    }
    if (canHide)
        ::tcsetattr(tty.fd(), TCSAFLUSH, &saved);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (ended && line.empty())
        return std::nullopt;
    return line;
}

PasswordSource PasswordSource::fromLine(const std::string& utf8Line) {
    PasswordSource source;
    source.m_line = storedPassword(utf8Line);
    return source;
}

PasswordSource PasswordSource::fromTerminal(std::string prompt) {
    PasswordSource source;
    source.m_prompt = std::move(prompt);
    source.m_triesLeft = kTerminalTries;
    return source;
}

std::optional<std::string> PasswordSource::next() {
    if (m_line) {
        if (m_lineUsed)
            return std::nullopt;
        m_lineUsed = true;
        return m_line;
    }
    if (m_triesLeft <= 0)
        return std::nullopt;
    --m_triesLeft;
    const std::optional<std::string> typed = readHiddenLine(m_prompt);
    if (!typed) {
        m_terminalMissing = true;
        m_triesLeft = 0;
        return std::nullopt;
    }
    return storedPassword(*typed);
}
