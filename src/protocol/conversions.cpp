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

PlayerData toPlayerData(const player_rec_t &record)
{
    if (record.wind < EAST || record.wind > NORTH)
        throw server_error("illegal wind " + std::to_string(record.wind));
    PlayerData player(record.id, record.name);
    player.setWind(record.wind);
    player.setHiddenTileCount(record.hidden_count);
    meld_tuple_vector melds;
    melds.reserve(record.melds.size());
    for (const meld_rec_t &m : record.melds)
        melds.push_back(toMeldTuple(m));
    player.setMelds(melds);
    for (std::size_t i = 0; i < record.discards.size(); ++i)
        player.addDiscard(record.discards[i], qint64(i) == record.riichi_index);
    player.setHand(record.hand);
    player.setScore(record.score);
    player.setRoundScore(record.round_score);
    player.setReady(record.ready);
    player.setActive(record.active);
    player.setFuriten(record.furiten);
    return player;
}

TableInfo toTableInfo(const table_info_t &packet)
{
    TableInfo table(packet.table);
    table.setLobbyPath(QString::number(packet.game_id) + QLatin1Char('/') + QString::fromUtf8(packet.path_rest));
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
