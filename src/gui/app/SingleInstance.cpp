#include "gui/app/SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>
#include <QTimer>
#include <QVariant>

#include <unistd.h>

namespace {

constexpr int kConnectMilliseconds = 1000;
constexpr int kLockMilliseconds = 5000;
constexpr int kRetryMilliseconds = 250;

} // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), m_name(std::move(serverName)), m_retry(new QTimer(this)) {
    m_retry->setInterval(kRetryMilliseconds);
    connect(m_retry, &QTimer::timeout, this, &SingleInstance::offerPending);
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Outcome SingleInstance::start(const HandoffRequest& request) {
    if (!InstanceHandoff::socketIsOurs(m_name, getuid()))
        return Outcome::Alone;
    // Two programs started together must not both decide the socket is stale and both serve;
    // QLockFile also knows a lock whose holder died.
    QLockFile lock(m_name + QStringLiteral(".lock"));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(kLockMilliseconds))
        return Outcome::Alone;
    if (deliver(request))
        return Outcome::Delivered;
    return listen() ? Outcome::Serving : Outcome::Alone;
}

void SingleInstance::setHandler(Handler handler) {
    m_handler = std::move(handler);
    offerPending();
}

bool SingleInstance::deliver(const HandoffRequest& request) {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(kConnectMilliseconds))
        return false;
    socket.write(InstanceHandoff::encode(request));
    if (!socket.waitForBytesWritten(kConnectMilliseconds))
        return false;
    QByteArray reply;
    while (reply.size() < qsizetype(sizeof InstanceHandoff::kAcknowledge) - 1 &&
           socket.waitForReadyRead(kReplyMilliseconds))
        reply += socket.readAll();
    return reply == InstanceHandoff::kAcknowledge;
}

bool SingleInstance::listen() {
    // Nobody answered, so a socket file still there was left by a program that ended
    // without removing it.
    QLocalServer::removeServer(m_name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::accept);
    if (m_server->listen(m_name))
        return true;
    delete m_server;
    m_server = nullptr;
    return false;
}

void SingleInstance::accept() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
        // A client that connects and says nothing is dropped after a while.
        QTimer::singleShot(kReplyMilliseconds, socket, [socket] { socket->abort(); });
        read(socket);
    }
}

void SingleInstance::read(QLocalSocket* socket) {
    QByteArray received = socket->property("received").toByteArray() + socket->readAll();
    HandoffRequest request;
    switch (InstanceHandoff::parse(received, request)) {
    case InstanceHandoff::ParseResult::Incomplete:
        socket->setProperty("received", received);
        return;
    case InstanceHandoff::ParseResult::Invalid:
        socket->abort();
        return;
    case InstanceHandoff::ParseResult::Complete:
        break;
    }
    // Acknowledged at once: the second program ends now, whatever the first then asks.
    socket->write(InstanceHandoff::kAcknowledge);
    socket->flush();
    socket->disconnectFromServer();
    // A request being offered (its dialog still up) stays first: only those behind it merge.
    const std::size_t offered = m_offering && !m_pending.empty() ? 1 : 0;
    InstanceHandoff::queue(m_pending, std::move(request), offered);
    if (offered == 0)
        m_frontOffered = false;
    offerPending();
}

void SingleInstance::offerPending() {
    // The handler may run a dialog with its own event loop, in which further requests arrive
    // and the retry timer fires; those wait until the handler returns.
    if (m_offering)
        return;
    m_offering = true;
    while (!m_pending.empty() && m_handler) {
        const bool first = !m_frontOffered;
        m_frontOffered = true;
        if (!m_handler(m_pending.front(), first))
            break;
        m_pending.pop_front();
        m_frontOffered = false;
    }
    m_offering = false;
    if (m_pending.empty())
        m_retry->stop();
    else if (!m_retry->isActive())
        m_retry->start();
}
