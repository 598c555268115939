#include "table/scene/GameWindowAnimation.h"

#include "game/GameWindowAction.h"

#include <QPointer>

namespace {

class StartAction : public GameWindowAction
{
public:
    explicit StartAction(GameWindowAnimation *animation) : m_animation(animation) {}

    bool execute(bool instant) override
    {
        if (m_animation)
            m_animation->start(instant);
        return false;
    }

private:
    QPointer<GameWindowAnimation> m_animation;
};

class EndAction : public GameWindowAction
{
public:
    explicit EndAction(GameWindowAnimation *animation) : m_animation(animation) {}
    ~EndAction() override { delete m_animation; }

    bool execute(bool instant) override
    {
        GameWindowAnimation *animation = m_animation.data();
        m_animation.clear();
        if (!animation)
            return true;
        animation->finish(instant);
        // A time line still running after a flush must not step the queue again.
        animation->timeLine()->stop();
        animation->deleteLater();
        return true;
    }

private:
    QPointer<GameWindowAnimation> m_animation;
};

} // namespace

GameWindowAnimation::GameWindowAnimation(int durationMs)
    : m_timeLine(durationMs)
{
    m_timeLine.setUpdateInterval(20);
    connect(&m_timeLine, &QTimeLine::finished, this, &GameWindowAnimation::finished);
}

GameWindowAnimation::~GameWindowAnimation() = default;

GameWindowAction *GameWindowAnimation::startAction()
{
    return new StartAction(this);
}

GameWindowAction *GameWindowAnimation::endAction()
{
    return new EndAction(this);
}
