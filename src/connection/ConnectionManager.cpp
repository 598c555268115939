#include "connection/ConnectionManager.h"

#include "app/server_error.h"
#include "connection/ConnectionMetaTypes.h"
#include "connection/RecordConversions.h"
#include "protocol/Connection.h"
#include "protocol/conversions.h"
#include "protocol/packets.h"

#include <QMutexLocker>
#include <QtDebug>

#include <optional>
#include <stdexcept>

namespace {

using namespace protocol;

// The web pages the local service serves before login; the player service serves the rest.
bool isLocalWebPage(WebPageRequest::enum_t kind)
{
    return kind == WebPageRequest::FULL_REGISTRATION || kind == WebPageRequest::TERMS
        || kind == WebPageRequest::RESET_PASSWORD || kind == WebPageRequest::ADVERTISEMENT_LOBBY_SIDE;
}

template <class P>
P tablePacket(qint32 tableId)
{
    P packet;
    packet.table = tableId;
    return packet;
}

template <class P>
P gamePacket(qint32 tableId, qint32 playerId)
{
    auto packet = tablePacket<P>(tableId);
    packet.player = playerId;
    return packet;
}

// A game packet with its one further field set.
template <class P, class T, class V>
P gamePacket(qint32 tableId, qint32 playerId, T P::*field, const V &value)
{
    auto packet = gamePacket<P>(tableId, playerId);
    packet.*field = value;
    return packet;
}

template <class P>
P tournamentPacket(qint32 tournamentId)
{
    P packet;
    packet.tournament = tournamentId;
    return packet;
}

template <class P>
P lobbyPathPacket(qint32 gameId, const QByteArray &rest)
{
    P packet;
    packet.game_id = gameId;
    packet.path_rest = rest;
    return packet;
}

template <class P>
P webPagePacket(WebPageRequest::enum_t kind, const QString &language, const QString &hint)
{
    P packet;
    packet.kind = kind;
    packet.hint = hint;
    packet.language = language;
    return packet;
}

} // namespace

// Turns each packet from the server into the manager's signal. Every packet the server
// may send has its overload here: a new one in the catalogue does not compile until it
// is handled.
class ConnectionManager::Dispatcher
{
public:
    explicit Dispatcher(ConnectionManager &manager) : m_manager(manager) {}

    // Session.
    void operator()(const platform_version_answer_t &p)
    {
        if (p.platform_version != PlatformVersion) {
            throw std::runtime_error("the server speaks platform version " + std::to_string(p.platform_version)
                                     + ", this client " + std::to_string(PlatformVersion));
        }
        m_manager.m_platformVersionChecked = true;
        versionChecked();
    }
    void operator()(const game_version_answer_t &p)
    {
        if (p.game_version != QLatin1String(GameVersion)) {
            throw std::runtime_error("the server speaks game version " + p.game_version.toStdString()
                                     + ", this client " + GameVersion);
        }
        m_manager.m_gameVersionChecked = true;
        versionChecked();
    }
    void operator()(const server_time_t &p)
    {
        emit m_manager.serverTime(p.request, QDateTime::fromMSecsSinceEpoch(p.server_time, Qt::UTC));
    }
    void operator()(const login_success_t &p)
    {
        m_manager.m_loggedIn = true;
        emit m_manager.loginSuccess(p.player_id, p.name, p.chat_secret, p.fully_registered);
    }
    void operator()(const login_failed_t &p) { emit m_manager.loginFailed(p.code); }
    void operator()(const forced_logout_t &) { emit m_manager.forcedLogout(); }
    void operator()(const system_message_t &p) { emit m_manager.systemMessage(p.a, p.b, p.text); }
    void operator()(const player_message_t &p) { emit m_manager.playerMessage(p.text); }

    // Account and lobby.
    void operator()(const account_balance_t &p) { emit m_manager.currentAccountBalance(p.balance, p.reserved, p.sequence); }
    void operator()(const protocol::lobby_summary_t &p) { emit m_manager.lobbySummary(conversions::toLobbySummary(p)); }
    void operator()(const client_config_t &p) { emit m_manager.clientConfig(conversions::toClientConfig(p)); }

