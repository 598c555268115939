#pragma once

#include <QGraphicsItem>

// A group item that draws nothing and takes no room of its own: it only
// carries its children's position and transform.
class GraphicsNode : public QGraphicsItem
{
public:
    explicit GraphicsNode(QGraphicsItem *parent = nullptr);

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget) override;
};
