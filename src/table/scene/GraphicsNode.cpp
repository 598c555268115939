#include "table/scene/GraphicsNode.h"

GraphicsNode::GraphicsNode(QGraphicsItem *parent) : QGraphicsItem(parent)
{
    // The scene need not paint it.
    setFlag(ItemHasNoContents);
}

QRectF GraphicsNode::boundingRect() const
{
    return QRectF(0, 0, 0, 0);
}

void GraphicsNode::paint(QPainter *, const QStyleOptionGraphicsItem *, QWidget *)
{
}
