#include "game/GameModel.h"

#include "app/server_error.h"

#include "testmain.h"

#include <QSignalSpy>

#include <limits>

namespace {

constexpr qint32 tableId = 77;
constexpr qint32 me = 10;

TableInfo makeTable(int ruleset, int gameType, int seats = 4)
{
    TableInfo info(tableId);
    info.setRuleset(ruleset);
    info.setGameType(gameType);
    info.setCapacity(TableCapacity(seats, 0, 0));
    return info;
}

PlayerData makePlayer(qint32 id, bool ready = false)
{
    PlayerData p(id, QStringLiteral("player %1").arg(id));
    p.setReady(ready);
    return p;
}

server_game_state::enum_t serverState(int value)
{
    return static_cast<server_game_state::enum_t>(value);
}

Seating seating(qint32 east, qint32 south, qint32 west, qint32 north)
{
    Seating s;
    s.players = {{east, south, west, north}};
    return s;
}

tile_vector tiles(std::initializer_list<int> codes)
{
    tile_vector result;
    for (int c : codes)
        result.push_back(tile(static_cast<std::uint8_t>(c)));
    return result;
}

EndHandPlayer row(qint32 id, qint32 score, qint32 result = EndHandPlayer::NoResult)
{
    EndHandPlayer r;
    r.playerId = id;
    r.currentScore = score;
    r.result = result;
    return r;
}

// A joined full-game table of four with the local player ready and a hand
// started: me (10) East, 11 South, 12 West, 13 North.
struct HandFixture
{
    explicit HandFixture(int ruleset = 0)
        : model(tableId, makeTable(ruleset, TableInfo::FULL_GAME), me, QStringLiteral("me"))
    {
        model.setJustJoined();
        model.onGameData(-1, serverState(0),
                         {makePlayer(me, true), makePlayer(11, true), makePlayer(12, true),
                          makePlayer(13, true)},
                         TableState(), WallState());
        TableState table;
        table.referencePlayer = me;
        table.prevalentWind = 1;
        table.riichiSticks = 1;
        table.counterSticks = 2;
        WallState wall;
        wall.deadWallPosition = 9;
        wall.dora = tiles({5});
        model.onStartHand(501, seating(me, 11, 12, 13), {{me, 25000, 0}, {11, 24000, 1}}, true,
                          table, wall);
        model.onTilesFromWall(tiles({0, 1, 2, 4, 4, 4, 9, 20, 21, 31, 31, 33, 34}), false);
        for (qint32 id : {11, 12, 13})
            model.onHiddenTilesFromWall(id, 13, false);
    }
    GameModel model;
};

} // namespace

class TestGameModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void drawFromWall_data();
    void drawFromWall();
    void playerStates();
    void wholeHand();
    void ownHandBookkeeping();
    void refusedDiscardChangesNothing();
    void playerLeavesDuringHand();
    void lastDiscarderLeaves();
    void joinableAndSeats_data();
    void joinableAndSeats();
    void seatsCountReadyPlayers();
    void gameDataSnapshot();
    void wallFromServerIsKeptInside();
    void unknownPlayers();
    void watchedTournamentRoundEnds();
};

void TestGameModel::initTestCase()
{
    qRegisterMetaType<GameModel::player_state_t>();
}

void TestGameModel::drawFromWall_data()
{
    QTest::addColumn<int>("ruleset");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("replacement");
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<QList<int>>("after");

    QTest::newRow("live draw") << 0 << 1 << false << QList<int>{130, 14, 0} << QList<int>{129, 14, 0};
    QTest::newRow("classic first replacement") << 0 << 1 << true << QList<int>{100, 14, 0} << QList<int>{100, 13, 1};
    QTest::newRow("classic refill") << 0 << 1 << true << QList<int>{100, 13, 1} << QList<int>{98, 14, 2};
    QTest::newRow("classic two at once") << 0 << 2 << true << QList<int>{100, 14, 0} << QList<int>{98, 14, 2};
    QTest::newRow("classic live wall too short") << 0 << 1 << true << QList<int>{1, 13, 1} << QList<int>{1, 12, 2};
    QTest::newRow("hong kong refill") << 5 << 2 << true << QList<int>{50, 14, 0} << QList<int>{48, 14, 2};
    QTest::newRow("mcr from the live wall") << 1 << 1 << true << QList<int>{100, 0, 0} << QList<int>{99, 0, 1};
    QTest::newRow("riichi live wall first") << 2 << 1 << true << QList<int>{10, 14, 0} << QList<int>{9, 14, 1};
    QTest::newRow("riichi empty live wall") << 3 << 2 << true << QList<int>{0, 14, 0} << QList<int>{0, 12, 2};
    QTest::newRow("riichi live wall runs out") << 4 << 2 << true << QList<int>{1, 14, 3} << QList<int>{0, 13, 5};
    QTest::newRow("unknown rule set") << 9 << 1 << true << QList<int>{50, 14, 0} << QList<int>{50, 14, 1};
    QTest::newRow("no tiles") << 0 << 0 << true << QList<int>{50, 14, 2} << QList<int>{50, 14, 2};
}

