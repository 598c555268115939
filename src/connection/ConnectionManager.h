#pragma once

#include "app/PlayerData.h"
#include "app/TableInfo.h"
#include "app/TimeSpan.h"
#include "app/TournamentInfo.h"
#include "app/WebPageRequest.h"
#include "app/meld.h"
#include "app/tile.h"
#include "connection/ClientConfig.h"
#include "connection/ComingEvent.h"
#include "connection/GameRecords.h"
#include "connection/LobbyRecords.h"
#include "connection/QueryUserCallback.h"
#include "connection/RepeatedWarnings.h"
#include "connection/TournamentRecords.h"
#include "protocol/enums.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QObject>
#include <QPair>
#include <QSet>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <functional>

class Connection;
namespace protocol {
class message_t;
}

// The one door to the game server: opens the connection, checks the protocol versions,
// logs in, writes every request and turns every packet that arrives into one signal.
// Lives on the GUI thread; every signal is emitted there. A request made while the
// connection is closed is logged and dropped.
class ConnectionManager : public QObject
{
    Q_OBJECT

public:
    static constexpr qint32 PlatformVersion = 6523;
    static constexpr const char *GameVersion = "3204";
    // A repeated join of the same table and seat within this time is refused.
    static constexpr qint64 JoinThrottleMs = 2000;
    // The TLS handshake and the version handshake must both be done within this time
    // of connecting; otherwise the connection is closed and reported as failed.
    static constexpr int HandshakeTimeoutMs = 30000;

    explicit ConnectionManager(bool ssl, QObject *parent = nullptr);
    ~ConnectionManager() override;

    void connectTo(const QString &host, quint16 port);
    void connectToServer();
    bool isUsingSsl() const { return m_ssl; }
    bool isConnected() const;
    bool isLoggedIn() const { return m_loggedIn; }
    void setDisconnectExpected(bool expected);
    // Sends the logout and waits at most ten times 50 ms for it to be written.
    void prepareToQuit();
    // Hands on no more packets of this connection, not even those already received;
    // for an error that ends the program, before its box opens.
    void stopDispatching();

    // The game connection (for its byte counters); null before the first connectTo.
    Connection *connection() const { return m_connection; }

    // Where the join throttle reads the time (milliseconds on a steady clock); tests
    // replace it.
    void setClock(std::function<qint64()> msecs);
    // Replaces HandshakeTimeoutMs for the next connections (tests).
    void setHandshakeTimeout(int msecs);

public slots:
    // Login, account and session.
    void login(const QString &user, const QString &password);
    void logout();
    void log_client_uuid(const std::string &uuid);
    void query_account_balance();
    void query_lobby_summary();
    void query_client_config();
    void tournaments_lobby_subscribe();
    void storePlayerProperties(const QMap<QString, QString> &properties);

    // Tables and lobby.
    // Returns whether the request was sent: false when not connected or when the same
    // join went out less than JoinThrottleMs ago.
    bool join_table(qint32 tableId, qint8 seat = -1);
    void watch_table(qint32 tableId);
    void unwatch_table(qint32 tableId);
    void leave_table(qint32 tableId);
    void reactivate_table(qint32 tableId);
    void ready(qint32 tableId, qint32 playerId);
    // Returns the request id that playersOnline carries back; -1 when nothing was sent.
    int query_players_online(int count, const std::vector<qint32> &players);
    void filter_join(const QString &filter);
    void cancel_filter_join(int waitingId);
    void invite_players(qint32 tableId, const std::vector<qint32> &players);
    void query_table_seated(qint32 tableId);
    // The path is "<game id>/<rest>"; a malformed path is logged and nothing is sent
    // (the return value is false then).
    bool lobby_table_subscribe(const QString &path);
    bool lobby_table_unsubscribe(const QString &path);
    void query_lobby_structure();

    // Game actions: table id, own player id, then the tile.
    void discard_tile(qint32 tableId, qint32 playerId, tile t);
    void call_pass(qint32 tableId, qint32 playerId, bool automatic);
    void call_chow(qint32 tableId, qint32 playerId, tile t);
    void call_pong(qint32 tableId, qint32 playerId, tile t);
    void call_pong_to_kong(qint32 tableId, qint32 playerId, tile t);
    void call_kong(qint32 tableId, qint32 playerId, tile t);
    void call_riichi(qint32 tableId, qint32 playerId, tile t);
    void call_bonus(qint32 tableId, qint32 playerId, tile t);
    void call_mahjong(qint32 tableId, qint32 playerId);

