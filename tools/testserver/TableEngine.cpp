#include "TableEngine.h"

#include "DemoSession.h"
#include "WorldLanguage.h"

#include "app/RulesetInfo.h"

#include <QDateTime>

#include <algorithm>
#include <array>
#include <iterator>
#include <cstdlib>
#include <numeric>

namespace {

enum MeldKind { CHOW = 1, PONG = 2, PONG_TO_KONG = 4, KONG = 8, MAHJONG = 16, BONUS = 64, RIICHI = 128 };

constexpr std::uint8_t NoTile = 255;
constexpr int ReadyTime = 30000;
constexpr int RiichiStake = 1000;
// The code of the bonus line that pays the riichi sticks on the table to the winner.
constexpr int RiichiSticksBonus = 4;
// At a riichi table's washout the hands not ready pay this much to the ready ones.
constexpr int ReadyPayments = 3000;
// End kinds of hand_end_t: a win (riichi tables tell a win on a discard from a self-drawn
// one) and a washout.
enum EndKind { MahjongEnd = 1, RonEnd = 2, TsumoEnd = 3, WashoutEnd = 4 };

// Refusals of watching and leaving, in the client's language.
const WorldText seatedHere{"You are seated at this table.", "このテーブルに着席しています。", "您已在这张牌桌入座。",
                           "您已在這張牌桌入座。"};
const WorldText notSeatedHere{"You are not seated at this table.", "このテーブルには着席していません。",
                              "您没有在这张牌桌入座。", "您沒有在這張牌桌入座。"};

QJsonObject lobbyProperty(const QString &name, const QJsonValue &value)
{
    return {{QStringLiteral("name"), name}, {QStringLiteral("value"), value}};
}

QJsonObject offer(int kind, std::uint8_t first)
{
    return {{QStringLiteral("kind"), kind}, {QStringLiteral("first_tile"), first}};
}

QJsonArray tileArray(const HandChecker::Tiles &tiles)
{
    QJsonArray a;
    for (std::uint8_t t : tiles)
        a.append(t);
    return a;
}

bool removeTiles(HandChecker::Tiles &hand, const HandChecker::Tiles &tiles)
{
    HandChecker::Tiles rest = hand;
    for (std::uint8_t t : tiles) {
        const auto it = std::find(rest.begin(), rest.end(), t);
        if (it == rest.end())
            return false;
        rest.erase(it);
    }
    hand = rest;
    return true;
}

HandChecker::Tiles meldTilesFromHand(int kind, std::uint8_t first)
{
    switch (kind) {
    case CHOW:
        return {first, static_cast<std::uint8_t>(first + 1), static_cast<std::uint8_t>(first + 2)};
    case PONG:
        return HandChecker::Tiles(3, first);
    case KONG:
        return HandChecker::Tiles(4, first);
    default:
        return {};
    }
}

HandChecker::Tiles meldTiles(int kind, std::uint8_t first)
{
    return kind == CHOW ? meldTilesFromHand(CHOW, first) : HandChecker::Tiles(kind == KONG ? 4 : 3, first);
}

// Claims outrank each other: mahjong, then a pong or kong, then a chow.
int claimRank(int kind)
{
    switch (kind) {
    case MAHJONG:
        return 3;
    case PONG:
    case KONG:
        return 2;
    case CHOW:
        return 1;
    default:
        return 0;
    }
}

} // namespace

bool TableEngine::Seat::hasOpenMelds() const
{
    return std::any_of(melds.begin(), melds.end(), [](const Meld &m) { return !m.concealed; });
}

TableEngine::TableEngine(const TableConfig &config, BotIds botIds, std::mt19937 &random, int pace, QObject *parent)
    : QObject(parent), m_config(config), m_botIds(std::move(botIds)), m_random(random), m_pace(pace),
      m_seats(static_cast<std::size_t>(config.seats))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &TableEngine::onTimeout);
    for (int i = 0; i < std::min(config.botsSeated, config.seats); ++i)
        seatBot(i, false);
}

int TableConfig::placeBonus(int place) const
{
    if (valueKind != 3 || place < 0 || place >= seats)
        return 0;
    // Four places: three fifths and a fifth of the bet won, a fifth and three fifths paid;
    // three places: half the bet won, nothing, half paid.
    if (seats == 4)
        return std::array<int, 4>{3, 1, -1, -3}[place] * bet / 5;
    return std::array<int, 3>{1, 0, -1}[std::min(place, 2)] * bet / 2;
}

qint64 TableConfig::stake() const
{
    if (valueKind == 0)
        return 0;
    int paid = 0;
    for (int place = 0; place < seats; ++place)
        paid = std::min(paid, placeBonus(place));
    return qint64(bet) + fee - paid;
}

// ---- lobby and seats ------------------------------------------------------------------------

QJsonArray TableEngine::properties() const
{
    QJsonArray p{lobbyProperty(QStringLiteral("NAME"), m_config.name),
                 lobbyProperty(QStringLiteral("RULESET"), m_config.ruleset),
                 lobbyProperty(QStringLiteral("SEATS"), m_config.seats),
                 lobbyProperty(QStringLiteral("PLAYERS"), seatedCount()),
                 lobbyProperty(QStringLiteral("BOTS"), static_cast<int>(std::count_if(m_seats.begin(), m_seats.end(), [](const Seat &s) { return s.bot; }))),
                 lobbyProperty(QStringLiteral("GAME_TYPE"), m_config.gameType),
                 lobbyProperty(QStringLiteral("SPEED"), m_config.speed),
                 lobbyProperty(QStringLiteral("VALUE_KIND"), m_config.valueKind),
                 lobbyProperty(QStringLiteral("BET"), m_config.bet),
                 lobbyProperty(QStringLiteral("FEE"), m_config.fee),
                 lobbyProperty(QStringLiteral("WIND_ROUNDS"), m_config.windRounds),
                 lobbyProperty(QStringLiteral("MIN_DOUBLES"), HandScore::minDoubles(m_config.ruleset)),
                 lobbyProperty(QStringLiteral("MAX_DOUBLES"), HandScore::maxDoubles(m_config.ruleset)),
                 lobbyProperty(QStringLiteral("START_SCORE"), startScore())};
    // The amounts of a money table are those of a full table.
    if (m_config.valueKind != 0)
        p.append(lobbyProperty(QStringLiteral("VALUE_PLAYERS"), m_config.seats));
    if (m_config.valueKind == 3) {
        for (int place = 0; place < m_config.seats; ++place)
            p.append(lobbyProperty(QStringLiteral("PLACE_BONUS_%1").arg(place + 1), m_config.placeBonus(place)));
    }
    if (m_config.mttId != -1)
        p.append(lobbyProperty(QStringLiteral("MTT_ID"), m_config.mttId));
    return p;
}

int TableEngine::seatedCount() const
{
    return static_cast<int>(std::count_if(m_seats.begin(), m_seats.end(), [](const Seat &s) { return !s.isEmpty() && !s.away; }));
}

std::vector<qint32> TableEngine::seatedIds() const
{
    std::vector<qint32> ids;
    for (const Seat &s : m_seats) {
        if (!s.isEmpty() && !s.away)
            ids.push_back(s.id);
    }
    return ids;
}

int TableEngine::awaySeatOf(qint32 playerId) const
{
    const int seat = seatOfPlayer(playerId);
    return seat != -1 && m_seats[seat].away ? seat : -1;
}

bool TableEngine::isBot(qint32 playerId) const
{
    const int seat = seatOfPlayer(playerId);
    return seat != -1 && m_seats[seat].bot;
}

