#include "testmain.h"

#include "ConnectedManager.h"
#include "StallMeter.h"
#include "logfile.h"
#include "connection/RepeatedWarnings.h"
#include "protocol/Connection.h"
#include "protocol/packets.h"

#include <QSemaphore>
#include <QTcpServer>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QString Scenario = QStringLiteral("connection-manager.json");

// Spies on many signals of one manager at once.
class Spies
{
public:
    template <class Signal>
    QSignalSpy *operator()(const ConnectionManager *manager, Signal signal)
    {
        m_spies.push_back(std::make_unique<QSignalSpy>(manager, signal));
        return m_spies.back().get();
    }
    void clear() { m_spies.clear(); }
    const std::vector<std::unique_ptr<QSignalSpy>> &all() const { return m_spies; }

private:
    std::vector<std::unique_ptr<QSignalSpy>> m_spies;
};

} // namespace

class TestConnectionManager : public QObject
{
    Q_OBJECT

private slots:
    void loginOverTlsReachesTheLobby();
    void handshakeRefusesOtherVersions_data();
    void handshakeRefusesOtherVersions();
    void loginFailure();
    void accountRequestsAndAnswers();
    void tableLobbyFamily();
    void lobbySubscriptionPaths_data();
    void lobbySubscriptionPaths();
    void joinWatchLeaveFamily();
    void joinThrottle();
    void playersOnlineIds();
    void waitingListCancellation();
    void gameFamily();
    void gameActionsWriteOneFrameEach();
    void badEnumerationRaisesServerError();
    void tournamentFamily();
    void tournamentRequests();
    void webPagesNamesAndEvents();
    void playerPropertiesOnlyWhenLoggedIn();
    void requestsOnAClosedConnectionAreDropped();
    void refusedConnectionIsReported();
    void expectedDisconnectIsNotReported();
    void unexpectedDisconnectIsReported();
    void protocolFaultsAreLoggedOnce();
    void handshakesThatNeverFinishTimeOut();
    void prepareToQuitWritesTheLogoutAtOnce();
    void floodOfTableRecords_data();
    void floodOfTableRecords();
};

void TestConnectionManager::loginOverTlsReachesTheLobby()
{
    ConnectedManager c;
    QVERIFY(c.start(Scenario, true));
    QVERIFY(c.manager->isUsingSsl());
    QVERIFY(c.manager->connection());
    QCOMPARE(c.manager->connection()->socket()->socketOption(QAbstractSocket::LowDelayOption).toInt(), 1);
    QVERIFY(c.received(QStringLiteral("platform_version_t"), QStringLiteral("{\"platform_version\":6523}")));

    QSignalSpy login(c.manager.get(), &ConnectionManager::loginSuccess);
    QSignalSpy balance(c.manager.get(), &ConnectionManager::currentAccountBalance);
    QSignalSpy summary(c.manager.get(), &ConnectionManager::lobbySummary);
    QSignalSpy config(c.manager.get(), &ConnectionManager::clientConfig);
    QSignalSpy tables(c.manager.get(), qOverload<const TableInfo &>(&ConnectionManager::tableInfoUpdate));

    c.manager->login(QStringLiteral("alice"), QStringLiteral("secret"));
    QVERIFY(login.wait());
    QCOMPARE(login.first().at(0).toInt(), 1001);
    QCOMPARE(login.first().at(1).toString(), QStringLiteral("alice"));
    QCOMPARE(login.first().at(2).toString(), QStringLiteral("chat-secret"));
    QCOMPARE(login.first().at(3).toBool(), true);
    QVERIFY(c.manager->isLoggedIn());

    c.manager->query_account_balance();
    c.manager->query_lobby_summary();
    c.manager->query_client_config();
    QVERIFY(c.manager->lobby_table_subscribe(QStringLiteral("101/Practice")));
    QTRY_COMPARE(tables.count(), 2);

    QCOMPARE(balance.count(), 1);
    QCOMPARE(balance.first().at(0).value<std::int64_t>(), std::int64_t(123456));
    QCOMPARE(balance.first().at(1).value<std::int64_t>(), std::int64_t(500));
    QCOMPARE(balance.first().at(2).value<std::int64_t>(), std::int64_t(7));

    QCOMPARE(summary.count(), 1);
    const auto lobby = summary.first().at(0).value<lobby_summary_t>();
    QCOMPARE(lobby.playersOnline, 42);
    QCOMPARE(lobby.tablesInPlay, 7);
    QVERIFY(lobby.latestLogins == std::vector<qint32>({1001, 1002}));

    QCOMPARE(config.count(), 1);
    const auto chat = config.first().at(0).value<ClientConfig>();
    QCOMPARE(chat.xmppHost(QString()), QStringLiteral("chat.example"));
    QCOMPARE(int(chat.xmppPort(5222)), 5223);
    QCOMPARE(chat.conferenceService(), QStringLiteral("conference.chat.example"));
    QVERIFY(!chat.hasRoomJid());

    const auto first = tables.at(0).at(0).value<TableInfo>();
    QCOMPARE(first.id(), 5001);
    QCOMPARE(first.lobbyPath(), QStringLiteral("101/Practice"));
    QCOMPARE(first.name(), QStringLiteral("Bamboo Grove"));
    QCOMPARE(first.ruleset(), 3);
    QCOMPARE(first.capacity().seats(), 4);
    QCOMPARE(tables.at(1).at(0).value<TableInfo>().id(), 5002);
}

void TestConnectionManager::handshakeRefusesOtherVersions_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<QString>("text");
    QTest::newRow("platform") << "wrong-platform-version.json" << "platform version 6522";
    QTest::newRow("game") << "wrong-game-version.json" << "game version 3203";
}

void TestConnectionManager::handshakeRefusesOtherVersions()
{
    QFETCH(QString, scenario);
    QFETCH(QString, text);
    TestServer server;
    QVERIFY(server.start(TestServer::scenario(scenario), false));
    ConnectionManager manager(false);
    QSignalSpy connecting(&manager, &ConnectionManager::connecting);
    QSignalSpy connected(&manager, &ConnectionManager::connected);
    QSignalSpy complete(&manager, &ConnectionManager::versionCheckComplete);
    QSignalSpy exception(&manager, &ConnectionManager::exceptionCaught);
    manager.connectTo(QStringLiteral("127.0.0.1"), server.gamePort());
    QCOMPARE(connecting.count(), 1);
    QVERIFY(exception.wait());
    QCOMPARE(connected.count(), 1);
    QVERIFY(QString::fromStdString(exception.first().at(0).value<std::string>()).contains(text));
    QTest::qWait(100);
    QCOMPARE(complete.count(), 0);
}

