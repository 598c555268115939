#include "protocol/conversions.h"

#include "app/server_error.h"
#include "app/wind.h"

#include <QVariantList>
#include <QtDebug>

#include <limits>
#include <string>

namespace protocol {

QVariant toVariant(const any_t &value)
{
    switch (value.type()) {
    case any_t::kind::string:
        return value.toString();
    case any_t::kind::int32:
    case any_t::kind::int64: {
        const qint64 number = value.toInteger();
        if (number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max())
            return int(number);
        return qlonglong(number);
    }
    case any_t::kind::list: {
        QVariantList list;
        list.reserve(qsizetype(value.toList().size()));
        for (const any_t &item : value.toList())
            list.append(toVariant(item));
        return list;
    }
    case any_t::kind::structure:
        break;
    }
    return QVariant();
}

std::vector<int> toExtendedRequirements(const std::vector<qint32> &codes)
{
    for (qint32 code : codes) {
        if (code != 0)
            throw server_error("Unexpected tournament requirement : " + std::to_string(code));
    }
    return std::vector<int>(codes.begin(), codes.end());
}

qint32 toWind(qint32 wind)
{
    if (wind < EAST || wind > NORTH)
        throw server_error("illegal wind " + std::to_string(wind));
    return wind;
}

meld toMeld(qint32 kind)
{
    switch (kind) {
    case CHOW:
    case PONG:
    case PONG_TO_KONG:
    case KONG:
    case MAHJONG:
    case PAIR:
    case BONUS:
    case RIICHI:
        return static_cast<meld>(kind);
    default:
        throw server_error("Unexpected meld kind: " + std::to_string(kind));
    }
}

meld_tuple toMeldTuple(const meld_rec_t &record)
{
    return meld_tuple(toMeld(record.kind), record.concealed, record.first_tile, record.claimed_from,
                      record.claimed_offset);
}

meld_offer_vector toMeldOffers(const std::vector<offer_rec_t> &offers)
{
    checkCount(offers.size(), meld_offer::MaxOffers, "offers");
    meld_offer_vector result;
    result.reserve(offers.size());
    for (const offer_rec_t &offer : offers)
        result.emplace_back(offer.kind, offer.first_tile);
    return result;
}

TimeSpan toTimeSpan(const span_t &span)
{
    return TimeSpan(span.start, span.end);
}

void checkCount(std::size_t count, int most, const std::string &what)
{
    if (count > std::size_t(most))
        throw limit_error(std::to_string(count) + ' ' + what);
}

qint32 toConcealedCount(qint32 count)
{
    if (count < 0 || count > PlayerData::MaxConcealedTiles)
        throw limit_error(std::to_string(count) + " concealed tiles");
    return count;
}

const tile_vector &toHandTiles(const tile_vector &tiles)
{
    checkCount(tiles.size(), PlayerData::MaxConcealedTiles, "tiles for one hand");
    return tiles;
}

const tile_vector &toBonusTiles(const tile_vector &tiles)
{
    checkCount(tiles.size(), PlayerData::MaxBonusTiles, "bonus tiles");
    return tiles;
}

PlayerData toPlayerData(const player_rec_t &record)
{
    const std::string of = " of player " + std::to_string(record.id);
    MeldTally tally;
    for (const meld_rec_t &m : record.melds)
        tally.add(m.kind);
    if (const std::string excess = tally.excess(); !excess.empty())
        throw limit_error(excess + of);
    checkCount(record.discards.size(), PlayerData::MaxDiscards, "discards" + of);
    PlayerData player(record.id, record.name);
    player.setWind(toWind(record.wind));
    player.setHiddenTileCount(toConcealedCount(record.hidden_count));
    meld_tuple_vector melds;
    melds.reserve(record.melds.size());
    for (const meld_rec_t &m : record.melds)
        melds.push_back(toMeldTuple(m));
    player.setMelds(melds);
    if (record.riichi_index < -1 || record.riichi_index >= qint64(record.discards.size()))
        qWarning() << "riichi discard" << record.riichi_index << "of player" << record.id << "is not among its"
                   << record.discards.size() << "discards; ignored";
    for (std::size_t i = 0; i < record.discards.size(); ++i)
        player.addDiscard(record.discards[i], qint64(i) == record.riichi_index);
    player.setHand(toHandTiles(record.hand));
    player.setScore(record.score);
    player.setRoundScore(record.round_score);
    player.setReady(record.ready);
    player.setActive(record.active);
    player.setFuriten(record.furiten);
    return player;
}

std::vector<PlayerData> toPlayerData(const std::vector<player_rec_t> &records)
{
    checkCount(records.size(), TableCapacity::MaxSeats, "players at one table");
    std::vector<PlayerData> players;
    players.reserve(records.size());
    for (const player_rec_t &record : records)
        players.push_back(toPlayerData(record));
    return players;
}

QString lobbyPath(qint32 gameId, const QByteArray &rest)
{
    if (rest.isEmpty())
        return QString::number(gameId);
    return QString::number(gameId) + QLatin1Char('/') + QString::fromUtf8(rest);
}

TableInfo toTableInfo(const table_info_t &packet)
{
    TableInfo table(packet.table);
    table.setLobbyPath(lobbyPath(packet.game_id, packet.path_rest));
    for (const property_t &property : packet.properties) {
        if (!table.setProperty(property.name, toVariant(property.value)))
            qWarning() << "table" << packet.table << "property" << property.name << "skipped";
    }
    return table;
}

TournamentInfo toTournamentInfo(const tournament_info_t &packet)
{
    TournamentInfo tournament(packet.tournament);
    for (const property_t &property : packet.properties) {
        if (!tournament.setProperty(property.name, toVariant(property.value)))
            qWarning() << "tournament" << packet.tournament << "property" << property.name << "skipped";
    }
    return tournament;
}

std::vector<std::pair<int, QVariant>> toUpdates(const std::vector<update_t> &updates)
{
    std::vector<std::pair<int, QVariant>> result;
    result.reserve(updates.size());
    for (const update_t &update : updates)
        result.emplace_back(update.field, toVariant(update.value));
    return result;
}

} // namespace protocol
