#pragma once

#include <QPixmap>
#include <QString>

class QSvgRenderer;

// The two shared SVG renderers of the table markers, made on first use and
// released when the application is about to quit, and the cached wind
// images drawn from the first.
namespace MarkerArtwork {

// "resources:/wind-indicators.svg".
QSvgRenderer &windIndicators();
// "resources:/riichi-stick.svg".
QSvgRenderer &riichiStick();

// The element rendered into a ceil(62·scale) square, turned by −90° per
// rotation step. Scaled by the widest of the wind disc's elements, or with
// ownWidth by the element's own width.
QPixmap windImage(const QString &element, double scale, int rotationStep, bool ownWidth);

} // namespace MarkerArtwork