void TestConnectionManager::loginFailure()
{
    ConnectedManager c;
    QVERIFY(c.start(Scenario));
    QSignalSpy failed(c.manager.get(), &ConnectionManager::loginFailed);
    c.manager->login(QStringLiteral("alice"), QStringLiteral("wrong \u00e9"));
    QVERIFY(failed.wait());
    QCOMPARE(failed.first().at(0).toInt(), 2);
    QVERIFY(!c.manager->isLoggedIn());
    QVERIFY(c.received(QStringLiteral("login_t")));
}

void TestConnectionManager::accountRequestsAndAnswers()
{
    ConnectedManager c;
    QVERIFY(c.start(Scenario));
    QVERIFY(c.login());
    QSignalSpy system(c.manager.get(), &ConnectionManager::systemMessage);
    c.manager->log_client_uuid("ab-12");
    QVERIFY(system.wait());
    QCOMPARE(system.first().at(0).toInt(), 3);
    QCOMPARE(system.first().at(1).toInt(), 4);
    QCOMPARE(system.first().at(2).toString(), QStringLiteral("ab-12"));
    QVERIFY(c.received(QStringLiteral("log_client_uuid_t"), QStringLiteral("{\"uuid\":\"ab-12\"}")));
}

void TestConnectionManager::tableLobbyFamily()
{
    ConnectedManager c;
    QVERIFY(c.start(Scenario));
    QSignalSpy updates(c.manager.get(),
                       qOverload<const qint32, const int, const TableInfoUpdates &>(&ConnectionManager::tableInfoUpdate));
    QSignalSpy removed(c.manager.get(), &ConnectionManager::tableRemoved);
    QSignalSpy structure(c.manager.get(), &ConnectionManager::lobbyStructure);
    QSignalSpy seated(c.manager.get(), &ConnectionManager::tableSeated);

    QVERIFY(c.manager->lobby_table_subscribe(QStringLiteral("101/Changes")));
    c.manager->query_lobby_structure();
    c.manager->query_table_seated(5001);
    QTRY_COMPARE(seated.count(), 1);

    QCOMPARE(updates.count(), 1);
    QCOMPARE(updates.first().at(0).toInt(), 5001);
    QCOMPARE(updates.first().at(1).toInt(), 3);
    const auto changes = updates.first().at(2).value<TableInfoUpdates>();
    QCOMPARE(changes.size(), std::size_t(1));
    QCOMPARE(changes.front().first, int(TableInfo::NAME));
    QCOMPARE(changes.front().second.toString(), QStringLiteral("Bamboo Hall"));

    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.first().at(0).toInt(), 5002);

    QCOMPARE(structure.count(), 1);
    const auto root = structure.first().at(0).value<LobbyStructure>();
    QCOMPARE(root.name, QStringLiteral("101"));
    QCOMPARE(root.children.size(), std::size_t(2));
    const LobbyStructure *regular = root.child(QStringLiteral("Regular"));
    QVERIFY(regular);
    QVERIFY(!regular->isLeaf);
    QCOMPARE(regular->children.at(1).name, QStringLiteral("Money"));
    QVERIFY(regular->children.at(1).isLeaf);

    QCOMPARE(seated.first().at(0).toInt(), 5001);
    QVERIFY(seated.first().at(1).value<std::vector<qint32>>() == std::vector<qint32>({1001, 1002, 1003}));
}

void TestConnectionManager::lobbySubscriptionPaths_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("sent");
    QTest::addColumn<QString>("fields");
    QTest::newRow("practice") << "101/Practice" << true << "{\"game_id\":101,\"path_rest\":\"Practice\"}";
    QTest::newRow("deep") << "101/mtt/900" << true << "{\"game_id\":101,\"path_rest\":\"mtt/900\"}";
    QTest::newRow("empty rest") << "102/" << true << "{\"game_id\":102,\"path_rest\":\"\"}";
    QTest::newRow("no slash") << "101" << false << "";
    QTest::newRow("game id not a number") << "lobby/Practice" << false << "";
    QTest::newRow("empty game id") << "/Practice" << false << "";
}

void TestConnectionManager::lobbySubscriptionPaths()
{
    QFETCH(QString, path);
    QFETCH(bool, sent);
    QFETCH(QString, fields);
    ConnectedManager c;
    QVERIFY(c.start(Scenario));
    if (!sent) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("(invalid path|not an integer) in subscribe")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("(invalid path|not an integer) in unsubscribe")));
    }
    QCOMPARE(c.manager->lobby_table_subscribe(path), sent);
    QCOMPARE(c.manager->lobby_table_unsubscribe(path), sent);
    if (sent) {
        QVERIFY(c.received(QStringLiteral("lobby_table_subscribe_t"), fields));
        QVERIFY(c.received(QStringLiteral("lobby_table_unsubscribe_t"), fields));
    } else {
        c.manager->query_lobby_summary();
        QVERIFY(c.received(QStringLiteral("query_lobby_summary_t")));
        QCOMPARE(c.receivedCount(QStringLiteral("lobby_table_subscribe_t")), 0);
        QCOMPARE(c.receivedCount(QStringLiteral("lobby_table_unsubscribe_t")), 0);
    }
}

