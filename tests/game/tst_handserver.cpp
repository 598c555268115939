#include "game/GameController.h"

#include "DemoPlayer.h"
#include "SceneTestSetup.h"
#include "StallMeter.h"
#include "logfile.h"
#include "connection/ConnectionManager.h"
#include "game/GameModel.h"
#include "game/GameWindow.h"
#include "lobby/TableModel.h"
#include "protocol/TestServer.h"
#include "table/dialogs/MeldAuction.h"
#include "table/dialogs/RoundScoreBoard.h"
#include "table/dialogs/ScoreBoard.h"
#include "table/dialogs/SeatedWindow.h"
#include "table/scene/CityView.h"
#include "table/scene/DeclaredView.h"
#include "table/scene/DiscardView.h"
#include "table/scene/HandView.h"
#include "table/scene/HiddenHandView.h"
#include "table/scene/MeldView.h"
#include "table/sidebar/EmptySeatWidget.h"
#include "table/sidebar/PlayerWidget.h"
#include "table/sidebar/SideBar.h"

#include "testmain.h"

#include <QGraphicsView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <algorithm>
#include <map>

namespace {

constexpr qint32 tableId = 6001;
constexpr qint32 me = 1001;

using DemoPlay::clickItem;
using DemoPlay::handTile;
using DemoPlay::shownButton;

tile_vector sorted(tile_vector tiles)
{
    std::sort(tiles.begin(), tiles.end());
    return tiles;
}

tile_vector discardTiles(const DiscardView *view)
{
    tile_vector tiles;
    for (const TileView *item : view->items())
        tiles.push_back(item->tileValue());
    return tiles;
}

// The declared melds as (kind, lowest tile) and the bonus tiles, sorted; face-down
// tiles count by kind only.
struct DeclaredSummary
{
    std::vector<std::pair<int, int>> melds;
    tile_vector bonus;
    bool operator==(const DeclaredSummary &o) const { return melds == o.melds && bonus == o.bonus; }
};

DeclaredSummary summary(const PlayerData &player)
{
    DeclaredSummary s;
    for (const meld_tuple &m : player.melds()) {
        if (m.kind == BONUS)
            s.bonus.push_back(m.baseTile);
        else
            s.melds.emplace_back(m.kind, m.concealed == meld_tuple::FaceDown ? -1 : int(m.baseTile.code()));
    }
    std::sort(s.melds.begin(), s.melds.end());
    s.bonus = sorted(s.bonus);
    return s;
}

DeclaredSummary summary(const DeclaredView *view, const PlayerData &player)
{
    DeclaredSummary s;
    for (const MeldView *m : view->melds()) {
        const tile_vector tiles = sorted(m->tiles());
        if (m->kind() == BONUS) {
            s.bonus.insert(s.bonus.end(), tiles.begin(), tiles.end());
            continue;
        }
        const bool faceDown = std::any_of(player.melds().begin(), player.melds().end(), [&](const meld_tuple &t) {
            return t.kind == m->kind() && t.concealed == meld_tuple::FaceDown;
        });
        s.melds.emplace_back(m->kind(), faceDown || tiles.empty() ? -1 : int(tiles.front().code()));
    }
    std::sort(s.melds.begin(), s.melds.end());
    s.bonus = sorted(s.bonus);
    return s;
}

// How many melds of each kind a player's record holds.
std::map<int, int> meldKinds(const std::vector<PlayerData> &players, qint32 id)
{
    std::map<int, int> kinds;
    for (const PlayerData &player : players) {
        if (player.id() == id) {
            for (const meld_tuple &m : player.melds())
                ++kinds[m.kind];
        }
    }
    return kinds;
}

// The test server playing a scenario, and alice logged in with its lobby folder.
bool logIn(TestServer &server, DemoPlayer &client, const char *scenario, const char *folder)
{
    if (!server.start(TestServer::scenario(QLatin1String(scenario)), false))
        return false;
    client.folders = {QLatin1String(folder)};
    return client.login(server.gamePort(), QStringLiteral("alice"));
}

} // namespace

