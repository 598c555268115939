#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <deque>

#include "chat/xmpp/ClientExtension.h"

namespace xmpp {

class Iq;

// Tells which of the user's messages the server has. A write into the socket is no
// delivery: a ping follows every message, and the server answers it only after it has
// taken all that came before, so its answer confirms the message. A link that brings
// nothing at all while a message waits for its answer is taken as dead, also where
// neither end has closed it; the messages still waiting when the connection ends did
// not go out.
class ClientDelivery : public QObject, public ClientExtension
{
    Q_OBJECT

public:
    static constexpr int DefaultSilenceLimitMs = 6000;

    explicit ClientDelivery(XMPPClient *client);

    // Called once the message with the id has gone into the socket.
    void follow(const QString &messageId);
    // The server sent something, so the link still carries.
    void heard();
    void setSilenceLimitMs(int ms) { m_silence.setInterval(ms); }
    int silenceLimitMs() const { return m_silence.interval(); }

signals:
    void confirmed(const QString &messageId);
    // The messages the connection ended on, in the order they were sent.
    void notSent(const QStringList &messageIds);
    // Nothing came for the whole limit while a message waited.
    void silent();

private:
    void onAnswer(const QString &pingId, const Iq *reply);

    struct Waiting
    {
        QString pingId;
        QString messageId;
    };
    // Oldest first.
    std::deque<Waiting> m_waiting;
    QTimer m_silence;
};

// Takes the messages that XMPPClient::messagesNotSent names out of those a sender
// keeps by id until the server has them, in the order sent; other senders' ids are
// left alone.
template <typename T>
QList<T> takeNotSent(QHash<QString, T> &unconfirmed, const QStringList &ids)
{
    QList<T> taken;
    for (const QString &id : ids) {
        const auto sent = unconfirmed.constFind(id);
        if (sent == unconfirmed.constEnd())
            continue;
        taken.append(*sent);
        unconfirmed.erase(sent);
    }
    return taken;
}

} // namespace xmpp
