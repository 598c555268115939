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
#include "protocol/enums.h"

#include <QObject>
#include <QString>

#include <map>
#include <set>
#include <utility>
#include <vector>

// The client's picture of one open table and of the hand played on it, as far
// as the local player may know it. The game controller feeds it the table's
// messages through its slots; every change is announced with a signal.
class GameModel : public QObject
{
    Q_OBJECT

public:
    // Each player's hand is dealt in one draw of this many tiles.
    static constexpr qint64 DealtTiles = 13;

    // The local player's relation to the table.
    enum player_state_t {
        NO_PLAYER_STATE = 0,
        WATCHING = 1,
        SEAT_OFFERED = 2,
        WAITING = 3,
        PLAYING = 4,
        SCORING = 5,
        KICKED = 6,
    };
    Q_ENUM(player_state_t)

    // The model's phase of the table.
    enum game_state_t {
        NOTHING_KNOWN = 0,
        BETWEEN_HANDS = 1,
        HAND_IN_PLAY = 2,
        HAND_OVER = 3,
        ROUND_OVER = 4,
        TABLE_REMOVED = 5,
    };

    using PlayerMap = std::map<qint32, PlayerData>;

    GameModel(qint32 tableId, const TableInfo &tableInfo, qint32 ownPlayerId,
              const QString &ownPlayerName, QObject *parent = nullptr);

    // "NO_PLAYER_STATE" .. "KICKED"; "<undefined>" for any other value.
    static const char *playerStateName(int state);

    // Wall accounting of one draw of `count` tiles for a rule set: a replacement
    // draw takes from the dead wall, which some rule sets refill from the live wall.
    static void drawFromWall(int ruleset, int count, bool replacement, qint32 &liveTiles,
                             qint32 &deadWallTiles, qint32 &deadWallTilesDealt);

    qint32 tableId() const { return m_tableId; }
    const PlayerMap &players() const { return m_players; }
    // Throws server_error "unknown player <id>" for an id the model does not know.
    const PlayerData &player(qint32 id) const;
    const PlayerData *findPlayer(qint32 id) const;
    const PlayerData *ownPlayer() const;
    const PlayerData *playerByWind(int wind) const;
    bool isSeatAnnounced(qint32 id) const;
    bool isOwnSeatAnnounced() const;
    std::vector<qint32> seatedPlayerIds() const;
    int seatsRemaining() const;
    bool isSeated() const;

    player_state_t playerState() const { return m_playerState; }
    int gameState() const { return m_gameState; }
    bool isHandInPlay() const { return m_gameState == HAND_IN_PLAY; }
    // From the start of a hand until its first draw after the deal; a hand known from the
    // table's snapshot is past its deal.
    bool isDealing() const { return m_dealing; }
    bool isInPlay() const { return m_inPlay; }
    bool isJoinable() const { return m_joinable; }
    bool isWatchingByChoice() const { return m_watchingByChoice; }
    kick_reason::enum_t kickReason() const { return m_kickReason; }
    qint64 handId() const { return m_handId; }
    const TableInfo &tableInfo() const { return m_tableInfo; }
    const TournamentInfo &tournamentInfo() const { return m_tournamentInfo; }

    qint32 liveTiles() const { return m_liveTiles; }
    qint32 deadWallTiles() const { return m_deadWallTiles; }
    qint32 deadWallPosition() const { return m_deadWallPosition; }
    qint32 deadWallTilesDealt() const { return m_deadWallTilesDealt; }
    const tile_vector &doraTiles() const { return m_doraTiles; }
    tile lastDiscardedTile() const { return m_lastDiscard; }
    qint32 lastDiscarderId() const { return m_lastDiscarderId; }
    // The player who drew last or was asked to act, until the next discard or claim; a win
    // declared by that player is self-drawn.
    qint32 turnPlayerId() const { return m_turnPlayerId; }
    // The player asked to act and the time given, while a hand is in play.
    std::pair<qint32, TimeSpan> actingPlayer() const;
    int riichiSticks() const;
    int counterSticks() const { return m_counterSticks; }
    // The player from whose seat the side bar orders its rows.
    qint32 referencePlayerId() const { return m_referencePlayerId; }
    int prevalentWind() const { return m_prevalentWind; }
    qint32 tableState3() const { return m_tableState3; }

