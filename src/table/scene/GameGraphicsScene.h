#pragma once

#include "app/MetaTypes.h"

#include <QGraphicsScene>
#include <QHash>
#include <QPainterPath>
#include <QRegion>
#include <QTransform>

#include <vector>

// The scene of one table. It reports mouse presses that hit no hand tile, and
// paints the shadows that its tile groups publish (a QPainterPath in item
// data 0) as one area under the items, so overlapping shadows are no darker.
class GameGraphicsScene : public QGraphicsScene
{
    Q_OBJECT

public:
    GameGraphicsScene();
    ~GameGraphicsScene() override;

    // The tile groups in the scene, whose published shadows are painted.
    // ShadowedGroup keeps this up to date as it joins and leaves the scene.
    void addShadowCaster(const QGraphicsItem *item);
    void removeShadowCaster(const QGraphicsItem *item);

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

    // An item that published a shadow, as it stood at the last paint.
    struct Caster
    {
        const QGraphicsItem *item;
        QPainterPath path;
        QTransform transform;
        bool operator==(const Caster &other) const;
    };

    QRegion shadowRegion(const QGraphicsItem *item, const QPainterPath &path);
    std::vector<QRect> shadowAreas(const std::vector<Caster> &casters);

    bool m_tileClicked = false;
    QHash<const QGraphicsItem *, ShadowRegion> m_shadowRegions;
    std::vector<const QGraphicsItem *> m_shadowCasters;
    std::vector<Caster> m_casters;
    std::vector<QRect> m_shadowAreas;
    QRect m_shadowBounds;
};

MAHJONG_REGISTER_METATYPE(QPainterPath, QPainterPath)