    // Tables.
    void operator()(const join_table_answer_t &p)
    {
        if (p.ok)
            emit m_manager.joinSuccessful(p.table);
        else
            emit m_manager.joinFailed(p.table, join_failed_reason::fromWire(p.reason));
    }
    void operator()(const watch_table_answer_t &p)
    {
        if (p.ok)
            emit m_manager.watchSuccessful(p.table);
        else
            emit m_manager.watchFailed(p.table, p.message);
    }
    void operator()(const unwatch_table_answer_t &p)
    {
        if (p.ok)
            emit m_manager.unwatchSuccessful(p.table);
        else
            emit m_manager.unwatchFailed(p.table);
    }
    void operator()(const leave_table_answer_t &p)
    {
        if (p.ok)
            emit m_manager.leaveSuccessful(p.table);
        else
            emit m_manager.leaveFailed(p.table, p.message);
    }
    void operator()(const already_seated_t &p) { emit m_manager.alreadySeated(p.table); }
    void operator()(const notify_seated_t &p) { emit m_manager.notifySeated(p.table, p.seat, p.tournament); }
    void operator()(const notify_watching_t &p) { emit m_manager.notifyWatching(p.table); }
    void operator()(const notify_invited_t &p) { emit m_manager.notifyInvited(p.table, p.inviter, p.extra); }
    void operator()(const waiting_list_t &p)
    {
        {
            QMutexLocker lock(&m_manager.m_mutex);
            if (m_manager.m_cancelledWaitingIds.remove(p.waiting_id)) {
                qDebug() << "waiting list entry" << p.waiting_id << "was cancelled, dropped";
                return;
            }
        }
        emit m_manager.waitingList(p.waiting_id);
    }
    void operator()(const players_online_t &p)
    {
        {
            QMutexLocker lock(&m_manager.m_mutex);
            if (!m_manager.m_pendingPlayersOnline.remove(p.request)) {
                qWarning() << "players-online answer for unknown request" << p.request << "dropped";
                return;
            }
        }
        emit m_manager.playersOnline(p.request, p.online);
    }
    void operator()(const table_info_t &p) { emit m_manager.tableInfoUpdate(toTableInfo(p)); }
    void operator()(const table_info_update_t &p)
    {
        emit m_manager.tableInfoUpdate(p.table, conversions::toSeatedPlayers(p.seated_players), toUpdates(p.updates));
    }
    void operator()(const table_removed_t &p) { emit m_manager.tableRemoved(p.table); }
    void operator()(const lobby_structure_t &p) { emit m_manager.lobbyStructure(conversions::toLobbyStructure(p.root)); }
    void operator()(const table_seated_t &p) { emit m_manager.tableSeated(p.table, p.players); }
    void operator()(const notify_registered_t &p) { emit m_manager.notifyRegistered(p.tournaments); }