void TestConnectionManager::joinWatchLeaveFamily()
{
    ConnectedManager c;
    QVERIFY(c.start(Scenario));
    QSignalSpy joined(c.manager.get(), &ConnectionManager::joinSuccessful);
    QSignalSpy joinFailed(c.manager.get(), &ConnectionManager::joinFailed);
    QSignalSpy watched(c.manager.get(), &ConnectionManager::watchSuccessful);
    QSignalSpy watchFailed(c.manager.get(), &ConnectionManager::watchFailed);
    QSignalSpy unwatched(c.manager.get(), &ConnectionManager::unwatchSuccessful);
    QSignalSpy unwatchFailed(c.manager.get(), &ConnectionManager::unwatchFailed);
    QSignalSpy left(c.manager.get(), &ConnectionManager::leaveSuccessful);
    QSignalSpy leaveFailed(c.manager.get(), &ConnectionManager::leaveFailed);
    QSignalSpy alreadySeated(c.manager.get(), &ConnectionManager::alreadySeated);
    QSignalSpy notifySeated(c.manager.get(), &ConnectionManager::notifySeated);
    QSignalSpy notifyWatching(c.manager.get(), &ConnectionManager::notifyWatching);
    QSignalSpy invited(c.manager.get(), &ConnectionManager::notifyInvited);
    QSignalSpy waiting(c.manager.get(), &ConnectionManager::waitingList);

    c.manager->join_table(10, 2);
    c.manager->join_table(11);
    c.manager->watch_table(20);
    c.manager->watch_table(21);
    c.manager->unwatch_table(20);
    c.manager->unwatch_table(21);
    c.manager->leave_table(30);
    c.manager->leave_table(31);
    c.manager->reactivate_table(40);
    c.manager->invite_players(50, {1002, 1003});
    c.manager->filter_join(QStringLiteral("ruleset=3"));
    QTRY_COMPARE(waiting.count(), 1);

    QCOMPARE(joined.count(), 1);
    QCOMPARE(joined.first().at(0).toInt(), 10);
    QCOMPARE(joinFailed.count(), 1);
    QCOMPARE(joinFailed.first().at(0).toInt(), 11);
    QCOMPARE(joinFailed.first().at(1).value<join_failed_reason::enum_t>(), join_failed_reason::TABLE_FULL);
    QCOMPARE(watched.count(), 1);
    QCOMPARE(watched.first().at(0).toInt(), 20);
    QCOMPARE(watchFailed.count(), 1);
    QCOMPARE(watchFailed.first().at(1).toString(), QStringLiteral("watching not allowed"));
    QCOMPARE(unwatched.count(), 1);
    QCOMPARE(unwatchFailed.count(), 1);
    QCOMPARE(unwatchFailed.first().at(0).toInt(), 21);
    QCOMPARE(left.count(), 1);
    QCOMPARE(left.first().at(0).toInt(), 30);
    QCOMPARE(leaveFailed.count(), 1);
    QCOMPARE(leaveFailed.first().at(1).toString(), QStringLiteral("hand in play"));
    QCOMPARE(alreadySeated.count(), 1);
    QCOMPARE(alreadySeated.first().at(0).toInt(), 40);
    QCOMPARE(notifySeated.count(), 1);
    QCOMPARE(notifySeated.first().at(1).toInt(), 2);
    QCOMPARE(notifySeated.first().at(2).toInt(), -1);
    QCOMPARE(notifyWatching.count(), 1);
    QCOMPARE(notifyWatching.first().at(0).toInt(), 41);
    QCOMPARE(invited.count(), 1);
    QCOMPARE(invited.first().at(0).toInt(), 50);
    QCOMPARE(invited.first().at(1).toInt(), 1002);
    QCOMPARE(waiting.first().at(0).toInt(), 77);

    QVERIFY(c.received(QStringLiteral("join_table_t"), QStringLiteral("{\"seat\":2,\"table\":10}")));
    QVERIFY(c.received(QStringLiteral("join_table_t"), QStringLiteral("{\"seat\":-1,\"table\":11}")));
    QVERIFY(c.received(QStringLiteral("invite_players_t"), QStringLiteral("{\"players\":[1002,1003],\"table\":50}")));
    QVERIFY(c.received(QStringLiteral("filter_join_t"), QStringLiteral("{\"filter\":\"ruleset=3\"}")));
}

void TestConnectionManager::joinThrottle()
{
    ConnectedManager c;
    QVERIFY(c.start(Scenario));
    qint64 now = 100000;
    c.manager->setClock([&now] { return now; });
    QSignalSpy joined(c.manager.get(), &ConnectionManager::joinSuccessful);

    QVERIFY(c.manager->join_table(12, -1));
    now += 1999;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("join of table 12 seat -1 repeated")));
    QVERIFY(!c.manager->join_table(12, -1));
    QVERIFY(c.manager->join_table(13, -1)); // another table
    QVERIFY(c.manager->join_table(12, 1));  // another seat
    now += 2;                               // 2001 ms after the first
    QVERIFY(c.manager->join_table(12, -1));
    QTRY_COMPARE(joined.count(), 4);
    // The server reads in order: once a later request is in, every join sent is too.
    c.manager->query_lobby_summary();
    QVERIFY(c.received(QStringLiteral("query_lobby_summary_t")));
    QCOMPARE(c.receivedCount(QStringLiteral("join_table_t")), 4);
    QCOMPARE(joined.count(), 4);
}

void TestConnectionManager::playersOnlineIds()
{
    ConnectedManager c;
    QVERIFY(c.start(Scenario));
    QSignalSpy online(c.manager.get(), &ConnectionManager::playersOnline);
    const int first = c.manager->query_players_online(10, {1001, 1002, 1003});
    const int second = c.manager->query_players_online(10, {1003});
    QVERIFY(first > 0);
    QVERIFY(second > first);
    QTRY_COMPARE(online.count(), 2);
    QCOMPARE(online.at(0).at(0).toInt(), first);
    QCOMPARE(online.at(1).at(0).toInt(), second);
    QVERIFY(online.at(0).at(1).value<std::vector<qint32>>() == std::vector<qint32>({1001, 1003}));
    QVERIFY(c.received(QStringLiteral("query_players_online_t"),
                       QStringLiteral("{\"count\":10,\"players\":[1001,1002,1003],\"request\":%1}").arg(first)));

    // An answer to a request that was never made is dropped.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("players-online answer for unknown request 123456")));
    QVERIFY(c.manager->query_players_online(99, {1}) > second);
    // Answers come in order: the stray one is handled before the answer of the next request.
    const int third = c.manager->query_players_online(10, {1});
    QTRY_COMPARE(online.count(), 3);
    QCOMPARE(online.at(2).at(0).toInt(), third);
}

void TestConnectionManager::waitingListCancellation()
{
    ConnectedManager c;
    QVERIFY(c.start(Scenario));
    QSignalSpy waiting(c.manager.get(), &ConnectionManager::waitingList);
    // The scenario answers a cancellation with a late waiting-list entry of the same id.
    c.manager->cancel_filter_join(78);
    QVERIFY(c.received(QStringLiteral("cancel_filter_join_t"), QStringLiteral("{\"waiting_id\":78}")));
    c.manager->filter_join(QStringLiteral("any"));
    QVERIFY(waiting.wait());
    QCOMPARE(waiting.count(), 1);
    QCOMPARE(waiting.first().at(0).toInt(), 77);
}

