#include "game/GameController.h"

#include "app/RulesetInfo.h"
#include "app/Utils.h"
#include "app/server_error.h"
#include "connection/ConnectionManager.h"
#include "connection/PlayerDb.h"
#include "game/GameModel.h"
#include "game/GameWindow.h"
#include "game/TournamentLookup.h"
#include "lobby/TableModel.h"
#include "lobby/TournamentsLobbyModel.h"

#include <QDebug>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

#include <exception>

GameController::GameController(ConnectionManager *connectionManager,
                               const TableWindowServices &services, TournamentLookup *tournaments,
                               QObject *parent)
    : QObject(parent)
    , m_ownPlayerName(Utils::ellipsisText())
    , m_connection(connectionManager)
    , m_services(services)
    , m_tournaments(tournaments)
{
    using CM = ConnectionManager;
    using GC = GameController;
    ConnectionManager *cm = m_connection;
    connect(cm, &CM::watchSuccessful, this, &GC::watchSuccessful);
    connect(cm, &CM::unwatchSuccessful, this, &GC::unwatchSuccessful);
    connect(cm, &CM::gameData, this, &GC::onGameData);
    connect(cm, &CM::privatePlayerData, this, &GC::onPrivatePlayerData);
    connect(cm, &CM::tileDiscarded, this, &GC::tileDiscarded);
    connect(cm, &CM::riichiDeclared, this, &GC::riichiDeclared);
    connect(cm, &CM::tileClaimed, this, &GC::tileClaimed);
    connect(cm, &CM::hiddenTilesFromWall, this, &GC::hiddenTilesFromWall);
    connect(cm, &CM::meldDeclared, this, &GC::meldDeclared);
    connect(cm, &CM::joinSuccessful, this, &GC::onJoinSuccessful);
    connect(cm, &CM::joinFailed, this, &GC::onJoinFailed);
    connect(cm, &CM::leaveSuccessful, this, &GC::leaveSuccessful);
    connect(cm, &CM::leaveFailed, this, &GC::leaveFailed);
    connect(cm, &CM::playerJoined, this, &GC::playerJoined);
    connect(cm, &CM::startHand, this, &GC::startHand);
    connect(cm, &CM::tilesFromWall, this, &GC::tilesFromWall);
    connect(cm, &CM::kanDora, this, &GC::kanDora);
    connect(cm, &CM::meldSuggestion, this, &GC::meldSuggestion);
    connect(cm, &CM::concealedMeldSuggestion, this, &GC::concealedMeldSuggestion);
    connect(cm, &CM::robTheKongSuggestion, this, &GC::robTheKongSuggestion);
    connect(cm, &CM::replacementMeldSuggestion, this, &GC::replacementMeldSuggestion);
    connect(cm, &CM::playerShouldAct, this, &GC::playerShouldAct);
    connect(cm, &CM::waitingFor, this, &GC::waitingFor);
    connect(cm, &CM::waitingOver, this, &GC::waitingOver);
    connect(cm, &CM::declareBonus, this, &GC::declareBonus);
    connect(cm, &CM::handEnd, this, &GC::handEnd);
    connect(cm, &CM::endOfRound, this, &GC::endOfRound);
    connect(cm, &CM::areYouReady, this, &GC::areYouReady);
    connect(cm, &CM::timeoutOccured, this, &GC::timeoutOccured);
    connect(cm, &CM::kickPlayer, this, &GC::onKickPlayer);
    connect(cm, &CM::tableRemoved, this, &GC::onTableRemoved);
    connect(cm, &CM::someoneDeclaredMahjong, this, &GC::someoneDeclaredMahjong);
    connect(cm, &CM::playerLeft, this, &GC::onPlayerLeft);
    connect(cm, &CM::playerIsReady, this, &GC::playerIsReady);
    connect(cm, &CM::furitenChanged, this, &GC::furitenChanged);
    connect(cm, &CM::activeChanged, this, &GC::activeChanged);
    connect(cm, &CM::someoneDeclaredMeld, this, &GC::someoneDeclaredMeld);
    connect(cm, &CM::tournamentSeated, this, qOverload<qint32, qint32>(&GC::onTournamentSeated));
    connect(cm, qOverload<const TableInfo &>(&CM::tableInfoUpdate), this,
            qOverload<const TableInfo &>(&GC::onTableInfo));
    connect(cm, qOverload<const qint32, const int, const TableInfoUpdates &>(&CM::tableInfoUpdate),
            this, qOverload<qint32, int, const TableInfoUpdates &>(&GC::onTableInfo));
    connect(cm, &CM::endOfTournamentRound, this, &GC::endOfTournamentRound);
    connect(cm, &CM::tournamentRankings, this, &GC::tournamentRankings);
    connect(cm, &CM::tournamentPickedUp, this, &GC::tournamentPickedUp);
    if (m_tournaments) {
        connect(m_tournaments, &TournamentLookup::tournamentInfoUpdated, this, &GC::onTournamentUpdate);
        connect(m_tournaments, &TournamentLookup::tournamentAdded, this, &GC::onTournamentAdded);
    }
    if (m_services.players)
        connect(m_services.players, &PlayerDb::playerPictureUpdate, this, &GC::playerPictureUpdate);
}

