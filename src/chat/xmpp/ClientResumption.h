#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

#include "chat/xmpp/ClientExtension.h"

namespace xmpp {

class StreamElement;
class StreamManagement;

// Keeps the chat session over a lost connection where the server offers stream
// management (XEP-0198). Both ends count the stanzas they take; the server asks for
// the client's count now and then. The next connection resumes the session instead of
// binding a new one: the server then says how many of the user's stanzas it took, and
// sends again what it sent after those the client counted, the lines to the user while
// the link was dying among them. A session is taken as gone once the server's time for
// a resumption has passed since the loss.
class ClientResumption : public QObject, public ClientExtension
{
    Q_OBJECT

public:
    // How long a server that does not say so keeps a session for its resumption.
    static constexpr int DefaultKeptSeconds = 120;

    explicit ClientResumption(XMPPClient *client);

    // A new session is bound: the server is asked to keep it where it offers that.
    void enable(bool offered);
    // The element went into the socket.
    void sent(const StreamElement &element);
    // The server's number of the last stanza sent; none while the stanzas are not counted.
    std::optional<quint32> lastSent() const;
    // Handles what the server sends of it on an established connection, the stanzas
    // read so far given; false where it is nothing the client asked for.
    bool handle(const StreamManagement &element, qint64 stanzasRead);
    // The connection of the session is lost after the stanzas read so far.
    void lost(qint64 stanzasRead);
    // Whether a session waits for its resumption.
    bool waiting() const { return !m_id.isEmpty(); }
    // Asks the server, after the login on a new connection, to resume the session.
    void resume();
    // Whether the server can have taken that many of the user's stanzas: no more than
    // were sent.
    bool possible(quint32 taken) const { return qint32(m_sent - taken) >= 0; }
    // The server resumed it, having taken that many of the user's stanzas; the stanzas
    // read so far given.
    void resumed(quint32 taken, qint64 stanzasRead);
    // No session waits any more: the server refused to resume it, the stream was ended
    // here, or the connection is not tried again.
    void forget();

signals:
    // The server's time for resuming the session has passed.
    void expired();

private:
    quint32 handled(qint64 stanzasRead) const;

    // Whether the stanzas are counted: from the request to keep the session on, while
    // its connection lasts.
    bool m_counting = false;
    // The user's stanzas sent, and the server's counted before this connection's read
    // from m_readBase on, modulo 2^32.
    quint32 m_sent = 0;
    quint32 m_handledBefore = 0;
    qint64 m_readBase = 0;
    // The session the server keeps, and for how long.
    QString m_id;
    int m_keptSeconds = 0;
    QTimer m_kept;
};

} // namespace xmpp
