#include "table/scene/MeldView.h"

#include "app/meld.h"
#include "game/tiles/TileGraphics.h"
#include "game/tiles/TileImages.h"

#include <QDebug>

#include <algorithm>
#include <stdexcept>

namespace {

// Chow layouts by claim position c and claimed offset o (row c + 3·o): the
// claimed tile at place c, the other two ascending.
constexpr int chowOrder[9][3] = {
    {0, 1, 2}, {1, 0, 2}, {1, 2, 0}, {1, 0, 2}, {0, 1, 2},
    {0, 2, 1}, {2, 0, 1}, {0, 2, 1}, {0, 1, 2},
};

tile offsetTile(tile t, int offset)
{
    return tile(static_cast<std::uint8_t>(t.code() + offset));
}

TileDimensions sizeIn(const TilePainter &painter, int orientation, int kind)
{
    const TileImages *images = painter.images();
    return images ? images->dimensions(orientation, kind) : TileDimensions();
}

int crossSize(const TilePainter &painter, int orientation, bool along)
{
    const TileDimensions lying = sizeIn(painter, orientation, 0);
    const TileDimensions sideways = sizeIn(painter, orientation, 2);
    return along ? std::max(lying.width(), 2 * sideways.width())
                 : std::max(lying.height(), 2 * sideways.height());
}

} // namespace

MeldView::MeldView(int orientation, int kind, tile t, int claimPosition, int claimedOffset,
                   int concealment)
    : m_painter(&TileGraphics::instance().painter()), m_orientation(orientation), m_kind(kind),
      m_claimPosition(claimPosition)
{
    const int c = claimPosition;
    const int k = concealment;
    switch (kind) {
    case CHOW:
        if (c >= 0 && c <= 2 && claimedOffset >= 0 && claimedOffset <= 2) {
            for (int j = 0; j < 3; ++j)
                addTile(offsetTile(t, chowOrder[c + 3 * claimedOffset][j]), j == c ? 2 : 0);
        } else {
            if (c != -1)
                qWarning() << "chow claimed at" << c << "offset" << claimedOffset
                           << "laid out plainly";
            for (int j = 0; j < 3; ++j)
                addTile(offsetTile(t, j), 0);
        }
        break;
    case PONG:
        for (int j = 0; j < 3; ++j) {
            const bool faceDown = (k == 2 && j < 2) || (k != 0 && j == 2);
            addTile(t, j == c ? 2 : faceDown ? 1 : 0);
        }
        break;
    case KONG:
        for (int j = 0; j < 4; ++j) {
            const bool sideways = (j == 0 && c == 0) || (j == 1 && c == 1) || (j == 3 && c == 2);
            const bool faceDown = ((j == 0 || j == 3) && k != 0) || ((j == 1 || j == 2) && k == 2);
            addTile(t, sideways ? 2 : faceDown ? 1 : 0);
        }
        break;
    case PONG_TO_KONG:
        for (int j = 0; j < 4; ++j) {
            const bool sideways = (j == 0 && c == 0) || (j == 1 && (c == 0 || c == 1))
                                  || (j == 2 && (c == 1 || c == 2)) || (j == 3 && c == 2);
            addTile(t, sideways ? 2 : 0);
        }
        break;
    case PAIR:
        for (int j = 0; j < 2; ++j)
            addTile(t, j == c ? 2 : 0);
        break;
    case BONUS:
    case RIICHI:
        addTile(t, 0);
        break;
    default:
        throw std::runtime_error("can't create view for unhandled meld-type");
    }
    relayout();
}

MeldView::MeldView(int orientation, int kind, const tile_vector &tiles)
    : m_painter(&TileGraphics::instance().painter()), m_orientation(orientation), m_kind(kind)
{
    for (const tile t : tiles)
        addTile(t, 0);
    relayout();
}

MeldView::~MeldView() = default;

void MeldView::addTile(tile t, int kind)
{
    const int i = static_cast<int>(m_tiles.size());
    auto *item = new TileView(m_orientation, kind, t, this);
    item->setPainter(m_painter);
    item->setZValue(m_orientation == 1 ? -i : i);
    m_tiles.push_back(item);
}

