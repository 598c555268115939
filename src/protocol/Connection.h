#pragma once

#include "protocol/packets.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QSslConfiguration>

#include <memory>
#include <string>

class QSslSocket;
class QTcpSocket;

// The game connection: one TCP socket, TLS 1.2 or later unless it was built without
// SSL. It writes frames, cuts received bytes into frames and hands each on through
// messageReceived. Every exception thrown while sending or receiving, including those
// of the handlers connected to messageReceived, is caught here, logged once and
// reported through exceptionCaught; the handling of that frame ends and the next frame
// follows unless a receiver stopped the dispatch. A frame that cannot be cut off the
// stream closes the connection.
class Connection : public QObject
{
    Q_OBJECT

public:
    explicit Connection(bool useSsl, QObject *parent = nullptr);
    ~Connection() override;

    bool isUsingSsl() const { return m_useSsl; }
    // The TLS settings of the next connection; by default the application's default
    // configuration (which holds the trusted CA certificates), never below TLS 1.2.
    void setSslConfiguration(const QSslConfiguration &configuration);

    void connectToHost(const QString &host, quint16 port);
    void disconnectFromHost();
    // True once the connection is up (and encrypted when SSL is used).
    bool isConnected() const { return m_up; }
    // True when this side closed the connection because of what the server sent.
    bool closedByClient() const { return m_closedByClient; }
    QAbstractSocket *socket() const { return m_socket; }

    // Writes the frame of a packet. Nothing is written when the connection is not up;
    // that is logged and false returned.
    template <class P>
    bool send(const P &packet);
    bool waitForBytesWritten(int msecs);

    quint64 bytesReceived() const { return m_bytesReceived; }
    quint64 bytesSent() const { return m_bytesSent; }

    // Takes what the socket received and hands on every complete frame.
    void receive();
    // Hands on no further frame until the next connectToHost: the frames already
    // received are dropped, and what arrives stays unread. A receiver may call it while
    // a frame is handled.
    void stopDispatching();

signals:
    void connected();
    void disconnected();
    // The connection could not be opened or was lost (refused, TLS failure, reset).
    void socketError(QAbstractSocket::SocketError error, const QString &text);
    // One received frame. A receiver may take the message over (std::move); the
    // connection frees it otherwise. Connect directly only.
    void messageReceived(std::unique_ptr<protocol::message_t> &message);
    void exceptionCaught(const std::string &what);

private:
    bool writeFrame(const QByteArray &frame);
    void onSocketConnected();
    void onSocketError(QAbstractSocket::SocketError error);
    // Hands on the complete frames of the buffer; false when this object is gone.
    bool processBuffer();
    void report(const std::string &what);
    void emitCaught(const std::string &what);
    void failProtocol(const std::string &what);
    template <class F>
    void guarded(F &&f);

    bool m_useSsl;
    bool m_up = false;
    bool m_closedByClient = false;
    bool m_receiving = false;
    bool m_dispatching = true;
    QAbstractSocket *m_socket = nullptr;
    QSslSocket *m_sslSocket = nullptr;
    QSslConfiguration m_sslConfiguration;
    protocol::frame_buffer m_frames;
    quint64 m_bytesReceived = 0;
    quint64 m_bytesSent = 0;
};

template <class F>
void Connection::guarded(F &&f)
{
    try {
        f();
    } catch (const std::exception &e) {
        report(e.what());
    } catch (...) {
        report("unknown exception");
    }
}

template <class P>
bool Connection::send(const P &packet)
{
    static_assert(P::direction == protocol::direction::to_server, "the client sends client packets only");
    bool sent = false;
    guarded([&] { sent = writeFrame(protocol::frame(packet)); });
    return sent;
}
