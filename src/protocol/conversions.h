#pragma once

#include "app/PlayerData.h"
#include "app/TableInfo.h"
#include "app/TimeSpan.h"
#include "app/TournamentInfo.h"
#include "app/meld.h"
#include "protocol/enums.h"
#include "protocol/packets.h"

#include <QVariant>

// Conversions of the wire records into the client's value types. Server data without
// a meaning in the client throws server_error.
namespace protocol {

// A string, an integer (int when it fits 32 bits, else qlonglong) or a list of those;
// other structures become an invalid variant.
QVariant toVariant(const any_t &value);

// A single meld kind bit.
meld toMeld(qint32 kind);
meld_tuple toMeldTuple(const meld_rec_t &record);
meld_offer_vector toMeldOffers(const std::vector<offer_rec_t> &offers);
TimeSpan toTimeSpan(const span_t &span);
// The wind must be 0-3.
PlayerData toPlayerData(const player_rec_t &record);

// Properties the record does not know, or values of the wrong kind, are logged and skipped.
TableInfo toTableInfo(const table_info_t &packet);
TournamentInfo toTournamentInfo(const tournament_info_t &packet);
std::vector<std::pair<int, QVariant>> toUpdates(const std::vector<update_t> &updates);

} // namespace protocol
