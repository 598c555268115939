#pragma once

#include <QString>

// The wind of a seat.
enum wind { EAST = 0, SOUTH = 1, WEST = 2, NORTH = 3 };

// The side of the table on which a seat is drawn; BOTTOM is the local player.
enum orientation { BOTTOM = 0, RIGHT = 1, TOP = 2, LEFT = 3 };

// Log names: "EAST" .. "NORTH", "BOTTOM" .. "LEFT"; "<undefined>" for any other value.
const char *windName(int w);
const char *seatName(int o);

// Translated "East" .. "North" (context "Mahjong"); "<undefined>" for any other value.
QString windDisplayName(int w);
// Translated "Prevalent wind: East" .. "Prevalent wind: North" (context "Mahjong").
QString prevalentWindText(int w);