// The subscriptions of the tables still open, and of tournament seats still waiting for
// their join, go back to the table list, which outlives the controller in the client.
// The models of those tables go with the controller; a window still open holds its model
// through a guarded pointer, and the window's owner deletes it.
GameController::~GameController()
{
    if (m_tableModel) {
        for (const auto &table : m_tables) {
            if (table.second.model)
                m_tableModel->unsubscribe(table.second.model->tableInfo().lobbyPath());
        }
        for (const auto &seat : m_tournamentSeats)
            m_tableModel->unsubscribe(tournamentLobbyPath(seat.second.tournamentId));
    }
    for (const auto &table : m_tables)
        delete table.second.model;
}

void GameController::setTableModel(TableModel *model)
{
    m_tableModel = model;
}

// ---- entries -------------------------------------------------------------------------------

bool GameController::hasTable(qint32 tableId) const
{
    return m_tables.count(tableId) != 0;
}

GameController::TableEntry &GameController::entry(qint32 tableId)
{
    auto it = m_tables.find(tableId);
    if (it == m_tables.end())
        throw server_error("non-existant table " + std::to_string(tableId) + " referenced");
    return it->second;
}

const GameController::TableEntry &GameController::entry(qint32 tableId) const
{
    return const_cast<GameController *>(this)->entry(tableId);
}

GameModel *GameController::gameModel(qint32 tableId) const
{
    return entry(tableId).model;
}

bool GameController::isTournamentTable(const TableInfo &info) const
{
    return info.storedGameType() == TableInfo::TOURNAMENT;
}

bool GameController::tableUsable(qint32 tableId) const
{
    if (!m_tableModel || !m_tableModel->hasTable(tableId))
        return false;
    const TableInfo &info = m_tableModel->tableInfo(tableId);
    if (!isTournamentTable(info))
        return true;
    return m_tournaments && m_tournaments->hasTournament(info.mttId());
}

bool GameController::tableInfoAvailable(qint32 tableId) const
{
    return tableUsable(tableId);
}

template <typename Work>
void GameController::guarded(qint32 tableId, const char *what, Work &&work)
{
    try {
        work();
    } catch (const std::exception &e) {
        const QString failed = QStringLiteral("Table %1: %2 failed").arg(QString::number(tableId), QLatin1String(what));
        m_failures.warn(failed, QStringLiteral("%1: %2").arg(failed, QString::fromStdString(e.what())));
        scheduleRebuild(tableId);
    }
}

void GameController::scheduleRebuild(qint32 tableId)
{
    if (!m_rebuildsDue.insert(tableId).second)
        return;
    QTimer::singleShot(0, this, [this, tableId] {
        m_rebuildsDue.erase(tableId);
        rebuildWindow(tableId);
    });
}

void GameController::rebuildWindow(qint32 tableId)
{
    auto it = m_tables.find(tableId);
    if (it == m_tables.end() || !it->second.window || !it->second.model)
        return;
    try {
        it->second.window->onGameStateChanged();
    } catch (const std::exception &e) {
        qWarning().noquote() << QStringLiteral("Table %1: rebuilding the window failed: %2")
                                    .arg(QString::number(tableId), QString::fromStdString(e.what()));
    }
}

// ---- create and destroy --------------------------------------------------------------------

void GameController::createTable(qint32 tableId, qint32 tournamentId)
{
    guarded(tableId, "createTable", [&] {
        TableEntry &e = m_tables[tableId];
        if (!e.model)
            createModel(tableId, e);
        if (tournamentId != -1 && m_tableModel)
            m_tableModel->unsubscribe(tournamentLobbyPath(tournamentId));
        const TableInfo &info = e.model->tableInfo();
        if (isTournamentTable(info) && m_tournaments && m_tournaments->hasTournament(info.mttId()))
            e.model->onTournamentInfo(m_tournaments->tournamentInfo(info.mttId()));
        if (!e.window)
            setupTable(tableId, e);
    });
}

