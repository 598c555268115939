#include "game/GameController.h"

#include "SceneTestSetup.h"
#include "app/RulesetInfo.h"
#include "connection/ConnectionManager.h"
#include "game/GameModel.h"
#include "game/GameWindow.h"
#include "game/TournamentLookup.h"
#include "lobby/TableModel.h"
#include "table/scene/PlayerActionView.h"
#include "lobby/TournamentsLobbyModel.h"

#include "testmain.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <map>
#include <memory>
#include <stdexcept>

namespace {

constexpr qint32 me = 10;
constexpr qint32 regularTable = 40;
constexpr qint32 riichiTable = 41;
constexpr qint32 cupTable = 70;
constexpr qint32 cup = 5;

// The messages of the run: an unconnected connection manager logs every request it drops.
QStringList g_log;
QtMessageHandler g_previous = nullptr;

void recordMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    g_log << text;
    if (g_previous && type != QtWarningMsg)
        g_previous(type, context, text);
}

int logged(const QString &part)
{
    int n = 0;
    for (const QString &line : g_log)
        n += line.contains(part) ? 1 : 0;
    return n;
}

tile_vector tiles(std::initializer_list<int> codes)
{
    tile_vector result;
    for (int c : codes)
        result.push_back(tile(static_cast<std::uint8_t>(c)));
    return result;
}

PlayerData makePlayer(qint32 id)
{
    PlayerData p(id, QStringLiteral("player %1").arg(id));
    p.setReady(true);
    return p;
}

TableInfo makeTable(qint32 id, int gameType, qint32 tournament = -1, int ruleset = 0)
{
    TableInfo info(id);
    info.setLobbyPath(QStringLiteral("1/Tables"));
    info.setRuleset(ruleset);
    info.setGameType(gameType);
    info.setWindRounds(1);
    info.setCapacity(TableCapacity(4, 0, 0));
    info.setMttId(tournament);
    return info;
}

class FakeTournaments : public TournamentLookup
{
public:
    bool hasTournament(qint32 id) const override { return m_held.count(id) != 0; }
    TournamentInfo tournamentInfo(qint32 id) const override
    {
        auto it = m_held.find(id);
        if (it == m_held.end())
            throw std::runtime_error("unknown tournament");
        return it->second;
    }
    void add(qint32 id)
    {
        TournamentInfo info(id);
        m_held.emplace(id, info);
        emit tournamentAdded(info);
    }

private:
    std::map<qint32, TournamentInfo> m_held;
};

// The controller between a real (unconnected) connection manager and a table list that
// counts its subscriptions.
struct Rig
{
    Rig()
        : tables(TableModelRequests{[](const QString &) { return true; },
                                    [](const QString &) { return true; }, [] {}},
                 nullptr),
          controller(&connection, TableWindowServices(), &lookup)
    {
        controller.setPlayerId(me);
        controller.setPlayerName(QStringLiteral("me"));
        controller.setTableModel(&tables);
        // The lobby holds the tables of the paths it follows.
        tables.subscribe(QStringLiteral("1/Tables"));
        settle();
        tables.addOrUpdateTable(makeTable(regularTable, TableInfo::FULL_GAME));
        QObject::connect(&controller, &GameController::tableViewCreated, &controller,
                         [this](qint32 id, GameWindow *window) {
                             order << QStringLiteral("created %1").arg(id);
                             windows[id] = window;
                         });
        QObject::connect(&controller, &GameController::tableViewAboutToBeDestroyed, &controller,
                         [this](qint32 id) { order << QStringLiteral("about %1").arg(id); });
        QObject::connect(&controller, &GameController::tableViewDestroyed, &controller,
                         [this](qint32 id) {
                             order << QStringLiteral("destroyed %1").arg(id);
                             windows.erase(id);
                         });
        QObject::connect(&controller, &GameController::gameModelAboutToBeDestroyed, &controller,
                         [this](GameModel *m) { order << QStringLiteral("model %1").arg(m->tableId()); });
    }

    // Lets the paced subscription queue of the table list run dry.
    void settle()
    {
        QVERIFY(QTest::qWaitFor([this] { return !tables.hasQueuedRequests(); }, 5000));
    }
    int subscriptions(const QString &path)
    {
        settle();
        return tables.subscriptionCount(path);
    }

    ConnectionManager connection{false};
    TableModel tables;
    FakeTournaments lookup;
    GameController controller;
    QStringList order;
    std::map<qint32, GameWindow *> windows;
};

} // namespace

