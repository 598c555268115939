#include "table/scene/HiddenHandView.h"

#include "game/tiles/TileGraphics.h"
#include "game/tiles/TileImages.h"

#include <QGraphicsScene>

HiddenHandView::HiddenHandView(int orientation) : m_orientation(orientation)
{
}

HiddenHandView::~HiddenHandView() = default;

void HiddenHandView::setTileCount(unsigned count)
{
    if (count > MaxTiles || count == m_tiles.size())
        return;
    while (m_tiles.size() < count) {
        const int i = static_cast<int>(m_tiles.size());
        auto *item = new TileView(m_orientation, 4, this);
        m_tiles.push_back(item);
        item->setPos(tileOffset(i));
        item->setZValue(tileZ(i));
    }
    while (m_tiles.size() > count) {
        TileView *item = m_tiles.back();
        m_tiles.pop_back();
        if (QGraphicsScene *s = item->scene())
            s->removeItem(item);
        delete item;
    }
    updateShadow();
}

QPointF HiddenHandView::tileOffset(int i) const
{
    const TileImages *images = TileGraphics::instance().painter().images();
    if (!images)
        return QPointF();
    const TileDimensions size = images->dimensions(m_orientation, 4);
    const QRectF rect = images->placement(m_orientation, 4);
    const int w = size.width();
    const int h = size.height();
    switch (m_orientation) {
    case 0:
        return QPointF(-(i + 1) * w, 0);
    case 1:
        return QPointF(0, i * h);
    case 2:
        return QPointF(i * w, -rect.height());
    case 3:
        return QPointF(-rect.width(), -(i + 1) * h);
    default:
        return QPointF();
    }
}

QPointF HiddenHandView::tileScenePos(int i) const
{
    return scenePos() + tileOffset(i);
}

QRectF HiddenHandView::rowArea(int count) const
{
    const TileImages *images = TileGraphics::instance().painter().images();
    if (!images)
        return QRectF();
    const QRectF tile = images->placement(m_orientation, 4);
    QRectF area;
    for (int i = 0; i < count; ++i)
        area |= tile.translated(tileOffset(i));
    return area;
}

double HiddenHandView::tileZ(int i) const
{
    switch (m_orientation) {
    case 1:
        return i;
    case 3:
        return -i;
    default:
        return 0;
    }
}

void HiddenHandView::relayout()
{
    for (std::size_t i = 0; i < m_tiles.size(); ++i) {
        m_tiles[i]->setPos(tileOffset(static_cast<int>(i)));
        m_tiles[i]->updateShadowGeometry();
    }
    updateShadow();
}

std::vector<TilePlacement> HiddenHandView::sourcePlacements(int count)
{
    const int n = tileCount();
    std::vector<TilePlacement> result;
    for (int j = 0; j < count; ++j)
        result.push_back(TilePlacement{tileScenePos(n - 1 - j), 4, m_orientation});
    return result;
}

void HiddenHandView::takeTiles(int count)
{
    setTileCount(static_cast<unsigned>(tileCount() - count));
}

std::vector<TilePlacement> HiddenHandView::targetPlacements(int count)
{
    const int n = tileCount();
    std::vector<TilePlacement> result;
    for (int j = 0; j < count; ++j)
        result.push_back(TilePlacement{tileScenePos(n + j), 4, m_orientation});
    return result;
}

void HiddenHandView::putTiles(int count)
{
    setTileCount(static_cast<unsigned>(tileCount() + count));
}