int TableEngine::seatOf(DemoSession *session) const
{
    for (std::size_t i = 0; i < m_seats.size(); ++i) {
        if (m_seats[i].session == session && !m_seats[i].isEmpty())
            return static_cast<int>(i);
    }
    return -1;
}

int TableEngine::seatOfPlayer(qint32 playerId) const
{
    for (std::size_t i = 0; i < m_seats.size(); ++i) {
        if (m_seats[i].id == playerId)
            return static_cast<int>(i);
    }
    return -1;
}

int TableEngine::startScore() const
{
    return RulesetInfoInstance(m_config.ruleset).isRiichi() ? 25000 : 2000;
}

int TableEngine::nextSeat(int seat) const
{
    return (seat + 1) % activeSeats();
}

QString TableEngine::botName(qint32 id, const QString &language)
{
    static const WorldText names[] = {
        {"Ayame", "アヤメ", "菖蒲", "菖蒲"}, {"Botan", "ボタン", "牡丹", "牡丹"},
        {"Chidori", "チドリ", "千鸟", "千鳥"}, {"Daisuke", "ダイスケ", "大辅", "大輔"},
        {"Emi", "エミ", "惠美", "惠美"}, {"Fumio", "フミオ", "文雄", "文雄"},
        {"Goro", "ゴロウ", "五郎", "五郎"}, {"Hana", "ハナ", "小花", "小花"}};
    static const WorldText bot{"%1 (bot)", "%1（CPU）", "%1（电脑）", "%1（電腦）"};
    const int index = std::max(0, id - FirstBotId);
    const int count = static_cast<int>(std::size(names));
    QString name = WorldLanguage::text(names[index % count], language);
    if (index >= count)
        name += (language == QLatin1String("en") ? QStringLiteral(" %1") : QStringLiteral("%1")).arg(index / count + 1);
    return WorldLanguage::text(bot, language).arg(name);
}

void TableEngine::seatBot(int seat, bool added)
{
    Seat &s = m_seats[static_cast<std::size_t>(seat)];
    s = Seat();
    s.id = m_botIds();
    s.name = botName(s.id, QStringLiteral("en"));
    s.bot = true;
    s.addedBot = added;
    s.ready = true;
    s.score = startScore();
}

void TableEngine::join(DemoSession *session, int requestedSeat)
{
    auto answer = [&](bool ok, int reason) {
        sendTo(session, QStringLiteral("join_table_answer_t"), {{QStringLiteral("ok"), ok}, {QStringLiteral("reason"), reason}});
    };
    const int away = awaySeatOf(session->playerId());
    if (away != -1) {
        // Back at the seat left during this hand: the snapshot and the own tiles.
        Seat &s = m_seats[static_cast<std::size_t>(away)];
        s.away = false;
        s.session = session;
        m_watchers.erase(session);
        answer(true, 0);
        emit seatsChanged(m_config.id);
        sendSnapshot(session, s.id, true);
        if (m_phase == Phase::Over) {
            sendTo(session, QStringLiteral("are_you_ready_t"), {{QStringLiteral("span"), span(ReadyTime)}});
        } else if (m_phase == Phase::Discard && m_current == away) {
            promptTurn(away);
        }
        return;
    }
    if (seatOfPlayer(session->playerId()) != -1) {
        sendTo(session, QStringLiteral("already_seated_t"), {});
        return;
    }
    if (m_config.gameType == 1) {
        answer(false, 0);
        return;
    }
    if (isHandInPlay()) {
        answer(false, 3);
        return;
    }
    int seat = -1;
    if (requestedSeat >= 0 && requestedSeat < activeSeats() && m_seats[requestedSeat].isEmpty())
        seat = requestedSeat;
    for (int i = 0; seat == -1 && i < activeSeats(); ++i) {
        if (m_seats[i].isEmpty())
            seat = i;
    }
    if (seat == -1) {
        answer(false, 2);
        return;
    }
    m_watchers.erase(session);
    Seat &s = m_seats[static_cast<std::size_t>(seat)];
    s = Seat();
    s.id = session->playerId();
    s.name = session->playerName();
    s.session = session;
    s.score = startScore();
    s.seating = ++m_seatings;
    answer(true, 0);
    sendSnapshot(session, s.id, false);
    sendToAll(QStringLiteral("player_joined_t"), {{QStringLiteral("player"), playerRecord(s)}}, session);
    sendTo(session, QStringLiteral("are_you_ready_t"), {{QStringLiteral("span"), span(m_config.seatTime)}});
    emit seatsChanged(m_config.id);
    // As the seated box says: a player who does not say ready in time is unseated.
    QTimer::singleShot(m_config.seatTime, this, [this, id = s.id, seating = s.seating] { unseatIfNotReady(id, seating); });
}

void TableEngine::unseatIfNotReady(qint32 playerId, quint64 seating)
{
    const int seat = seatOfPlayer(playerId);
    if (seat == -1 || isHandInPlay())
        return;
    const Seat &s = m_seats[static_cast<std::size_t>(seat)];
    if (s.seating != seating || s.ready || !s.session)
        return;
    s.session->log(QStringLiteral("UNSEATED %1 from table %2: not ready in time").arg(QString::number(playerId), QString::number(m_config.id)));
    sendTo(s.session, QStringLiteral("player_left_t"), {{QStringLiteral("player"), playerId}});
    vacate(seat);
}

void TableEngine::watch(DemoSession *session)
{
    if (seatOf(session) != -1) {
        sendTo(session, QStringLiteral("watch_table_answer_t"),
               {{QStringLiteral("ok"), false}, {QStringLiteral("message"), WorldLanguage::text(seatedHere, session->language())}});
        return;
    }
    m_watchers.insert(session);
    sendTo(session, QStringLiteral("watch_table_answer_t"), {{QStringLiteral("ok"), true}, {QStringLiteral("message"), QString()}});
    const int east = std::max(0, m_dealer);
    sendSnapshot(session, m_seats[static_cast<std::size_t>(east)].id, false);
}

void TableEngine::unwatch(DemoSession *session)
{
    const bool watching = m_watchers.erase(session) > 0;
    sendTo(session, QStringLiteral("unwatch_table_answer_t"), {{QStringLiteral("ok"), watching}});
}

void TableEngine::leave(DemoSession *session)
{
    const int seat = seatOf(session);
    if (seat == -1) {
        sendTo(session, QStringLiteral("leave_table_answer_t"),
               {{QStringLiteral("ok"), false}, {QStringLiteral("message"), WorldLanguage::text(notSeatedHere, session->language())}});
        return;
    }
    sendTo(session, QStringLiteral("leave_table_answer_t"), {{QStringLiteral("ok"), true}, {QStringLiteral("message"), QString()}});
    vacate(seat);
}

void TableEngine::sessionClosed(DemoSession *session)
{
    m_watchers.erase(session);
    const int seat = seatOf(session);
    if (seat != -1)
        vacate(seat);
}

void TableEngine::vacate(int seat)
{
    Seat &s = m_seats[static_cast<std::size_t>(seat)];
    s.session = nullptr;
    if (isHandInPlay()) {
        // Played for until the hand ends; the player may come back to it.
        s.away = true;
        emit seatsChanged(m_config.id);
        if (m_phase == Phase::Discard && m_current == seat)
            later(m_pace, [this, seat] { botMove(seat); });
        else if (m_phase == Phase::Claims && !m_claims[seat].answered)
            answerClaim(seat, 0, 0);
        return;
    }
    removeSeat(seat);
    dropAbsentPlayers();
    maybeStartHand();
}

