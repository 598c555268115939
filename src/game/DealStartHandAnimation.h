#pragma once

#include "table/scene/GameWindowAnimation.h"

class GameWindow;

// The deal of the starting hands: 13 tiles to every player and a 14th to East fly in
// blocks of four from the wall to the seats' hidden hands. The flying tiles live in the
// window's deal slots; the window hides them at the hand's first draw.
class DealStartHandAnimation : public GameWindowAnimation
{
    Q_OBJECT

public:
    static constexpr int DurationMs = 1500;
    static constexpr int Slots = 53;

    explicit DealStartHandAnimation(GameWindow *window);

    void start(bool instant) override;
    void finish(bool instant) override;

    // The wind receiving the i-th dealt tile at a table of 2 to 4 players.
    static int dealWind(int players, int i);
    // When the i-th tile leaves the wall, as a share of the animation.
    static double startStep(int i);

private:
    GameWindow *m_window;
    int m_ownWind;
    int m_players;
};
