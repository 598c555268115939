#pragma once

#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>

class ConnectionManager;

// The game server's clock. Every countdown of the client runs against now(): the server
// time of the last synchronisation plus the time elapsed locally since then. Before the
// first answer it is the local UTC time.
//
// Synchronisation: a request goes out when a connection is set; an answer is awaited up
// to ReplyTimeoutMs (a new request goes out when none came), and the next request goes
// out ResyncIntervalMs after each answer. The server stamps its answer while handling
// the request, about halfway through the round trip, so half the round trip is added to
// the time it sends.
class ServerTime : public QObject
{
    Q_OBJECT

public:
    static constexpr int ReplyTimeoutMs = 10000;
    static constexpr int ResyncIntervalMs = 60000;

    // Where the clock reads local time; tests replace it.
    class Clock
    {
    public:
        virtual ~Clock() = default;
        // Milliseconds on a steady clock.
        virtual qint64 elapsedMs() const = 0;
        // The local time in UTC.
        virtual QDateTime utcNow() const = 0;
    };

    ServerTime();
    ServerTime(std::unique_ptr<Clock> clock, int replyTimeoutMs, int resyncIntervalMs);
    ~ServerTime() override;

    // Replaces where local time is read and forgets the last synchronisation; tests set
    // the clock of the process-wide object with it.
    void setClock(std::unique_ptr<Clock> clock);

    // Attaches the clock to a connection and starts synchronising; null detaches it.
    void setConnection(ConnectionManager *connection);

    QDateTime now() const;
    // Round trip of the last synchronisation in milliseconds; 0 before the first.
    int ping() const { return m_ping; }

signals:
    void updatedEstimate();
    void updatedPing();

private:
    void sendRequest();
    void onServerTime(qint32 requestId, const QDateTime &serverTime);
    void onReplyTimeout();

    std::unique_ptr<Clock> m_clock;
    QPointer<ConnectionManager> m_connection;
    QMetaObject::Connection m_answerConnection;
    QTimer m_replyTimer;
    QTimer m_resyncTimer;

    bool m_synchronised = false;
    qint64 m_serverMsAtSync = 0;
    qint64 m_localMsAtSync = 0;
    int m_ping = 0;
    qint32 m_pendingRequest = -1;
    qint64 m_requestSentAt = 0;
};