    // Game.
    void operator()(const game_data_t &p)
    {
        emit m_manager.gameData(p.table, p.hand_id, server_game_state::fromWire(p.server_state), toPlayerData(p.players),
                        conversions::toTableState(p.table_state), conversions::toWallState(p.wall_state));
    }
    void operator()(const private_player_data_t &p)
    {
        emit m_manager.privatePlayerData(p.table, conversions::toPrivatePlayerData(p));
    }
    void operator()(const player_joined_t &p) { emit m_manager.playerJoined(p.table, toPlayerData(p.player)); }
    void operator()(const player_left_t &p) { emit m_manager.playerLeft(p.table, p.player); }
    void operator()(const start_hand_t &p)
    {
        emit m_manager.startHand(p.table, p.hand_id, conversions::toSeating(p.seating), conversions::toRoundScores(p.scores),
                         p.flag, conversions::toTableState(p.table_state), conversions::toWallState(p.wall_state));
    }
    void operator()(const tile_discarded_t &p) { emit m_manager.tileDiscarded(p.table, p.player, p.discard); }
    void operator()(const riichi_declared_t &p) { emit m_manager.riichiDeclared(p.table, p.player, p.discard, p.new_score); }
    void operator()(const tile_claimed_t &p) { emit m_manager.tileClaimed(p.table, p.player); }
    void operator()(const hidden_tiles_from_wall_t &p)
    {
        emit m_manager.hiddenTilesFromWall(p.table, p.player, toConcealedCount(p.count), p.replacement);
    }
    void operator()(const tiles_from_wall_t &p)
    {
        emit m_manager.tilesFromWall(p.table, toHandTiles(p.tiles), p.replacement);
    }
    void operator()(const meld_declared_t &p) { emit m_manager.meldDeclared(p.table, p.player, toMeldTuple(p.meld)); }
    void operator()(const kan_dora_t &p) { emit m_manager.kanDora(p.table, p.indicator); }
    void operator()(const meld_suggestion_t &p)
    {
        emit m_manager.meldSuggestion(p.table, toTimeSpan(p.span), toMeldOffers(p.offers));
    }
    void operator()(const concealed_meld_suggestion_t &p)
    {
        emit m_manager.concealedMeldSuggestion(p.table, toTimeSpan(p.span), toMeldOffers(p.offers));
    }
    void operator()(const rob_the_kong_suggestion_t &p)
    {
        emit m_manager.robTheKongSuggestion(p.table, toTimeSpan(p.span), toMeldOffers(p.offers));
    }
    void operator()(const replacement_meld_suggestion_t &p)
    {
        emit m_manager.replacementMeldSuggestion(p.table, toTimeSpan(p.span), toMeldOffers(p.offers));
    }
    void operator()(const player_should_act_t &p) { emit m_manager.playerShouldAct(p.table, toTimeSpan(p.span), p.player); }
    void operator()(const waiting_for_t &p)
    {
        emit m_manager.waitingFor(p.table, WaitCondition::fromWire(p.condition), toTimeSpan(p.span), p.players);
    }
    void operator()(const waiting_over_t &p) { emit m_manager.waitingOver(p.table); }
    void operator()(const declare_bonus_t &p) { emit m_manager.declareBonus(p.table, p.player, toBonusTiles(p.tiles)); }
    void operator()(const hand_end_t &p) { emit m_manager.handEnd(p.table, conversions::toEndHand(p)); }
    void operator()(const end_of_round_t &p)
    {
        emit m_manager.endOfRound(p.table, conversions::toMonetaryRoundScores(p.scores));
    }
    void operator()(const are_you_ready_t &p) { emit m_manager.areYouReady(p.table, toTimeSpan(p.span)); }
    void operator()(const timeout_occured_t &p) { emit m_manager.timeoutOccured(p.table); }
    void operator()(const kick_player_t &p) { emit m_manager.kickPlayer(p.table, kick_reason::fromWire(p.reason)); }
    void operator()(const someone_declared_mahjong_t &p) { emit m_manager.someoneDeclaredMahjong(p.table, p.player); }
    void operator()(const player_is_ready_t &p) { emit m_manager.playerIsReady(p.table, p.player); }
    void operator()(const furiten_changed_t &p) { emit m_manager.furitenChanged(p.table, p.furiten); }
    void operator()(const active_changed_t &p) { emit m_manager.activeChanged(p.table, p.active); }
    void operator()(const someone_declared_meld_t &p)
    {
        emit m_manager.someoneDeclaredMeld(p.table, p.player, toMeld(p.meld_kind), p.first_tile);
    }

    // Player service.
    void operator()(const web_page_t &p)
    {
        if (playerService(p.service))
            emitWebPage(p.kind, p.url);
    }
    void operator()(const sub_pages_t &p)
    {
        if (!playerService(p.service))
            return;
        const auto kind = webPageKind(p.kind);
        if (!kind)
            return;
        QList<QPair<QString, QString>> pages;
        pages.reserve(qsizetype(p.pages.size()));
        for (const sub_page_t &page : p.pages)
            pages.append(qMakePair(page.page, page.title));
        emit m_manager.subPagesAvailable(*kind, pages);
    }
    void operator()(const coming_events_t &p)
    {
        if (playerService(p.service))
            emit m_manager.comingEvents(conversions::toComingEvents(p.events));
    }
    void operator()(const query_user_answer_t &p)
    {
        if (playerService(p.service))
            emit m_manager.queryUserAnswer(p.request, p.ok, conversions::toUserRecord(p), p.failure_text);
    }
    void operator()(const set_screenname_answer_t &p)
    {
        if (playerService(p.service))
            emit m_manager.screennameAnswer(p.ok, p.retry_allowed, p.message);
    }