void TestConnectionManager::gameFamily()
{
    ConnectedManager c;
    QVERIFY(c.start(Scenario));
    ConnectionManager *m = c.manager.get();
    Spies spies;
    auto gameData = spies(m, &ConnectionManager::gameData);
    auto privateData = spies(m, &ConnectionManager::privatePlayerData);
    auto playerJoined = spies(m, &ConnectionManager::playerJoined);
    auto playerLeft = spies(m, &ConnectionManager::playerLeft);
    auto startHand = spies(m, &ConnectionManager::startHand);
    auto discarded = spies(m, &ConnectionManager::tileDiscarded);
    auto riichi = spies(m, &ConnectionManager::riichiDeclared);
    spies(m, &ConnectionManager::tileClaimed);
    auto hidden = spies(m, &ConnectionManager::hiddenTilesFromWall);
    auto fromWall = spies(m, &ConnectionManager::tilesFromWall);
    auto meldDeclared = spies(m, &ConnectionManager::meldDeclared);
    auto kanDora = spies(m, &ConnectionManager::kanDora);
    auto meldSuggestion = spies(m, &ConnectionManager::meldSuggestion);
    auto concealed = spies(m, &ConnectionManager::concealedMeldSuggestion);
    auto robKong = spies(m, &ConnectionManager::robTheKongSuggestion);
    auto replacement = spies(m, &ConnectionManager::replacementMeldSuggestion);
    auto shouldAct = spies(m, &ConnectionManager::playerShouldAct);
    auto waitingFor = spies(m, &ConnectionManager::waitingFor);
    spies(m, &ConnectionManager::waitingOver);
    auto bonus = spies(m, &ConnectionManager::declareBonus);
    auto handEnd = spies(m, &ConnectionManager::handEnd);
    auto endOfRound = spies(m, &ConnectionManager::endOfRound);
    spies(m, &ConnectionManager::areYouReady);
    spies(m, &ConnectionManager::timeoutOccured);
    auto kick = spies(m, &ConnectionManager::kickPlayer);
    spies(m, &ConnectionManager::someoneDeclaredMahjong);
    spies(m, &ConnectionManager::playerIsReady);
    auto furiten = spies(m, &ConnectionManager::furitenChanged);
    auto active = spies(m, &ConnectionManager::activeChanged);
    auto someoneMeld = spies(m, &ConnectionManager::someoneDeclaredMeld);

    m->ready(7, 1001);
    QTRY_COMPARE(someoneMeld->count(), 1);
    for (const auto &s : spies.all()) {
        QVERIFY2(s->count() == 1, s->signal().constData());
        QCOMPARE(s->first().at(0).toInt(), 7);
    }
    QVERIFY(c.received(QStringLiteral("ready_t"), QStringLiteral("{\"player\":1001,\"table\":7}")));

    const QList<QVariant> data = gameData->first();
    QCOMPARE(data.at(1).value<qint64>(), qint64(88));
    QCOMPARE(data.at(2).value<server_game_state::enum_t>(), server_game_state::BETWEEN_HANDS);
    const auto players = data.at(3).value<std::vector<PlayerData>>();
    QCOMPARE(players.size(), std::size_t(2));
    QCOMPARE(players[0].name(), QStringLiteral("alice"));
    QCOMPARE(players[0].riichiDiscardIndex(), 1);
    QCOMPARE(players[0].discards().size(), std::size_t(3));
    QCOMPARE(players[0].melds().size(), std::size_t(1));
    QCOMPARE(players[0].melds().front().kind, PONG);
    QCOMPARE(players[0].melds().front().claimedFrom, 1002);
    QVERIFY(players[0].hand() == tile_vector({tile(4), tile(5)}));
    QCOMPARE(players[1].wind(), 1);
    QCOMPARE(players[1].hiddenTileCount(), 13);
    QCOMPARE(players[1].roundScore(), -1000);
    const auto tableState = data.at(4).value<TableState>();
    QCOMPARE(tableState.referencePlayer, 1001);
    QCOMPARE(tableState.prevalentWind, 1);
    QCOMPARE(tableState.thirdValue, 3);
    QCOMPARE(tableState.lastDiscarder, -1);
    QCOMPARE(tableState.riichiSticks, 1);
    QCOMPARE(tableState.counterSticks, 2);
    const auto wall = data.at(5).value<WallState>();
    QCOMPARE(wall.deadWallPosition, 10);
    QVERIFY(wall.dora == tile_vector({tile(12)}));
    QCOMPARE(wall.liveTiles, 70);
    QCOMPARE(wall.deadWallTiles, 14);
    QCOMPARE(wall.deadWallTilesDealt, 1);

    const auto own = privateData->first().at(1).value<PrivatePlayerData>();
    QVERIFY(own.concealed == tile_vector({tile(1), tile(2), tile(3)}));
    QVERIFY(own.active);
    QVERIFY(own.furiten);

    QCOMPARE(playerJoined->first().at(1).value<PlayerData>().name(), QStringLiteral("carol"));
    QCOMPARE(playerLeft->first().at(1).toInt(), 1003);

    const QList<QVariant> hand = startHand->first();
    QCOMPARE(hand.at(1).value<qint64>(), qint64(89));
    const auto seating = hand.at(2).value<Seating>();
    QCOMPARE(seating.playerAt(0), 1002);
    QCOMPARE(seating.playerAt(2), -1);
    QCOMPARE(seating.playerAt(3), 1004);
    const auto scores = hand.at(3).value<round_score_vector>();
    QCOMPARE(scores.size(), std::size_t(1));
    QCOMPARE(scores[0].gameScore, 25000);
    QCOMPARE(scores[0].roundScore, 100);
    QCOMPARE(hand.at(4).toBool(), true);
    QCOMPARE(hand.at(6).value<WallState>().liveTiles, 0);

    QCOMPARE(discarded->first().at(2).value<tile>(), tile(8));
    QCOMPARE(riichi->first().at(3).toInt(), 23000);
    QCOMPARE(hidden->first().at(3).toBool(), true);
    QVERIFY(fromWall->first().at(1).value<tile_vector>() == tile_vector({tile(33)}));
    const auto declared = meldDeclared->first().at(2).value<meld_tuple>();
    QCOMPARE(declared.kind, CHOW);
    QCOMPARE(declared.baseTile, tile(3));
    QCOMPARE(int(declared.claimedOffset), 1);
    QCOMPARE(kanDora->first().at(1).value<tile>(), tile(27));

    const auto span = meldSuggestion->first().at(1).value<TimeSpan>();
    QCOMPARE(span.start(), QDateTime::fromMSecsSinceEpoch(1767225600000, Qt::UTC));
    QCOMPARE(span.start().msecsTo(span.end()), qint64(10000));
    const auto offers = meldSuggestion->first().at(2).value<meld_offer_vector>();
    QCOMPARE(offers.size(), std::size_t(1));
    QCOMPARE(offers[0].kind, 3);
    QVERIFY(concealed->first().at(1).value<TimeSpan>().start().isNull());
    QCOMPARE(robKong->first().at(2).value<meld_offer_vector>().front().kind, int(MAHJONG));
    QVERIFY(replacement->first().at(2).value<meld_offer_vector>().empty());
    QCOMPARE(shouldAct->first().at(2).toInt(), 1002);
    QCOMPARE(waitingFor->first().at(1).value<WaitCondition::enum_t>(), WaitCondition::PLAYER);
    QVERIFY(waitingFor->first().at(3).value<std::vector<std::int32_t>>() == std::vector<std::int32_t>({1002, 1003}));
    QVERIFY(bonus->first().at(2).value<tile_vector>() == tile_vector({tile(34), tile(38)}));

    const auto result = handEnd->first().at(1).value<EndHand>();
    QVERIFY(result.gameEnds);
    QCOMPARE(result.endKind, 3);
    QCOMPARE(result.players.size(), std::size_t(2));
    QCOMPARE(result.players.begin()->first, 1001); // ascending ids
    const EndHandPlayer &winner = result.players.at(1001);
    QCOMPARE(winner.result, int(EndHandPlayer::Won));
    QCOMPARE(winner.points.size(), std::size_t(2));
    QCOMPARE(winner.points[0].name, QStringLiteral("Base points"));
    QCOMPARE(winner.points[0].value, 20);
    QCOMPARE(winner.points[1].name, QStringLiteral("UNKNOWN SCORE NAME"));
    QCOMPARE(winner.doubles[0].name, QStringLiteral("Riichi"));
    QCOMPARE(winner.limits[0].name, QStringLiteral("UNKNOWN LIMIT NAME"));
    QCOMPARE(winner.bonuses[0].name, QStringLiteral("Flower"));
    QCOMPARE(winner.thirdTotal, 5);
    QCOMPARE(winner.payment, 800);
    QCOMPARE(winner.hand.size(), std::size_t(1));
    QCOMPARE(winner.hand[0].highlight, 2);
    QCOMPARE(result.players.at(1002).settlement, -8000);
    QVERIFY(result.uraDora == tile_vector({tile(13)}));

    const auto round = endOfRound->first().at(1).value<MonetaryRoundScores>();
    QCOMPARE(round.size(), std::size_t(1));
    QCOMPARE(round[0].balance, qint64(5000000000));
    QCOMPARE(kick->first().at(1).value<kick_reason::enum_t>(), kick_reason::MAINTENANCE);
    QCOMPARE(furiten->first().at(1).toBool(), true);
    QCOMPARE(active->first().at(1).toBool(), false);
    QCOMPARE(someoneMeld->first().at(2).value<meld>(), KONG);
    QCOMPARE(someoneMeld->first().at(3).value<tile>(), tile(31));
}