void TableEngine::unseatForNextGame(int seat)
{
    DemoSession *session = m_seats[static_cast<std::size_t>(seat)].session;
    const qint32 id = m_seats[static_cast<std::size_t>(seat)].id;
    session->log(QStringLiteral("UNSEATED %1 from table %2: no Play for the next game").arg(QString::number(id), QString::number(m_config.id)));
    removeSeat(seat);
    sendTo(session, QStringLiteral("player_left_t"), {{QStringLiteral("player"), id}});
    m_watchers.insert(session);
}

void TableEngine::removeSeat(int seat)
{
    const qint32 id = m_seats[static_cast<std::size_t>(seat)].id;
    m_seats[static_cast<std::size_t>(seat)] = Seat();
    sendToAll(QStringLiteral("player_left_t"), {{QStringLiteral("player"), id}});
    emit seatsChanged(m_config.id);
}

// Between hands: the players who left go, and with the last human the computer
// players seated for them.
void TableEngine::dropAbsentPlayers()
{
    for (int i = 0; i < activeSeats(); ++i) {
        if (m_seats[i].away)
            removeSeat(i);
    }
    const bool humans = std::any_of(m_seats.begin(), m_seats.end(), [](const Seat &s) { return s.isHuman(); });
    if (!humans) {
        for (int i = 0; i < activeSeats(); ++i) {
            if (m_seats[i].addedBot)
                removeSeat(i);
        }
        // The next player to sit down starts a new game.
        m_phase = Phase::Idle;
        m_handInGame = -1;
        ++m_step;
        m_timer.stop();
    }
}

// ---- sending ---------------------------------------------------------------------------------

void TableEngine::sendTo(DemoSession *session, const QString &name, QJsonObject fields) const
{
    if (!session)
        return;
    fields.insert(QStringLiteral("table"), m_config.id);
    session->send(name, withBotNames(fields, session->language()).toObject());
}

// Computer players go by their names in each client's language: wherever a packet names
// a player ("name" beside his "id" or "player"), a computer player's name is the one of
// that language.
QJsonValue TableEngine::withBotNames(const QJsonValue &value, const QString &language)
{
    if (value.isArray()) {
        QJsonArray array;
        for (const QJsonValue &item : value.toArray())
            array.append(withBotNames(item, language));
        return array;
    }
    if (!value.isObject())
        return value;
    QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it)
        *it = withBotNames(*it, language);
    const qint32 id = object.value(QStringLiteral("id")).toInt(object.value(QStringLiteral("player")).toInt(-1));
    if (id >= FirstBotId && object.contains(QStringLiteral("name")))
        object.insert(QStringLiteral("name"), botName(id, language));
    return object;
}

void TableEngine::sendToAll(const QString &name, const QJsonObject &fields, DemoSession *except) const
{
    for (const Seat &s : m_seats) {
        if (s.session && s.session != except && !s.isEmpty())
            sendTo(s.session, name, fields);
    }
    for (DemoSession *watcher : m_watchers) {
        if (watcher != except)
            sendTo(watcher, name, fields);
    }
}

void TableEngine::sendToSeat(int seat, const QString &name, const QJsonObject &fields) const
{
    sendTo(m_seats[static_cast<std::size_t>(seat)].session, name, fields);
}

QJsonObject TableEngine::span(int msecs) const
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    return {{QStringLiteral("start"), QString::number(now)}, {QStringLiteral("end"), QString::number(now + msecs)}};
}

QJsonObject TableEngine::playerRecord(const Seat &s) const
{
    QJsonArray melds;
    for (const std::uint8_t t : s.bonus) {
        melds.append(QJsonObject{{QStringLiteral("kind"), BONUS}, {QStringLiteral("concealed"), 0},
                                 {QStringLiteral("first_tile"), t}, {QStringLiteral("claimed_from"), -1},
                                 {QStringLiteral("claimed_offset"), 255}});
    }
    for (const Meld &m : s.melds) {
        melds.append(QJsonObject{{QStringLiteral("kind"), m.kind}, {QStringLiteral("concealed"), m.concealed ? 2 : 0},
                                 {QStringLiteral("first_tile"), m.first}, {QStringLiteral("claimed_from"), m.claimedFrom},
                                 {QStringLiteral("claimed_offset"), m.claimedOffset}});
    }
    return {{QStringLiteral("id"), s.id},
            {QStringLiteral("name"), s.name},
            {QStringLiteral("wind"), s.wind},
            {QStringLiteral("hidden_count"), static_cast<int>(s.hand.size())},
            {QStringLiteral("melds"), melds},
            {QStringLiteral("discards"), tileArray(s.discards)},
            {QStringLiteral("hand"), QJsonArray()},
            {QStringLiteral("riichi_index"), s.riichiIndex},
            {QStringLiteral("score"), s.score},
            {QStringLiteral("round_score"), s.roundScore},
            {QStringLiteral("ready"), s.ready},
            {QStringLiteral("active"), true},
            {QStringLiteral("furiten"), false}};
}

QJsonObject TableEngine::tableState(qint32 referencePlayer) const
{
    const bool known = m_lastDiscarder >= 0 && m_lastDiscarder < activeSeats() && isHandInPlay();
    const qint32 last = known ? m_seats[m_lastDiscarder].id : -1;
    return {{QStringLiteral("reference_player"), referencePlayer},
            {QStringLiteral("prevalent_wind"), prevalentWind()},
            {QStringLiteral("third_value"), 0},
            {QStringLiteral("last_discarder"), last},
            {QStringLiteral("riichi_sticks"), m_riichiSticks},
            {QStringLiteral("counter_sticks"), 0}};
}

QJsonObject TableEngine::wallState() const
{
    if (!m_wall) {
        return {{QStringLiteral("dead_wall_position"), 4}, {QStringLiteral("dora"), QJsonArray()}, {QStringLiteral("live"), 0},
                {QStringLiteral("dead"), 0}, {QStringLiteral("dead_dealt"), 0}};
    }
    return {{QStringLiteral("dead_wall_position"), m_wall->deadWallPosition()},
            {QStringLiteral("dora"), tileArray(m_wall->dora())},
            {QStringLiteral("live"), m_wall->live()},
            {QStringLiteral("dead"), m_wall->dead()},
            {QStringLiteral("dead_dealt"), m_wall->deadDealt()}};
}

// The whole table as one player or watcher may know it; a seated player's own tiles follow.
void TableEngine::sendSnapshot(DemoSession *session, qint32 referencePlayer, bool includeOwn) const
{
    QJsonArray players;
    for (const Seat &s : m_seats) {
        if (!s.isEmpty() && (includeOwn || s.session != session))
            players.append(playerRecord(s));
    }
    // A newcomer sits down between hands, whatever the others' score boards show.
    const int state = isHandInPlay() ? 3 : m_phase == Phase::Over && includeOwn ? 7 : 0;
    sendTo(session, QStringLiteral("game_data_t"),
           {{QStringLiteral("hand_id"), QString::number(m_handId)},
            {QStringLiteral("server_state"), state},
            {QStringLiteral("players"), players},
            {QStringLiteral("table_state"), tableState(referencePlayer)},
            {QStringLiteral("wall_state"), wallState()}});
    const int seat = seatOf(session);
    if (includeOwn && seat != -1 && state != 0) {
        sendTo(session, QStringLiteral("private_player_data_t"),
               {{QStringLiteral("concealed"), tileArray(m_seats[seat].hand)}, {QStringLiteral("active"), true},
                {QStringLiteral("furiten"), false}});
    }
}

