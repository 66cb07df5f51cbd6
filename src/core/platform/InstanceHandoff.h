#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <deque>
#include <string>

// What a second start of the program tells the program already running for the same user and
// display: bring your window to the front, or open this journal. The two talk over a local
// socket; these are the rules both sides share, so they are tested without a display.
struct HandoffRequest {
    enum class Kind { Raise, Open };
    Kind kind = Kind::Raise;
    std::string path; // Open: absolute path, file-system bytes

    static HandoffRequest raise() { return {}; }
    static HandoffRequest open(std::string absolutePath) {
        return {Kind::Open, std::move(absolutePath)};
    }
    bool operator==(const HandoffRequest&) const = default;
};

namespace InstanceHandoff {

// The answer the running program writes once it has taken a request.
inline constexpr char kAcknowledge[] = "ok\n";
// A message longer than this is refused: no path is that long, and a stray client must not
// make the program buffer without end.
inline constexpr qsizetype kMaxMessageBytes = 16384;

// The socket's path for this user and display. runtimeDir is the user's private runtime
// folder ($XDG_RUNTIME_DIR), tempDir the fallback when there is none (then the user id is in
// the name, as the folder is shared); display is $WAYLAND_DISPLAY or else $DISPLAY, empty
// for a program without one. Screens of one X display (":0.0", ":0.1", "unix:0") are the
// same display.
QString serverName(const QString& runtimeDir, const QString& tempDir, unsigned uid,
                   const QString& display);
// The same from this process's environment.
QString serverNameForThisSession();

// One message: a single line that names the protocol and its version, the request, and for
// Open the path with every byte outside [A-Za-z0-9/._~-] percent-encoded.
QByteArray encode(const HandoffRequest& request);

enum class ParseResult { Incomplete, Complete, Invalid };
// Reads the bytes received so far. Incomplete until the line ends; Invalid for anything that
// is not exactly one well-formed message (unknown words, a relative or empty path, a NUL,
// bad percent escapes, bytes after the line, a line too long).
ParseResult parse(const QByteArray& received, HandoffRequest& request);

// Whether a socket file found at the path may be talked to: it must be the user's own, so
// that a socket another user placed in a shared folder neither receives our paths nor takes
// our place. A path that does not exist is fine (nobody is serving).
bool socketIsOurs(const QString& path, unsigned uid);

// Adds a request that arrived while earlier ones still wait (a dialog is up). The journal
// asked for last is the one the user wants: it replaces whatever waits, so that closing the
// dialog opens one journal with at most one question, not each in turn. "Come to the front"
// adds nothing to a request already waiting. The first kept requests (one being offered
// while its dialog is up) stay as they are; the rule applies to those behind them.
void queue(std::deque<HandoffRequest>& pending, HandoffRequest request, std::size_t kept = 0);

} // namespace InstanceHandoff
