#include "ui/UTimer.h"

#include "app/Singleton.h"
#include "app/TimeSpan.h"
#include "connection/ServerTime.h"

#include <algorithm>
#include <limits>

namespace {

int clampToInt(qint64 msecs)
{
    return int(std::clamp<qint64>(msecs, 0, std::numeric_limits<int>::max()));
}

QDateTime serverNow()
{
    return Singleton<ServerTime>::instance().now();
}

} // namespace

UTimer::UTimer(QObject *parent)
    : QObject(parent)
    , m_timer(this)
{
    m_timer.setSingleShot(false);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &UTimer::intervalTimeout);
}

void UTimer::start(const TimeSpan &span)
{
    stop();
    m_deadline = span.end();
    if (!m_deadline.isValid()) {
        m_total = 0;
        tick();
        return;
    }
    const QDateTime now = serverNow();
    const QDateTime begin = span.start().isValid() ? span.start() : now;
    const qint64 remaining = std::max<qint64>(0, now.msecsTo(m_deadline));
    // A span whose start lies at or after its end still counts down to a future deadline.
    m_total = std::max({qint64(0), begin.msecsTo(m_deadline), remaining});
    if (remaining > 0)
        m_timer.start(m_interval);
    tick();
}

void UTimer::stop()
{
    if (!m_timer.isActive())
        return;
    m_timer.stop();
    m_total = 0;
    m_deadline = QDateTime();
}

void UTimer::intervalTimeout()
{
    if (m_timer.isActive())
        tick();
}

void UTimer::tick()
{
    const qint64 remaining
        = m_deadline.isValid() ? std::max<qint64>(0, serverNow().msecsTo(m_deadline)) : 0;
    if (remaining > 0) {
        emit update(clampToInt(remaining), clampToInt(m_total));
        // The last tick falls on the deadline rather than up to a second after it.
        const int next = int(std::min<qint64>(m_interval, remaining));
        if (m_timer.isActive() && next != m_timer.interval())
            m_timer.start(next);
        return;
    }
    m_timer.stop();
    m_deadline = QDateTime();
    emit update(0, clampToInt(m_total));
    emit timeout();
}
