#pragma once

#include "app/TableInfo.h"
#include "app/tile.h"
#include "table/scene/GameGraphicsScene.h"
#include "table/scene/TableLayoutHost.h"

#include <QGraphicsView>

#include <array>
#include <memory>

class GameTableLayout;
class TimerView;
class WindView;

// A table on a plain graphics view, laid out by the table layouts as the table window
// lays out its own: every seat view, marker and the turn timer, and a wall state of its
// own for the city view.
class TestTableHost : public QGraphicsView, public TableLayoutHost
{
public:
    explicit TestTableHost(const TableInfo &info);
    ~TestTableHost() override;

    // A new layout of that kind (and city view).
    void setCompact(bool compact);
    GameTableLayout *tableLayout() const { return m_layout.get(); }
    // Resizes the view, takes the layout's game scale for that size and applies it.
    void resizeTable(const QSize &size);
    // Hands, discards, melds, markers and sticks of a hand in play.
    void fillTable();
    void setWallState(int wind, int live, int dead, int position, int dealt, const tile_vector &doras);

    GameGraphicsScene &tableScene() { return m_scene; }
    TimerView *turnTimer() const { return m_timer; }
    WindView *windMarker(int seat) const { return m_markers[static_cast<size_t>(seat)]; }

    const TableInfo &layoutTableInfo() const override { return m_info; }
    QGraphicsScene *layoutScene() const override;
    QRectF viewSceneRect() const override { return sceneRect(); }
    CityView *cityView() const override { return m_city.get(); }
    void replaceCityView(std::unique_ptr<CityView> city) override;
    void refreshCityView() override;
    HandView *handView() const override { return m_hand; }
    HiddenHandView *hiddenHandView(int seat) const override { return m_hidden[static_cast<size_t>(seat)]; }
    DiscardView *discardView(int seat) const override { return m_discards[static_cast<size_t>(seat)]; }
    DeclaredView *declaredView(int seat) const override { return m_declared[static_cast<size_t>(seat)]; }
    PlayerActionView *claimImage(int seat) const override { return m_claims[static_cast<size_t>(seat)]; }
    RiichiStickView *riichiSticks(int seat) const override { return m_sticks[static_cast<size_t>(seat)]; }
    PrevalentWindView *prevalentWindView() const override { return m_prevalent; }
    QPointF seatMarkerPos(int seat) const override { return m_seatMarkers[static_cast<size_t>(seat)]; }
    void setSeatMarkerPos(int seat, const QPointF &pos) override;
    QSizeF windMarkerSize(int seat) const override;
    QSizeF turnTimerSize() const override;
    void moveTurnTimer(const QPointF &scenePos) override;

private:
    TableInfo m_info;
    GameGraphicsScene m_scene;
    std::unique_ptr<CityView> m_city;
    HandView *m_hand;
    std::array<HiddenHandView *, 4> m_hidden{};
    std::array<DiscardView *, 4> m_discards{};
    std::array<DeclaredView *, 4> m_declared{};
    std::array<PlayerActionView *, 4> m_claims{};
    std::array<RiichiStickView *, 4> m_sticks{};
    std::array<WindView *, 4> m_markers{};
    std::array<QPointF, 4> m_seatMarkers{};
    PrevalentWindView *m_prevalent;
    TimerView *m_timer;
    std::unique_ptr<GameTableLayout> m_layout;

    int m_wind = 0;
    int m_live = 0;
    int m_dead = 0;
    int m_position = 0;
    int m_dealt = 0;
    tile_vector m_doras;
};