void TestConnectionManager::gameActionsWriteOneFrameEach()
{
    ConnectedManager c;
    QVERIFY(c.start(Scenario));
    ConnectionManager *m = c.manager.get();
    m->discard_tile(8, 1001, tile(5));
    m->call_pass(8, 1001, true);
    m->call_chow(8, 1001, tile(1));
    m->call_pong(8, 1001, tile(2));
    m->call_pong_to_kong(8, 1001, tile(3));
    m->call_kong(8, 1001, tile(4));
    m->call_riichi(8, 1001, tile(6));
    m->call_bonus(8, 1001, tile(35));
    m->call_mahjong(8, 1001);
    QVERIFY(c.received(QStringLiteral("call_mahjong_t"), QStringLiteral("{\"player\":1001,\"table\":8}")));
    QVERIFY(c.received(QStringLiteral("discard_tile_t"), QStringLiteral("{\"discard\":5,\"player\":1001,\"table\":8}")));
    QVERIFY(c.received(QStringLiteral("call_pass_t"), QStringLiteral("{\"automatic\":true,\"player\":1001,\"table\":8}")));
    QVERIFY(c.received(QStringLiteral("call_chow_t"), QStringLiteral("{\"first_tile\":1,")));
    QVERIFY(c.received(QStringLiteral("call_pong_t"), QStringLiteral("{\"first_tile\":2,")));
    QVERIFY(c.received(QStringLiteral("call_pong_to_kong_t"), QStringLiteral("{\"first_tile\":3,")));
    QVERIFY(c.received(QStringLiteral("call_kong_t"), QStringLiteral("{\"first_tile\":4,")));
    QVERIFY(c.received(QStringLiteral("call_riichi_t"), QStringLiteral("{\"discard\":6,")));
    QVERIFY(c.received(QStringLiteral("call_bonus_t"), QStringLiteral("{\"bonus\":35,")));
    for (const char *name : {"discard_tile_t", "call_pass_t", "call_chow_t", "call_pong_t", "call_pong_to_kong_t",
                             "call_kong_t", "call_riichi_t", "call_bonus_t", "call_mahjong_t"})
        QCOMPARE(c.receivedCount(QLatin1String(name)), 1);
}

void TestConnectionManager::badEnumerationRaisesServerError()
{
    ConnectedManager c;
    QVERIFY(c.start(Scenario));
    QSignalSpy exception(c.manager.get(), &ConnectionManager::exceptionCaught);
    QSignalSpy kick(c.manager.get(), &ConnectionManager::kickPlayer);
    QSignalSpy claimed(c.manager.get(), &ConnectionManager::tileClaimed);
    c.manager->call_mahjong(66, 1001);
    QVERIFY(claimed.wait()); // the frame after the bad one is still handled
    QCOMPARE(exception.count(), 1);
    QCOMPARE(exception.first().at(0).value<std::string>(), std::string("Unexpected kick reason: 9"));
    QCOMPARE(kick.count(), 0);
}

