#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <algorithm>
#include <time.h>

// The longest time the event loop went without running a 1 ms timer, from the
// meter's start: as the clock on the wall sees it, and as the thread's own work.
// The wall clock includes the time a busy machine gave the thread no processor; the
// work does not, so that a bound on it measures the client rather than the machine.
class StallMeter
{
public:
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

private:
    static qint64 threadWorkNs()
    {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
    }

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
