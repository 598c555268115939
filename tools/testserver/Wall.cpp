#include "Wall.h"

#include "app/RulesetInfo.h"

#include <algorithm>
#include <stdexcept>

namespace {

bool hasBonusTiles(int ruleset)
{
    return ruleset == RulesetInfo::CLASSIC || ruleset == RulesetInfo::MCR || ruleset == RulesetInfo::HONG_KONG;
}

} // namespace

std::vector<std::uint8_t> Wall::tileSet(int ruleset)
{
    std::vector<std::uint8_t> tiles;
    for (std::uint8_t face = 0; face < 34; ++face) {
        // Three-player riichi plays without the characters 2 to 8.
        if (ruleset == RulesetInfo::KANSAI_RIICHI && face >= 10 && face <= 16)
            continue;
        tiles.insert(tiles.end(), 4, face);
    }
    if (hasBonusTiles(ruleset)) {
        for (std::uint8_t bonus = 34; bonus <= 41; ++bonus)
            tiles.push_back(bonus);
    }
    return tiles;
}

Wall::Wall(int ruleset, std::mt19937 &random) : m_ruleset(ruleset), m_tiles(tileSet(ruleset))
{
    const RulesetInfo &info = RulesetInfoInstance(ruleset);
    std::shuffle(m_tiles.begin(), m_tiles.end(), random);
    m_back = m_tiles.size();
    m_dead = info.deadWallSize();
    m_live = static_cast<int>(m_tiles.size()) - m_dead;
    const int ring = 8 * info.wallStackLength();
    std::uniform_int_distribution<int> dice(1, 6);
    m_deadWallPosition = (2 * (dice(random) + dice(random))) % ring;
    if (info.isRiichi())
        revealDora();
}

bool Wall::canReplace() const
{
    switch (m_ruleset) {
    case RulesetInfo::MCR:
        return m_live > 0;
    case RulesetInfo::CLASSIC:
    case RulesetInfo::HONG_KONG:
        return m_dead > 0;
    default:
        return m_live + m_dead > 0;
    }
}

std::uint8_t Wall::draw()
{
    if (!canDraw())
        throw std::logic_error("draw from an empty wall");
    --m_live;
    return m_tiles[m_front++];
}

std::uint8_t Wall::drawReplacement()
{
    if (!canReplace() || m_back <= m_front)
        throw std::logic_error("replacement draw from an empty dead wall");
    switch (m_ruleset) {
    case RulesetInfo::CLASSIC:
    case RulesetInfo::HONG_KONG: {
        // The dead wall is topped up from the live wall two tiles at a time.
        const int size = RulesetInfoInstance(m_ruleset).deadWallSize();
        --m_dead;
        if (m_dead <= size - 2 && m_live >= 2) {
            m_live -= 2;
            m_dead += 2;
        }
        break;
    }
    case RulesetInfo::MCR:
        --m_live;
        break;
    default:
        if (m_live >= 1)
            --m_live;
        else
            --m_dead;
        break;
    }
    ++m_deadDealt;
    return m_tiles[--m_back];
}

std::uint8_t Wall::revealDora()
{
    // Indicators lie from the sixth tile of the back on, two tiles apart: below the
    // few replacement tiles a riichi hand can take.
    const std::size_t index = m_tiles.size() - 6 - 2 * m_dora.size();
    m_dora.push_back(m_tiles[index]);
    return m_dora.back();
}
