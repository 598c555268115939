// The client against the demo world of the test game server, offscreen, beside a bare
// client made of the connection manager alone (no windows, no models):
//
// lobby*  from a new connection to the lobby filled: the bare client logs in and
//         subscribes both lobby folders, the second after the pause the table list keeps
//         between its requests, until every table arrived; the windowed one also builds
//         the lobby controller and window and waits for the view's rows.
// hands*  ten hands in a row at one table with animations off, each from the ready
//         answer to the hand's end; both players pass on claims, declare mahjong when
//         offered and discard the tile they drew. Counters: the first and the last hand
//         and their ratio (the goal: the last costs at most 1.2 times the first).
// The goal for both pairs: the windows add at most three times the bare client's time.
// Both sides wait on the event loop, checking after every batch of events, never
// sleeping between checks.
#include "DemoPlayer.h"
#include "SceneTestSetup.h"

#include "lobby/LobbyController.h"
#include "lobby/LobbyWindow.h"
#include "lobby/TableModel.h"
#include "protocol/TestServer.h"
#include "table/dialogs/MeldAuction.h"
#include "table/dialogs/ScoreBoard.h"
#include "table/dialogs/SeatedWindow.h"
#include "table/dialogs/WashoutWindow.h"

#include "RepeatedRuns.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <numeric>

namespace {

constexpr qint32 table = 3009;
constexpr int handsInARow = 10;
constexpr int demoTables = 14;

// Handles the next batch of events (a socket read, a timer, posted events), waiting for
// one to come until the deadline at most.
void awaitEvents(const QDeadlineTimer &deadline)
{
    if (deadline.hasExpired())
        return;
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(std::chrono::milliseconds(deadline.remainingTime()));
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Runs the event loop until done() holds, checking it after every batch of events.
bool waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs, Qt::PreciseTimer);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        awaitEvents(deadline);
    }
    return true;
}

std::unique_ptr<ConnectionManager> connectTo(TestServer &server)
{
    auto connection = std::make_unique<ConnectionManager>(false);
    QSignalSpy versions(connection.get(), &ConnectionManager::versionCheckComplete);
    connection->connectTo(QStringLiteral("127.0.0.1"), server.gamePort());
    versions.wait(5000);
    QSignalSpy success(connection.get(), &ConnectionManager::loginSuccess);
    connection->login(QStringLiteral("bench"), QStringLiteral("pw"));
    success.wait(5000);
    return connection;
}

void lobbyBare(benchmark::State &state)
{
    TestServer server;
    server.startDemo(1, 0);
    for (auto _ : state) {
        int tables = 0;
        std::unique_ptr<ConnectionManager> connection = connectTo(server);
        QObject::connect(connection.get(), qOverload<const TableInfo &>(&ConnectionManager::tableInfoUpdate),
                         connection.get(), [&tables] { ++tables; });
        // In the order and at the pace the windowed client's table list sends them.
        connection->lobby_table_subscribe(QStringLiteral("101/Regular"));
        ConnectionManager *cm = connection.get();
        QTimer::singleShot(TableModel::RequestIntervalMs, Qt::PreciseTimer, cm,
                           [cm] { cm->lobby_table_subscribe(QStringLiteral("101/Practice")); });
        if (!waitUntil([&] { return tables >= demoTables; }, 10000))
            state.SkipWithError("the lobby did not fill");
    }
}

void lobbyWindows(benchmark::State &state)
{
    TestServer server;
    server.startDemo(1, 0);
    for (auto _ : state) {
        std::unique_ptr<ConnectionManager> connection = connectTo(server);
        LobbyController lobby(connection.get(), nullptr);
        std::unique_ptr<LobbyWindow> window(lobby.createLobbyWindow());
        lobby.tableModel()->subscribe(QStringLiteral("101/Practice"));
        window->resize(900, 560);
        window->show();
        auto *view = window->findChild<QTreeView *>(QStringLiteral("lobbyTreeView"));
        if (!waitUntil([&] { return lobby.tableModel()->rowCount() >= demoTables && view->model()->rowCount() >= 8; }, 10000))
            state.SkipWithError("the lobby did not fill");
        lobby.tableModel()->unsubscribe(QStringLiteral("101/Practice"));
    }
}

void reportHands(benchmark::State &state, const std::vector<qint64> &hands)
{
    if (hands.size() != handsInARow)
        return;
    state.counters["first_ms"] = double(hands.front());
    state.counters["last_ms"] = double(hands.back());
    state.counters["last_per_first"] = double(hands.back()) / double(std::max<qint64>(1, hands.front()));
    state.counters["slowest_ms"] = double(*std::max_element(hands.begin(), hands.end()));
    state.counters["mean_ms"] = double(std::accumulate(hands.begin(), hands.end(), qint64(0))) / double(hands.size());
}

