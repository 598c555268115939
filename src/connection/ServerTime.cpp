#include "connection/ServerTime.h"

#include "connection/ConnectionManager.h"

#include <QtDebug>

namespace {

class SteadyClock : public ServerTime::Clock
{
public:
    SteadyClock() { m_timer.start(); }
    qint64 elapsedMs() const override { return m_timer.elapsed(); }
    QDateTime utcNow() const override { return QDateTime::currentDateTimeUtc(); }

private:
    QElapsedTimer m_timer;
};

} // namespace

ServerTime::ServerTime()
    : ServerTime(std::make_unique<SteadyClock>(), ReplyTimeoutMs, ResyncIntervalMs)
{
}

ServerTime::ServerTime(std::unique_ptr<Clock> clock, int replyTimeoutMs, int resyncIntervalMs)
    : m_clock(std::move(clock))
{
    m_replyTimer.setSingleShot(true);
    m_replyTimer.setInterval(replyTimeoutMs);
    m_resyncTimer.setSingleShot(true);
    m_resyncTimer.setInterval(resyncIntervalMs);
    connect(&m_replyTimer, &QTimer::timeout, this, &ServerTime::onReplyTimeout);
    connect(&m_resyncTimer, &QTimer::timeout, this, &ServerTime::sendRequest);
}

ServerTime::~ServerTime() = default;

void ServerTime::setConnection(ConnectionManager *connection)
{
    disconnect(m_answerConnection);
    m_replyTimer.stop();
    m_resyncTimer.stop();
    m_pendingRequest = -1;
    m_connection = connection;
    if (!connection)
        return;
    m_answerConnection = connect(connection, &ConnectionManager::serverTime, this, &ServerTime::onServerTime);
    sendRequest();
}

void ServerTime::setClock(std::unique_ptr<Clock> clock)
{
    if (!clock)
        return;
    m_clock = std::move(clock);
    m_synchronised = false;
}

QDateTime ServerTime::now() const
{
    if (!m_synchronised)
        return m_clock->utcNow();
    const qint64 elapsed = m_clock->elapsedMs() - m_localMsAtSync;
    return QDateTime::fromMSecsSinceEpoch(m_serverMsAtSync + elapsed, Qt::UTC);
}

void ServerTime::sendRequest()
{
    if (!m_connection)
        return;
    m_requestSentAt = m_clock->elapsedMs();
    m_pendingRequest = m_connection->query_server_time();
    m_replyTimer.start();
}

void ServerTime::onServerTime(qint32 requestId, const QDateTime &serverTime)
{
    if (requestId != m_pendingRequest || m_pendingRequest < 0) {
        qDebug() << "server time answer" << requestId << "not awaited, dropped";
        return;
    }
    if (!serverTime.isValid()) {
        qWarning() << "server time answer without a time, dropped";
        return;
    }
    m_replyTimer.stop();
    m_pendingRequest = -1;

    const qint64 localNow = m_clock->elapsedMs();
    const qint64 roundTrip = qMax<qint64>(0, localNow - m_requestSentAt);
    m_ping = static_cast<int>(qMin<qint64>(roundTrip, std::numeric_limits<int>::max()));
    m_serverMsAtSync = serverTime.toMSecsSinceEpoch() + roundTrip / 2;
    m_localMsAtSync = localNow;
    m_synchronised = true;

    emit updatedPing();
    emit updatedEstimate();
    m_resyncTimer.start();
}

void ServerTime::onReplyTimeout()
{
    qWarning() << "no server time answer within" << m_replyTimer.interval() << "ms, asking again";
    sendRequest();
}
