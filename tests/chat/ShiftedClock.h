#pragma once

#include "connection/ServerTime.h"

#include <QDateTime>
#include <QElapsedTimer>

// The local clock, moved by a number of milliseconds: the game server's, which the
// client places the lines of its panes by, where it is not quite the chat server's.
class ShiftedClock : public ServerTime::Clock
{
public:
    explicit ShiftedClock(qint64 shiftMs) : m_shiftMs(shiftMs) { m_timer.start(); }
    qint64 elapsedMs() const override { return m_timer.elapsed(); }
    QDateTime utcNow() const override { return QDateTime::currentDateTimeUtc().addMSecs(m_shiftMs); }

private:
    qint64 m_shiftMs;
    QElapsedTimer m_timer;
};
