#include "table/scene/TileMetrics.h"

#include "app/wind.h"
#include "game/tiles/TileGraphics.h"
#include "game/tiles/TileImages.h"

namespace TileMetrics {

TileDimensions gameSize(int orientation, int kind)
{
    const TileImages *images = TileGraphics::instance().painter().images();
    return images ? images->dimensions(orientation, kind) : TileDimensions(0, 0, 0);
}

QRectF gameRect(int orientation, int kind)
{
    const TileImages *images = TileGraphics::instance().painter().images();
    return images ? images->placement(orientation, kind) : QRectF();
}

TileDimensions baseSize(int orientation, int kind)
{
    const TileImages *images = TileGraphics::instance().basePainter().images();
    return images ? images->dimensions(orientation, kind) : TileDimensions(0, 0, 0);
}

QRectF baseRect(int orientation, int kind)
{
    const TileImages *images = TileGraphics::instance().basePainter().images();
    return images ? images->placement(orientation, kind) : QRectF();
}

int runLength(const TileDimensions &size, int orientation)
{
    return orientation == RIGHT || orientation == LEFT ? size.height() : size.width();
}

} // namespace TileMetrics