    // Local service.
    void operator()(const local_web_page_t &p)
    {
        if (playerService(p.service))
            emitWebPage(p.kind, p.url);
    }
    void operator()(const register_user_answer_t &p)
    {
        if (playerService(p.service))
            emit m_manager.registerUserAnswer(p.ok, p.flag != 0, p.reason);
    }
    void operator()(const localized_table_names_t &p)
    {
        if (playerService(p.service))
            emit m_manager.localizedTableNames(p.language, conversions::toLocalizedNames(p.names));
    }

    // Tournaments.
    void operator()(const tournament_info_t &p) { emit m_manager.tournamentInfoUpdate(toTournamentInfo(p)); }
    void operator()(const tournament_info_update_t &p)
    {
        emit m_manager.tournamentInfoUpdate(p.tournament, toUpdates(p.updates));
    }
    void operator()(const tournament_removed_t &p) { emit m_manager.tournamentRemoved(p.tournament); }
    void operator()(const register_answer_t &p)
    {
        if (p.ok)
            emit m_manager.tournamentRegisterSuccess(p.tournament);
        else
            emit m_manager.tournamentRegisterFailed(p.tournament, tmnt_register_failed_reason::fromWire(p.reason));
    }
    void operator()(const unregister_answer_t &p)
    {
        if (p.ok)
            emit m_manager.tournamentUnregisterSuccess(p.tournament);
        else
            emit m_manager.tournamentUnregisterFailed(p.tournament, tmnt_register_failed_reason::fromWire(p.reason));
    }
    void operator()(const tournament_leave_success_t &p) { emit m_manager.tournamentLeaveSuccess(p.tournament); }
    void operator()(const player_discarded_t &p)
    {
        emit m_manager.playerDiscardedFromTournament(p.tournament, MttDiscardedReason::fromWire(p.reason));
    }
    void operator()(const ranking_list_t &p)
    {
        emit m_manager.tournamentRankings(p.tournament, conversions::toRankings(p.rankings));
    }
    void operator()(const prize_configuration_t &p)
    {
        emit m_manager.tournamentPrizeConfiguration(p.tournament, conversions::toPrizeConfiguration(p.ranges));
    }
    void operator()(const extended_registration_response_t &p)
    {
        emit m_manager.tournamentExtendedRegisterResponse(p.tournament, conversions::toExtendedResponse(p.requirements));
    }
    void operator()(const tournament_seated_t &p) { emit m_manager.tournamentSeated(p.tournament, p.table); }
    void operator()(const end_of_tournament_round_t &p)
    {
        emit m_manager.endOfTournamentRound(p.tournament, p.table, p.flag, conversions::toTournamentRoundScores(p.scores));
    }
    void operator()(const tournament_picked_up_t &p) { emit m_manager.tournamentPickedUp(p.tournament, p.table, p.flag); }

private:
    void versionChecked()
    {
        if (m_manager.m_platformVersionChecked && m_manager.m_gameVersionChecked) {
            m_manager.m_handshakeTimer.stop();
            emit m_manager.versionCheckComplete();
        }
    }

    // Answers of a service other than the player service have no meaning here.
    static bool playerService(qint32 service)
    {
        if (service == 1)
            return true;
        qWarning() << "answer of unknown service" << service << "skipped";
        return false;
    }

    static std::optional<WebPageRequest::enum_t> webPageKind(qint32 kind)
    {
        if (kind < WebPageRequest::POST_REGISTRATION || kind > WebPageRequest::RULES_HONGKONG) {
            qWarning() << "web page of unknown kind" << kind << "skipped";
            return std::nullopt;
        }
        return static_cast<WebPageRequest::enum_t>(kind);
    }

