#include "app/RulesetInfo.h"

#include <array>
#include <stdexcept>

namespace {

class FixedRulesetInfo : public RulesetInfo
{
public:
    FixedRulesetInfo(int deadWall, int liveWall, int stacks, int riichi)
        : m_deadWall(deadWall), m_liveWall(liveWall), m_stacks(stacks), m_riichi(riichi)
    {
    }

    int deadWallSize() const override { return m_deadWall; }
    int liveWallSize() const override { return m_liveWall; }
    int wallStackLength() const override { return m_stacks; }
    int isRiichi() const override { return m_riichi; }

private:
    int m_deadWall;
    int m_liveWall;
    int m_stacks;
    int m_riichi;
};

} // namespace

const RulesetInfo &RulesetInfoInstance(int id)
{
    if (id < 0 || id >= RulesetInfo::Count)
        throw std::runtime_error("Ruleset not supported");
    static const std::array<FixedRulesetInfo, RulesetInfo::Count> rulesets = {{
        {14, 130, 18, 0}, // Classic
        {0, 144, 18, 0},  // MCR
        {14, 122, 17, 1}, // EMA Riichi
        {14, 122, 17, 1}, // Japanese Riichi
        {14, 94, 18, 1},  // Kansai Riichi
        {14, 130, 17, 0}, // Hong Kong
    }};
    return rulesets[static_cast<std::size_t>(id)];
}