void GameController::createModel(qint32 tableId, TableEntry &e)
{
    if (!m_tableModel || !m_tableModel->hasTable(tableId)) {
        m_tables.erase(tableId);
        throw server_error("no table info for table " + std::to_string(tableId));
    }
    const TableInfo info = m_tableModel->tableInfo(tableId);
    m_tableModel->subscribe(info.lobbyPath());
    e.model = new GameModel(tableId, info, m_ownPlayerId, m_ownPlayerName);
    emit gameModelCreated(e.model);
}

void GameController::setupTable(qint32 tableId, TableEntry &e)
{
    auto *parentWidget = qobject_cast<QWidget *>(parent());
    e.window = new GameWindow(e.model->tableInfo(), m_ownPlayerId, m_services, parentWidget);
    GameWindow *window = e.window;
    window->setCompactLayout(m_compactLayout);

    using GC = GameController;
    using GW = GameWindow;
    connect(window, &GW::tournamentScoreDialogClosed, this, &GC::onTournamentScoreDialogClosed);
    connect(window, &GW::clearTimeout, this, [this](qint32 table) { emit tableActivity(table); });
    connect(window, &GW::leave, this, &GC::onLeave);
    connect(window, &GW::reactivate, this, &GC::onReactivate);
    connect(window, &GW::join, this, &GC::onJoin);
    connect(window, &GW::ready, this, &GC::onReady);
    connect(window, &GW::playerAdded, this, &GC::onPlayerAdded);
    connect(window, qOverload<qint32, bool, const TimeSpan &>(&GW::tableActivity), this,
            &GC::tableActivity);
    connect(window, &GW::kickedConfirmed, this, &GC::onKickedConfirmed);
    connect(window, &GW::tableRemovedConfirmed, this, &GC::onTableRemovedConfirmed);
    connect(window, &GW::depositFunds, this, &GC::onDepositFunds);
    connect(window, &GW::invitePlayers, this, &GC::invitePlayers);
    connect(window, &GW::queryPlayersOnline, this, &GC::onQueryPlayersOnline);

    window->setModel(e.model);
    connectWindow(window, e.model);
    emit tableViewCreated(tableId, window);
}

void GameController::connectWindow(GameWindow *window, GameModel *model)
{
    using CM = ConnectionManager;
    using GW = GameWindow;
    using GM = GameModel;
    ConnectionManager *cm = m_connection;
    connect(window, &GW::discardTile, cm, &CM::discard_tile);
    connect(window, &GW::callPass, cm, &CM::call_pass);
    connect(window, &GW::callChow, cm, &CM::call_chow);
    connect(window, &GW::callPong, cm, &CM::call_pong);
    connect(window, &GW::callPongToKong, cm, &CM::call_pong_to_kong);
    connect(window, &GW::callKong, cm, &CM::call_kong);
    connect(window, &GW::callRiichi, cm, &CM::call_riichi);
    connect(window, &GW::callBonus, cm, &CM::call_bonus);
    connect(window, &GW::callMahjong, cm, &CM::call_mahjong);
    connect(cm, &CM::playersOnline, window, &GW::onPlayersOnline);

    connect(model, &GM::tournamentRoundEnded, this, &GameController::onTournamentRoundEnded,
            Qt::UniqueConnection);
}

GameWindow *GameController::gameWindow(qint32 tableId)
{
    TableEntry &e = entry(tableId);
    if (e.window)
        return e.window;
    setupTable(tableId, e);
    if (e.model->isOwnSeatAnnounced()) {
        const PlayerData *own = e.model->ownPlayer();
        PrivatePlayerData data;
        data.concealed = own->hand();
        data.active = own->isActive();
        data.furiten = own->isFuriten();
        e.model->onPrivatePlayerData(data);
        emit tableActiveChanged(tableId, data.active);
    }
    return e.window;
}

void GameController::destroyWindow(qint32 tableId)
{
    auto it = m_tables.find(tableId);
    if (it == m_tables.end() || !it->second.window)
        return;
    TableEntry &e = it->second;
    GameWindow *window = e.window;
    if (e.model)
        disconnect(e.model, nullptr, window, nullptr);
    disconnect(window, nullptr, nullptr, nullptr);
    disconnect(m_connection, nullptr, window, nullptr);
    emit tableViewAboutToBeDestroyed(tableId);
    window->setModel(nullptr);
    window->setParent(nullptr);
    window->deleteLater();
    e.window = nullptr;
    emit tableViewDestroyed(tableId);
}

