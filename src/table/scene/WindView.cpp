#include "table/scene/WindView.h"

#include "app/wind.h"
#include "table/scene/MarkerArtwork.h"

#include <QPainter>

#include <cmath>

namespace {

const char *const windElements[] = {"east", "south", "west", "north"};
const char *const prevalentElements[] = {"prevalentEast", "prevalentSouth", "prevalentWest",
                                         "prevalentNorth"};

QRectF markerRect(double scale)
{
    const int size = static_cast<int>(std::ceil(WindDiscSize * scale));
    return QRectF(0, 0, size, size);
}

bool validWind(int wind)
{
    return wind >= EAST && wind <= NORTH;
}

} // namespace

WindView::WindView(int seat, QGraphicsItem *parent) : QGraphicsItem(parent), m_seat(seat)
{
    retranslate();
}

void WindView::setWind(int wind)
{
    if (wind == m_wind)
        return;
    m_wind = wind;
    retranslate();
    update();
}

void WindView::setGlowing(bool glowing)
{
    if (glowing == m_glowing)
        return;
    m_glowing = glowing;
    update();
}

void WindView::setScale(double scale)
{
    if (scale == m_scale)
        return;
    prepareGeometryChange();
    m_scale = scale;
    update();
}

void WindView::retranslate()
{
    setToolTip(windDisplayName(m_wind));
}

QRectF WindView::boundingRect() const
{
    return markerRect(m_scale);
}

void WindView::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    using MarkerArtwork::windImage;
    painter->drawPixmap(0, 0, windImage(QStringLiteral("blank"), m_scale, m_seat, false));
    if (validWind(m_wind))
        painter->drawPixmap(
            0, 0, windImage(QString::fromLatin1(windElements[m_wind]), m_scale, m_seat, false));
    if (m_glowing)
        painter->drawPixmap(0, 0, windImage(QStringLiteral("glow"), m_scale, m_seat, false));
}

PrevalentWindView::PrevalentWindView(QGraphicsItem *parent) : QGraphicsObject(parent)
{
    retranslate();
    connect(this, &QGraphicsObject::xChanged, this, &PrevalentWindView::placeChanged);
    connect(this, &QGraphicsObject::yChanged, this, &PrevalentWindView::placeChanged);
    connect(this, &QGraphicsObject::visibleChanged, this, &PrevalentWindView::placeChanged);
}

void PrevalentWindView::setWind(int wind)
{
    if (wind == m_wind)
        return;
    m_wind = wind;
    retranslate();
    update();
}

void PrevalentWindView::setScale(double scale)
{
    if (scale == m_scale)
        return;
    prepareGeometryChange();
    m_scale = scale;
    update();
    emit placeChanged();
}

void PrevalentWindView::retranslate()
{
    setToolTip(prevalentWindText(m_wind));
}

QRectF PrevalentWindView::boundingRect() const
{
    return markerRect(m_scale);
}

void PrevalentWindView::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    if (!validWind(m_wind))
        return;
    painter->drawPixmap(0, 0,
                        MarkerArtwork::windImage(QString::fromLatin1(prevalentElements[m_wind]),
                                                 m_scale, 0, true));
}
