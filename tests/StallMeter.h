#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <algorithm>

// The longest time the event loop went without running a 1 ms timer, from the
// meter's start.
class StallMeter
{
public:
    StallMeter()
    {
        m_clock.start();
        m_ticks.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_ticks, &QTimer::timeout, [this] { tick(); });
        m_ticks.start(1);
    }

    // Up to now, in milliseconds.
    double longestMs()
    {
        tick();
        return double(m_longestNs) / 1e6;
    }

private:
    void tick()
    {
        const qint64 now = m_clock.nsecsElapsed();
        m_longestNs = std::max(m_longestNs, now - m_lastNs);
        m_lastNs = now;
    }

    QElapsedTimer m_clock;
    QTimer m_ticks;
    qint64 m_lastNs = 0;
    qint64 m_longestNs = 0;
};