void GameController::destroyModel(qint32 tableId)
{
    auto it = m_tables.find(tableId);
    if (it == m_tables.end())
        return;
    GameModel *model = it->second.model;
    m_tables.erase(it);
    if (!model)
        return;
    emit gameModelAboutToBeDestroyed(model);
    if (m_tableModel)
        m_tableModel->unsubscribe(model->tableInfo().lobbyPath());
    delete model;
}

void GameController::destroyTable(qint32 tableId)
{
    guarded(tableId, "destroyTable", [&] {
        if (!hasTable(tableId))
            return;
        destroyWindow(tableId);
        destroyModel(tableId);
    });
}

void GameController::onInPlayLeave(qint32 tableId)
{
    guarded(tableId, "onInPlayLeave", [&] { destroyWindow(tableId); });
}

void GameController::setCompactTableLayout(bool compact)
{
    if (compact == m_compactLayout)
        return;
    m_compactLayout = compact;
    for (auto &[id, table] : m_tables) {
        TableEntry &e = table; // lambdas capture this reference: C++17 lets them capture no binding
        if (e.window)
            guarded(id, "setCompactLayout", [&] { e.window->setCompactLayout(compact); });
    }
}

// ---- watch, join and leave -----------------------------------------------------------------

void GameController::watchSuccessful(qint32 tableId)
{
    guarded(tableId, "watchSuccessful", [&] {
        if (!tableUsable(tableId)) {
            m_connection->unwatch_table(tableId);
            emit tableUnavailableError(tableId, UsageReason::WatchRefused);
            return;
        }
        createTable(tableId);
        GameModel *model = entry(tableId).model;
        const bool watching = model->playerState() == GameModel::NO_PLAYER_STATE;
        model->onWatching(watching);
        emit tableWatched(tableId, watching);
    });
}

void GameController::unwatchSuccessful(qint32 tableId)
{
    guarded(tableId, "unwatchSuccessful", [&] {
        if (!hasTable(tableId))
            return;
        const TableEntry &e = entry(tableId);
        if (e.model && e.model->gameState() != GameModel::ROUND_OVER)
            destroyTable(tableId);
    });
}

void GameController::onJoinSuccessful(qint32 tableId)
{
    guarded(tableId, "onJoinSuccessful", [&] {
        qint32 tournamentId = -1;
        int seatValue = 0;
        auto seat = m_tournamentSeats.find(tableId);
        if (seat != m_tournamentSeats.end()) {
            tournamentId = seat->second.tournamentId;
            seatValue = seat->second.value;
            m_tournamentSeats.erase(seat);
        }
        if (!tableUsable(tableId)) {
            m_connection->leave_table(tableId);
            emit tableUnavailableError(tableId, UsageReason::JoinRefused);
            return;
        }
        createTable(tableId, tournamentId);
        TableEntry &e = entry(tableId);
        e.model->setJustJoined();
        e.pickedUp = false;
        if (tournamentId != -1)
            emit tournamentTableJoined(tournamentId, tableId, seatValue);
        else
            emit regularTableJoined(tableId);
    });
}

void GameController::onJoinFailed(qint32 tableId)
{
    guarded(tableId, "onJoinFailed", [&] {
        auto seat = m_tournamentSeats.find(tableId);
        if (seat != m_tournamentSeats.end()) {
            if (m_tableModel)
                m_tableModel->unsubscribe(tournamentLobbyPath(seat->second.tournamentId));
            m_tournamentSeats.erase(seat);
        }
        auto it = m_tables.find(tableId);
        if (it != m_tables.end() && it->second.window)
            it->second.window->updateWatchingWindow();
    });
}

void GameController::leaveSuccessful(qint32 tableId)
{
    destroyTable(tableId);
}

void GameController::leaveFailed(qint32 tableId, const QString &message)
{
    qWarning().noquote() << "Leave table failed:" << message;
    destroyTable(tableId);
}

