#include "DemoPlayer.h"

#include "SceneTestSetup.h"
#include "app/RulesetInfo.h"
#include "connection/PlayerDb.h"
#include "protocol/TestServer.h"
#include "table/dialogs/ScoreBoard.h"
#include "table/dialogs/SeatedWindow.h"
#include "table/dialogs/WashoutWindow.h"
#include "table/scene/HiddenHandView.h"
#include "table/sidebar/PlayerWidget.h"

#include "testmain.h"

#include <QGraphicsView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>

namespace {

using DemoPlay::shownButton;

// The counters the server logs when a hand ends: the wall and every seat's concealed tiles.
struct HandEnd
{
    int kind = 0, live = 0, dead = 0, dealt = 0;
    std::map<qint32, int> concealed;
};

HandEnd lastHandEnd(TestServer &server)
{
    static const QRegularExpression line(QStringLiteral("HAND END table=\\d+ kind=(\\d+) live=(\\d+) dead=(\\d+) dealt=(\\d+) concealed=(\\S+)"));
    HandEnd end;
    auto it = line.globalMatch(server.output());
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        end = HandEnd{m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4).toInt(), {}};
        for (const QString &seat : m.captured(5).split(QLatin1Char(',')))
            end.concealed[seat.section(QLatin1Char(':'), 0, 0).toInt()] = seat.section(QLatin1Char(':'), 1).toInt();
    }
    return end;
}

} // namespace

// The demo world's table engine as the client sees it: whole hands under every rule set,
// a refused move, a player who drops out during a hand and takes the seat again, and the
// quick join of the web pages.
class TestDemoTable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void playsWholeHands_data();
    void playsWholeHands();
    void takesTheSeatBackAfterALostConnection();
    void watchesTheSeatLeftDuringAHand();
    void aTurnLeftUnansweredDiscardsTheDrawnTile();

private:
    QTemporaryDir m_artwork;
    QTemporaryDir m_work;
};

void TestDemoTable::initTestCase()
{
    SceneTestSetup::install(m_artwork.path(), m_work.path());
    QSettings().setValue(QStringLiteral("game/animations"), false);
}

void TestDemoTable::playsWholeHands_data()
{
    QTest::addColumn<qint32>("table");
    QTest::addColumn<quint32>("seed");
    QTest::newRow("classic") << 3009 << 3u;
    QTest::newRow("riichi") << 3010 << 5u;
    QTest::newRow("chinese official") << 3011 << 7u;
    QTest::newRow("three players") << 3012 << 11u;
    QTest::newRow("hong kong") << 3013 << 13u;
}