void TestGameModel::drawFromWall()
{
    QFETCH(int, ruleset);
    QFETCH(int, count);
    QFETCH(bool, replacement);
    QFETCH(QList<int>, before);
    QFETCH(QList<int>, after);
    qint32 live = before[0], dead = before[1], dealt = before[2];
    GameModel::drawFromWall(ruleset, count, replacement, live, dead, dealt);
    QCOMPARE((QList<int>{live, dead, dealt}), after);
}

void TestGameModel::playerStates()
{
    GameModel model(tableId, makeTable(0, TableInfo::FULL_GAME), me, QStringLiteral("me"));
    QSignalSpy states(&model, &GameModel::playerStateChanged);
    QSignalSpy ready(&model, &GameModel::areYouReady);
    const auto last = [&] { return states.last().at(0).value<GameModel::player_state_t>(); };

    // Joined between hands: a seat is offered, then the player says ready.
    model.setJustJoined();
    model.onGameData(-1, serverState(0), {makePlayer(11, true)}, TableState(), WallState());
    QCOMPARE(states.count(), 1);
    QCOMPARE(last(), GameModel::SEAT_OFFERED);
    QVERIFY(model.ownPlayer());
    QCOMPARE(model.ownPlayer()->name(), QStringLiteral("me"));
    model.onAreYouReady(TimeSpan());
    QCOMPARE(ready.count(), 1);
    QCOMPARE(ready.last().at(1).toBool(), true);

    model.onPlayerIsReady(me);
    QCOMPARE(states.count(), 2);
    QCOMPARE(last(), GameModel::WAITING);
    // Neither repeated readiness nor a question in the wrong state changes anything.
    QTest::ignoreMessage(QtWarningMsg, "Got 'player is ready' in state: WAITING");
    model.onPlayerIsReady(me);
    QTest::ignoreMessage(QtWarningMsg, "Got 'are you ready' in state: WAITING");
    model.onAreYouReady(TimeSpan());
    QCOMPARE(states.count(), 2);
    QCOMPARE(ready.count(), 1);

    model.onStartHand(1, seating(me, 11, -1, -1), {}, false, TableState(), WallState());
    QCOMPARE(states.count(), 3);
    QCOMPARE(last(), GameModel::PLAYING);
    model.onHandEnd(EndHand());
    QCOMPARE(states.count(), 4);
    QCOMPARE(last(), GameModel::SCORING);
    model.onAreYouReady(TimeSpan());
    QCOMPARE(ready.last().at(1).toBool(), false);
    model.onPlayerIsReady(me);
    QCOMPARE(last(), GameModel::WAITING);

    // Leaving between hands, then being watched and kicked.
    model.onPlayerLeft(me);
    QCOMPARE(last(), GameModel::NO_PLAYER_STATE);
    model.onWatching();
    QCOMPARE(last(), GameModel::WATCHING);
    QVERIFY(model.isWatchingByChoice());
    const int count = states.count();
    model.onWatching(false);
    QCOMPARE(states.count(), count);
    QTest::ignoreMessage(QtWarningMsg, "onPlayerLeft() called for non-existing player: 10");
    model.onPlayerKicked(static_cast<kick_reason::enum_t>(3));
    QCOMPARE(last(), GameModel::KICKED);
    QCOMPARE(int(model.kickReason()), 3);
    QCOMPARE(GameModel::playerStateName(7), "<undefined>");
}

