#pragma once

#include "app/MetaTypes.h"

#include <QMetaType>
#include <QSize>
#include <QString>

#include <cstdint>

class QPainter;
class QPalette;
class QRect;

// The seats of a table: how many there are, how many players sit, how many are bots.
class TableCapacity
{
public:
    // The rule sets are played by three or four.
    static constexpr int MinSeats = 3;
    static constexpr int MaxSeats = 4;

    // Pixels from one seat icon to the next.
    static constexpr int IconPitch = 15;
    static constexpr int IconHeight = 14;

    TableCapacity() = default;
    TableCapacity(std::int32_t seats, std::int32_t players, std::int32_t bots)
        : m_seats(seats), m_players(players), m_bots(bots)
    {
    }

    std::int32_t seats() const { return m_seats; }
    std::int32_t players() const { return m_players; }
    std::int32_t bots() const { return m_bots; }
    void setPlayers(std::int32_t players) { m_players = players; }

    // "3 of 4 players seated", with "(+1 reserved)" for seats kept for bots.
    QString text() const;

    // One seat icon per seat, IconPitch pixels apart.
    QSize sizeHint() const;
    // Draws a taken-seat icon per seated player and a free-seat icon for the other seats.
    void paint(QPainter *painter, const QRect &rect, const QPalette &palette,
               Qt::Alignment alignment) const;

    // Fewer players first, then fewer seats, then more bots.
    friend bool operator<(const TableCapacity &a, const TableCapacity &b);
    friend bool operator==(const TableCapacity &a, const TableCapacity &b)
    {
        return a.m_seats == b.m_seats && a.m_players == b.m_players && a.m_bots == b.m_bots;
    }
    friend bool operator!=(const TableCapacity &a, const TableCapacity &b) { return !(a == b); }

private:
    std::int32_t m_seats = 0;
    std::int32_t m_players = 0;
    std::int32_t m_bots = 0;
};

Q_DECLARE_METATYPE(TableCapacity)

MAHJONG_REGISTER_METATYPE(TableCapacity, TableCapacity)
