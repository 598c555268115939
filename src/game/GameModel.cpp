#include "game/GameModel.h"

#include "app/RulesetInfo.h"
#include "app/server_error.h"

#include <QDebug>

#include <algorithm>
#include <sstream>

namespace {

QString tilesText(const tile_vector &tiles)
{
    QStringList names;
    for (tile t : tiles)
        names.append(QString::fromStdString(tileToString(t)));
    return names.join(QStringLiteral(", "));
}

QString playerText(const PlayerData &player)
{
    std::ostringstream out;
    out << player;
    return QString::fromStdString(out.str());
}

// The hand without the given tiles; a tile the hand does not hold means the
// server and the client disagree about the hand.
tile_vector withoutTiles(tile_vector hand, const tile_vector &tiles)
{
    for (tile t : tiles) {
        const auto it = std::find(hand.begin(), hand.end(), t);
        if (it == hand.end())
            throw server_error("to_erase != t1.end()");
        hand.erase(it);
    }
    return hand;
}

tile nextTile(tile t, int step)
{
    return tile(static_cast<std::uint8_t>(t.code() + step));
}

// Tiles of the own hand that go into a meld of this kind.
tile_vector meldTilesFromHand(const meld_tuple &m)
{
    switch (m.kind) {
    case CHOW:
        return {m.baseTile, nextTile(m.baseTile, 1), nextTile(m.baseTile, 2)};
    case PONG:
        return tile_vector(3, m.baseTile);
    case KONG:
        return tile_vector(4, m.baseTile);
    case PONG_TO_KONG:
        return tile_vector(1, m.baseTile);
    default:
        return {};
    }
}

int hiddenTilesOfMeld(int kind)
{
    switch (kind) {
    case CHOW:
    case PONG:
        return 3;
    case PONG_TO_KONG:
        return 1;
    case KONG:
        return 4;
    default:
        return 0;
    }
}

bool isHandInPlayState(int serverState)
{
    return serverState >= 1 && serverState <= 6;
}

bool isHandOverState(int serverState)
{
    return serverState == 7 || serverState == 8;
}

} // namespace

GameModel::GameModel(qint32 tableId, const TableInfo &tableInfo, qint32 ownPlayerId,
                     const QString &ownPlayerName, QObject *parent)
    : QObject(parent), m_tableId(tableId), m_ownPlayerId(ownPlayerId),
      m_ownPlayerName(ownPlayerName), m_tableInfo(tableInfo)
{
    m_liveTiles = m_tableInfo.liveWallSize();
    m_deadWallTiles = m_tableInfo.deadWallSize();
    reset();
}

const char *GameModel::playerStateName(int state)
{
    static const char *const names[] = {"NO_PLAYER_STATE", "WATCHING", "SEAT_OFFERED", "WAITING",
                                        "PLAYING",         "SCORING",  "KICKED"};
    if (state < 0 || state >= static_cast<int>(std::size(names)))
        return "<undefined>";
    return names[state];
}

void GameModel::drawFromWall(int ruleset, int count, bool replacement, qint32 &liveTiles,
                             qint32 &deadWallTiles, qint32 &deadWallTilesDealt)
{
    if (!replacement) {
        liveTiles -= count;
        return;
    }
    switch (ruleset) {
    case RulesetInfo::CLASSIC:
    case RulesetInfo::HONG_KONG: {
        // The dead wall is topped up from the live wall two tiles at a time.
        const int size = RulesetInfoInstance(ruleset).deadWallSize();
        for (int i = 0; i < count; ++i) {
            deadWallTiles -= 1;
            if (deadWallTiles <= size - 2 && liveTiles >= 2) {
                liveTiles -= 2;
                deadWallTiles += 2;
            }
        }
        break;
    }
    case RulesetInfo::MCR:
        liveTiles -= count;
        break;
    case RulesetInfo::EMA_RIICHI:
    case RulesetInfo::JAPANESE_RIICHI:
    case RulesetInfo::KANSAI_RIICHI:
        for (int i = 0; i < count; ++i) {
            if (liveTiles >= 1)
                liveTiles -= 1;
            else
                deadWallTiles -= 1;
        }
        break;
    default:
        break;
    }
    deadWallTilesDealt += count;
}

