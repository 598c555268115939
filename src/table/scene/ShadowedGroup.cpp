#include "table/scene/ShadowedGroup.h"

#include "game/tiles/ShadowGeometry.h"
#include "table/scene/GameGraphicsScene.h"

#include <QPainterPath>
#include <QTransform>

#include <cmath>
#include <vector>

namespace {

struct Footprint
{
    QPolygonF outline;
    int top = 0;
    int bottom = 0;
};

// The footprints of every visible item below item, in item's coordinates.
void collectFootprints(const QGraphicsItem *item, const QTransform &carried,
                       std::vector<Footprint> &footprints)
{
    const QList<QGraphicsItem *> children = item->childItems();
    for (const QGraphicsItem *child : children) {
        if (!child->isVisible())
            continue;
        const QTransform transform =
            child->transform() * QTransform::fromTranslate(child->x(), child->y()) * carried;
        const QVariant data = child->data(1);
        if (data.metaType() == QMetaType::fromType<ShadowGeometry>()) {
            const ShadowGeometry geometry = data.value<ShadowGeometry>();
            footprints.push_back({transform.map(geometry.outline),
                                  geometry.height + geometry.elevation, geometry.elevation});
        } else {
            collectFootprints(child, transform, footprints);
        }
    }
}

bool facesLight(const QPointF &a, const QPointF &b, const QPointF &light)
{
    return (b.x() - a.x()) * (light.y() - a.y()) - (b.y() - a.y()) * (light.x() - a.x()) < 0;
}

// Where the light throws point p at height z onto the table.
QPointF project(const QPointF &p, const QPointF &light, int z)
{
    return p + (p - light) * (z / (ShadowedGroup::LightHeight - z));
}

void addShadow(QPainterPath &path, const Footprint &footprint, const QPointF &light)
{
    QPolygonF points = footprint.outline;
    if (points.size() > 1 && points.isClosed())
        points.removeLast();
    const int m = points.size();
    if (m < 3)
        return;

    QPointF prev = points[m - 1];
    bool prevFacing = facesLight(points[m - 2], points[m - 1], light);
    for (int i = 0; i < m; ++i) {
        const QPointF &cur = points[i];
        const bool curFacing = facesLight(prev, cur, light);
        const QPointF a =
            project(prev, light, prevFacing ? footprint.top : footprint.bottom);
        if (i == 0)
            path.moveTo(a);
        else
            path.lineTo(a);
        if (prevFacing != curFacing)
            path.lineTo(project(prev, light, prevFacing ? footprint.bottom : footprint.top));
        prev = cur;
        prevFacing = curFacing;
    }
    path.closeSubpath();
}

} // namespace

ShadowedGroup::ShadowedGroup(QGraphicsItem *parent) : GraphicsNode(parent)
{
    // The scene looks for the published shadow among the items with contents.
    setFlag(ItemHasNoContents, false);
}

ShadowedGroup::~ShadowedGroup()
{
    // The scene's own destructor has already left its table part behind
    // when it deletes its items: then there is nothing to tell.
    if (auto *table = qobject_cast<GameGraphicsScene *>(scene()))
        table->removeShadowCaster(this);
}

QVariant ShadowedGroup::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change == ItemSceneChange) {
        if (auto *table = qobject_cast<GameGraphicsScene *>(scene()))
            table->removeShadowCaster(this);
    } else if (change == ItemSceneHasChanged) {
        if (auto *table = qobject_cast<GameGraphicsScene *>(value.value<QGraphicsScene *>()))
            table->addShadowCaster(this);
    }
    return GraphicsNode::itemChange(change, value);
}

QRectF ShadowedGroup::boundingRect() const
{
    return m_shadowBounds;
}

void ShadowedGroup::setLightPosition(const QPointF &position)
{
    if (std::abs(position.x() - m_lightPosition.x()) <= 1e-12
        && std::abs(position.y() - m_lightPosition.y()) <= 1e-12)
        return;
    prepareGeometryChange();
    m_lightPosition = position;
    computeShadow();
    update();
}

void ShadowedGroup::updateShadow()
{
    prepareGeometryChange();
    computeShadow();
    update();
}

void ShadowedGroup::computeShadow()
{
    std::vector<Footprint> footprints;
    collectFootprints(this, QTransform(), footprints);
    const QPointF light = mapFromScene(m_lightPosition);

    QPainterPath path;
    for (const Footprint &footprint : footprints)
        addShadow(path, footprint, light);
    m_shadowBounds = path.boundingRect();
    setData(ShadowPathKey, QVariant::fromValue(path));
}
