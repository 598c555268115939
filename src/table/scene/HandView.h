#pragma once

#include "app/tile.h"
#include "table/scene/ShadowedGroup.h"
#include "table/scene/TileAnimationSource.h"
#include "table/scene/TileAnimationTarget.h"
#include "table/scene/TileView.h"

#include <QObject>

#include <vector>

class HandView;

// A standing tile of the local player's hand: it lifts under the mouse when it
// may be played and reports presses to its hand.
class HandTile : public TileView
{
public:
    static constexpr int Lift = 5;

    explicit HandTile(HandView *hand);

    int lift() const { return m_lift; }
    // Lowers a lifted tile.
    void lower();

protected:
    void hoverEnterEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;

private:
    HandView *m_hand;
    int m_lift = 0;
};

// The local player's concealed tiles: a row of standing tiles leftwards from
// the hand's position, item 0 (the highest tile code) nearest to it, the drawn
// tile marked and set apart at the far end. With selection on, playable tiles
// lift under the mouse and a press reports tileClicked().
class HandView : public QObject, public ShadowedGroup, public TileAnimationTarget
{
    Q_OBJECT

public:
    // Gives up known tiles, one of each value; moves of hidden tiles have no
    // place in the own hand.
    class AnimationSource : public TileAnimationSource
    {
    public:
        explicit AnimationSource(HandView *hand) : m_hand(hand) {}
        using TileAnimationSource::sourcePlacements;
        std::vector<TilePlacement> sourcePlacements(int count) override;
        void takeTiles(const tile_vector &tiles) override;
        void takeTiles(int count) override;

    protected:
        HandView *m_hand;
    };

    // Takes tiles from their sorted places in the row.
    class SortedAnimationSource : public AnimationSource
    {
    public:
        using AnimationSource::AnimationSource;
        using AnimationSource::sourcePlacements;
        std::vector<TilePlacement> sourcePlacements(const tile_vector &tiles) override;
    };

    // Takes the newest tiles from the end of the row.
    class HighlightedAnimationSource : public AnimationSource
    {
    public:
        using AnimationSource::AnimationSource;
        using AnimationSource::sourcePlacements;
        std::vector<TilePlacement> sourcePlacements(const tile_vector &tiles) override;
    };

    HandView();
    ~HandView() override;

    // Lays the row out anew, highest code first, then marks the tiles of marked in turn
    // (markTile), so that the first of them stands farthest out. A mark goes with its
    // tile, never with a place in the row.
    void setTiles(const tile_vector &tiles, const tile_vector &marked = {});
    void clearTiles();
    // In item order: highest code first, marked tiles last.
    tile_vector tiles() const;
    // The marked tiles, the one farthest out first.
    tile_vector markedTiles() const;
    // Removes one tile of that value, a marked one first; the other marks stay.
    void removeTile(tile t);
    // Moves an unmarked tile of that value to the end of the row, before the tiles
    // marked already, and marks it; the tiles between keep their order. Marks nothing
    // when the row holds no unmarked tile of that value.
    void markTile(tile t);
    // Takes the marks off, leaving each tile where it stands.
    void clearMarks();

    void setTilesSelectable(bool selectable);
    bool tilesSelectable() const { return m_selectionEnabled; }
    // An empty list makes every tile selectable.
    void setSelectableTiles(const tile_vector &tiles);
    void clearSelectableTiles();
    bool isSelectable(tile t) const;

    // The scene position of the middle of the row.
    QPointF firstTilePos() const;
    // What a row of that many tiles covers beside the hand's position, the last one drawn:
    // its gap, its mark and a lifted tile included.
    QRectF rowArea(int count) const;
    TileAnimationSource *animationSource(bool highlighted);
    TileAnimationTarget *asAnimationTarget();
    void retranslate();
    // Lays the row out again for the current tile sizes.
    void relayout() { layout(); }

    const std::vector<HandTile *> &items() const { return m_tiles; }

    std::vector<TilePlacement> targetPlacements(const tile_vector &tiles) override;
    std::vector<TilePlacement> targetPlacements(int count) override;
    void putTiles(const tile_vector &tiles) override;
    void putTiles(int count) override;

signals:
    void tileClicked(tile t, bool marked);

private:
    friend class HandTile;

    void refresh(HandTile *item);
    void refreshAll();
    void layout();
    // Marks as markTile() does, without laying the row out; false when nothing was marked.
    bool markItem(tile t);
    // Width and height of the standing tile in the game set.
    int tileWidth() const;
    int tileHeight() const;
    // The placement of a moving tile at x from the hand's origin.
    TilePlacement placementAt(int x) const;

    std::vector<HandTile *> m_tiles;
    bool m_selectionEnabled = false;
    tile_vector m_selectableTiles;
    HighlightedAnimationSource m_highlightedSource;
    SortedAnimationSource m_sortedSource;
};