const PlayerData &GameModel::player(qint32 id) const
{
    const auto it = m_players.find(id);
    if (it == m_players.end())
        throw server_error("unknown player " + std::to_string(id));
    return it->second;
}

PlayerData &GameModel::playerRecord(qint32 id)
{
    return const_cast<PlayerData &>(std::as_const(*this).player(id));
}

const PlayerData *GameModel::findPlayer(qint32 id) const
{
    const auto it = m_players.find(id);
    return it == m_players.end() ? nullptr : &it->second;
}

const PlayerData *GameModel::ownPlayer() const
{
    return findPlayer(m_ownPlayerId);
}

const PlayerData *GameModel::playerByWind(int wind) const
{
    for (const auto &entry : m_players) {
        if (entry.second.wind() == wind)
            return &entry.second;
    }
    return nullptr;
}

bool GameModel::isSeatAnnounced(qint32 id) const
{
    const PlayerData *p = findPlayer(id);
    return p && p->readyAnnounced();
}

bool GameModel::isOwnSeatAnnounced() const
{
    return isSeatAnnounced(m_ownPlayerId);
}

std::vector<qint32> GameModel::seatedPlayerIds() const
{
    std::vector<qint32> ids;
    for (const auto &entry : m_players) {
        if (entry.second.readyAnnounced())
            ids.push_back(entry.first);
    }
    return ids;
}

int GameModel::seatsRemaining() const
{
    const auto ready = std::count_if(m_players.begin(), m_players.end(),
                                     [](const auto &entry) { return entry.second.isReady(); });
    return m_tableInfo.capacity().seats() - static_cast<int>(ready);
}

bool GameModel::isSeated() const
{
    return m_playerState == SEAT_OFFERED || m_playerState == WAITING || m_playerState == PLAYING
           || m_playerState == SCORING;
}

// Only the seated player's own tiles are known; the others', and the own seat's while the
// player watches it after leaving, are hidden tiles.
bool GameModel::handKnown(qint32 playerId) const
{
    return playerId == m_ownPlayerId && isSeated();
}

std::pair<qint32, TimeSpan> GameModel::actingPlayer() const
{
    if (m_gameState == HAND_IN_PLAY && m_actingPlayer != -1)
        return {m_actingPlayer, m_actTime};
    return {-1, TimeSpan()};
}

int GameModel::riichiSticks() const
{
    const auto declared =
        std::count_if(m_players.begin(), m_players.end(),
                      [](const auto &entry) { return entry.second.riichiDiscardIndex() != -1; });
    return m_riichiSticksCarried + static_cast<int>(declared);
}

void GameModel::reset()
{
    m_liveTiles = m_tableInfo.liveWallSize();
    m_deadWallTiles = m_tableInfo.deadWallSize();
    m_doraTiles.clear();
    m_deadWallPosition = 4;
    m_lastDiscarderId = -1;
    m_claimMark = 0;
    m_turnPlayerId = -1;
    m_dealing = false;
    m_actingPlayer = -1;
    m_actTime = TimeSpan();
    m_gameState = NOTHING_KNOWN;
    m_players.clear();
    m_delayedRemovals.clear();
    m_handId = -1;
    m_riichiSticksCarried = 0;
    m_counterSticks = 0;
    emit modelReset();
}

void GameModel::setPlayerState(player_state_t state)
{
    if (state == m_playerState)
        return;
    qDebug() << "changing player state on table" << m_tableId << "from"
             << playerStateName(m_playerState) << "to" << playerStateName(state);
    m_playerState = state;
    emit playerStateChanged(state);
    updateJoinable();
}

void GameModel::updateJoinable()
{
    bool joinable = false;
    if (!isSeated()) {
        joinable = m_gameState != HAND_IN_PLAY
                   && static_cast<int>(m_players.size()) != m_tableInfo.capacity().seats()
                   && m_tableInfo.storedGameType() != TableInfo::TOURNAMENT;
    }
    if (joinable != m_joinable) {
        m_joinable = joinable;
        emit joinableChanged(joinable);
    }
}

void GameModel::setGameState(int state)
{
    m_gameState = state;
    if (state != HAND_IN_PLAY)
        eraseDelayedRemovals();
    emit gameStateChanged();
    updateJoinable();
}

void GameModel::storeHandInPlay()
{
    m_gameState = HAND_IN_PLAY;
    emit gameStateChanged();
    updateJoinable();
}

