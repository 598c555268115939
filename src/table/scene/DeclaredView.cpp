#include "table/scene/DeclaredView.h"

#include "app/meld.h"
#include "game/tiles/TileGraphics.h"
#include "game/tiles/TileImages.h"
#include "table/scene/MeldView.h"

#include <QGraphicsScene>

#include <algorithm>
#include <cmath>

namespace {

TileDimensions lyingSize(const TilePainter &painter, int orientation)
{
    const TileImages *images = painter.images();
    return images ? images->dimensions(orientation, 0) : TileDimensions();
}

} // namespace

DeclaredView::DeclaredView(int orientation, double maxRowLength)
    : m_painter(&TileGraphics::instance().painter()), m_orientation(orientation),
      m_maxRowLength(maxRowLength)
{
}

DeclaredView::~DeclaredView() = default;

std::list<MeldView *>::iterator DeclaredView::firstBonus()
{
    return std::find_if(m_melds.begin(), m_melds.end(),
                        [](const MeldView *meld) { return meld->kind() == BONUS; });
}

void DeclaredView::remove(std::list<MeldView *>::iterator it)
{
    MeldView *meld = *it;
    if (QGraphicsScene *s = meld->scene()) {
        s->update(meld->mapRectToScene(meld->childrenBoundingRect()));
        s->removeItem(meld);
    }
    delete meld;
    m_melds.erase(it);
}

void DeclaredView::insert(std::list<MeldView *>::iterator before, MeldView *meld)
{
    meld->setImageSet(m_painter);
    meld->setParentItem(this);
    m_melds.insert(before, meld);
}

void DeclaredView::addMeld(int kind, tile t, int claimPosition, int claimedOffset,
                           int concealment, char markPosition)
{
    std::list<MeldView *>::iterator place;
    MeldView *meld = nullptr;
    switch (kind) {
    case CHOW:
    case PONG:
    case KONG:
    case PAIR:
        place = firstBonus();
        meld = new MeldView(m_orientation, kind, t, claimPosition, claimedOffset, concealment);
        break;
    case PONG_TO_KONG: {
        place = m_melds.begin();
        while (place != m_melds.end() && (*place)->kind() != BONUS
               && !((*place)->kind() == PONG && !(*place)->tiles().empty()
                    && (*place)->tiles().front() == t))
            ++place;
        if (place != m_melds.end() && (*place)->kind() == PONG) {
            const auto next = std::next(place);
            remove(place);
            place = next;
        }
        meld = new MeldView(m_orientation, kind, t, claimPosition, claimedOffset, concealment);
        break;
    }
    case BONUS: {
        tile_vector tiles{t};
        place = std::find_if(m_melds.begin(), m_melds.end(), [t](const MeldView *m) {
            return m->kind() == BONUS && !m->tiles().empty()
                && m->tiles().front().suit() == t.suit();
        });
        if (place != m_melds.end()) {
            const tile_vector old = (*place)->tiles();
            tiles.insert(tiles.begin(), old.begin(), old.end());
            std::sort(tiles.begin(), tiles.end());
            const auto next = std::next(place);
            remove(place);
            place = next;
        }
        meld = new MeldView(m_orientation, kind, tiles);
        break;
    }
    default:
        return;
    }
    insert(place, meld);
    if (markPosition > 0) {
        const int code = kind == CHOW ? t.code() + 3 - markPosition : t.code();
        if (code >= 0 && code <= 255)
            meld->markTile(tile(static_cast<std::uint8_t>(code)));
    }
    layoutMelds();
}

void DeclaredView::addBonusTile(tile t)
{
    addMeld(BONUS, t, -1, -1, 0, 0);
}

void DeclaredView::addTiles(const tile_vector &tiles, int markPosition)
{
    auto *meld = new MeldView(m_orientation, MAHJONG, tiles);
    insert(firstBonus(), meld);
    if (markPosition >= 1 && markPosition <= static_cast<int>(tiles.size()))
        meld->markTile(tiles[markPosition - 1]);
    layoutMelds();
}

void DeclaredView::addTile(tile t)
{
    addTiles(tile_vector{t}, -1);
}

void DeclaredView::clear()
{
    while (!m_melds.empty())
        remove(m_melds.begin());
    updateShadow();
}

void DeclaredView::relayout()
{
    for (MeldView *meld : m_melds)
        meld->relayout();
    layoutMelds();
}

void DeclaredView::setImageSet(TilePainter *painter)
{
    if (!painter)
        return;
    m_painter = painter;
    for (MeldView *meld : m_melds)
        meld->setImageSet(painter);
    relayout();
}

void DeclaredView::setMaxRowLength(double length)
{
    m_maxRowLength = length;
    relayout();
}

void DeclaredView::setHandBeside(double tileWidth, double depth)
{
    if (tileWidth == m_handTileWidth && depth == m_handDepth)
        return;
    m_handTileWidth = tileWidth;
    m_handDepth = depth;
    relayout();
}

double DeclaredView::meldRowLength() const
{
    if (m_handTileWidth <= 0)
        return m_maxRowLength;
    int melds = 0;
    for (const MeldView *meld : m_melds)
        melds += meld->kind() == BONUS ? 0 : 1;
    const double hand = std::max(14.25 - 3 * melds, 0.0) * m_handTileWidth;
    return std::max(m_maxRowLength - hand, 0.0);
}