void GameController::onLeave(qint32 tableId)
{
    guarded(tableId, "onLeave", [&] {
        GameModel *model = entry(tableId).model;
        const int state = model->gameState();
        const bool seated = model->isSeated();
        if (isTournamentTable(model->tableInfo())) {
            if (seated && state != GameModel::ROUND_OVER) {
                destroyWindow(tableId);
            } else if (!seated && state != GameModel::ROUND_OVER
                       && state != GameModel::TABLE_REMOVED) {
                m_connection->unwatch_table(tableId);
            } else {
                destroyWindow(tableId);
                destroyModel(tableId);
            }
            return;
        }
        if (seated)
            m_connection->leave_table(tableId);
        else
            m_connection->unwatch_table(tableId);
    });
}

void GameController::onReactivate(qint32 tableId)
{
    m_connection->reactivate_table(tableId);
}

void GameController::onJoin(qint32 tableId)
{
    m_connection->join_table(tableId, -1);
}

void GameController::onReady(qint32 tableId)
{
    m_connection->ready(tableId, m_ownPlayerId);
}

void GameController::onPlayerAdded(qint32 tableId, qint32 playerId)
{
    guarded(tableId, "onPlayerAdded", [&] {
        TableEntry &e = entry(tableId);
        if (e.window && m_services.players)
            e.window->setPlayerPicture(playerId, m_services.players->picture(playerId, true));
    });
}

void GameController::onKickedConfirmed(qint32 tableId)
{
    destroyTable(tableId);
}

void GameController::onTableRemovedConfirmed(qint32 tableId)
{
    destroyTable(tableId);
}

void GameController::onDepositFunds()
{
    emit depositFunds();
}

void GameController::onQueryPlayersOnline(qint32 tableId, int count,
                                          const std::vector<qint32> &players)
{
    guarded(tableId, "onQueryPlayersOnline", [&] {
        const int request = m_connection->query_players_online(count, players);
        TableEntry &e = entry(tableId);
        if (e.window)
            e.window->setPlayersOnlineQuery(request);
    });
}

void GameController::onKickPlayer(qint32 tableId, kick_reason::enum_t reason)
{
    guarded(tableId, "onKickPlayer", [&] {
        TableEntry &e = entry(tableId);
        if (e.window) {
            e.model->onPlayerKicked(reason);
            if (reason == 3)
                m_connection->watch_table(tableId);
        } else {
            destroyWindow(tableId);
            destroyModel(tableId);
        }
    });
}

void GameController::onTableRemoved(qint32 tableId)
{
    guarded(tableId, "onTableRemoved", [&] {
        auto it = m_tables.find(tableId);
        if (it == m_tables.end())
            return;
        TableEntry &e = it->second;
        if (!e.window) {
            destroyWindow(tableId);
            destroyModel(tableId);
        } else if (e.model->gameState() != GameModel::ROUND_OVER) {
            e.model->onTableRemoved();
        }
    });
}

// ---- the hand ------------------------------------------------------------------------------

void GameController::onGameData(qint32 tableId, qint64 handId, server_game_state::enum_t state,
                                const std::vector<PlayerData> &players,
                                const TableState &tableState, const WallState &wallState)
{
    guarded(tableId, "onGameData", [&] {
        GameModel *model = entry(tableId).model;
        model->onGameData(handId, state, players, tableState, wallState);
        bool active = true;
        if (model->isSeated()) {
            const PlayerData *own = model->ownPlayer();
            active = own && own->isActive();
        }
        emit tableActiveChanged(tableId, active);
    });
    QGuiApplication::restoreOverrideCursor();
}

void GameController::onPrivatePlayerData(qint32 tableId, const PrivatePlayerData &data)
{
    guarded(tableId, "onPrivatePlayerData", [&] {
        entry(tableId).model->onPrivatePlayerData(data);
        emit tableActiveChanged(tableId, data.active);
    });
}

void GameController::playerJoined(qint32 tableId, const PlayerData &player)
{
    guarded(tableId, "playerJoined", [&] {
        GameModel *model = entry(tableId).model;
        model->onPlayerJoined(player);
        const PlayerData *own = model->ownPlayer();
        emit tableActiveChanged(tableId, !(model->isSeated() && own && !own->isActive()));
    });
}