void TestConnectionManager::tournamentFamily()
{
    ConnectedManager c;
    QVERIFY(c.start(Scenario));
    ConnectionManager *m = c.manager.get();
    Spies spies;
    auto info = spies(m, qOverload<const TournamentInfo &>(&ConnectionManager::tournamentInfoUpdate));
    auto registered = spies(m, &ConnectionManager::notifyRegistered);
    c.manager->tournaments_lobby_subscribe();
    QTRY_COMPARE(registered->count(), 1);
    QCOMPARE(info->count(), 1);
    const auto tournament = info->first().at(0).value<TournamentInfo>();
    QCOMPARE(tournament.id(), 900);
    QCOMPARE(tournament.name(), QStringLiteral("Sunday Cup"));
    QCOMPARE(tournament.start(), QDateTime::fromMSecsSinceEpoch(1767225600000, Qt::UTC));
    QCOMPARE(tournament.numberOfRounds(), 3);
    QVERIFY(registered->first().at(0).value<std::vector<qint32>>() == std::vector<qint32>({900, 901}));
    spies.clear();

    auto updates = spies(m, qOverload<const qint32, const TournamentInfoUpdates &>(&ConnectionManager::tournamentInfoUpdate));
    spies(m, &ConnectionManager::tournamentRemoved);
    spies(m, &ConnectionManager::tournamentRegisterSuccess);
    auto unregisterFailed = spies(m, &ConnectionManager::tournamentUnregisterFailed);
    spies(m, &ConnectionManager::tournamentLeaveSuccess);
    auto discarded = spies(m, &ConnectionManager::playerDiscardedFromTournament);
    auto rankings = spies(m, &ConnectionManager::tournamentRankings);
    auto prizes = spies(m, &ConnectionManager::tournamentPrizeConfiguration);
    auto extended = spies(m, &ConnectionManager::tournamentExtendedRegisterResponse);
    auto seated = spies(m, &ConnectionManager::tournamentSeated);
    auto roundEnd = spies(m, &ConnectionManager::endOfTournamentRound);
    auto pickedUp = spies(m, &ConnectionManager::tournamentPickedUp);

    m->get_tournament_ranking_list(900);
    QTRY_COMPARE(pickedUp->count(), 1);
    for (const auto &s : spies.all()) {
        QVERIFY2(s->count() == 1, s->signal().constData());
        QCOMPARE(s->first().at(0).toInt(), 900);
    }
    QCOMPARE(updates->first().at(1).value<TournamentInfoUpdates>().front().second.toInt(), 3);
    QCOMPARE(unregisterFailed->first().at(1).value<tmnt_register_failed_reason::enum_t>(),
             tmnt_register_failed_reason::INSUFFICIENT_FUNDS);
    QCOMPARE(discarded->first().at(1).value<MttDiscardedReason::enum_t>(),
             MttDiscardedReason::OFFLINE_AT_REGISTRATION_CLOSE);
    const auto ranking = rankings->first().at(1).value<TournamentRankings>();
    QCOMPARE(ranking.size(), std::size_t(1));
    QCOMPARE(ranking[0].pid, 1001);
    QCOMPARE(ranking[0].screenName, QStringLiteral("alice"));
    QCOMPARE(ranking[0].table_points, 41);
    QCOMPARE(ranking[0].competition_points, 3);
    QVERIFY(ranking[0].flag);
    QCOMPARE(ranking[0].payout, qint64(2500));

    const auto configuration = prizes->first().at(1).value<tournament_prize_configuration_t>();
    QCOMPARE(configuration.size(), std::size_t(2));
    QCOMPARE(configuration.begin()->first.first, 2);
    const prize_structure_t &structure = configuration.rbegin()->second;
    QCOMPARE(structure.size(), std::size_t(2));
    const auto *share = std::any_cast<protocol::pot_share_t>(&structure.begin()->second);
    QVERIFY(share);
    QCOMPARE(share->share, 500000);
    QVERIFY(!std::any_cast<protocol::pot_share_t>(&structure.rbegin()->second));

    QVERIFY(extended->first().at(1).value<extended_tournament_register_response>().requirements
            == std::vector<int>({0}));
    QCOMPARE(seated->first().at(1).toInt(), 7);
    const auto roundScores = roundEnd->first().at(3).value<TournamentRoundScores>();
    QCOMPARE(roundScores.front().roundResult, 5);
    QCOMPARE(roundEnd->first().at(2).toBool(), true);
    QCOMPARE(pickedUp->first().at(2).toBool(), false);
}

void TestConnectionManager::tournamentRequests()
{
    ConnectedManager c;
    QVERIFY(c.start(Scenario));
    QSignalSpy registerFailed(c.manager.get(), &ConnectionManager::tournamentRegisterFailed);
    QSignalSpy unregistered(c.manager.get(), &ConnectionManager::tournamentUnregisterSuccess);
    QSignalSpy prizes(c.manager.get(), &ConnectionManager::tournamentPrizeConfiguration);
    QSignalSpy exception(c.manager.get(), &ConnectionManager::exceptionCaught);
    c.manager->register_tournament_request(901);
    c.manager->unregister_tournament_request(902);
    c.manager->query_tournament_prize_configuration(903);
    c.manager->query_extended_tournament_registration_response(904);
    QVERIFY(exception.wait());
    QCOMPARE(registerFailed.count(), 1);
    QCOMPARE(registerFailed.first().at(0).toInt(), 901);
    QCOMPARE(registerFailed.first().at(1).value<tmnt_register_failed_reason::enum_t>(),
             tmnt_register_failed_reason::DENIED);
    QCOMPARE(unregistered.first().at(0).toInt(), 902);
    QCOMPARE(prizes.first().at(0).toInt(), 903);
    QCOMPARE(exception.first().at(0).value<std::string>(), std::string("Unexpected tournament requirement : 4"));
}

void TestConnectionManager::webPagesNamesAndEvents()
{
    ConnectedManager c;
    QVERIFY(c.start(Scenario));
    QSignalSpy pages(c.manager.get(), &ConnectionManager::webPage);
    QSignalSpy subPages(c.manager.get(), &ConnectionManager::subPagesAvailable);
    QSignalSpy names(c.manager.get(), &ConnectionManager::localizedTableNames);
    QSignalSpy events(c.manager.get(), &ConnectionManager::comingEvents);

    // The four pages of the local service work before login.
    const WebPageRequest::enum_t local[] = {WebPageRequest::FULL_REGISTRATION, WebPageRequest::TERMS,
                                            WebPageRequest::RESET_PASSWORD, WebPageRequest::ADVERTISEMENT_LOBBY_SIDE};
    for (WebPageRequest::enum_t kind : local)
        c.manager->query_web_page(kind, QStringLiteral("en"), QStringLiteral("side"));
    c.manager->query_web_page(WebPageRequest::ACCOUNT, QStringLiteral("ja"), QStringLiteral("deposit"));
    c.manager->query_web_page(WebPageRequest::RULES_HONGKONG, QStringLiteral("en"), QString());
    QTRY_COMPARE(pages.count(), 6);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(pages.at(i).at(0).value<WebPageRequest::enum_t>(), local[i]);
        QCOMPARE(pages.at(i).at(1).toString(), QStringLiteral("en"));
    }
    QCOMPARE(pages.at(4).at(0).value<WebPageRequest::enum_t>(), WebPageRequest::ACCOUNT);
    QCOMPARE(pages.at(4).at(1).toString(), QStringLiteral("deposit"));
    QCOMPARE(pages.at(5).at(0).value<WebPageRequest::enum_t>(), WebPageRequest::RULES_HONGKONG);
    QCOMPARE(c.receivedCount(QStringLiteral("local_query_web_page_t")), 4);
    QCOMPARE(c.receivedCount(QStringLiteral("query_web_page_t")), 2);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("answer of unknown service 2 skipped")));
    c.manager->query_sub_pages_available(WebPageRequest::ACCOUNT, QStringLiteral("en"));
    c.manager->query_localized_table_names(QStringLiteral("zh_TW"), {QStringLiteral("101/Practice")});
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("coming event of kind 2 from the server skipped")));
    c.manager->query_coming_events();
    QTRY_COMPARE(events.count(), 1);
    QCOMPARE(subPages.count(), 1);
    const auto list = subPages.first().at(1).value<QList<QPair<QString, QString>>>();
    QCOMPARE(list.size(), 2);
    QCOMPARE(list.at(1).first, QStringLiteral("history"));
    QCOMPARE(list.at(1).second, QStringLiteral("History"));
    QVERIFY(c.received(QStringLiteral("query_localized_table_names_t"),
                       QStringLiteral("{\"language\":\"zh_TW\",\"paths\":[\"101/Practice\"]")));
    QCOMPARE(names.count(), 1);
    QCOMPARE(names.first().at(0).toString(), QStringLiteral("zh_TW"));
    const auto entries = names.first().at(1).value<std::vector<LocalizedTableName>>();
    QCOMPARE(entries.size(), std::size_t(1));
    QCOMPARE(entries[0].nameTemplate, QStringLiteral("Practice {tableId}"));
    const auto coming = events.first().at(0).value<ComingEvents>();
    QCOMPARE(coming.size(), std::size_t(1));
    QCOMPARE(coming[0].kind, 0);
    QCOMPARE(coming[0].time, QDateTime::fromMSecsSinceEpoch(1767225600000, Qt::UTC));
}

