#include "game/GameWindowHelpers.h"

#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace GameWindowHelpers {

void keepRelativePlace(QWidget *widget, const QSize &oldSize, const QSize &newSize)
{
    if (!widget)
        return;
    const int w = widget->width();
    const int h = widget->height();
    const int freeW = newSize.width() - w;
    const int freeH = newSize.height() - h;
    if (freeW < 1 || freeH < 1)
        return;
    const int oldW = oldSize.width() - w;
    const int oldH = oldSize.height() - h;
    if (oldW >= 1 && oldH >= 1)
        widget->move(widget->x() * freeW / oldW, widget->y() * freeH / oldH);
    else
        widget->move(freeW / 2, freeH / 2);
}

void centreOn(QWidget *widget, const QWidget *window)
{
    widget->move((window->width() - widget->width()) / 2, (window->height() - widget->height()) / 2);
}

void showRaised(QWidget *widget)
{
    widget->show();
    widget->raise();
}

void showRaisedCentredOnce(QWidget *widget, const QSize &area)
{
    static const char placed[] = "centredOnce";
    showRaised(widget);
    if (widget->property(placed).toBool())
        return;
    widget->setProperty(placed, true);
    widget->move(std::max(0, (area.width() - widget->width()) / 2),
                 std::max(0, (area.height() - widget->height()) / 2));
}

tile_vector meldTiles(int kind, tile key)
{
    switch (kind) {
    case CHOW:
        return {key, tile(static_cast<std::uint8_t>(key.code() + 1)),
                tile(static_cast<std::uint8_t>(key.code() + 2))};
    case PONG:
        return {key, key, key};
    case PAIR:
        return {key, key};
    case PONG_TO_KONG:
    case BONUS:
        return {key};
    case KONG:
        return {key, key, key, key};
    default:
        return {};
    }
}

} // namespace GameWindowHelpers
