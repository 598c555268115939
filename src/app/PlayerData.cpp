#include "app/PlayerData.h"

#include <algorithm>
#include <ostream>

void PlayerData::addDiscard(tile t, bool riichi)
{
    if (riichi)
        m_riichiDiscardIndex = static_cast<std::int32_t>(m_discards.size());
    m_discards.push_back(t);
}

tile PlayerData::removeLastDiscard()
{
    if (m_discards.empty())
        return tile();
    const tile last = m_discards.back();
    m_discards.pop_back();
    return last;
}

void PlayerData::addTilesFromWall(const tile_vector &tiles)
{
    m_hand.insert(m_hand.end(), tiles.begin(), tiles.end());
    std::stable_sort(m_hand.begin(), m_hand.end());
    m_pendingTiles = tiles;
}

void PlayerData::setHand(const tile_vector &hand)
{
    m_hand = hand;
    std::stable_sort(m_hand.begin(), m_hand.end());
}

void PlayerData::declareMeld(meld_tuple m)
{
    m_melds.push_back(m);
    m_pendingTiles.clear();
}

void PlayerData::setMelds(const meld_tuple_vector &melds)
{
    m_melds = melds;
    m_pendingTiles.clear();
}

void PlayerData::resetForNewHand()
{
    m_hiddenTileCount = 0;
    m_riichiDiscardIndex = -1;
    m_melds.clear();
    m_discards.clear();
    m_hand.clear();
    m_pendingTiles.clear();
}

std::ostream &operator<<(std::ostream &out, const PlayerData &player)
{
    return out << "PlayerData { id:" << player.id() << " name:\"" << player.name().toStdString()
               << "\" wind:" << player.wind() << " }";
}