void TestConnectionManager::playerPropertiesOnlyWhenLoggedIn()
{
    ConnectedManager c;
    QVERIFY(c.start(Scenario));
    QSignalSpy message(c.manager.get(), &ConnectionManager::playerMessage);
    const QMap<QString, QString> properties{{QStringLiteral("game/animations"), QStringLiteral("true")},
                                            {QStringLiteral("system/os"), QStringLiteral("Linux \u00fc")}};
    c.manager->storePlayerProperties(properties);
    c.manager->query_lobby_summary();
    QVERIFY(c.received(QStringLiteral("query_lobby_summary_t")));
    QCOMPARE(c.receivedCount(QStringLiteral("store_player_properties_t")), 0);

    QVERIFY(c.login());
    c.manager->storePlayerProperties(properties);
    QVERIFY(message.wait());
    QCOMPARE(message.first().at(0).toString(), QStringLiteral("properties stored"));
    QVERIFY(c.received(QStringLiteral("store_player_properties_t"),
                       QStringLiteral("{\"properties\":[{\"key\":\"game/animations\",\"value\":\"true\"},"
                                      "{\"key\":\"system/os\",\"value\":\"Linux \u00fc\"}],")));
}

void TestConnectionManager::requestsOnAClosedConnectionAreDropped()
{
    ConnectionManager manager(false);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not connected to the game server, dropping login_t")));
    manager.login(QStringLiteral("alice"), QStringLiteral("secret"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("dropping query_players_online_t")));
    QCOMPARE(manager.query_players_online(10, {1}), -1);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("dropping server_time_request_t")));
    QCOMPARE(manager.query_server_time(), -1);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("dropping the join of table 3")));
    manager.join_table(3);
    manager.storePlayerProperties({{QStringLiteral("a"), QStringLiteral("b")}});
    QVERIFY(!manager.isConnected());
}

void TestConnectionManager::refusedConnectionIsReported()
{
    // A port that was just free: nothing listens there.
    quint16 port = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        port = probe.serverPort();
    }
    ConnectionManager manager(false);
    QSignalSpy failed(&manager, &ConnectionManager::connectionFailed);
    QSignalSpy disconnected(&manager, &ConnectionManager::disconnected);
    manager.connectTo(QStringLiteral("127.0.0.1"), port);
    QVERIFY(failed.wait());
    QVERIFY(!failed.first().at(0).toString().isEmpty());

    // Expected once, the next failure is silent.
    QSignalSpy closed(&manager, &ConnectionManager::connectionClosed);
    manager.setDisconnectExpected(true);
    manager.connectToServer();
    QVERIFY(closed.wait());
    QCOMPARE(failed.count(), 1);
    QCOMPARE(disconnected.count(), 0);
}

void TestConnectionManager::expectedDisconnectIsNotReported()
{
    ConnectedManager c;
    QVERIFY(c.start(Scenario));
    QSignalSpy disconnected(c.manager.get(), &ConnectionManager::disconnected);
    QSignalSpy closed(c.manager.get(), &ConnectionManager::connectionClosed);
    c.manager->setDisconnectExpected(true);
    c.manager->call_pass(99, 1001, false); // the scenario closes the connection
    QVERIFY(closed.wait());
    QCOMPARE(disconnected.count(), 0);
    QVERIFY(!c.manager->isConnected());

    // Only the next disconnection was expected: after a reconnection the next one counts.
    QSignalSpy versions(c.manager.get(), &ConnectionManager::versionCheckComplete);
    c.manager->connectToServer();
    QVERIFY(versions.wait());
    c.manager->call_pass(99, 1001, false);
    QVERIFY(disconnected.wait());
    QCOMPARE(disconnected.count(), 1);
}

void TestConnectionManager::unexpectedDisconnectIsReported()
{
    ConnectedManager c;
    QVERIFY(c.start(Scenario, true));
    QVERIFY(c.login());
    QSignalSpy disconnected(c.manager.get(), &ConnectionManager::disconnected);
    c.manager->logout();
    QVERIFY(disconnected.wait());
    QVERIFY(!c.manager->isLoggedIn());
    QVERIFY(c.received(QStringLiteral("logout_t")));
}

