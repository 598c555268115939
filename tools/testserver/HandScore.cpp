#include "HandScore.h"

#include "app/RulesetInfo.h"

#include <algorithm>
#include <tuple>

namespace {

using Tiles = HandChecker::Tiles;

// The codes of the client's score names (its lists are only ever appended to).
enum PointCode {
    BasePoints = 0,
    ConcealedRon = 1,
    SelfDrawnPoints = 2,
    // Then a pung's and a kong's lines: +1 concealed, +2 terminals or honours, +4 kong.
    ExposedPungOfSimples = 3,
    PairOfDragons = 11,
    PairOfSeatWind = 12,
    PairOfPrevalentWind = 13,
    EdgeWait = 14,
    ClosedWait = 15,
    PairWait = 16,
    BonusTile = 17,
};
enum DoubleCode {
    Riichi = 0,
    FullyConcealedHand = 3,
    Pinfu = 4, // all chows in the Chinese rule sets
    AllSimples = 5,
    DragonPung = 7,
    SeatWind = 8,
    PrevalentWind = 9,
    AfterAKong = 11,
    LastTileFromTheWall = 12,
    LastDiscard = 13,
    AllPungs = 17,
    SevenPairs = 21,
    HalfFlush = 24,
    FullFlush = 27,
    Dora = 28,
};
enum LimitCode { ThirteenOrphans = 0, BigThreeDragons = 3, BigFourWinds = 5, AllHonours = 6 };

// Hong Kong's paying chart: the points of the fewest faan a win needs, and up.
constexpr int payingChart[] = {2, 8, 16, 24, 32, 48, 64, 96, 128, 256, 512};
constexpr int ClassicLimit = 1000;
constexpr int RiichiLimit = 8000;

constexpr std::uint8_t FirstWind = 27;
constexpr std::uint8_t FirstDragon = 31;

bool isRiichi(int ruleset)
{
    return RulesetInfoInstance(ruleset).isRiichi() != 0;
}

bool isHonour(std::uint8_t t)
{
    return t >= FirstWind;
}

bool isTerminalOrHonour(std::uint8_t t)
{
    return isHonour(t) || t % 9 == 0 || t % 9 == 8;
}

bool isChow(const Tiles &set)
{
    return set.size() == 3 && set[0] != set[1];
}

int roundUp(int value, int step)
{
    return (value + step - 1) / step * step;
}

// The tile a dora indicator points at: the next of its suit, wind or dragon, round.
std::uint8_t doraOf(std::uint8_t indicator, int ruleset)
{
    if (indicator >= FirstDragon)
        return static_cast<std::uint8_t>(FirstDragon + (indicator - FirstDragon + 1) % 3);
    if (indicator >= FirstWind)
        return static_cast<std::uint8_t>(FirstWind + (indicator - FirstWind + 1) % 4);
    // Three-player riichi plays without the characters 2 to 8: 1 points at 9.
    if (ruleset == RulesetInfo::KANSAI_RIICHI && indicator == 9)
        return 17;
    return static_cast<std::uint8_t>(indicator % 9 == 8 ? indicator - 8 : indicator + 1);
}

// What a double is worth in a rule set; 0 where the rule set does not count it.
int worth(int ruleset, int code, bool concealedHand)
{
    if (isRiichi(ruleset)) {
        switch (code) {
        case AllPungs:
        case SevenPairs:
            return 2;
        case HalfFlush:
            return concealedHand ? 3 : 2;
        case FullFlush:
            return concealedHand ? 6 : 5;
        default:
            return 1;
        }
    }
    switch (ruleset) {
    case RulesetInfo::CLASSIC:
        switch (code) {
        case Pinfu:
        case AllSimples:
        case SevenPairs:
            return 0;
        case FullFlush:
            return 3;
        default:
            return 1;
        }
    case RulesetInfo::MCR:
        switch (code) {
        case Pinfu:
        case AllSimples:
        case DragonPung:
        case SeatWind:
        case PrevalentWind:
            return 2;
        case FullyConcealedHand:
            return 4;
        case AllPungs:
        case HalfFlush:
            return 6;
        case AfterAKong:
        case LastTileFromTheWall:
        case LastDiscard:
            return 8;
        case SevenPairs:
        case FullFlush:
            return 24;
        default:
            return 0;
        }
    default: // Hong Kong
        switch (code) {
        case AllSimples:
        case LastDiscard:
            return 0;
        case AllPungs:
        case HalfFlush:
            return 3;
        case FullFlush:
            return 7;
        default:
            return 1;
        }
    }
}

// What a limit hand scores: the limit of the rule set; MCR counts its fans.
int limitValue(int ruleset, int code)
{
    if (isRiichi(ruleset))
        return RiichiLimit;
    switch (ruleset) {
    case RulesetInfo::CLASSIC:
        return ClassicLimit;
    case RulesetInfo::MCR:
        return code == AllHonours ? 64 : 88;
    default:
        return payingChart[HandScore::maxDoubles(ruleset) - HandScore::minDoubles(ruleset)];
    }
}

// The base points of han and fu, up to the limit.
int riichiBasePoints(int han, int fu)
{
    if (han >= 13)
        return RiichiLimit;
    if (han >= 11)
        return 6000;
    if (han >= 8)
        return 4000;
    if (han >= 6)
        return 3000;
    if (han >= 5)
        return 2000;
    return std::min(2000, fu << (2 + han));
}

} // namespace