void TestGameModel::wholeHand()
{
    HandFixture f;
    GameModel &model = f.model;
    QCOMPARE(model.handId(), 501);
    QCOMPARE(model.referencePlayerId(), me);
    QCOMPARE(model.prevalentWind(), 1);
    QCOMPARE(model.player(11).score(), 24000);
    QCOMPARE(model.player(11).roundScore(), 1);
    QCOMPARE(model.playerByWind(2)->id(), 12);
    QCOMPARE(model.liveTiles(), 130 - 13 * 4);
    QCOMPARE(model.deadWallPosition(), 9);
    QCOMPARE(model.riichiSticks(), 1);
    QCOMPARE(model.counterSticks(), 2);

    QSignalSpy claimed(&model, &GameModel::tileClaimed);
    QSignalSpy melds(&model, &GameModel::meldDeclared);

    // 11 discards a riichi tile, 12 pongs it.
    model.onHiddenTilesFromWall(11, 1, false);
    model.onTileDiscarded(11, tile(22), true);
    QCOMPARE(model.riichiSticks(), 2);
    QCOMPARE(model.lastDiscarderId(), 11);
    model.onTileClaimed(12);
    QCOMPARE(claimed.count(), 1);
    QCOMPARE(claimed.last().at(0).toInt(), 11);
    QVERIFY(model.player(11).discards().empty());
    QCOMPARE(model.player(12).hiddenTileCount(), 14);
    model.onMeldDeclared(12, meld_tuple(PONG, 0, tile(22), -1, 0));
    QCOMPARE(model.player(12).hiddenTileCount(), 11);
    const meld_tuple pong = melds.last().at(1).value<meld_tuple>();
    QCOMPARE(pong.claimedFrom, 11);
    QCOMPARE(int(pong.claimedOffset), 0);
    QCOMPARE(model.lastDiscarderId(), -1);

    // A kong from the wall with a replacement draw and a kan dora.
    model.onMeldDeclared(13, meld_tuple(KONG, 2, tile(30), -1, 0));
    QCOMPARE(model.player(13).hiddenTileCount(), 9);
    QCOMPARE(model.player(13).melds().back().claimedFrom, -1);
    model.onHiddenTilesFromWall(13, 1, true);
    QCOMPARE(model.deadWallTiles(), 13);
    QCOMPARE(model.deadWallTilesDealt(), 1);
    model.onKanDora(tile(7));
    QCOMPARE(model.doraTiles(), tiles({5, 7}));

    // A bonus tile of another player.
    model.onDeclareBonus(13, tiles({36}));
    QCOMPARE(model.player(13).melds().back().kind, BONUS);
    QCOMPARE(int(model.player(13).melds().back().claimedOffset), 255);
    QCOMPARE(model.player(13).hiddenTileCount(), 9);

    // 12 wins on a discard of 13: a claim that no meld follows.
    model.onTileDiscarded(13, tile(25), false);
    model.onTileClaimed(12);
    EndHand result;
    result.players = {{me, row(me, 20000)}, {11, row(11, 21000)}, {12, row(12, 33000, 2)},
                      {13, row(13, 26000)}};
    QSignalSpy ended(&model, &GameModel::handEnd);
    model.onHandEnd(result);
    QCOMPARE(ended.count(), 1);
    QCOMPARE(model.gameState(), int(GameModel::HAND_OVER));
    QCOMPARE(model.player(12).score(), 33000);
    QCOMPARE(model.player(12).roundScore(), 1);
    QVERIFY(model.isInPlay());

    // The next hand clears the riichi and the claims of the last one.
    model.onStartHand(502, seating(11, 12, 13, me), {}, false, TableState(), WallState());
    QCOMPARE(model.riichiSticks(), 0);
    QCOMPARE(model.player(me).wind(), 3);
    QCOMPARE(model.deadWallTilesDealt(), 0);
    QCOMPARE(model.liveTiles(), 130);
    model.onHiddenTilesFromWall(11, 14, false);
    model.onMeldDeclared(11, meld_tuple(KONG, 2, tile(30), -1, 255));
    QCOMPARE(model.player(11).melds().back().claimedFrom, -1);
    QCOMPARE(int(model.player(11).melds().back().claimedOffset), 255);
}