    void setJustJoined() { m_justJoined = true; }

signals:
    void modelReset();
    void gameStateChanged();
    void playerJoined(const PlayerData &player);
    void playerLeft(qint32 playerId);
    void startHand(bool flag);
    void tileClaimed(qint32 discarderId, qint32 playerId);
    void tileDiscarded(qint32 playerId, tile t, bool riichi);
    void hiddenTilesFromWall(qint32 playerId, qint32 count, bool replacement);
    void meldDeclared(qint32 playerId, const meld_tuple &m);
    void tilesFromWall(qint32 playerId, const tile_vector &tiles, bool replacement);
    void bonusDeclared(qint32 playerId, const tile_vector &tiles);
    void playerShouldAct(qint32 playerId, const TimeSpan &time);
    void waitingFor(WaitCondition::enum_t condition, const TimeSpan &time,
                    const std::vector<qint32> &players);
    void waitingOver();
    void privatePlayerData(const PrivatePlayerData &data);
    void kanDora(tile t);
    void furitenChanged(bool furiten);
    void activeChanged(bool active);
    void tableInfo(const TableInfo &info);
    void tournamentInfo(const TournamentInfo &info);
    void handEnd(const EndHand &result);
    void endOfTournamentRound(bool flag, const TournamentRoundScores &scores);
    void tournamentRankings(const TournamentRankings &rankings);
    void tournamentRoundEnded(qint32 tableId);
    void areYouReady(const TimeSpan &time, bool seatOffered);
    void playerIsReady(qint32 playerId);
    void playerStateChanged(GameModel::player_state_t state);
    void wallStateChanged();
    void seatsRemainingChanged(int seats);
    void joinableChanged(bool joinable);
    void playerSeated(qint32 playerId, qint32 tableId, bool fromGameData);
    void playerUnseated(qint32 playerId, qint32 tableId);

public slots:
    void onPlayerJoined(const PlayerData &player);
    void onPlayerLeft(qint32 playerId);
    void onStartHand(qint64 handId, const Seating &seating, const round_score_vector &scores,
                     bool flag, const TableState &tableState, const WallState &wallState);
    void onScoreUpdate(qint32 playerId, qint32 score);
    void onTileClaimed(qint32 playerId);
    void onTileDiscarded(qint32 playerId, tile t, bool riichi);
    void onHiddenTilesFromWall(qint32 playerId, qint32 count, bool replacement);
    void onMeldDeclared(qint32 playerId, const meld_tuple &m);
    void onTilesFromWall(const tile_vector &tiles, bool replacement);
    void onDeclareBonus(qint32 playerId, const tile_vector &tiles);
    void onPlayerShouldAct(qint32 playerId, const TimeSpan &time);
    void onWaitingFor(WaitCondition::enum_t condition, const TimeSpan &time,
                      const std::vector<qint32> &players);
    void onWaitingOver();
    void onPrivatePlayerData(const PrivatePlayerData &data);
    void onKanDora(tile t);
    void onFuritenChanged(bool furiten);
    void onActiveChanged(bool active);
    void onHandEnd(const EndHand &result);
    void onEndOfTournamentRound(bool flag, const TournamentRoundScores &scores);
    void onTournamentRankings(const TournamentRankings &rankings);
    void onTableInfo(const TableInfo &info);
    void onTableInfo(int seatedPlayers, const TableInfoUpdates &updates);
    void onTournamentInfo(const TournamentInfo &info);
    void onGameData(qint64 handId, server_game_state::enum_t state,
                    const std::vector<PlayerData> &players, const TableState &tableState,
                    const WallState &wallState);
    void onAreYouReady(const TimeSpan &time);
    void onWatching(bool watching = true);
    void onPlayerIsReady(qint32 playerId);
    void onPlayerKicked(kick_reason::enum_t reason);
    void onTableRemoved();

private:
    PlayerData &playerRecord(qint32 id);
    bool handKnown(qint32 playerId) const;
    void reset();
    void addPlayer(const PlayerData &player);
    void removePlayer(qint32 id);
    void eraseDelayedRemovals();
    void setPlayerState(player_state_t state);
    void setGameState(int state);
    void storeHandInPlay();
    void updateJoinable();
    void setWallState(qint32 liveTiles, qint32 deadWallTiles, qint32 deadWallPosition,
                      qint32 deadWallTilesDealt, const tile_vector &dora);
    void clampWallCounts();
    // Logs what the server sent and the model refused or corrected, under the limit of
    // repeated warnings: the kind names it in the count line, e.g. "refused a discard".
    void refuse(const char *kind, const QString &text);
    // Whether a hand holding that many concealed tiles may draw that many more; a
    // negative draw is refused too, and a refusal is logged.
    bool canDraw(const PlayerData &player, qint64 held, qint64 drawn);
    // Whether the player's melds with that many more of a kind still fit a hand
    // (MeldTally); a refusal is logged.
    bool canDeclare(const PlayerData &player, meld kind, std::size_t count);
    // Another player's concealed tiles change; they stay within what a hand holds.
    void changeHiddenTiles(PlayerData &player, qint64 change);
    void takeTableState(const TableState &state);
    // A draw of that many tiles that is neither the deal of a hand nor a replacement
    // is a turn's: the deal is over.
    void endDealAt(qint64 count, bool replacement);
    void forgetLastDiscarder(qint32 id);

    PlayerMap m_players;
    qint32 m_tableId;
    qint32 m_ownPlayerId;
    QString m_ownPlayerName;
    qint32 m_referencePlayerId = -1;
    int m_prevalentWind = 0;
    qint32 m_tableState3 = 0;
    qint32 m_liveTiles = 0;
    qint32 m_deadWallTiles = 0;
    qint32 m_deadWallPosition = 4;
    qint32 m_deadWallTilesDealt = 0;
    tile_vector m_doraTiles;
    qint64 m_handId = -1;
    // Kept by id: the record may be erased while the id is still remembered.
    qint32 m_lastDiscarderId = -1;
    tile m_lastDiscard{0};
    int m_claimMark = 0;
    qint32 m_turnPlayerId = -1;
    // From the hand's start to the first draw of a turn: the tiles dealt, and their
    // replacements for bonus tiles laid out from the deal, are no tiles drawn.
    bool m_dealing = false;
    TableInfo m_tableInfo;
    TournamentInfo m_tournamentInfo;
    int m_gameState = NOTHING_KNOWN;
    bool m_inPlay = false;
    player_state_t m_playerState = NO_PLAYER_STATE;
    qint32 m_actingPlayer = -1;
    TimeSpan m_actTime;
    std::set<qint32> m_delayedRemovals;
    bool m_joinable = false;
    bool m_watchingByChoice = false;
    kick_reason::enum_t m_kickReason = static_cast<kick_reason::enum_t>(0);
    bool m_justJoined = false;
    int m_riichiSticksCarried = 0;
    int m_counterSticks = 0;
    RepeatedWarnings m_refusals;
};

Q_DECLARE_METATYPE(GameModel::player_state_t)
