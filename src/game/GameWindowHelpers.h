#pragma once

#include "app/meld.h"
#include "app/tile.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

class QWidget;

// Helpers shared by the table window's source files.
namespace GameWindowHelpers {

enum Sound {
    SoundDiscard = 1,
    SoundJoined = 2,
    SoundLeft = 3,
    SoundMahjong = 7,
    SoundWashout = 8,
    SoundStart = 9,
    SoundMeldSuggestion = 10,
};

// Keeps a widget of the window at the same relative place after a resize.
void keepRelativePlace(QWidget *widget, const QSize &oldSize, const QSize &newSize);
// Moves a widget into an area from 0, 0, shrinking it to the area where it is larger.
void keepInside(QWidget *widget, const QSize &area);
void showRaised(QWidget *widget);
// A place for a dialog inside the table area (a rectangle from 0, 0): centred when that
// covers none of the given dialogs, else beside one of them or their buttons; where none
// is clear, the place that covers fewest of the buttons.
QPoint clearPlace(const QSize &dialog, const QSize &area, const std::vector<QRect> &taken,
                  const std::vector<QRect> &buttons);
// The first place, down from the given one and else up from it, in its column within
// the area, where the rectangle covers none of the things that stand on the table; the
// given place where the column has no such place.
QRect clearInColumn(const QRect &place, const QRect &area, const std::vector<QRectF> &things);
// Tiles of a declared meld, by kind; empty for a kind without a view.
tile_vector meldTiles(int kind, tile key);

} // namespace GameWindowHelpers
