#pragma once

#include "app/tile.h"

#include "app/MetaTypes.h"

#include <QMetaType>

#include <cstdint>
#include <iosfwd>
#include <vector>

// A meld kind. The values are bits: the server offers several kinds in one word.
enum meld : std::int32_t {
    CHOW = 1,
    PONG = 2,
    PONG_TO_KONG = 4,
    KONG = 8,
    MAHJONG = 16,
    PAIR = 32,
    BONUS = 64,
    RIICHI = 128,
};

// Log name of a single kind: "CHOW", "PONG", "PONG TO KONG", ... "RIICHI";
// "<undefined>" for anything else.
const char *meldName(int kind);

// One declared meld.
struct meld_tuple
{
    // The tiles stay face down when `concealed` has this value.
    static constexpr std::int32_t FaceDown = 2;
    // Claimed-tile offset of a bonus tile.
    static constexpr std::uint8_t NoOffset = 255;

    meld_tuple() = default;
    meld_tuple(meld kind, std::int32_t concealed, tile t, std::int32_t claimedFrom = -1,
               std::uint8_t claimedOffset = NoOffset)
        : kind(kind), concealed(concealed), baseTile(t), claimedFrom(claimedFrom),
          claimedOffset(claimedOffset)
    {
    }

    meld kind = CHOW;
    std::int32_t concealed = 0;
    // The lowest tile of a chow, the tile of a pong, kong, pair or bonus.
    tile baseTile;
    // The player the claimed tile came from, -1 for none.
    std::int32_t claimedFrom = -1;
    // The claimed tile's code minus the code of `baseTile`.
    std::uint8_t claimedOffset = NoOffset;

    friend bool operator==(const meld_tuple &a, const meld_tuple &b)
    {
        return a.kind == b.kind && a.concealed == b.concealed && a.baseTile == b.baseTile
            && a.claimedFrom == b.claimedFrom && a.claimedOffset == b.claimedOffset;
    }
    friend bool operator!=(const meld_tuple &a, const meld_tuple &b) { return !(a == b); }
};

using meld_tuple_vector = std::vector<meld_tuple>;

// One claim the server offers: the kinds (bits of `meld`) and the tile (for a chow the
// lowest tile of the run).
struct meld_offer
{
    // The most offers of one turn: riichi with each of the fourteen tiles, three concealed
    // kongs, four added kongs, eight bonus tiles and the win.
    static constexpr int MaxOffers = 14 + 3 + 4 + 8 + 1;

    meld_offer() = default;
    meld_offer(std::int32_t kind, tile t) : kind(kind), baseTile(t) {}

    std::int32_t kind = 0;
    tile baseTile;

    friend bool operator==(const meld_offer &a, const meld_offer &b)
    {
        return a.kind == b.kind && a.baseTile == b.baseTile;
    }
    friend bool operator!=(const meld_offer &a, const meld_offer &b) { return !(a == b); }
};

// Offers in the server's order.
using meld_offer_vector = std::vector<meld_offer>;

// "MeldOffer<PONG RED DRAGON>"; several kinds are joined with "|".
std::ostream &operator<<(std::ostream &out, const meld_offer &offer);

// The tile and the next two codes; three copies; four copies.
tile_vector makeChowTiles(tile t);
tile_vector makePongTiles(tile t);
tile_vector makeKongTiles(tile t);

Q_DECLARE_METATYPE(meld)
Q_DECLARE_METATYPE(meld_tuple)
Q_DECLARE_METATYPE(meld_tuple_vector)
Q_DECLARE_METATYPE(meld_offer)
Q_DECLARE_METATYPE(meld_offer_vector)

MAHJONG_REGISTER_METATYPE(meld, meld)
MAHJONG_REGISTER_METATYPE(meld_tuple, meld_tuple)
MAHJONG_REGISTER_METATYPE(meld_tuple_vector, meld_tuple_vector)
MAHJONG_REGISTER_METATYPE(meld_offer, meld_offer)
MAHJONG_REGISTER_METATYPE(meld_offer_vector, meld_offer_vector)
