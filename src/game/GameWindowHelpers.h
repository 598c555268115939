#pragma once

#include "app/meld.h"
#include "app/tile.h"

#include <QSize>

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
void centreOn(QWidget *widget, const QWidget *window);
void showRaised(QWidget *widget);
// Shows a dialog raised; the first time it shows, centred over the table area of the
// given size, later where it was left.
void showRaisedCentredOnce(QWidget *widget, const QSize &area);
// Tiles of a declared meld, by kind; empty for a kind without a view.
tile_vector meldTiles(int kind, tile key);

} // namespace GameWindowHelpers