    // Tournaments.
    void register_tournament_request(qint32 tournamentId);
    void unregister_tournament_request(qint32 tournamentId);
    void get_tournament_ranking_list(int tournamentId);
    void query_tournament_prize_configuration(qint32 tournamentId);
    void query_extended_tournament_registration_response(qint32 tournamentId);

    // Web pages, names and events.
    void query_web_page(WebPageRequest::enum_t kind, const QString &language, const QString &hint);
    void query_sub_pages_available(WebPageRequest::enum_t kind, const QString &language);
    void query_localized_table_names(const QString &language, const std::vector<QString> &paths);
    void query_coming_events();

    // Requests of the server clock and the player directory. Each returns whether it
    // was sent, or the request id that its answer carries back (-1 when not sent).
    qint32 query_server_time();
    qint32 query_user(const QString &screenName);
    bool set_screenname(const QString &screenName);
    bool register_user(const QString &name, const QString &password, const QString &email,
                       const QString &extra);

signals:
    // Connection and session.
    void connecting();
    void connected();
    void disconnected();
    void versionCheckComplete();
    void exceptionCaught(const std::string &what);
    void forcedLogout();
    void systemMessage(const qint32 a, const qint32 b, const QString &text);
    void playerMessage(const QString &text);

    // Login and account.
    void loginSuccess(const qint32 playerId, const QString &name, const QString &chatSecret,
                      bool fullyRegistered);
    void loginFailed(std::int32_t code);
    void currentAccountBalance(const std::int64_t balance, const std::int64_t reserved,
                               const std::int64_t sequence);
    void lobbySummary(const lobby_summary_t &summary);
    void clientConfig(const ClientConfig &config);

    // Table lobby.
    void tableInfoUpdate(const TableInfo &table);
    void tableInfoUpdate(const qint32 tableId, const int seatedPlayers,
                         const TableInfoUpdates &updates);
    void tableRemoved(const qint32 tableId);
    void lobbyStructure(const LobbyStructure &root);
    void tableSeated(const qint32 tableId, const std::vector<qint32> &players);

    // Joining, watching, leaving and invitations.
    void joinSuccessful(qint32 tableId);
    void joinFailed(const qint32 tableId, const join_failed_reason::enum_t reason);
    void watchSuccessful(qint32 tableId);
    void watchFailed(const qint32 tableId, const QString &message);
    void unwatchSuccessful(qint32 tableId);
    void unwatchFailed(const qint32 tableId);
    void leaveSuccessful(qint32 tableId);
    void leaveFailed(qint32 tableId, const QString &message);
    void alreadySeated(const qint32 tableId);
    void notifySeated(const qint32 tableId, const qint32 seat, const qint32 tournamentId);
    void notifyWatching(const qint32 tableId);
    void notifyInvited(qint32 tableId, qint32 inviterId, int extra);
    void waitingList(int waitingId);
    void playersOnline(int requestId, const std::vector<qint32> &online);

    // Game.
    void gameData(qint32 tableId, qint64 handId, server_game_state::enum_t state,
                  const std::vector<PlayerData> &players, const TableState &tableState,
                  const WallState &wallState);
    void privatePlayerData(qint32 tableId, const PrivatePlayerData &data);
    void playerJoined(qint32 tableId, const PlayerData &player);
    void playerLeft(qint32 tableId, qint32 playerId);
    void startHand(qint32 tableId, qint64 handId, const Seating &seating,
                   const round_score_vector &scores, bool flag, const TableState &tableState,
                   const WallState &wallState);
    void tileDiscarded(qint32 tableId, qint32 playerId, tile t);
    void riichiDeclared(qint32 tableId, qint32 playerId, tile t, qint32 newScore);
    void tileClaimed(qint32 tableId, qint32 playerId);
    void hiddenTilesFromWall(qint32 tableId, qint32 playerId, qint32 count, bool replacement);
    void tilesFromWall(qint32 tableId, const tile_vector &tiles, bool replacement);
    void meldDeclared(qint32 tableId, qint32 playerId, const meld_tuple &meld);
    void kanDora(qint32 tableId, tile indicator);
    void meldSuggestion(qint32 tableId, const TimeSpan &span, const meld_offer_vector &offers);
    void concealedMeldSuggestion(qint32 tableId, const TimeSpan &span, const meld_offer_vector &offers);
    void robTheKongSuggestion(qint32 tableId, const TimeSpan &span, const meld_offer_vector &offers);
    void replacementMeldSuggestion(qint32 tableId, const TimeSpan &span, const meld_offer_vector &offers);
    void playerShouldAct(qint32 tableId, const TimeSpan &span, qint32 playerId);
    void waitingFor(qint32 tableId, WaitCondition::enum_t condition, const TimeSpan &span,
                    const std::vector<std::int32_t> &players);
    void waitingOver(qint32 tableId);
    void declareBonus(qint32 tableId, qint32 playerId, const tile_vector &tiles);
    void handEnd(qint32 tableId, const EndHand &result);
    void endOfRound(qint32 tableId, const MonetaryRoundScores &scores);
    void areYouReady(qint32 tableId, const TimeSpan &span);
    void timeoutOccured(qint32 tableId);
    void kickPlayer(qint32 tableId, kick_reason::enum_t reason);
    void someoneDeclaredMahjong(qint32 tableId, qint32 playerId);
    void playerIsReady(qint32 tableId, qint32 playerId);
    void furitenChanged(qint32 tableId, bool furiten);
    void activeChanged(qint32 tableId, bool active);
    void someoneDeclaredMeld(qint32 tableId, qint32 playerId, meld kind, tile t);

