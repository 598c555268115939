#pragma once

#include "chat/xmpp/XMPPClient.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <sys/socket.h>

// A scripted chat server on loopback for what a real server will not do: the test
// reads what the client wrote and answers with the stanzas it chooses.
class FakeChatServer : public QObject
{
public:
    FakeChatServer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *peer = m_server.nextPendingConnection()) {
                ++m_accepted;
                if (m_resetting) {
                    // Closed at once with a reset, as a port behind a restarting server does.
                    const linger reset{1, 0};
                    ::setsockopt(int(peer->socketDescriptor()), SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
                    peer->abort();
                    peer->deleteLater();
                    continue;
                }
                m_peer = peer;
                connect(m_peer, &QTcpSocket::readyRead, this, [this] { m_received += m_peer->readAll(); });
            }
        });
    }

    // The connections accepted so far.
    int accepted() const { return m_accepted; }
    // Every connection from now on is reset as soon as it is accepted.
    void resetNewConnections() { m_resetting = true; }

    quint16 port() const { return m_server.serverPort(); }
    // The client's port of the last connection accepted.
    quint16 clientPort() const { return m_peer ? m_peer->peerPort() : 0; }

    // Waits until the client has sent the marker since the last call.
    bool waitFor(const QByteArray &marker, int timeout = 5000)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeout) {
            const qsizetype at = m_received.indexOf(marker, m_seen);
            if (at >= 0) {
                m_seen = at + marker.size();
                return true;
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        qWarning() << "waited in vain for" << marker << "after" << m_received.mid(m_seen);
        return false;
    }

    // Waits until what the client has sent since the last call matches; the match, none
    // when it did not come.
    QRegularExpressionMatch waitFor(const QRegularExpression &pattern, int timeout = 5000)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeout) {
            // A character a byte, so that the match's end is a place in what came.
            const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(m_received.mid(m_seen)));
            if (match.hasMatch()) {
                m_seen += match.capturedEnd();
                return match;
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        qWarning() << "waited in vain for" << pattern.pattern() << "after" << m_received.mid(m_seen);
        return QRegularExpressionMatch();
    }

    // What the client wrote since the last wait, after letting events run a moment.
    QByteArray unseen(int settle = 100)
    {
        QTest::qWait(settle);
        return m_received.mid(m_seen);
    }

    // All the client wrote, on every connection.
    const QByteArray &received() const { return m_received; }

    void send(const QByteArray &data)
    {
        m_peer->write(data);
        m_peer->flush();
    }

    void drop()
    {
        m_peer->disconnectFromHost();
    }

    void sendHeader(const QByteArray &features)
    {
        send("<?xml version='1.0'?><stream:stream xmlns='jabber:client' "
             "xmlns:stream='http://etherx.jabber.org/streams' from='localhost' id='s1' version='1.0' "
             "xml:lang='en'><stream:features>"
             + features + "</stream:features>");
    }

    // Logs the client in as the account of the full JID "user@localhost/resource" with
    // plain authentication and binds that JID; true once the client is connected and
    // has sent its first presence. The client's stanza ids go on from "2".
    bool acceptSession(XMPPClient &client, const QByteArray &jid = "1001@localhost/r1")
    {
        QSignalSpy connected(&client, &XMPPClient::connected);
        const QByteArray user = jid.left(jid.indexOf('@'));
        client.setPlainAuthWithoutTlsAllowed(true);
        client.login(QString::fromLatin1(user), QStringLiteral("secret"));
        client.connectToHost(QStringLiteral("127.0.0.1"), port(), XMPPClient::TlsIfAvailable);
        return negotiate(jid) && (!connected.isEmpty() || connected.wait(5000)) && waitFor("</presence>");
    }

    // The server's side of a login, as above, of a client that connects by itself (as
    // it does again after a loss) within the time given; true once the JID is bound.
    bool negotiate(const QByteArray &jid, int timeout = 5000)
    {
        if (!waitFor("<stream:stream", timeout) || !waitFor(">"))
            return false;
        sendHeader("<mechanisms xmlns='urn:ietf:params:xml:ns:xmpp-sasl'><mechanism>PLAIN</mechanism></mechanisms>");
        if (!waitFor("</auth>"))
            return false;
        send("<success xmlns='urn:ietf:params:xml:ns:xmpp-sasl'/>");
        if (!waitFor("<stream:stream"))
            return false;
        sendHeader("<bind xmlns='urn:ietf:params:xml:ns:xmpp-bind'/>");
        const QRegularExpressionMatch bind =
            waitFor(QRegularExpression("<iq id=\"(\\d+)\" type=\"set\"><bind xmlns=\"urn:ietf:params:xml:ns:xmpp-bind\".*?</iq>"));
        if (!bind.hasMatch())
            return false;
        send("<iq type='result' id='" + bind.captured(1).toLatin1() + "'><bind xmlns='urn:ietf:params:xml:ns:xmpp-bind'><jid>"
             + jid + "</jid></bind></iq>");
        return true;
    }

private:
    QTcpServer m_server;
    QTcpSocket *m_peer = nullptr;
    int m_accepted = 0;
    bool m_resetting = false;
    QByteArray m_received;
    qsizetype m_seen = 0;
};