void GameController::onPlayerLeft(qint32 tableId, qint32 playerId)
{
    guarded(tableId, "onPlayerLeft", [&] {
        if (!hasTable(tableId))
            return;
        GameModel *model = entry(tableId).model;
        const GameModel::player_state_t before = model->playerState();
        model->onPlayerLeft(playerId);
        if (playerId != m_ownPlayerId || model->isSeated() || isTournamentTable(model->tableInfo()))
            return;
        if (before == GameModel::SEAT_OFFERED) {
            // Unseated from a seat never taken up (Play not pressed in time): the table
            // closes as after leaving it, so that joining again seats the player afresh.
            qInfo() << "unseated from table" << tableId << "before saying ready";
            destroyTable(tableId);
        } else if (before == GameModel::SCORING && !model->isInPlay()) {
            // Unseated at the game's end, Play for the next one not pressed: the player
            // stays at the table as a watcher, told so, and may join again.
            qInfo() << "unseated from table" << tableId << "at the game's end";
            model->onWatching(false);
        }
    });
}

void GameController::startHand(qint32 tableId, qint64 handId, const Seating &seating,
                               const round_score_vector &scores, bool flag,
                               const TableState &tableState, const WallState &wallState)
{
    guarded(tableId, "startHand", [&] {
        entry(tableId).model->onStartHand(handId, seating, scores, flag, tableState, wallState);
    });
}

void GameController::tileDiscarded(qint32 tableId, qint32 playerId, tile t)
{
    guarded(tableId, "tileDiscarded",
            [&] { entry(tableId).model->onTileDiscarded(playerId, t, false); });
}

void GameController::riichiDeclared(qint32 tableId, qint32 playerId, tile t, qint32 newScore)
{
    guarded(tableId, "riichiDeclared", [&] {
        GameModel *model = entry(tableId).model;
        model->onScoreUpdate(playerId, newScore);
        model->onTileDiscarded(playerId, t, true);
    });
}

void GameController::tileClaimed(qint32 tableId, qint32 playerId)
{
    guarded(tableId, "tileClaimed", [&] { entry(tableId).model->onTileClaimed(playerId); });
}

void GameController::hiddenTilesFromWall(qint32 tableId, qint32 playerId, qint32 count,
                                         bool replacement)
{
    guarded(tableId, "hiddenTilesFromWall", [&] {
        entry(tableId).model->onHiddenTilesFromWall(playerId, count, replacement);
    });
}

void GameController::meldDeclared(qint32 tableId, qint32 playerId, const meld_tuple &meld)
{
    guarded(tableId, "meldDeclared", [&] { entry(tableId).model->onMeldDeclared(playerId, meld); });
}

void GameController::tilesFromWall(qint32 tableId, const tile_vector &tiles, bool replacement)
{
    guarded(tableId, "tilesFromWall",
            [&] { entry(tableId).model->onTilesFromWall(tiles, replacement); });
}

void GameController::kanDora(qint32 tableId, tile t)
{
    guarded(tableId, "kanDora", [&] { entry(tableId).model->onKanDora(t); });
}

void GameController::meldSuggestion(qint32 tableId, const TimeSpan &time,
                                    const meld_offer_vector &offers)
{
    guarded(tableId, "meldSuggestion", [&] {
        TableEntry &e = entry(tableId);
        if (e.window)
            e.window->meldSuggestion(offers, e.model->lastDiscarderId(),
                                     e.model->lastDiscardedTile(), time);
    });
}

void GameController::concealedMeldSuggestion(qint32 tableId, const TimeSpan &time,
                                             const meld_offer_vector &offers)
{
    guarded(tableId, "concealedMeldSuggestion", [&] {
        TableEntry &e = entry(tableId);
        if (e.window)
            e.window->concealedMeldSuggestion(offers, time);
    });
}

void GameController::robTheKongSuggestion(qint32 tableId, const TimeSpan &time,
                                          const meld_offer_vector &offers)
{
    guarded(tableId, "robTheKongSuggestion", [&] {
        TableEntry &e = entry(tableId);
        if (e.window)
            e.window->robTheKongSuggestion(offers, time);
    });
}

void GameController::replacementMeldSuggestion(qint32 tableId, const TimeSpan &time,
                                               const meld_offer_vector &offers)
{
    guarded(tableId, "replacementMeldSuggestion", [&] {
        TableEntry &e = entry(tableId);
        if (e.window)
            e.window->replacementMeldSuggestion(offers, time);
    });
}

void GameController::playerShouldAct(qint32 tableId, const TimeSpan &time, qint32 playerId)
{
    guarded(tableId, "playerShouldAct",
            [&] { entry(tableId).model->onPlayerShouldAct(playerId, time); });
}

void GameController::waitingFor(qint32 tableId, WaitCondition::enum_t condition,
                                const TimeSpan &time, const std::vector<qint32> &players)
{
    guarded(tableId, "waitingFor",
            [&] { entry(tableId).model->onWaitingFor(condition, time, players); });
}

