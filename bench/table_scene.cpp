// A full table scene (hand, hidden hands, discards, melds, markers, sticks and
// all shadows) rendered into an image at game scales 1 and 2, beside the floor:
// the same tile pictures at the same places drawn straight into an image of
// the same size, without items. Also the background with the shadows alone
// (every item but the tile groups transparent), the background alone and
// one recomputation of every group's shadow. Drawn with the compiled-in
// artwork, or the directory named by MAHJONG_ARTWORK_DIR.
#include "RepeatedRuns.h"
#include "TableComposition.h"

#include "game/tiles/ResizeWorker.h"
#include "game/tiles/TileGraphics.h"
#include "table/scene/ShadowedGroup.h"
#include "table/scene/TileView.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace {

bool rendering(const TileGraphics &graphics)
{
    const QList<ResizeWorker *> workers = graphics.findChildren<ResizeWorker *>();
    return std::any_of(workers.begin(), workers.end(),
                       [](const ResizeWorker *worker) { return !worker->isFinished(); });
}

// Sets the game scale and waits until the worker's proper render of it is in.
void useGameScale(double scale)
{
    TileGraphics &graphics = TileGraphics::instance();
    graphics.setGameScale(GameScale{scale, scale, scale});
    QElapsedTimer waited;
    waited.start();
    for (int settled = 0; settled < 3 && waited.elapsed() < 60000;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        if (rendering(graphics)) {
            settled = 0;
            QThread::msleep(10);
        } else {
            ++settled;
        }
    }
}

QImage canvas(const TableComposition &table)
{
    return QImage(table.scene.sceneRect().size().toSize(), QImage::Format_ARGB32_Premultiplied);
}

// The views draw with the current game set: each run first brings back the
// scale its table was laid out for.
struct ScaledTable
{
    double scale;
    TableComposition *table;
};

void renderScene(benchmark::State &state, ScaledTable scaled)
{
    useGameScale(scaled.scale);
    TableComposition *table = scaled.table;
    QImage image = canvas(*table);
    for (auto _ : state) {
        QPainter painter(&image);
        table->scene.render(&painter);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["pixels"] = image.width() * image.height();
}

void drawTilesOnly(benchmark::State &state, ScaledTable scaled)
{
    useGameScale(scaled.scale);
    TableComposition *table = scaled.table;
    std::vector<std::pair<QTransform, TileView *>> tiles;
    for (QGraphicsItem *item : table->scene.items(Qt::AscendingOrder)) {
        if (auto *view = dynamic_cast<TileView *>(item); view && view->isVisible())
            tiles.emplace_back(view->sceneTransform(), view);
    }
    QImage image = canvas(*table);
    for (auto _ : state) {
        image.fill(QColor(30, 110, 60));
        QPainter painter(&image);
        for (const auto &[transform, view] : tiles) {
            painter.setWorldTransform(transform);
            view->paint(&painter, nullptr, nullptr);
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["tiles"] = static_cast<double>(tiles.size());
}

// Renders the scene with the items picked by hide() transparent.
template <typename Pick>
void renderWithout(benchmark::State &state, ScaledTable scaled, Pick hide)
{
    QList<QGraphicsItem *> hidden;
    for (QGraphicsItem *item : scaled.table->scene.items()) {
        if (hide(item)) {
            item->setOpacity(0);
            hidden.append(item);
        }
    }
    renderScene(state, scaled);
    for (QGraphicsItem *item : hidden)
        item->setOpacity(1);
}

void shadowPass(benchmark::State &state, ScaledTable scaled)
{
    // Everything but the groups turns transparent: their shadows are still
    // drawn, their tiles and the markers not.
    renderWithout(state, scaled, [](const QGraphicsItem *item) {
        return !item->data(ShadowedGroup::ShadowPathKey).isValid();
    });
}

void backgroundOnly(benchmark::State &state, ScaledTable scaled)
{
    // Transparent top-level items are not even asked for their shadows.
    renderWithout(state, scaled, [](const QGraphicsItem *item) { return !item->parentItem(); });
}

void updateShadows(benchmark::State &state, ScaledTable scaled)
{
    useGameScale(scaled.scale);
    for (auto _ : state)
        scaled.table->updateShadows();
    state.counters["groups"] = static_cast<double>(scaled.table->groups().size());
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    const QByteArray given = qgetenv("MAHJONG_ARTWORK_DIR");
    QDir::setSearchPaths(QStringLiteral("resources"),
                         given.isEmpty() ? QStringList{QStringLiteral(":/default")}
                                         : QStringList{QString::fromLocal8Bit(given),
                                                       QStringLiteral(":/default")});
    QDir::setSearchPaths(QStringLiteral("textimages"),
                         {QStringLiteral(":/default/text-images/en")});
    TileGraphics::instance().setTileSet(3, 0);
    benchmark::Initialize(&argc, argv);

    std::vector<std::unique_ptr<TableComposition>> tables;
    for (const double scale : {1.0, 2.0}) {
        useGameScale(scale);
        tables.push_back(std::make_unique<TableComposition>(scale, false));
        const ScaledTable scaled{scale, tables.back().get()};
        const std::string suffix = "/scale:" + std::to_string(static_cast<int>(scale));
        benchmark::RegisterBenchmark(("sceneRender" + suffix).c_str(), renderScene, scaled)
            ->Unit(benchmark::kMillisecond)
            ->Apply(repeatedRuns);
        benchmark::RegisterBenchmark(("tilesOnlyFloor" + suffix).c_str(), drawTilesOnly, scaled)
            ->Unit(benchmark::kMillisecond)
            ->Apply(repeatedRuns);
        benchmark::RegisterBenchmark(("shadowPass" + suffix).c_str(), shadowPass, scaled)
            ->Unit(benchmark::kMillisecond)
            ->Apply(repeatedRuns);
        benchmark::RegisterBenchmark(("backgroundOnly" + suffix).c_str(), backgroundOnly, scaled)
            ->Unit(benchmark::kMillisecond)
            ->Apply(repeatedRuns);
        benchmark::RegisterBenchmark(("updateEveryShadow" + suffix).c_str(), updateShadows,
                                     scaled)
            ->Unit(benchmark::kMicrosecond)
            ->Apply(repeatedRuns);
    }
    benchmark::RunSpecifiedBenchmarks();
    TileGraphics::instance().onAboutToQuit();
    benchmark::Shutdown();
    return 0;
}
