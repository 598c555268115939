#include "TestArtwork.h"

#include "game/tiles/StoredPng.h"
#include "game/tiles/TileImages.h"
#include "game/tiles/TilePainter.h"
#include "game/tiles/TileSetCache.h"

#include "testmain.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

namespace {

const QString svgBack = QStringLiteral("resources:/tiles-blank-green.svg");
const QString pngBack = QStringLiteral("resources:/tiles-blank-red.png");
const QString svgFace = QStringLiteral("resources:/tiles-fg.svg");
const QString pngFace = QStringLiteral("resources:/tiles-fg.png");

QByteArray fixedArtwork()
{
    QByteArray artwork;
    for (char c = 0; c < 20; ++c)
        artwork.append(c);
    return artwork;
}

QByteArray serialized(const TileImages &images)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << images;
    return bytes;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage canvas()
{
    QImage image(80, 80, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

template <typename Draw>
QImage paint(Draw draw)
{
    QImage image = canvas();
    QPainter painter(&image);
    draw(&painter);
    painter.end();
    return image;
}

class RecordingListener : public TilePainter::Listner
{
public:
    explicit RecordingListener(TilePainter &painter) : m_painter(painter) {}
    void imagesAboutToChange() override { events.append(m_painter.images() ? "before:set" : "before:none"); }
    void imagesChanged() override { events.append(m_painter.images() ? "after:set" : "after:none"); }
    QStringList events;

private:
    TilePainter &m_painter;
};

} // namespace

class TestTileImages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void dimensions();
    void quantisation();
    void svgSizesAtFactorOne();
    void bitmapSizesAtFactorOne();
    void scaledCopy();
    void shadowGeometry();
    void serializedRoundTrip();
    void otherPngFormsRead();
    void wrongVersionThrows();
    void cacheFileName();
    void cacheFileNameInOtherProcesses();
    void cacheFileReadBack();
    void damagedCacheFilesAreRenderedAnew_data();
    void damagedCacheFilesAreRenderedAnew();
    void staleInstallCacheIsLeftAlone();
    void changedArtworkMissesOldCache();
    void userCacheIsPrivate();
    void painterNotifiesListeners();
    void invalidCodesDrawFaceDown();
    void unknownAndEmptyKinds();
    void skinArtworkIsComplete_data();
    void skinArtworkIsComplete();

private:
    QTemporaryDir m_artwork;
    QTemporaryDir m_work;
};

void TestTileImages::initTestCase()
{
    QVERIFY(m_artwork.isValid());
    TestArtwork::install(m_artwork.path());
}

void TestTileImages::init()
{
    // Every test starts without any cache file.
    QVERIFY(QDir::setCurrent(m_work.path()));
    QDir(TileSetCache::installDirectory()).removeRecursively();
    const QString user = TileSetCache::userDirectory();
    QVERIFY(!user.isEmpty());
    QDir(user).removeRecursively();
}

void TestTileImages::dimensions()
{
    const TileDimensions d(28, 35, 10);
    QCOMPARE(d.scaled(1.5), TileDimensions(42, 52, 15));
    QCOMPARE(d.scaled(0.99), TileDimensions(27, 34, 9));
    QCOMPARE(TileDimensions(28, -1, -1).scaled(2.0), TileDimensions(56, -1, -1));
    QCOMPARE(TileDimensions(192, 220, 69).resized(28, 35), TileDimensions(28, 35, 10));
    QCOMPARE(TileDimensions(28, 39, -1).resized(56, 78), TileDimensions(56, 78, -1));
    // No division by an unknown or zero height.
    QCOMPARE(TileDimensions(28, 0, 10).resized(28, 35), TileDimensions(28, 35, 10));

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << TileDimensions(39, 27, -1);
    QCOMPARE(bytes.toHex(), QByteArray("000000270000001bffffffff"));
    QDataStream in(bytes);
    TileDimensions read;
    in >> read;
    QCOMPARE(read, TileDimensions(39, 27, -1));
}

void TestTileImages::quantisation()
{
    const GameScale q = GameScale{1.99, 1.01, 0.5}.quantised();
    QCOMPARE(q.wall, 1.96875);
    QCOMPARE(q.table, 1.0);
    QCOMPARE(q.hand, 0.5);
    QCOMPARE((GameScale{-0.01, 2.0, 1.0 / 32}.quantised().wall), 0.0);
    QVERIFY((GameScale{1, 1, 1} != GameScale{1, 1.03125, 1}));
}

void TestTileImages::svgSizesAtFactorOne()
{
    const TileImages images(svgBack, svgFace, TileSetCache::highlightPath(), GameScale());
    QCOMPARE(images.kindImage(0, 0).size(), QSize(28, 45));
    QCOMPARE(images.kindImage(1, 0).size(), QSize(38, 36));
    QCOMPARE(images.kindImage(2, 0).size(), QSize(28, 45));
    QCOMPARE(images.kindImage(0, 2).size(), QSize(38, 36));
    QCOMPARE(images.kindImage(1, 2), images.kindImage(0, 0));
    QCOMPARE(images.kindImage(0, 4).size(), QSize(28, 20));
    QCOMPARE(images.kindImage(2, 4).size(), QSize(28, 30));
    QCOMPARE(images.kindImage(1, 4).size(), QSize(21, 39));
    QCOMPARE(images.kindImage(0, 6).size(), QSize(28, 55));
    QCOMPARE(images.kindImage(3, 7).size(), QSize(38, 56));
    QCOMPARE(images.dimensions(0, 3), TileDimensions(28, 35, 10));
    QCOMPARE(images.handImage(0).size(), QSize(28, 45));
    QCOMPARE(images.placement(0, 3), QRectF(0, 0, 28, 45));
    QCOMPARE(images.face(0, tile(0)).size(), QSize(28, 35));
    QCOMPARE(images.face(1, tile(0)).size(), QSize(38, 26));
    QCOMPARE(images.face(2, tile(41)).size(), QSize(28, 35));
    QCOMPARE(images.uprightFace(tile(20)).size(), QSize(28, 35));
    QCOMPARE(images.highlightFrame(3).size(), QSize(38, 26));
    for (int o = 0; o < 4; ++o) {
        QVERIFY(images.kindImage(o, 8).isNull());
        QCOMPARE(images.dimensions(o, 8), TileDimensions());
    }
    // The artwork really was drawn: the face's fill is opaque in the middle,
    // and Top is Bottom turned half round.
    QCOMPARE(qAlpha(images.face(0, tile(5)).pixel(14, 30)), 255);
    QCOMPARE(images.face(2, tile(5)), images.face(0, tile(5)).transformed(QTransform().rotate(180)));
    QCOMPARE(images.kindImage(0, 0).format(), QImage::Format_ARGB32_Premultiplied);
}

void TestTileImages::bitmapSizesAtFactorOne()
{
    const TileImages images(pngBack, pngFace, TileSetCache::highlightPath(), GameScale());
    QCOMPARE(images.kindImage(0, 0).size(), QSize(29, 43));
    QCOMPARE(images.kindImage(1, 0).size(), QSize(40, 34));
    QCOMPARE(images.handImage(1).size(), QSize(29, 45));
    QCOMPARE(images.dimensions(0, 3), TileDimensions(28, 39, 6));
    QCOMPARE(images.dimensions(1, 4), TileDimensions(-1, 30, -1));
    QCOMPARE(images.dimensions(0, 7), TileDimensions(28, 38, 15));
    QCOMPARE(images.face(0, tile(3)).size(), QSize(28, 39));
    QCOMPARE(images.face(3, tile(3)).size(), QSize(39, 28));
    QVERIFY(images.kindImage(2, 8).isNull());
    // A face cut from the sheet shows its cell, for every orientation.
    for (int o = 0; o < 4; ++o) {
        const QImage &face = images.face(o, tile(3));
        QCOMPARE(qAlpha(face.pixel(face.width() / 2, face.height() / 2)), 255);
    }
}

void TestTileImages::scaledCopy()
{
    const TileImages base(svgBack, svgFace, TileSetCache::highlightPath(), GameScale());
    const TileImages copy(base, GameScale{1.0, 2.0, 1.0});
    QCOMPARE(copy.scale(), (GameScale{1.0, 2.0, 1.0}));
    QCOMPARE(copy.kindImage(0, 0).size(), QSize(56, 90));
    QCOMPARE(copy.dimensions(1, 0), TileDimensions(76, 52, 20));
    QCOMPARE(copy.face(1, tile(7)).size(), QSize(76, 52));
    QCOMPARE(copy.handImage(0).size(), base.handImage(0).size());
    QCOMPARE(copy.uprightFace(tile(7)).size(), base.uprightFace(tile(7)).size());
    for (int k : {5, 6, 7, 9})
        QCOMPARE(copy.kindImage(2, k).size(), base.kindImage(2, k).size());
    QCOMPARE(copy.placement(0, 0), QRectF(0, 0, 56, 90));
    QVERIFY(copy.kindImage(0, 8).isNull());

    // Wall faces follow the wall factor, not the table factor.
    QCOMPARE(copy.wallFace(0, tile(7)).size(), QSize(28, 35));
    const TileImages hand(base, GameScale{1.0, 1.0, 1.5});
    QCOMPARE(hand.handImage(1).size(), QSize(42, 68));
}

void TestTileImages::shadowGeometry()
{
    const TileImages images(svgBack, svgFace, TileSetCache::highlightPath(), GameScale());
    // Kind 0 Bottom: W 28, H 45, D 10, c = 1/3.
    const ShadowGeometry lying = images.shadowGeometry(0, 0);
    QCOMPARE(lying.outline.size(), 8);
    const double c = 10.0 / 30;
    QCOMPARE(lying.outline.at(0), QPointF(c / 2 + 2 * c, 35 + c / 2));
    QCOMPARE(lying.outline.at(5), QPointF(28 - c + c / 2, 45 - c + c / 2 - 2 * c));
    QCOMPARE(lying.height, 5);
    QCOMPARE(images.shadowGeometry(0, 3).height, 10);
    QCOMPARE(images.shadowGeometry(1, 7).height, 15);
    QCOMPARE(images.shadowGeometry(4, 0).outline.size(), 0);
}

void TestTileImages::serializedRoundTrip()
{
    for (const QString &back : {svgBack, pngBack}) {
        const TileImages images(back, back == svgBack ? svgFace : pngFace,
                                TileSetCache::highlightPath(), GameScale{0.75, 1.5, 1.25});
        const QByteArray bytes = serialized(images);
        QDataStream in(bytes);
        const TileImages read(in);
        QCOMPARE(in.status(), QDataStream::Ok);
        QVERIFY(in.atEnd());
        QCOMPARE(read.scale(), images.scale());
        for (int o = 0; o < 4; ++o) {
            for (int k = 0; k < 10; ++k) {
                QCOMPARE(read.kindImage(o, k), images.kindImage(o, k));
                QCOMPARE(read.dimensions(o, k), images.dimensions(o, k));
                QCOMPARE(read.placement(o, k), images.placement(o, k));
                QCOMPARE(read.shadowGeometry(o, k).outline, images.shadowGeometry(o, k).outline);
            }
            for (int t = 0; t < 42; ++t)
                QCOMPARE(read.face(o, tile(t)), images.face(o, tile(t)));
            QCOMPARE(read.highlightFrame(o), images.highlightFrame(o));
        }
        for (int t = 0; t < 42; ++t)
            QCOMPARE(read.uprightFace(tile(t)), images.uprightFace(tile(t)));
        QCOMPARE(read.handImage(0), images.handImage(0));
        QCOMPARE(read.handImage(1), images.handImage(1));
        QCOMPARE(read.handShadow(), images.handShadow());
    }
}

// Cache files written in another PNG form (compressed, filtered, with a palette)
// still read, and leave the stream after their image.
void TestTileImages::otherPngFormsRead()
{
    QImage picture(37, 23, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgba(x * 7, y * 11, (x * y) % 256, 100 + x));
    const TileImages images(svgBack, svgFace, TileSetCache::highlightPath(), GameScale());
    const QImage indexed = images.kindImage(0, 0).convertToFormat(QImage::Format_Indexed8);
    for (const QImage &image : {picture, indexed}) {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << image << qint32(77);
        QDataStream in(bytes);
        qint32 marker = 0;
        in >> marker;
        const QImage read = StoredPng::read(in.device());
        QCOMPARE(read.convertToFormat(QImage::Format_ARGB32),
                 image.convertToFormat(QImage::Format_ARGB32));
        qint32 after = 0;
        in >> after;
        QCOMPARE(after, 77);
    }
}

void TestTileImages::wrongVersionThrows()
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(8);
    QDataStream in(bytes);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, TileImages{in});
}