// A packet the hand does not allow: logged, answered with a message and the table as the
// server sees it, so that the client shows the truth again; the hand goes on.
void TableEngine::refuse(DemoSession *session, const QString &packet, const QString &why)
{
    session->log(QStringLiteral("REFUSED %1 at table %2: %3").arg(packet, QString::number(m_config.id), why));
    session->send(QStringLiteral("player_message_t"),
                  {{QStringLiteral("text"), QStringLiteral("The server refused your move: %1").arg(why)}});
    const int seat = seatOf(session);
    if (seat == -1)
        return;
    sendSnapshot(session, m_seats[seat].id, true);
    if (m_phase == Phase::Discard && m_current == seat)
        promptTurn(seat);
    else if (m_phase == Phase::Claims && !m_claims[seat].answered && !m_claims[seat].offers.empty())
        answerClaim(seat, 0, 0);
}

// ---- packets from the players ---------------------------------------------------------------

void TableEngine::handleGamePacket(DemoSession *session, const QString &name, const QJsonObject &fields)
{
    const int seat = seatOf(session);
    if (seat == -1) {
        refuse(session, name, QStringLiteral("you are not seated at this table"));
        return;
    }
    Seat &s = m_seats[static_cast<std::size_t>(seat)];
    if (fields.value(QStringLiteral("player")).toInt(-1) != s.id) {
        refuse(session, name, QStringLiteral("the move names another player"));
        return;
    }
    const int t = fields.value(name == QLatin1String("discard_tile_t") || name == QLatin1String("call_riichi_t")
                                   ? QStringLiteral("discard")
                                   : name == QLatin1String("call_bonus_t") ? QStringLiteral("bonus")
                                                                            : QStringLiteral("first_tile"))
                      .toInt(-1);
    const auto tile = static_cast<std::uint8_t>(t < 0 || t > 255 ? NoTile : t);
    const bool ownTurn = m_phase == Phase::Discard && m_current == seat;
    const bool inHand = HandChecker::count(s.hand, tile) > 0;

    if (name == QLatin1String("ready_t")) {
        if (isHandInPlay() || s.ready)
            return refuse(session, name, QStringLiteral("no hand is waiting for you"));
        s.ready = true;
        // The seat is taken up: its time to say ready no longer runs.
        s.seating = 0;
        sendToAll(QStringLiteral("player_is_ready_t"), {{QStringLiteral("player"), s.id}});
        maybeStartHand();
    } else if (name == QLatin1String("discard_tile_t")) {
        if (!ownTurn)
            return refuse(session, name, QStringLiteral("it is not your turn"));
        if (!inHand)
            return refuse(session, name, QStringLiteral("the tile is not in your hand"));
        if (s.riichiIndex != -1 && tile != m_drawn)
            return refuse(session, name, QStringLiteral("after riichi you discard the tile you drew"));
        discard(seat, tile, false);
    } else if (name == QLatin1String("call_riichi_t")) {
        if (!ownTurn || !inHand)
            return refuse(session, name, QStringLiteral("riichi is not possible now"));
        const QJsonArray offers = concealedOffers(seat);
        if (!offers.contains(offer(RIICHI, tile)))
            return refuse(session, name, QStringLiteral("that discard does not leave a ready hand"));
        discard(seat, tile, true);
    } else if (name == QLatin1String("call_kong_t") || name == QLatin1String("call_pong_to_kong_t")) {
        const int kind = name == QLatin1String("call_kong_t") ? KONG : PONG_TO_KONG;
        if (m_phase == Phase::Claims && kind == KONG)
            return answerClaim(seat, KONG, tile);
        if (!ownTurn || !concealedOffers(seat).contains(offer(kind, tile)))
            return refuse(session, name, QStringLiteral("no such kong"));
        m_timer.stop();
        declareKong(seat, tile, kind == PONG_TO_KONG);
    } else if (name == QLatin1String("call_chow_t") || name == QLatin1String("call_pong_t")) {
        if (m_phase != Phase::Claims)
            return refuse(session, name, QStringLiteral("there is no discard to claim"));
        answerClaim(seat, name == QLatin1String("call_chow_t") ? CHOW : PONG, tile);
    } else if (name == QLatin1String("call_pass_t")) {
        if (m_phase == Phase::Claims)
            answerClaim(seat, 0, 0);
    } else if (name == QLatin1String("call_mahjong_t")) {
        if (m_phase == Phase::Claims)
            return answerClaim(seat, MAHJONG, m_lastDiscard);
        if (!ownTurn || !winScore(seat, m_drawn, true).isWin())
            return refuse(session, name, QStringLiteral("your hand does not win"));
        endHand(seat, -1);
    } else if (name == QLatin1String("call_bonus_t")) {
        if (!ownTurn || !inHand || !Wall::isBonus(tile))
            return refuse(session, name, QStringLiteral("no such bonus tile"));
        removeTiles(s.hand, {tile});
        s.bonus.push_back(tile);
        sendToAll(QStringLiteral("declare_bonus_t"), {{QStringLiteral("player"), s.id}, {QStringLiteral("tiles"), QJsonArray{tile}}});
        m_kongDraw = false;
        draw(seat, true);
    } else {
        session->log(QStringLiteral("UNHANDLED %1").arg(name));
    }
}

// ---- the hand --------------------------------------------------------------------------------

void TableEngine::later(int msecs, std::function<void()> work)
{
    const quint64 step = m_step;
    QTimer::singleShot(msecs, this, [this, step, work = std::move(work)] {
        if (step == m_step)
            work();
    });
}

void TableEngine::startTimer(int msecs)
{
    m_timer.start(msecs);
}

void TableEngine::maybeStartHand()
{
    if (isHandInPlay())
        return;
    bool human = false;
    for (const Seat &s : m_seats) {
        if (s.isHuman())
            human = true;
        if (!s.isEmpty() && !s.ready)
            return;
    }
    if (!human)
        return;
    for (int i = 0; i < activeSeats(); ++i) {
        if (m_seats[i].isEmpty()) {
            seatBot(i, true);
            sendToAll(QStringLiteral("player_joined_t"), {{QStringLiteral("player"), playerRecord(m_seats[i])}});
            emit seatsChanged(m_config.id);
        }
    }
    startHand();
}

