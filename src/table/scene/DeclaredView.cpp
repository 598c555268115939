#include "table/scene/DeclaredView.h"

#include "app/meld.h"
#include "game/tiles/TileGraphics.h"
#include "game/tiles/TileImages.h"
#include "table/scene/MeldView.h"

#include <QGraphicsScene>

#include <algorithm>

namespace {

// More empty rows than that leave nothing worth keeping clear.
constexpr int MaxSkippedRows = 8;
// Tiles may touch what they keep clear of by the width of their edges and shadows.
constexpr double EdgeTolerance = 2;

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

bool DeclaredView::Surroundings::operator==(const Surroundings &other) const
{
    return hand == other.hand && handTileLength == other.handTileLength && keepClear == other.keepClear &&
           room == other.room;
}

void DeclaredView::setSurroundings(const Surroundings &surroundings)
{
    if (surroundings == m_surroundings)
        return;
    m_surroundings = surroundings;
    relayout();
}

DeclaredView::RowExtent DeclaredView::rowExtent(const QRectF &rect) const
{
    switch (m_orientation) {
    case 0:
        return RowExtent{rect.left(), rect.right(), rect.top(), rect.bottom()};
    case 1:
        return RowExtent{-rect.bottom(), -rect.top(), rect.left(), rect.right()};
    case 2:
        return RowExtent{-rect.right(), -rect.left(), -rect.bottom(), -rect.top()};
    default:
        return RowExtent{rect.top(), rect.bottom(), -rect.right(), -rect.left()};
    }
}

void DeclaredView::retranslate()
{
    for (MeldView *meld : m_melds)
        meld->retranslate();
}

DeclaredView::RowLimits DeclaredView::rowLimits() const
{
    RowLimits limits;
    const TileDimensions lying = lyingSize(*m_painter, m_orientation);
    const bool sideways = m_orientation == 1 || m_orientation == 3;
    limits.alongGap = (m_orientation == 1 ? lying.height() : lying.width()) / 2;
    limits.rowGap = (sideways ? lying.height() : lying.width()) / 2;
    // The hand at its fullest, less three tiles a meld at its near end.
    limits.withHand = !m_surroundings.hand.isEmpty();
    if (limits.withHand) {
        const auto melds = std::count_if(m_melds.begin(), m_melds.end(),
                                         [](const MeldView *meld) { return meld->kind() != BONUS; });
        limits.hand = rowExtent(mapRectFromScene(m_surroundings.hand));
        limits.hand.begin += 3 * std::min<double>(double(melds), 4) * m_surroundings.handTileLength;
    }
    for (const QRectF &area : m_surroundings.keepClear)
        limits.keepClear.append(mapRectFromScene(area));
    limits.withRoom = !m_surroundings.room.isEmpty();
    limits.room = mapRectFromScene(m_surroundings.room).adjusted(-1, -1, 1, 1);
    return limits;
}

QPointF DeclaredView::meldPos(const QRect &bounds, double along, double out) const
{
    switch (m_orientation) {
    case 0:
        return QPointF(along - bounds.x(), out);
    case 1:
        return QPointF(out, -along - bounds.height() - bounds.y());
    case 2:
        return QPointF(-along - bounds.width() - bounds.x(), -bounds.height() - out);
    default:
        return QPointF(-bounds.width() - out, along - bounds.y());
    }
}

bool DeclaredView::keepsClear(const RowLimits &limits, const QRectF &tiles) const
{
    const RowExtent e = rowExtent(tiles);
    if (limits.withHand && e.end > limits.hand.begin && e.outer > limits.hand.inner && e.inner < limits.hand.outer)
        return false;
    return std::none_of(limits.keepClear.begin(), limits.keepClear.end(), [&tiles](const QRectF &area) {
        const QRectF both = area & tiles;
        return both.width() > EdgeTolerance && both.height() > EdgeTolerance;
    });
}

bool DeclaredView::staysInside(const RowLimits &limits, const QRectF &tiles)
{
    return !limits.withRoom || limits.room.contains(tiles);
}

void DeclaredView::placeMeld(MeldView *meld, const RowLimits &limits, Row &row) const
{
    const QRect bounds = meld->bounds();
    const QRectF drawn = meld->childrenBoundingRect();
    const bool across = m_orientation == 0 || m_orientation == 2;
    const double length = across ? bounds.width() : bounds.height();
    const double depth = across ? bounds.height() : bounds.width();
    const auto tilesAt = [&](double along, double out) { return drawn.translated(meldPos(bounds, along, out)); };

    // A meld past the row's length goes to the next row, unless that would leave the
    // room where this row still has some; so does one not clear where the row has got to.
    const bool overlong = row.along + length > m_maxRowLength;
    const bool runsOn = overlong && staysInside(limits, tilesAt(row.along, row.out))
        && !staysInside(limits, tilesAt(0, row.out + row.depth));
    if (!row.empty && ((overlong && !runsOn) || !keepsClear(limits, tilesAt(row.along, row.out))))
        row = Row{0, row.out + row.depth, 0, true};
    // A row with no room for the meld at its start is left empty, up to a row clear of
    // everything.
    for (int skipped = 0; skipped < MaxSkippedRows && !keepsClear(limits, tilesAt(row.along, row.out)); ++skipped)
        row.out += depth + limits.rowGap;

    const QPointF pos = meldPos(bounds, row.along, row.out);
    meld->setPos(pos);
    meld->setZValue(pos.y());
    row.along += length + limits.alongGap;
    row.depth = std::max(row.depth, depth + limits.rowGap);
    row.empty = false;
}

void DeclaredView::layoutMelds()
{
    // A row runs from the origin along the seat's side; the rows stack outwards from the
    // table.
    const RowLimits limits = rowLimits();
    Row row;
    for (MeldView *meld : m_melds)
        placeMeld(meld, limits, row);
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