void TestTileImages::cacheFileName()
{
    const QByteArray artwork = fixedArtwork();
    QCOMPARE(TileSetCache::fileName(svgBack, svgFace, GameScale(), artwork),
             QStringLiteral("tileset_0x0b9570d3.dat"));
    QCOMPARE(TileSetCache::fileName(svgBack, svgFace, GameScale{1.0, 1.03125, 1.0}, artwork),
             QStringLiteral("tileset_0x0b9560d3.dat"));
    QVERIFY(TileSetCache::fileName(svgBack, svgFace, GameScale(), QByteArray(20, 'x'))
            != TileSetCache::fileName(svgBack, svgFace, GameScale(), artwork));
    QCOMPARE(TileSetCache::keyHash(QByteArray()), 0u);
}

void TestTileImages::cacheFileNameInOtherProcesses()
{
    const QString probe = QCoreApplication::applicationDirPath() + QStringLiteral("/tileset_name_probe");
    for (int run = 0; run < 2; ++run) {
        QProcess process;
        process.start(probe, {});
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()),
                 QStringLiteral("tileset_0x0b9570d3.dat"));
    }
}

void TestTileImages::cacheFileReadBack()
{
    const GameScale scale{1.0, 1.25, 1.0};
    const auto rendered = loadOrRenderTileset(svgBack, svgFace, scale);
    const QString name =
        TileSetCache::fileName(svgBack, svgFace, scale, TileSetCache::artworkVersion(svgBack, svgFace));
    const QString userFile = TileSetCache::userDirectory() + QLatin1Char('/') + name;
    QVERIFY(QFileInfo::exists(userFile));
    QCOMPARE(readFile(userFile), serialized(*rendered));

    // An install cache file is preferred; mark it to tell the two apart.
    const TileImages other(pngBack, pngFace, TileSetCache::highlightPath(), scale);
    QVERIFY(QDir().mkpath(TileSetCache::installDirectory()));
    writeFile(TileSetCache::installDirectory() + QLatin1Char('/') + name, serialized(other));
    const auto fromInstall = loadOrRenderTileset(svgBack, svgFace, scale);
    QCOMPARE(fromInstall->kindImage(0, 0), other.kindImage(0, 0));

    QVERIFY(QFile::remove(TileSetCache::installDirectory() + QLatin1Char('/') + name));
    const auto fromUser = loadOrRenderTileset(svgBack, svgFace, scale);
    QCOMPARE(fromUser->kindImage(0, 0), rendered->kindImage(0, 0));
    QCOMPARE(fromUser->face(3, tile(40)), rendered->face(3, tile(40)));
}

