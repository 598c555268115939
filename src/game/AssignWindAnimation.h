#pragma once

#include "table/scene/GameWindowAnimation.h"

#include <QGraphicsItemAnimation>

#include <array>
#include <memory>

class GameWindow;

// The wind markers spiral out of the table's centre to their seats, turning once.
class AssignWindAnimation : public GameWindowAnimation
{
    Q_OBJECT

public:
    static constexpr int DurationMs = 1000;
    static constexpr int KeyFrames = 50;

    explicit AssignWindAnimation(GameWindow *window);
    ~AssignWindAnimation() override;

    void start(bool instant) override;
    void finish(bool instant) override;

private:
    GameWindow *m_window;
    std::array<std::unique_ptr<QGraphicsItemAnimation>, 4> m_moves;
};