    void emitWebPage(qint32 kind, const QString &url)
    {
        if (const auto known = webPageKind(kind))
            emit m_manager.webPage(*known, url);
    }

    ConnectionManager &m_manager;
};

ConnectionManager::ConnectionManager(bool ssl, QObject *parent) : QObject(parent), m_ssl(ssl)
{
    registerConnectionMetaTypes();
    m_steadyClock.start();
    m_clock = [this] { return m_steadyClock.elapsed(); };
    m_handshakeTimer.setSingleShot(true);
    m_handshakeTimer.setInterval(HandshakeTimeoutMs);
    connect(&m_handshakeTimer, &QTimer::timeout, this, &ConnectionManager::onHandshakeTimeout);
}

ConnectionManager::~ConnectionManager() = default;

void ConnectionManager::setClock(std::function<qint64()> msecs)
{
    m_clock = std::move(msecs);
}

void ConnectionManager::setHandshakeTimeout(int msecs)
{
    m_handshakeTimer.setInterval(msecs);
}

void ConnectionManager::connectTo(const QString &host, quint16 port)
{
    m_host = host;
    m_port = port;
    connectToServer();
}

void ConnectionManager::connectToServer()
{
    if (m_connection) {
        const bool wasConnected = m_connection->isConnected();
        Connection *old = std::exchange(m_connection, nullptr);
        old->disconnect(this);
        old->disconnectFromHost();
        old->deleteLater();
        if (wasConnected)
            closed();
    }
    m_loggedIn = false;
    m_platformVersionChecked = false;
    m_gameVersionChecked = false;

    m_connection = new Connection(m_ssl, this);
    connect(m_connection, &Connection::connected, this, &ConnectionManager::onConnected);
    connect(m_connection, &Connection::disconnected, this, &ConnectionManager::onDisconnected);
    connect(m_connection, &Connection::socketError, this,
            [this](QAbstractSocket::SocketError, const QString &text) { onSocketError(text); });
    connect(m_connection, &Connection::messageReceived, this, &ConnectionManager::onMessage);
    connect(m_connection, &Connection::exceptionCaught, this, &ConnectionManager::exceptionCaught);

    qWarning() << " [INFO ] connecting to" << m_host << m_port << (m_ssl ? "with TLS" : "without TLS");
    emit connecting();
    m_handshakeTimer.start();
    m_connection->connectToHost(m_host, m_port);
}

bool ConnectionManager::isConnected() const
{
    return m_connection && m_connection->isConnected();
}

void ConnectionManager::setDisconnectExpected(bool expected)
{
    m_disconnectExpected = expected;
}

void ConnectionManager::prepareToQuit()
{
    qWarning() << " [INFO ] preparing to quit";
    setDisconnectExpected(true);
    logout();
    if (!isConnected())
        return;
    for (int i = 0; i < 10; ++i) {
        if (m_connection->waitForBytesWritten(50))
            break;
    }
}

void ConnectionManager::stopDispatching()
{
    if (m_connection)
        m_connection->stopDispatching();
}

void ConnectionManager::onConnected()
{
    qWarning() << " [INFO ] connected to the game server";
    emit connected();
    platform_version_t version;
    version.platform_version = PlatformVersion;
    send(version);
}

void ConnectionManager::onDisconnected()
{
    closed();
    if (std::exchange(m_disconnectExpected, false)) {
        qWarning() << " [INFO ] disconnected as expected";
        return;
    }
    // The connection logged why it closed itself.
    if (!m_connection || !m_connection->closedByClient())
        qWarning() << "the game server closed the connection";
    emit disconnected();
}

void ConnectionManager::onSocketError(const QString &text)
{
    if (isConnected()) {
        // A lost connection is reported when the socket closes.
        qWarning() << "game connection error:" << text;
        return;
    }
    closed();
    if (std::exchange(m_disconnectExpected, false)) {
        qWarning() << " [INFO ] game connection failed as expected:" << text;
        return;
    }
    qWarning() << "could not connect to the game server:" << text;
    emit connectionFailed(text);
}

