#pragma once

#include <cstdint>
#include <vector>

// Checks concealed tiles: whether they complete a hand (sets of three and a pair,
// seven pairs where the rule set has them, thirteen orphans), whether one tile is
// missing, and which claims a discard allows. Tiles are the server's codes 0-33;
// declared melds are not part of the tiles given.
class HandChecker
{
public:
    using Tiles = std::vector<std::uint8_t>;

    static bool isComplete(const Tiles &concealed, int ruleset);
    // Every way the tiles complete a hand: a pair and sets of three (pair first, then
    // the sets from the lowest tile), seven pairs, or thirteen orphans as one group.
    static std::vector<std::vector<Tiles>> arrangements(const Tiles &concealed, int ruleset);
    // One tile short of a complete hand.
    static bool isReady(const Tiles &concealed, int ruleset);
    // How many tiles the concealed tiles are from a ready hand of sets and a pair:
    // 0 ready, -1 complete.
    static int shanten(const Tiles &concealed);
    // The lowest tiles of the chows the tile completes with two tiles of the hand.
    static Tiles chowStarts(const Tiles &concealed, std::uint8_t t);
    static int count(const Tiles &tiles, std::uint8_t t);
};