void DeclaredView::retranslate()
{
    for (MeldView *meld : m_melds)
        meld->retranslate();
}

void DeclaredView::layoutMelds()
{
    const TileDimensions lying = lyingSize(*m_painter, m_orientation);
    const int halfW = lying.width() / 2;
    const int halfH = lying.height() / 2;
    double x = 0;
    double y = 0;
    double rowMax = 0;
    const bool across = m_orientation == 0 || m_orientation == 2;
    if (!m_melds.empty()) {
        const QRect first = m_melds.front()->bounds();
        if (m_orientation == 2)
            y -= first.height();
        else if (m_orientation == 3)
            x -= first.width();
    }
    // Rows beside the hand leave it its room; rows beyond it have the whole length.
    const double firstRow = across ? y : x;
    const double besideHand = meldRowLength();
    const auto rowLength = [&] {
        return std::abs((across ? y : x) - firstRow) < m_handDepth ? besideHand : m_maxRowLength;
    };
    for (MeldView *meld : m_melds) {
        const QRect r = meld->bounds();
        const int rx = r.x();
        const int ry = r.y();
        const int rw = r.width();
        const int rh = r.height();
        if (across) {
            if (std::abs(x) + rw > rowLength()) {
                x = 0;
                y += rowMax;
                rowMax = 0;
            }
        } else if (std::abs(y) + rh > rowLength()) {
            y = 0;
            x += rowMax;
            rowMax = 0;
        }
        switch (m_orientation) {
        case 0:
            x -= rx;
            break;
        case 1:
            y -= rh + ry;
            break;
        case 2:
            x -= rw + rx;
            break;
        case 3:
            y -= ry;
            break;
        default:
            break;
        }
        meld->setPos(x, y);
        meld->setZValue(y);
        switch (m_orientation) {
        case 0:
            x += rx + rw + halfW;
            rowMax = std::max<double>(rowMax, halfW + rh);
            break;
        case 1:
            y += ry - halfH;
            rowMax = std::max<double>(rowMax, halfH + rw);
            break;
        case 2:
            x += rx - halfW;
            rowMax = std::min<double>(rowMax, -rh - halfW);
            break;
        case 3:
            y += ry + rh + halfW;
            rowMax = std::min<double>(rowMax, -rw - halfH);
            break;
        default:
            break;
        }
    }
    updateShadow();
}

int DeclaredView::declaredAreaDepth(int orientation)
{
    const TileDimensions lying = lyingSize(TileGraphics::instance().basePainter(), orientation);
    if (orientation == 0 || orientation == 2)
        return lying.width() / 2 + 2 * MeldView::crossSizeY(orientation);
    return lying.height() / 2 + 2 * MeldView::crossSizeX(orientation);
}

QPointF DeclaredView::nextMeldPos() const
{
    const TileDimensions lying = lyingSize(*m_painter, m_orientation);
    const int w = lying.width();
    const int h = lying.height();
    const TileImages *images = m_painter->images();
    const double s = images ? images->scale().table : 1.0;
    const int dy = static_cast<int>(MeldView::crossSizeY(m_orientation) * s);
    const int dx = static_cast<int>(MeldView::crossSizeX(m_orientation) * s);

    const QRectF children = childrenBoundingRect();
    QRectF r = QRectF(QPointF(std::min(0.0, children.left()), std::min(0.0, children.top())),
                      QPointF(std::max(0.0, children.right()), std::max(0.0, children.bottom())));
    if (children.isNull())
        r = QRectF();
    if (r.width() <= 0 || r.height() <= 0) {
        if (m_orientation == 2)
            r.translate(0, -dy);
        else if (m_orientation == 3)
            r.translate(-dx, 0);
    }
    const QPointF p = scenePos() + r.topLeft();
    switch (m_orientation) {
    case 0:
        return QPointF(p.x() + r.width() + w / 2, p.y() + dy - h);
    case 1:
        return QPointF(p.x() + dx - w, p.y() - h - h / 2);
    case 2:
        return QPointF(p.x() - w - w / 2, p.y());
    case 3:
        return QPointF(p.x(), p.y() + r.height() + h / 2);
    default:
        return p;
    }
}

std::vector<TilePlacement> DeclaredView::targetPlacements(int count)
{
    const TileDimensions lying = lyingSize(*m_painter, m_orientation);
    const int w = lying.width();
    const int h = lying.height();
    QPointF step;
    switch (m_orientation) {
    case 0:
        step = QPointF(w, 0);
        break;
    case 1:
        step = QPointF(0, -h);
        break;
    case 2:
        step = QPointF(-w, 0);
        break;
    case 3:
        step = QPointF(0, h);
        break;
    default:
        break;
    }
    const QPointF start = nextMeldPos();
    std::vector<TilePlacement> result;
    for (int i = 0; i < count; ++i)
        result.push_back(TilePlacement{start + step * i, 0, m_orientation});
    return result;
}

void DeclaredView::putTiles(int)
{
}
