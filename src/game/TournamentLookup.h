#pragma once

#include "app/TournamentInfo.h"

#include <QObject>

// What the table side needs to know of the tournament lobby: whether a tournament is
// held, its record, and word of updates and arrivals. Without a lookup, tournament
// tables count as unavailable.
class TournamentLookup : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual bool hasTournament(qint32 id) const = 0;
    // Throws std::runtime_error for a tournament that is not held.
    virtual TournamentInfo tournamentInfo(qint32 id) const = 0;

signals:
    void tournamentInfoUpdated(qint32 id, const TournamentInfoUpdates &updates);
    void tournamentAdded(const TournamentInfo &info);
};
