#pragma once

#include "app/TableCapacity.h"
#include "app/TimeSpan.h"

#include <QtGlobal>

#include <optional>
#include <utility>
#include <vector>

// What the side bar hears of players whose plates are not there yet, a claim and a
// turn timer, kept until the plate comes. It keeps no more players than the table has
// seats: one more pushes out the player heard of first, so that a server naming ever
// new players cannot make it grow.
class PendingPlates
{
public:
    struct Claim
    {
        int code = 0;
        int winKind = 0;
    };

    struct Notes
    {
        std::optional<Claim> claim;
        TimeSpan timer;

        bool empty() const { return !claim && timer == TimeSpan(); }
    };

    // The table's seats; outside 1 to TableCapacity::MaxSeats the most a table has.
    void setSeats(int seats);
    void setClaim(qint32 id, const Claim &claim);
    void setTimer(qint32 id, const TimeSpan &span);
    // A player's notes, no longer kept; empty notes for a player not heard of.
    Notes take(qint32 id);
    void clearClaims();
    void clearTimers();
    void clear() { m_notes.clear(); }
    int size() const { return int(m_notes.size()); }

private:
    using Entries = std::vector<std::pair<qint32, Notes>>;

    Entries::iterator find(qint32 id);
    Notes &notesFor(qint32 id);
    void dropEmpty();

    // Oldest first.
    Entries m_notes;
    int m_seats = TableCapacity::MaxSeats;
};
