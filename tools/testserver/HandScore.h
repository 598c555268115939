#pragma once

#include "HandChecker.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The score of a win under the demo world's rule sets, in the score lines whose names
// the client knows by their codes: the points (fu) of the sets, the pair and the wait,
// the doubles (han, fan, faan) of the hand, the limit hands, and the value that the
// payments follow from. Of the ways the tiles complete the hand, the one that pays the
// most counts. A win needs a double other than dora, or a limit hand.
class HandScore
{
public:
    struct Line
    {
        int code = 0;
        int value = 0;
    };

    // A declared meld: a chow, pung or kong; only a kong may be concealed.
    struct Meld
    {
        HandChecker::Tiles tiles;
        bool concealed = false;
    };

    struct Win
    {
        int ruleset = 0;
        HandChecker::Tiles concealed; // with the winning tile
        std::vector<Meld> melds;
        std::uint8_t winningTile = 0;
        bool selfDrawn = false;
        bool riichi = false;
        bool afterKong = false; // drawn in place of a kong
        bool lastTile = false; // the wall's last tile, drawn or discarded
        int seatWind = 0; // 0 east to 3 north
        int prevalentWind = 0;
        int bonusTiles = 0;
        HandChecker::Tiles doraIndicators;
    };

    static HandScore of(const Win &win);
    // The doubles a win needs, and the most that a Hong Kong or riichi win is paid for
    // (0: no most).
    static int minDoubles(int ruleset);
    static int maxDoubles(int ruleset);

    bool isWin() const;
    // What one other player pays for the win.
    int payment(bool winnerIsDealer, bool payerIsDealer, bool payerDiscarded) const;

    std::vector<Line> points;
    std::vector<Line> doubles;
    std::vector<Line> limits;
    int pointsTotal = 0;
    int doublesTotal = 0;
    // Riichi: the base points; Classic: the hand score (the points doubled, up to the
    // limit); MCR: the fans; Hong Kong: the paying chart's points of the faan.
    int value = 0;
    // The concealed tiles as they were counted: the pair first, or the seven pairs, or
    // the thirteen orphans; and where in them the winning tile was counted.
    std::vector<HandChecker::Tiles> groups;
    std::size_t winningGroup = 0;
    std::size_t winningIndex = 0;

private:
    // The score of one arrangement, the winning tile at its index of its group.
    static HandScore counted(const Win &win, const std::vector<HandChecker::Tiles> &arrangement,
                             std::size_t winGroup, std::size_t winIndex);

    int m_ruleset = 0;
    bool m_selfDrawn = false;
    int m_yaku = 0; // doubles that make a win: all but dora
};
