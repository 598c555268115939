#pragma once

#include <QPointF>

// Where and how one tile lies at one end of a tile move: its scene position,
// display kind and orientation.
struct TilePlacement
{
    QPointF pos;
    int kind = 0;
    int orientation = 0;

    friend bool operator==(const TilePlacement &a, const TilePlacement &b)
    {
        return a.pos == b.pos && a.kind == b.kind && a.orientation == b.orientation;
    }
    friend bool operator!=(const TilePlacement &a, const TilePlacement &b) { return !(a == b); }
};
