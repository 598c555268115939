#pragma once

#include "app/tile.h"
#include "game/tiles/TileDimensions.h"
#include "game/tiles/TilePainter.h"
#include "table/scene/TilePlacement.h"

#include <QGraphicsItem>

// One tile on the table: draws a tile code in one of the display kinds and
// one of the four orientations through a tile painter (the game painter
// unless changed), and publishes its shadow footprint in item data 1.
//
// Kinds: 0 lying face up, 1 lying face down, 2 lying sideways, 3 the local
// player's standing tile, 4 a standing tile of another seat, 5/6/7 wall
// stacks, 8 nothing (no shadow), 9 a wall stack showing a face.
class TileView : public QGraphicsItem, public TilePainter::Listner
{
public:
    // The item data key of the shadow footprint.
    static constexpr int ShadowGeometryKey = 1;
    static constexpr int NoKind = 10;

    TileView(int orientation, int kind, QGraphicsItem *parent = nullptr);
    TileView(int orientation, int kind, tile t, QGraphicsItem *parent = nullptr);
    ~TileView() override;

    TileView(const TileView &) = delete;
    TileView &operator=(const TileView &) = delete;

    // Each setter does nothing when the value is unchanged.
    void setKind(int kind);
    void setTile(tile t);
    void setOrientation(int orientation);
    // The last-tile mark.
    void setMarked(bool marked);
    // Moves the footprint down by dy and lifts its base to elevation (a tile
    // raised under the mouse).
    void setShadowOffset(int dy, int elevation);
    void setPainter(TilePainter *painter);

    int kind() const { return m_kind; }
    tile tileValue() const { return m_tile; }
    int orientation() const { return m_orientation; }
    bool isMarked() const { return m_marked; }
    TilePainter *painter() const { return m_painter; }

    // The size of this kind and orientation in the view's image set.
    TileDimensions tileSize() const;
    TilePlacement placement() const;
    // Reapplies the tooltip (after a language change).
    void retranslate();
    // Recomputes the shadow footprint (after a change of tile metrics).
    void updateShadowGeometry();

    void imagesAboutToChange() override;
    void imagesChanged() override;

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget) override;

private:
    TilePainter *m_painter;
    tile m_tile;
    bool m_marked = false;
    int m_kind = NoKind;
    int m_orientation;
    int m_shadowDy = 0;
    int m_shadowElevation = 0;
};

// Metrics of the standing own tile (kind 3, orientation 0) for the table
// layouts: its height in the game set, that plus a sixth of it, and the same
// in the base set.
int currentTileHeight();
int handAreaHeight();
int baseHandAreaHeight();
// How far the mark over the own tile drawn last reaches above it, in the game set, and
// at a hand factor of 1.
double lastTileMarkerHeight();
int baseLastTileMarkerHeight();
