#pragma once

#include "app/MetaTypes.h"

#include <QGraphicsScene>
#include <QPainterPath>

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
    bool m_tileClicked = false;
};

MAHJONG_REGISTER_METATYPE(QPainterPath, QPainterPath)