void TableEngine::startHand()
{
    ++m_step;
    m_timer.stop();
    m_handId = 7000000 + static_cast<qint64>(m_config.id) * 1000 + m_handsPlayed;
    if (m_handInGame == -1) {
        // A new game: the scores start again.
        m_riichiSticks = 0;
        for (Seat &s : m_seats) {
            s.score = startScore();
            s.roundScore = 0;
        }
    }
    ++m_handInGame;
    m_dealer = m_handInGame % activeSeats();
    m_wall = std::make_unique<Wall>(m_config.ruleset, m_random);
    m_lastDiscarder = -1;
    m_lastDiscard = NoTile;
    m_kongDraw = false;
    QJsonArray seating{-1, -1, -1, -1};
    QJsonArray scores;
    for (int i = 0; i < activeSeats(); ++i) {
        Seat &s = m_seats[i];
        s.hand.clear();
        s.discards.clear();
        s.bonus.clear();
        s.melds.clear();
        s.riichiIndex = -1;
        s.wind = (i - m_dealer + activeSeats()) % activeSeats();
        seating[s.wind] = s.id;
        scores.append(QJsonObject{{QStringLiteral("player"), s.id}, {QStringLiteral("game_score"), s.score},
                                  {QStringLiteral("round_score"), s.roundScore}});
    }
    m_phase = Phase::Discard;
    m_current = m_dealer;
    for (const Seat &s : m_seats) {
        const qint32 reference = s.session ? s.id : m_seats[m_dealer].id;
        const QJsonObject start{{QStringLiteral("hand_id"), QString::number(m_handId)},
                                {QStringLiteral("seating"), seating},
                                {QStringLiteral("scores"), scores},
                                {QStringLiteral("flag"), m_handInGame == 0},
                                {QStringLiteral("table_state"), tableState(reference)},
                                {QStringLiteral("wall_state"), wallState()}};
        if (s.session)
            sendTo(s.session, QStringLiteral("start_hand_t"), start);
    }
    for (DemoSession *watcher : m_watchers) {
        sendTo(watcher, QStringLiteral("start_hand_t"),
               {{QStringLiteral("hand_id"), QString::number(m_handId)},
                {QStringLiteral("seating"), seating},
                {QStringLiteral("scores"), scores},
                {QStringLiteral("flag"), m_handInGame == 0},
                {QStringLiteral("table_state"), tableState(m_seats[m_dealer].id)},
                {QStringLiteral("wall_state"), wallState()}});
    }
    for (int k = 0; k < activeSeats(); ++k)
        deal((m_dealer + k) % activeSeats(), 13);
    // Bonus tiles of the deal are laid out and replaced, East first.
    for (int k = 0; k < activeSeats(); ++k) {
        const int seat = (m_dealer + k) % activeSeats();
        Seat &s = m_seats[seat];
        HandChecker::Tiles bonus;
        std::copy_if(s.hand.begin(), s.hand.end(), std::back_inserter(bonus), Wall::isBonus);
        while (!bonus.empty()) {
            removeTiles(s.hand, bonus);
            s.bonus.insert(s.bonus.end(), bonus.begin(), bonus.end());
            sendToAll(QStringLiteral("declare_bonus_t"), {{QStringLiteral("player"), s.id}, {QStringLiteral("tiles"), tileArray(bonus)}});
            HandChecker::Tiles replacements;
            for (std::size_t i = 0; i < bonus.size() && m_wall->canReplace(); ++i)
                replacements.push_back(m_wall->drawReplacement());
            s.hand.insert(s.hand.end(), replacements.begin(), replacements.end());
            sendToSeat(seat, QStringLiteral("tiles_from_wall_t"), {{QStringLiteral("tiles"), tileArray(replacements)}, {QStringLiteral("replacement"), true}});
            sendToAll(QStringLiteral("hidden_tiles_from_wall_t"),
                      {{QStringLiteral("player"), s.id}, {QStringLiteral("count"), static_cast<int>(replacements.size())},
                       {QStringLiteral("replacement"), true}},
                      s.session);
            bonus.clear();
            std::copy_if(replacements.begin(), replacements.end(), std::back_inserter(bonus), Wall::isBonus);
        }
    }
    ++m_handsPlayed;
    emit handInPlayChanged();
    later(m_pace, [this] { draw(m_dealer, false); });
}

void TableEngine::deal(int seat, int count)
{
    Seat &s = m_seats[static_cast<std::size_t>(seat)];
    HandChecker::Tiles tiles;
    for (int i = 0; i < count; ++i)
        tiles.push_back(m_wall->draw());
    s.hand.insert(s.hand.end(), tiles.begin(), tiles.end());
    sendToSeat(seat, QStringLiteral("tiles_from_wall_t"), {{QStringLiteral("tiles"), tileArray(tiles)}, {QStringLiteral("replacement"), false}});
    sendToAll(QStringLiteral("hidden_tiles_from_wall_t"),
              {{QStringLiteral("player"), s.id}, {QStringLiteral("count"), count}, {QStringLiteral("replacement"), false}}, s.session);
}

void TableEngine::draw(int seat, bool replacement)
{
    ++m_step;
    if (replacement ? !m_wall->canReplace() : !m_wall->canDraw())
        return washout();
    Seat &s = m_seats[static_cast<std::size_t>(seat)];
    const std::uint8_t t = replacement ? m_wall->drawReplacement() : m_wall->draw();
    m_kongDraw = m_kongDraw && replacement;
    m_phase = Phase::Discard;
    m_current = seat;
    sendToSeat(seat, QStringLiteral("tiles_from_wall_t"), {{QStringLiteral("tiles"), QJsonArray{t}}, {QStringLiteral("replacement"), replacement}});
    sendToAll(QStringLiteral("hidden_tiles_from_wall_t"),
              {{QStringLiteral("player"), s.id}, {QStringLiteral("count"), 1}, {QStringLiteral("replacement"), replacement}}, s.session);
    if (Wall::isBonus(t)) {
        s.bonus.push_back(t);
        sendToAll(QStringLiteral("declare_bonus_t"), {{QStringLiteral("player"), s.id}, {QStringLiteral("tiles"), QJsonArray{t}}});
        return draw(seat, true);
    }
    s.hand.push_back(t);
    m_drawn = t;
    afterDraw(seat);
}

void TableEngine::afterDraw(int seat)
{
    const Seat &s = m_seats[static_cast<std::size_t>(seat)];
    if (!s.isHuman()) {
        later(m_pace, [this, seat] { botMove(seat); });
        return;
    }
    sendToSeat(seat, QStringLiteral("concealed_meld_suggestion_t"),
               {{QStringLiteral("span"), span(m_config.speed)}, {QStringLiteral("offers"), concealedOffers(seat)}});
    promptTurn(seat);
}

void TableEngine::promptTurn(int seat)
{
    sendToAll(QStringLiteral("player_should_act_t"),
              {{QStringLiteral("span"), span(m_config.speed)}, {QStringLiteral("player"), m_seats[seat].id}});
    startTimer(m_config.speed);
}

// What the player may declare with the tiles in hand on their own turn.
QJsonArray TableEngine::concealedOffers(int seat) const
{
    const Seat &s = m_seats[static_cast<std::size_t>(seat)];
    QJsonArray offers;
    if (winScore(seat, m_drawn, true).isWin())
        offers.append(offer(MAHJONG, m_drawn));
    if (s.riichiIndex != -1)
        return offers;
    if (m_wall->canReplace()) {
        for (std::uint8_t t = 0; t < 34; ++t) {
            if (HandChecker::count(s.hand, t) == 4)
                offers.append(offer(KONG, t));
        }
        for (const Meld &m : s.melds) {
            if (m.kind == PONG && HandChecker::count(s.hand, m.first) > 0)
                offers.append(offer(PONG_TO_KONG, m.first));
        }
    }
    const bool riichi = RulesetInfoInstance(m_config.ruleset).isRiichi();
    if (riichi && !s.hasOpenMelds() && s.score >= RiichiStake && m_wall->live() >= activeSeats()) {
        std::set<std::uint8_t> seen;
        for (std::uint8_t t : s.hand) {
            if (!seen.insert(t).second)
                continue;
            HandChecker::Tiles rest = s.hand;
            removeTiles(rest, {t});
            if (HandChecker::isReady(rest, m_config.ruleset))
                offers.append(offer(RIICHI, t));
        }
    }
    return offers;
}

void TableEngine::botMove(int seat)
{
    Seat &s = m_seats[static_cast<std::size_t>(seat)];
    if (winScore(seat, m_drawn, true).isWin())
        return endHand(seat, -1);
    const bool drawnInHand = m_drawn != NoTile && HandChecker::count(s.hand, m_drawn) > 0;
    discard(seat, s.riichiIndex != -1 && drawnInHand ? m_drawn : botDiscard(s.hand), false);
}

