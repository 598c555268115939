#pragma once

#include "app/tile.h"
#include "table/scene/TileAnimationSource.h"

#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QSize>

#include <map>
#include <vector>

class CityView;
class TableInfo;

// The wall as a source of drawn tiles: normal draws or replacement draws. Taking tiles
// draws them from the city view's own copy of the wall counters.
class WallTileAnimationSource : public TileAnimationSource
{
public:
    WallTileAnimationSource(CityView *city, bool replacement) : m_city(city), m_replacement(replacement) {}

    using TileAnimationSource::sourcePlacements;
    using TileAnimationSource::takeTiles;
    std::vector<TilePlacement> sourcePlacements(int count) override;
    void takeTiles(int count) override;

private:
    CityView *m_city;
    bool m_replacement;
};

// The wall of the table and the centre it encloses: shown from the model's wall
// counters, and the place drawn tiles fly from. The table window owns one, of the kind
// of its layout.
class CityView : public QObject
{
    Q_OBJECT

public:
    CityView();
    ~CityView() override;

    virtual void setTableInfo(const TableInfo &info) = 0;
    virtual void setWall(int wind, int liveTiles, int deadWallTiles, int deadWallPosition,
                         int deadWallTilesDealt, const tile_vector &doraIndicators) = 0;
    virtual void addDoraIndicator(tile t) = 0;
    TileAnimationSource *animationSource(bool replacement);

    // Geometry for the layouts, in scene coordinates from pos().
    virtual void setPos(const QPoint &pos) = 0;
    QPoint pos() const { return m_pos; }
    virtual QRectF boundingRect() const = 0;
    virtual QSize baseSize() const = 0;
    virtual int width() const = 0;
    virtual void setLightPosition(const QPointF &light) = 0;
    // After the tile sizes changed.
    virtual void relayout() = 0;
    // Its texts again in the current language; the square wall shows none.
    virtual void retranslate() {}

    int rulesetId() const { return m_rulesetId; }
    int wallLayoutCode() const { return m_wallLayoutCode; }
    int liveTiles() const { return m_liveTiles; }
    int deadWallTiles() const { return m_deadWallTiles; }
    int deadWallTilesDealt() const { return m_deadWallTilesDealt; }
    const tile_vector &doraIndicators() const { return m_doraIndicators; }

    // How a rule set builds its wall: 0 riichi (dead wall with dora indicators),
    // 1 and 3 Classic and Hong Kong (loose tiles on the dead wall), 2 MCR (no dead wall).
    static int wallLayoutCodeOf(int rulesetId);

protected:
    friend class WallTileAnimationSource;
    // The placement of the next tile of a normal or replacement draw.
    virtual TilePlacement drawPlacement(bool replacement) const = 0;
    // Shows the stored counters again after a draw.
    virtual void showCounters() = 0;

    // Stack kinds of a ring of stacks: adding a tile turns nothing (8) into one tile (5),
    // one into two (6), two into three (7). Indexes wrap around the ring either way.
    class Ring
    {
    public:
        Ring(int stacks, int fill) : m_kinds(static_cast<size_t>(qMax(stacks, 0)), fill) {}
        int wrap(int stack) const;
        void addTile(int stack);
        // Tiles [first, last): tile t lies on stack floor(t / 2).
        void addTiles(int first, int last);
        const std::vector<int> &kinds() const { return m_kinds; }

    private:
        std::vector<int> m_kinds;
    };

    int m_rulesetId = 0;
    int m_wallLayoutCode = 2;
    QPoint m_pos;
    int m_liveTiles = 0;
    int m_deadWallTiles = 0;
    int m_deadWallTilesDealt = 0;
    tile_vector m_doraIndicators;

private:
    WallTileAnimationSource m_drawSource;
    WallTileAnimationSource m_replacementSource;
};