class TestGameController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void lateAndFaultyMessagesKeepTheClientRunning();
    void tournamentSeatWaitsThenJoinsOnce();
    void leftTournamentTableReopensWithOwnTiles();
    void kickUnwatchAndUnknownTables();
    void compactLayoutReachesEveryWindow();
    void openTablesGoWithTheController();
    void riichiWinsShowTsumoOrRon();

private:
    QTemporaryDir m_artwork;
    QTemporaryDir m_work;
};

void TestGameController::initTestCase()
{
    SceneTestSetup::install(m_artwork.path(), m_work.path());
    g_previous = qInstallMessageHandler(recordMessage);
}

void TestGameController::init()
{
    g_log.clear();
}

void TestGameController::lateAndFaultyMessagesKeepTheClientRunning()
{
    Rig rig;
    const QString path = QStringLiteral("1/Tables");
    QSignalSpy watched(&rig.controller, &GameController::tableWatched);
    emit rig.connection.watchSuccessful(regularTable);
    QCOMPARE(watched.size(), 1);
    QCOMPARE(watched.first().at(1).toBool(), true);
    QVERIFY(rig.controller.hasTable(regularTable));
    QCOMPARE(rig.subscriptions(path), 2);
    emit rig.connection.gameData(regularTable, 1, server_game_state::enum_t(0),
                                 {makePlayer(11), makePlayer(12)}, TableState(), WallState());

    // A discard by a player the table does not know: logged, the window rebuilt, the table kept.
    emit rig.connection.tileDiscarded(regularTable, 999, tile(3));
    QVERIFY(logged(QStringLiteral("Table 40: tileDiscarded failed")) == 1);
    QVERIFY(rig.controller.hasTable(regularTable));

    emit rig.connection.leaveSuccessful(regularTable);
    QCOMPARE(rig.order, QStringList({"created 40", "about 40", "destroyed 40", "model 40"}));
    QVERIFY(!rig.controller.hasTable(regularTable));
    QCOMPARE(rig.subscriptions(path), 1);

    // Messages still under way for the table that is gone.
    g_log.clear();
    emit rig.connection.tileDiscarded(regularTable, 11, tile(3));
    emit rig.connection.handEnd(regularTable, EndHand());
    emit rig.connection.kickPlayer(regularTable, kick_reason::enum_t(1));
    rig.controller.onTournamentScoreDialogClosed(cup, regularTable, true);
    QCOMPARE(logged(QStringLiteral("non-existant table 40 referenced")), 4);
    QVERIFY_THROWS_EXCEPTION(std::exception, rig.controller.gameModel(regularTable));
}

void TestGameController::tournamentSeatWaitsThenJoinsOnce()
{
    Rig rig;
    const QString cupPath = tournamentLobbyPath(cup);
    QSignalSpy joined(&rig.controller, &GameController::tournamentTableJoined);

    emit rig.connection.tournamentSeated(cup, cupTable);
    QCOMPARE(rig.subscriptions(cupPath), 1);
    emit rig.connection.tournamentSeated(cup, cupTable);
    QCOMPARE(logged(QStringLiteral("Server tried to seat twice at table 70 (now for tournament 5)")), 1);

    // The table arrives: the tournament is still unknown.
    const TableInfo info = makeTable(cupTable, TableInfo::TOURNAMENT, cup);
    rig.tables.addOrUpdateTable(info);
    emit rig.connection.tableInfoUpdate(info);
    QCOMPARE(logged(QStringLiteral("dropping the join of table 70")), 0);
    QVERIFY(!rig.controller.tableInfoAvailable(cupTable));

    // The tournament arrives: one join, and no second one for later records.
    rig.lookup.add(cup);
    QVERIFY(rig.controller.tableInfoAvailable(cupTable));
    QCOMPARE(logged(QStringLiteral("dropping the join of table 70")), 1);
    emit rig.connection.tableInfoUpdate(info);
    rig.lookup.add(cup);
    QCOMPARE(logged(QStringLiteral("dropping the join of table 70")), 1);

    emit rig.connection.joinSuccessful(cupTable);
    QCOMPARE(joined.size(), 1);
    QCOMPARE(joined.first().at(0).toInt(), cup);
    QCOMPARE(joined.first().at(1).toInt(), cupTable);
    QCOMPARE(rig.subscriptions(cupPath), 0);
    QVERIFY(rig.controller.hasTable(cupTable));
}

