#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <time.h>

// The longest time the event loop went without running a 1 ms timer, from the
// meter's start: as the clock on the wall sees it, and as the thread's own work.
// The wall clock includes the time a busy machine gave the thread no processor; the
// work does not, so that a bound on it measures the client rather than the machine.
// The work does not see a thread blocked in a wait either (a synchronous call, a lock):
// the wall clock does, and its bound lies seconds beyond what a busy machine makes of a
// gap that keeps the work's bound.
class StallMeter
{
public:
    static constexpr double WorkBoundMs = 500;
    static constexpr double WallBoundMs = 5000;

    // Empty while the longest gaps keep both bounds, else what they passed.
    QString excess()
    {
        const double work = longestWorkMs();
        const double wall = longestMs();
        QStringList passed;
        if (work >= WorkBoundMs)
            passed << QStringLiteral("%1 ms of the thread's processor time (bound %2 ms)")
                          .arg(QString::number(work), QString::number(WorkBoundMs));
        if (wall >= WallBoundMs)
            passed << QStringLiteral("%1 ms on the wall clock (bound %2 ms)")
                          .arg(QString::number(wall), QString::number(WallBoundMs));
        if (passed.isEmpty())
            return QString();
        return QStringLiteral("event loop held for ") + passed.join(QStringLiteral(" and "));
    }

    StallMeter()
    {
        m_clock.start();
        m_lastWorkNs = threadWorkNs();
        m_ticks.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_ticks, &QTimer::timeout, [this] { tick(); });
        m_ticks.start(1);
    }

    // Up to now, in milliseconds of the wall clock.
    double longestMs()
    {
        tick();
        return double(m_longestNs) / 1e6;
    }

    // Up to now, in milliseconds of the thread's processor time.
    double longestWorkMs()
    {
        tick();
        return double(m_longestWorkNs) / 1e6;
    }

    // The processor time the calling thread has used, in nanoseconds.
    static qint64 threadWorkNs()
    {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
    }

private:
    void tick()
    {
        const qint64 now = m_clock.nsecsElapsed();
        m_longestNs = std::max(m_longestNs, now - m_lastNs);
        m_lastNs = now;
        const qint64 work = threadWorkNs();
        m_longestWorkNs = std::max(m_longestWorkNs, work - m_lastWorkNs);
        m_lastWorkNs = work;
    }

    QElapsedTimer m_clock;
    QTimer m_ticks;
    qint64 m_lastNs = 0;
    qint64 m_longestNs = 0;
    qint64 m_lastWorkNs = 0;
    qint64 m_longestWorkNs = 0;
};