void ConnectionManager::onHandshakeTimeout()
{
    if (!m_connection)
        return;
    const QString seconds = QString::number(m_handshakeTimer.interval() / 1000.0);
    QString text;
    if (m_connection->isConnected())
        text = tr("The game server did not answer the version handshake within %1 seconds.").arg(seconds);
    else if (m_ssl && m_connection->socket()->state() == QAbstractSocket::ConnectedState)
        text = tr("The TLS handshake with the game server did not finish within %1 seconds.").arg(seconds);
    else
        text = tr("Could not connect to the game server within %1 seconds.").arg(seconds);
    qWarning().noquote() << "closing the connection:" << text;
    Connection *old = std::exchange(m_connection, nullptr);
    old->disconnect(this);
    old->socket()->abort();
    old->deleteLater();
    closed();
    if (std::exchange(m_disconnectExpected, false))
        return;
    emit connectionFailed(text);
}

void ConnectionManager::closed()
{
    m_handshakeTimer.stop();
    m_loggedIn = false;
    {
        QMutexLocker lock(&m_mutex);
        m_pendingPlayersOnline.clear();
        m_cancelledWaitingIds.clear();
    }
    emit connectionClosed();
}

void ConnectionManager::onMessage(std::unique_ptr<protocol::message_t> &message)
{
    Dispatcher dispatcher(*this);
    // A packet beyond the game's limits is refused before any signal; the session goes on.
    const auto refusing = [this, &dispatcher](const auto &packet) {
        try {
            dispatcher(packet);
        } catch (const limit_error &e) {
            const QString refused = QStringLiteral("%1 refused").arg(QLatin1String(std::decay_t<decltype(packet)>::type_name));
            m_packetWarnings.warn(refused, QStringLiteral("%1: %2").arg(refused, QString::fromUtf8(e.what())));
        }
    };
    QString skipped;
    switch (protocol::visit<protocol::direction::to_client>(*message, refusing)) {
    case protocol::visit_result::handled:
        return;
    case protocol::visit_result::unknown_class:
        skipped = QStringLiteral("packet of unknown class %1 skipped").arg(int(message->classId()));
        break;
    case protocol::visit_result::unknown_inner:
        skipped = QStringLiteral("packet of unknown inner id in class %1 skipped").arg(int(message->classId()));
        break;
    }
    m_packetWarnings.warn(skipped, skipped);
}

template <class P>
bool ConnectionManager::send(const P &packet)
{
    if (!isConnected()) {
        qWarning() << "not connected to the game server, dropping" << P::type_name;
        return false;
    }
    return m_connection->send(packet);
}

qint32 ConnectionManager::nextRequestId()
{
    QMutexLocker lock(&m_mutex);
    if (m_lastRequestId == std::numeric_limits<qint32>::max())
        m_lastRequestId = 0;
    return ++m_lastRequestId;
}

bool ConnectionManager::joinThrottled(qint32 tableId, qint8 seat)
{
    const quint64 key = (quint64(quint32(tableId)) << 8) | quint8(seat);
    const qint64 now = m_clock();
    QMutexLocker lock(&m_mutex);
    const auto last = m_lastJoin.constFind(key);
    if (last != m_lastJoin.constEnd() && now - *last < JoinThrottleMs)
        return true;
    m_lastJoin.insert(key, now);
    return false;
}

// Login, account and session.

void ConnectionManager::login(const QString &user, const QString &password)
{
    login_t packet;
    packet.user = user;
    packet.password = password;
    send(packet);
}

void ConnectionManager::logout()
{
    send(logout_t());
}

void ConnectionManager::log_client_uuid(const std::string &uuid)
{
    log_client_uuid_t packet;
    packet.uuid = QString::fromStdString(uuid);
    send(packet);
}

void ConnectionManager::query_account_balance()
{
    send(query_account_balance_t());
}

void ConnectionManager::query_lobby_summary()
{
    send(query_lobby_summary_t());
}

void ConnectionManager::query_client_config()
{
    send(query_client_config_t());
}

void ConnectionManager::tournaments_lobby_subscribe()
{
    send(tournaments_lobby_subscribe_t());
}

