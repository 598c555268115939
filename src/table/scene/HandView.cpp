#include "table/scene/HandView.h"

#include "app/startup/GameSounds.h"
#include "game/tiles/TileGraphics.h"
#include "game/tiles/TileImages.h"

#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>

#include <algorithm>

HandTile::HandTile(HandView *hand) : TileView(0, 3, hand), m_hand(hand)
{
    setAcceptHoverEvents(true);
}

void HandTile::lower()
{
    if (m_lift == 0)
        return;
    moveBy(0, m_lift);
    m_lift = 0;
    setShadowOffset(0, 0);
    m_hand->updateShadow();
}

void HandTile::hoverEnterEvent(QGraphicsSceneHoverEvent *)
{
    if (m_lift != 0 || !m_hand->isSelectable(tileValue()))
        return;
    m_lift = Lift;
    moveBy(0, -Lift);
    GameSounds::instance().play(0, 0);
    setShadowOffset(Lift, 2);
    m_hand->updateShadow();
}

void HandTile::hoverLeaveEvent(QGraphicsSceneHoverEvent *)
{
    lower();
}

void HandTile::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    if (m_hand->m_selectionEnabled)
        emit m_hand->tileClicked(tileValue(), isMarked());
    else
        event->ignore();
}

HandView::HandView() : m_highlightedSource(this), m_sortedSource(this)
{
    setTiles(tile_vector());
}

HandView::~HandView() = default;

int HandView::tileWidth() const
{
    const TileImages *images = TileGraphics::instance().painter().images();
    return images ? images->dimensions(0, 3).width() : 0;
}

int HandView::tileHeight() const
{
    const TileImages *images = TileGraphics::instance().painter().images();
    return images ? images->dimensions(0, 3).height() : 0;
}

void HandView::setTiles(const tile_vector &tiles, const tile_vector &marked)
{
    tile_vector sorted = tiles;
    std::sort(sorted.rbegin(), sorted.rend());
    const std::size_t n = sorted.size();
    const int w = tileWidth();

    while (m_tiles.size() < n) {
        auto *item = new HandTile(this);
        item->setPos(-w * static_cast<int>(m_tiles.size() + 1), 0);
        m_tiles.push_back(item);
    }
    while (m_tiles.size() > n) {
        HandTile *item = m_tiles.back();
        m_tiles.pop_back();
        if (QGraphicsScene *s = item->scene())
            s->removeItem(item);
        delete item;
    }
    for (std::size_t i = 0; i < n; ++i) {
        m_tiles[i]->setTile(sorted[i]);
        m_tiles[i]->setMarked(false);
        refresh(m_tiles[i]);
    }
    for (const tile t : marked)
        markItem(t);
    layout();
}

void HandView::clearTiles()
{
    setTiles(tile_vector());
}

tile_vector HandView::tiles() const
{
    tile_vector result;
    result.reserve(m_tiles.size());
    for (const HandTile *item : m_tiles)
        result.push_back(item->tileValue());
    return result;
}

tile_vector HandView::markedTiles() const
{
    tile_vector result;
    for (auto it = m_tiles.rbegin(); it != m_tiles.rend(); ++it)
        if ((*it)->isMarked())
            result.push_back((*it)->tileValue());
    return result;
}

void HandView::removeTile(tile t)
{
    tile_vector kept;
    tile_vector marked;
    bool skipped = false;
    for (auto it = m_tiles.rbegin(); it != m_tiles.rend(); ++it) {
        if (!skipped && (*it)->tileValue() == t) {
            skipped = true;
            continue;
        }
        kept.push_back((*it)->tileValue());
        if ((*it)->isMarked())
            marked.push_back((*it)->tileValue());
    }
    setTiles(kept, marked);
}

void HandView::markTile(tile t)
{
    if (markItem(t))
        layout();
}

bool HandView::markItem(tile t)
{
    // The marked tiles stand together at the end of the row; j is the last place before
    // them, and the nearest tile of that value before it moves there.
    int j = static_cast<int>(m_tiles.size()) - 1;
    while (j >= 0 && m_tiles[static_cast<std::size_t>(j)]->isMarked())
        --j;
    int k = j;
    while (k >= 0 && m_tiles[static_cast<std::size_t>(k)]->tileValue() != t)
        --k;
    if (k < 0)
        return false;
    for (int i = k; i < j; ++i) {
        HandTile *item = m_tiles[static_cast<std::size_t>(i)];
        item->setTile(m_tiles[static_cast<std::size_t>(i) + 1]->tileValue());
        refresh(item);
    }
    HandTile *end = m_tiles[static_cast<std::size_t>(j)];
    end->setTile(t);
    end->setMarked(true);
    refresh(end);
    return true;
}

void HandView::clearMarks()
{
    for (HandTile *item : m_tiles)
        item->setMarked(false);
    layout();
}

