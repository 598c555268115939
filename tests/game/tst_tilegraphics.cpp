#include "TestArtwork.h"

#include "game/tiles/ResizeWorker.h"
#include "game/tiles/TileGraphics.h"
#include "game/tiles/TileImages.h"
#include "game/tiles/TileSetCache.h"

#include "testmain.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

int runningWorkers(const TileGraphics &graphics)
{
    int running = 0;
    for (const ResizeWorker *worker : graphics.findChildren<ResizeWorker *>()) {
        if (!worker->isFinished())
            ++running;
    }
    return running;
}

// Records the scale and the size of the lying Bottom tile of every set the
// game painter takes.
class SetRecorder : public TilePainter::Listner
{
public:
    explicit SetRecorder(TilePainter &painter) : m_painter(painter) { painter.addListener(this); }
    ~SetRecorder() override { m_painter.removeListener(this); }
    void imagesChanged() override
    {
        const TileImages *images = m_painter.images();
        scales.append(images->scale().table);
        sizes.append(images->kindImage(0, 0).size());
    }
    QList<double> scales;
    QList<QSize> sizes;

private:
    TilePainter &m_painter;
};

} // namespace

class TestTileGraphics : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void catalogues();
    void setTileSet();
    void quantisedScale();
    void scaleBeforeTileSet();
    void scaleChangeDuringRender();
    void quitDuringRender();
    void installWritesEverySet();
    void installReportsFailures();

private:
    QTemporaryDir m_artwork;
    QTemporaryDir m_work;
};

void TestTileGraphics::initTestCase()
{
    QVERIFY(m_artwork.isValid());
    TestArtwork::install(m_artwork.path());
    QVERIFY(QDir::setCurrent(m_work.path()));
}

void TestTileGraphics::init()
{
    QDir(TileSetCache::installDirectory()).removeRecursively();
    QDir(TileSetCache::userDirectory()).removeRecursively();
}

void TestTileGraphics::catalogues()
{
    QCOMPARE(TileGraphics::tileBlankNames(),
             QStringList({"Bamboo", "Green 1", "Red", "Green 2", "Dark wood"}));
    QCOMPARE(TileGraphics::tileFaceNames(),
             QStringList({"Numbered", "Mixed numbered", "Without numbers", "Rustic numbered",
                          "Simple tiles"}));
    QCOMPARE(TileGraphics::tileBlanks().at(3).second,
             QStringLiteral("resources:/tiles-blank-green.svg"));
    QCOMPARE(TileGraphics::tileFaces().at(3).second, QStringLiteral("resources:/tiles-fg.png"));
    QCOMPARE(&TileGraphics::instance(), &TileGraphics::instance());
}

