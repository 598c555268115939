#pragma once

#include "table/scene/GraphicsNode.h"

#include <QList>
#include <QRectF>
#include <QSize>
#include <QTransform>

class QGraphicsSvgItem;

// A seat's riichi sticks, stacked one stick height apart in the seat's
// turned frame. Stick items are made on demand and only hidden when fewer
// are shown.
class RiichiStickView : public GraphicsNode
{
public:
    explicit RiichiStickView(int seat, QGraphicsItem *parent = nullptr);

    void setScale(double scale);
    void setCount(int count);

    int seat() const { return m_seat; }
    // The scene area the first stick takes, shown or not.
    QRectF stickArea() const;
    const QList<QGraphicsSvgItem *> &sticks() const { return m_sticks; }

private:
    // One stick's size at the view's scale.
    QSize stickSize() const;
    void layout();

    int m_seat;
    QTransform m_rotation;
    double m_scale = 1.0;
    QList<QGraphicsSvgItem *> m_sticks;
};
