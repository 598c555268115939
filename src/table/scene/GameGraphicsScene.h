#pragma once

#include "app/MetaTypes.h"

#include <QGraphicsScene>
#include <QHash>
#include <QPainterPath>
#include <QRegion>

// The scene of one table. It reports mouse presses that hit no hand tile, and
// paints the shadows that the tile groups publish (a QPainterPath in item
// data 0) as one path under the items, so overlapping shadows are no darker.
class GameGraphicsScene : public QGraphicsScene
{
    Q_OBJECT

public:
    GameGraphicsScene();

signals:
    void clickedOutsideHand();

public slots:
    // A hand tile took the press being dispatched.
    void onTileClick();

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void drawBackground(QPainter *painter, const QRectF &rect) override;

private:
    struct ShadowRegion
    {
        QPainterPath path;
        QRegion region;
    };

    QRegion shadowRegion(const QGraphicsItem *item, const QPainterPath &path);

    bool m_tileClicked = false;
    QHash<const QGraphicsItem *, ShadowRegion> m_shadowRegions;
};

MAHJONG_REGISTER_METATYPE(QPainterPath, QPainterPath)