void GameModel::removePlayer(qint32 id)
{
    const auto it = m_players.find(id);
    if (it == m_players.end())
        return;
    if (it->second.readyAnnounced())
        emit playerUnseated(id, m_tableId);
    m_players.erase(it);
    forgetLastDiscarder(id);
    if (id == m_ownPlayerId)
        setPlayerState(NO_PLAYER_STATE);
    emit playerLeft(id);
}

void GameModel::eraseDelayedRemovals()
{
    if (m_delayedRemovals.empty())
        return;
    const std::set<qint32> leaving = std::move(m_delayedRemovals);
    m_delayedRemovals.clear();
    for (qint32 id : leaving)
        removePlayer(id);
    emit seatsRemainingChanged(seatsRemaining());
}

void GameModel::forgetLastDiscarder(qint32 id)
{
    if (m_lastDiscarderId == id)
        m_lastDiscarderId = -1;
}

void GameModel::setWallState(qint32 liveTiles, qint32 deadWallTiles, qint32 deadWallPosition,
                             qint32 deadWallTilesDealt, const tile_vector &dora)
{
    qDebug() << "dora: set dora tiles -" << tilesText(dora);
    const qint32 ring = 4 * m_tableInfo.wallStackLength();
    m_liveTiles = liveTiles;
    m_deadWallTiles = deadWallTiles;
    m_deadWallPosition = ring > 0 ? ((deadWallPosition % ring) + ring) % ring : 0;
    m_deadWallTilesDealt = deadWallTilesDealt;
    clampWallCounts();
    m_doraTiles = dora;
    emit wallStateChanged();
}

void GameModel::refuse(const char *kind, const QString &text)
{
    m_refusals.warn(QStringLiteral("table %1 %2").arg(QString::number(m_tableId), QLatin1String(kind)), text);
}

bool GameModel::canDraw(const PlayerData &player, qint64 held, qint64 drawn)
{
    if (drawn >= 0 && held + drawn <= PlayerData::MaxConcealedTiles)
        return true;
    refuse("refused a draw", QStringLiteral("table %1 refused a draw of %2 tiles for player %3 who holds %4 concealed")
                                 .arg(QString::number(m_tableId), QString::number(drawn),
                                      QString::number(player.id()), QString::number(held)));
    return false;
}

bool GameModel::canDeclare(const PlayerData &player, meld kind, std::size_t count)
{
    MeldTally tally(player.melds());
    tally.add(kind, count);
    const std::string excess = tally.excess();
    if (excess.empty())
        return true;
    refuse("refused a meld", QStringLiteral("table %1 refused %2 %3 for player %4 who would show %5")
                                 .arg(QString::number(m_tableId), QString::number(count),
                                      QLatin1String(meldName(kind)), QString::number(player.id()),
                                      QString::fromStdString(excess)));
    return false;
}

void GameModel::changeHiddenTiles(PlayerData &player, qint64 change)
{
    const qint64 count = player.hiddenTileCount() + change;
    const qint64 kept = std::clamp<qint64>(count, 0, PlayerData::MaxConcealedTiles);
    if (kept != count)
        refuse("kept a concealed tile count",
               QStringLiteral("table %1 player %2 would hold %3 concealed tiles, kept at %4")
                   .arg(QString::number(m_tableId), QString::number(player.id()), QString::number(count),
                        QString::number(kept)));
    player.setHiddenTileCount(static_cast<qint32>(kept));
}

void GameModel::clampWallCounts()
{
    // The wall views index their stacks with these: keep them inside the wall,
    // whatever the server sends or however many draws it announces.
    const qint32 wallTiles = m_tableInfo.wallTileCount();
    m_liveTiles = std::clamp(m_liveTiles, 0, wallTiles);
    m_deadWallTiles = std::clamp(m_deadWallTiles, 0, wallTiles);
    m_deadWallTilesDealt = std::clamp(m_deadWallTilesDealt, 0, wallTiles);
}

void GameModel::takeTableState(const TableState &state)
{
    m_referencePlayerId = state.referencePlayer;
    m_prevalentWind = state.prevalentWind;
    m_tableState3 = state.thirdValue;
    m_riichiSticksCarried = state.riichiSticks;
    m_counterSticks = state.counterSticks;
}

