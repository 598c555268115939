#include "connection/RecordConversions.h"

#include "app/TableCapacity.h"
#include "app/server_error.h"
#include "connection/ScoreNames.h"
#include "protocol/conversions.h"

#include <QtDebug>

namespace conversions {

namespace {

// Our record of each row of a server list, in the server's order.
template <class Records, class Row, class Convert>
Records convertRows(const std::vector<Row> &rows, Convert convert)
{
    Records records;
    records.reserve(rows.size());
    for (const Row &row : rows)
        records.push_back(convert(row));
    return records;
}

ScoreLines toScoreLines(const std::vector<protocol::score_line_t> &lines, const std::string &of)
{
    protocol::checkCount(lines.size(), EndHandPlayer::MaxScoreLines, "score lines" + of);
    return convertRows<ScoreLines>(lines, [](const protocol::score_line_t &line) {
        return ScoreLine{QString(), line.value, line.code};
    });
}

EndHandPlayer toEndHandPlayer(const protocol::end_hand_player_rec_t &record)
{
    const std::string of = " of player " + std::to_string(record.player);
    std::size_t tiles = 0;
    for (const protocol::hand_group_t &group : record.hand)
        tiles += group.tiles.size();
    protocol::checkCount(tiles, EndHandPlayer::MaxHandTiles, "tiles in the hand" + of);
    protocol::checkCount(record.hand.size(), EndHandPlayer::MaxHandTiles, "tile groups in the hand" + of);

    EndHandPlayer player;
    player.playerId = record.player;
    player.name = record.name;
    player.result = record.result;
    player.points = toScoreLines(record.points, of);
    player.doubles = toScoreLines(record.doubles, of);
    player.limits = toScoreLines(record.limits, of);
    player.bonuses = toScoreLines(record.bonus, of);
    ScoreNames::nameLines(player);
    player.pointsTotal = record.points_total;
    player.doublesTotal = record.doubles_total;
    player.thirdTotal = record.third_total;
    player.handScore = record.hand_score;
    player.settlement = record.settlement;
    player.currentScore = record.current_score;
    player.payment = record.payment;
    player.hand = convertRows<decltype(player.hand)>(record.hand, [](const protocol::hand_group_t &group) {
        return TileGroup{group.tiles, group.highlight};
    });
    return player;
}

// Ranges are keys only when ordered and apart from every other key: overlapping ranges
// would leave the map without an order.
template <class Map, class Value>
bool insertRange(Map &map, const Range<int> &range, Value &&value)
{
    if (range.first > range.last)
        return false;
    // The keys are apart, so the first key not before the range is the only one that
    // can overlap it.
    const auto next = map.lower_bound(range);
    if (next != map.end() && !(range < next->first))
        return false;
    map.emplace_hint(next, range, std::forward<Value>(value));
    return true;
}

} // namespace

PrivatePlayerData toPrivatePlayerData(const protocol::private_player_data_t &packet)
{
    PrivatePlayerData data;
    data.concealed = protocol::toHandTiles(packet.concealed);
    data.active = packet.active;
    data.furiten = packet.furiten;
    return data;
}

qint32 toSeatedPlayers(qint32 count)
{
    if (count < 0 || count > TableCapacity::MaxSeats)
        throw limit_error(std::to_string(count) + " seated players");
    return count;
}

Seating toSeating(const std::vector<qint32> &playersByWind)
{
    Seating seating;
    if (playersByWind.size() != seating.players.size())
        throw server_error("Unexpected seating size: " + std::to_string(playersByWind.size()));
    std::copy(playersByWind.begin(), playersByWind.end(), seating.players.begin());
    return seating;
}

TableState toTableState(const protocol::table_state_rec_t &record)
{
    TableState state;
    state.referencePlayer = record.reference_player;
    state.prevalentWind = record.prevalent_wind;
    state.thirdValue = record.third_value;
    state.lastDiscarder = record.last_discarder;
    state.riichiSticks = record.riichi_sticks;
    state.counterSticks = record.counter_sticks;
    return state;
}

WallState toWallState(const protocol::wall_state_rec_t &record)
{
    protocol::checkCount(record.dora.size(), WallState::MaxDoraIndicators, "dora indicators");
    WallState state;
    state.deadWallPosition = record.dead_wall_position;
    state.dora = record.dora;
    state.liveTiles = record.live;
    state.deadWallTiles = record.dead;
    state.deadWallTilesDealt = record.dead_dealt;
    return state;
}

round_score_vector toRoundScores(const std::vector<protocol::score_row_t> &rows)
{
    return convertRows<round_score_vector>(rows, [](const protocol::score_row_t &row) {
        return round_score{row.player, row.game_score, row.round_score};
    });
}

EndHand toEndHand(const protocol::hand_end_t &packet)
{
    protocol::checkCount(packet.dora.size(), WallState::MaxDoraIndicators, "dora indicators");
    protocol::checkCount(packet.ura_dora.size(), WallState::MaxDoraIndicators, "ura-dora indicators");
    EndHand hand;
    hand.gameEnds = packet.game_ends;
    hand.endKind = packet.end_kind;
    for (const protocol::end_hand_player_rec_t &record : packet.players) {
        if (!hand.players.emplace(record.player, toEndHandPlayer(record)).second)
            qWarning() << "end of hand lists player" << record.player << "twice; the first row is kept";
    }
    hand.dora = packet.dora;
    hand.uraDora = packet.ura_dora;
    return hand;
}

MonetaryRoundScores toMonetaryRoundScores(const std::vector<protocol::money_score_rec_t> &rows)
{
    protocol::checkCount(rows.size(), TableCapacity::MaxSeats, "score rows");
    return convertRows<MonetaryRoundScores>(rows, [](const protocol::money_score_rec_t &row) {
        return MonetaryRoundScore{row.player, row.mahjong_points, row.balance};
    });
}

TournamentRoundScores toTournamentRoundScores(const std::vector<protocol::tournament_score_rec_t> &rows)
{
    protocol::checkCount(rows.size(), TableCapacity::MaxSeats, "score rows");
    return convertRows<TournamentRoundScores>(rows, [](const protocol::tournament_score_rec_t &row) {
        return TournamentRoundScore{row.player, row.mahjong_points, row.round_result};
    });
}

TournamentRankings toRankings(const std::vector<protocol::ranking_rec_t> &rows)
{
    return convertRows<TournamentRankings>(rows, [](const protocol::ranking_rec_t &row) {
        return TournamentRanking{row.pid, row.name, row.table_points, row.competition_points, row.flag, row.payout};
    });
}

tournament_prize_configuration_t toPrizeConfiguration(const std::vector<protocol::prize_range_t> &ranges)
{
    tournament_prize_configuration_t configuration;
    for (const protocol::prize_range_t &range : ranges) {
        prize_structure_t structure;
        for (const protocol::prize_entry_t &entry : range.prizes) {
            std::any prize;
            if (const protocol::pot_share_t *share = entry.prize.get_if<protocol::pot_share_t>())
                prize = *share;
            else
                prize = entry.prize;
            const position_range_t positions(entry.first_position, entry.last_position);
            if (!insertRange(structure, positions, std::move(prize)))
                qWarning() << "prize positions" << entry.first_position << entry.last_position << "out of order, skipped";
        }
        if (!insertRange(configuration, Range<int>(range.first, range.last), std::move(structure)))
            qWarning() << "prize player counts" << range.first << range.last << "out of order, skipped";
    }
    return configuration;
}

extended_tournament_register_response toExtendedResponse(const std::vector<qint32> &requirements)
{
    extended_tournament_register_response response;
    response.requirements = protocol::toExtendedRequirements(requirements);
    return response;
}

lobby_summary_t toLobbySummary(const protocol::lobby_summary_t &packet)
{
    lobby_summary_t summary;
    summary.playersOnline = packet.players_online;
    summary.tablesInPlay = packet.tables_in_play;
    summary.latestLogins = packet.latest_logins;
    return summary;
}

LobbyStructure toLobbyStructure(const protocol::lobby_node_t &node)
{
    LobbyStructure result;
    result.name = node.name;
    result.isLeaf = node.leaf;
    result.children = convertRows<decltype(result.children)>(node.children, toLobbyStructure);
    return result;
}

std::vector<LocalizedTableName> toLocalizedNames(const std::vector<protocol::localized_name_rec_t> &names)
{
    return convertRows<std::vector<LocalizedTableName>>(names, [](const protocol::localized_name_rec_t &name) {
        return LocalizedTableName{name.flag, name.path, name.name_template};
    });
}

ComingEvents toComingEvents(const std::vector<protocol::coming_event_rec_t> &events)
{
    ComingEvents result;
    result.reserve(events.size());
    for (const protocol::coming_event_rec_t &event : events) {
        if (event.kind != ComingEvent::ServerMaintenance) {
            qWarning() << "coming event of kind" << event.kind << "from the server skipped";
            continue;
        }
        result.emplace_back(event.kind, event.at);
    }
    return result;
}

ClientConfig toClientConfig(const protocol::client_config_t &packet)
{
    ClientConfig config;
    config.setXmppServer(packet.xmpp_server);
    config.setConferenceService(packet.conference_service);
    config.setRoomJid(packet.room_jid);
    config.setSearchService(packet.search_service);
    return config;
}

UserRecord toUserRecord(const protocol::query_user_answer_t &packet)
{
    UserRecord user;
    user.playerId = packet.player_id;
    user.screenName = packet.screen_name;
    user.manager = (packet.user_flags & 1) != 0;
    return user;
}

} // namespace conversions