void TestGameController::leftTournamentTableReopensWithOwnTiles()
{
    Rig rig;
    rig.lookup.add(cup);
    rig.tables.addOrUpdateTable(makeTable(cupTable, TableInfo::TOURNAMENT, cup));
    rig.controller.onTournamentSeated(cup, cupTable, 1);
    emit rig.connection.joinSuccessful(cupTable);
    QSignalSpy active(&rig.controller, &GameController::tableActiveChanged);

    emit rig.connection.gameData(cupTable, 7, server_game_state::enum_t(2),
                                 {makePlayer(me), makePlayer(11), makePlayer(12), makePlayer(13)},
                                 TableState(), WallState());
    PrivatePlayerData own;
    own.concealed = tiles({0, 1, 2, 4, 4, 4, 9, 20, 21, 31, 31, 33, 34});
    emit rig.connection.privatePlayerData(cupTable, own);
    GameModel *model = rig.controller.gameModel(cupTable);
    QVERIFY(model->isSeated());

    // Leaving a seated tournament table closes the window only.
    GameWindow *first = rig.windows.at(cupTable);
    emit first->leave(cupTable);
    QVERIFY(rig.controller.hasTable(cupTable));
    QCOMPARE(rig.windows.count(cupTable), size_t(0));
    QCOMPARE(logged(QStringLiteral("unwatch")), 0);
    QCOMPARE(logged(QStringLiteral("leave_table")), 0);

    // The model keeps following the hand; the reopened window gets the own tiles.
    emit rig.connection.tilesFromWall(cupTable, tiles({7}), false);
    QSignalSpy privateData(model, &GameModel::privatePlayerData);
    active.clear();
    GameWindow *second = rig.controller.gameWindow(cupTable);
    QVERIFY(second);
    QCOMPARE(rig.windows.at(cupTable), second);
    QCOMPARE(second->model(), model);
    QCOMPARE(privateData.size(), 1);
    QCOMPARE(privateData.first().at(0).value<PrivatePlayerData>().concealed.size(), size_t(14));
    QCOMPARE(active.size(), 1);
    QCOMPARE(rig.controller.gameWindow(cupTable), second);
    rig.controller.destroyTable(cupTable);
}

void TestGameController::kickUnwatchAndUnknownTables()
{
    Rig rig;
    rig.lookup.add(cup);
    rig.tables.addOrUpdateTable(makeTable(cupTable, TableInfo::TOURNAMENT, cup));
    emit rig.connection.watchSuccessful(regularTable);
    emit rig.connection.watchSuccessful(cupTable);

    // Kicked for reason 3: the player watches the table again and keeps it.
    emit rig.connection.kickPlayer(regularTable, kick_reason::enum_t(3));
    QCOMPARE(logged(QStringLiteral("watch_table")), 1);
    QVERIFY(rig.controller.hasTable(regularTable));
    QCOMPARE(rig.controller.gameModel(regularTable)->playerState(), GameModel::KICKED);

    // The round's results stay on a tournament table at game state 4.
    emit rig.connection.endOfTournamentRound(cup, cupTable, true, TournamentRoundScores());
    QCOMPARE(rig.controller.gameModel(cupTable)->gameState(), int(GameModel::ROUND_OVER));
    emit rig.connection.unwatchSuccessful(cupTable);
    QVERIFY(rig.controller.hasTable(cupTable));
    emit rig.connection.unwatchSuccessful(regularTable);
    QVERIFY(!rig.controller.hasTable(regularTable));

    // Answers for tables the lobby does not know are undone and reported.
    QSignalSpy unavailable(&rig.controller, &GameController::tableUnavailableError);
    g_log.clear();
    emit rig.connection.watchSuccessful(99);
    emit rig.connection.joinSuccessful(98);
    QCOMPARE(unavailable.size(), 2);
    QCOMPARE(unavailable.at(0).at(1).value<UsageReason>(), UsageReason::WatchRefused);
    QCOMPARE(unavailable.at(1).at(1).value<UsageReason>(), UsageReason::JoinRefused);
    QCOMPARE(logged(QStringLiteral("unwatch_table")), 1);
    QCOMPARE(logged(QStringLiteral("leave_table")), 1);
    QVERIFY(!rig.controller.hasTable(99) && !rig.controller.hasTable(98));
}

