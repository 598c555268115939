#pragma once

#include "game/tiles/TileDimensions.h"

#include <QRectF>

// Sizes of the tile pictures of the tile graphics manager, by orientation and display
// kind: the game set (what is on screen) and the base set (factor 1.0, for the layouts'
// base sizes). Empty sizes while no set is loaded.
namespace TileMetrics {

TileDimensions gameSize(int orientation, int kind);
QRectF gameRect(int orientation, int kind);
TileDimensions baseSize(int orientation, int kind);
QRectF baseRect(int orientation, int kind);

// The size along the row of a view: the width for BOTTOM and TOP, the height for RIGHT
// and LEFT.
int runLength(const TileDimensions &size, int orientation);

} // namespace TileMetrics