// The discard that leaves the hand nearest to ready, and of those the one that leaves
// the most kinds of tile that bring it nearer.
std::uint8_t TableEngine::botDiscard(const HandChecker::Tiles &hand)
{
    std::uint8_t best = hand.back();
    int bestShanten = 99;
    int bestKinds = -1;
    std::set<std::uint8_t> tried;
    for (std::uint8_t t : hand) {
        if (!tried.insert(t).second)
            continue;
        HandChecker::Tiles rest = hand;
        removeTiles(rest, {t});
        const int shanten = HandChecker::shanten(rest);
        if (shanten > bestShanten)
            continue;
        int kinds = 0;
        HandChecker::Tiles with = rest;
        with.push_back(0);
        for (std::uint8_t x = 0; x < 34; ++x) {
            const bool near = std::any_of(rest.begin(), rest.end(), [x](std::uint8_t o) {
                return o == x || (x < 27 && o / 9 == x / 9 && std::abs(int(o) - int(x)) <= 2);
            });
            with.back() = x;
            if (near && HandChecker::count(rest, x) < 4 && HandChecker::shanten(with) < shanten)
                ++kinds;
        }
        if (shanten < bestShanten || kinds > bestKinds) {
            best = t;
            bestShanten = shanten;
            bestKinds = kinds;
        }
    }
    return best;
}

void TableEngine::onTimeout()
{
    if (m_phase == Phase::Discard && m_current >= 0) {
        Seat &s = m_seats[static_cast<std::size_t>(m_current)];
        sendToSeat(m_current, QStringLiteral("timeout_occured_t"), {});
        const bool drawnInHand = m_drawn != NoTile && HandChecker::count(s.hand, m_drawn) > 0;
        discard(m_current, drawnInHand ? m_drawn : s.hand.back(), false);
    } else if (m_phase == Phase::Claims) {
        for (std::size_t i = 0; i < m_claims.size(); ++i) {
            if (!m_claims[i].offers.empty() && !m_claims[i].answered)
                sendToSeat(static_cast<int>(i), QStringLiteral("timeout_occured_t"), {});
            m_claims[i].answered = true;
        }
        resolveClaims();
    } else if (m_phase == Phase::Over && m_handInGame == -1) {
        // The game is over, and a new one is a new commitment (at a money table its bet)
        // that only Play makes: whoever did not press it gives the seat up and stays at
        // the table as a watcher. The others play on, with computer players in the seats
        // given up; without a human no game starts.
        for (int i = 0; i < activeSeats(); ++i) {
            if (m_seats[i].isHuman() && !m_seats[i].ready)
                unseatForNextGame(i);
        }
        dropAbsentPlayers();
        maybeStartHand();
    } else if (m_phase == Phase::Over) {
        // Nobody answered the ready question between the hands of a game: the next hand
        // starts for them.
        for (Seat &s : m_seats) {
            if (s.isHuman() && !s.ready) {
                s.ready = true;
                sendToAll(QStringLiteral("player_is_ready_t"), {{QStringLiteral("player"), s.id}});
            }
        }
        maybeStartHand();
    }
}

void TableEngine::discard(int seat, std::uint8_t t, bool riichi)
{
    ++m_step;
    m_timer.stop();
    Seat &s = m_seats[static_cast<std::size_t>(seat)];
    removeTiles(s.hand, {t});
    s.discards.push_back(t);
    m_lastDiscarder = seat;
    m_lastDiscard = t;
    m_drawn = NoTile;
    m_kongDraw = false;
    if (riichi) {
        s.riichiIndex = static_cast<int>(s.discards.size()) - 1;
        s.score -= RiichiStake;
        ++m_riichiSticks;
        sendToAll(QStringLiteral("riichi_declared_t"),
                  {{QStringLiteral("player"), s.id}, {QStringLiteral("discard"), t}, {QStringLiteral("new_score"), s.score}});
    } else {
        sendToAll(QStringLiteral("tile_discarded_t"), {{QStringLiteral("player"), s.id}, {QStringLiteral("discard"), t}});
    }
    openClaims(seat, t);
}

// Offers the discard to every human who may claim it; computer players (and the seats
// played for) claim it only when it makes a winning hand.
void TableEngine::openClaims(int discarder, std::uint8_t t)
{
    m_claims.assign(m_seats.size(), ClaimAnswer());
    bool waiting = false;
    bool botWins = false;
    for (int i = 0; i < activeSeats(); ++i) {
        const Seat &s = m_seats[i];
        if (i == discarder)
            continue;
        std::vector<QJsonObject> &offers = m_claims[i].offers;
        const bool wins = winScore(i, t, false).isWin();
        if (!s.isHuman()) {
            if (wins) {
                offers.push_back(offer(MAHJONG, t));
                m_claims[i].answered = true;
                m_claims[i].kind = MAHJONG;
                m_claims[i].first = t;
                botWins = true;
            }
            continue;
        }
        if (wins)
            offers.push_back(offer(MAHJONG, t));
        if (s.riichiIndex == -1) {
            if (i == nextSeat(discarder) && m_config.ruleset != RulesetInfo::KANSAI_RIICHI) {
                for (std::uint8_t first : HandChecker::chowStarts(s.hand, t))
                    offers.push_back(offer(CHOW, first));
            }
            if (HandChecker::count(s.hand, t) >= 2)
                offers.push_back(offer(PONG, t));
            if (HandChecker::count(s.hand, t) >= 3 && m_wall->canReplace())
                offers.push_back(offer(KONG, t));
        }
        if (offers.empty())
            continue;
        waiting = true;
        QJsonArray list;
        for (const QJsonObject &o : offers)
            list.append(o);
        sendToSeat(i, QStringLiteral("meld_suggestion_t"), {{QStringLiteral("span"), span(m_config.speed)}, {QStringLiteral("offers"), list}});
    }
    if (!waiting) {
        m_phase = botWins ? Phase::Claims : Phase::Discard;
        m_current = -1;
        if (botWins)
            later(m_pace, [this] { resolveClaims(); });
        else
            later(m_pace, [this, discarder] { draw(nextSeat(discarder), false); });
        return;
    }
    m_phase = Phase::Claims;
    startTimer(m_config.speed);
}

void TableEngine::answerClaim(int seat, int kind, std::uint8_t first)
{
    ClaimAnswer &answer = m_claims[static_cast<std::size_t>(seat)];
    DemoSession *session = m_seats[static_cast<std::size_t>(seat)].session;
    if (answer.answered || answer.offers.empty()) {
        if (session && kind != 0)
            refuse(session, QStringLiteral("claim"), QStringLiteral("the discard was not offered to you"));
        return;
    }
    if (kind != 0 && std::find(answer.offers.begin(), answer.offers.end(), offer(kind, first)) == answer.offers.end()) {
        // Refused, and taken as a pass, so the table goes on.
        if (session) {
            session->log(QStringLiteral("REFUSED claim %1 of tile %2: not offered").arg(QString::number(kind), QString::number(first)));
            session->send(QStringLiteral("player_message_t"),
                          {{QStringLiteral("text"), QStringLiteral("The server refused your move: that claim was not offered")}});
        }
        kind = 0;
    }
    answer.answered = true;
    answer.kind = kind;
    answer.first = first;
    const bool all = std::all_of(m_claims.begin(), m_claims.end(), [](const ClaimAnswer &a) { return a.offers.empty() || a.answered; });
    if (all)
        resolveClaims();
}