void TestTileImages::damagedCacheFilesAreRenderedAnew_data()
{
    QTest::addColumn<int>("damage");
    QTest::newRow("truncated in an image") << 0;
    QTest::newRow("older version word") << 1;
    QTest::newRow("empty") << 2;
    QTest::newRow("a changed pixel") << 3;
    // The square and the compact table of three at 1366x742: their files have one name.
    QTest::newRow("another scale under the same name") << 4;
}

void TestTileImages::damagedCacheFilesAreRenderedAnew()
{
    QFETCH(int, damage);
    const GameScale scale = damage == 4 ? GameScale{0.90625, 0.90625, 1.125} : GameScale();
    const TileImages good(svgBack, svgFace, TileSetCache::highlightPath(), scale);
    QByteArray bytes = serialized(good);
    const QString name =
        TileSetCache::fileName(svgBack, svgFace, scale, TileSetCache::artworkVersion(svgBack, svgFace));
    if (damage == 0) {
        bytes.truncate(bytes.size() / 2);
    } else if (damage == 1) {
        bytes[3] = 8;
    } else if (damage == 2) {
        bytes.clear();
    } else if (damage == 3) {
        bytes[bytes.indexOf("IDAT", bytes.size() / 2) + 100] ^= 0x10;
    } else {
        const GameScale other{0.90625, 1.0625, 1.15625};
        QCOMPARE(TileSetCache::fileName(svgBack, svgFace, other, TileSetCache::artworkVersion(svgBack, svgFace)),
                 name);
        bytes = serialized(TileImages(svgBack, svgFace, TileSetCache::highlightPath(), other));
    }

    QVERIFY(QDir().mkpath(TileSetCache::installDirectory()));
    const QString installFile = TileSetCache::installDirectory() + QLatin1Char('/') + name;
    writeFile(installFile, bytes);

    const auto images = loadOrRenderTileset(svgBack, svgFace, scale);
    QCOMPARE(images->kindImage(1, 5), good.kindImage(1, 5));
    QCOMPARE(images->face(2, tile(33)), good.face(2, tile(33)));
    // The fresh but broken install file was the one tried: it is rewritten.
    QCOMPARE(readFile(installFile), serialized(good));
}

