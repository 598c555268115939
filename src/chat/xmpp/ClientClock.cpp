#include "chat/xmpp/ClientClock.h"

#include "chat/xmpp/XMPPClient.h"
#include "chat/xmpp/XMPPElements.h"

#include <QDebug>

#include <cstdlib>

namespace xmpp {

namespace {

// The server's answer and the local clock are read to the millisecond.
constexpr qint64 ReadingMs = 1;
// The agreeing answers kept since the reckoning was read; those between the first and
// the last go first, which can only put a step seen later earlier.
constexpr size_t MaxAgreed = 64;

} // namespace

ClientClock::ClientClock(XMPPClient *client) : ClientExtension(client)
{
    m_localStartMs = LocalClock::nowMs();
    m_again.setSingleShot(true);
    m_again.setInterval(RemeasureMs);
    connect(&m_again, &QTimer::timeout, this, &ClientClock::measure);
}

void ClientClock::measure()
{
    m_again.stop();
    if (client()->state() == XMPPClient::ConnectedState)
        ask(Samples);
}

void ClientClock::ask(int left)
{
    // Ids of their own, so that the other stanzas are numbered as they would be anyway.
    const QString id = QStringLiteral("clock-%1").arg(++m_asked);
    const qint64 askedMs = elapsedMs();
    if (!client()->send(IqTime(id, parseJid(client()->serverDomain()))))
        return;
    client()->addIqHandler(id, [this, askedMs, left](const Iq *reply) { onAnswer(askedMs, left, reply); });
}

void ClientClock::onAnswer(qint64 askedMs, int left, const Iq *reply)
{
    // Lost with the connection, or a server that does not tell its time.
    const auto time = dynamic_cast<const IqTime *>(reply);
    if (!time || time->type != QLatin1String("result") || !time->utc.isValid()) {
        if (reply && left == Samples)
            qDebug() << "The chat server does not tell its time";
        return;
    }
    const qint64 nowMs = elapsedMs();
    const qint64 roundTripMs = nowMs - askedMs;
    // The server read its clock about halfway through the round trip.
    const qint64 serverMs = time->utc.toMSecsSinceEpoch() + roundTripMs / 2;
    const qint64 answerErrorMs = errorMs(nowMs, roundTripMs);
    // An answer that the reckoning cannot account for within both errors tells of a
    // server clock set since: it wins whatever its round trip.
    const bool closer = !m_known || answerErrorMs < errorMs(m_readMs, m_roundTripMs);
    const qint64 bothErrorsMs = answerErrorMs + errorMs(m_readMs, m_roundTripMs);
    const qint64 offMs = std::abs(serverMs - (m_serverMs + nowMs - m_readMs));
    const bool clockSet = m_known && offMs > bothErrorsMs;
    if (clockSet) {
        // The clock was set by at least the part of the difference that the errors do
        // not account for.
        qint64 sinceMs = m_agreed.front().askedMs;
        for (const Agreed &agreed : m_agreed) {
            if (agreed.largestStepMs < offMs - bothErrorsMs)
                sinceMs = agreed.askedMs;
        }
        m_steps.stepped(m_localStartMs + sinceMs, reckoning(m_serverMs, m_readMs, m_roundTripMs),
                        reckoning(serverMs, nowMs, roundTripMs));
    } else if (closer && m_known) {
        m_steps.refined(reckoning(serverMs, nowMs, roundTripMs));
    }
    if (closer || clockSet) {
        m_known = true;
        m_serverMs = serverMs;
        m_readMs = nowMs;
        m_roundTripMs = roundTripMs;
        // Its own question leaves open no step before it.
        m_agreed.assign(1, {askedMs, 0});
    } else {
        m_agreed.push_back({askedMs, offMs + bothErrorsMs});
        if (m_agreed.size() > MaxAgreed)
            m_agreed.erase(m_agreed.begin() + 1);
    }
    if (left > 1)
        ask(left - 1);
    else
        m_again.start();
}

qint64 ClientClock::errorMs(qint64 readMs, qint64 roundTripMs) const
{
    return (roundTripMs + 1) / 2 + ReadingMs + (elapsedMs() - readMs) / ClockSteps::DriftDivisor;
}

ClockSteps::Reckoning ClientClock::reckoning(qint64 serverMs, qint64 readMs, qint64 roundTripMs) const
{
    return {serverMs - (m_localStartMs + readMs), m_localStartMs + readMs, (roundTripMs + 1) / 2 + ReadingMs};
}

std::optional<ClientClock::Reading> ClientClock::read() const
{
    if (!m_known)
        return std::nullopt;
    return Reading{m_serverMs + elapsedMs() - m_readMs, errorMs(m_readMs, m_roundTripMs)};
}

} // namespace xmpp
