#include "platform/InstanceHandoff.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using InstanceHandoff::ParseResult;

ParseResult parseText(const QByteArray& message, HandoffRequest* out = nullptr) {
    HandoffRequest request = HandoffRequest::open("/untouched");
    const ParseResult result = InstanceHandoff::parse(message, request);
    if (out)
        *out = request;
    return result;
}

TEST(InstanceHandoff, EveryPathSurvivesTheTripAsOnePrintableLine) {
    const std::vector<std::string> paths = {
        "/home/me/diary.qbk",
        "/home/me/My Journals/Tom & Jerry's 100% diary.qbk",
        "/home/me/line\nbreak\r.qbk",
        "/home/me/Tagebücher/Übung.qbk",             // UTF-8
        std::string("/home/me/latin1-\xE9\xFF.qbk"), // bytes that are not UTF-8
        "/home/me/%41 already escaped+plus.qbk",
        "/",
    };
    for (const std::string& path : paths) {
        const QByteArray message = InstanceHandoff::encode(HandoffRequest::open(path));
        EXPECT_EQ(message.count('\n'), 1) << path;
        EXPECT_TRUE(message.endsWith('\n')) << path;
        for (const char c : message.chopped(1))
            EXPECT_TRUE(c > ' ' - 1 && c < 127) << path; // printable ASCII only
        HandoffRequest back;
        ASSERT_EQ(parseText(message, &back), ParseResult::Complete) << path;
        EXPECT_EQ(back, HandoffRequest::open(path));
    }
    HandoffRequest back = HandoffRequest::open("/x");
    ASSERT_EQ(parseText(InstanceHandoff::encode(HandoffRequest::raise()), &back),
              ParseResult::Complete);
    EXPECT_EQ(back, HandoffRequest::raise());
}

TEST(InstanceHandoff, AMessageArrivingInPiecesIsIncompleteUntilItsLineEnds) {
    const QByteArray message = InstanceHandoff::encode(HandoffRequest::open("/j/a b.qbk"));
    for (qsizetype n = 0; n < message.size(); ++n)
        EXPECT_EQ(parseText(message.left(n)), ParseResult::Incomplete) << n;
    EXPECT_EQ(parseText(message), ParseResult::Complete);
}

TEST(InstanceHandoff, AnythingButOneWellFormedMessageIsRefusedAndLeavesTheRequestAlone) {
    const QByteArray valid = InstanceHandoff::encode(HandoffRequest::open("/j/a.qbk"));
    const std::vector<QByteArray> refused = {
        "hello\n",
        "quillbook-handoff 2 open /j/a.qbk\n", // a later version we do not speak
        "quillbook-handoff 1 print /j/a.qbk\n",
        "quillbook-handoff 1 open j/a.qbk\n", // relative: whose working folder?
        "quillbook-handoff 1 open \n",
        "quillbook-handoff 1 open\n",
        "quillbook-handoff 1 open /j/a%2\n", // cut escape
        "quillbook-handoff 1 open /j/a%zz\n",
        "quillbook-handoff 1 open /j/a%00.qbk\n", // a NUL would cut the path short
        "quillbook-handoff 1 open /j/a b.qbk\n",  // a raw space: two operands
        "quillbook-handoff 1 open /j/a\tb.qbk\n",
        "quillbook-handoff 1 raise now\n",
        "quillbook-handoff  1 raise\n",
        valid + valid,                                      // one message a connection
        valid + "x",                                        // bytes after the line
        QByteArray(InstanceHandoff::kMaxMessageBytes, 'a'), // never ends
        "quillbook-handoff 1 open /" + QByteArray(InstanceHandoff::kMaxMessageBytes, 'a') + "\n",
    };
    for (const QByteArray& message : refused) {
        HandoffRequest request;
        EXPECT_EQ(parseText(message, &request), ParseResult::Invalid) << message.left(60).data();
        EXPECT_EQ(request, HandoffRequest::open("/untouched"));
    }
}

TEST(InstanceHandoff, OneServerPerUserAndDisplay) {
    using InstanceHandoff::serverName;
    const QString run = QStringLiteral("/run/user/1000");
    const QString tmp = QStringLiteral("/tmp");
    // Screens of one X display, and the ways to write it, share a server.
    for (const char* same : {":0.0", ":0.1", "unix:0", "unix:0.0"})
        EXPECT_EQ(serverName(run, tmp, 1000, QString::fromLatin1(same)),
                  serverName(run, tmp, 1000, QStringLiteral(":0")))
            << same;
    EXPECT_EQ(serverName(run, tmp, 1000, QStringLiteral(":0")),
              QStringLiteral("/run/user/1000/quillbook-_3a0.socket"));
    EXPECT_NE(serverName(run, tmp, 1000, QStringLiteral(":1")),
              serverName(run, tmp, 1000, QStringLiteral(":0")));
    EXPECT_NE(serverName(run, tmp, 1000, QStringLiteral("otherhost:0")),
              serverName(run, tmp, 1000, QStringLiteral(":0")));
    EXPECT_EQ(serverName(run, tmp, 1000, QStringLiteral("wayland-0")),
              QStringLiteral("/run/user/1000/quillbook-wayland-0.socket"));
    EXPECT_EQ(serverName(run, tmp, 1000, QString()),
              QStringLiteral("/run/user/1000/quillbook-none.socket"));

    // Without a private runtime folder the shared temporary folder holds the user in the name.
    EXPECT_EQ(serverName(QString(), tmp, 1000, QStringLiteral(":0")),
              QStringLiteral("/tmp/quillbook-1000-_3a0.socket"));
    EXPECT_NE(serverName(QString(), tmp, 1001, QStringLiteral(":0")),
              serverName(QString(), tmp, 1000, QStringLiteral(":0")));
    EXPECT_EQ(serverName(QStringLiteral("relative/run"), tmp, 1000, QStringLiteral(":0")),
              serverName(QString(), tmp, 1000, QStringLiteral(":0")));

    // Whatever the display is called, the name stays a short file name of harmless bytes.
    const QString odd = QStringLiteral("/weird/../place/") + QString(200, QLatin1Char('x'));
    const QString name = serverName(run, tmp, 1000, odd);
    EXPECT_TRUE(name.startsWith(run + QStringLiteral("/quillbook-")));
    EXPECT_EQ(name.count(QLatin1Char('/')), run.count(QLatin1Char('/')) + 1);
    EXPECT_LT(name.size(), 100);
    EXPECT_NE(name, serverName(run, tmp, 1000, odd + QLatin1Char('y')));
}

TEST(InstanceHandoff, OnlyTheUsersOwnSocketIsTalkedTo) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quillbook.socket"));
    EXPECT_TRUE(InstanceHandoff::socketIsOurs(path, getuid())); // nothing there yet
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(InstanceHandoff::socketIsOurs(path, getuid()));
    EXPECT_FALSE(InstanceHandoff::socketIsOurs(path, getuid() + 1));
}

} // namespace
