#include "table/scene/WallView.h"

#include "app/wind.h"
#include "table/scene/TileMetrics.h"
#include "table/scene/TileView.h"

namespace {

bool horizontal(int orientation)
{
    return orientation == BOTTOM || orientation == TOP;
}

// The kind whose depth a stack of that kind stands on.
int depthKind(int kind)
{
    if (kind == 5)
        return 5;
    if (kind == 6 || kind == 9)
        return 6;
    return 7;
}

} // namespace

WallView::WallView(int orientation, int stacks) : m_orientation(orientation)
{
    setZValue(orientation == BOTTOM ? 50 : orientation == TOP ? -50 : 0);
    const int n = qMax(stacks, 0);
    m_items.reserve(n);
    for (int i = 0; i < n; ++i) {
        auto *item = new TileView(orientation, 8, this);
        m_items.push_back(item);
        item->setPos(tilePos(i));
        switch (orientation) {
        case BOTTOM:
            item->setZValue(50);
            break;
        case RIGHT:
            item->setZValue(-i);
            break;
        case TOP:
            item->setZValue(-50);
            break;
        default:
            item->setZValue(i);
            break;
        }
    }
    updateShadow();
}

WallView::~WallView() = default;

QPointF WallView::tilePos(int i) const
{
    const int kind = i >= 0 && i < stackCount() ? m_items[i]->kind() : 8;
    const int lift = depth() - TileMetrics::gameSize(RIGHT, depthKind(kind)).depth();
    const int w = TileMetrics::gameSize(BOTTOM, 5).width();
    const int h = TileMetrics::gameSize(RIGHT, 5).height();
    const int n = stackCount();
    switch (m_orientation) {
    case BOTTOM:
        return QPointF(w * i, lift);
    case RIGHT:
        return QPointF(0, (n - i - 1) * h + lift);
    case TOP:
        return QPointF((n - i - 1) * w, lift);
    default:
        return QPointF(0, h * i + lift);
    }
}

void WallView::setTiles(int offset, const std::vector<int> &kinds, const std::map<int, tile> &faceUp)
{
    for (int i = 0; i < stackCount(); ++i) {
        TileView *item = m_items[i];
        const auto face = faceUp.find(offset + i);
        if (face != faceUp.end()) {
            item->setKind(9);
            item->setTile(face->second);
        } else {
            const int index = offset + i;
            item->setKind(index >= 0 && index < static_cast<int>(kinds.size()) ? kinds[index] : 8);
        }
        item->setPos(tilePos(i));
    }
    updateShadow();
}

void WallView::relayout()
{
    for (int i = 0; i < stackCount(); ++i) {
        m_items[i]->setPos(tilePos(i));
        m_items[i]->updateShadowGeometry();
    }
    updateShadow();
}

int WallView::width() const
{
    return horizontal(m_orientation) ? stackCount() * TileMetrics::gameSize(BOTTOM, 5).width()
                                     : TileMetrics::gameSize(RIGHT, 5).width();
}

int WallView::height() const
{
    return horizontal(m_orientation) ? TileMetrics::gameSize(BOTTOM, 5).height()
                                     : stackCount() * TileMetrics::gameSize(RIGHT, 5).height();
}

int WallView::depth() const
{
    return TileMetrics::gameSize(RIGHT, 7).depth();
}

int WallView::baseWidth() const
{
    return horizontal(m_orientation) ? stackCount() * TileMetrics::baseSize(BOTTOM, 5).width()
                                     : TileMetrics::baseSize(RIGHT, 5).width();
}

int WallView::baseHeight() const
{
    return horizontal(m_orientation) ? TileMetrics::baseSize(BOTTOM, 5).height()
                                     : stackCount() * TileMetrics::baseSize(RIGHT, 5).height();
}

int WallView::baseDepth() const
{
    return TileMetrics::baseSize(RIGHT, 7).depth();
}
