#pragma once

#include "game/tiles/GameScale.h"

#include <QRectF>
#include <QSize>
#include <QSizeF>

class TableLayoutHost;

// Where every item of the table scene stands for the size of the table view, and the
// game scale of the tile pictures for that size. Creating a layout gives the window the
// city view of the layout's kind.
class GameTableLayout
{
public:
    explicit GameTableLayout(TableLayoutHost *host);
    virtual ~GameTableLayout();

    GameTableLayout(const GameTableLayout &) = delete;
    GameTableLayout &operator=(const GameTableLayout &) = delete;

    // The factors that fit the base table into the view: the base factors times
    // min(width / base width, height / base height).
    virtual GameScale gameScale(const QSize &viewSize) const;
    virtual void apply() = 0;

    virtual GameScale baseFactors() const = 0;
    // The table's size in the base tile set for those factors.
    virtual QSizeF baseSize(const GameScale &factors) const = 0;

protected:
    // The frame every seat is placed around: the free table (inner) and its outline with
    // the wall (bounds), in scene coordinates.
    struct Frame
    {
        QRectF inner;
        QRectF bounds;
        QPointF centre;
        int handOverlap = 0;
        // Where the own hand ends on the right, the turn timer beyond it.
        double handRight = 0;
        double stickScale = 1.0;
        // Share of a meld area's depth between the hand and the turn timer or the side
        // hidden hands.
        double meldShare = 0.5;
        double prevalentScale = 1.0;
        // How far the own pond stands above its inset, clear of the bottom wall, and the
        // right seat's pond where the wall reaches under it too.
        int pondLift = 0;
        int rightPondLift = 0;
        QPointF prevalentCentre;
        // The ponds leave a hole for the round wind at that centre.
        bool prevalentHole = false;
    };

    TableLayoutHost *host() const { return m_host; }
    int seatCount() const;
    int wallTileCount() const;
    bool riichi() const;
    // The tile metrics the layouts step by: a third of a wall stack's width (game set).
    static int tileThird();
    // How much higher a loose tile on a stack rises than the stack (game set).
    static int looseTileRise();
    // The hand area height minus half the bottom meld depth, at the game scale.
    static int handOverlap(const GameScale &g);

    // Relayout of the city, hidden hands, discards and the hand for new tile sizes.
    void relayoutViews() const;
    // Places the seats, markers, claims, sticks, hand, timer and prevalent wind around
    // the frame, and points every shadow at the centre.
    void placeAround(const Frame &frame, const GameScale &g) const;
    // Gives each pond, at its position, the room its rows have before the other ponds
    // and the round wind standing in the middle (none when empty).
    void placePondRows(const QPointF (&pos)[4], const QRectF &middle, int gap) const;

private:
    TableLayoutHost *m_host;
};

// Four walls around the table.
class GameTableRegularLayout : public GameTableLayout
{
public:
    explicit GameTableRegularLayout(TableLayoutHost *host);

    void apply() override;
    GameScale baseFactors() const override;
    QSizeF baseSize(const GameScale &factors) const override;
};

// The table with one short wall segment and a counter below it.
class GameTableCompactLayout : public GameTableLayout
{
public:
    explicit GameTableCompactLayout(TableLayoutHost *host);

    void apply() override;
    GameScale baseFactors() const override;
    QSizeF baseSize(const GameScale &factors) const override;

private:
    // A full own hand: 14 tiles and the gap before the drawn one.
    static constexpr double HandRowTiles = 14.25;

    // Discards per seat for the table's wall and seats.
    int discardsPerSeat() const;
    // The table that holds every seat's discards, the ponds inset from its edges.
    QSizeF discardArea(double tableFactor, int inset) const;
};