void GameController::waitingOver(qint32 tableId)
{
    guarded(tableId, "waitingOver", [&] { entry(tableId).model->onWaitingOver(); });
}

void GameController::declareBonus(qint32 tableId, qint32 playerId, const tile_vector &tiles)
{
    guarded(tableId, "declareBonus",
            [&] { entry(tableId).model->onDeclareBonus(playerId, tiles); });
}

void GameController::handEnd(qint32 tableId, const EndHand &result)
{
    guarded(tableId, "handEnd", [&] {
        TableEntry &e = entry(tableId);
        e.model->onHandEnd(result);
        if (!e.window)
            onLeave(tableId);
    });
}

void GameController::areYouReady(qint32 tableId, const TimeSpan &time)
{
    guarded(tableId, "areYouReady", [&] {
        TableEntry &e = entry(tableId);
        if (e.model)
            e.model->onAreYouReady(time);
    });
}

void GameController::endOfRound(qint32 tableId, const MonetaryRoundScores &scores)
{
    guarded(tableId, "endOfRound", [&] {
        TableEntry &e = entry(tableId);
        if (e.window)
            e.window->showEndOfRound(scores);
    });
}

void GameController::timeoutOccured(qint32 tableId)
{
    guarded(tableId, "timeoutOccured", [&] {
        TableEntry &e = entry(tableId);
        if (e.window)
            e.window->showTimeout();
    });
}

void GameController::someoneDeclaredMahjong(qint32 tableId, qint32 playerId)
{
    guarded(tableId, "someoneDeclaredMahjong", [&] {
        TableEntry &e = entry(tableId);
        if (!e.window)
            return;
        const int ruleset = e.model->tableInfo().ruleset();
        const bool riichi = RulesetInfoInstance(ruleset).isRiichi() != 0;
        // Riichi tables tell a win on the own draw (tsumo) from one on a discard (ron).
        const int variant = !riichi ? 1 : e.model->turnPlayerId() == playerId ? 3 : 2;
        e.window->showMahjongDeclared(playerId, variant);
    });
}

void GameController::someoneDeclaredMeld(qint32 tableId, qint32 playerId, meld kind, tile)
{
    guarded(tableId, "someoneDeclaredMeld", [&] {
        TableEntry &e = entry(tableId);
        if (e.window)
            e.window->showMeldDeclared(playerId, int(kind));
    });
}

void GameController::playerPictureUpdate(qint32 playerId)
{
    if (!m_services.players)
        return;
    for (auto &[id, table] : m_tables) {
        TableEntry &e = table;
        if (e.window)
            guarded(id, "playerPictureUpdate", [&] {
                e.window->setPlayerPicture(playerId, m_services.players->picture(playerId, true));
            });
    }
}

void GameController::playerIsReady(qint32 tableId, qint32 playerId)
{
    guarded(tableId, "playerIsReady", [&] { entry(tableId).model->onPlayerIsReady(playerId); });
}

void GameController::furitenChanged(qint32 tableId, bool furiten)
{
    guarded(tableId, "furitenChanged", [&] { entry(tableId).model->onFuritenChanged(furiten); });
}

void GameController::activeChanged(qint32 tableId, bool active)
{
    guarded(tableId, "activeChanged", [&] {
        entry(tableId).model->onActiveChanged(active);
        emit tableActiveChanged(tableId, active);
    });
}

// ---- table records and tournaments ---------------------------------------------------------

void GameController::onTableInfo(const TableInfo &info)
{
    const qint32 tableId = info.id();
    guarded(tableId, "onTableInfo", [&] {
        auto seat = m_tournamentSeats.find(tableId);
        if (seat != m_tournamentSeats.end() && seat->second.state == 0) {
            const qint32 tournamentId = info.mttId();
            seat->second.tournamentId = tournamentId;
            if (m_tournaments && m_tournaments->hasTournament(tournamentId)) {
                requestTournamentJoin(tableId, seat->second);
            } else {
                m_tablesAwaitingTournament[tournamentId] = tableId;
                seat->second.state = 1;
            }
        }
        if (hasTable(tableId))
            entry(tableId).model->onTableInfo(info);
    });
}

void GameController::onTableInfo(qint32 tableId, int seatedPlayers, const TableInfoUpdates &updates)
{
    guarded(tableId, "onTableInfo", [&] {
        if (hasTable(tableId))
            entry(tableId).model->onTableInfo(seatedPlayers, updates);
    });
}