void TestDemoTable::playsWholeHands()
{
    QFETCH(qint32, table);
    QFETCH(quint32, seed);
    TestServer server;
    QVERIFY(server.startDemo(seed, 0));
    DemoPlayer player;
    QVERIFY(player.login(server.gamePort(), QStringLiteral("tester")));
    QVERIFY(player.open(table));
    GameModel *model = player.model(table);
    GameWindow *window = player.window;

    QTRY_VERIFY_WITH_TIMEOUT(shownButton(window->seatedWindow(), QStringLiteral("playButton")), 5000);
    shownButton(window->seatedWindow(), QStringLiteral("playButton"))->click();
    int claims = 0;
    for (int hand = 0; hand < 2; ++hand) {
        QTRY_COMPARE_WITH_TIMEOUT(model->gameState(), int(GameModel::HAND_IN_PLAY), 10000);
        if (hand == 1) {
            // A discard of a tile the player does not hold is refused; the hand goes on.
            QSignalSpy message(player.connection.get(), &ConnectionManager::playerMessage);
            QTRY_VERIFY_WITH_TIMEOUT(model->actingPlayer().first == player.id || model->gameState() != GameModel::HAND_IN_PLAY, 20000);
            player.connection->discard_tile(table, player.id, tile(200));
            QVERIFY(message.wait(5000));
            QVERIFY(server.output().contains(QStringLiteral("REFUSED discard_tile_t")));
        }
        QVERIFY2(player.playHand(table, &claims), qPrintable(server.output().right(3000)));
        QTRY_VERIFY_WITH_TIMEOUT(window->scoreBoard()->isVisible() || window->washoutWindow()->isVisible(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!window->actionQueue().isBusy() && window->actionQueue().isEmpty(), 10000);

        // The client counted the wall and every hand as the server dealt them.
        const HandEnd end = lastHandEnd(server);
        QCOMPARE(int(model->liveTiles()), end.live);
        QCOMPARE(int(model->deadWallTiles()), end.dead);
        QCOMPARE(int(model->deadWallTilesDealt()), end.dealt);
        QCOMPARE(end.concealed.size(), model->players().size());
        for (const auto &[id, count] : end.concealed) {
            const PlayerData &p = model->player(id);
            const int held = id == player.id ? int(p.hand().size()) : int(p.hiddenTileCount());
            // The winner's tile of a discard win is held by the server's count only.
            QVERIFY2(held == count || (end.kind == 1 && held + 1 == count), qPrintable(QStringLiteral("player %1").arg(id)));
        }
        QVERIFY(window->grab().save(QStringLiteral("%1/demo-table-%2-%3.png").arg(TestServer::binaryDir(), QString::number(table), QString::number(hand))));

        QVERIFY(DemoPlay::sayReady(window));
    }
    QTRY_COMPARE_WITH_TIMEOUT(model->gameState(), int(GameModel::HAND_IN_PLAY), 10000);
    QCOMPARE(server.output().count(QStringLiteral("RECV ready_t")), 3);
    player.controller->destroyTable(table);
}

void TestDemoTable::takesTheSeatBackAfterALostConnection()
{
    constexpr qint32 table = 3010;
    TestServer server;
    QVERIFY(server.startDemo(21, 150));
    auto first = std::make_unique<DemoPlayer>();
    QVERIFY(first->login(server.gamePort(), QStringLiteral("dropper")));
    QVERIFY(first->open(table));
    QTRY_VERIFY_WITH_TIMEOUT(shownButton(first->window->seatedWindow(), QStringLiteral("playButton")), 5000);
    shownButton(first->window->seatedWindow(), QStringLiteral("playButton"))->click();
    QTRY_VERIFY_WITH_TIMEOUT(first->model(table)->gameState() == GameModel::HAND_IN_PLAY
                                 && first->model(table)->ownPlayer()->hand().size() >= 13,
                             10000);
    first->controller->destroyTable(table);
    first.reset();

    // Played for meanwhile; after the login the server names the seat, and the join
    // brings back the hand with the own tiles.
    DemoPlayer again;
    QVERIFY(again.login(server.gamePort(), QStringLiteral("dropper")));
    QVERIFY(server.waitForOutput(QStringLiteral("SENT notify_seated_t")));
    QVERIFY(again.open(table));
    GameModel *model = again.model(table);
    QTRY_COMPARE_WITH_TIMEOUT(model->gameState(), int(GameModel::HAND_IN_PLAY), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(model->ownPlayer() && model->ownPlayer()->hand().size() >= 13, 5000);
    QVERIFY(again.playHand(table));
    const HandEnd end = lastHandEnd(server);
    QCOMPARE(int(model->liveTiles()), end.live);
    again.controller->destroyTable(table);
}

void TestDemoTable::watchesTheSeatLeftDuringAHand()
{
    constexpr qint32 table = 3001; // two bots sit down with the first hand
    TestServer server;
    QVERIFY(server.startDemo(31, 150));
    DemoPlayer player;
    QVERIFY(player.connect(server.gamePort()));
    PlayerDb players(player.connection.get(), nullptr);
    TableWindowServices services;
    services.players = &players;
    QVERIFY(player.login(QStringLiteral("walker"), services));
    QVERIFY(player.open(table));
    QTRY_VERIFY_WITH_TIMEOUT(shownButton(player.window->seatedWindow(), QStringLiteral("playButton")), 5000);
    shownButton(player.window->seatedWindow(), QStringLiteral("playButton"))->click();
    QTRY_VERIFY_WITH_TIMEOUT(player.model(table)->gameState() == GameModel::HAND_IN_PLAY, 10000);

    // The bots sat down after the player: every row of the side bar has its picture.
    const auto rows = player.window->findChildren<PlayerWidget *>();
    QCOMPARE(rows.size(), 4);
    for (const PlayerWidget *row : rows)
        QVERIFY(!row->findChild<QLabel *>(QStringLiteral("avatarLabel"))->pixmap().isNull());
    QVERIFY(player.window->grab().save(QStringLiteral("%1/demo-table-pictures.png").arg(TestServer::binaryDir())));

    // Left during the hand and watched: the seat, played for by the server, is hidden.
    player.controller->onLeave(table);
    QTRY_VERIFY_WITH_TIMEOUT(!player.controller->hasTable(table), 5000);
    player.window = nullptr;
    QVERIFY(player.open(table, true));
    GameModel *model = player.model(table);
    QVERIFY(!model->isSeated());
    // After each of its discards the seat holds 13 tiles besides its melds.
    QList<int> held;
    QObject::connect(model, &GameModel::tileDiscarded, model, [&](qint32 id) {
        if (id != player.id)
            return;
        const PlayerData &p = model->player(id);
        const auto melds = std::count_if(p.melds().begin(), p.melds().end(),
                                         [](const meld_tuple &m) { return m.kind != BONUS; });
        held << p.hiddenTileCount() + 3 * int(melds);
    });
    QTRY_VERIFY_WITH_TIMEOUT(held.size() >= 3 || model->gameState() != GameModel::HAND_IN_PLAY, 20000);
    QCOMPARE(held, QList<int>(held.size(), 13));
    QVERIFY(held.size() >= 3);
    player.controller->destroyTable(table);
}

void TestDemoTable::aTurnLeftUnansweredDiscardsTheDrawnTile()
{
    constexpr qint32 table = 3008; // five seconds a move
    TestServer server;
    QVERIFY(server.startDemo(9, 0));
    DemoPlayer player;
    QVERIFY(player.login(server.gamePort(), QStringLiteral("sleeper")));
    QVERIFY(player.open(table));
    QTRY_VERIFY_WITH_TIMEOUT(shownButton(player.window->seatedWindow(), QStringLiteral("playButton")), 5000);
    shownButton(player.window->seatedWindow(), QStringLiteral("playButton"))->click();
    QSignalSpy timeouts(player.connection.get(), &ConnectionManager::timeoutOccured);
    GameModel *model = player.model(table);
    // Claims offered meanwhile run out as passes.
    QTRY_VERIFY_WITH_TIMEOUT(model->actingPlayer().first == player.id && !model->ownPlayer()->pendingTiles().empty(), 30000);
    const tile drawn = model->ownPlayer()->pendingTiles().front();
    const size_t discarded = model->ownPlayer()->discards().size();
    QTRY_VERIFY_WITH_TIMEOUT(model->ownPlayer()->discards().size() > discarded, 8000);
    QCOMPARE(model->ownPlayer()->discards()[discarded], drawn);
    QVERIFY(timeouts.count() >= 1);
    QVERIFY(!server.output().contains(QStringLiteral("RECV discard_tile_t")));
    player.controller->destroyTable(table);

    // The web pages' quick join: a seat at a classic table, or a waiting list for a filter no table serves.
    QSignalSpy joined(player.connection.get(), &ConnectionManager::joinSuccessful);
    QSignalSpy waiting(player.connection.get(), &ConnectionManager::waitingList);
    player.connection->filter_join(QStringLiteral("ruleset=classic"));
    QVERIFY(joined.wait(5000));
    QCOMPARE(player.tables->tableInfo(joined.first().at(0).toInt()).ruleset(), int(RulesetInfo::CLASSIC));
    player.connection->filter_join(QStringLiteral("ruleset=bingo"));
    QVERIFY(waiting.wait(5000));
    player.controller->destroyTable(joined.first().at(0).toInt());
}

MAHJONG_TEST_MAIN(TestDemoTable)
#include "tst_demotable.moc"