void TestGameModel::ownHandBookkeeping()
{
    HandFixture f;
    GameModel &model = f.model;
    QCOMPARE(model.player(me).hand().size(), std::size_t(13));

    // A chow of a discard: the claimed tile joins the hand, then the run leaves it.
    model.onTileDiscarded(13, tile(3), false);
    model.onTileClaimed(me);
    QCOMPARE(model.player(me).hand().size(), std::size_t(14));
    model.onMeldDeclared(me, meld_tuple(CHOW, 0, tile(1), -1, 0));
    QCOMPARE(model.player(me).hand(), tiles({0, 4, 4, 4, 9, 20, 21, 31, 31, 33, 34}));
    const meld_tuple chow = model.player(me).melds().back();
    QCOMPARE(chow.claimedFrom, 13);
    QCOMPARE(int(chow.claimedOffset), 2);

    // A pong of a discard, then the fourth tile makes it a kong.
    model.onTileDiscarded(me, tile(9), false);
    model.onTileDiscarded(11, tile(31), false);
    model.onTileClaimed(me);
    model.onMeldDeclared(me, meld_tuple(PONG, 0, tile(31), -1, 0));
    QCOMPARE(model.player(me).hand(), tiles({0, 4, 4, 4, 20, 21, 33, 34}));
    model.onTilesFromWall(tiles({31}), false);
    QCOMPARE(model.player(me).pendingTiles(), tiles({31}));
    model.onMeldDeclared(me, meld_tuple(PONG_TO_KONG, 0, tile(31), -1, 0));
    QCOMPARE(model.player(me).melds().size(), std::size_t(2));
    QCOMPARE(model.player(me).melds().back().kind, KONG);
    QVERIFY(model.player(me).pendingTiles().empty());
    QCOMPARE(model.player(me).hand(), tiles({0, 4, 4, 4, 20, 21, 33, 34}));

    // A pong to kong without a pong keeps the melds as they are.
    QTest::ignoreMessage(QtWarningMsg, "pong to kong without a pong of BAMBOO 1");
    model.onMeldDeclared(me, meld_tuple(PONG_TO_KONG, 0, tile(0), -1, 0));
    QCOMPARE(model.player(me).melds().size(), std::size_t(2));

    // Own bonus tiles leave the hand; a bonus not held is refused.
    model.onDeclareBonus(me, tiles({34}));
    QCOMPARE(model.player(me).hand(), tiles({4, 4, 4, 20, 21, 33}));
    QVERIFY_THROWS_EXCEPTION(server_error, model.onDeclareBonus(me, tiles({35})));
    // A meld of tiles not held is refused.
    QVERIFY_THROWS_EXCEPTION(server_error,
                             model.onMeldDeclared(me, meld_tuple(KONG, 2, tile(4), -1, 0)));
    QCOMPARE(model.player(me).hand(), tiles({4, 4, 4, 20, 21, 33}));
}

void TestGameModel::refusedDiscardChangesNothing()
{
    HandFixture f;
    GameModel &model = f.model;
    QSignalSpy discarded(&model, &GameModel::tileDiscarded);
    try {
        model.onTileDiscarded(me, tile(40), false);
        QFAIL("a tile that is not held was discarded");
    } catch (const server_error &e) {
        QCOMPARE(e.what(), "to_erase != t1.end()");
    }
    QCOMPARE(discarded.count(), 0);
    QVERIFY(model.player(me).discards().empty());
    QCOMPARE(model.player(me).hand().size(), std::size_t(13));

    model.onTileDiscarded(me, tile(4), false);
    QCOMPARE(discarded.count(), 1);
    QCOMPARE(model.player(me).hand(), tiles({0, 1, 2, 4, 4, 9, 20, 21, 31, 31, 33, 34}));
    QCOMPARE(model.lastDiscardedTile(), tile(4));
}

void TestGameModel::playerLeavesDuringHand()
{
    HandFixture f;
    GameModel &model = f.model;
    QSignalSpy left(&model, &GameModel::playerLeft);
    QSignalSpy unseated(&model, &GameModel::playerUnseated);
    QSignalSpy seats(&model, &GameModel::seatsRemainingChanged);

    model.onPlayerLeft(12);
    QCOMPARE(left.count(), 0);
    QVERIFY(model.findPlayer(12));
    // A join during the hand is ignored.
    model.onPlayerJoined(makePlayer(14));
    QVERIFY(!model.findPlayer(14));

    // The result still has a row of the leaver, and one of a player never seen.
    EndHand result;
    result.players = {{me, row(me, 26000)}, {11, row(11, 24000)}, {12, row(12, 25000)},
                      {13, row(13, 25000)}, {99, row(99, 1)}};
    QTest::ignoreMessage(QtWarningMsg, "hand end for unknown player 99");
    model.onHandEnd(result);

    QVERIFY(!model.findPlayer(12));
    QCOMPARE(model.player(me).score(), 26000);
    QCOMPARE(unseated.count(), 1);
    QCOMPARE(unseated.last().at(0).toInt(), 12);
    QCOMPARE(unseated.last().at(1).toInt(), tableId);
    QCOMPARE(left.count(), 1);
    QCOMPARE(left.last().at(0).toInt(), 12);
    QCOMPARE(seats.count(), 1);
    QCOMPARE(seats.last().at(0).toInt(), 1);
}

