#include "app/RulesetInfo.h"

#include <array>
#include <stdexcept>

namespace {

struct WallSizes
{
    int deadWall;
    int liveWall;
    int stacks;
    int riichi;
};

constexpr std::array<WallSizes, RulesetInfo::Count> wallSizes = {{
    {14, 130, 18, 0}, // Classic
    {0, 144, 18, 0},  // MCR
    {14, 122, 17, 1}, // EMA Riichi
    {14, 122, 17, 1}, // Japanese Riichi
    {14, 94, 18, 1},  // Kansai Riichi
    {14, 130, 17, 0}, // Hong Kong
}};

constexpr bool wallsWithinMax()
{
    for (const WallSizes &sizes : wallSizes) {
        if (sizes.deadWall + sizes.liveWall > RulesetInfo::MaxWallTiles)
            return false;
    }
    return true;
}
static_assert(wallsWithinMax(), "a rule set's wall holds more tiles than RulesetInfo::MaxWallTiles");

class FixedRulesetInfo : public RulesetInfo
{
public:
    explicit FixedRulesetInfo(const WallSizes &sizes) : m_sizes(sizes) {}

    int deadWallSize() const override { return m_sizes.deadWall; }
    int liveWallSize() const override { return m_sizes.liveWall; }
    int wallStackLength() const override { return m_sizes.stacks; }
    int isRiichi() const override { return m_sizes.riichi; }

private:
    WallSizes m_sizes;
};

} // namespace

const RulesetInfo &RulesetInfoInstance(int id)
{
    if (id < 0 || id >= RulesetInfo::Count)
        throw std::runtime_error("Ruleset not supported");
    static const std::array<FixedRulesetInfo, RulesetInfo::Count> rulesets = {{
        FixedRulesetInfo(wallSizes[0]),
        FixedRulesetInfo(wallSizes[1]),
        FixedRulesetInfo(wallSizes[2]),
        FixedRulesetInfo(wallSizes[3]),
        FixedRulesetInfo(wallSizes[4]),
        FixedRulesetInfo(wallSizes[5]),
    }};
    return rulesets[static_cast<std::size_t>(id)];
}

RuleFamily ruleFamily(int rulesetId)
{
    switch (rulesetId) {
    case RulesetInfo::CLASSIC:
    case RulesetInfo::HONG_KONG:
        return RuleFamily::ClassicHongKong;
    case RulesetInfo::MCR:
        return RuleFamily::Mcr;
    default:
        return RuleFamily::Riichi;
    }
}
