#pragma once

#include "connection/ClientConfig.h"
#include "connection/ComingEvent.h"
#include "connection/GameRecords.h"
#include "connection/LobbyRecords.h"
#include "connection/QueryUserCallback.h"
#include "connection/TournamentRecords.h"
#include "protocol/packets.h"

// Conversions of the wire records into the records the connection manager's signals
// carry. Server data without a meaning in the client throws server_error; data beyond
// the game's limits throws limit_error.
namespace conversions {

// The concealed tiles are at most what a hand holds; throws limit_error otherwise.
PrivatePlayerData toPrivatePlayerData(const protocol::private_player_data_t &packet);
// The seated players of a table update, 0 to the most seats; throws limit_error otherwise.
qint32 toSeatedPlayers(qint32 count);
// Exactly four player ids, east first.
Seating toSeating(const std::vector<qint32> &playersByWind);
TableState toTableState(const protocol::table_state_rec_t &record);
// At most WallState::MaxDoraIndicators; throws limit_error otherwise.
WallState toWallState(const protocol::wall_state_rec_t &record);
round_score_vector toRoundScores(const std::vector<protocol::score_row_t> &rows);
// Each row's hand and score lists and the indicator lists within the limits of
// EndHandPlayer and WallState; throws limit_error otherwise.
EndHand toEndHand(const protocol::hand_end_t &packet);
// The rows of one table: at most TableCapacity::MaxSeats (limit_error).
MonetaryRoundScores toMonetaryRoundScores(const std::vector<protocol::money_score_rec_t> &rows);
TournamentRoundScores toTournamentRoundScores(const std::vector<protocol::tournament_score_rec_t> &rows);
TournamentRankings toRankings(const std::vector<protocol::ranking_rec_t> &rows);
tournament_prize_configuration_t toPrizeConfiguration(const std::vector<protocol::prize_range_t> &ranges);
// Only the real-money deposit requirement has a meaning.
extended_tournament_register_response toExtendedResponse(const std::vector<qint32> &requirements);
lobby_summary_t toLobbySummary(const protocol::lobby_summary_t &packet);
LobbyStructure toLobbyStructure(const protocol::lobby_node_t &node);
std::vector<LocalizedTableName> toLocalizedNames(const std::vector<protocol::localized_name_rec_t> &names);
// The server announces server maintenance (kind 0) only; other kinds are skipped.
ComingEvents toComingEvents(const std::vector<protocol::coming_event_rec_t> &events);
ClientConfig toClientConfig(const protocol::client_config_t &packet);
UserRecord toUserRecord(const protocol::query_user_answer_t &packet);

} // namespace conversions