void TestTileImages::staleInstallCacheIsLeftAlone()
{
    const GameScale scale;
    const TileImages other(pngBack, pngFace, TileSetCache::highlightPath(), scale);
    const QString name =
        TileSetCache::fileName(svgBack, svgFace, scale, TileSetCache::artworkVersion(svgBack, svgFace));
    QVERIFY(QDir().mkpath(TileSetCache::installDirectory()));
    const QString installFile = TileSetCache::installDirectory() + QLatin1Char('/') + name;
    const QByteArray planted = serialized(other);
    writeFile(installFile, planted);
    // Artwork newer than the cache file makes it stale.
    QFile face(m_artwork.filePath(QStringLiteral("tiles-fg.svg")));
    QVERIFY(face.open(QIODevice::ReadWrite));
    QVERIFY(face.setFileTime(QDateTime::currentDateTime().addSecs(60),
                             QFileDevice::FileModificationTime));
    face.close();
    QVERIFY(!TileSetCache::isFresh(installFile, svgBack, svgFace));

    const auto images = loadOrRenderTileset(svgBack, svgFace, scale);
    QCOMPARE(images->kindImage(0, 0).size(), QSize(28, 45));
    QCOMPARE(readFile(installFile), planted);
    const QString userFile = TileSetCache::userDirectory() + QLatin1Char('/') + name;
    QCOMPARE(readFile(userFile), serialized(*images));

    QVERIFY(face.open(QIODevice::ReadWrite));
    QVERIFY(face.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                             QFileDevice::FileModificationTime));
}