void TestGameController::compactLayoutReachesEveryWindow()
{
    Rig rig;
    rig.lookup.add(cup);
    rig.tables.addOrUpdateTable(makeTable(cupTable, TableInfo::TOURNAMENT, cup));
    emit rig.connection.watchSuccessful(regularTable);
    emit rig.connection.watchSuccessful(cupTable);
    QCOMPARE(rig.windows.size(), size_t(2));
    for (const auto &[id, window] : rig.windows)
        QVERIFY(!window->isCompactLayout());
    rig.controller.setCompactTableLayout(true);
    std::map<qint32, const GameTableLayout *> layouts;
    for (const auto &[id, window] : rig.windows) {
        QVERIFY(window->isCompactLayout());
        layouts[id] = window->tableLayout();
    }
    // The same layout again keeps each window's own: building it anew would also hurry
    // the window's queued actions through.
    rig.controller.setCompactTableLayout(true);
    for (const auto &[id, window] : rig.windows)
        QCOMPARE(window->tableLayout(), layouts.at(id));
    // A window opened later starts with the stored layout.
    emit rig.connection.leaveSuccessful(regularTable);
    emit rig.connection.watchSuccessful(regularTable);
    QVERIFY(rig.windows.at(regularTable)->isCompactLayout());
    rig.controller.setCompactTableLayout(false);
    for (const auto &[id, window] : rig.windows)
        QVERIFY(!window->isCompactLayout());
}

void TestGameController::openTablesGoWithTheController()
{
    // The model of a table still open goes with the controller; its window stays with
    // the window's owner (here the test) and lets go of the model.
    auto rig = std::make_unique<Rig>();
    emit rig->connection.watchSuccessful(regularTable);
    const QPointer<GameModel> model = rig->controller.gameModel(regularTable);
    QVERIFY(model);
    const std::unique_ptr<GameWindow> window(rig->windows.at(regularTable));
    rig.reset();
    QVERIFY(model.isNull());
    QVERIFY(!window->model());
}

void TestGameController::riichiWinsShowTsumoOrRon()
{
    Rig rig;
    rig.tables.addOrUpdateTable(makeTable(riichiTable, TableInfo::FULL_GAME, -1, RulesetInfo::JAPANESE_RIICHI));
    emit rig.connection.watchSuccessful(riichiTable);
    GameWindow *window = rig.windows.at(riichiTable);
    const auto picture = [&](qint32 player) {
        return window->claimImage(window->seatOf(player))->imagePath();
    };
    const auto dealt = [&] {
        emit rig.connection.gameData(riichiTable, 3, server_game_state::enum_t(2),
                                     {makePlayer(11), makePlayer(12), makePlayer(13), makePlayer(14)},
                                     TableState(), WallState());
        Seating seating;
        seating.players = {{11, 12, 13, 14}};
        emit rig.connection.startHand(riichiTable, 4, seating, {}, true, TableState(), WallState());
        for (qint32 id : {11, 12, 13, 14})
            emit rig.connection.hiddenTilesFromWall(riichiTable, id, 13, false);
    };
    const QString tsumo = QStringLiteral("textimages:claim-tsumo.png");
    const QString ron = QStringLiteral("textimages:claim-ron.png");
    dealt();

    // A win on the own draw, also on the replacement tile after a kong.
    emit rig.connection.hiddenTilesFromWall(riichiTable, 11, 1, false);
    emit rig.connection.someoneDeclaredMahjong(riichiTable, 11);
    QCOMPARE(picture(11), tsumo);
    emit rig.connection.meldDeclared(riichiTable, 11, meld_tuple(KONG, meld_tuple::FaceDown, tile(5), -1, 0));
    emit rig.connection.hiddenTilesFromWall(riichiTable, 11, 1, true);
    emit rig.connection.someoneDeclaredMahjong(riichiTable, 11);
    QCOMPARE(picture(11), tsumo);

    // Wins on another's tile: the discard, and the tile added to a pong while it is robbed.
    emit rig.connection.tileDiscarded(riichiTable, 11, tile(7));
    emit rig.connection.someoneDeclaredMahjong(riichiTable, 12);
    QCOMPARE(picture(12), ron);
    emit rig.connection.hiddenTilesFromWall(riichiTable, 12, 1, false);
    emit rig.connection.meldDeclared(riichiTable, 12, meld_tuple(PONG_TO_KONG, 0, tile(9), -1, 0));
    emit rig.connection.someoneDeclaredMahjong(riichiTable, 13);
    QCOMPARE(picture(13), ron);

    // Watching from the middle of a hand: the turn comes from the server's prompt.
    dealt();
    emit rig.connection.playerShouldAct(riichiTable, TimeSpan(), 14);
    emit rig.connection.someoneDeclaredMahjong(riichiTable, 14);
    QCOMPARE(picture(14), tsumo);
    QCOMPARE(logged(QStringLiteral("failed")), 0);
}

MAHJONG_TEST_MAIN(TestGameController)
#include "tst_gamecontroller.moc"
