#include "chat/xmpp/ClientDelivery.h"

#include "chat/xmpp/LocalClock.h"
#include "chat/xmpp/XMPPClient.h"
#include "chat/xmpp/XMPPElements.h"

#include <algorithm>
#include <utility>

namespace xmpp {

namespace {

// How long what waits to be read has before an overdue message is looked at again.
constexpr int ReadFirstMs = 100;

} // namespace

ClientDelivery::ClientDelivery(XMPPClient *client) : ClientExtension(client)
{
    m_silence.setSingleShot(true);
    m_silence.setInterval(DefaultSilenceLimitMs);
    connect(&m_silence, &QTimer::timeout, this, &ClientDelivery::silent);
    m_confirmation.setSingleShot(true);
    connect(&m_confirmation, &QTimer::timeout, this, &ClientDelivery::overdue);
}

void ClientDelivery::setConfirmationLimitMs(int ms)
{
    m_confirmationLimitMs = ms;
    if (!m_waiting.empty())
        armConfirmation();
}

void ClientDelivery::follow(const QString &messageId, std::optional<quint32> number)
{
    const QString pingId = client()->nextStanzaId();
    m_waiting.push_back({pingId, messageId, number, LocalClock::nowMs()});
    if (!m_silence.isActive())
        m_silence.start();
    if (m_waiting.size() == 1)
        armConfirmation();
    // A ping that did not reach the socket is answered with null once the loss is
    // handled, as every request still open then.
    client()->send(IqPing(pingId, parseJid(client()->serverDomain())));
    client()->addIqHandler(pingId, [this, pingId](const Iq *reply) { onAnswer(pingId, reply); });
}

void ClientDelivery::heard()
{
    if (!m_waiting.empty())
        m_silence.start();
}

void ClientDelivery::lookAgainSoon()
{
    if (!m_waiting.empty())
        m_confirmation.start(ReadFirstMs);
}

void ClientDelivery::armConfirmation()
{
    const qint64 waited = LocalClock::nowMs() - m_waiting.front().sentMs;
    m_confirmation.start(int(std::clamp<qint64>(m_confirmationLimitMs - waited, 0, m_confirmationLimitMs)));
}

void ClientDelivery::settle(std::optional<quint32> taken)
{
    QStringList notTaken;
    QStringList unknown;
    for (const Waiting &waiting : std::exchange(m_unsettled, {})) {
        if (!taken || !waiting.number)
            unknown.append(waiting.messageId);
        // The counts go round at 2^32.
        else if (qint32(*taken - *waiting.number) >= 0)
            emit confirmed(waiting.messageId);
        else
            notTaken.append(waiting.messageId);
    }
    if (!notTaken.isEmpty())
        emit notSent(notTaken, false);
    if (!unknown.isEmpty())
        emit notSent(unknown, true);
}

void ClientDelivery::onAnswer(const QString &pingId, const Iq *reply)
{
    if (!reply) {
        // The first request the loss ends takes every message still waiting.
        m_silence.stop();
        m_confirmation.stop();
        for (const Waiting &waiting : std::exchange(m_waiting, {}))
            m_unsettled.push_back(waiting);
        return;
    }
    const auto answered = std::find_if(m_waiting.begin(), m_waiting.end(),
                                       [&pingId](const Waiting &waiting) { return waiting.pingId == pingId; });
    if (answered == m_waiting.end())
        return;
    // An error answer says as much as a result: the server has taken what came before.
    while (!m_waiting.empty()) {
        const Waiting first = m_waiting.front();
        m_waiting.pop_front();
        emit confirmed(first.messageId);
        if (first.pingId == pingId)
            break;
    }
    if (m_waiting.empty()) {
        m_silence.stop();
        m_confirmation.stop();
    } else {
        m_silence.start();
        armConfirmation();
    }
}

} // namespace xmpp