void ConnectionManager::storePlayerProperties(const QMap<QString, QString> &properties)
{
    if (!m_loggedIn || !isConnected()) {
        qDebug() << "not logged in, player properties not stored";
        return;
    }
    store_player_properties_t packet;
    packet.properties.reserve(std::size_t(properties.size()));
    for (auto it = properties.constBegin(); it != properties.constEnd(); ++it)
        packet.properties.push_back({it.key(), it.value()});
    send(packet);
}

// Tables and lobby.

bool ConnectionManager::join_table(qint32 tableId, qint8 seat)
{
    if (!isConnected()) {
        qWarning() << "not connected to the game server, dropping the join of table" << tableId;
        return false;
    }
    if (joinThrottled(tableId, seat)) {
        qWarning() << "join of table" << tableId << "seat" << int(seat) << "repeated within"
                   << JoinThrottleMs << "ms, refused";
        return false;
    }
    auto packet = tablePacket<join_table_t>(tableId);
    packet.seat = seat;
    return send(packet);
}

void ConnectionManager::watch_table(qint32 tableId)
{
    send(tablePacket<watch_table_t>(tableId));
}

void ConnectionManager::unwatch_table(qint32 tableId)
{
    send(tablePacket<unwatch_table_t>(tableId));
}

void ConnectionManager::leave_table(qint32 tableId)
{
    send(tablePacket<leave_table_t>(tableId));
}

void ConnectionManager::reactivate_table(qint32 tableId)
{
    send(tablePacket<reactivate_table_t>(tableId));
}

void ConnectionManager::ready(qint32 tableId, qint32 playerId)
{
    send(gamePacket<ready_t>(tableId, playerId));
}

int ConnectionManager::query_players_online(int count, const std::vector<qint32> &players)
{
    query_players_online_t packet;
    packet.request = nextRequestId();
    packet.count = count;
    packet.players = players;
    if (!send(packet))
        return -1;
    QMutexLocker lock(&m_mutex);
    m_pendingPlayersOnline.insert(packet.request);
    return packet.request;
}

void ConnectionManager::filter_join(const QString &filter)
{
    filter_join_t packet;
    packet.filter = filter;
    send(packet);
}

void ConnectionManager::cancel_filter_join(int waitingId)
{
    cancel_filter_join_t packet;
    packet.waiting_id = waitingId;
    if (!send(packet))
        return;
    QMutexLocker lock(&m_mutex);
    m_cancelledWaitingIds.insert(waitingId);
}

void ConnectionManager::invite_players(qint32 tableId, const std::vector<qint32> &players)
{
    auto packet = tablePacket<invite_players_t>(tableId);
    packet.players = players;
    send(packet);
}

void ConnectionManager::query_table_seated(qint32 tableId)
{
    send(tablePacket<query_table_seated_t>(tableId));
}

bool ConnectionManager::sendSubscription(const QString &path, bool subscribe)
{
    const char *what = subscribe ? "subscribe" : "unsubscribe";
    const qsizetype slash = path.indexOf(QLatin1Char('/'));
    if (slash < 0) {
        qWarning() << "invalid path in" << what << path;
        return false;
    }
    bool ok = false;
    const qint32 gameId = path.left(slash).toInt(&ok, 10);
    if (!ok) {
        qWarning() << "path game-id part not an integer in" << what << path;
        return false;
    }
    const QByteArray rest = path.mid(slash + 1).toUtf8();
    if (subscribe)
        return send(lobbyPathPacket<lobby_table_subscribe_t>(gameId, rest));
    return send(lobbyPathPacket<lobby_table_unsubscribe_t>(gameId, rest));
}

bool ConnectionManager::lobby_table_subscribe(const QString &path)
{
    return sendSubscription(path, true);
}

bool ConnectionManager::lobby_table_unsubscribe(const QString &path)
{
    return sendSubscription(path, false);
}

void ConnectionManager::query_lobby_structure()
{
    send(query_lobby_structure_t());
}

// Game actions.

