#include "table/scene/GameGraphicsScene.h"

#include "table/scene/ShadowedGroup.h"

#include <QPainter>

#include <algorithm>
#include <numeric>

GameGraphicsScene::GameGraphicsScene() = default;

GameGraphicsScene::~GameGraphicsScene()
{
    // The groups leave while the scene is still whole.
    clear();
}

void GameGraphicsScene::addShadowCaster(const QGraphicsItem *item)
{
    if (std::find(m_shadowCasters.begin(), m_shadowCasters.end(), item) == m_shadowCasters.end())
        m_shadowCasters.push_back(item);
}

void GameGraphicsScene::removeShadowCaster(const QGraphicsItem *item)
{
    m_shadowCasters.erase(std::remove(m_shadowCasters.begin(), m_shadowCasters.end(), item),
                          m_shadowCasters.end());
    m_shadowRegions.remove(item);
}

void GameGraphicsScene::onTileClick()
{
    m_tileClicked = true;
}

void GameGraphicsScene::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    m_tileClicked = false;
    QGraphicsScene::mousePressEvent(event);
    if (!m_tileClicked)
        emit clickedOutsideHand();
}

bool GameGraphicsScene::Caster::operator==(const Caster &other) const
{
    // Unchanged paths share their data, which makes the comparison cheap.
    return item == other.item && transform == other.transform && path == other.path;
}

QRegion GameGraphicsScene::shadowRegion(const QGraphicsItem *item, const QPainterPath &path)
{
    auto cached = m_shadowRegions.find(item);
    if (cached != m_shadowRegions.end() && cached->path == path)
        return cached->region;
    const QRegion region(path.toFillPolygon().toPolygon(), Qt::WindingFill);
    m_shadowRegions.insert(item, ShadowRegion{path, region});
    return region;
}

std::vector<QRect> GameGraphicsScene::shadowAreas(const std::vector<Caster> &casters)
{
    // Each group's region less what the groups before it cover: the pieces do
    // not overlap, and they split into fewer rectangles than their union,
    // whose bands every group's slanted edges would cut.
    std::vector<QRegion> pieces;
    QRegion covered;
    QPainterPath turned;
    turned.setFillRule(Qt::WindingFill);
    for (const Caster &caster : casters) {
        if (caster.transform.type() > QTransform::TxTranslate) {
            turned.addPath(caster.transform.map(caster.path));
            continue;
        }
        const QRegion region = shadowRegion(caster.item, caster.path)
                                   .translated(qRound(caster.transform.dx()),
                                               qRound(caster.transform.dy()));
        pieces.push_back(region.subtracted(covered));
        covered += region;
    }
    if (!turned.isEmpty())
        pieces.push_back(
            QRegion(turned.toFillPolygon().toPolygon(), Qt::WindingFill).subtracted(covered));
    // Qt hands a fill of many lines to its thread pool, which costs far more
    // than it saves on a narrow strip: tall rectangles go in short slices.
    constexpr int slice = 48;
    std::vector<QRect> areas;
    for (const QRegion &piece : pieces) {
        for (const QRect &area : piece) {
            for (int top = area.top(); top <= area.bottom(); top += slice)
                areas.emplace_back(area.left(), top, area.width(),
                                   std::min(slice, area.bottom() + 1 - top));
        }
    }
    return areas;
}

void GameGraphicsScene::drawBackground(QPainter *painter, const QRectF &rect)
{
    QGraphicsScene::drawBackground(painter, rect);

    // The shadows are one area, filled once. It is built from regions (each
    // group's kept until its path changes, the whole kept until a group
    // changes or moves) and filled rectangle by rectangle: filling the union
    // path itself costs ten times as much. The groups are the scene's own
    // list, taken as the scene's item search would find them (shown, not fully
    // transparent, bounds in the exposed rectangle) without searching and
    // sorting every tile at every paint.
    std::vector<Caster> casters;
    for (const QGraphicsItem *item : m_shadowCasters) {
        if (!item->isVisible() || item->effectiveOpacity() < 0.001
            || !item->sceneBoundingRect().intersects(rect))
            continue;
        const QVariant data = item->data(ShadowedGroup::ShadowPathKey);
        if (data.metaType() == QMetaType::fromType<QPainterPath>())
            casters.push_back(Caster{item, data.value<QPainterPath>(), item->sceneTransform()});
    }
    if (casters != m_casters) {
        m_shadowAreas = shadowAreas(casters);
        m_shadowBounds = std::accumulate(m_shadowAreas.begin(), m_shadowAreas.end(), QRect(),
                                         [](const QRect &a, const QRect &b) { return a | b; });
        m_casters = std::move(casters);
    }
    const QRect exposed = rect.toAlignedRect();
    std::vector<QRect> clipped;
    const std::vector<QRect> *areas = &m_shadowAreas;
    if (!exposed.contains(m_shadowBounds)) {
        for (const QRect &area : m_shadowAreas) {
            if (const QRect part = area & exposed; !part.isEmpty())
                clipped.push_back(part);
        }
        areas = &clipped;
    }
    if (areas->empty())
        return;
    painter->save();
    // The rectangles lie on whole pixels: smoothing their edges adds nothing.
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(0, 0, 0, 48));
    painter->drawRects(areas->data(), static_cast<int>(areas->size()));
    painter->restore();
}
