#pragma once

#include "app/RulesetInfo.h"
#include "app/meld.h"
#include "app/tile.h"
#include "app/wind.h"

#include "app/MetaTypes.h"

#include <QMetaType>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

// One player at a table as every client sees it: declared melds (bonus tiles are
// melds of kind BONUS), discards, the hand as far as it is known, and the scores.
class PlayerData
{
public:
    // The most tiles a hand holds concealed: thirteen and the one drawn.
    static constexpr int MaxConcealedTiles = 14;
    // A hand is four sets and a pair, and each set may be a kong of four tiles.
    static constexpr int MaxSets = 4;
    static constexpr int MaxKongs = MaxSets;
    // The four flowers and the four seasons.
    static constexpr int MaxBonusTiles = 8;
    // No pond holds more tiles than the wall.
    static constexpr int MaxDiscards = RulesetInfo::MaxWallTiles;

    PlayerData() = default;
    PlayerData(std::int32_t id, const QString &name) : m_id(id), m_name(name) {}

    std::int32_t id() const { return m_id; }
    QString name() const { return m_name; }

    // Appends a discard; a riichi discard first records its index in the discards. The
    // tiles drawn before a discard are no longer pending, whoever made it.
    void addDiscard(tile t, bool riichi);
    // Removes and returns the last discard (a claimed tile); an unknown tile when
    // there is none.
    tile removeLastDiscard();
    const tile_vector &discards() const { return m_discards; }
    // Index of the riichi discard, -1 without riichi.
    std::int32_t riichiDiscardIndex() const { return m_riichiDiscardIndex; }

    // Adds tiles drawn from the wall to the hand, sorted, and remembers them as pending.
    void addTilesFromWall(const tile_vector &tiles);
    // Adds tiles of the deal to the hand, sorted; none of them is pending.
    void addDealtTiles(const tile_vector &tiles);
    // Adds a tile claimed from a discard to the hand, sorted; none of the hand is pending.
    void addClaimedTile(tile t);
    void setHand(const tile_vector &hand);
    // Sorted by tile code.
    const tile_vector &hand() const { return m_hand; }
    // The tiles drawn since the last discard, claim or meld.
    const tile_vector &pendingTiles() const { return m_pendingTiles; }

    void declareMeld(meld_tuple m);
    void setMelds(const meld_tuple_vector &melds);
    const meld_tuple_vector &melds() const { return m_melds; }

    // Empties tiles and melds and clears the riichi for the next hand.
    void resetForNewHand();

    std::int32_t wind() const { return m_wind; }
    void setWind(std::int32_t w) { m_wind = w; }
    // Concealed tiles of an opponent.
    std::int32_t hiddenTileCount() const { return m_hiddenTileCount; }
    void setHiddenTileCount(std::int32_t count) { m_hiddenTileCount = count; }
    std::int32_t score() const { return m_score; }
    void setScore(std::int32_t score) { m_score = score; }
    std::int32_t roundScore() const { return m_roundScore; }
    void setRoundScore(std::int32_t score) { m_roundScore = score; }

    bool isReady() const { return m_ready; }
    void setReady(bool ready) { m_ready = ready; }
    bool isActive() const { return m_active; }
    void setActive(bool active) { m_active = active; }
    bool isFuriten() const { return m_furiten; }
    void setFuriten(bool furiten) { m_furiten = furiten; }
    bool readyAnnounced() const { return m_readyAnnounced; }
    void setReadyAnnounced(bool announced) { m_readyAnnounced = announced; }

private:
    std::int32_t m_id = -1;
    std::int32_t m_hiddenTileCount = 0;
    std::int32_t m_wind = EAST;
    QString m_name;
    meld_tuple_vector m_melds;
    tile_vector m_discards;
    tile_vector m_hand;
    tile_vector m_pendingTiles;
    std::int32_t m_riichiDiscardIndex = -1;
    std::int32_t m_score = 0;
    std::int32_t m_roundScore = 0;
    bool m_ready = false;
    bool m_active = true;
    bool m_furiten = false;
    bool m_readyAnnounced = false;
};

// The declared melds of one hand counted by kind, against what a real hand shows: at
// most four sets (chows, pongs and kongs, a kong counting as a set) and, with pairs, no
// more than the fourteen tiles of a hand (four sets and a pair, or seven pairs); tiles
// laid out alone as MAHJONG melds (thirteen orphans) up to a hand; one riichi marker;
// the eight bonus tiles.
class MeldTally
{
public:
    MeldTally() = default;
    explicit MeldTally(const meld_tuple_vector &melds);

    // Counts melds of a kind (a single meld bit); other values are not counted.
    void add(int kind, std::size_t count = 1);
    // What goes beyond a hand ("5 sets", "4 sets and 2 pairs", "9 bonus tiles"), empty
    // when the melds fit.
    std::string excess() const;

private:
    std::size_t m_sets = 0;
    std::size_t m_pairs = 0;
    std::size_t m_single = 0;
    std::size_t m_riichi = 0;
    std::size_t m_bonus = 0;
};

// PlayerData { id:7 name:"x" wind:0 }
std::ostream &operator<<(std::ostream &out, const PlayerData &player);

Q_DECLARE_METATYPE(PlayerData)
Q_DECLARE_METATYPE(std::vector<PlayerData>)

MAHJONG_REGISTER_METATYPE(PlayerData, PlayerData)
MAHJONG_REGISTER_METATYPE(std::vector<PlayerData>, playerDataVector)
