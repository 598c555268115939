#include "HandChecker.h"

#include "app/RulesetInfo.h"

#include <algorithm>
#include <array>

namespace {

using Counts = std::array<int, 34>;
using Tiles = HandChecker::Tiles;

bool countsOf(const Tiles &tiles, Counts &counts)
{
    counts.fill(0);
    for (std::uint8_t t : tiles) {
        if (t >= 34)
            return false;
        ++counts[t];
    }
    return true;
}

bool isSuited(int t)
{
    return t < 27;
}

// Every split of the tiles of c into sets of three, each appended to `found` after the
// groups of `sets`.
void allSplits(Counts &c, std::vector<Tiles> &sets, std::vector<std::vector<Tiles>> &found)
{
    const auto first = std::find_if(c.begin(), c.end(), [](int n) { return n > 0; });
    if (first == c.end()) {
        found.push_back(sets);
        return;
    }
    const int t = static_cast<int>(first - c.begin());
    const auto tile = static_cast<std::uint8_t>(t);
    if (c[t] >= 3) {
        c[t] -= 3;
        sets.push_back({tile, tile, tile});
        allSplits(c, sets, found);
        sets.pop_back();
        c[t] += 3;
    }
    if (isSuited(t) && t % 9 <= 6 && c[t + 1] > 0 && c[t + 2] > 0) {
        --c[t], --c[t + 1], --c[t + 2];
        sets.push_back({tile, static_cast<std::uint8_t>(t + 1), static_cast<std::uint8_t>(t + 2)});
        allSplits(c, sets, found);
        sets.pop_back();
        ++c[t], ++c[t + 1], ++c[t + 2];
    }
}

// The fewest exchanges from the tiles of c (from tile i on) to a standard hand of `sets`
// sets and a pair, given the sets, partial sets and pair taken out so far.
void searchShanten(Counts &c, int i, int sets, int needed, int partials, bool pair, int &best)
{
    while (i < 34 && c[i] == 0)
        ++i;
    if (i == 34) {
        const int usedPartials = std::min(partials, needed - sets);
        best = std::min(best, 2 * (needed - sets) - usedPartials - (pair ? 1 : 0));
        return;
    }
    const bool suited = isSuited(i);
    if (c[i] >= 3) {
        c[i] -= 3;
        searchShanten(c, i, sets + 1, needed, partials, pair, best);
        c[i] += 3;
    }
    if (suited && i % 9 <= 6 && c[i + 1] > 0 && c[i + 2] > 0) {
        --c[i], --c[i + 1], --c[i + 2];
        searchShanten(c, i, sets + 1, needed, partials, pair, best);
        ++c[i], ++c[i + 1], ++c[i + 2];
    }
    if (c[i] >= 2) {
        c[i] -= 2;
        if (!pair)
            searchShanten(c, i, sets, needed, partials, true, best);
        searchShanten(c, i, sets, needed, partials + 1, pair, best);
        c[i] += 2;
    }
    for (int gap = 1; suited && gap <= 2; ++gap) {
        if (i % 9 + gap <= 8 && c[i + gap] > 0) {
            --c[i], --c[i + gap];
            searchShanten(c, i, sets, needed, partials + 1, pair, best);
            ++c[i], ++c[i + gap];
        }
    }
    --c[i];
    searchShanten(c, i, sets, needed, partials, pair, best);
    ++c[i];
}

bool hasSevenPairs(int ruleset)
{
    return ruleset != RulesetInfo::CLASSIC && ruleset != RulesetInfo::HONG_KONG;
}

bool isTerminalOrHonor(int t)
{
    return t >= 27 || t % 9 == 0 || t % 9 == 8;
}

// The 14 tiles of c as seven different pairs, where the rule set plays them.
std::vector<Tiles> sevenPairs(const Counts &c, int ruleset)
{
    std::vector<Tiles> pairs;
    if (!hasSevenPairs(ruleset) || std::count(c.begin(), c.end(), 2) != 7
        || std::any_of(c.begin(), c.end(), [](int n) { return n != 0 && n != 2; }))
        return pairs;
    for (int t = 0; t < 34; ++t) {
        if (c[t] == 2)
            pairs.push_back({static_cast<std::uint8_t>(t), static_cast<std::uint8_t>(t)});
    }
    return pairs;
}

// The 14 tiles of c as thirteen orphans, one sorted group.
std::vector<Tiles> thirteenOrphans(const Counts &c)
{
    Tiles sorted;
    for (int t = 0; t < 34; ++t) {
        if (isTerminalOrHonor(t) != (c[t] > 0) || c[t] > 2)
            return {};
        sorted.insert(sorted.end(), static_cast<std::size_t>(c[t]), static_cast<std::uint8_t>(t));
    }
    return sorted.size() == 14 ? std::vector<Tiles>{sorted} : std::vector<Tiles>{};
}

} // namespace

int HandChecker::count(const Tiles &tiles, std::uint8_t t)
{
    return static_cast<int>(std::count(tiles.begin(), tiles.end(), t));
}

std::vector<std::vector<Tiles>> HandChecker::arrangements(const Tiles &concealed, int ruleset)
{
    std::vector<std::vector<Tiles>> found;
    Counts c;
    if (concealed.size() % 3 != 2 || !countsOf(concealed, c))
        return found;
    for (int pair = 0; pair < 34; ++pair) {
        if (c[pair] < 2)
            continue;
        c[pair] -= 2;
        const auto tile = static_cast<std::uint8_t>(pair);
        std::vector<Tiles> sets{Tiles{tile, tile}};
        allSplits(c, sets, found);
        c[pair] += 2;
    }
    for (std::vector<Tiles> special : {sevenPairs(c, ruleset), thirteenOrphans(c)}) {
        if (!special.empty())
            found.push_back(std::move(special));
    }
    return found;
}

bool HandChecker::isComplete(const Tiles &concealed, int ruleset)
{
    return !arrangements(concealed, ruleset).empty();
}

bool HandChecker::isReady(const Tiles &concealed, int ruleset)
{
    Tiles hand = concealed;
    hand.push_back(0);
    for (std::uint8_t t = 0; t < 34; ++t) {
        if (count(concealed, t) == 4)
            continue;
        hand.back() = t;
        if (isComplete(hand, ruleset))
            return true;
    }
    return false;
}

Tiles HandChecker::chowStarts(const Tiles &concealed, std::uint8_t t)
{
    Tiles starts;
    if (!isSuited(t))
        return starts;
    const int position = t % 9;
    for (int offset = 2; offset >= 0; --offset) {
        const int start = t - offset;
        if (position - offset < 0 || position - offset > 6)
            continue;
        bool complete = true;
        for (int i = 0; i < 3; ++i) {
            const int needed = start + i;
            if (needed != t && count(concealed, static_cast<std::uint8_t>(needed)) == 0)
                complete = false;
        }
        if (complete)
            starts.push_back(static_cast<std::uint8_t>(start));
    }
    return starts;
}

int HandChecker::shanten(const Tiles &concealed)
{
    Counts c;
    if (!countsOf(concealed, c))
        return 8;
    const int needed = static_cast<int>(concealed.size() / 3);
    int best = 2 * needed;
    searchShanten(c, 0, 0, needed, 0, false, best);
    return best;
}
