// Tile image sets: rendering from SVG at several scales, reading a set from the cache
// as a start does (artwork hashing, freshness check and reading) and the quick scaled
// copy. The artwork is the client's shipped skin, or the directory named by
// MAHJONG_ARTWORK_DIR (files under the catalogue names).
#include "RepeatedRuns.h"

#include "app/startup/ResourceSearchPaths.h"
#include "game/tiles/TileGraphics.h"
#include "game/tiles/TileImages.h"
#include "game/tiles/TileSetCache.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStandardPaths>

#include <benchmark/benchmark.h>

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
