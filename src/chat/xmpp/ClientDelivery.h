#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <optional>

#include "chat/xmpp/ClientExtension.h"

namespace xmpp {

class Iq;

// Tells which of the user's messages the server has. A write into the socket is no
// delivery: a ping follows every message, and the server answers it only after it has
// taken all that came before, so its answer confirms the message. The link is taken as
// dead, also where neither end has closed it, when it brings nothing at all while a
// message waits for its answer, and when a message is not confirmed in time whatever
// else comes (only the user's direction may be dead). The messages still waiting when
// the connection ends may have reached the server or not: they wait on until the
// server's count of the stanzas it took settles them, at the resumption of the session,
// or until it is known that nobody will tell.
class ClientDelivery : public QObject, public ClientExtension
{
    Q_OBJECT

public:
    static constexpr int DefaultSilenceLimitMs = 6000;
    static constexpr int DefaultConfirmationLimitMs = 10000;

    explicit ClientDelivery(XMPPClient *client);

    // Called once the message with the id has gone into the socket, with the server's
    // number for it where the server counts the user's stanzas.
    void follow(const QString &messageId, std::optional<quint32> number);
    // Settles the messages waiting from a lost connection: the server took the first
    // stanzas up to the count given, or nobody can tell.
    void settle(std::optional<quint32> taken);
    // The server sent something, so the link still carries.
    void heard();
    // The oldest message is overdue, but what waits to be read may confirm it: it is
    // looked at again once that has had its turn.
    void lookAgainSoon();
    void setSilenceLimitMs(int ms) { m_silence.setInterval(ms); }
    int silenceLimitMs() const { return m_silence.interval(); }
    void setConfirmationLimitMs(int ms);
    int confirmationLimitMs() const { return m_confirmationLimitMs; }

signals:
    void confirmed(const QString &messageId);
    // Messages of a lost connection that the server did not take, or may not have
    // taken, in the order they were sent.
    void notSent(const QStringList &messageIds, bool mayHaveGone);
    // Nothing came for the whole limit while a message waited.
    void silent();
    // The oldest message waiting was not confirmed within the limit.
    void overdue();

private:
    void onAnswer(const QString &pingId, const Iq *reply);
    // The limit of the oldest message waiting, from when it went out.
    void armConfirmation();

    struct Waiting
    {
        QString pingId;
        QString messageId;
        std::optional<quint32> number;
        // On the local steady clock.
        qint64 sentMs;
    };
    // Oldest first; those of lost connections, oldest first, until they are settled.
    std::deque<Waiting> m_waiting;
    std::deque<Waiting> m_unsettled;
    QTimer m_silence;
    QTimer m_confirmation;
    int m_confirmationLimitMs = DefaultConfirmationLimitMs;
};

// Takes the messages that XMPPClient::messagesNotSent names out of those a sender
// keeps by id until the server has them, in the order sent; other senders' ids are
// left alone. A line sent again (after the server refused it) may be named once for
// each time it went: it takes the place of the last.
template <typename T>
QList<T> takeNotSent(QHash<QString, T> &unconfirmed, const QStringList &ids)
{
    QList<T> taken;
    for (auto id = ids.crbegin(); id != ids.crend(); ++id) {
        const auto sent = unconfirmed.constFind(*id);
        if (sent == unconfirmed.constEnd())
            continue;
        taken.prepend(*sent);
        unconfirmed.erase(sent);
    }
    return taken;
}

} // namespace xmpp
