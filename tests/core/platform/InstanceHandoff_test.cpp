#include "core/platform/InstanceHandoff.h"

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

TEST(InstanceHandoff, EveryPathSurvivesTheTripAsOnePrintableLineIncompleteUntilItEnds) {
    const std::vector<std::string> paths = {
        "/home/me/diary.qbk",
        "/home/me/My Journals/Tom & Jerry's 100% diary.qbk",
        "/home/me/line\nbreak\r.qbk",
        "/home/me/Tagebücher/Übung.qbk",             // UTF-8
        std::string("/home/me/latin1-\xE9\xFF.qbk"), // bytes that are not UTF-8
        "/home/me/%41 already escaped+plus.qbk",
        "/",
    };
    std::vector<HandoffRequest> requests{HandoffRequest::raise()};
    for (const std::string& path : paths)
        requests.push_back(HandoffRequest::open(path));
    for (const HandoffRequest& request : requests) {
        const QByteArray message = InstanceHandoff::encode(request);
        EXPECT_EQ(message.count('\n'), 1) << message.data();
        EXPECT_TRUE(message.endsWith('\n')) << message.data();
        for (const char c : message.chopped(1))
            EXPECT_TRUE(c > ' ' - 1 && c < 127) << message.data(); // printable ASCII only
        HandoffRequest back;
        ASSERT_EQ(parseText(message, &back), ParseResult::Complete) << message.data();
        EXPECT_EQ(back, request);
        for (qsizetype n = 0; n < message.size(); ++n) // arriving in pieces
            EXPECT_EQ(parseText(message.left(n)), ParseResult::Incomplete)
                << message.left(n).data();
    }
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
    using namespace Qt::StringLiterals;
    const QString run = u"/run/user/1000"_s;
    const auto name = [](const QString& runtime, unsigned user, const QString& display) {
        return InstanceHandoff::serverName(runtime, u"/tmp"_s, user, display);
    };
    const auto at = [&](const QString& display) { return name(run, 1000, display); };
    // Screens of one X display, and the ways to write it, share a server.
    for (const QString& same : {u":0.0"_s, u":0.1"_s, u"unix:0"_s, u"unix:0.0"_s})
        EXPECT_EQ(at(same), at(u":0"_s)) << same.toStdString();
    EXPECT_EQ(at(u":0"_s), u"/run/user/1000/quillbook-_3a0.socket"_s);
    EXPECT_NE(at(u":1"_s), at(u":0"_s));
    EXPECT_NE(at(u"otherhost:0"_s), at(u":0"_s));
    EXPECT_EQ(at(u"wayland-0"_s), u"/run/user/1000/quillbook-wayland-0.socket"_s);
    EXPECT_EQ(at(QString()), u"/run/user/1000/quillbook-none.socket"_s);

    // Without a private runtime folder the shared temporary folder holds the user in the name.
    EXPECT_EQ(name(QString(), 1000, u":0"_s), u"/tmp/quillbook-1000-_3a0.socket"_s);
    EXPECT_NE(name(QString(), 1001, u":0"_s), name(QString(), 1000, u":0"_s));
    EXPECT_EQ(name(u"relative/run"_s, 1000, u":0"_s), name(QString(), 1000, u":0"_s));

    // Whatever the display is called, the name stays a short file name of harmless bytes.
    const QString odd = u"/weird/../place/"_s + QString(200, u'x');
    const QString socket = at(odd);
    EXPECT_TRUE(socket.startsWith(run + u"/quillbook-"_s));
    EXPECT_EQ(socket.count(u'/'), run.count(u'/') + 1);
    EXPECT_LT(socket.size(), 100);
    EXPECT_NE(socket, at(odd + u'y'));
}

TEST(InstanceHandoff, OnlyTheUsersOwnSocketIsTalkedTo) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quillbook.socket"));
    EXPECT_TRUE(InstanceHandoff::socketIsOurs(path, getuid())); // nothing there yet
    ASSERT_TRUE(QFile(path).open(QIODevice::WriteOnly));
    EXPECT_TRUE(InstanceHandoff::socketIsOurs(path, getuid()));
    EXPECT_FALSE(InstanceHandoff::socketIsOurs(path, getuid() + 1));
}

TEST(InstanceHandoff, TheJournalAskedForLastReplacesWhatWaits) {
    const HandoffRequest raise = HandoffRequest::raise();
    const HandoffRequest a = HandoffRequest::open("/a.qbk");
    const HandoffRequest b = HandoffRequest::open("/b.qbk");
    const HandoffRequest c = HandoffRequest::open("/c.qbk");
    struct Case {
        std::deque<HandoffRequest> waiting;
        HandoffRequest arriving;
        std::size_t kept; // at the front, untouched (one being offered)
        std::deque<HandoffRequest> expected;
    };
    const Case cases[] = {{{}, raise, 0, {raise}},
                          {{}, a, 0, {a}},
                          {{raise}, raise, 0, {raise}},
                          {{a}, raise, 0, {a}},
                          {{raise}, a, 0, {a}},
                          {{a}, b, 0, {b}},
                          {{a, raise}, b, 0, {b}},
                          {{a}, a, 0, {a}},
                          {{a}, raise, 1, {a, raise}},
                          {{a, b}, c, 1, {a, c}},
                          {{a, raise}, raise, 1, {a, raise}},
                          {{}, b, 1, {b}}};
    for (const Case& k : cases) {
        std::deque<HandoffRequest> pending = k.waiting;
        InstanceHandoff::queue(pending, k.arriving, k.kept);
        EXPECT_EQ(pending, k.expected)
            << k.waiting.size() << " waiting, " << k.kept << " kept, " << k.arriving.path;
    }
}

} // namespace
