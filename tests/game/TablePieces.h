#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

class GameWindow;

// What a player reads on a table late in a hand, and whether it can be read.
namespace TablePieces {

struct Piece
{
    QString owner;
    QRectF rect;
};

// Every drawn piece a player reads, by the group it belongs to: a seat's hand, discards
// or melds, the walls, a wind disc, the wall counter, the riichi sticks, the turn timer.
// Claim words and the cube stand over the table on purpose and are left out, as are
// the empty places of the wall.
std::vector<Piece> collect(GameWindow &window);

// Pieces of different groups that cover each other by more than the shadows' two pixels.
QStringList overlaps(const std::vector<Piece> &pieces);

// Pieces that are not wholly inside the area.
QStringList outside(const std::vector<Piece> &pieces, const QRectF &area);

} // namespace TablePieces
