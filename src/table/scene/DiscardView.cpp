#include "table/scene/DiscardView.h"

#include "game/tiles/TileGraphics.h"
#include "game/tiles/TileImages.h"

#include <QGraphicsScene>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace {

TileDimensions gameSize(int orientation, int kind)
{
    const TileImages *images = TileGraphics::instance().painter().images();
    return images ? images->dimensions(orientation, kind) : TileDimensions();
}

QRectF gamePicture(int orientation, int kind)
{
    const TileImages *images = TileGraphics::instance().painter().images();
    return images ? images->placement(orientation, kind) : QRectF();
}

void discard(TileView *item)
{
    if (QGraphicsScene *scene = item->scene())
        scene->removeItem(item);
    delete item;
}

} // namespace

DiscardView::DiscardView(int orientation) : m_orientation(orientation)
{
}

DiscardView::~DiscardView() = default;

QPointF DiscardView::offset(int i, int step) const
{
    const TileDimensions lying = gameSize(m_orientation, 0);
    const TileDimensions sideways = gameSize(m_orientation, 2);
    const int w = lying.width();
    const int h = lying.height();
    const int W = sideways.width();
    const int H = sideways.height();
    const int r = i / 6;
    const int c = i % 6;

    double x = 0;
    double y = 0;
    switch (m_orientation) {
    case 0:
        x = w * c;
        y = r * step - h;
        break;
    case 1:
        x = r * step - w;
        y = -(c + 1) * h;
        break;
    case 2:
        x = -(c + 1) * w;
        y = -r * step;
        break;
    case 3:
        x = -r * step;
        y = c * h;
        break;
    default:
        break;
    }

    if (i == m_riichiIndex) {
        switch (m_orientation) {
        case 1:
            y -= H - h;
            break;
        case 2:
            x -= W - w;
            y -= H - h;
            break;
        case 3:
            x += w - W;
            break;
        default:
            break;
        }
    }
    const int R = m_riichiIndex;
    if (R >= 6 * r && R < 6 * r + 6 && R % 6 < c) {
        switch (m_orientation) {
        case 0:
            x += W - w;
            break;
        case 1:
            y -= H - h;
            break;
        case 2:
            x -= W - w;
            break;
        case 3:
            y += H - h;
            break;
        default:
            break;
        }
    }
    return QPointF(x, y);
}

double DiscardView::z(int i) const
{
    switch (m_orientation) {
    case 1:
        return 6 * (i / 6 + 1) - i;
    case 2:
        return -i;
    case 3:
        return i % 6;
    default:
        return i;
    }
}

int DiscardView::rowStep(int count) const
{
    const TileDimensions lying = gameSize(m_orientation, 0);
    const bool across = m_orientation == 0 || m_orientation == 2;
    const int depth = across ? lying.height() : lying.width();
    const int rows = (count + 5) / 6;
    if (m_rowRoom <= 0 || rows <= 1)
        return depth;
    // The newest row reaches its own depth from the position (its picture's, where
    // the picture lies on the far side); each older row one step further.
    const QRectF upright = gamePicture(m_orientation, 0);
    const QRectF sideways = gamePicture(m_orientation, 2);
    const TileDimensions turned = gameSize(m_orientation, 2);
    double first = depth;
    if (m_orientation == 2)
        first = std::max(upright.height(), sideways.height() - (turned.height() - lying.height()));
    else if (m_orientation == 3)
        first = std::max(upright.width(), sideways.width() + (lying.width() - turned.width()));
    const double step = std::floor((m_rowRoom - first) / (rows - 1));
    return static_cast<int>(std::clamp(step, 0.0, double(depth)));
}

double DiscardView::rowReach(bool withRiichi) const
{
    const TileDimensions lying = gameSize(m_orientation, 0);
    const TileDimensions turned = gameSize(m_orientation, 2);
    const QRectF upright = gamePicture(m_orientation, 0);
    const QRectF sideways = gamePicture(m_orientation, 2);
    const int w = lying.width();
    const int h = lying.height();
    const int longer = withRiichi ? 1 : 0;
    switch (m_orientation) {
    case 0:
        return 5 * w + std::max(upright.width() + longer * (turned.width() - w), longer * sideways.width());
    case 1:
        return 6 * h + longer * (turned.height() - h);
    case 2:
        return 6 * w + longer * (turned.width() - w);
    case 3:
        return 5 * h + std::max(upright.height() + longer * (turned.height() - h), longer * sideways.height());
    default:
        return 0;
    }
}

void DiscardView::setRowRoom(double room)
{
    m_rowRoom = room;
    placeRows();
    updateShadow();
}