void TestConnectionManager::protocolFaultsAreLoggedOnce()
{
    LogFile log;
    {
        ConnectedManager c;
        QVERIFY(c.start(QStringLiteral("hostile.json")));
        QSignalSpy disconnected(c.manager.get(), &ConnectionManager::disconnected);
        QVERIFY(disconnected.wait());
    }
    {
        TestServer server;
        QVERIFY(server.start(TestServer::scenario(QStringLiteral("wrong-game-version.json")), false));
        ConnectionManager manager(false);
        QSignalSpy exception(&manager, &ConnectionManager::exceptionCaught);
        manager.connectTo(QStringLiteral("127.0.0.1"), server.gamePort());
        QVERIFY(exception.wait());
    }
    const QString text = log.text();
    // The truncated body is skipped with its packet's name, the over-long frame closes
    // the connection on this side, and the server is not blamed for it.
    QVERIFY2(text.count(QLatin1String("truncated packet in ")) == 1, qPrintable(text));
    QCOMPARE(text.count(QLatin1String("closing the connection: invalid frame length 17825792")), 1);
    QVERIFY2(!text.contains(QLatin1String("the game server closed the connection")), qPrintable(text));
    QCOMPARE(text.count(QLatin1String("the server speaks game version")), 1);

    // Of 40,000 refusals of one kind the first few are logged in full, the others
    // counted in a line or two.
    {
        ConnectedManager c;
        QVERIFY(c.start(QStringLiteral("refused-draws.json")));
        QSignalSpy disconnected(c.manager.get(), &ConnectionManager::disconnected);
        QVERIFY(disconnected.wait());
    }
    const QString refusals = log.text().mid(text.size());
    QCOMPARE(refusals.count(QLatin1String("hidden_tiles_from_wall_t refused: 20000 concealed tiles")),
             RepeatedWarnings::FullWarnings);
    const QRegularExpression counted(QStringLiteral("hidden_tiles_from_wall_t refused (\\d+) more times in the last \\d+ s"));
    qint64 refused = RepeatedWarnings::FullWarnings;
    int countLines = 0;
    for (auto match = counted.globalMatch(refusals); match.hasNext(); ++countLines)
        refused += match.next().captured(1).toLongLong();
    QCOMPARE(refused, 40000);
    QVERIFY(countLines <= 2);
}

void TestConnectionManager::handshakesThatNeverFinishTimeOut()
{
    LogFile log;
    const struct
    {
        const char *scenario;
        bool tls;
        const char *step;
    } cases[] = {{"silent.json", true, "TLS handshake"}, {"handshake-unanswered.json", true, "version handshake"}};
    for (const auto &test : cases) {
        TestServer server;
        // The silent server speaks no TLS, so the client's handshake stays unanswered.
        const bool serverTls = test.tls && QLatin1String(test.scenario) != QLatin1String("silent.json");
        QVERIFY(server.start(TestServer::scenario(QString::fromLatin1(test.scenario)), serverTls));
        if (serverTls)
            QSslConfiguration::setDefaultConfiguration(TestServer::trustingTestCa());
        const qsizetype logStart = log.text().size();
        ConnectionManager manager(test.tls);
        manager.setHandshakeTimeout(300);
        QSignalSpy failed(&manager, &ConnectionManager::connectionFailed);
        QSignalSpy complete(&manager, &ConnectionManager::versionCheckComplete);
        manager.connectTo(QStringLiteral("localhost"), server.gamePort());
        QVERIFY(failed.wait(5000));
        QVERIFY2(failed.first().at(0).toString().contains(QLatin1String(test.step)),
                 qPrintable(failed.first().at(0).toString()));
        QCOMPARE(complete.count(), 0);
        QVERIFY(!manager.isConnected());
        QVERIFY(server.waitForOutput(QStringLiteral("CLOSED"), 5000));
        QTest::qWait(400);
        QCOMPARE(failed.count(), 1);
        const QString logged = log.text().mid(logStart);
        QCOMPARE(logged.count(QLatin1String("closing the connection: ")), 1);
        QVERIFY2(logged.contains(QLatin1String(test.step)), qPrintable(logged));
    }
}

void TestConnectionManager::prepareToQuitWritesTheLogoutAtOnce()
{
    ConnectedManager c;
    QVERIFY(c.start(Scenario, true));
    QVERIFY(c.login());
    QSignalSpy disconnected(c.manager.get(), &ConnectionManager::disconnected);
    QSignalSpy closed(c.manager.get(), &ConnectionManager::connectionClosed);
    c.manager->prepareToQuit();
    // The application ends after it, with no event loop to carry what waits: the logout
    // went out before.
    QVERIFY(c.server.waitForOutputAlone(QStringLiteral("RECV logout_t ")));
    QTRY_COMPARE(closed.count(), 1);
    QCOMPARE(disconnected.count(), 0);
}

void TestConnectionManager::floodOfTableRecords_data()
{
    // What a receiver of the records does at the 5000th: nothing, or, to show that the
    // check sees either, a busy loop or a blocking wait, each beyond the check's bound.
    QTest::addColumn<QString>("planted");
    QTest::addColumn<QString>("caught");
    QTest::newRow("as sent") << QString() << QString();
    QTest::newRow("busy loop planted") << QStringLiteral("busy") << QStringLiteral("processor time");
    QTest::newRow("blocking wait planted") << QStringLiteral("wait") << QStringLiteral("wall clock");
}

void TestConnectionManager::floodOfTableRecords()
{
    QFETCH(QString, planted);
    QFETCH(QString, caught);
    ConnectedManager c;
    QVERIFY(c.start(Scenario));
    QSignalSpy tables(c.manager.get(), qOverload<const TableInfo &>(&ConnectionManager::tableInfoUpdate));
    connect(c.manager.get(), qOverload<const TableInfo &>(&ConnectionManager::tableInfoUpdate), this,
            [&planted](const TableInfo &info) {
                if (info.id() != 5000)
                    return;
                if (planted == QLatin1String("busy")) {
                    const qint64 until = StallMeter::threadWorkNs() + qint64(StallMeter::WorkBoundMs + 300) * 1000000;
                    while (StallMeter::threadWorkNs() < until) {
                    }
                } else if (planted == QLatin1String("wait")) {
                    QSemaphore never;
                    never.tryAcquire(1, int(StallMeter::WallBoundMs) + 1000);
                }
            });

    StallMeter stalls;
    QVERIFY(c.manager->lobby_table_subscribe(QStringLiteral("101/Flood")));
    QTRY_COMPARE_WITH_TIMEOUT(tables.count(), 10000, 30000);
    QCOMPARE(tables.last().at(0).value<TableInfo>().id(), 9999);
    QCOMPARE(tables.last().at(0).value<TableInfo>().name(), QStringLiteral("Flood 9999"));
    qInfo() << "longest event loop gap during the flood:" << stalls.longestWorkMs() << "ms of work,"
            << stalls.longestMs() << "ms on the wall clock";
    // The client's own work, which a busy machine does not stretch, and the wall clock,
    // far beyond what a busy machine stretches but not a blocked thread.
    const QString stall = stalls.excess();
    if (caught.isEmpty())
        QVERIFY2(stall.isEmpty(), qPrintable(stall));
    else
        QVERIFY2(stall.contains(caught), qPrintable(stall));
}

MAHJONG_TEST_MAIN(TestConnectionManager)
#include "tst_connectionmanager.moc"
