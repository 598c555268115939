#pragma once

#include <QAbstractSocket>
#include <QObject>

#include <memory>

class QSocketNotifier;

namespace xmpp {

// Tells when a socket's attempt to connect has failed although the socket still says it
// connects. A connection that the server takes and resets before the socket has looked
// at it leaves the socket connecting, and the socket then tries the same address again at
// once, over and over, without a word: a restarting server gets a new connection every
// few milliseconds. Watches the socket's own connection (a second descriptor of it, so
// as not to take the socket's notifications) until the socket is connected or gives up.
class ConnectAttempt : public QObject
{
    Q_OBJECT

public:
    explicit ConnectAttempt(QAbstractSocket *socket);
    ~ConnectAttempt() override;

signals:
    // The attempt has failed: the socket is to be aborted.
    void failed();

private:
    void onStateChanged(QAbstractSocket::SocketState state);
    void watch();
    void check();
    void stop();

    QAbstractSocket *m_socket;
    int m_descriptor = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace xmpp