int HandScore::minDoubles(int)
{
    return 1;
}

int HandScore::maxDoubles(int ruleset)
{
    if (isRiichi(ruleset))
        return 13;
    return ruleset == RulesetInfo::HONG_KONG ? 8 : 0;
}

HandScore HandScore::of(const Win &win)
{
    HandScore best;
    best.m_ruleset = win.ruleset;
    best.m_selfDrawn = win.selfDrawn;
    const auto rank = [](const HandScore &s) { return std::make_tuple(s.isWin(), s.value, s.doublesTotal, s.pointsTotal); };
    for (const std::vector<Tiles> &arrangement : HandChecker::arrangements(win.concealed, win.ruleset)) {
        // The winning tile may finish any group that holds it, each at its own wait.
        for (std::size_t group = 0; group < arrangement.size(); ++group) {
            const Tiles &tiles = arrangement[group];
            for (std::size_t index = 0; index < tiles.size(); ++index) {
                if (tiles[index] != win.winningTile || (index > 0 && tiles[index - 1] == win.winningTile))
                    continue;
                HandScore candidate = counted(win, arrangement, group, index);
                if (best.groups.empty() || rank(candidate) > rank(best))
                    best = std::move(candidate);
            }
        }
    }
    return best;
}

HandScore HandScore::counted(const Win &win, const std::vector<Tiles> &arrangement, std::size_t winGroup,
                             std::size_t winIndex)
{
    const int ruleset = win.ruleset;
    const bool riichi = isRiichi(ruleset);
    HandScore s;
    s.m_ruleset = ruleset;
    s.m_selfDrawn = win.selfDrawn;
    s.groups = arrangement;
    s.winningGroup = winGroup;
    s.winningIndex = winIndex;

    // A standard hand has no more than a pair and four sets: a concealed pair alone is
    // one group too.
    const bool orphans = arrangement.size() == 1 && arrangement[0].size() == 14;
    const bool sevenPairs = arrangement.size() == 7;
    const bool standard = !orphans && !sevenPairs;
    // The sets, each concealed unless claimed or finished with another player's tile.
    std::vector<std::pair<Tiles, bool>> sets;
    for (std::size_t i = 1; standard && i < arrangement.size(); ++i)
        sets.emplace_back(arrangement[i], win.selfDrawn || i != winGroup);
    Tiles all = win.concealed;
    bool concealedHand = true;
    for (const Meld &meld : win.melds) {
        sets.emplace_back(meld.tiles, meld.concealed);
        all.insert(all.end(), meld.tiles.begin(), meld.tiles.end());
        concealedHand = concealedHand && meld.concealed;
    }
    const auto countSets = [&sets](auto pick) {
        return static_cast<int>(std::count_if(sets.begin(), sets.end(), [&](const auto &set) { return pick(set.first); }));
    };
    const int dragonSets = countSets([](const Tiles &t) { return !isChow(t) && t[0] >= FirstDragon; });
    const int windSets = countSets([](const Tiles &t) { return !isChow(t) && isHonour(t[0]) && t[0] < FirstDragon; });
    const int chows = countSets(isChow);
    const bool allHonours = std::all_of(all.begin(), all.end(), isHonour);

    // A limit hand scores the limit alone.
    for (const auto &[code, holds] : {std::make_pair(int(ThirteenOrphans), orphans),
                                      std::make_pair(int(BigThreeDragons), dragonSets == 3),
                                      std::make_pair(int(BigFourWinds), windSets == 4),
                                      std::make_pair(int(AllHonours), allHonours)}) {
        if (holds) {
            s.limits.push_back({code, 0});
            s.value = std::max(s.value, limitValue(ruleset, code));
        }
    }
    if (!s.limits.empty())
        return s;

    const std::uint8_t pair = arrangement[0][0];
    const std::uint8_t seatWindTile = static_cast<std::uint8_t>(FirstWind + win.seatWind);
    const std::uint8_t prevalentWindTile = static_cast<std::uint8_t>(FirstWind + win.prevalentWind);
    const bool valuePair = pair >= FirstDragon || pair == seatWindTile || pair == prevalentWindTile;
    const Tiles &finished = arrangement[winGroup];
    const bool chowWait = standard && winGroup > 0 && isChow(finished);
    const bool closedWait = chowWait && winIndex == 1;
    const bool edgeWait = chowWait && ((winIndex == 2 && finished[0] % 9 == 0) || (winIndex == 0 && finished[0] % 9 == 6));
    const bool pairWait = standard && winGroup == 0;
    const bool twoSided = chowWait && !closedWait && !edgeWait;
    const bool pinfuShape = standard && concealedHand && chows == 4 && !valuePair && twoSided;

    // The points of the sets, the pair and the wait.
    if (riichi || ruleset == RulesetInfo::CLASSIC) {
        const auto point = [&s](int code, int value) {
            s.points.push_back({code, value});
            s.pointsTotal += value;
        };
        if (sevenPairs) {
            point(BasePoints, 25);
        } else {
            point(BasePoints, 20);
            if (riichi && concealedHand && !win.selfDrawn)
                point(ConcealedRon, 10);
            if (win.selfDrawn && !(riichi && pinfuShape))
                point(SelfDrawnPoints, 2);
            for (const auto &[tiles, concealed] : sets) {
                if (isChow(tiles))
                    continue;
                // 2 points, doubled when concealed, again for terminals or honours, and
                // twice more for a kong.
                const int exposedOrConcealed = concealed ? 1 : 0;
                const int terminals = isTerminalOrHonour(tiles[0]) ? 1 : 0;
                const int kong = tiles.size() == 4 ? 1 : 0;
                point(ExposedPungOfSimples + exposedOrConcealed + 2 * terminals + 4 * kong,
                      2 << (exposedOrConcealed + terminals + 2 * kong));
            }
            if (pair >= FirstDragon)
                point(PairOfDragons, 2);
            if (pair == seatWindTile)
                point(PairOfSeatWind, 2);
            if (pair == prevalentWindTile)
                point(PairOfPrevalentWind, 2);
            if (edgeWait)
                point(EdgeWait, 2);
            else if (closedWait)
                point(ClosedWait, 2);
            else if (pairWait)
                point(PairWait, 2);
            if (ruleset == RulesetInfo::CLASSIC && win.bonusTiles > 0)
                point(BonusTile, 4 * win.bonusTiles);
        }
        if (riichi && !sevenPairs) {
            // Rounded up to ten; only a self-drawn pinfu stays at 20.
            s.pointsTotal = roundUp(s.pointsTotal, 10);
            if (s.pointsTotal == 20 && !(pinfuShape && win.selfDrawn))
                s.pointsTotal = 30;
        }
    }

    // The doubles.
    const auto count = [&s, ruleset, concealedHand](int code, int times) {
        const int value = worth(ruleset, code, concealedHand) * times;
        if (value <= 0)
            return;
        s.doubles.push_back({code, value});
        s.doublesTotal += value;
        if (code != Dora)
            s.m_yaku += value;
    };
    if (win.riichi)
        count(Riichi, 1);
    if (concealedHand && win.selfDrawn)
        count(FullyConcealedHand, 1);
    const bool allChows = standard && chows == 4;
    if (riichi ? pinfuShape : allChows && (ruleset != RulesetInfo::MCR || !isHonour(pair)))
        count(Pinfu, 1);
    if (std::none_of(all.begin(), all.end(), isTerminalOrHonour))
        count(AllSimples, 1);
    if (dragonSets > 0)
        count(DragonPung, dragonSets);
    const auto hasSetOf = [&sets](std::uint8_t t) {
        return std::any_of(sets.begin(), sets.end(), [t](const auto &set) { return set.first[0] == t && !isChow(set.first); });
    };
    if (hasSetOf(seatWindTile))
        count(SeatWind, 1);
    if (hasSetOf(prevalentWindTile))
        count(PrevalentWind, 1);
    if (win.selfDrawn && win.afterKong)
        count(AfterAKong, 1);
    else if (win.selfDrawn && win.lastTile)
        count(LastTileFromTheWall, 1);
    else if (win.lastTile)
        count(LastDiscard, 1);
    if (standard && chows == 0)
        count(AllPungs, 1);
    if (sevenPairs)
        count(SevenPairs, 1);
    std::vector<int> suits;
    for (std::uint8_t t : all) {
        if (!isHonour(t) && std::find(suits.begin(), suits.end(), t / 9) == suits.end())
            suits.push_back(t / 9);
    }
    if (suits.size() == 1)
        count(std::any_of(all.begin(), all.end(), isHonour) ? HalfFlush : FullFlush, 1);
    int dora = 0;
    for (std::uint8_t indicator : win.doraIndicators)
        dora += HandChecker::count(all, doraOf(indicator, ruleset));
    if (dora > 0)
        count(Dora, dora);

    if (riichi) {
        s.value = riichiBasePoints(s.doublesTotal, s.pointsTotal);
    } else if (ruleset == RulesetInfo::CLASSIC) {
        s.value = std::min(ClassicLimit, s.pointsTotal << std::min(s.doublesTotal, 10));
    } else if (ruleset == RulesetInfo::MCR) {
        s.value = s.doublesTotal;
    } else {
        const int faan = std::clamp(s.doublesTotal, minDoubles(ruleset), maxDoubles(ruleset));
        s.value = payingChart[faan - minDoubles(ruleset)];
    }
    return s;
}

bool HandScore::isWin() const
{
    return !groups.empty() && (!limits.empty() || m_yaku >= minDoubles(m_ruleset));
}

int HandScore::payment(bool winnerIsDealer, bool payerIsDealer, bool payerDiscarded) const
{
    if (isRiichi(m_ruleset)) {
        if (!m_selfDrawn)
            return payerDiscarded ? roundUp(value * (winnerIsDealer ? 6 : 4), 100) : 0;
        return roundUp(value * (winnerIsDealer || payerIsDealer ? 2 : 1), 100);
    }
    switch (m_ruleset) {
    case RulesetInfo::CLASSIC:
        return value * (winnerIsDealer || payerIsDealer ? 2 : 1);
    case RulesetInfo::MCR:
        return 8 + (m_selfDrawn || payerDiscarded ? value : 0);
    default: // Hong Kong: the discarder pays the chart's Discard column, twice its Self-draw
        if (!m_selfDrawn)
            return payerDiscarded ? 2 * value : 0;
        return value;
    }
}