tile_vector MeldView::tiles() const
{
    tile_vector result;
    for (const TileView *item : m_tiles)
        result.push_back(item->tileValue());
    return result;
}

void MeldView::markTile(tile t)
{
    for (TileView *item : m_tiles) {
        if (item->tileValue() == t && !item->isMarked()) {
            item->setMarked(true);
            return;
        }
    }
}

void MeldView::setImageSet(TilePainter *painter)
{
    if (!painter)
        return;
    m_painter = painter;
    for (TileView *item : m_tiles)
        item->setPainter(painter);
    relayout();
}

void MeldView::relayout()
{
    if (m_kind == PONG_TO_KONG)
        addedKongLayout();
    else
        rowLayout();
}

void MeldView::resetCursor()
{
    if (m_orientation == 0 || m_orientation == 2) {
        m_cx = 0;
        m_cy = crossSize(*m_painter, m_orientation, false);
    } else {
        m_cx = crossSize(*m_painter, m_orientation, true);
        m_cy = 0;
    }
}

QPointF MeldView::rowPosition(const TileDimensions &size) const
{
    const int tw = size.width();
    const int th = size.height();
    switch (m_orientation) {
    case 0:
        return QPointF(m_cx, m_cy - th);
    case 1:
        return QPointF(m_cx - tw, -(m_cy + th));
    case 2:
        return QPointF(-(m_cx + tw), 0);
    case 3:
        return QPointF(0, m_cy);
    default:
        return QPointF();
    }
}

void MeldView::advanceCursor(const TileDimensions &size)
{
    if (m_orientation == 0 || m_orientation == 2)
        m_cx += size.width();
    else
        m_cy += size.height();
}

void MeldView::rowLayout()
{
    resetCursor();
    for (TileView *item : m_tiles) {
        const TileDimensions size = item->tileSize();
        item->setPos(rowPosition(size));
        advanceCursor(size);
    }
}

void MeldView::addedKongLayout()
{
    resetCursor();
    const int claimed = m_claimPosition;
    for (int i = 0; i < static_cast<int>(m_tiles.size()); ++i) {
        TileView *item = m_tiles[i];
        const TileDimensions size = item->tileSize();
        if (i != claimed || i + 1 >= static_cast<int>(m_tiles.size())) {
            item->setPos(rowPosition(size));
            advanceCursor(size);
            continue;
        }
        const QPointF off = rowPosition(size);
        const int tw = size.width();
        const int th = size.height();
        switch (m_orientation) {
        case 0:
            item->setPos(off.x(), off.y() - th);
            break;
        case 1:
            item->setPos(off.x() - tw, off.y());
            break;
        case 3:
            item->setPos(off.x() + tw, off.y());
            break;
        default:
            item->setPos(off);
            break;
        }
        TileView *added = m_tiles[++i];
        added->setPos(m_orientation == 2 ? QPointF(off.x(), off.y() + th) : off);
        advanceCursor(added->tileSize());
    }
}

QRect MeldView::bounds() const
{
    switch (m_orientation) {
    case 0:
        return QRect(QPoint(0, 0), QPoint(m_cx - 1, m_cy - 1));
    case 1:
        return QRect(QPoint(0, -m_cy), QPoint(m_cx - 1, -1));
    case 2:
        return QRect(QPoint(-m_cx, -m_cy), QPoint(-1, -1));
    case 3:
        return QRect(QPoint(-m_cx, 0), QPoint(-1, m_cy - 1));
    default:
        return QRect();
    }
}

void MeldView::retranslate()
{
    for (TileView *item : m_tiles)
        item->retranslate();
}

int MeldView::crossSizeX(int orientation)
{
    if (orientation != 1 && orientation != 3)
        return 0;
    return crossSize(TileGraphics::instance().basePainter(), orientation, true);
}

int MeldView::crossSizeY(int orientation)
{
    if (orientation != 0 && orientation != 2)
        return 0;
    return crossSize(TileGraphics::instance().basePainter(), orientation, false);
}