void TestTileImages::changedArtworkMissesOldCache()
{
    // New artwork with an old modification time (as compiled-in artwork has)
    // must not meet the cache file of the old artwork.
    const GameScale scale;
    const QString simple = QStringLiteral("resources:/tiles-fg-simple.svg");
    const QString path = m_artwork.filePath(QStringLiteral("tiles-fg-simple.svg"));
    const QByteArray original = readFile(path);
    const QString oldName =
        TileSetCache::fileName(svgBack, simple, scale, TileSetCache::artworkVersion(svgBack, simple));
    loadOrRenderTileset(svgBack, simple, scale);

    QByteArray changed = original;
    changed.replace("r=\"30\"", "r=\"10\"");
    writeFile(path, changed);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-10),
                             QFileDevice::FileModificationTime));
    file.close();

    QVERIFY(TileSetCache::fileName(svgBack, simple, scale,
                                   TileSetCache::artworkVersion(svgBack, simple))
            != oldName);
    const auto after = loadOrRenderTileset(svgBack, simple, scale);
    const TileImages expected(svgBack, simple, TileSetCache::highlightPath(), scale);
    QCOMPARE(after->face(0, tile(1)), expected.face(0, tile(1)));
    writeFile(path, original);
}

void TestTileImages::userCacheIsPrivate()
{
    const QString dir = TileSetCache::userDirectory();
    QVERIFY(!dir.startsWith(QDir::tempPath() + QStringLiteral("/tileset")));
    QVERIFY(QFileInfo(dir).isDir());

    // A link planted under a cache file name is replaced, not followed.
    const QString victim = m_work.filePath(QStringLiteral("victim"));
    writeFile(victim, "keep");
    const GameScale scale{1.0, 1.5, 1.0};
    const QString name =
        TileSetCache::fileName(svgBack, svgFace, scale, TileSetCache::artworkVersion(svgBack, svgFace));
    QVERIFY(QFile::link(victim, dir + QLatin1Char('/') + name));
    loadOrRenderTileset(svgBack, svgFace, scale);
    QCOMPARE(readFile(victim), QByteArray("keep"));
    QVERIFY(!QFileInfo(dir + QLatin1Char('/') + name).isSymLink());
}