void handsBare(benchmark::State &state)
{
    for (auto _ : state) {
        TestServer server;
        server.startDemo(1, 0);
        std::unique_ptr<ConnectionManager> connection = connectTo(server);
        ConnectionManager *cm = connection.get();
        QSignalSpy loggedIn(cm, &ConnectionManager::loginSuccess);
        constexpr qint32 me = 1001;
        tile drawn;
        int ended = 0;
        QObject::connect(cm, &ConnectionManager::areYouReady, cm, [cm](qint32 t, const TimeSpan &) { cm->ready(t, me); });
        QObject::connect(cm, &ConnectionManager::tilesFromWall, cm, [&drawn](qint32, const tile_vector &tiles, bool) {
            if (tiles.size() != 13 && !tiles.empty())
                drawn = tiles.back();
        });
        QObject::connect(cm, &ConnectionManager::playerShouldAct, cm, [cm, &drawn](qint32 t, const TimeSpan &, qint32 player) {
            if (player == me)
                cm->discard_tile(t, me, drawn);
        });
        const auto answer = [cm](qint32 t, const TimeSpan &, const meld_offer_vector &offers) {
            const bool win = std::any_of(offers.begin(), offers.end(), [](const meld_offer &o) { return o.kind == MAHJONG; });
            if (win)
                cm->call_mahjong(t, me);
            else
                cm->call_pass(t, me, false);
        };
        QObject::connect(cm, &ConnectionManager::meldSuggestion, cm, answer);
        QObject::connect(cm, &ConnectionManager::concealedMeldSuggestion, cm,
                         [cm](qint32 t, const TimeSpan &, const meld_offer_vector &offers) {
                             if (std::any_of(offers.begin(), offers.end(), [](const meld_offer &o) { return o.kind == MAHJONG; }))
                                 cm->call_mahjong(t, me);
                         });
        std::vector<qint64> hands;
        QElapsedTimer clock;
        QObject::connect(cm, &ConnectionManager::handEnd, cm, [&](qint32, const EndHand &) {
            hands.push_back(clock.elapsed());
            ++ended;
            clock.restart();
        });
        clock.start();
        cm->join_table(table);
        if (!waitUntil([&] { return ended >= handsInARow; }, 120000))
            state.SkipWithError("the hands did not end");
        reportHands(state, hands);
    }
}

// Plays one hand through the table window: mahjong when offered, pass on other claims,
// discard the drawn tile.
bool playPassing(GameWindow *window, GameModel *model, qint32 me)
{
    const QDeadlineTimer deadline(60000, Qt::PreciseTimer);
    while (!deadline.hasExpired()) {
        if (model->gameState() == GameModel::HAND_OVER)
            return true;
        const bool idle = !window->actionQueue().isBusy() && window->actionQueue().isEmpty();
        if (idle) {
            if (MeldAuction *auction = window->meldAuction()) {
                QPushButton *button = DemoPlay::shownButton(auction, QStringLiteral("mahjongButton"));
                if (!button)
                    button = DemoPlay::shownButton(auction, QStringLiteral("passButton"));
                if (button) {
                    button->click();
                    awaitEvents(deadline);
                    continue;
                }
            }
            // The acting player and the drawn tile stay as they were after the discard
            // until the server names the next player: only a hand of 14 is one to discard
            // from.
            const PlayerData *own = model->ownPlayer();
            if (own && model->actingPlayer().first == me && !own->pendingTiles().empty()
                && own->hand().size() % 3 == 2) {
                if (HandTile *item = DemoPlay::handTile(window, own->pendingTiles().front())) {
                    const size_t before = own->discards().size();
                    DemoPlay::clickItem(window, item);
                    waitUntil([&] { return model->ownPlayer()->discards().size() != before || model->gameState() != GameModel::HAND_IN_PLAY; }, 300);
                    continue;
                }
            }
        }
        awaitEvents(deadline);
    }
    return false;
}

// Clicks the ready button of whichever end-of-hand window is shown.
bool sayReady(GameWindow *window)
{
    QPushButton *ready = nullptr;
    const bool shown = waitUntil([&] {
        return (ready = DemoPlay::shownButton(window, QStringLiteral("readyPushButton")))
            || (ready = DemoPlay::shownButton(window, QStringLiteral("readyButton")));
    }, 5000);
    if (shown)
        ready->click();
    return shown;
}

void handsWindows(benchmark::State &state)
{
    for (auto _ : state) {
        TestServer server;
        server.startDemo(1, 0);
        DemoPlayer player;
        player.login(server.gamePort(), QStringLiteral("bench"));
        player.open(table);
        waitUntil([&] { return DemoPlay::shownButton(player.window->seatedWindow(), QStringLiteral("playButton")) != nullptr; }, 5000);
        GameModel *model = player.model(table);
        std::vector<qint64> hands;
        QElapsedTimer clock;
        clock.start();
        DemoPlay::shownButton(player.window->seatedWindow(), QStringLiteral("playButton"))->click();
        for (int hand = 0; hand < handsInARow; ++hand) {
            if (hand > 0) {
                clock.restart();
                sayReady(player.window);
            }
            waitUntil([&] { return model->gameState() == GameModel::HAND_IN_PLAY; }, 10000);
            if (!playPassing(player.window, model, player.id)) {
                state.SkipWithError("a hand did not end");
                break;
            }
            hands.push_back(clock.elapsed());
        }
        reportHands(state, hands);
        player.controller->destroyTable(table);
    }
}

} // namespace

BENCHMARK(lobbyBare)->Unit(benchmark::kMillisecond)->Iterations(10)->Apply(repeatedRuns);
BENCHMARK(lobbyWindows)->Unit(benchmark::kMillisecond)->Iterations(10)->Apply(repeatedRuns);
BENCHMARK(handsBare)->Unit(benchmark::kMillisecond)->Iterations(1)->Apply(repeatedRuns);
BENCHMARK(handsWindows)->Unit(benchmark::kMillisecond)->Iterations(1)->Apply(repeatedRuns);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("MAHJONG_BINARY_DIR", MAHJONG_BENCH_BINARY_DIR);
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QTemporaryDir artwork;
    QTemporaryDir work;
    SceneTestSetup::install(artwork.path(), work.path());
    QSettings().setValue(QStringLiteral("game/animations"), false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
