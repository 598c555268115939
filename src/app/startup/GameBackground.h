#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QSize>

// The table's background: the skin's "resources:/game-background.png" laid in
// tiles over a colour.
class GameBackground
{
public:
    // Reads the image so that the first table opens without waiting for it.
    static void preload();

    // A brush covering size: the colour, with the background image at the
    // given scale drawn over it in tiles (the colour alone without the image).
    static QBrush brush(const QSize &size, const QColor &colour, qreal scale);

private:
    static const QImage &image();
};
