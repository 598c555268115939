#include "chat/xmpp/ConnectAttempt.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace xmpp {

ConnectAttempt::ConnectAttempt(QAbstractSocket *socket) : m_socket(socket)
{
    connect(socket, &QAbstractSocket::stateChanged, this, &ConnectAttempt::onStateChanged);
}

ConnectAttempt::~ConnectAttempt()
{
    stop();
}

void ConnectAttempt::onStateChanged(QAbstractSocket::SocketState state)
{
    if (state != QAbstractSocket::ConnectingState) {
        stop();
        return;
    }
    // The socket has its descriptor once the call that started the attempt returns.
    QMetaObject::invokeMethod(this, &ConnectAttempt::watch, Qt::QueuedConnection);
}

void ConnectAttempt::watch()
{
#ifdef Q_OS_UNIX
    if (m_notifier || m_socket->state() != QAbstractSocket::ConnectingState)
        return;
    // The socket tells its descriptor only once connected; meanwhile the notifier it
    // waits on for the connection (its own or, for TLS, its plain socket's) has it.
    qintptr descriptor = -1;
    for (const QSocketNotifier *waiting : m_socket->findChildren<QSocketNotifier *>()) {
        if (waiting->type() == QSocketNotifier::Write)
            descriptor = waiting->socket();
    }
    if (descriptor < 0)
        return;
    m_descriptor = ::dup(int(descriptor));
    if (m_descriptor < 0)
        return;
    // Writable once the connection is made or has failed.
    m_notifier = std::make_unique<QSocketNotifier>(m_descriptor, QSocketNotifier::Write);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &ConnectAttempt::check);
    // The attempt may have ended before it was watched.
    pollfd ready{m_descriptor, POLLOUT, 0};
    if (::poll(&ready, 1, 0) == 1)
        check();
#endif
}

void ConnectAttempt::check()
{
#ifdef Q_OS_UNIX
    if (m_socket->state() != QAbstractSocket::ConnectingState) {
        stop();
        return;
    }
    sockaddr_storage peer{};
    socklen_t length = sizeof peer;
    // Made: the socket says so itself next.
    if (::getpeername(m_descriptor, reinterpret_cast<sockaddr *>(&peer), &length) == 0 || errno != ENOTCONN)
        return;
    stop();
    emit failed();
#endif
}

void ConnectAttempt::stop()
{
    m_notifier.reset();
#ifdef Q_OS_UNIX
    if (m_descriptor >= 0)
        ::close(m_descriptor);
#endif
    m_descriptor = -1;
}

} // namespace xmpp
