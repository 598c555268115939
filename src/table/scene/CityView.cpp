#include "table/scene/CityView.h"

#include "app/RulesetInfo.h"
#include "game/GameModel.h"

std::vector<TilePlacement> WallTileAnimationSource::sourcePlacements(int count)
{
    return std::vector<TilePlacement>(static_cast<size_t>(qMax(count, 0)),
                                      m_city->drawPlacement(m_replacement));
}

void WallTileAnimationSource::takeTiles(int count)
{
    for (int i = 0; i < count; ++i) {
        GameModel::drawFromWall(m_city->m_rulesetId, 1, m_replacement, m_city->m_liveTiles,
                                m_city->m_deadWallTiles, m_city->m_deadWallTilesDealt);
        m_city->showCounters();
    }
}

CityView::CityView() : m_drawSource(this, false), m_replacementSource(this, true) {}

CityView::~CityView() = default;

TileAnimationSource *CityView::animationSource(bool replacement)
{
    return replacement ? &m_replacementSource : &m_drawSource;
}

int CityView::wallLayoutCodeOf(int rulesetId)
{
    switch (rulesetId) {
    case RulesetInfo::CLASSIC:
        return 1;
    case RulesetInfo::EMA_RIICHI:
    case RulesetInfo::JAPANESE_RIICHI:
    case RulesetInfo::KANSAI_RIICHI:
        return 0;
    case RulesetInfo::HONG_KONG:
        return 3;
    default:
        return 2;
    }
}

int CityView::Ring::wrap(int stack) const
{
    const int n = static_cast<int>(m_kinds.size());
    if (n == 0)
        return -1;
    const int m = stack % n;
    return m < 0 ? m + n : m;
}

void CityView::Ring::addTile(int stack)
{
    const int i = wrap(stack);
    if (i < 0)
        return;
    int &kind = m_kinds[static_cast<size_t>(i)];
    if (kind == 8)
        kind = 5;
    else if (kind == 5)
        kind = 6;
    else if (kind == 6)
        kind = 7;
}

void CityView::Ring::addTiles(int first, int last)
{
    for (int t = first; t < last; ++t)
        addTile(t >= 0 ? t / 2 : -((1 - t) / 2));
}