void GameModel::addPlayer(const PlayerData &player)
{
    const auto it = m_players.find(player.id());
    if (it == m_players.end()) {
        m_players.emplace(player.id(), player);
        return;
    }
    if (!m_delayedRemovals.erase(player.id()))
        refuse("refused a player added twice",
               QStringLiteral("addPlayer called for already added player ") + playerText(player));
    it->second = player;
}

void GameModel::onPlayerJoined(const PlayerData &player)
{
    if (m_gameState == HAND_IN_PLAY) {
        qDebug() << "won't handle player join when in play";
        return;
    }
    addPlayer(player);
    emit playerJoined(player);
}

void GameModel::onPlayerLeft(qint32 playerId)
{
    if (!m_players.count(playerId) || m_delayedRemovals.count(playerId)) {
        refuse("refused the leave of an unknown player",
               QStringLiteral("onPlayerLeft() called for non-existing player: %1").arg(playerId));
        return;
    }
    if (m_gameState == HAND_IN_PLAY) {
        qDebug() << "player" << playerId << "moved to delayed remove";
        m_delayedRemovals.insert(playerId);
        return;
    }
    removePlayer(playerId);
    emit seatsRemainingChanged(seatsRemaining());
}

void GameModel::onStartHand(qint64 handId, const Seating &seating,
                            const round_score_vector &scores, bool flag,
                            const TableState &tableState, const WallState &wallState)
{
    m_handId = handId;
    takeTableState(tableState);
    m_inPlay = true;
    m_lastDiscarderId = -1;
    // A claim that no meld followed (a win on the discard) ends with its hand.
    m_claimMark = 0;
    m_turnPlayerId = -1;
    m_dealing = true;
    for (auto &entry : m_players)
        entry.second.resetForNewHand();
    for (int w = 0; w < 4; ++w) {
        const auto it = m_players.find(seating.players[w]);
        if (it != m_players.end())
            it->second.setWind(w);
    }
    for (const round_score &row : scores) {
        const auto it = m_players.find(row.player);
        if (it != m_players.end()) {
            it->second.setScore(row.gameScore);
            it->second.setRoundScore(row.roundScore);
        }
    }

    qDebug() << "startHand: doras pre setWallState -" << tilesText(wallState.dora);
    setWallState(m_tableInfo.liveWallSize(), m_tableInfo.deadWallSize(),
                 wallState.deadWallPosition, 0, wallState.dora);
    qDebug() << "startHand: doras post setWallState -" << tilesText(wallState.dora);

    storeHandInPlay();
    const auto own = m_players.find(m_ownPlayerId);
    if (own != m_players.end() && own->second.readyAnnounced()) {
        own->second.setFuriten(false);
        setPlayerState(PLAYING);
    }
    emit startHand(flag);
}

void GameModel::onScoreUpdate(qint32 playerId, qint32 score)
{
    playerRecord(playerId).setScore(score);
}

void GameModel::onTileClaimed(qint32 playerId)
{
    const auto discarder = m_players.find(m_lastDiscarderId);
    if (discarder == m_players.end())
        return;
    PlayerData &claimer = playerRecord(playerId);
    const qint32 discarderId = m_lastDiscarderId;
    discarder->second.removeLastDiscard();
    m_claimMark = 1;
    m_turnPlayerId = -1;
    if (handKnown(playerId)) {
        claimer.addClaimedTile(m_lastDiscard);
    } else {
        changeHiddenTiles(claimer, 1);
    }
    emit tileClaimed(discarderId, playerId);
}

void GameModel::onTileDiscarded(qint32 playerId, tile t, bool riichi)
{
    PlayerData &p = playerRecord(playerId);
    if (p.discards().size() >= std::size_t(PlayerData::MaxDiscards)) {
        refuse("refused a discard", QStringLiteral("table %1 refused a discard of player %2 whose pond holds %3 tiles")
                                        .arg(QString::number(m_tableId), QString::number(playerId),
                                             QString::number(p.discards().size())));
        return;
    }
    // Checked before anything changes, so a refused discard leaves the model whole.
    const bool known = handKnown(playerId);
    const tile_vector hand = known ? withoutTiles(p.hand(), {t}) : tile_vector();
    m_lastDiscarderId = playerId;
    m_lastDiscard = t;
    m_claimMark = 0;
    m_turnPlayerId = -1;
    p.addDiscard(t, riichi);
    if (known)
        p.setHand(hand);
    else
        changeHiddenTiles(p, -1);
    emit tileDiscarded(playerId, t, riichi);
}

