#pragma once

#include "app/tile.h"
#include "table/scene/ShadowedGroup.h"
#include "table/scene/TileAnimationTarget.h"

#include <QList>
#include <QRectF>

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
    // What stands around the rows on the table, in scene coordinates.
    struct Surroundings
    {
        // The seat's hand at its most tiles, at the rows' far end; each meld takes three
        // tiles of handTileLength off its near end. Empty: no hand shares the rows.
        QRectF hand;
        double handTileLength = 0;
        // What the melds keep clear of besides.
        QList<QRectF> keepClear;
        // Where the melds must stay: a row that would leave it runs on past the maximum
        // length instead, as far as it stays inside. Empty: anywhere.
        QRectF room;

        bool operator==(const Surroundings &other) const;
    };
    // The melds keep clear of the hand and the other areas: a row ends before them, and
    // a meld with no room at the start of a row goes to the next row out.
    void setSurroundings(const Surroundings &surroundings);
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
    // Where a rectangle of the view lies in row terms: from begin to end along the rows,
    // from inner to outer across them, away from the table.
    struct RowExtent
    {
        double begin;
        double end;
        double inner;
        double outer;
    };
    RowExtent rowExtent(const QRectF &rect) const;
    // What the rows keep to, in the view's coordinates: the gaps along a row and between
    // rows, the hand they share their rows with, what else they keep clear of and the room
    // they stay in.
    struct RowLimits
    {
        int alongGap = 0;
        int rowGap = 0;
        bool withHand = false;
        RowExtent hand{};
        QList<QRectF> keepClear;
        bool withRoom = false;
        QRectF room;
    };
    // The row being filled: how far along, where it starts out from the table, how deep
    // it is so far, and whether it holds a meld yet.
    struct Row
    {
        double along = 0;
        double out = 0;
        double depth = 0;
        bool empty = true;
    };
    RowLimits rowLimits() const;
    // Where a meld of those bounds stands at (along, out) of the rows.
    QPointF meldPos(const QRect &bounds, double along, double out) const;
    // Whether tiles there keep clear of the hand and the rest.
    bool keepsClear(const RowLimits &limits, const QRectF &tiles) const;
    static bool staysInside(const RowLimits &limits, const QRectF &tiles);
    // Places a meld in the row, or in the next one its rules send it to.
    void placeMeld(MeldView *meld, const RowLimits &limits, Row &row) const;

    TilePainter *m_painter;
    int m_orientation;
    double m_maxRowLength;
    Surroundings m_surroundings;
    std::list<MeldView *> m_melds;
};
