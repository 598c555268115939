#include "game/GameWindowHelpers.h"

#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

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

void keepInside(QWidget *widget, const QSize &area)
{
    if (area.width() < 1 || area.height() < 1)
        return;
    if (widget->width() > area.width() || widget->height() > area.height())
        widget->resize(widget->size().boundedTo(area));
    widget->move(std::max(0, std::min(widget->x(), area.width() - widget->width())),
                 std::max(0, std::min(widget->y(), area.height() - widget->height())));
}

void showRaised(QWidget *widget)
{
    widget->show();
    widget->raise();
}

QPoint clearPlace(const QSize &dialog, const QSize &area, const std::vector<QRect> &taken,
                  const std::vector<QRect> &buttons)
{
    const auto clamped = [&](int x, int y) {
        return QPoint(std::max(0, std::min(x, area.width() - dialog.width())),
                      std::max(0, std::min(y, area.height() - dialog.height())));
    };
    constexpr int gap = 4;
    std::vector<QPoint> candidates{
        clamped((area.width() - dialog.width()) / 2, (area.height() - dialog.height()) / 2)};
    for (const QRect &other : taken) {
        candidates.push_back(clamped(other.x(), other.bottom() + 1 + gap));
        candidates.push_back(clamped(other.x(), other.top() - gap - dialog.height()));
        candidates.push_back(clamped(other.right() + 1 + gap, other.y()));
        candidates.push_back(clamped(other.left() - gap - dialog.width(), other.y()));
    }
    for (const QRect &button : buttons) {
        candidates.push_back(clamped((area.width() - dialog.width()) / 2, button.bottom() + 1 + gap));
        candidates.push_back(clamped((area.width() - dialog.width()) / 2, button.top() - gap - dialog.height()));
    }
    const auto covered = [&](const QRect &rect, const std::vector<QRect> &others) {
        qint64 sum = 0;
        for (const QRect &other : others) {
            const QRect both = rect & other;
            sum += both.isEmpty() ? 0 : qint64(both.width()) * both.height();
        }
        return sum;
    };
    // Clear of every dialog where one fits, else clear of their buttons, else where it
    // covers least.
    QPoint best = candidates.front();
    std::pair<qint64, qint64> bestCover{-1, -1};
    for (const QPoint &place : candidates) {
        const QRect rect(place, dialog);
        const std::pair<qint64, qint64> cover{covered(rect, buttons), covered(rect, taken)};
        if (cover.second == 0)
            return place;
        if (bestCover.first < 0 || cover < bestCover) {
            best = place;
            bestCover = cover;
        }
    }
    return best;
}

QRect clearInColumn(const QRect &place, const QRect &area, const std::vector<QRectF> &things)
{
    constexpr int Gap = 2;
    // A thing's edge on a pixel's border touches the pixel beside it, not the pixel.
    const auto covered = [&things](const QRect &rect) {
        return std::find_if(things.begin(), things.end(), [area = QRectF(rect)](const QRectF &thing) { return thing.intersects(area); });
    };
    // Each step passes one thing, so that as many steps as there are things reach the end.
    for (const int direction : {1, -1}) {
        QRect rect = place;
        for (std::size_t step = 0; step <= things.size() && area.contains(rect); ++step) {
            const auto thing = covered(rect);
            if (thing == things.end())
                return rect;
            if (direction > 0)
                rect.moveTop(int(std::ceil(thing->bottom())) + Gap);
            else
                rect.moveTop(int(std::floor(thing->top())) - Gap - rect.height());
        }
    }
    return place;
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