void TestTileImages::painterNotifiesListeners()
{
    TilePainter painter;
    RecordingListener first(painter);
    RecordingListener second(painter);
    painter.addListener(&first);
    painter.addListener(&second);
    painter.setImages(std::make_unique<TileImages>(pngBack, pngFace, TileSetCache::highlightPath(),
                                                   GameScale()));
    painter.removeListener(&second);
    painter.setImages(nullptr);
    QCOMPARE(first.events, QStringList({"before:none", "after:set", "before:set", "after:none"}));
    QCOMPARE(second.events, QStringList({"before:none", "after:set"}));
}

void TestTileImages::invalidCodesDrawFaceDown()
{
    TilePainter painter;
    painter.setImages(std::make_unique<TileImages>(svgBack, svgFace, TileSetCache::highlightPath(),
                                                   GameScale()));
    const QPoint pos(10, 10);
    for (int o = 0; o < 4; ++o) {
        const QImage faceDown = paint([&](QPainter *p) { painter.drawFaceDownTile(p, pos, o); });
        QVERIFY(faceDown != canvas());
        const QImage unknown = paint([&](QPainter *p) { painter.drawLyingTile(p, pos, tile(255), o, false); });
        QCOMPARE(unknown, faceDown);
        QTest::ignoreMessage(QtWarningMsg, "invalid tile code 42 drawn face down");
        const QImage invalid = paint([&](QPainter *p) { painter.drawLyingTile(p, pos, tile(42), o, false); });
        QCOMPARE(invalid, faceDown);
        const QImage known = paint([&](QPainter *p) { painter.drawLyingTile(p, pos, tile(4), o, false); });
        QVERIFY(known != faceDown);

        QTest::ignoreMessage(QtWarningMsg, "invalid tile code 200 drawn face down");
        const QImage sideways = paint([&](QPainter *p) { painter.drawSidewaysTile(p, pos, tile(200), o); });
        QCOMPARE(sideways, paint([&](QPainter *p) { painter.drawFaceDownTile(p, pos, (o + 1) % 4); }));

        QTest::ignoreMessage(QtWarningMsg, "invalid tile code 99 drawn face down");
        const QImage dora = paint([&](QPainter *p) { painter.drawWallDora(p, pos, tile(99), o); });
        QCOMPARE(dora, paint([&](QPainter *p) { painter.drawWallStack(p, pos, o, 1); }));
    }
    QTest::ignoreMessage(QtWarningMsg, "invalid tile code 77 drawn face down");
    const QImage hand = paint([&](QPainter *p) { painter.drawOwnHandTile(p, pos, tile(77), false, true); });
    QCOMPARE(hand, paint([&](QPainter *p) { painter.drawOwnHandTile(p, pos, tile(255), false, true); }));
}

