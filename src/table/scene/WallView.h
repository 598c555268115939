#pragma once

#include "app/tile.h"
#include "table/scene/ShadowedGroup.h"

#include <map>
#include <vector>

class TileView;

// One side of the wall: a row of stacks, one tile item per stack. Stack i runs left to
// right on the bottom wall, upwards on the right one, right to left on the top one and
// downwards on the left one (counter-clockwise around the table).
class WallView : public ShadowedGroup
{
public:
    WallView(int orientation, int stacks);
    ~WallView() override;

    // Stack i in the wall's coordinates; lower stacks are lifted so that all tops line up.
    QPointF tilePos(int i) const;
    // Stack i shows kinds[offset + i], or the face of faceUp[offset + i] when it has one.
    void setTiles(int offset, const std::vector<int> &kinds, const std::map<int, tile> &faceUp);
    // Back to the positions and shadows of the current tile sizes.
    void relayout();

    int orientation() const { return m_orientation; }
    int stackCount() const { return static_cast<int>(m_items.size()); }
    const std::vector<TileView *> &items() const { return m_items; }

    int width() const;
    int height() const;
    int depth() const;
    int baseWidth() const;
    int baseHeight() const;
    int baseDepth() const;

private:
    int m_orientation;
    std::vector<TileView *> m_items;
};
