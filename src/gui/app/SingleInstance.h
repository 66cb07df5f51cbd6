#pragma once

#include "core/platform/InstanceHandoff.h"

#include <QObject>
#include <QString>

#include <deque>
#include <functional>

class QLocalServer;
class QLocalSocket;
class QTimer;

// One program per user and display. The first program listens on a local socket; a later
// start hands its request (open a journal, or just come to the front) to it and ends. The
// rules of the exchange are InstanceHandoff's; this class only moves the bytes.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    enum class Outcome {
        Delivered, // the running program took the request: this one ends
        Serving,   // this is the first program: it listens for later ones
        Alone,     // neither (a socket we must not use, a program that does not answer)
    };
    // Takes a request, true when it was dealt with; false means "not now" (start-up is not
    // finished, or a dialog waits for the user) and the request is offered again later.
    // firstOffer is true only the first time a request is offered, so that the window is
    // brought forward once, not at every retry.
    using Handler = std::function<bool(const HandoffRequest& request, bool firstOffer)>;

    explicit SingleInstance(QString serverName, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Hands the request to the program serving this name, or becomes that program. A socket
    // left behind by a program that crashed is removed.
    Outcome start(const HandoffRequest& request);
    void setHandler(Handler handler);

    const QString& serverName() const { return m_name; }
    static constexpr int kReplyMilliseconds = 5000;

private:
    bool deliver(const HandoffRequest& request);
    bool listen();
    void accept();
    void read(QLocalSocket* socket);
    void offerPending();

    QString m_name;
    QLocalServer* m_server = nullptr;
    QTimer* m_retry = nullptr;
    Handler m_handler;
    std::deque<HandoffRequest> m_pending;
    bool m_frontOffered = false; // the front request was offered before
    bool m_offering = false;     // inside the handler
};
