// Tile image sets: rendering from SVG at several scales, reading a set from the cache
// as a start does (artwork hashing, freshness check and reading), the GUI thread's
// share of choosing a set that is not in the cache, and the quick scaled copy. The
// artwork is the client's shipped skin, or the directory named by MAHJONG_ARTWORK_DIR
// (files under the catalogue names).
#include "RepeatedRuns.h"

#include "app/startup/ResourceSearchPaths.h"
#include "game/tiles/ResizeWorker.h"
#include "game/tiles/TileGraphics.h"
#include "game/tiles/TileImages.h"
#include "game/tiles/TileSetCache.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QThread>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace {

// The first back and face of the catalogues: what a new player starts with.
QString back;
QString face;

GameScale scaleOf(const benchmark::State &state)
{
    const double f = state.range(0) / 32.0;
    return GameScale{f, f, f};
}

void renderSvg(benchmark::State &state)
{
    const GameScale scale = scaleOf(state);
    for (auto _ : state) {
        TileImages images(back, face, TileSetCache::highlightPath(), scale);
        benchmark::DoNotOptimize(images.kindImage(0, 0).constBits());
    }
    const TileImages images(back, face, TileSetCache::highlightPath(), scale);
    state.counters["kind0_px"] = images.kindImage(0, 0).width() * images.kindImage(0, 0).height();
}

void readCacheFile(benchmark::State &state)
{
    const GameScale scale = scaleOf(state);
    // The first call renders the set and leaves it in the per-user cache.
    loadOrRenderTileset(back, face, scale);
    const QString path = TileSetCache::userDirectory() + QLatin1Char('/')
                         + TileSetCache::fileName(back, face, scale, TileSetCache::artworkVersion(back, face));
    if (!TileSetCache::isFresh(path, back, face))
        state.SkipWithError("the set did not reach the cache");
    for (auto _ : state) {
        const std::unique_ptr<TileImages> images = loadOrRenderTileset(back, face, scale);
        benchmark::DoNotOptimize(images->kindImage(0, 0).constBits());
    }
    state.counters["file_bytes"] = QFile(path).size();
}

// Waits until the set chosen last is in and no worker runs any more.
void settle(TileGraphics &graphics)
{
    const auto working = [&graphics] {
        const QList<ResizeWorker *> workers = graphics.findChildren<ResizeWorker *>();
        return std::any_of(workers.begin(), workers.end(),
                           [](const ResizeWorker *worker) { return !worker->isFinished(); });
    };
    QElapsedTimer waited;
    waited.start();
    for (int idle = 0; idle < 3 && waited.elapsed() < 60000;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        idle = working() ? 0 : idle + 1;
        if (idle == 0)
            QThread::msleep(2);
    }
}

// The GUI thread's share of choosing a set that is not in the cache: the
// choice only starts the worker, and the table keeps its tiles meanwhile.
// The time to render such a set is renderSvg/32.
void chooseUncachedSet(benchmark::State &state)
{
    TileGraphics graphics;
    graphics.setTileSet(0, 0);
    settle(graphics);
    int face = 1;
    for (auto _ : state) {
        state.PauseTiming();
        QDir(TileSetCache::userDirectory()).removeRecursively();
        QDir(TileSetCache::installDirectory()).removeRecursively();
        face = face == 1 ? 2 : 1;
        state.ResumeTiming();
        graphics.setTileSet(0, face);
        state.PauseTiming();
        settle(graphics);
        state.ResumeTiming();
    }
    graphics.onAboutToQuit();
}

void scaledCopy(benchmark::State &state)
{
    const TileImages base(back, face, TileSetCache::highlightPath(), GameScale());
    const GameScale scale = scaleOf(state);
    for (auto _ : state) {
        TileImages copy(base, scale);
        benchmark::DoNotOptimize(copy.kindImage(0, 0).constBits());
    }
}

} // namespace

BENCHMARK(renderSvg)->Arg(32)->Arg(64)->Arg(96)->Unit(benchmark::kMillisecond)->Apply(repeatedRuns);
BENCHMARK(readCacheFile)->Arg(32)->Arg(64)->Arg(96)->Unit(benchmark::kMillisecond)->Apply(repeatedRuns);
BENCHMARK(chooseUncachedSet)->Unit(benchmark::kMicrosecond)->Apply(repeatedRuns);
BENCHMARK(scaledCopy)->Arg(64)->Unit(benchmark::kMillisecond)->Apply(repeatedRuns);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    setupResourceSearchPaths({}, QStringLiteral("corvana"));
    const QByteArray given = qgetenv("MAHJONG_ARTWORK_DIR");
    if (!given.isEmpty())
        QDir::setSearchPaths(QStringLiteral("resources"), {QString::fromLocal8Bit(given)});
    back = TileGraphics::tileBlanks().front().second;
    face = TileGraphics::tileFaces().front().second;
    QDir(TileSetCache::userDirectory()).removeRecursively();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
