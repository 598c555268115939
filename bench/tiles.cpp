// Tile image sets: rendering from SVG at several scales, reading a cache file
// and the quick scaled copy. The artwork is our test set, or the directory
// named by MAHJONG_ARTWORK_DIR (files under the catalogue names).
#include "TestArtwork.h"

#include "game/tiles/TileImages.h"
#include "game/tiles/TileSetCache.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

const QString back = QStringLiteral("resources:/tiles-blank-green.svg");
const QString face = QStringLiteral("resources:/tiles-fg.svg");

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
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("set.dat"));
    TileSetCache::write(path, TileImages(back, face, TileSetCache::highlightPath(), scale));
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        QDataStream in(&file);
        TileImages images(in);
        benchmark::DoNotOptimize(images.kindImage(0, 0).constBits());
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

BENCHMARK(renderSvg)->Arg(32)->Arg(64)->Arg(96)->Unit(benchmark::kMillisecond);
BENCHMARK(readCacheFile)->Arg(32)->Arg(64)->Unit(benchmark::kMillisecond);
BENCHMARK(scaledCopy)->Arg(64)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir artwork;
    const QByteArray given = qgetenv("MAHJONG_ARTWORK_DIR");
    if (given.isEmpty())
        TestArtwork::install(artwork.path());
    else
        QDir::setSearchPaths(QStringLiteral("resources"), {QString::fromLocal8Bit(given)});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
