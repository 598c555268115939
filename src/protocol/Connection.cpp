#include "protocol/Connection.h"

#include "app/ClientErrors.h"

#include <QDebug>
#include <QSslSocket>
#include <QTcpSocket>


Connection::Connection(bool useSsl, QObject *parent)
    : QObject(parent), m_useSsl(useSsl), m_sslConfiguration(QSslConfiguration::defaultConfiguration())
{
    if (m_useSsl) {
        m_sslSocket = new QSslSocket(this);
        m_socket = m_sslSocket;
        connect(m_sslSocket, &QSslSocket::encrypted, this, &Connection::onSocketConnected);
        connect(m_sslSocket, &QSslSocket::sslErrors, this, [](const QList<QSslError> &errors) {
            for (const QSslError &e : errors)
                qWarning() << "game connection TLS error:" << e.errorString();
        });
    } else {
        m_socket = new QTcpSocket(this);
        connect(m_socket, &QAbstractSocket::connected, this, &Connection::onSocketConnected);
    }
    connect(m_socket, &QAbstractSocket::readyRead, this, &Connection::receive);
    connect(m_socket, &QAbstractSocket::errorOccurred, this, &Connection::onSocketError);
    connect(m_socket, &QAbstractSocket::disconnected, this, [this] {
        const bool wasUp = m_up;
        m_up = false;
        if (wasUp)
            emit disconnected();
    });
}

Connection::~Connection() = default;

void Connection::setSslConfiguration(const QSslConfiguration &configuration)
{
    m_sslConfiguration = configuration;
}

void Connection::connectToHost(const QString &host, quint16 port)
{
    // A new connection replaces whatever the socket still holds.
    if (m_socket->state() != QAbstractSocket::UnconnectedState)
        m_socket->abort();
    m_up = false;
    m_closedByClient = false;
    m_dispatching = true;
    m_frames.clear();
    if (m_sslSocket) {
        QSslConfiguration configuration = m_sslConfiguration;
        if (configuration.protocol() != QSsl::TlsV1_3 && configuration.protocol() != QSsl::TlsV1_3OrLater)
            configuration.setProtocol(QSsl::TlsV1_2OrLater);
        configuration.setPeerVerifyMode(QSslSocket::VerifyPeer);
        m_sslSocket->setSslConfiguration(configuration);
        m_sslSocket->connectToHostEncrypted(host, port);
    } else {
        m_socket->connectToHost(host, port);
    }
}

void Connection::disconnectFromHost()
{
    m_socket->disconnectFromHost();
}

bool Connection::writeFrame(const QByteArray &frame)
{
    if (!m_up) {
        qWarning() << "game connection not open, dropping a packet of class"
                   << (frame.size() > 4 ? quint8(frame.at(4)) : -1);
        return false;
    }
    const qint64 written = m_socket->write(frame);
    if (written != frame.size())
        throw std::runtime_error("writing to the game connection failed: " + m_socket->errorString().toStdString());
    m_bytesSent += quint64(frame.size());
    return true;
}

bool Connection::waitForBytesWritten(int msecs)
{
    return m_socket->bytesToWrite() == 0 || m_socket->waitForBytesWritten(msecs);
}

void Connection::onSocketConnected()
{
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_up = true;
    emit connected();
}

void Connection::onSocketError(QAbstractSocket::SocketError error)
{
    // The peer closing the connection is reported through disconnected().
    if (error == QAbstractSocket::RemoteHostClosedError && m_up)
        return;
    emit socketError(error, m_socket->errorString());
}

void Connection::receive()
{
    // A handler that waits on the socket may bring more data in; the outer call
    // picks it up.
    if (m_receiving || !m_dispatching)
        return;
    m_receiving = true;
    do {
        guarded([this] { m_frames.append(m_socket->readAll()); });
        if (!processBuffer())
            return;
    } while (m_dispatching && m_socket->state() != QAbstractSocket::UnconnectedState
             && m_socket->bytesAvailable() > 0);
    m_receiving = false;
}

void Connection::stopDispatching()
{
    m_dispatching = false;
    m_frames.clear();
}

bool Connection::processBuffer()
{
    QPointer<Connection> self(this);
    while (m_dispatching) {
        std::unique_ptr<protocol::message_t> message;
        try {
            message = m_frames.next();
        } catch (const protocol::decode_error &e) {
            failProtocol(std::string(e.what()) + " from the game server");
            return !self.isNull();
        }
        if (!message)
            return true;
        m_bytesReceived += quint64(message->size()) + protocol::FrameHeaderSize;
        guarded([&] { emit messageReceived(message); });
        if (!self)
            return false;
    }
    return true;
}

void Connection::report(const std::string &what)
{
    qWarning().noquote() << "game connection fault:" << QString::fromStdString(what);
    emitCaught(what);
}

void Connection::emitCaught(const std::string &what)
{
    try {
        emit exceptionCaught(what);
    } catch (...) {
        qCCritical(clientErrors) << "an exception handler of the game connection threw:" << what.c_str();
    }
}

void Connection::failProtocol(const std::string &what)
{
    qWarning().noquote() << "closing the connection:" << QString::fromStdString(what);
    m_closedByClient = true;
    QPointer<Connection> self(this);
    emitCaught(what);
    if (self)
        m_socket->abort();
}
