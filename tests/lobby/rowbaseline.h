#pragma once

#include <QImage>
#include <QRect>
#include <QtGlobal>

// How far below the cell's top the last glyph of its text ends, read from a grab of the
// list: the lowest ink of the rightmost ink in the cell. For texts that end in a digit
// this is the line's baseline, whatever the script before it. -1 for an empty cell.
inline int lastGlyphBottom(const QImage &shot, const QRect &cell)
{
    const QRgb ground = shot.pixel(cell.right() - 1, cell.top() + 1);
    const auto ink = [&](int x, int y) { return qAbs(qGray(shot.pixel(x, y)) - qGray(ground)) > 80; };
    int right = -1;
    for (int x = cell.right(); x >= cell.left() && right < 0; --x)
        for (int y = cell.top(); y <= cell.bottom() && right < 0; ++y)
            if (ink(x, y))
                right = x;
    int bottom = -1;
    for (int x = qMax(cell.left(), right - 4); right >= 0 && x <= right; ++x)
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            if (ink(x, y))
                bottom = qMax(bottom, y - cell.top());
    return bottom;
}
