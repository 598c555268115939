#include "app/PlayerData.h"

#include <algorithm>
#include <ostream>

void PlayerData::addDiscard(tile t, bool riichi)
{
    if (riichi)
        m_riichiDiscardIndex = static_cast<std::int32_t>(m_discards.size());
    m_discards.push_back(t);
    m_pendingTiles.clear();
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

void PlayerData::addDealtTiles(const tile_vector &tiles)
{
    m_hand.insert(m_hand.end(), tiles.begin(), tiles.end());
    std::stable_sort(m_hand.begin(), m_hand.end());
    m_pendingTiles.clear();
}

void PlayerData::addClaimedTile(tile t)
{
    m_hand.push_back(t);
    std::stable_sort(m_hand.begin(), m_hand.end());
    m_pendingTiles.clear();
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

MeldTally::MeldTally(const meld_tuple_vector &melds)
{
    for (const meld_tuple &m : melds)
        add(m.kind);
}

void MeldTally::add(int kind, std::size_t count)
{
    switch (kind) {
    case CHOW:
    case PONG:
    case PONG_TO_KONG:
    case KONG:
        m_sets += count;
        break;
    case PAIR:
        m_pairs += count;
        break;
    case MAHJONG:
        m_single += count;
        break;
    case RIICHI:
        m_riichi += count;
        break;
    case BONUS:
        m_bonus += count;
        break;
    default:
        break;
    }
}

std::string MeldTally::excess() const
{
    constexpr std::size_t handTiles = PlayerData::MaxConcealedTiles;
    if (m_bonus > std::size_t(PlayerData::MaxBonusTiles))
        return std::to_string(m_bonus) + " bonus tiles";
    if (m_riichi > 1)
        return std::to_string(m_riichi) + " riichi markers";
    if (m_single > handTiles)
        return std::to_string(m_single) + " single tiles";
    if (m_sets > std::size_t(PlayerData::MaxSets))
        return std::to_string(m_sets) + " sets";
    if (3 * m_sets + 2 * m_pairs > handTiles) {
        const std::string pairs = std::to_string(m_pairs) + " pairs";
        return m_sets == 0 ? pairs : std::to_string(m_sets) + " sets and " + pairs;
    }
    return {};
}

std::ostream &operator<<(std::ostream &out, const PlayerData &player)
{
    return out << "PlayerData { id:" << player.id() << " name:\"" << player.name().toStdString()
               << "\" wind:" << player.wind() << " }";
}