void TestTileImages::unknownAndEmptyKinds()
{
    TilePainter painter;
    const QPoint pos(5, 5);
    // Without images nothing is drawn.
    QCOMPARE(paint([&](QPainter *p) { painter.drawLyingTile(p, pos, tile(1), 0, true); }), canvas());
    painter.setImages(std::make_unique<TileImages>(svgBack, svgFace, TileSetCache::highlightPath(),
                                                   GameScale()));
    QCOMPARE(paint([&](QPainter *p) { painter.drawWallDora(p, pos, tile(255), 1); }), canvas());
    QCOMPARE(paint([&](QPainter *p) { painter.drawWallStack(p, pos, 1, 3); }), canvas());
    QVERIFY(paint([&](QPainter *p) { painter.drawWallDora(p, pos, tile(12), 1); }) != canvas());
    // A disabled hand tile is darker.
    const QImage enabled = paint([&](QPainter *p) { painter.drawOwnHandTile(p, pos, tile(3), false, true); });
    const QImage disabled = paint([&](QPainter *p) { painter.drawOwnHandTile(p, pos, tile(3), false, false); });
    QVERIFY(qGray(disabled.pixel(20, 40)) < qGray(enabled.pixel(20, 40)));
    QCOMPARE(qAlpha(painter.images()->handShadow().pixel(14, 20)), 255 / 3);
}

namespace {

bool hasOpaquePixel(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
    return false;
}

} // namespace

void TestTileImages::skinArtworkIsComplete_data()
{
    QTest::addColumn<QString>("back");
    QTest::addColumn<QString>("face");
    const QStringList backs = {"tiles-blank-default.png", "tiles-blank-green.png", "tiles-blank-red.png",
                               "tiles-blank-green.svg", "tiles-blank-darkwood.svg"};
    const QStringList faces = {"tiles-fg.svg", "tiles-fg-half-marked.svg", "tiles-fg-no-marks.svg",
                               "tiles-fg.png", "tiles-fg-simple.svg"};
    for (int i = 0; i < backs.size(); ++i)
        QTest::newRow(qPrintable(backs[i] + QLatin1Char('+') + faces[i])) << backs[i] << faces[i];
}

// Every picture of the skin's artwork is found and drawn: no element id or
// sheet rectangle of the renderer is missing from the files.
void TestTileImages::skinArtworkIsComplete()
{
    QFETCH(QString, back);
    QFETCH(QString, face);
    const QString dir = qEnvironmentVariable("MAHJONG_SOURCE_DIR") + QStringLiteral("/resources/default/");
    if (!QFileInfo::exists(dir + back))
        QSKIP("the skin's artwork is not in this tree");
    const TileImages images(dir + back, dir + face, dir + QStringLiteral("tile-highlights-red.png"),
                            GameScale());
    for (int o = 0; o < 4; ++o) {
        for (int k : {0, 1, 2, 4, 5, 6, 7, 9})
            QVERIFY2(hasOpaquePixel(images.kindImage(o, k)), qPrintable(QStringLiteral("kind %1 orientation %2").arg(QString::number(k), QString::number(o))));
        for (int t = 0; t < 42; ++t)
            QVERIFY2(hasOpaquePixel(images.face(o, tile(t))), qPrintable(QStringLiteral("face %1 orientation %2").arg(QString::number(t), QString::number(o))));
        QVERIFY(hasOpaquePixel(images.highlightFrame(o)));
    }
    for (int t = 0; t < 42; ++t)
        QVERIFY(hasOpaquePixel(images.uprightFace(tile(t))));
    QVERIFY(hasOpaquePixel(images.handImage(0)));
    QVERIFY(hasOpaquePixel(images.handImage(1)));
}

MAHJONG_TEST_MAIN(TestTileImages)
#include "tst_tileimages.moc"