void TableEngine::resolveClaims()
{
    ++m_step;
    m_timer.stop();
    int best = -1;
    // The nearest seat after the discarder wins a tie.
    for (int k = 1; k < activeSeats(); ++k) {
        const int seat = (m_lastDiscarder + k) % activeSeats();
        const ClaimAnswer &a = m_claims[seat];
        if (a.kind != 0 && (best == -1 || claimRank(a.kind) > claimRank(m_claims[best].kind)))
            best = seat;
    }
    const int discarder = m_lastDiscarder;
    if (best == -1) {
        m_phase = Phase::Discard;
        m_current = -1;
        later(m_pace, [this, discarder] { draw(nextSeat(discarder), false); });
        return;
    }
    if (m_claims[best].kind == MAHJONG)
        return endHand(best, discarder);
    declareClaimedMeld(best, m_claims[best].kind, m_claims[best].first);
}

void TableEngine::declareClaimedMeld(int seat, int kind, std::uint8_t first)
{
    Seat &s = m_seats[static_cast<std::size_t>(seat)];
    Seat &from = m_seats[static_cast<std::size_t>(m_lastDiscarder)];
    from.discards.pop_back();
    s.hand.push_back(m_lastDiscard);
    removeTiles(s.hand, meldTilesFromHand(kind, first));
    Meld meld{kind, false, first, from.id, m_lastDiscard - first};
    s.melds.push_back(meld);
    sendToAll(QStringLiteral("tile_claimed_t"), {{QStringLiteral("player"), s.id}});
    sendToAll(QStringLiteral("meld_declared_t"),
              {{QStringLiteral("player"), s.id},
               {QStringLiteral("meld"), QJsonObject{{QStringLiteral("kind"), kind}, {QStringLiteral("concealed"), 0},
                                                    {QStringLiteral("first_tile"), first}, {QStringLiteral("claimed_from"), from.id},
                                                    {QStringLiteral("claimed_offset"), meld.claimedOffset}}}});
    m_lastDiscarder = -1;
    if (kind == KONG) {
        if (RulesetInfoInstance(m_config.ruleset).isRiichi())
            sendToAll(QStringLiteral("kan_dora_t"), {{QStringLiteral("indicator"), m_wall->revealDora()}});
        m_kongDraw = true;
        return draw(seat, true);
    }
    m_phase = Phase::Discard;
    m_current = seat;
    m_drawn = NoTile;
    if (s.isHuman())
        promptTurn(seat);
    else
        later(m_pace, [this, seat] { botMove(seat); });
}

void TableEngine::declareKong(int seat, std::uint8_t t, bool fromPong)
{
    ++m_step;
    Seat &s = m_seats[static_cast<std::size_t>(seat)];
    if (fromPong) {
        removeTiles(s.hand, {t});
        for (Meld &m : s.melds) {
            if (m.kind == PONG && m.first == t)
                m.kind = KONG;
        }
    } else {
        removeTiles(s.hand, HandChecker::Tiles(4, t));
        s.melds.push_back(Meld{KONG, true, t, -1, 0});
    }
    sendToAll(QStringLiteral("meld_declared_t"),
              {{QStringLiteral("player"), s.id},
               {QStringLiteral("meld"), QJsonObject{{QStringLiteral("kind"), fromPong ? PONG_TO_KONG : KONG},
                                                    {QStringLiteral("concealed"), fromPong ? 0 : 2},
                                                    {QStringLiteral("first_tile"), t},
                                                    {QStringLiteral("claimed_from"), -1},
                                                    {QStringLiteral("claimed_offset"), 0}}}});
    if (RulesetInfoInstance(m_config.ruleset).isRiichi())
        sendToAll(QStringLiteral("kan_dora_t"), {{QStringLiteral("indicator"), m_wall->revealDora()}});
    m_kongDraw = true;
    draw(seat, true);
}

// The win of a seat with a tile: its own draw, already in its hand, or another
// player's discard.
HandScore TableEngine::winScore(int seat, std::uint8_t t, bool selfDrawn) const
{
    const Seat &s = m_seats[static_cast<std::size_t>(seat)];
    HandScore::Win win;
    win.ruleset = m_config.ruleset;
    win.concealed = s.hand;
    if (!selfDrawn)
        win.concealed.push_back(t);
    for (const Meld &m : s.melds)
        win.melds.push_back({meldTiles(m.kind, m.first), m.concealed});
    win.winningTile = t;
    win.selfDrawn = selfDrawn;
    win.riichi = s.riichiIndex != -1;
    win.afterKong = selfDrawn && m_kongDraw;
    win.lastTile = !m_wall->canDraw();
    win.seatWind = s.wind;
    win.prevalentWind = prevalentWind();
    win.bonusTiles = static_cast<int>(s.bonus.size());
    win.doraIndicators = m_wall->dora();
    return HandScore::of(win);
}

int TableEngine::prevalentWind() const
{
    return (std::max(0, m_handInGame) / activeSeats()) % 4;
}

// A win: by the discarder's tile, or self-drawn when discarder is -1. The hand's score
// names its points, doubles or limit, and every other player pays what the rule set
// makes of them; riichi sticks go to the winner. Riichi tables end the hand as ron or
// tsumo, the others as mahjong.
void TableEngine::endHand(int winner, int discarder)
{
    Seat &w = m_seats[static_cast<std::size_t>(winner)];
    const std::uint8_t winningTile = discarder == -1 ? m_drawn : m_lastDiscard;
    const HandScore score = winScore(winner, winningTile, discarder == -1);
    if (discarder != -1) {
        m_seats[discarder].discards.pop_back();
        w.hand.push_back(m_lastDiscard);
    }
    sendToAll(QStringLiteral("someone_declared_mahjong_t"), {{QStringLiteral("player"), w.id}});
    std::vector<int> settlement(m_seats.size(), 0);
    for (int i = 0; i < activeSeats(); ++i) {
        if (i == winner)
            continue;
        const int pays = score.payment(winner == m_dealer, i == m_dealer, i == discarder);
        settlement[i] -= pays;
        settlement[winner] += pays;
    }
    const int sticks = m_riichiSticks * RiichiStake;
    settlement[winner] += sticks;
    m_riichiSticks = 0;

    // The winning tile is marked where the score counted it (a position from 1).
    QJsonArray handGroups;
    for (std::size_t g = 0; g < score.groups.size(); ++g) {
        const int highlight = g == score.winningGroup ? static_cast<int>(score.winningIndex) + 1 : -1;
        handGroups.append(QJsonObject{{QStringLiteral("tiles"), tileArray(score.groups[g])}, {QStringLiteral("highlight"), highlight}});
    }
    for (const Meld &m : w.melds)
        handGroups.append(QJsonObject{{QStringLiteral("tiles"), tileArray(meldTiles(m.kind, m.first))}, {QStringLiteral("highlight"), -1}});
    if (!w.bonus.empty())
        handGroups.append(QJsonObject{{QStringLiteral("tiles"), tileArray(w.bonus)}, {QStringLiteral("highlight"), -1}});

    const auto lines = [](const std::vector<HandScore::Line> &list) {
        QJsonArray array;
        for (const HandScore::Line &line : list)
            array.append(QJsonObject{{QStringLiteral("code"), line.code}, {QStringLiteral("value"), line.value}});
        return array;
    };
    QJsonArray bonus;
    if (sticks > 0)
        bonus.append(QJsonObject{{QStringLiteral("code"), RiichiSticksBonus}, {QStringLiteral("value"), sticks}});
    QJsonArray rows;
    for (int i = 0; i < activeSeats(); ++i) {
        Seat &s = m_seats[i];
        s.score += settlement[i];
        const bool won = i == winner;
        if (won)
            ++s.roundScore;
        rows.append(QJsonObject{{QStringLiteral("player"), s.id},
                                {QStringLiteral("name"), s.name},
                                {QStringLiteral("result"), won ? 2 : 0},
                                {QStringLiteral("points"), won ? lines(score.points) : QJsonArray()},
                                {QStringLiteral("doubles"), won ? lines(score.doubles) : QJsonArray()},
                                {QStringLiteral("limits"), won ? lines(score.limits) : QJsonArray()},
                                {QStringLiteral("bonus"), won ? bonus : QJsonArray()},
                                {QStringLiteral("points_total"), won ? score.pointsTotal : 0},
                                {QStringLiteral("doubles_total"), won ? score.doublesTotal : 0},
                                {QStringLiteral("third_total"), 0},
                                {QStringLiteral("hand_score"), won ? score.value : 0},
                                {QStringLiteral("settlement"), settlement[i]},
                                {QStringLiteral("current_score"), s.score},
                                {QStringLiteral("payment"), 0},
                                {QStringLiteral("hand"), won ? handGroups : QJsonArray()}});
    }
    const bool riichi = RulesetInfoInstance(m_config.ruleset).isRiichi();
    finishHand(!riichi ? MahjongEnd : discarder == -1 ? TsumoEnd : RonEnd, rows);
}

