#pragma once

#include "app/tile.h"
#include "table/scene/ShadowedGroup.h"
#include "table/scene/TileAnimationSource.h"
#include "table/scene/TileAnimationTarget.h"
#include "table/scene/TileView.h"

#include <QSize>
#include <QTransform>

#include <vector>

// One seat's discards in front of it: face-up tiles in rows of six, the riichi
// discard sideways, the newest one optionally marked. Each new row moves the
// older rows one row further out; rows that would reach beyond the room the
// table leaves the pond lie closer together.
class DiscardView : public ShadowedGroup, public TileAnimationTarget, public TileAnimationSource
{
public:
    explicit DiscardView(int orientation);
    ~DiscardView() override;

    void addDiscard(tile t);
    void setDiscards(const tile_vector &tiles, int riichiIndex);
    void clear();
    // The unknown tile (and no change) when there is no discard.
    tile removeNewest();
    void setNewestMarked(bool marked);
    // The next discard will lie sideways; returns its index.
    int markNextForRiichi();
    // Lays the newest discard again, sideways.
    void turnNewestForRiichi();
    void relayout();
    void retranslate();

    int orientation() const { return m_orientation; }
    int riichiIndex() const { return m_riichiIndex; }
    const std::vector<TileView *> &items() const { return m_items; }

    // Width and height of count discards in the base set; (-1, -1) for an
    // unknown orientation.
    QSize discardAreaSize(int count, bool withRiichi) const;
    // How far the rows may reach from the view's position away from the seat, in the
    // game set; 0 leaves them a tile apart however many there are.
    void setRowRoom(double room);
    // How far a full row reaches from the view's position along the seat's edge, with
    // a riichi discard in it or not, in the game set.
    double rowReach(bool withRiichi) const;

    std::vector<TilePlacement> targetPlacements(const tile_vector &tiles) override;
    std::vector<TilePlacement> targetPlacements(int count) override;
    void putTiles(const tile_vector &tiles) override;
    void putTiles(int count) override;

    using TileAnimationSource::sourcePlacements;
    using TileAnimationSource::takeTiles;
    std::vector<TilePlacement> sourcePlacements(int count) override;
    void takeTiles(int count) override;

private:
    // Where discard i lies when the rows stand step apart.
    QPointF offset(int i, int step) const;
    double z(int i) const;
    // The distance between two rows while the view holds count discards: a tile's
    // depth, less when that many rows would not fit the room.
    int rowStep(int count) const;
    // Each new row moves the older ones a row further out.
    QTransform rowShift(int count, int step) const;
    // The rows for the present count, laid again when their distance changes.
    void placeRows();

    std::vector<TileView *> m_items;
    int m_orientation;
    int m_riichiIndex = -1;
    double m_rowRoom = 0;
    // The distance the items are laid with.
    int m_rowStep = 0;
};
