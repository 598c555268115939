#pragma once

#include <QDateTime>
#include "app/MetaTypes.h"

#include <QMetaType>

// The start and end of a time limit (a turn, a claim, a countdown). A default span
// has two null times and clears a timer.
class TimeSpan
{
public:
    TimeSpan() = default;
    TimeSpan(const QDateTime &start, const QDateTime &end) : m_start(start), m_end(end) {}

    QDateTime start() const { return m_start; }
    QDateTime end() const { return m_end; }

    friend bool operator==(const TimeSpan &a, const TimeSpan &b)
    {
        return a.m_start == b.m_start && a.m_end == b.m_end;
    }
    friend bool operator!=(const TimeSpan &a, const TimeSpan &b) { return !(a == b); }

private:
    QDateTime m_start;
    QDateTime m_end;
};

Q_DECLARE_METATYPE(TimeSpan)

MAHJONG_REGISTER_METATYPE(TimeSpan, TimeSpan)
