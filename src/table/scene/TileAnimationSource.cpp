#include "table/scene/TileAnimationSource.h"

TileAnimationSource::~TileAnimationSource() = default;

std::vector<TilePlacement> TileAnimationSource::sourcePlacements(const tile_vector &tiles)
{
    return sourcePlacements(static_cast<int>(tiles.size()));
}

void TileAnimationSource::takeTiles(const tile_vector &tiles)
{
    takeTiles(static_cast<int>(tiles.size()));
}
