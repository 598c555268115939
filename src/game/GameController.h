#pragma once

#include "app/PlayerData.h"
#include "app/TableInfo.h"
#include "app/TimeSpan.h"
#include "app/TournamentInfo.h"
#include "app/meld.h"
#include "app/tile.h"
#include "connection/GameRecords.h"
#include "connection/RepeatedWarnings.h"
#include "connection/TournamentRecords.h"
#include "game/TableWindowServices.h"
#include "game/UsageReason.h"
#include "protocol/enums.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <map>
#include <set>
#include <vector>

class ConnectionManager;
class GameModel;
class GameWindow;
class PlayerDb;
class QWidget;
class TableModel;
class TournamentLookup;

// Routes the connection manager's table messages to the open tables: one model and at
// most one window per table. It creates and tears down both, wires each window's
// requests to the connection manager and follows the tables the server seats the
// player at during a tournament.
class GameController : public QObject
{
    Q_OBJECT

public:
    // The lookup may be null: tournament tables then count as unavailable. The parent
    // widget (the main window) owns the windows' dialogs; the windows themselves are
    // adopted by whoever shows them.
    GameController(ConnectionManager *connectionManager, const TableWindowServices &services,
                   TournamentLookup *tournaments, QObject *parent = nullptr);
    ~GameController() override;

    void setPlayerId(qint32 id) { m_ownPlayerId = id; }
    qint32 playerId() const { return m_ownPlayerId; }
    void setPlayerName(const QString &name) { m_ownPlayerName = name; }
    QString playerName() const { return m_ownPlayerName; }
    void setTableModel(TableModel *model);

    bool hasTable(qint32 tableId) const;
    bool tableInfoAvailable(qint32 tableId) const;
    // Both throw server_error for a table that is not open.
    GameModel *gameModel(qint32 tableId) const;
    GameWindow *gameWindow(qint32 tableId);

signals:
    void tableActivity(qint32 tableId, bool active = true, const TimeSpan &time = TimeSpan());
    void tableActiveChanged(qint32 tableId, bool active);
    void tableViewCreated(qint32 tableId, GameWindow *window);
    void tableViewDestroyed(qint32 tableId);
    void tableViewAboutToBeDestroyed(qint32 tableId);
    void gameModelCreated(GameModel *model);
    void gameModelAboutToBeDestroyed(GameModel *model);
    void tableWatched(qint32 tableId, bool watching);
    void regularTableJoined(qint32 tableId);
    void tournamentTableJoined(qint32 tournamentId, qint32 tableId, int seatValue);
    void tournamentScoreDialogClosed(qint32 tournamentId, qint32 tableId, bool roundEnded);
    void invitePlayers(qint32 tableId, const std::vector<qint32> &players);
    void tableUnavailableError(qint32 tableId, UsageReason reason);
    void depositFunds();

public slots:
    void setCompactTableLayout(bool compact);
    void watchSuccessful(qint32 tableId);
    void unwatchSuccessful(qint32 tableId);
    void onJoinSuccessful(qint32 tableId);
    void onJoinFailed(qint32 tableId);
    void leaveSuccessful(qint32 tableId);
    void leaveFailed(qint32 tableId, const QString &message);
    void onGameData(qint32 tableId, qint64 handId, server_game_state::enum_t state,
                    const std::vector<PlayerData> &players, const TableState &tableState,
                    const WallState &wallState);
    void onPrivatePlayerData(qint32 tableId, const PrivatePlayerData &data);
    void playerJoined(qint32 tableId, const PlayerData &player);
    void onPlayerLeft(qint32 tableId, qint32 playerId);
    void startHand(qint32 tableId, qint64 handId, const Seating &seating,
                   const round_score_vector &scores, bool flag, const TableState &tableState,
                   const WallState &wallState);
    void tileDiscarded(qint32 tableId, qint32 playerId, tile t);
    void riichiDeclared(qint32 tableId, qint32 playerId, tile t, qint32 newScore);
    void tileClaimed(qint32 tableId, qint32 playerId);
    void hiddenTilesFromWall(qint32 tableId, qint32 playerId, qint32 count, bool replacement);
    void meldDeclared(qint32 tableId, qint32 playerId, const meld_tuple &meld);
    void tilesFromWall(qint32 tableId, const tile_vector &tiles, bool replacement);
    void meldSuggestion(qint32 tableId, const TimeSpan &time, const meld_offer_vector &offers);
    void concealedMeldSuggestion(qint32 tableId, const TimeSpan &time, const meld_offer_vector &offers);
    void robTheKongSuggestion(qint32 tableId, const TimeSpan &time, const meld_offer_vector &offers);
    void replacementMeldSuggestion(qint32 tableId, const TimeSpan &time, const meld_offer_vector &offers);
    void playerShouldAct(qint32 tableId, const TimeSpan &time, qint32 playerId);
    void waitingFor(qint32 tableId, WaitCondition::enum_t condition, const TimeSpan &time,
                    const std::vector<qint32> &players);
    void waitingOver(qint32 tableId);
    void declareBonus(qint32 tableId, qint32 playerId, const tile_vector &tiles);
    void handEnd(qint32 tableId, const EndHand &result);
    void areYouReady(qint32 tableId, const TimeSpan &time);
    void endOfRound(qint32 tableId, const MonetaryRoundScores &scores);
    void timeoutOccured(qint32 tableId);
    void onKickPlayer(qint32 tableId, kick_reason::enum_t reason);
    void onTableRemoved(qint32 tableId);
    void someoneDeclaredMahjong(qint32 tableId, qint32 playerId);
    void playerPictureUpdate(qint32 playerId);
    void playerIsReady(qint32 tableId, qint32 playerId);
    void someoneDeclaredMeld(qint32 tableId, qint32 playerId, meld kind, tile t);
    void kanDora(qint32 tableId, tile t);
    void furitenChanged(qint32 tableId, bool furiten);
    void activeChanged(qint32 tableId, bool active);
    void onTournamentSeated(qint32 tournamentId, qint32 tableId, int seatValue);
    void tournamentPickedUp(qint32 tournamentId, qint32 tableId, bool flag);
    void endOfTournamentRound(qint32 tournamentId, qint32 tableId, bool flag,
                              const TournamentRoundScores &scores);
    void tournamentRankings(qint32 tournamentId, const TournamentRankings &rankings);
    void onTournamentScoreDialogClosed(qint32 tournamentId, qint32 tableId, bool flag);
    void onInPlayLeave(qint32 tableId);
    void onTournamentSeated(qint32 tournamentId, qint32 tableId);
    void createTable(qint32 tableId, qint32 tournamentId = -1);
    void destroyTable(qint32 tableId);
    void onTableInfo(const TableInfo &info);
    void onTableInfo(qint32 tableId, int seatedPlayers, const TableInfoUpdates &updates);
    void onTournamentUpdate(qint32 tournamentId, const TournamentInfoUpdates &updates);
    void onLeave(qint32 tableId);
    void onReactivate(qint32 tableId);
    void onJoin(qint32 tableId);
    void onReady(qint32 tableId);
    void onPlayerAdded(qint32 tableId, qint32 playerId);
    void onTournamentRoundEnded(qint32 tableId);
    void onKickedConfirmed(qint32 tableId);
    void onTableRemovedConfirmed(qint32 tableId);
    void onDepositFunds();
    void onQueryPlayersOnline(qint32 tableId, int count, const std::vector<qint32> &players);
    void onTournamentAdded(const TournamentInfo &info);

private:
    struct TableEntry
    {
        GameModel *model = nullptr;
        GameWindow *window = nullptr;
        bool pickedUp = false;
    };

