#pragma once

#include "app/tile.h"
#include "table/scene/ShadowedGroup.h"
#include "table/scene/TileAnimationTarget.h"

#include <list>

class MeldView;
class TilePainter;

// One seat's declared melds and bonus tiles beside its hand, in rows that wrap
// at a maximum length; bonus tiles stay at the end, one group per suit.
class DeclaredView : public ShadowedGroup, public TileAnimationTarget
{
public:
    DeclaredView(int orientation, double maxRowLength);
    ~DeclaredView() override;

    // Kinds other than chow, pong, added kong, kong, pair and bonus add
    // nothing. markPosition > 0 marks the last tile drawn.
    void addMeld(int kind, tile t, int claimPosition, int claimedOffset, int concealment,
                 char markPosition);
    void addBonusTile(tile t);
    // A plain row of tiles before the bonus tiles (a winning hand);
    // markPosition ≥ 1 marks tiles[markPosition − 1].
    void addTiles(const tile_vector &tiles, int markPosition);
    void addTile(tile t);
    void clear();
    void relayout();
    void setImageSet(TilePainter *painter);
    void setMaxRowLength(double length);
    // The rows are shared with the seat's hand, which stands at their far end: a hand
    // of 14 tiles less three per meld, of this tile width, with room for a drawn tile.
    // The melds wrap before they would reach it. 0 shares nothing. The hand reaches
    // depth out from the view's position; rows that start beyond it have the whole
    // length.
    void setHandBeside(double tileWidth, double depth);
    void retranslate();

    int orientation() const { return m_orientation; }
    double maxRowLength() const { return m_maxRowLength; }
    const std::list<MeldView *> &melds() const { return m_melds; }

    // Two rows of melds and half a tile, in the base set.
    static int declaredAreaDepth(int orientation);
    // The scene position of the first tile of the next meld.
    QPointF nextMeldPos() const;

    using TileAnimationTarget::putTiles;
    using TileAnimationTarget::targetPlacements;
    std::vector<TilePlacement> targetPlacements(int count) override;
    void putTiles(int count) override;

private:
    std::list<MeldView *>::iterator firstBonus();
    void remove(std::list<MeldView *>::iterator it);
    void insert(std::list<MeldView *>::iterator before, MeldView *meld);
    void layoutMelds();
    // The row length left to the melds beside the hand.
    double meldRowLength() const;

    TilePainter *m_painter;
    int m_orientation;
    double m_maxRowLength;
    double m_handTileWidth = 0;
    double m_handDepth = 0;
    std::list<MeldView *> m_melds;
};
