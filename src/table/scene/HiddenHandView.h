#pragma once

#include "table/scene/ShadowedGroup.h"
#include "table/scene/TileAnimationSource.h"
#include "table/scene/TileAnimationTarget.h"
#include "table/scene/TileView.h"

#include <vector>

// An opponent's concealed hand: a row of up to 14 standing tiles seen from
// their backs. Only the number of tiles is known.
class HiddenHandView : public ShadowedGroup, public TileAnimationSource, public TileAnimationTarget
{
public:
    static constexpr unsigned MaxTiles = 14;

    explicit HiddenHandView(int orientation);
    ~HiddenHandView() override;

    // A count above 14 (a negative one too) is ignored.
    void setTileCount(unsigned count);
    int tileCount() const { return static_cast<int>(m_tiles.size()); }
    int orientation() const { return m_orientation; }
    const std::vector<TileView *> &items() const { return m_tiles; }

    // Position of tile i in the group, and in the scene.
    QPointF tileOffset(int i) const;
    QPointF tileScenePos(int i) const;
    // What that many tiles cover, in the group's coordinates.
    QRectF rowArea(int count) const;
    double tileZ(int i) const;
    void relayout();

    using TileAnimationSource::sourcePlacements;
    using TileAnimationSource::takeTiles;
    std::vector<TilePlacement> sourcePlacements(int count) override;
    void takeTiles(int count) override;

    using TileAnimationTarget::targetPlacements;
    using TileAnimationTarget::putTiles;
    std::vector<TilePlacement> targetPlacements(int count) override;
    void putTiles(int count) override;

private:
    std::vector<TileView *> m_tiles;
    int m_orientation;
};
