#pragma once

#include "app/tile.h"
#include "table/scene/TilePlacement.h"

#include <vector>

// The place where moving tiles land. An animation asks for the end placements
// (entry i for moving tile i) before either end changes, and puts the tiles
// in when its time line has finished.
class TileAnimationTarget
{
public:
    virtual ~TileAnimationTarget();
    // By default the placements of tiles.size() hidden tiles.
    virtual std::vector<TilePlacement> targetPlacements(const tile_vector &tiles);
    virtual std::vector<TilePlacement> targetPlacements(int count) = 0;
    // By default puts tiles.size() hidden tiles.
    virtual void putTiles(const tile_vector &tiles);
    virtual void putTiles(int count) = 0;
};