void TestGameModel::lastDiscarderLeaves()
{
    HandFixture f;
    GameModel &model = f.model;
    model.onTileDiscarded(12, tile(22), false);
    model.onPlayerLeft(12);
    QCOMPARE(model.lastDiscarderId(), 12);
    model.onHandEnd(EndHand());
    QCOMPARE(model.lastDiscarderId(), -1);
    // A claim after the discarder is gone is ignored.
    QSignalSpy claimed(&model, &GameModel::tileClaimed);
    model.onTileClaimed(11);
    QCOMPARE(claimed.count(), 0);

    // The next hand forgets the last discard too.
    model.onTileDiscarded(11, tile(3), false);
    model.onStartHand(2, seating(me, 11, 13, -1), {}, false, TableState(), WallState());
    QCOMPARE(model.lastDiscarderId(), -1);
}

void TestGameModel::joinableAndSeats_data()
{
    QTest::addColumn<int>("gameType");
    QTest::addColumn<int>("players");
    QTest::addColumn<bool>("joinable");
    QTest::newRow("single hand, free seat") << int(TableInfo::SINGLE_HAND) << 2 << true;
    QTest::newRow("full game, free seat") << int(TableInfo::FULL_GAME) << 3 << true;
    QTest::newRow("full game, full") << int(TableInfo::FULL_GAME) << 4 << false;
    QTest::newRow("tournament") << int(TableInfo::TOURNAMENT) << 1 << false;
}

void TestGameModel::joinableAndSeats()
{
    QFETCH(int, gameType);
    QFETCH(int, players);
    QFETCH(bool, joinable);
    GameModel model(tableId, makeTable(0, gameType), me, QStringLiteral("me"));
    std::vector<PlayerData> records;
    for (int i = 0; i < players; ++i)
        records.push_back(makePlayer(20 + i, i == 0));
    model.onWatching();
    model.onGameData(-1, serverState(0), records, TableState(), WallState());
    QCOMPARE(model.isJoinable(), joinable);
    // Tournament tables seat everybody; the others only the ready players.
    const std::size_t announced = gameType == TableInfo::TOURNAMENT ? std::size_t(players) : 1;
    QCOMPARE(model.seatedPlayerIds().size(), announced);

    // Nobody joins during a hand.
    model.onStartHand(1, Seating(), {}, false, TableState(), WallState());
    QVERIFY(!model.isJoinable());
}

void TestGameModel::seatsCountReadyPlayers()
{
    GameModel model(tableId, makeTable(0, TableInfo::FULL_GAME), me, QStringLiteral("me"));
    QSignalSpy seats(&model, &GameModel::seatsRemainingChanged);
    QSignalSpy seated(&model, &GameModel::playerSeated);
    model.onGameData(-1, serverState(0), {makePlayer(11, true)}, TableState(), WallState());
    QCOMPARE(seated.count(), 1);
    QCOMPARE(seated.last().at(2).toBool(), true);
    model.onPlayerJoined(makePlayer(12));
    QCOMPARE(model.seatsRemaining(), 3);
    model.onPlayerIsReady(12);
    QCOMPARE(seats.last().at(0).toInt(), 2);
    QCOMPARE(seated.count(), 2);
    QCOMPARE(seated.last().at(2).toBool(), false);
    // Said ready twice: announced once.
    model.onPlayerIsReady(12);
    QCOMPARE(seated.count(), 2);

    QSignalSpy unseated(&model, &GameModel::playerUnseated);
    model.onPlayerLeft(12);
    QCOMPARE(unseated.count(), 1);
    QCOMPARE(seats.last().at(0).toInt(), 3);
    QTest::ignoreMessage(QtWarningMsg, "onPlayerLeft() called for non-existing player: 12");
    model.onPlayerLeft(12);

    // A table update sets the seated count and the fields.
    QSignalSpy info(&model, qOverload<const TableInfo &>(&GameModel::tableInfo));
    model.onTableInfo(3, {{TableInfo::SEATS, 3}});
    QCOMPARE(info.count(), 1);
    QCOMPARE(model.tableInfo().capacity().players(), 3);
    QCOMPARE(model.tableInfo().capacity().seats(), 3);
}

