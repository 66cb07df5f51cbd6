#include "core/platform/InstanceHandoff.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kMagic[] = "quillbook-handoff";
constexpr char kVersion[] = "1";
constexpr char kOpen[] = "open";
constexpr char kRaise[] = "raise";
// Socket paths must fit sun_path (108 bytes); a display name longer than this is hashed.
constexpr qsizetype kMaxDisplayKey = 32;

bool isPlainByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/' ||
           c == '.' || c == '_' || c == '~' || c == '-';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Strict decoding: only plain bytes and %XX escapes; nothing lenient that a second reading
// could take differently.
bool percentDecode(const QByteArray& text, std::string& out) {
    out.clear();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '%') {
            if (i + 2 >= text.size())
                return false;
            const int high = hexValue(text[i + 1]);
            const int low = hexValue(text[i + 2]);
            if (high < 0 || low < 0)
                return false;
            out.push_back(static_cast<char>(high * 16 + low));
            i += 2;
        } else if (isPlainByte(c)) {
            out.push_back(c);
        } else {
            return false;
        }
    }
    return true;
}

// ":0.0", ":0", "unix:0" and "unix:0.1" all name display 0 of this machine.
QString displayKey(const QString& display) {
    if (display.isEmpty())
        return QStringLiteral("none");
    QString key = display;
    if (!key.contains(QLatin1Char('/'))) { // a Wayland socket may be given as a path
        if (key.startsWith(QStringLiteral("unix:")))
            key = key.mid(4);
        const qsizetype colon = key.lastIndexOf(QLatin1Char(':'));
        const qsizetype dot = key.lastIndexOf(QLatin1Char('.'));
        if (colon >= 0 && dot > colon)
            key.truncate(dot);
    }
    QString safe;
    for (const QChar c : key) {
        const char16_t u = c.unicode();
        const bool plain = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') ||
                           (u >= u'0' && u <= u'9') || u == u'-' || u == u'_' || u == u'.';
        safe += plain ? QString(c) : QStringLiteral("_%1").arg(u, 2, 16, QLatin1Char('0'));
    }
    if (safe.size() > kMaxDisplayKey)
        safe = QString::fromLatin1(
            QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
    return safe;
}

} // namespace

namespace InstanceHandoff {

QString serverName(const QString& runtimeDir, const QString& tempDir, unsigned uid,
                   const QString& display) {
    const QString key = displayKey(display);
    if (!runtimeDir.isEmpty() && QDir::isAbsolutePath(runtimeDir))
        return QDir(runtimeDir).filePath(QStringLiteral("quillbook-%1.socket").arg(key));
    return QDir(tempDir).filePath(QStringLiteral("quillbook-%1-%2.socket").arg(uid).arg(key));
}

QString serverNameForThisSession() {
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("DISPLAY");
    return serverName(qEnvironmentVariable("XDG_RUNTIME_DIR"), QDir::tempPath(), getuid(), display);
}

QByteArray encode(const HandoffRequest& request) {
    QByteArray message = QByteArray(kMagic) + ' ' + kVersion + ' ';
    if (request.kind == HandoffRequest::Kind::Raise)
        return message + kRaise + '\n';
    message += kOpen;
    message += ' ';
    for (const char c : request.path) {
        if (isPlainByte(c)) {
            message += c;
        } else {
            message += '%';
            message += QByteArray::number(static_cast<unsigned char>(c), 16)
                           .toUpper()
                           .rightJustified(2, '0');
        }
    }
    return message + '\n';
}

ParseResult parse(const QByteArray& received, HandoffRequest& request) {
    const qsizetype end = received.indexOf('\n');
    if (end < 0)
        return received.size() >= kMaxMessageBytes ? ParseResult::Invalid : ParseResult::Incomplete;
    if (end + 1 != received.size() || end >= kMaxMessageBytes)
        return ParseResult::Invalid;
    const QList<QByteArray> words = received.left(end).split(' ');
    if (words.size() < 3 || words[0] != kMagic || words[1] != kVersion)
        return ParseResult::Invalid;
    if (words[2] == kRaise && words.size() == 3) {
        request = HandoffRequest::raise();
        return ParseResult::Complete;
    }
    if (words[2] != kOpen || words.size() != 4)
        return ParseResult::Invalid;
    std::string path;
    if (!percentDecode(words[3], path) || path.empty() || path.front() != '/' ||
        path.find('\0') != std::string::npos)
        return ParseResult::Invalid;
    request = HandoffRequest::open(std::move(path));
    return ParseResult::Complete;
}

bool socketIsOurs(const QString& path, unsigned uid) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return true;
    return info.st_uid == uid;
}

void queue(std::deque<HandoffRequest>& pending, HandoffRequest request, std::size_t kept) {
    const auto behind =
        pending.begin() + static_cast<std::ptrdiff_t>(std::min(kept, pending.size()));
    if (request.kind == HandoffRequest::Kind::Open)
        pending.erase(behind, pending.end());
    else if (behind != pending.end())
        return;
    pending.push_back(std::move(request));
}

} // namespace InstanceHandoff
