#pragma once

#include "table/scene/GraphicsNode.h"

#include <QPointF>
#include <QRectF>

// A group of tiles that casts the drop shadow of all tiles below it from a
// point light standing 150 units above the table. The shadow is published as
// a QPainterPath in item data 0 (the scene paints all of them in one pass);
// the group's bounding rectangle is the shadow's.
class ShadowedGroup : public GraphicsNode
{
public:
    // The item data key of the published shadow path.
    static constexpr int ShadowPathKey = 0;
    // The height of the light above the table.
    static constexpr double LightHeight = 150.0;

    explicit ShadowedGroup(QGraphicsItem *parent = nullptr);
    ~ShadowedGroup() override;

    QRectF boundingRect() const override;

    // In scene coordinates. A move of 1e-12 or less is ignored.
    void setLightPosition(const QPointF &position);
    QPointF lightPosition() const { return m_lightPosition; }

    // Recomputes the shadow; every group view calls it after it adds, removes
    // or moves tiles.
    void updateShadow();

protected:
    // Tells a table scene that the group joins or leaves it.
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;

private:
    void computeShadow();

    QPointF m_lightPosition;
    QRectF m_shadowBounds;
};
