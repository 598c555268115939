#pragma once

#include "table/scene/CityView.h"

class QGraphicsScene;
class QGraphicsSimpleTextItem;
class WallView;

// The compact wall: one row of nine stacks showing the dead wall (with its dora
// indicators) and the last live tiles, beside a counter of the live tiles left.
class CompactCityView : public CityView
{
    Q_OBJECT

public:
    static constexpr int Stacks = 9;

    explicit CompactCityView(QGraphicsScene *scene);
    ~CompactCityView() override;

    void setTableInfo(const TableInfo &info) override;
    void setWall(int wind, int liveTiles, int deadWallTiles, int deadWallPosition, int deadWallTilesDealt,
                 const tile_vector &doraIndicators) override;
    void addDoraIndicator(tile t) override;

    void setPos(const QPoint &pos) override;
    QRectF boundingRect() const override;
    QSize baseSize() const override;
    int width() const override;
    void setLightPosition(const QPointF &light) override;
    // Relayout of the wall and of the counter for the current wall size.
    void rescale();
    void relayout() override { rescale(); }
    void retranslate() override;

    WallView *wall() const { return m_wall; }
    QGraphicsSimpleTextItem *counter() const { return m_counter; }
    QGraphicsSimpleTextItem *counterShadow() const { return m_counterShadow; }

protected:
    TilePlacement drawPlacement(bool replacement) const override;
    void showCounters() override;

private:
    void placeCounter();

    WallView *m_wall;
    QGraphicsSimpleTextItem *m_counter;
    QGraphicsSimpleTextItem *m_counterShadow;
};
