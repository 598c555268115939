#include "table/scene/TileView.h"

#include "game/tiles/TileGraphics.h"
#include "game/tiles/TileImages.h"

#include <QCursor>
#include <QDebug>
#include <QImage>
#include <QPainter>

namespace {

// Drawn above the own tile that was drawn last.
const QImage &lastTileMarker()
{
    static const QImage marker(QStringLiteral("resources:/last-tile-marker.png"));
    return marker;
}

double handFactor(const TileImages *images)
{
    return images->scale().hand;
}

int standingTileHeight(const TilePainter &painter)
{
    const TileImages *images = painter.images();
    return images ? static_cast<int>(images->placement(0, 3).height()) : 0;
}

} // namespace

TileView::TileView(int orientation, int kind, QGraphicsItem *parent)
    : TileView(orientation, kind, tile(0), parent)
{
}

TileView::TileView(int orientation, int kind, tile t, QGraphicsItem *parent)
    : QGraphicsItem(parent), m_painter(&TileGraphics::instance().painter()), m_tile(t),
      m_orientation(orientation)
{
    m_painter->addListener(this);
    setKind(kind);
}

TileView::~TileView()
{
    m_painter->removeListener(this);
}

void TileView::setKind(int kind)
{
    if (kind == m_kind)
        return;
    prepareGeometryChange();
    m_kind = kind;
    updateShadowGeometry();
    retranslate();
    update();
    setCursor(kind == 3 ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TileView::setTile(tile t)
{
    if (t == m_tile)
        return;
    m_tile = t;
    retranslate();
    update();
}

void TileView::setOrientation(int orientation)
{
    if (orientation == m_orientation)
        return;
    prepareGeometryChange();
    m_orientation = orientation;
    updateShadowGeometry();
    update();
}

void TileView::setMarked(bool marked)
{
    if (marked == m_marked)
        return;
    if (m_kind == 3)
        prepareGeometryChange();
    m_marked = marked;
    update();
}

void TileView::setShadowOffset(int dy, int elevation)
{
    if (dy == m_shadowDy && elevation == m_shadowElevation)
        return;
    m_shadowDy = dy;
    m_shadowElevation = elevation;
    updateShadowGeometry();
}

void TileView::setPainter(TilePainter *painter)
{
    if (!painter || painter == m_painter)
        return;
    imagesAboutToChange();
    m_painter->removeListener(this);
    m_painter = painter;
    m_painter->addListener(this);
    imagesChanged();
}

TileDimensions TileView::tileSize() const
{
    const TileImages *images = m_painter->images();
    return images ? images->dimensions(m_orientation, m_kind) : TileDimensions();
}

TilePlacement TileView::placement() const
{
    return TilePlacement{scenePos(), m_kind, m_orientation};
}

void TileView::retranslate()
{
    setToolTip(m_kind >= 4 && m_kind <= 8 ? QString() : tile::translatedName(m_tile));
}

void TileView::updateShadowGeometry()
{
    const TileImages *images = m_painter->images();
    if (m_kind == 8 || !images) {
        setData(ShadowGeometryKey, QVariant());
        return;
    }
    ShadowGeometry geometry = images->shadowGeometry(m_orientation, m_kind);
    if (m_shadowDy != 0 || m_shadowElevation != 0) {
        geometry.outline.translate(0, m_shadowDy);
        geometry.elevation = m_shadowElevation;
    }
    setData(ShadowGeometryKey, QVariant::fromValue(geometry));
}

void TileView::imagesAboutToChange()
{
    prepareGeometryChange();
}

void TileView::imagesChanged()
{
    updateShadowGeometry();
}

QRectF TileView::boundingRect() const
{
    const TileImages *images = m_painter->images();
    if (!images)
        return QRectF();
    QRectF rect = images->placement(m_orientation, m_kind);
    if (m_kind == 3 && m_marked)
        rect.setTop(rect.top() - lastTileMarker().height() * handFactor(images));
    return rect;
}

void TileView::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    const TilePainter &tiles = *m_painter;
    const QPoint origin(0, 0);
    switch (m_kind) {
    case 0:
        tiles.drawLyingTile(painter, origin, m_tile, m_orientation, m_marked);
        break;
    case 1:
        tiles.drawFaceDownTile(painter, origin, m_orientation);
        break;
    case 2:
        tiles.drawSidewaysTile(painter, origin, m_tile, m_orientation);
        break;
    case 3:
        if (m_marked && tiles.images()) {
            const QImage &marker = lastTileMarker();
            const double s = handFactor(tiles.images());
            const double width = tiles.images()->dimensions(0, 3).width();
            painter->drawImage(QRectF((width - marker.width() * s) / 2, -marker.height() * s,
                                      marker.width() * s, marker.height() * s),
                               marker);
        }
        tiles.drawOwnHandTile(painter, origin, m_tile, m_marked, isEnabled());
        break;
    case 4:
        tiles.drawHiddenTile(painter, origin, m_orientation);
        break;
    case 5:
    case 6:
    case 7:
        tiles.drawWallStack(painter, origin, m_orientation, m_kind - 5);
        break;
    case 8:
        break;
    case 9:
        tiles.drawWallDora(painter, origin, m_tile, m_orientation);
        break;
    default:
        qWarning() << "invalid tile display kind" << m_kind << "not drawn";
        break;
    }
}

int currentTileHeight()
{
    return standingTileHeight(TileGraphics::instance().painter());
}

int handAreaHeight()
{
    const int h = currentTileHeight();
    return h + h / 6;
}

double lastTileMarkerHeight()
{
    const TileImages *images = TileGraphics::instance().painter().images();
    return images ? lastTileMarker().height() * handFactor(images) : 0.0;
}

int baseLastTileMarkerHeight()
{
    return lastTileMarker().height();
}

int baseHandAreaHeight()
{
    const int h = standingTileHeight(TileGraphics::instance().basePainter());
    return h + h / 6;
}
