#include "connection/GameRecords.h"

qint32 Seating::playerAt(int wind) const
{
    if (wind < 0 || wind >= static_cast<int>(players.size()))
        return -1;
    return players[static_cast<std::size_t>(wind)];
}

int Seating::windOf(qint32 playerId) const
{
    if (playerId < 0)
        return -1;
    for (std::size_t wind = 0; wind < players.size(); ++wind) {
        if (players[wind] == playerId)
            return static_cast<int>(wind);
    }
    return -1;
}
