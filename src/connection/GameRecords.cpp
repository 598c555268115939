#include "connection/GameRecords.h"

qint32 Seating::playerAt(int wind) const
{
    if (wind < 0 || wind >= static_cast<int>(players.size()))
        return -1;
    return players[static_cast<std::size_t>(wind)];
}