void GameModel::onHiddenTilesFromWall(qint32 playerId, qint32 count, bool replacement)
{
    if (handKnown(playerId))
        return;
    PlayerData &p = playerRecord(playerId);
    if (!canDraw(p, p.hiddenTileCount(), count))
        return;
    changeHiddenTiles(p, count);
    m_turnPlayerId = playerId;
    endDealAt(count, replacement);
    drawFromWall(m_tableInfo.ruleset(), count, replacement, m_liveTiles, m_deadWallTiles,
                 m_deadWallTilesDealt);
    clampWallCounts();
    emit hiddenTilesFromWall(playerId, count, replacement);
}

void GameModel::endDealAt(qint64 count, bool replacement)
{
    if (!replacement && count != DealtTiles)
        m_dealing = false;
}

void GameModel::onMeldDeclared(qint32 playerId, const meld_tuple &m)
{
    PlayerData &p = playerRecord(playerId);
    if (m.kind != PONG_TO_KONG && !canDeclare(p, m.kind, 1))
        return;
    const bool known = handKnown(playerId);
    const tile_vector hand = known ? withoutTiles(p.hand(), meldTilesFromHand(m)) : tile_vector();

    meld_tuple declared = m;
    if (m_claimMark == 1 && m_lastDiscarderId != -1) {
        declared.claimedFrom = m_lastDiscarderId;
        declared.claimedOffset =
            static_cast<std::uint8_t>(m_lastDiscard.code() - declared.baseTile.code());
        m_lastDiscarderId = -1;
        m_claimMark = 2;
    } else {
        declared.claimedFrom = -1;
    }

    if (declared.kind == PONG_TO_KONG) {
        meld_tuple_vector melds = p.melds();
        const auto pong = std::find_if(melds.begin(), melds.end(), [&](const meld_tuple &x) {
            return x.kind == PONG && x.baseTile == declared.baseTile;
        });
        if (pong != melds.end())
            pong->kind = KONG;
        else
            refuse("refused a pong to kong without a pong",
                   QStringLiteral("pong to kong without a pong of ")
                       + QString::fromStdString(tileToString(declared.baseTile)));
        p.setMelds(melds);
    } else {
        p.declareMeld(declared);
    }

    if (known)
        p.setHand(hand);
    else
        changeHiddenTiles(p, -hiddenTilesOfMeld(declared.kind));
    emit meldDeclared(playerId, declared);
}

void GameModel::onTilesFromWall(const tile_vector &tiles, bool replacement)
{
    PlayerData &own = playerRecord(m_ownPlayerId);
    if (!canDraw(own, qint64(own.hand().size()), qint64(tiles.size())))
        return;
    endDealAt(qint64(tiles.size()), replacement);
    if (m_dealing)
        own.addDealtTiles(tiles);
    else
        own.addTilesFromWall(tiles);
    m_turnPlayerId = m_ownPlayerId;
    drawFromWall(m_tableInfo.ruleset(), static_cast<int>(tiles.size()), replacement, m_liveTiles,
                 m_deadWallTiles, m_deadWallTilesDealt);
    clampWallCounts();
    emit tilesFromWall(m_ownPlayerId, tiles, replacement);
}

void GameModel::onDeclareBonus(qint32 playerId, const tile_vector &tiles)
{
    PlayerData &p = playerRecord(playerId);
    if (!canDeclare(p, BONUS, tiles.size()))
        return;
    if (handKnown(playerId))
        p.setHand(withoutTiles(p.hand(), tiles));
    else
        changeHiddenTiles(p, -qint64(tiles.size()));
    for (tile t : tiles)
        p.declareMeld(meld_tuple(BONUS, 0, t, -1, meld_tuple::NoOffset));
    emit bonusDeclared(playerId, tiles);
}

void GameModel::onPlayerShouldAct(qint32 playerId, const TimeSpan &time)
{
    m_actingPlayer = playerId;
    m_actTime = time;
    if (playerId != -1)
        m_turnPlayerId = playerId;
    emit playerShouldAct(playerId, m_actTime);
}

void GameModel::onWaitingFor(WaitCondition::enum_t condition, const TimeSpan &time,
                             const std::vector<qint32> &players)
{
    emit waitingFor(condition, time, players);
}

