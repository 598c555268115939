#include "table/scene/RiichiStickView.h"

#include "table/scene/MarkerArtwork.h"

#include <QGraphicsSvgItem>
#include <QSvgRenderer>

RiichiStickView::RiichiStickView(int seat, QGraphicsItem *parent)
    : GraphicsNode(parent), m_seat(seat), m_rotation(QTransform().rotate(-90.0 * seat))
{
}

void RiichiStickView::setScale(double scale)
{
    if (scale == m_scale)
        return;
    m_scale = scale;
    layout();
}

void RiichiStickView::setCount(int count)
{
    while (m_sticks.size() < count) {
        auto *stick = new QGraphicsSvgItem(this);
        stick->setSharedRenderer(&MarkerArtwork::riichiStick());
        // A cache in device coordinates would be drawn anew for every painter
        // that is not a view's.
        stick->setCacheMode(QGraphicsItem::ItemCoordinateCache);
        stick->setElementId(QStringLiteral("stick"));
        m_sticks.append(stick);
    }
    for (int i = 0; i < m_sticks.size(); ++i)
        m_sticks[i]->setVisible(i < count);
    layout();
}

QSize RiichiStickView::stickSize() const
{
    const QRectF b = MarkerArtwork::riichiStick().boundsOnElement(QStringLiteral("stick"));
    if (b.height() <= 0)
        return QSize();
    const int stickHeight = static_cast<int>(15 * m_scale);
    return QSize(static_cast<int>(stickHeight * b.width() / b.height()), stickHeight);
}

QRectF RiichiStickView::stickArea() const
{
    const QSize size = stickSize();
    return mapRectToScene(m_rotation.mapRect(QRectF(-size.width(), 0, size.width(), size.height())));
}

void RiichiStickView::layout()
{
    const QRectF b = MarkerArtwork::riichiStick().boundsOnElement(QStringLiteral("stick"));
    if (b.height() <= 0)
        return;
    const QSize size = stickSize();
    const double factor = size.height() / b.height();
    for (int i = 0; i < m_sticks.size(); ++i) {
        m_sticks[i]->setTransform(QTransform::fromScale(factor, factor) * m_rotation);
        m_sticks[i]->setPos(m_rotation.map(QPointF(-size.width(), i * size.height())));
    }
}