void TestGameModel::gameDataSnapshot()
{
    GameModel model(tableId, makeTable(3, TableInfo::FULL_GAME), me, QStringLiteral("me"));
    QSignalSpy reset(&model, &GameModel::modelReset);
    QSignalSpy wall(&model, &GameModel::wallStateChanged);
    PlayerData discarder = makePlayer(11, true);
    discarder.addDiscard(tile(8), false);
    discarder.addDiscard(tile(9), true);
    TableState table;
    table.lastDiscarder = 11;
    table.riichiSticks = 2;
    WallState walls;
    walls.liveTiles = 40;
    walls.deadWallTiles = 14;
    walls.deadWallPosition = 30;
    walls.deadWallTilesDealt = 1;
    walls.dora = tiles({3, 4});
    model.onGameData(900, serverState(4), {discarder, makePlayer(me, true)}, table, walls);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(wall.count(), 1);
    QCOMPARE(model.gameState(), int(GameModel::HAND_IN_PLAY));
    QVERIFY(model.isInPlay());
    QCOMPARE(model.lastDiscarderId(), 11);
    QCOMPARE(model.lastDiscardedTile(), tile(9));
    QCOMPARE(model.riichiSticks(), 3);
    QCOMPARE(model.liveTiles(), 40);
    QCOMPARE(model.deadWallPosition(), 30);
    QCOMPARE(model.doraTiles(), tiles({3, 4}));
    // Every player of a hand in play is seated at once.
    QCOMPARE(model.seatedPlayerIds(), (std::vector<qint32>{me, 11}));

    // A last discarder without discards, or unknown, is not taken.
    table.lastDiscarder = me;
    QTest::ignoreMessage(QtWarningMsg, "last discarder 10 has no discards");
    model.onGameData(901, serverState(2), {discarder, makePlayer(me, true)}, table, walls);
    QCOMPARE(model.lastDiscarderId(), -1);
    table.lastDiscarder = 55;
    QTest::ignoreMessage(QtWarningMsg, "last discarder 55 has no discards");
    model.onGameData(902, serverState(2), {discarder}, table, walls);
    QCOMPARE(model.lastDiscarderId(), -1);
    QVERIFY(!model.ownPlayer());
}