// Scripted hands through the real controller and window against the test game server.
class TestHandServer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void playsTheScriptedHand_data();
    void playsTheScriptedHand();
    void takesRealHandsWhole();
    void aSeatTakenBackIsAskedForTheNextHand();
    void refusedMovesFollowTheWarningLimit();

private:
    QTemporaryDir m_artwork;
    QTemporaryDir m_work;
};

void TestHandServer::initTestCase()
{
    SceneTestSetup::install(m_artwork.path(), m_work.path());
}

void TestHandServer::playsTheScriptedHand_data()
{
    QTest::addColumn<bool>("animations");
    QTest::newRow("animations off") << false;
    QTest::newRow("animations on") << true;
}

void TestHandServer::playsTheScriptedHand()
{
    QFETCH(bool, animations);
    QSettings().setValue(QStringLiteral("game/animations"), animations);
    LogFile log;
    TestServer server;
    DemoPlayer client;
    QVERIFY(logIn(server, client, "hand.json", "101/Hand"));
    QVERIFY(client.open(tableId));
    GameWindow *window = client.window;
    GameModel *model = client.model(tableId);

    // The seat offer: Play says ready, and the hand is dealt.
    QVERIFY(client.takeSeat());
    QVERIFY(server.waitForOutput(QStringLiteral("RECV ready_t")));
    QTRY_COMPARE_WITH_TIMEOUT(model->ownPlayer() ? model->ownPlayer()->hand().size() : size_t(0),
                              size_t(14), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(window->handView()->tiles().size(), size_t(14), 5000);
    QVERIFY(window->grab().save(QStringLiteral("%1/hand-dealt-%2.png").arg(TestServer::binaryDir()).arg(int(animations))));
    QTest::qWait(300);

    // The own discard, then the pong of the red dragon.
    QVERIFY(handTile(window, tile(28)));
    clickItem(window, handTile(window, tile(28)));
    QVERIFY(server.waitForOutput(QStringLiteral("RECV discard_tile_t")));
    QTRY_VERIFY_WITH_TIMEOUT(window->meldAuction()->isVisible(), 5000);
    QVERIFY(shownButton(window->meldAuction(), QStringLiteral("meldChoiceButton")));
    QCOMPARE(window->meldAuction()->choices().size(), size_t(1));
    shownButton(window->meldAuction(), QStringLiteral("meldChoiceButton"))->click();
    QVERIFY(server.waitForOutput(QStringLiteral("RECV call_pong_t")));
    QTRY_COMPARE_WITH_TIMEOUT(model->ownPlayer()->melds().size(), size_t(1), 5000);

    // Two more discards; the second answer is a burst that ends the hand.
    QTRY_VERIFY_WITH_TIMEOUT(handTile(window, tile(27)), 5000);
    clickItem(window, handTile(window, tile(27)));
    // The burst brings the next own draw.
    QTRY_VERIFY_WITH_TIMEOUT(handTile(window, tile(11)), 5000);
    QCOMPARE(model->ownPlayer()->hand().size(), size_t(11));
    clickItem(window, handTile(window, tile(24)));
    QTRY_COMPARE_WITH_TIMEOUT(model->gameState(), int(GameModel::HAND_OVER), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(window->scoreBoard()->isVisible(), 5000);
    QVERIFY(window->grab().save(QStringLiteral("%1/hand-scoreboard-%2.png").arg(TestServer::binaryDir()).arg(int(animations))));

    // The scene shows what the model holds, once every queued animation has run.
    QTRY_VERIFY_WITH_TIMEOUT(!window->actionQueue().isBusy() && window->actionQueue().isEmpty(), 10000);
    QCOMPARE(sorted(window->handView()->tiles()), sorted(model->ownPlayer()->hand()));
    size_t declared = 0;
    size_t discarded = 0;
    for (qint32 id : {me, 2001, 2002, 2003}) {
        const int seat = window->seatOf(id);
        QVERIFY(seat >= 0 && seat < 4);
        const PlayerData &player = model->player(id);
        if (id != me)
            QCOMPARE(window->hiddenHandView(seat)->tileCount(), player.hiddenTileCount());
        QVERIFY(player.hiddenTileCount() <= PlayerData::MaxConcealedTiles);
        QCOMPARE(discardTiles(window->discardView(seat)), player.discards());
        QCOMPARE(window->discardView(seat)->riichiIndex(), int(player.riichiDiscardIndex()));
        const DeclaredSummary shown = summary(window->declaredView(seat), player);
        QVERIFY2(shown == summary(player), qPrintable(QString::number(id)));
        declared += shown.melds.size() + shown.bonus.size();
        discarded += player.discards().size();
    }
    // The pong, the concealed kong and the bonus tile; discards at more than one seat.
    QVERIFY(declared >= 3);
    QVERIFY(discarded >= 4);
    const CityView *city = window->cityView();
    QCOMPARE(city->liveTiles(), int(model->liveTiles()));
    QCOMPARE(city->deadWallTiles(), int(model->deadWallTiles()));
    QCOMPARE(city->deadWallTilesDealt(), int(model->deadWallTilesDealt()));
    QCOMPARE(city->doraIndicators(), model->doraTiles());

    // The absurd values were refused where they entered, with the packet's name: the
    // table went on with four seats and its two wind rounds, the hand with its real
    // players, and the boards only show the real hand end.
    const QString logged = log.text();
    for (const char *refused : {"hidden_tiles_from_wall_t refused: 20000 concealed tiles",
                                "tiles_from_wall_t refused: 20 tiles for one hand",
                                "private_player_data_t refused: 30 tiles for one hand",
                                "player_joined_t refused: 20000 concealed tiles",
                                "table_info_update_t refused: 20000 seated players",
                                "refused a draw of 2 tiles for player 2002 who holds 13 concealed",
                                "update skipped: field 3 SEATS", "update skipped: field 18 WIND_ROUNDS",
                                "game_data_t refused: 5 players at one table",
                                "game_data_t refused: 6 dora indicators",
                                "player_joined_t refused: 145 discards of player 2005",
                                "player_joined_t refused: 6 sets of player 2006",
                                "player_joined_t refused: 9 bonus tiles of player 2007",
                                "declare_bonus_t refused: 9 bonus tiles",
                                "end_of_round_t refused: 5 score rows",
                                "meld_suggestion_t refused: 31 offers",
                                "hand_end_t refused: 27 tiles in the hand of player 2003",
                                "hand_end_t refused: 27 tile groups in the hand of player 2003",
                                "hand_end_t refused: 65 score lines of player 2003",
                                "hand_end_t refused: 6 ura-dora indicators"})
        QVERIFY2(logged.contains(QLatin1String(refused)), refused);
    QCOMPARE(model->tableInfo().capacity().seats(), 4);
    QCOMPARE(window->sideBar()->findChildren<PlayerWidget *>().size(), 4);
    QCOMPARE(window->sideBar()->findChildren<EmptySeatWidget *>().size(), 0);
    QCOMPARE(window->sideBar()->findChild<QLabel *>(QStringLiteral("tableWindRound"))->text(),
             QStringLiteral("Wind round 1 of 2"));
    QVERIFY(!window->findChild<RoundScoreBoard *>()->isVisible());
    QVERIFY(window->findChild<RoundScoreBoard *>()->rows().empty());
    size_t boardTiles = 0;
    for (int column = 0; column < 4; ++column) {
        for (const MeldView *group : window->scoreBoard()->handScene(column).view.melds())
            boardTiles += group->tiles().size();
    }
    QCOMPARE(boardTiles, size_t(6));
    QVERIFY(window->scoreBoard()->uraDoraScene().view.melds().empty());

    QTRY_VERIFY_WITH_TIMEOUT(shownButton(window->scoreBoard(), QStringLiteral("readyPushButton")), 5000);
    shownButton(window->scoreBoard(), QStringLiteral("readyPushButton"))->click();
    QTRY_COMPARE_WITH_TIMEOUT(server.output().count(QStringLiteral("RECV ready_t")), 2, 5000);
    const QString out = server.output();
    QCOMPARE(out.count(QStringLiteral("RECV ready_t {\"player\":1001,\"table\":6001}")), 2);
    QVERIFY(out.contains(QStringLiteral("RECV call_pong_t {\"first_tile\":31,\"player\":1001,\"table\":6001}")));
    for (int t : {28, 27, 24})
        QVERIFY(out.contains(QStringLiteral("RECV discard_tile_t {\"discard\":%1,\"player\":1001,\"table\":6001}").arg(t)));
    client.controller->destroyTable(tableId);
    QTest::qWait(50);
}

void TestHandServer::takesRealHandsWhole()
{
    // Seven pairs, thirteen orphans, four kongs, and a riichi marker beside four concealed
    // kongs: each winner's melds come through the record checks as the server sent them,
    // and the last hand stands in the model and whole on the score board.
    constexpr qint32 table = 6002;
    LogFile log;
    TestServer server;
    DemoPlayer client;
    QVERIFY(logIn(server, client, "real-hands.json", "101/Hands"));
    QSignalSpy snapshots(client.connection.get(), &ConnectionManager::gameData);
    QSignalSpy ends(client.connection.get(), &ConnectionManager::handEnd);
    QVERIFY(client.open(table));
    QTRY_COMPARE_WITH_TIMEOUT(ends.size(), 3, 5000);
    QCOMPARE(snapshots.size(), 3);
    QVERIFY2(!log.text().contains(QLatin1String("refused")), qPrintable(log.text()));

    const auto players = [&snapshots](int hand) { return snapshots.at(hand).at(3).value<std::vector<PlayerData>>(); };
    QCOMPARE(meldKinds(players(0), 2001), (std::map<int, int>{{PAIR, 7}}));
    QCOMPARE(meldKinds(players(0), 2002), (std::map<int, int>{{MAHJONG, 12}, {PAIR, 1}}));
    QCOMPARE(meldKinds(players(1), 2003), (std::map<int, int>{{KONG, 4}, {PAIR, 1}}));
    QCOMPARE(meldKinds(players(2), me), (std::map<int, int>{{KONG, 4}, {PAIR, 1}, {RIICHI, 1}}));
    for (int hand = 0; hand < 3; ++hand) {
        const EndHand end = ends.at(hand).at(1).value<EndHand>();
        QCOMPARE(end.players.size(), size_t(4));
    }

    GameModel *model = client.model(table);
    QCOMPARE(meldKinds({*model->ownPlayer()}, me), (std::map<int, int>{{KONG, 4}, {PAIR, 1}, {RIICHI, 1}}));
    const ScoreBoard *board = client.window->scoreBoard();
    QTRY_VERIFY_WITH_TIMEOUT(board->isVisible(), 5000);
    QCOMPARE(board->columnPlayerIds().front(), me);
    const auto tiles = [](const ScoreBoard::TileScene &scene) {
        size_t count = 0;
        for (const MeldView *group : scene.view.melds())
            count += group->tiles().size();
        return count;
    };
    QCOMPARE(tiles(board->handScene(0)), size_t(4 * 4 + 2));
    QCOMPARE(tiles(board->doraScene()), size_t(WallState::MaxDoraIndicators));
    QCOMPARE(tiles(board->uraDoraScene()), size_t(WallState::MaxDoraIndicators));
    QVERIFY(client.window->grab().save(QStringLiteral("%1/hand-four-concealed-kongs.png").arg(TestServer::binaryDir())));
    client.controller->destroyTable(table);
    QTest::qWait(50);
}

void TestHandServer::aSeatTakenBackIsAskedForTheNextHand()
{
    // A table whose game type the lobby does not give announces no seat from a snapshot:
    // the player who takes the seat back during a hand is seated all the same, so that
    // when the hand ends the score board asks for the next hand with its countdown, and
    // the answer is taken.
    constexpr qint32 table = 6003;
    TestServer server;
    DemoPlayer client;
    QVERIFY(logIn(server, client, "seat-taken-back.json", "101/Back"));
    QVERIFY(client.open(table));
    GameModel *model = client.model(table);
    QTRY_COMPARE_WITH_TIMEOUT(model->gameState(), int(GameModel::HAND_OVER), 5000);
    QVERIFY(model->isOwnSeatAnnounced());
    QTRY_COMPARE_WITH_TIMEOUT(model->playerState(), GameModel::SCORING, 5000);
    ScoreBoard *board = client.window->scoreBoard();
    QTRY_VERIFY_WITH_TIMEOUT(board->isVisible(), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(board->findChild<QWidget *>(QStringLiteral("nextRoundTimer"))->isVisible(), 5000);
    QVERIFY(client.window->grab().save(QStringLiteral("%1/hand-seat-taken-back.png").arg(TestServer::binaryDir())));

    QPushButton *ready = shownButton(board, QStringLiteral("readyPushButton"));
    QVERIFY(ready);
    ready->click();
    QVERIFY(server.waitForOutput(QStringLiteral("RECV ready_t")));
    QTRY_COMPARE_WITH_TIMEOUT(model->gameState(), int(GameModel::HAND_IN_PLAY), 5000);
    QCOMPARE(model->playerState(), GameModel::PLAYING);
    QVERIFY(!board->isVisible());
    client.controller->destroyTable(table);
    QTest::qWait(50);
}

void TestHandServer::refusedMovesFollowTheWarningLimit()
{
    // A hostile server's impossible moves, 20,000 of each kind: a discard to a full pond,
    // a fifth set and a discard of a tile the own hand does not hold. Of each kind the
    // first few are logged in full and the others counted in a line or two; the burst
    // costs one rebuild of the window and holds the table's events for a moment only.
    constexpr qint32 table = 6004;
    LogFile log;
    TestServer server;
    DemoPlayer client;
    QVERIFY(logIn(server, client, "refused-moves.json", "101/Refused"));
    QSignalSpy disconnected(client.connection.get(), &ConnectionManager::disconnected);
    StallMeter stalls;
    QVERIFY(client.open(table));
    QVERIFY(disconnected.wait(30000));
    // The client's own work, which a busy machine does not stretch, and the wall clock,
    // far beyond what a busy machine stretches but not a blocked thread.
    const QString stall = stalls.excess();
    QVERIFY2(stall.isEmpty(), qPrintable(stall));

    // The model kept the hand as the server dealt it, and the window shows it.
    GameModel *model = client.model(table);
    QCOMPARE(model->ownPlayer()->hand().size(), size_t(13));
    QCOMPARE(model->player(2001).discards().size(), size_t(PlayerData::MaxDiscards));
    QCOMPARE(model->player(2002).melds().size(), size_t(PlayerData::MaxSets));
    QTRY_COMPARE(client.window->handView()->tiles().size(), size_t(13));
    QCOMPARE(client.window->discardView(client.window->seatOf(2001))->items().size(), size_t(PlayerData::MaxDiscards));
    // The counts are logged when their kind has been quiet for a while, or at the end.
    client.controller->destroyTable(table);
    QTest::qWait(50);
    client.controller.reset();
    const QString text = log.text();
    const struct
    {
        const char *full;
        const char *kind;
    } kinds[] = {{"table 6004 refused a discard of player 2001 whose pond holds 144 tiles", "table 6004 refused a discard"},
                 {"table 6004 refused 1 PONG for player 2002 who would show 5 sets", "table 6004 refused a meld"},
                 {"Table 6004: tileDiscarded failed: to_erase != t1.end()", "Table 6004: tileDiscarded failed"}};
    for (const auto &k : kinds) {
        QCOMPARE(text.count(QLatin1String(k.full)), RepeatedWarnings::FullWarnings);
        const QRegularExpression counted(QRegularExpression::escape(QLatin1String(k.kind))
                                         + QStringLiteral(" (\\d+) more times in the last \\d+ s"));
        qint64 refused = RepeatedWarnings::FullWarnings;
        int countLines = 0;
        for (auto match = counted.globalMatch(text); match.hasNext(); ++countLines)
            refused += match.next().captured(1).toLongLong();
        QCOMPARE(refused, 20000);
        QVERIFY2(countLines <= 2, k.kind);
    }
    QVERIFY2(text.size() < 20000, qPrintable(text.right(3000)));
    QVERIFY(text.count(QLatin1String("WE ARE SEATED")) <= 3);
}

MAHJONG_TEST_MAIN(TestHandServer)
#include "tst_handserver.moc"