    struct TournamentSeat
    {
        qint32 tournamentId = -1;
        int state = 0;
        int value = 0;
    };

    TableEntry &entry(qint32 tableId);
    const TableEntry &entry(qint32 tableId) const;
    // Runs one slot's table work: a fault of model, window or views is logged with the
    // table id under the limit of repeated warnings, and the table's window is rebuilt
    // from what the model accepted.
    template <typename Work>
    void guarded(qint32 tableId, const char *what, Work &&work);
    // Rebuilds the window once the messages at hand are handled: a burst of faults
    // costs one rebuild.
    void scheduleRebuild(qint32 tableId);
    void rebuildWindow(qint32 tableId);

    bool isTournamentTable(const TableInfo &info) const;
    bool tableUsable(qint32 tableId) const;
    void createModel(qint32 tableId, TableEntry &e);
    void setupTable(qint32 tableId, TableEntry &e);
    void connectWindow(GameWindow *window, GameModel *model);
    void destroyWindow(qint32 tableId);
    void destroyModel(qint32 tableId);
    void requestTournamentJoin(qint32 tableId, TournamentSeat &seat);

    std::map<qint32, TableEntry> m_tables;
    qint32 m_ownPlayerId = 0;
    QString m_ownPlayerName;
    bool m_compactLayout = false;
    ConnectionManager *m_connection;
    TableWindowServices m_services;
    QPointer<TableModel> m_tableModel;
    TournamentLookup *m_tournaments;
    std::map<qint32, TournamentSeat> m_tournamentSeats;
    std::map<qint32, qint32> m_tablesAwaitingTournament;
    RepeatedWarnings m_failures;
    std::set<qint32> m_rebuildsDue;
};
