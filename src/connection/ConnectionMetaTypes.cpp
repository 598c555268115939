#include "connection/ConnectionMetaTypes.h"

#include "connection/ClientConfig.h"
#include "connection/ComingEvent.h"
#include "connection/GameRecords.h"
#include "connection/LobbyRecords.h"
#include "connection/QueryUserCallback.h"
#include "connection/TournamentRecords.h"

void registerConnectionMetaTypes()
{
    qRegisterMetaType<ClientConfig>("ClientConfig");
    qRegisterMetaType<ComingEvent>("ComingEvent");
    qRegisterMetaType<ComingEvents>("ComingEvents");
    qRegisterMetaType<PrivatePlayerData>("PrivatePlayerData");
    qRegisterMetaType<Seating>("Seating");
    qRegisterMetaType<TableState>("TableState");
    qRegisterMetaType<WallState>("WallState");
    qRegisterMetaType<round_score_vector>("round_score_vector");
    qRegisterMetaType<EndHandPlayer>("EndHandPlayer");
    qRegisterMetaType<EndHand>("EndHand");
    qRegisterMetaType<MonetaryRoundScores>("MonetaryRoundScores");
    qRegisterMetaType<TournamentRoundScores>("TournamentRoundScores");
    qRegisterMetaType<lobby_summary_t>("lobby_summary_t");
    qRegisterMetaType<LobbyStructure>("LobbyStructure");
    qRegisterMetaType<LocalizedTableName>("LocalizedTableName");
    qRegisterMetaType<TournamentRanking>("TournamentRanking");
    qRegisterMetaType<TournamentRankings>("TournamentRankings");
    qRegisterMetaType<position_range_t>("position_range_t");
    qRegisterMetaType<prize_structure_t>("prize_structure_t");
    qRegisterMetaType<tournament_prize_configuration_t>("tournament_prize_configuration_t");
    qRegisterMetaType<extended_tournament_register_response>("extended_tournament_register_response");
    qRegisterMetaType<UserRecord>("UserRecord");
}
