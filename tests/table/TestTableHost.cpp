#include "TestTableHost.h"

#include "app/Singleton.h"
#include "app/TimeSpan.h"
#include "app/meld.h"
#include "connection/ServerTime.h"
#include "game/tiles/TileGraphics.h"
#include "table/scene/CityView.h"
#include "table/scene/DeclaredView.h"
#include "table/scene/DiscardView.h"
#include "table/scene/GameTableLayout.h"
#include "table/scene/HandView.h"
#include "table/scene/HiddenHandView.h"
#include "table/scene/PlayerActionView.h"
#include "table/scene/RiichiStickView.h"
#include "table/scene/WindView.h"
#include "table/sidebar/TimerView.h"

TestTableHost::TestTableHost(const TableInfo &info) : m_info(info)
{
    setScene(&m_scene);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    m_scene.setBackgroundBrush(QColor(30, 110, 60));

    m_hand = new HandView;
    m_hand->setZValue(150);
    m_scene.addItem(m_hand);
    for (size_t seat = 0; seat < 4; ++seat) {
        const int o = static_cast<int>(seat);
        m_discards[seat] = new DiscardView(o);
        m_markers[seat] = new WindView(o);
        m_markers[seat]->setZValue(100);
        m_declared[seat] = new DeclaredView(o, 420.0);
        m_claims[seat] = new PlayerActionView(o);
        m_claims[seat]->setZValue(100);
        m_hidden[seat] = new HiddenHandView(o);
        m_sticks[seat] = new RiichiStickView(o);
        m_sticks[seat]->setZValue(-1);
        for (QGraphicsItem *item : {static_cast<QGraphicsItem *>(m_discards[seat]),
                                    static_cast<QGraphicsItem *>(m_markers[seat]),
                                    static_cast<QGraphicsItem *>(m_declared[seat]),
                                    static_cast<QGraphicsItem *>(m_claims[seat]),
                                    static_cast<QGraphicsItem *>(m_hidden[seat]),
                                    static_cast<QGraphicsItem *>(m_sticks[seat])})
            m_scene.addItem(item);
    }
    m_declared[2]->setZValue(-100);
    m_prevalent = new PrevalentWindView;
    m_scene.addItem(m_prevalent);

    m_timer = new TimerView(viewport());
    m_timer->resize(20, 20);
    setCompact(false);
}

TestTableHost::~TestTableHost()
{
    m_layout.reset();
    m_city.reset();
}

QGraphicsScene *TestTableHost::layoutScene() const
{
    return const_cast<GameGraphicsScene *>(&m_scene);
}

void TestTableHost::setCompact(bool compact)
{
    std::unique_ptr<GameTableLayout> layout;
    if (compact)
        layout = std::make_unique<GameTableCompactLayout>(this);
    else
        layout = std::make_unique<GameTableRegularLayout>(this);
    m_layout = std::move(layout);
}

void TestTableHost::resizeTable(const QSize &size)
{
    resize(size);
    setSceneRect(0, 0, size.width(), size.height());
    TileGraphics::instance().setGameScale(m_layout->gameScale(size));
    m_layout->apply();
}

void TestTableHost::replaceCityView(std::unique_ptr<CityView> city)
{
    m_city = std::move(city);
}

void TestTableHost::refreshCityView()
{
    m_city->setWall(m_wind, m_live, m_dead, m_position, m_dealt, m_doras);
}

void TestTableHost::setWallState(int wind, int live, int dead, int position, int dealt, const tile_vector &doras)
{
    m_wind = wind;
    m_live = live;
    m_dead = dead;
    m_position = position;
    m_dealt = dealt;
    m_doras = doras;
    refreshCityView();
}

void TestTableHost::setSeatMarkerPos(int seat, const QPointF &pos)
{
    m_seatMarkers[static_cast<size_t>(seat)] = pos;
    m_markers[static_cast<size_t>(seat)]->setPos(pos);
}

QSizeF TestTableHost::windMarkerSize(int seat) const
{
    return m_markers[static_cast<size_t>(seat)]->boundingRect().size();
}

QSizeF TestTableHost::turnTimerSize() const
{
    return m_timer->size();
}

void TestTableHost::moveTurnTimer(const QPointF &scenePos)
{
    m_timer->move(mapFromScene(scenePos));
}

void TestTableHost::fillTable()
{
    m_hand->setTiles({tile(1), tile(2), tile(3), tile(10), tile(11), tile(12), tile(20), tile(20),
                      tile(24), tile(27), tile(27), tile(31), tile(31), tile(5)},
                     {tile(5)});
    for (int seat = 0; seat < 4; ++seat) {
        const size_t s = static_cast<size_t>(seat);
        tile_vector discards;
        for (int i = 0; i < 12 + seat; ++i)
            discards.push_back(tile(static_cast<std::uint8_t>((seat * 7 + i * 5) % 34)));
        m_discards[s]->setDiscards(discards, 3 + seat);
        if (seat > 0)
            m_hidden[s]->setTileCount(seat == 2 ? 7 : 10);
        m_declared[s]->addMeld(PONG, tile(static_cast<std::uint8_t>(20 + seat)), (seat + 1) % 3, 0, 0, 0);
        if (seat != 1)
            m_declared[s]->addMeld(CHOW, tile(static_cast<std::uint8_t>(seat * 9)), 0, 1, 0, 0);
        if (seat == 2)
            m_declared[s]->addMeld(KONG, tile(28), -1, -1, 1, 0);
        m_declared[s]->addBonusTile(tile(static_cast<std::uint8_t>(34 + seat)));
        m_markers[s]->setWind(seat);
        m_markers[s]->setGlowing(seat == 1);
        m_sticks[s]->setCount(seat == 3 ? 1 : 0);
    }
    m_claims[1]->setAction(PONG, 0);
    m_prevalent->setWind(0);
    m_prevalent->show();
    const QDateTime now = Singleton<ServerTime>::instance().now();
    m_timer->setTimeSpan(TimeSpan(now.addSecs(-10), now.addSecs(20)));
    setWallState(0, 60, 14, 20, 2, {tile(7)});
}
