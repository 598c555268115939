#pragma once

#include <QDateTime>
#include <QMetaType>

#include <vector>

// Something about to happen, at a time given in server time.
struct ComingEvent
{
    enum Kind : qint32 {
        ServerMaintenance = 0,
        TournamentStart = 1,
        RoundStart = 2,
        RoundEnd = 3,
    };

    ComingEvent() = default;
    ComingEvent(qint32 kind, const QDateTime &time) : kind(kind), time(time) {}

    qint32 kind = ServerMaintenance;
    QDateTime time;
};

// Earlier events first; at equal times the smaller kind first.
bool operator<(const ComingEvent &a, const ComingEvent &b);
bool operator==(const ComingEvent &a, const ComingEvent &b);
inline bool operator!=(const ComingEvent &a, const ComingEvent &b) { return !(a == b); }

using ComingEvents = std::vector<ComingEvent>;

Q_DECLARE_METATYPE(ComingEvent)
Q_DECLARE_METATYPE(ComingEvents)