    // Tournaments.
    void tournamentInfoUpdate(const TournamentInfo &tournament);
    void tournamentInfoUpdate(const qint32 tournamentId, const TournamentInfoUpdates &updates);
    void tournamentRemoved(qint32 tournamentId);
    void notifyRegistered(const std::vector<qint32> &tournaments);
    void tournamentRegisterSuccess(qint32 tournamentId);
    void tournamentRegisterFailed(qint32 tournamentId, tmnt_register_failed_reason::enum_t reason);
    void tournamentUnregisterSuccess(qint32 tournamentId);
    void tournamentUnregisterFailed(qint32 tournamentId, tmnt_register_failed_reason::enum_t reason);
    void tournamentLeaveSuccess(qint32 tournamentId);
    void playerDiscardedFromTournament(qint32 tournamentId, MttDiscardedReason::enum_t reason);
    void tournamentRankings(qint32 tournamentId, const TournamentRankings &rankings);
    void tournamentPrizeConfiguration(qint32 tournamentId,
                                      const tournament_prize_configuration_t &configuration);
    void tournamentExtendedRegisterResponse(qint32 tournamentId,
                                            const extended_tournament_register_response &response);
    void tournamentSeated(qint32 tournamentId, qint32 tableId);
    void endOfTournamentRound(qint32 tournamentId, qint32 tableId, bool flag,
                              const TournamentRoundScores &scores);
    void tournamentPickedUp(qint32 tournamentId, qint32 tableId, bool flag);

    // Web pages, names and events.
    void webPage(WebPageRequest::enum_t kind, const QString &url);
    void subPagesAvailable(WebPageRequest::enum_t kind, const QList<QPair<QString, QString>> &pages);
    void localizedTableNames(const QString &language, const std::vector<LocalizedTableName> &names);
    void comingEvents(const ComingEvents &events);

    // Answers for the server clock and the player directory.
    void serverTime(qint32 requestId, const QDateTime &time);
    void queryUserAnswer(qint32 requestId, bool ok, const UserRecord &user, const QString &failureText);
    void screennameAnswer(bool ok, bool retryAllowed, const QString &message);
    void registerUserAnswer(bool ok, bool flag, const QString &reason);
    // The connection could not be opened (refused, unknown host, TLS failure, a
    // handshake not done in time); not reported when the disconnection was expected.
    void connectionFailed(const QString &reason);
    // The connection closed or failed, whether that was expected or not.
    void connectionClosed();

private:
    class Dispatcher;
    friend class Dispatcher;

    void onConnected();
    void onDisconnected();
    void onSocketError(const QString &text);
    void onHandshakeTimeout();
    void onMessage(std::unique_ptr<protocol::message_t> &message);
    void closed();

    template <class P>
    bool send(const P &packet);
    qint32 nextRequestId();
    // True when the same join was sent less than JoinThrottleMs ago.
    bool joinThrottled(qint32 tableId, qint8 seat);
    bool sendSubscription(const QString &path, bool subscribe);

    bool m_ssl;
    QString m_host;
    quint16 m_port = 0;
    Connection *m_connection = nullptr;
    bool m_loggedIn = false;
    bool m_disconnectExpected = false;
    bool m_platformVersionChecked = false;
    bool m_gameVersionChecked = false;
    QTimer m_handshakeTimer;
    // Refused and unknown packets, which a hostile server may send by the thousand.
    RepeatedWarnings m_packetWarnings;

    // Guards the request-id counter, the join throttle and the pending registries.
    mutable QMutex m_mutex;
    qint32 m_lastRequestId = 0;
    QElapsedTimer m_steadyClock;
    std::function<qint64()> m_clock;
    QHash<quint64, qint64> m_lastJoin; // (table, seat) -> time of the last join sent
    QSet<qint32> m_pendingPlayersOnline;
    QSet<int> m_cancelledWaitingIds;
};
