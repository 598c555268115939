#include "table/scene/TileAnimationTarget.h"

TileAnimationTarget::~TileAnimationTarget() = default;

std::vector<TilePlacement> TileAnimationTarget::targetPlacements(const tile_vector &tiles)
{
    return targetPlacements(static_cast<int>(tiles.size()));
}

void TileAnimationTarget::putTiles(const tile_vector &tiles)
{
    putTiles(static_cast<int>(tiles.size()));
}
