#pragma once

#include <cstdint>
#include <random>
#include <vector>

// The wall of one hand: the rule set's tiles shuffled, drawn from the front, with
// replacement draws from the back (the dead wall). The live and dead counters move
// exactly as the client counts them, so both sides see the same wall.
class Wall
{
public:
    Wall(int ruleset, std::mt19937 &random);

    // The tiles of a rule set: four of each face it plays with, one of each bonus tile.
    static std::vector<std::uint8_t> tileSet(int ruleset);
    static bool isBonus(std::uint8_t t) { return t >= 34 && t <= 41; }

    bool canDraw() const { return m_live > 0; }
    bool canReplace() const;
    std::uint8_t draw();
    std::uint8_t drawReplacement();
    // The next dora indicator of the riichi rule sets, from the dead wall.
    std::uint8_t revealDora();

    int live() const { return m_live; }
    int dead() const { return m_dead; }
    int deadDealt() const { return m_deadDealt; }
    int deadWallPosition() const { return m_deadWallPosition; }
    const std::vector<std::uint8_t> &dora() const { return m_dora; }

private:
    int m_ruleset;
    std::vector<std::uint8_t> m_tiles;
    std::size_t m_front = 0;
    std::size_t m_back = 0;
    int m_live = 0;
    int m_dead = 0;
    int m_deadDealt = 0;
    int m_deadWallPosition = 0;
    std::vector<std::uint8_t> m_dora;
};