void TestGameModel::wallFromServerIsKeptInside()
{
    GameModel model(tableId, makeTable(0, TableInfo::FULL_GAME), me, QStringLiteral("me"));
    WallState walls;
    walls.deadWallPosition = -5;
    walls.liveTiles = 5000;
    walls.deadWallTiles = -3;
    walls.deadWallTilesDealt = -1;
    model.onGameData(1, serverState(1), {makePlayer(11), makePlayer(12)}, TableState(), walls);
    // Four sides of 18 stacks.
    QCOMPARE(model.deadWallPosition(), 67);
    QCOMPARE(model.liveTiles(), 144);
    QCOMPARE(model.deadWallTiles(), 0);
    QCOMPARE(model.deadWallTilesDealt(), 0);
    walls.deadWallPosition = 72 * 3 + 2;
    model.onStartHand(2, seating(me, -1, -1, -1), {}, false, TableState(), walls);
    QCOMPARE(model.deadWallPosition(), 2);

    // More draws than the wall holds leave the counts at zero; no draw gives a hand
    // more tiles than it holds.
    const int live = model.liveTiles();
    model.onHiddenTilesFromWall(11, 13, false);
    model.onHiddenTilesFromWall(11, 2, false);
    // Nor does a count that would wrap the sum, or a negative one.
    QSignalSpy hiddenDraws(&model, &GameModel::hiddenTilesFromWall);
    model.onHiddenTilesFromWall(11, std::numeric_limits<qint32>::max(), false);
    model.onHiddenTilesFromWall(11, -3, true);
    QCOMPARE(hiddenDraws.size(), 0);
    QCOMPARE(model.player(11).hiddenTileCount(), 13);
    QCOMPARE(model.liveTiles(), live - 13);
    for (int draw = 0; draw < 170; ++draw) {
        const qint32 player = 11 + draw % 2;
        model.onHiddenTilesFromWall(player, 1, draw >= 140);
        model.onTileDiscarded(player, tile(1), false);
    }
    QCOMPARE(model.liveTiles(), 0);
    QCOMPARE(model.deadWallTiles(), 0);
    QVERIFY(model.deadWallTilesDealt() >= 0);
    QCOMPARE(model.player(11).hiddenTileCount(), 13);
    // No pond holds more tiles than the wall.
    while (model.player(11).discards().size() < size_t(PlayerData::MaxDiscards)) {
        model.onHiddenTilesFromWall(11, 1, false);
        model.onTileDiscarded(11, tile(2), false);
    }
    model.onHiddenTilesFromWall(11, 1, false);
    QSignalSpy discarded(&model, &GameModel::tileDiscarded);
    model.onTileDiscarded(11, tile(2), false);
    QCOMPARE(discarded.size(), 0);
    QCOMPARE(model.player(11).discards().size(), size_t(PlayerData::MaxDiscards));
    QCOMPARE(model.player(11).hiddenTileCount(), 14);
    // More melds than the hand holds tiles for leave it empty. A player shows what a real
    // hand shows and no more: four kongs with a riichi marker and the winning pair, seven
    // pairs, eight bonus tiles; no fifth set, second marker, eighth pair or ninth bonus
    // tile; nor are there more dora indicators than kongs.
    for (int kong = 0; kong < 4; ++kong)
        model.onMeldDeclared(11, meld_tuple(KONG, 2, tile(5 + kong), -1, 0));
    QCOMPARE(model.player(11).hiddenTileCount(), 0);
    QSignalSpy declared(&model, &GameModel::meldDeclared);
    for (const meld kind : {RIICHI, PAIR, PONG, RIICHI, CHOW})
        model.onMeldDeclared(11, meld_tuple(kind, 0, tile(20), -1, 0));
    QCOMPARE(declared.size(), 2);
    for (int pair = 0; pair < 8; ++pair)
        model.onMeldDeclared(12, meld_tuple(PAIR, 0, tile(pair * 4), -1, 0));
    QCOMPARE(declared.size(), 2 + 7);
    model.onDeclareBonus(11, {tile(34), tile(35), tile(36), tile(37), tile(38)});
    model.onDeclareBonus(11, {tile(39), tile(40), tile(41), tile(34)});
    model.onDeclareBonus(11, {tile(39), tile(40), tile(41)});
    QCOMPARE(model.player(11).melds().size(), size_t(4 + 2 + PlayerData::MaxBonusTiles));
    for (int kong = 0; kong < 7; ++kong)
        model.onKanDora(tile(kong));
    QCOMPARE(model.doraTiles().size(), size_t(WallState::MaxDoraIndicators));
}

void TestGameModel::unknownPlayers()
{
    HandFixture f;
    try {
        f.model.onTileDiscarded(42, tile(1), false);
        QFAIL("no exception");
    } catch (const server_error &e) {
        QCOMPARE(e.what(), "unknown player 42");
    }
    QVERIFY_THROWS_EXCEPTION(server_error, f.model.player(42));
    QVERIFY_THROWS_EXCEPTION(server_error, f.model.onScoreUpdate(42, 1));
    QVERIFY(!f.model.findPlayer(42));
    // The own draw comes only through onTilesFromWall.
    QSignalSpy hidden(&f.model, &GameModel::hiddenTilesFromWall);
    f.model.onHiddenTilesFromWall(me, 1, false);
    QCOMPARE(hidden.count(), 0);
}

void TestGameModel::watchedTournamentRoundEnds()
{
    GameModel model(tableId, makeTable(0, TableInfo::TOURNAMENT), me, QStringLiteral("me"));
    model.onWatching();
    QSignalSpy ended(&model, &GameModel::tournamentRoundEnded);
    TournamentInfo info;
    info.setStatus(TournamentInfo::Playing);
    model.onTournamentInfo(info);
    QCOMPARE(ended.count(), 0);
    info.setStatus(TournamentInfo::Paused);
    model.onTournamentInfo(info);
    QCOMPARE(ended.count(), 1);
    QCOMPARE(model.gameState(), int(GameModel::ROUND_OVER));
    model.onTableRemoved();
    QCOMPARE(model.gameState(), int(GameModel::TABLE_REMOVED));
}

MAHJONG_TEST_MAIN(TestGameModel)
#include "tst_gamemodel.moc"