QTransform DiscardView::rowShift(int count, int step) const
{
    const int r = count >= 1 ? (count - 1) / 6 : 0;
    switch (m_orientation) {
    case 0:
        return QTransform::fromTranslate(0, -step * r);
    case 1:
        return QTransform::fromTranslate(-step * r, 0);
    case 2:
        return QTransform::fromTranslate(0, step * r);
    case 3:
        return QTransform::fromTranslate(step * r, 0);
    default:
        return QTransform();
    }
}

void DiscardView::placeRows()
{
    const int count = static_cast<int>(m_items.size());
    const int step = rowStep(count);
    if (step != m_rowStep) {
        m_rowStep = step;
        for (int i = 0; i < count; ++i)
            m_items[static_cast<size_t>(i)]->setPos(offset(i, step));
    }
    setTransform(rowShift(count, step));
}

void DiscardView::addDiscard(tile t)
{
    setNewestMarked(false);
    const int i = static_cast<int>(m_items.size());
    auto *item = new TileView(m_orientation, m_riichiIndex == i ? 2 : 0, t, this);
    m_items.push_back(item);
    item->setPos(offset(i, m_rowStep));
    item->setZValue(z(i));
    placeRows();
    updateShadow();
}

void DiscardView::setDiscards(const tile_vector &tiles, int riichiIndex)
{
    clear();
    m_riichiIndex = riichiIndex;
    for (const tile t : tiles)
        addDiscard(t);
}

void DiscardView::clear()
{
    for (TileView *item : m_items)
        discard(item);
    m_items.clear();
    placeRows();
    updateShadow();
    m_riichiIndex = -1;
}

tile DiscardView::removeNewest()
{
    if (m_items.empty())
        return tile();
    setNewestMarked(false);
    TileView *item = m_items.back();
    m_items.pop_back();
    const tile t = item->tileValue();
    discard(item);
    placeRows();
    updateShadow();
    return t;
}

void DiscardView::setNewestMarked(bool marked)
{
    if (!m_items.empty())
        m_items.back()->setMarked(marked);
}

int DiscardView::markNextForRiichi()
{
    m_riichiIndex = static_cast<int>(m_items.size());
    return m_riichiIndex;
}

void DiscardView::turnNewestForRiichi()
{
    if (m_items.empty())
        return;
    const tile t = removeNewest();
    m_riichiIndex = static_cast<int>(m_items.size());
    addDiscard(t);
}

void DiscardView::relayout()
{
    m_rowStep = rowStep(static_cast<int>(m_items.size()));
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        m_items[i]->updateShadowGeometry();
        m_items[i]->setPos(offset(static_cast<int>(i), m_rowStep));
    }
    placeRows();
    updateShadow();
}

void DiscardView::retranslate()
{
    for (TileView *item : m_items)
        item->retranslate();
}

QSize DiscardView::discardAreaSize(int count, bool withRiichi) const
{
    const int orientation = m_orientation;
    const TileImages *images = TileGraphics::instance().basePainter().images();
    if (!images || orientation < 0 || orientation > 3)
        return QSize(-1, -1);
    const TileDimensions lying = images->dimensions(orientation, 0);
    const TileDimensions sideways = images->dimensions(orientation, 2);
    const int w = lying.width();
    const int h = lying.height();
    const int rows = (count + 5) / 6;
    const bool across = orientation == 0 || orientation == 2;
    if (withRiichi)
        return across ? QSize(5 * w + sideways.width(), h * rows)
                      : QSize(w * rows, 5 * h + sideways.height());
    return across ? QSize(6 * w, h * rows) : QSize(w * rows, 6 * h);
}

std::vector<TilePlacement> DiscardView::targetPlacements(const tile_vector &)
{
    // Where the discard will lie once it is in: a discard that opens a new
    // row also moves the group by a row.
    const int n = static_cast<int>(m_items.size());
    const int step = rowStep(n + 1);
    QTransform landed = rowShift(n + 1, step) * QTransform::fromTranslate(x(), y());
    if (const QGraphicsItem *parent = parentItem())
        landed *= parent->sceneTransform();
    return {TilePlacement{landed.map(offset(n, step)), 0, m_orientation}};
}

std::vector<TilePlacement> DiscardView::targetPlacements(int)
{
    return {};
}

void DiscardView::putTiles(const tile_vector &tiles)
{
    if (tiles.empty())
        return;
    addDiscard(tiles.front());
}

void DiscardView::putTiles(int)
{
}

std::vector<TilePlacement> DiscardView::sourcePlacements(int)
{
    if (m_items.empty())
        return {};
    return {m_items.back()->placement()};
}

void DiscardView::takeTiles(int)
{
    removeNewest();
}