void GameModel::onWaitingOver()
{
    emit waitingOver();
}

void GameModel::onPrivatePlayerData(const PrivatePlayerData &data)
{
    PlayerData &own = playerRecord(m_ownPlayerId);
    own.setHand(data.concealed);
    own.setActive(data.active);
    own.setFuriten(data.furiten);
    emit privatePlayerData(data);
}

void GameModel::onKanDora(tile t)
{
    if (m_doraTiles.size() >= std::size_t(WallState::MaxDoraIndicators)) {
        refuse("refused a kan dora", QStringLiteral("table %1 refused a kan dora beyond %2 indicators")
                                         .arg(QString::number(m_tableId), QString::number(m_doraTiles.size())));
        return;
    }
    qDebug() << "dora: add kan dora -" << tileToString(t).c_str();
    m_doraTiles.push_back(t);
    emit kanDora(t);
}

void GameModel::onFuritenChanged(bool furiten)
{
    playerRecord(m_ownPlayerId).setFuriten(furiten);
    emit furitenChanged(furiten);
}

void GameModel::onActiveChanged(bool active)
{
    playerRecord(m_ownPlayerId).setActive(active);
    emit activeChanged(active);
}

void GameModel::onHandEnd(const EndHand &result)
{
    m_inPlay = !result.gameEnds;
    if (isOwnSeatAnnounced())
        setPlayerState(SCORING);
    // The rows are applied before the players who left during the hand are
    // erased; a row of a player the model does not know is skipped.
    for (const auto &row : result.players) {
        const auto it = m_players.find(row.first);
        if (it == m_players.end()) {
            refuse("refused a hand end row of an unknown player",
                   QStringLiteral("hand end for unknown player %1").arg(row.first));
            continue;
        }
        it->second.setScore(row.second.currentScore);
        if (row.second.result == EndHandPlayer::Won)
            it->second.setRoundScore(it->second.roundScore() + 1);
    }
    setGameState(HAND_OVER);
    emit handEnd(result);
}

void GameModel::onEndOfTournamentRound(bool flag, const TournamentRoundScores &scores)
{
    if (isOwnSeatAnnounced())
        setPlayerState(SCORING);
    setGameState(ROUND_OVER);
    emit endOfTournamentRound(flag, scores);
}

void GameModel::onTournamentRankings(const TournamentRankings &rankings)
{
    emit tournamentRankings(rankings);
}

void GameModel::onTableInfo(const TableInfo &info)
{
    m_tableInfo = info;
    emit tableInfo(m_tableInfo);
    updateJoinable();
}

void GameModel::onTableInfo(int seatedPlayers, const TableInfoUpdates &updates)
{
    TableCapacity capacity = m_tableInfo.capacity();
    capacity.setPlayers(seatedPlayers);
    m_tableInfo.setCapacity(capacity);
    m_tableInfo.applyUpdates(updates);
    emit tableInfo(m_tableInfo);
    updateJoinable();
}

void GameModel::onTournamentInfo(const TournamentInfo &info)
{
    const TournamentInfo::status_t oldStatus = m_tournamentInfo.status();
    m_tournamentInfo = info;
    emit tournamentInfo(m_tournamentInfo);
    const TournamentInfo::status_t status = m_tournamentInfo.status();
    if (m_playerState == WATCHING && oldStatus == TournamentInfo::Playing
        && (status == TournamentInfo::Paused || status == TournamentInfo::Done)) {
        setGameState(ROUND_OVER);
        emit tournamentRoundEnded(m_tableId);
    }
}

