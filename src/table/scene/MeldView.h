#pragma once

#include "app/tile.h"
#include "table/scene/GraphicsNode.h"
#include "table/scene/TileView.h"

#include <QRect>

#include <vector>

class TilePainter;

// One declared meld: its tiles laid out in a row for a seat, the claimed tile
// sideways at the place that points at the seat it came from, concealed
// tiles face down, and an added kong's tile stacked beside the claimed one.
class MeldView : public GraphicsNode
{
public:
    // Throws std::runtime_error for a kind that has no picture (MAHJONG among
    // them).
    MeldView(int orientation, int kind, tile t, int claimPosition, int claimedOffset,
             int concealment);
    // One upright face-up tile per entry: bonus tiles or a plain row.
    MeldView(int orientation, int kind, const tile_vector &tiles);
    ~MeldView() override;

    int orientation() const { return m_orientation; }
    int kind() const { return m_kind; }
    tile_vector tiles() const;
    const std::vector<TileView *> &items() const { return m_tiles; }

    // Marks the first unmarked tile of that value.
    void markTile(tile t);
    void setImageSet(TilePainter *painter);
    void relayout();
    // The area the layout covered, from its cursor.
    QRect bounds() const;
    void retranslate();

    // The depth of one row of melds across the seat's side, in the base set.
    static int crossSizeX(int orientation);
    static int crossSizeY(int orientation);

private:
    void addTile(tile t, int kind);
    void rowLayout();
    void addedKongLayout();
    void resetCursor();
    QPointF rowPosition(const TileDimensions &size) const;
    void advanceCursor(const TileDimensions &size);

    TilePainter *m_painter;
    int m_orientation;
    int m_kind;
    int m_claimPosition = -1;
    int m_cx = 0;
    int m_cy = 0;
    std::vector<TileView *> m_tiles;
};
