#include "table/scene/GameGraphicsScene.h"

#include "table/scene/ShadowedGroup.h"

#include <QPainter>

GameGraphicsScene::GameGraphicsScene() = default;

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

QRegion GameGraphicsScene::shadowRegion(const QGraphicsItem *item, const QPainterPath &path)
{
    auto cached = m_shadowRegions.find(item);
    if (cached != m_shadowRegions.end() && cached->path == path)
        return cached->region;
    // Entries of deleted groups are only dropped here; a reused address
    // fails the path comparison.
    if (m_shadowRegions.size() > 256)
        m_shadowRegions.clear();
    const QRegion region(path.toFillPolygon().toPolygon(), Qt::WindingFill);
    m_shadowRegions.insert(item, ShadowRegion{path, region});
    return region;
}

void GameGraphicsScene::drawBackground(QPainter *painter, const QRectF &rect)
{
    QGraphicsScene::drawBackground(painter, rect);

    // The shadows are one area, filled once. It is built from regions (each
    // group's kept until its path changes) and filled rectangle by rectangle:
    // filling the union path itself costs ten times as much.
    QRegion shadows;
    QPainterPath turned;
    turned.setFillRule(Qt::WindingFill);
    const QList<QGraphicsItem *> exposed = items(rect, Qt::IntersectsItemShape);
    for (const QGraphicsItem *item : exposed) {
        const QVariant data = item->data(ShadowedGroup::ShadowPathKey);
        if (data.metaType() != QMetaType::fromType<QPainterPath>())
            continue;
        const QPainterPath path = data.value<QPainterPath>();
        const QTransform transform = item->sceneTransform();
        if (transform.type() <= QTransform::TxTranslate)
            shadows += shadowRegion(item, path).translated(qRound(transform.dx()),
                                                           qRound(transform.dy()));
        else
            turned.addPath(transform.map(path));
    }
    if (!turned.isEmpty())
        shadows += QRegion(turned.toFillPolygon().toPolygon(), Qt::WindingFill);
    if (shadows.isEmpty())
        return;
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(0, 0, 0, 48));
    const QVector<QRect> areas(shadows.begin(), shadows.end());
    painter->drawRects(areas.constData(), static_cast<int>(areas.size()));
    painter->restore();
}
