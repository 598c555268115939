#pragma once

#include <QMetaType>

// The three zoom factors of the table: wall stacks, tiles lying on the table
// (and the other seats' concealed tiles), and the own hand.
struct GameScale
{
    double wall = 1.0;
    double table = 1.0;
    double hand = 1.0;

    // Each factor truncated toward zero to a multiple of 1/32, so that small
    // size changes start no render and equal sizes share one cache file.
    GameScale quantised() const;

    friend bool operator==(const GameScale &a, const GameScale &b)
    {
        return a.wall == b.wall && a.table == b.table && a.hand == b.hand;
    }
    friend bool operator!=(const GameScale &a, const GameScale &b) { return !(a == b); }
};

Q_DECLARE_METATYPE(GameScale)
