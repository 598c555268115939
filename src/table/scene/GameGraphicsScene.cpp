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

void GameGraphicsScene::drawBackground(QPainter *painter, const QRectF &rect)
{
    QGraphicsScene::drawBackground(painter, rect);

    QPainterPath shadows;
    shadows.setFillRule(Qt::WindingFill);
    const QList<QGraphicsItem *> exposed = items(rect, Qt::IntersectsItemShape);
    for (const QGraphicsItem *item : exposed) {
        const QVariant data = item->data(ShadowedGroup::ShadowPathKey);
        if (data.metaType() != QMetaType::fromType<QPainterPath>())
            continue;
        shadows.addPath(item->sceneTransform().map(data.value<QPainterPath>()));
    }
    if (shadows.isEmpty())
        return;
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(0, 0, 0, 48));
    painter->drawPath(shadows);
    painter->restore();
}
