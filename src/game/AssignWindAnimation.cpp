#include "game/AssignWindAnimation.h"

#include "app/startup/GameSounds.h"
#include "game/GameWindow.h"
#include "table/scene/WindView.h"

#include <QTransform>

namespace {

constexpr int WindAssignmentSound = 12;

} // namespace

AssignWindAnimation::AssignWindAnimation(GameWindow *window)
    : GameWindowAnimation(DurationMs), m_window(window)
{
    QPointF centre;
    for (int m = 0; m < 4; ++m)
        centre += window->seatMarkerPos(m);
    centre *= 0.25;
    for (int m = 0; m < 4; ++m) {
        WindView *marker = window->windMarker(m);
        marker->setPos(centre);
        auto move = std::make_unique<QGraphicsItemAnimation>();
        move->setItem(marker);
        move->setTimeLine(timeLine());
        const QPointF offset = window->seatMarkerPos(m) - centre;
        for (int k = 0; k <= KeyFrames; ++k) {
            const double step = k / double(KeyFrames);
            QTransform rotation;
            rotation.rotate(-360.0 * step);
            move->setPosAt(step, centre + step * rotation.map(offset));
        }
        m_moves[static_cast<size_t>(m)] = std::move(move);
    }
}

AssignWindAnimation::~AssignWindAnimation() = default;

void AssignWindAnimation::start(bool instant)
{
    if (m_window->isVisible())
        GameSounds::instance().play(WindAssignmentSound, 0);
    if (!instant)
        m_timeLine.start();
}

void AssignWindAnimation::finish(bool)
{
    m_timeLine.stop();
    for (int m = 0; m < 4; ++m)
        m_window->windMarker(m)->setPos(m_window->seatMarkerPos(m));
}
