#pragma once

#include "app/tile.h"
#include "table/scene/TilePlacement.h"

#include <vector>

// The place that moving tiles leave. An animation first asks for the start
// placements (entry i for moving tile i), then, right after it starts, tells
// the source to give the tiles up. Moves of known tiles use the tile-list
// overloads, moves of hidden tiles the count overloads.
class TileAnimationSource
{
public:
    virtual ~TileAnimationSource();
    // By default the placements of tiles.size() hidden tiles.
    virtual std::vector<TilePlacement> sourcePlacements(const tile_vector &tiles);
    virtual std::vector<TilePlacement> sourcePlacements(int count) = 0;
    // By default takes tiles.size() hidden tiles.
    virtual void takeTiles(const tile_vector &tiles);
    virtual void takeTiles(int count) = 0;
};
