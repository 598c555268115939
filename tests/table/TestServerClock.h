#pragma once

#include "app/Singleton.h"
#include "connection/ServerTime.h"

#include <memory>

// Puts the process-wide server clock on a time that the test moves by hand.
class TestServerClock
{
public:
    static const QDateTime &epoch()
    {
        static const QDateTime e(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);
        return e;
    }

    TestServerClock()
    {
        auto clock = std::make_unique<Clock>();
        m_clock = clock.get();
        Singleton<ServerTime>::instance().setClock(std::move(clock));
    }

    // Milliseconds after epoch().
    void setMs(qint64 ms) { m_clock->ms = ms; }
    QDateTime at(qint64 ms) const { return epoch().addMSecs(ms); }

private:
    struct Clock : ServerTime::Clock
    {
        qint64 elapsedMs() const override { return ms; }
        QDateTime utcNow() const override { return epoch().addMSecs(ms); }
        qint64 ms = 0;
    };
    Clock *m_clock;
};