void ConnectionManager::discard_tile(qint32 tableId, qint32 playerId, tile t)
{
    send(gamePacket(tableId, playerId, &discard_tile_t::discard, t));
}

void ConnectionManager::call_pass(qint32 tableId, qint32 playerId, bool automatic)
{
    send(gamePacket(tableId, playerId, &call_pass_t::automatic, automatic));
}

void ConnectionManager::call_chow(qint32 tableId, qint32 playerId, tile t)
{
    send(gamePacket(tableId, playerId, &call_chow_t::first_tile, t));
}

void ConnectionManager::call_pong(qint32 tableId, qint32 playerId, tile t)
{
    send(gamePacket(tableId, playerId, &call_pong_t::first_tile, t));
}

void ConnectionManager::call_pong_to_kong(qint32 tableId, qint32 playerId, tile t)
{
    send(gamePacket(tableId, playerId, &call_pong_to_kong_t::first_tile, t));
}

void ConnectionManager::call_kong(qint32 tableId, qint32 playerId, tile t)
{
    send(gamePacket(tableId, playerId, &call_kong_t::first_tile, t));
}

void ConnectionManager::call_riichi(qint32 tableId, qint32 playerId, tile t)
{
    send(gamePacket(tableId, playerId, &call_riichi_t::discard, t));
}

void ConnectionManager::call_bonus(qint32 tableId, qint32 playerId, tile t)
{
    send(gamePacket(tableId, playerId, &call_bonus_t::bonus, t));
}

void ConnectionManager::call_mahjong(qint32 tableId, qint32 playerId)
{
    send(gamePacket<call_mahjong_t>(tableId, playerId));
}

// Tournaments.

void ConnectionManager::register_tournament_request(qint32 tournamentId)
{
    send(tournamentPacket<register_tournament_t>(tournamentId));
}

void ConnectionManager::unregister_tournament_request(qint32 tournamentId)
{
    send(tournamentPacket<unregister_tournament_t>(tournamentId));
}

void ConnectionManager::get_tournament_ranking_list(int tournamentId)
{
    send(tournamentPacket<get_ranking_list_t>(tournamentId));
}

void ConnectionManager::query_tournament_prize_configuration(qint32 tournamentId)
{
    send(tournamentPacket<query_prize_configuration_t>(tournamentId));
}

void ConnectionManager::query_extended_tournament_registration_response(qint32 tournamentId)
{
    send(tournamentPacket<query_extended_registration_t>(tournamentId));
}

// Web pages, names and events.

void ConnectionManager::query_web_page(WebPageRequest::enum_t kind, const QString &language, const QString &hint)
{
    if (isLocalWebPage(kind))
        send(webPagePacket<local_query_web_page_t>(kind, language, hint));
    else
        send(webPagePacket<query_web_page_t>(kind, language, hint));
}

void ConnectionManager::query_sub_pages_available(WebPageRequest::enum_t kind, const QString &language)
{
    query_sub_pages_t packet;
    packet.kind = kind;
    packet.language = language;
    send(packet);
}

void ConnectionManager::query_localized_table_names(const QString &language, const std::vector<QString> &paths)
{
    query_localized_table_names_t packet;
    packet.language = language;
    packet.paths = paths;
    send(packet);
}

void ConnectionManager::query_coming_events()
{
    send(query_coming_events_t());
}

// Requests of the server clock and the player directory.

qint32 ConnectionManager::query_server_time()
{
    server_time_request_t packet;
    packet.request = nextRequestId();
    return send(packet) ? packet.request : -1;
}

qint32 ConnectionManager::query_user(const QString &screenName)
{
    query_user_t packet;
    packet.request = nextRequestId();
    packet.screen_name = screenName;
    return send(packet) ? packet.request : -1;
}

bool ConnectionManager::set_screenname(const QString &screenName)
{
    set_screenname_t packet;
    packet.screen_name = screenName;
    return send(packet);
}

bool ConnectionManager::register_user(const QString &name, const QString &password, const QString &email,
                                      const QString &extra)
{
    register_user_t packet;
    packet.name = name;
    packet.password = password;
    packet.email = email;
    packet.extra = extra;
    return send(packet);
}