void GameController::requestTournamentJoin(qint32 tableId, TournamentSeat &seat)
{
    seat.state = 2;
    m_connection->join_table(tableId, -1);
}

void GameController::onTournamentSeated(qint32 tournamentId, qint32 tableId)
{
    onTournamentSeated(tournamentId, tableId, 0);
}

void GameController::onTournamentSeated(qint32 tournamentId, qint32 tableId, int seatValue)
{
    guarded(tableId, "onTournamentSeated", [&] {
        if (m_tournamentSeats.count(tableId)) {
            qWarning().noquote() << QStringLiteral("Server tried to seat twice at table %1 (now for tournament %2)")
                                        .arg(QString::number(tableId), QString::number(tournamentId));
            return;
        }
        TournamentSeat seat;
        seat.tournamentId = tournamentId;
        seat.value = seatValue;
        const bool tableKnown = m_tableModel && m_tableModel->hasTable(tableId);
        if (tableKnown && m_tournaments && m_tournaments->hasTournament(tournamentId)) {
            requestTournamentJoin(tableId, seat);
        } else if (tableKnown) {
            seat.state = 1;
            m_tablesAwaitingTournament[tournamentId] = tableId;
        }
        if (m_tableModel)
            m_tableModel->subscribe(tournamentLobbyPath(tournamentId));
        m_tournamentSeats[tableId] = seat;
    });
}

void GameController::onTournamentAdded(const TournamentInfo &info)
{
    auto awaiting = m_tablesAwaitingTournament.find(info.id());
    if (awaiting == m_tablesAwaitingTournament.end())
        return;
    const qint32 tableId = awaiting->second;
    m_tablesAwaitingTournament.erase(awaiting);
    guarded(tableId, "onTournamentAdded", [&] {
        auto seat = m_tournamentSeats.find(tableId);
        if (seat != m_tournamentSeats.end())
            requestTournamentJoin(tableId, seat->second);
        else
            m_connection->join_table(tableId, -1);
    });
}

void GameController::onTournamentUpdate(qint32 tournamentId, const TournamentInfoUpdates &updates)
{
    for (auto &[id, table] : m_tables) {
        TableEntry &e = table;
        if (!e.model || e.model->tableInfo().mttId() != tournamentId)
            continue;
        guarded(id, "onTournamentUpdate", [&] {
            TournamentInfo info = e.model->tournamentInfo();
            info.applyUpdates(updates);
            e.model->onTournamentInfo(info);
        });
    }
}

void GameController::tournamentPickedUp(qint32, qint32 tableId, bool flag)
{
    guarded(tableId, "tournamentPickedUp", [&] {
        auto it = m_tables.find(tableId);
        if (it != m_tables.end()) {
            it->second.pickedUp = flag;
            it->second.model->onPlayerLeft(m_ownPlayerId);
        } else if (flag) {
            m_connection->unwatch_table(tableId);
        }
    });
}

void GameController::endOfTournamentRound(qint32, qint32 tableId, bool flag,
                                          const TournamentRoundScores &scores)
{
    guarded(tableId, "endOfTournamentRound", [&] {
        auto it = m_tables.find(tableId);
        if (it == m_tables.end())
            return;
        it->second.model->onEndOfTournamentRound(flag, scores);
        if (hasTable(tableId) && !entry(tableId).window)
            onLeave(tableId);
    });
}

void GameController::tournamentRankings(qint32 tournamentId, const TournamentRankings &rankings)
{
    for (auto &[id, table] : m_tables) {
        TableEntry &e = table;
        if (!e.model || !isTournamentTable(e.model->tableInfo())
            || e.model->tableInfo().mttId() != tournamentId)
            continue;
        guarded(id, "tournamentRankings", [&] { emit e.model->tournamentRankings(rankings); });
    }
}

void GameController::onTournamentRoundEnded(qint32 tableId)
{
    guarded(tableId, "onTournamentRoundEnded", [&] {
        entry(tableId);
        m_connection->unwatch_table(tableId);
    });
}

void GameController::onTournamentScoreDialogClosed(qint32 tournamentId, qint32 tableId, bool flag)
{
    guarded(tableId, "onTournamentScoreDialogClosed", [&] {
        if (entry(tableId).pickedUp) {
            m_connection->unwatch_table(tableId);
            destroyWindow(tableId);
        } else {
            destroyWindow(tableId);
            destroyModel(tableId);
        }
        emit tournamentScoreDialogClosed(tournamentId, tableId, flag);
    });
}