void HandView::setTilesSelectable(bool selectable)
{
    if (selectable == m_selectionEnabled)
        return;
    if (!selectable) {
        m_selectableTiles.clear();
        for (HandTile *item : m_tiles) {
            item->lower();
            item->setEnabled(true);
        }
    }
    m_selectionEnabled = selectable;
    refreshAll();
}

void HandView::setSelectableTiles(const tile_vector &tiles)
{
    m_selectableTiles = tiles;
    refreshAll();
}

void HandView::clearSelectableTiles()
{
    m_selectableTiles.clear();
    refreshAll();
}

bool HandView::isSelectable(tile t) const
{
    if (!m_selectionEnabled)
        return false;
    return m_selectableTiles.empty()
        || std::find(m_selectableTiles.begin(), m_selectableTiles.end(), t)
               != m_selectableTiles.end();
}

QPointF HandView::firstTilePos() const
{
    const int n = static_cast<int>(m_tiles.size());
    return pos() - QPointF(((n - 1) * tileWidth()) / 2, 0);
}

QRectF HandView::rowArea(int count) const
{
    const TileImages *images = TileGraphics::instance().painter().images();
    if (!images || count <= 0)
        return QRectF();
    const int w = tileWidth();
    const QRectF tile = images->placement(0, 3);
    // The drawn tile stands a quarter tile apart at the far end, as the layout sets it.
    const double left = -w * count - w / 4 + tile.left();
    const double top = tile.top() - HandTile::Lift - lastTileMarkerHeight();
    return QRectF(QPointF(left, top), QPointF(-w + tile.right(), tile.bottom()));
}

TileAnimationSource *HandView::animationSource(bool highlighted)
{
    if (highlighted)
        return &m_highlightedSource;
    return &m_sortedSource;
}

TileAnimationTarget *HandView::asAnimationTarget()
{
    return this;
}

void HandView::retranslate()
{
    for (HandTile *item : m_tiles)
        item->retranslate();
}

void HandView::refresh(HandTile *item)
{
    item->lower();
    item->setEnabled(isSelectable(item->tileValue()));
}

void HandView::refreshAll()
{
    for (HandTile *item : m_tiles)
        refresh(item);
}

void HandView::layout()
{
    const int w = tileWidth();
    const int gap = w / 4;
    for (std::size_t i = 0; i < m_tiles.size(); ++i) {
        HandTile *item = m_tiles[i];
        const int x = -w * static_cast<int>(i + 1) - (item->isMarked() ? gap : 0);
        item->setPos(x, -item->lift());
    }
    updateShadow();
}

TilePlacement HandView::placementAt(int x) const
{
    const QPointF p = pos();
    return TilePlacement{QPointF(p.x() + x, p.y() - tileHeight() / 2), 3, 0};
}

std::vector<TilePlacement> HandView::targetPlacements(const tile_vector &tiles)
{
    const int n = static_cast<int>(m_tiles.size());
    const int w = tileWidth();
    std::vector<TilePlacement> result;
    for (int j = 0; j < static_cast<int>(tiles.size()); ++j)
        result.push_back(placementAt(-w * (n + 1 + j)));
    return result;
}

std::vector<TilePlacement> HandView::targetPlacements(int)
{
    return {};
}

void HandView::putTiles(const tile_vector &tiles)
{
    tile_vector all = this->tiles();
    all.insert(all.end(), tiles.begin(), tiles.end());
    setTiles(all, markedTiles());
}

void HandView::putTiles(int)
{
}

std::vector<TilePlacement> HandView::AnimationSource::sourcePlacements(int)
{
    return {};
}

void HandView::AnimationSource::takeTiles(const tile_vector &tiles)
{
    for (const tile t : tiles)
        m_hand->removeTile(t);
}

void HandView::AnimationSource::takeTiles(int)
{
}

std::vector<TilePlacement>
HandView::SortedAnimationSource::sourcePlacements(const tile_vector &tiles)
{
    const std::vector<HandTile *> &items = m_hand->m_tiles;
    const int w = m_hand->tileWidth();
    std::vector<TilePlacement> result;
    for (const tile t : tiles) {
        std::size_t g = 0;
        while (g < items.size() && t < items[g]->tileValue())
            ++g;
        std::size_t e = 0;
        while (g + e < items.size() && items[g + e]->tileValue() == t)
            ++e;
        const int k = static_cast<int>(1 + 2 * g + e);
        result.push_back(m_hand->placementAt(-(w * k) / 2));
    }
    return result;
}

std::vector<TilePlacement>
HandView::HighlightedAnimationSource::sourcePlacements(const tile_vector &tiles)
{
    const int n = static_cast<int>(m_hand->m_tiles.size());
    const int w = m_hand->tileWidth();
    std::vector<TilePlacement> result;
    for (int j = 0; j < static_cast<int>(tiles.size()); ++j)
        result.push_back(m_hand->placementAt(-w * (n - j)));
    return result;
}
