#include "app/meld.h"

#include <ostream>

namespace {

tile offsetTile(tile t, int offset)
{
    return tile(static_cast<std::uint8_t>(t.code() + offset));
}

} // namespace

const char *meldName(int kind)
{
    switch (kind) {
    case CHOW: return "CHOW";
    case PONG: return "PONG";
    case PONG_TO_KONG: return "PONG TO KONG";
    case KONG: return "KONG";
    case MAHJONG: return "MAHJONG";
    case PAIR: return "PAIR";
    case BONUS: return "BONUS";
    case RIICHI: return "RIICHI";
    default: return "<undefined>";
    }
}

std::ostream &operator<<(std::ostream &out, const meld_offer &offer)
{
    out << "MeldOffer<";
    bool any = false;
    for (int bit = CHOW; bit <= RIICHI; bit <<= 1) {
        if (offer.kind & bit) {
            out << (any ? "|" : "") << meldName(bit);
            any = true;
        }
    }
    if (!any)
        out << offer.kind;
    return out << ' ' << offer.baseTile << '>';
}

tile_vector makeChowTiles(tile t)
{
    return {t, offsetTile(t, 1), offsetTile(t, 2)};
}

tile_vector makePongTiles(tile t)
{
    return tile_vector(3, t);
}

tile_vector makeKongTiles(tile t)
{
    return tile_vector(4, t);
}
