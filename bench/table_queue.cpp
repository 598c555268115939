// The table's event queue and layouts on a full table of the test artwork.
//
// Queue: a burst of table events, each a tile moving from a hidden hand to a discard
// view and two callbacks, with animations off and on (on: until the queue is idle,
// the last moves playing their time lines), beside the floor of making the same view
// changes directly.
// Layout: one resize of a full table (relayout of every view, apply, shadows) in both
// layouts, beside the floor of moving the same items to precomputed places.
#include "SceneTestSetup.h"
#include "TestTableHost.h"

#include "app/RulesetInfo.h"
#include "app/TableCapacity.h"
#include "app/wind.h"
#include "game/GameWindowAction.h"
#include "game/GameWindowActionQueue.h"
#include "game/tiles/TileGraphics.h"
#include "table/scene/DiscardView.h"
#include "table/scene/GameTableLayout.h"
#include "table/scene/HiddenHandView.h"
#include "table/scene/ShadowedGroup.h"
#include "table/scene/TileAnimationSet.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "RepeatedRuns.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

TableInfo fourSeats()
{
    TableInfo info;
    info.setRuleset(RulesetInfo::CLASSIC);
    info.setCapacity(TableCapacity(4, 4, 0));
    return info;
}

struct Table
{
    Table()
        : host(fourSeats())
    {
        host.fillTable();
        host.resizeTable(QSize(1024, 768));
    }
    TestTableHost host;
};

tile discardOf(int i)
{
    return tile(static_cast<std::uint8_t>(i % 34));
}

// The view changes of one event: the seat's hidden hand gives a tile to its discards,
// the discard is marked, the hand gets its tile back and a full discard row starts over.
void markAndRefill(HiddenHandView *hidden, DiscardView *discards)
{
    discards->setNewestMarked(true);
    hidden->setTileCount(13);
    if (discards->items().size() >= 24)
        discards->clear();
}

void queueBurst(benchmark::State &state, bool animations)
{
    QSettings().setValue(QStringLiteral("game/animations"), animations);
    Table table;
    TestTableHost &host = table.host;
    GameWindowActionQueue queue([&host] { host.viewport()->update(); });
    const int events = static_cast<int>(state.range(0));
    for (auto _ : state) {
        for (int i = 0; i < events; ++i) {
            const int seat = 1 + i % 3;
            HiddenHandView *hidden = host.hiddenHandView(seat);
            DiscardView *discards = host.discardView(seat);
            queue.enqueueAnimation(
                new TileAnimationSet(&host.tableScene(), hidden, discards, 300, tile_vector{discardOf(i)}));
            queue.enqueueAction(new CallbackGameWindowAction([discards] { discards->setNewestMarked(true); }));
            queue.enqueueAction(new CallbackGameWindowAction([hidden, discards] { markAndRefill(hidden, discards); }));
        }
        while (!queue.isEmpty())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    state.SetItemsProcessed(state.iterations() * events);
}

void queueOff(benchmark::State &state)
{
    queueBurst(state, false);
}

void queueOn(benchmark::State &state)
{
    queueBurst(state, true);
}

void queueFloor(benchmark::State &state)
{
    Table table;
    TestTableHost &host = table.host;
    const int events = static_cast<int>(state.range(0));
    for (auto _ : state) {
        for (int i = 0; i < events; ++i) {
            const int seat = 1 + i % 3;
            HiddenHandView *hidden = host.hiddenHandView(seat);
            DiscardView *discards = host.discardView(seat);
            hidden->takeTiles(1);
            discards->putTiles(tile_vector{discardOf(i)});
            discards->setNewestMarked(true);
            markAndRefill(hidden, discards);
            host.viewport()->update();
        }
    }
    state.SetItemsProcessed(state.iterations() * events);
}

// A full table at the benchmark's size; the resizes alternate between that size and one
// a little larger, at the same game scale.
struct LaidOutTable
{
    explicit LaidOutTable(const benchmark::State &state)
        : host(fourSeats()),
          size(static_cast<int>(state.range(0)), static_cast<int>(state.range(0)) * 3 / 4),
          larger(size + QSize(16, 12))
    {
        host.setCompact(state.range(1) != 0);
        host.fillTable();
        host.resizeTable(size);
    }

    void layOut(const QSize &s)
    {
        host.setSceneRect(0, 0, s.width(), s.height());
        host.tableLayout()->apply();
    }

    // Every item that the layout moves, with its place.
    std::vector<std::pair<QGraphicsItem *, QPointF>> places()
    {
        std::vector<std::pair<QGraphicsItem *, QPointF>> result;
        for (QGraphicsItem *item : host.tableScene().items())
            if (!item->parentItem())
                result.emplace_back(item, item->pos());
        return result;
    }

    TestTableHost host;
    QSize size;
    QSize larger;
};

void layoutResize(benchmark::State &state)
{
    LaidOutTable table(state);
    for (auto _ : state) {
        table.layOut(table.larger);
        table.layOut(table.size);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

void moveToPrecomputed(benchmark::State &state, bool shadows)
{
    LaidOutTable table(state);
    const auto small = table.places();
    table.layOut(table.larger);
    const auto large = table.places();
    std::vector<ShadowedGroup *> groups;
    for (const auto &place : small)
        if (auto *group = dynamic_cast<ShadowedGroup *>(place.first))
            groups.push_back(group);
    for (auto _ : state) {
        for (const auto *places : {&large, &small}) {
            for (const auto &[item, pos] : *places)
                item->setPos(pos);
            if (shadows)
                for (ShadowedGroup *group : groups)
                    group->updateShadow();
        }
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

// The items moved, nothing else.
void layoutFloor(benchmark::State &state)
{
    moveToPrecomputed(state, false);
}

// The items moved and every tile group's shadow computed again.
void layoutFloorWithShadows(benchmark::State &state)
{
    moveToPrecomputed(state, true);
}

} // namespace

BENCHMARK(queueFloor)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond)->Apply(repeatedRuns);
BENCHMARK(queueOff)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond)->Apply(repeatedRuns);
BENCHMARK(queueOn)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond)->Iterations(3)->Apply(repeatedRuns);
BENCHMARK(layoutFloor)->Args({1024, 0})->Args({2048, 0})->Args({1024, 1})->Args({2048, 1})->Unit(benchmark::kMicrosecond)->Apply(repeatedRuns);
BENCHMARK(layoutFloorWithShadows)->Args({1024, 0})->Args({2048, 0})->Args({1024, 1})->Args({2048, 1})->Unit(benchmark::kMicrosecond)->Apply(repeatedRuns);
BENCHMARK(layoutResize)->Args({1024, 0})->Args({2048, 0})->Args({1024, 1})->Args({2048, 1})->Unit(benchmark::kMicrosecond)->Apply(repeatedRuns);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QTemporaryDir artwork;
    QTemporaryDir work;
    SceneTestSetup::install(artwork.path(), work.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