// A drawn hand; under riichi rule sets the ready hands are shown and paid by the others:
// the ready payments split among the hands not ready and among the ready ones.
void TableEngine::washout()
{
    const bool riichi = RulesetInfoInstance(m_config.ruleset).isRiichi();
    std::vector<bool> ready(m_seats.size(), false);
    int readyCount = 0;
    for (int i = 0; i < activeSeats(); ++i) {
        ready[i] = riichi && HandChecker::isReady(m_seats[i].hand, m_config.ruleset);
        readyCount += ready[i] ? 1 : 0;
    }
    const bool settled = readyCount > 0 && readyCount < activeSeats();
    QJsonArray rows;
    for (int i = 0; i < activeSeats(); ++i) {
        Seat &s = m_seats[i];
        const int settlement = !settled ? 0 : ready[i] ? ReadyPayments / readyCount : -ReadyPayments / (activeSeats() - readyCount);
        s.score += settlement;
        QJsonArray hand;
        if (ready[i]) {
            HandChecker::Tiles concealed = s.hand;
            std::sort(concealed.begin(), concealed.end());
            hand.append(QJsonObject{{QStringLiteral("tiles"), tileArray(concealed)}, {QStringLiteral("highlight"), -1}});
            for (const Meld &m : s.melds)
                hand.append(QJsonObject{{QStringLiteral("tiles"), tileArray(meldTiles(m.kind, m.first))}, {QStringLiteral("highlight"), -1}});
        }
        rows.append(QJsonObject{{QStringLiteral("player"), s.id}, {QStringLiteral("name"), s.name},
                                {QStringLiteral("result"), ready[i] ? 1 : 0}, {QStringLiteral("points"), QJsonArray()},
                                {QStringLiteral("doubles"), QJsonArray()}, {QStringLiteral("limits"), QJsonArray()},
                                {QStringLiteral("bonus"), QJsonArray()}, {QStringLiteral("points_total"), 0},
                                {QStringLiteral("doubles_total"), 0}, {QStringLiteral("third_total"), 0},
                                {QStringLiteral("hand_score"), 0}, {QStringLiteral("settlement"), settlement},
                                {QStringLiteral("current_score"), s.score}, {QStringLiteral("payment"), 0},
                                {QStringLiteral("hand"), hand}});
    }
    finishHand(WashoutEnd, rows);
}

// A single-hand table plays one hand a game; the others a hand per seat and wind round.
int TableEngine::handsInGame() const
{
    return m_config.gameType == 0 ? 1 : m_config.windRounds * activeSeats();
}

// The game is over: a money table settles it (the best score takes every other
// player's bet; the earlier seat goes first on equal scores; a place-bonus table pays
// each place its bonus besides), each player's account paying the table's fee besides,
// and the next hand starts a new game.
void TableEngine::endGame()
{
    m_handInGame = -1;
    if (m_config.valueKind == 0)
        return;
    std::vector<int> places(static_cast<size_t>(activeSeats()));
    std::iota(places.begin(), places.end(), 0);
    std::stable_sort(places.begin(), places.end(),
                     [this](int a, int b) { return m_seats[a].score > m_seats[b].score; });
    const int best = places.front();
    QJsonArray scores;
    for (int i = 0; i < activeSeats(); ++i) {
        const int place = int(std::find(places.begin(), places.end(), i) - places.begin());
        const qint64 balance = (i == best ? qint64(m_config.bet) * (activeSeats() - 1) : -qint64(m_config.bet))
            + m_config.placeBonus(place);
        scores.append(QJsonObject{{QStringLiteral("player"), m_seats[i].id}, {QStringLiteral("mahjong_points"), m_seats[i].score},
                                  {QStringLiteral("balance"), QJsonValue(balance)}});
        if (!m_seats[i].bot)
            emit gameSettled(m_seats[i].id, balance - m_config.fee);
    }
    sendToAll(QStringLiteral("end_of_round_t"), {{QStringLiteral("scores"), scores}});
}

void TableEngine::finishHand(int endKind, const QJsonArray &rows)
{
    ++m_step;
    m_timer.stop();
    m_phase = Phase::Over;
    m_current = -1;
    // The rows go out ordered by player id.
    std::vector<QJsonObject> ordered;
    for (const QJsonValue &row : rows)
        ordered.push_back(row.toObject());
    std::sort(ordered.begin(), ordered.end(), [](const QJsonObject &a, const QJsonObject &b) {
        return a.value(QStringLiteral("player")).toInt() < b.value(QStringLiteral("player")).toInt();
    });
    QJsonArray players;
    for (const QJsonObject &row : ordered)
        players.append(row);
    QStringList concealed;
    for (const Seat &s : m_seats)
        concealed.append(QStringLiteral("%1:%2").arg(QString::number(s.id), QString::number(s.hand.size())));
    for (const Seat &s : m_seats) {
        if (s.session) {
            s.session->log(QStringLiteral("HAND END table=%1 kind=%2 live=%3 dead=%4 dealt=%5 concealed=%6")
                               .arg(QString::number(m_config.id), QString::number(endKind), QString::number(m_wall->live()),
                                    QString::number(m_wall->dead()), QString::number(m_wall->deadDealt()), concealed.join(QLatin1Char(','))));
            break;
        }
    }
    const bool gameEnds = m_handInGame + 1 >= handsInGame();
    sendToAll(QStringLiteral("hand_end_t"),
              {{QStringLiteral("game_ends"), gameEnds}, {QStringLiteral("end_kind"), endKind}, {QStringLiteral("players"), players},
               {QStringLiteral("dora"), tileArray(m_wall->dora())}, {QStringLiteral("ura_dora"), QJsonArray()}});
    emit handInPlayChanged();
    if (gameEnds)
        endGame();
    dropAbsentPlayers();
    if (m_phase == Phase::Idle)
        return;
    // Play for a new game seats the player for it, in the seat's time to say ready.
    const int answerTime = gameEnds ? m_config.seatTime : ReadyTime;
    for (int i = 0; i < activeSeats(); ++i) {
        Seat &s = m_seats[i];
        s.ready = s.bot;
        if (s.isHuman())
            sendToSeat(i, QStringLiteral("are_you_ready_t"), {{QStringLiteral("span"), span(answerTime)}});
    }
    startTimer(answerTime);
}
