#pragma once

#include "app/PlayerData.h"
#include "app/TableInfo.h"
#include "app/TimeSpan.h"
#include "app/TournamentInfo.h"
#include "app/meld.h"
#include "protocol/enums.h"
#include "protocol/packets.h"

#include <QVariant>

#include <string>

// Conversions of the wire records into the client's value types. Server data without
// a meaning in the client throws server_error.
namespace protocol {

// A string, an integer (int when it fits 32 bits, else qlonglong) or a list of those;
// other structures become an invalid variant.
QVariant toVariant(const any_t &value);

// Requirement codes of an extended registration answer: only 0, a real-money deposit.
std::vector<int> toExtendedRequirements(const std::vector<qint32> &codes);
// A seat wind 0-3.
qint32 toWind(qint32 wind);

// A single meld kind bit.
meld toMeld(qint32 kind);
meld_tuple toMeldTuple(const meld_rec_t &record);
// At most meld_offer::MaxOffers; throws limit_error otherwise.
meld_offer_vector toMeldOffers(const std::vector<offer_rec_t> &offers);
TimeSpan toTimeSpan(const span_t &span);
// Throws limit_error "<count> <what>" when a server list holds more than most entries.
void checkCount(std::size_t count, int most, const std::string &what);
// A count of concealed tiles, at most what a hand holds; throws limit_error otherwise.
qint32 toConcealedCount(qint32 count);
// Tiles that go into or out of one hand at once: at most what a hand holds; throws
// limit_error otherwise.
const tile_vector &toHandTiles(const tile_vector &tiles);
// Bonus tiles declared at once: at most PlayerData::MaxBonusTiles; throws limit_error otherwise.
const tile_vector &toBonusTiles(const tile_vector &tiles);
// The wind must be 0-3; a riichi index outside the discards is logged and ignored; the
// concealed count and the hand are bounded as above, the melds by what a hand shows
// (MeldTally) and the discards by PlayerData's limit (limit_error).
PlayerData toPlayerData(const player_rec_t &record);
// The players of one table: at most TableCapacity::MaxSeats (limit_error).
std::vector<PlayerData> toPlayerData(const std::vector<player_rec_t> &records);

// The lobby path of a table or subscription: "gameid/rest", or "gameid" alone when the
// rest is empty.
QString lobbyPath(qint32 gameId, const QByteArray &rest);

// Properties the record does not know, or values of the wrong kind, are logged and skipped.
TableInfo toTableInfo(const table_info_t &packet);
TournamentInfo toTournamentInfo(const tournament_info_t &packet);
// Changed fields by field id: the ids are the positions of the property names in
// TableInfo::field_t or TournamentInfo::field_t.
std::vector<std::pair<int, QVariant>> toUpdates(const std::vector<update_t> &updates);

} // namespace protocol