void TestTileGraphics::setTileSet()
{
    TileGraphics graphics;
    QSignalSpy changed(&graphics, &TileGraphics::tileGraphicsChanged);
    graphics.setTileSet(3, 0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(graphics.basePainter().images()->kindImage(0, 0).size(), QSize(28, 45));
    QCOMPARE(graphics.painter().images()->kindImage(0, 0).size(), QSize(28, 45));

    const TileImages *base = graphics.basePainter().images();
    graphics.setTileSet(3, 0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(graphics.basePainter().images(), base);

    QTest::ignoreMessage(QtWarningMsg, "no tile set 5 0");
    graphics.setTileSet(5, 0);
    QCOMPARE(changed.count(), 1);

    // A set not in the cache arrives from the worker; the painters keep the
    // set they have until then.
    const TileImages *game = graphics.painter().images();
    graphics.setTileSet(0, 3);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(graphics.basePainter().images(), base);
    QCOMPARE(graphics.painter().images(), game);
    QTRY_COMPARE(changed.count(), 2);
    QCOMPARE(graphics.basePainter().images()->kindImage(0, 0).size(), QSize(29, 43));
    // Now it is in the cache: the way back and forth is taken at once.
    graphics.setTileSet(3, 0);
    QCOMPARE(changed.count(), 3);
    graphics.setTileSet(0, 3);
    QCOMPARE(changed.count(), 4);
    graphics.onAboutToQuit();
}

void TestTileGraphics::quantisedScale()
{
    TileGraphics graphics;
    graphics.setTileSet(3, 0);
    QSignalSpy scaleChanged(&graphics, &TileGraphics::gameScaleChanged);
    const TileImages *images = graphics.painter().images();
    graphics.setGameScale(GameScale{1.01, 1.03, 1.0});
    QCOMPARE(scaleChanged.count(), 0);
    QCOMPARE(graphics.painter().images(), images);

    graphics.setGameScale(GameScale{1.99, 1.5, 1.0});
    QCOMPARE(scaleChanged.count(), 1);
    QCOMPARE(graphics.gameScale(), (GameScale{1.96875, 1.5, 1.0}));
    QCOMPARE(graphics.painter().images()->scale(), graphics.gameScale());
    // 1.999 lands on the same 1/32 step.
    graphics.setGameScale(GameScale{1.999, 1.52, 1.0});
    QCOMPARE(scaleChanged.count(), 1);
    graphics.onAboutToQuit();
}

void TestTileGraphics::scaleBeforeTileSet()
{
    TileGraphics graphics;
    QSignalSpy scaleChanged(&graphics, &TileGraphics::gameScaleChanged);
    graphics.setGameScale(GameScale{1.0, 2.0, 1.0});
    QCOMPARE(runningWorkers(graphics), 0);
    graphics.setTileSet(3, 0);
    QCOMPARE(graphics.painter().images()->kindImage(0, 0).size(), QSize(56, 90));
    graphics.onAboutToQuit();
}

void TestTileGraphics::scaleChangeDuringRender()
{
    TileGraphics graphics;
    graphics.setTileSet(4, 2);
    QSignalSpy scaleChanged(&graphics, &TileGraphics::gameScaleChanged);
    // The render started by the tile set choice hands over first.
    QTRY_COMPARE(scaleChanged.count(), 1);

    SetRecorder recorder(graphics.painter());
    int mostWorkers = 0;
    connect(&graphics, &TileGraphics::gameScaleChanged, this,
            [&] { mostWorkers = std::max(mostWorkers, runningWorkers(graphics)); });
    graphics.setGameScale(GameScale{2.0, 2.0, 2.0});
    graphics.setGameScale(GameScale{1.5, 1.5, 1.5});
    // One worker, which may already have finished its render on a fast machine.
    QVERIFY(runningWorkers(graphics) <= 1);
    QCOMPARE(graphics.findChildren<ResizeWorker *>().size(), 1);

    // Two accepted changes, the stale render, the render at the newest scale.
    QTRY_COMPARE(scaleChanged.count(), 5);
    QTest::qWait(50);
    QCOMPARE(scaleChanged.count(), 5);
    QVERIFY(mostWorkers <= 1);
    // Quick copies at 2.0 and 1.5, then only the proper render at 1.5: the
    // stale render at 2.0 never reached the painter.
    QCOMPARE(recorder.scales, QList<double>({2.0, 1.5, 1.5}));
    QCOMPARE(recorder.sizes, QList<QSize>({QSize(56, 90), QSize(42, 68), QSize(42, 67)}));
    QCOMPARE(graphics.gameScale(), (GameScale{1.5, 1.5, 1.5}));
}

void TestTileGraphics::quitDuringRender()
{
    TileGraphics graphics;
    graphics.setTileSet(3, 1);
    QSignalSpy scaleChanged(&graphics, &TileGraphics::gameScaleChanged);
    QTRY_COMPARE(scaleChanged.count(), 1);
    graphics.setGameScale(GameScale{1.25, 1.25, 1.25});
    QCOMPARE(scaleChanged.count(), 2);
    const TileImages *copy = graphics.painter().images();

    graphics.onAboutToQuit();
    QCOMPARE(runningWorkers(graphics), 0);
    // The dropped worker's hand-over changes nothing, and it is deleted.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(scaleChanged.count(), 2);
    QCOMPARE(graphics.painter().images(), copy);
    QVERIFY(graphics.findChildren<ResizeWorker *>().isEmpty());
}

void TestTileGraphics::installWritesEverySet()
{
    QVERIFY(saveTilesetCache());
    const QStringList files = QDir(TileSetCache::installDirectory()).entryList(QDir::Files);
    QCOMPARE(files.size(), 25);
    for (const auto &back : TileGraphics::tileBlanks()) {
        for (const auto &face : TileGraphics::tileFaces()) {
            const QString name = TileSetCache::fileName(
                back.second, face.second, GameScale(),
                TileSetCache::artworkVersion(back.second, face.second));
            QVERIFY2(files.contains(name), qPrintable(name));
            QFile file(TileSetCache::installDirectory() + QLatin1Char('/') + name);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QDataStream in(&file);
            const TileImages images(in);
            QCOMPARE(in.status(), QDataStream::Ok);
            QCOMPARE(images.scale(), GameScale());
        }
    }

    // A client started from any other directory reads the same sets and renders none.
    QDir(TileSetCache::userDirectory()).removeRecursively();
    QTemporaryDir elsewhere;
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    QVERIFY(QFileInfo(TileSetCache::installDirectory()).isAbsolute());
    QCOMPARE(QDir(TileSetCache::installDirectory()).entryList(QDir::Files), files);
    const auto back = TileGraphics::tileBlanks().front().second;
    const auto face = TileGraphics::tileFaces().front().second;
    QVERIFY(loadOrRenderTileset(back, face, GameScale()));
    QVERIFY(QDir(TileSetCache::userDirectory()).entryList(QDir::Files).isEmpty());
    QVERIFY(QDir::setCurrent(m_work.path()));
}

void TestTileGraphics::installReportsFailures()
{
    // One file name is taken by a directory: that write fails, the rest go on.
    QVERIFY(QDir().mkpath(TileSetCache::installDirectory()));
    const auto back = TileGraphics::tileBlanks().at(1).second;
    const auto face = TileGraphics::tileFaces().at(4).second;
    const QString blocked = TileSetCache::installDirectory() + QLatin1Char('/')
                            + TileSetCache::fileName(back, face, GameScale(),
                                                     TileSetCache::artworkVersion(back, face));
    QVERIFY(QDir().mkpath(blocked + QStringLiteral("/x")));
    QVERIFY(!saveTilesetCache());
    QCOMPARE(QDir(TileSetCache::installDirectory()).entryList(QDir::Files).size(), 24);

    // No directory can be made.
    QVERIFY(QDir(TileSetCache::installDirectory()).removeRecursively());
    QFile file(TileSetCache::installDirectory());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(!saveTilesetCache());
    QVERIFY(QFile::remove(TileSetCache::installDirectory()));
}

MAHJONG_TEST_MAIN(TestTileGraphics)
#include "tst_tilegraphics.moc"
