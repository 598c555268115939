#pragma once

#include "table/scene/CityView.h"

#include <array>

class QGraphicsScene;
class WallView;

// The four walls around the table. Wall i stands at seat orientation i and shows the
// ring segment of the wind sitting there; the walls stand as a pinwheel (arrangement 0)
// or, for rule sets of fewer than 18 stacks a side, each centred on its side
// (arrangement 1).
class SquareCityView : public CityView
{
    Q_OBJECT

public:
    explicit SquareCityView(QGraphicsScene *scene);
    ~SquareCityView() override;

    void setTableInfo(const TableInfo &info) override;
    void setWall(int wind, int liveTiles, int deadWallTiles, int deadWallPosition, int deadWallTilesDealt,
                 const tile_vector &doraIndicators) override;
    void addDoraIndicator(tile t) override;

    void setPos(const QPoint &pos) override;
    QRectF boundingRect() const override;
    QSize baseSize() const override;
    int width() const override;
    int height() const;
    int depth() const;
    // The free table inside the walls.
    QRectF innerRect() const;
    void setLightPosition(const QPointF &light) override;
    void relayout() override;

    int stacksPerSide() const { return m_stacksPerSide; }
    int arrangement() const { return m_arrangement; }
    WallView *wall(int orientation) const { return m_walls[static_cast<size_t>(orientation & 3)]; }
    // The wall and stack of the next normal and replacement draw.
    int drawWall() const { return m_drawWall; }
    int drawStack() const { return m_drawStack; }
    int replacementWall() const { return m_replacementWall; }
    int replacementStack() const { return m_replacementStack; }

protected:
    TilePlacement drawPlacement(bool replacement) const override;
    void showCounters() override;

private:
    void buildWalls();

    QGraphicsScene *m_scene;
    std::array<WallView *, 4> m_walls{};
    int m_stacksPerSide = 18;
    int m_arrangement = 0;
    int m_wind = 0;
    int m_deadWallPosition = 0;
    int m_drawWall = 0;
    int m_drawStack = 0;
    int m_replacementWall = 0;
    int m_replacementStack = 0;
};
