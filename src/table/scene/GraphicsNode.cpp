#include "table/scene/GraphicsNode.h"

GraphicsNode::GraphicsNode(QGraphicsItem *parent) : QGraphicsItem(parent)
{
}

QRectF GraphicsNode::boundingRect() const
{
    return QRectF(0, 0, 0, 0);
}

void GraphicsNode::paint(QPainter *, const QStyleOptionGraphicsItem *, QWidget *)
{
}
