#include "game/DealStartHandAnimation.h"

#include "app/wind.h"
#include "game/GameWindow.h"
#include "table/scene/CityView.h"
#include "table/scene/HiddenHandView.h"
#include "table/scene/TileAnimation.h"
#include "table/scene/TileAnimationSource.h"
#include "table/scene/TileMetrics.h"
#include "table/scene/TileView.h"

#include <QGraphicsView>

namespace {

constexpr int WallKind = 5;
constexpr int HiddenKind = 4;

} // namespace

DealStartHandAnimation::DealStartHandAnimation(GameWindow *window)
    : GameWindowAnimation(DurationMs), m_window(window), m_ownWind(window->ownSeatWind()),
      m_players(window->model() ? static_cast<int>(window->model()->players().size()) : 0)
{
}

int DealStartHandAnimation::dealWind(int players, int i)
{
    const int step = players == 2 ? 2 : 1;
    const int blocks = players * 12;
    if (i < blocks)
        return (i / 4 % players) * step;
    if (i < blocks + players)
        return (i - blocks) * step;
    return EAST;
}

double DealStartHandAnimation::startStep(int i)
{
    return (i - i % 4) * 0.667 / Slots;
}

void DealStartHandAnimation::start(bool instant)
{
    if (instant || m_players < 2 || m_players > 4 || !m_window->cityView())
        return;
    TileAnimationSource *source = m_window->cityView()->animationSource(false);
    int received[4] = {0, 0, 0, 0};
    QGraphicsScene *scene = m_window->layoutScene();
    const int count = m_players * 13 + 1;
    for (int i = 0; i < count && i < Slots; ++i) {
        const int w = dealWind(m_players, i);
        const int o = (w - m_ownWind + 4) % 4;
        const double s = startStep(i);
        const double e = s + 0.333;
        const std::vector<TilePlacement> from = source->sourcePlacements(1);
        if (from.empty())
            break;
        const TilePlacement &a = from.front();
        std::unique_ptr<TileAnimation> &slot = m_window->dealTile(i);
        slot = std::make_unique<TileAnimation>(scene, timeLine(), WallKind, a.orientation, o, s, e);
        HiddenHandView *target = m_window->hiddenHandView(o);
        const int n = received[o];
        const int base = TileMetrics::runLength(TileMetrics::gameSize(o, WallKind), o);
        const double startScale =
            base > 0 ? double(TileMetrics::runLength(TileMetrics::gameSize(a.orientation, WallKind), a.orientation)) / base
                     : 1.0;
        const double endScale =
            base > 0 ? double(TileMetrics::runLength(TileMetrics::gameSize(target->orientation(), HiddenKind),
                                                     target->orientation())) /
                           base
                     : 1.0;
        slot->setStartPos(a.pos);
        slot->setScaleAt(s, startScale, startScale);
        slot->setEndPos(target->tileScenePos(n));
        slot->setScaleAt(e, endScale, endScale);
        slot->setZValue(a.pos.y());
        slot->setStartZValue(1000 + i);
        slot->setEndZValue(target->tileZ(n));
        if (slot->tileItem())
            slot->tileItem()->show();
        source->takeTiles(1);
        received[o] = n + 1;
    }
    m_timeLine.start();
}

void DealStartHandAnimation::finish(bool instant)
{
    if (instant && m_timeLine.state() == QTimeLine::Running)
        m_timeLine.stop();
}