void GameModel::onGameData(qint64 handId, server_game_state::enum_t state,
                           const std::vector<PlayerData> &players, const TableState &tableState,
                           const WallState &wallState)
{
    const int serverState = static_cast<int>(state);
    reset();
    m_handId = handId;
    takeTableState(tableState);
    emit tableInfo(m_tableInfo);
    emit tournamentInfo(m_tournamentInfo);

    std::vector<PlayerData> records = players;
    const bool ownKnown = std::any_of(records.begin(), records.end(), [this](const PlayerData &p) {
        return p.id() == m_ownPlayerId;
    });
    if (m_justJoined && !ownKnown)
        records.emplace_back(m_ownPlayerId, m_ownPlayerName);
    for (const PlayerData &record : records)
        addPlayer(record);

    if (serverState == 0) {
        m_inPlay = false;
    } else if (isHandInPlayState(serverState)) {
        m_inPlay = true;
        if (tableState.lastDiscarder != -1) {
            const PlayerData *discarder = findPlayer(tableState.lastDiscarder);
            if (discarder && !discarder->discards().empty()) {
                m_lastDiscarderId = discarder->id();
                m_lastDiscard = discarder->discards().back();
                m_claimMark = 0;
            } else {
                refuse("refused a last discarder without discards",
                       QStringLiteral("last discarder %1 has no discards").arg(tableState.lastDiscarder));
            }
        }
    } else if (isHandOverState(serverState)) {
        m_inPlay = true;
    }

    const int gameType = m_tableInfo.storedGameType();
    const bool announceAll = gameType == TableInfo::TOURNAMENT
                             || ((gameType == TableInfo::SINGLE_HAND
                                  || gameType == TableInfo::FULL_GAME)
                                 && serverState >= 1 && serverState <= 8);
    const bool announceReady = (gameType == TableInfo::SINGLE_HAND
                                || gameType == TableInfo::FULL_GAME)
                               && serverState == 0;
    for (auto &entry : m_players) {
        PlayerData &p = entry.second;
        if (p.readyAnnounced() || !(announceAll || (announceReady && p.isReady())))
            continue;
        p.setReadyAnnounced(true);
        emit playerSeated(entry.first, m_tableId, true);
    }

    // The own seat first: the window rebuilds on the game state and must find the
    // player who rejoins a hand in play seated, not watching.
    if (m_justJoined) {
        m_justJoined = false;
        if (serverState == 0) {
            setPlayerState(isOwnSeatAnnounced() ? WAITING : SEAT_OFFERED);
        } else if (isHandInPlayState(serverState) || isHandOverState(serverState)) {
            // Back in a hand, the seat is the player's whatever the game type announces:
            // the hand's end and the ready question then find the player seated.
            PlayerData &own = playerRecord(m_ownPlayerId);
            if (!own.readyAnnounced()) {
                own.setReadyAnnounced(true);
                emit playerSeated(m_ownPlayerId, m_tableId, true);
            }
            setPlayerState(isHandInPlayState(serverState) ? PLAYING : SCORING);
        }
    }

    if (serverState == 0)
        setGameState(BETWEEN_HANDS);
    else if (isHandInPlayState(serverState))
        storeHandInPlay();
    else if (isHandOverState(serverState))
        setGameState(HAND_OVER);

    setWallState(wallState.liveTiles, wallState.deadWallTiles, wallState.deadWallPosition,
                 wallState.deadWallTilesDealt, wallState.dora);
}

void GameModel::onAreYouReady(const TimeSpan &time)
{
    if (m_playerState == SEAT_OFFERED || m_playerState == SCORING) {
        emit areYouReady(time, m_playerState == SEAT_OFFERED);
        return;
    }
    refuse("refused 'are you ready'", QStringLiteral("Got 'are you ready' in state: %1")
                                          .arg(QLatin1String(playerStateName(m_playerState))));
}

void GameModel::onWatching(bool watching)
{
    m_watchingByChoice = watching;
    setPlayerState(WATCHING);
}

void GameModel::onPlayerIsReady(qint32 playerId)
{
    PlayerData &p = playerRecord(playerId);
    const bool own = playerId == m_ownPlayerId;
    if (own && m_playerState != SEAT_OFFERED && m_playerState != SCORING) {
        refuse("refused 'player is ready'", QStringLiteral("Got 'player is ready' in state: %1")
                                                .arg(QLatin1String(playerStateName(m_playerState))));
        return;
    }
    p.setReady(true);
    if (!p.readyAnnounced()) {
        p.setReadyAnnounced(true);
        emit playerSeated(playerId, m_tableId, false);
    }
    if (own)
        setPlayerState(WAITING);
    emit playerIsReady(playerId);
    emit seatsRemainingChanged(seatsRemaining());
}

void GameModel::onPlayerKicked(kick_reason::enum_t reason)
{
    onPlayerLeft(m_ownPlayerId);
    m_kickReason = reason;
    setPlayerState(KICKED);
}

void GameModel::onTableRemoved()
{
    setGameState(TABLE_REMOVED);
}
