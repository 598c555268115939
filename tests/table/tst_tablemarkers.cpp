#include "SceneTestSetup.h"

#include "app/RulesetInfo.h"
#include "app/meld.h"
#include "app/wind.h"
#include "table/scene/Object3DView.h"
#include "table/scene/PlayerActionView.h"
#include "table/scene/RiichiStickView.h"
#include "table/scene/WindView.h"

#include "testmain.h"

#include <QGraphicsSvgItem>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

QImage paintItem(QGraphicsItem &item, const QSize &size, const QPointF &at = QPointF())
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(at);
    item.paint(&painter, nullptr, nullptr);
    return image;
}

// The largest difference of any channel between two images of one size.
int largestDifference(const QImage &a, const QImage &b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q)),
                                std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

int opaquePixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return count;
}

} // namespace

class TestTableMarkers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void windMarkers();
    void claimImages();
    void riichiSticks();
    void cubeProjection();
    void texturedCube();

private:
    QTemporaryDir m_artwork;
    QTemporaryDir m_work;
};

void TestTableMarkers::initTestCase()
{
    SceneTestSetup::install(m_artwork.path(), m_work.path());
}

void TestTableMarkers::windMarkers()
{
    WindView bottom(0);
    QCOMPARE(bottom.boundingRect(), QRectF(0, 0, 62, 62));
    QCOMPARE(bottom.toolTip(), windDisplayName(EAST));
    bottom.setWind(SOUTH);
    QCOMPARE(bottom.toolTip(), windDisplayName(SOUTH));
    bottom.setScale(0.5);
    QCOMPARE(bottom.boundingRect(), QRectF(0, 0, 31, 31));
    bottom.setScale(1.0);

    // The right seat's marker is the bottom one turned by −90°.
    WindView right(1);
    right.setWind(SOUTH);
    const QImage upright = paintItem(bottom, QSize(62, 62));
    const QImage turned = paintItem(right, QSize(62, 62));
    QVERIFY(opaquePixels(upright) > 1000);
    QVERIFY(largestDifference(upright.transformed(QTransform().rotate(-90)), turned) <= 64);
    QVERIFY(largestDifference(upright, turned) > 128);
    QPixmap cached;
    QVERIFY(QPixmapCache::find(QStringLiteral("detailPainter:south:1:1"), &cached));
    QCOMPARE(cached.size(), QSize(62, 62));

    const QImage plain = paintItem(bottom, QSize(62, 62));
    bottom.setGlowing(true);
    QVERIFY(paintItem(bottom, QSize(62, 62)) != plain);

    PrevalentWindView prevalent;
    QCOMPARE(prevalent.toolTip(), prevalentWindText(EAST));
    prevalent.setScale(0.5);
    QCOMPARE(prevalent.boundingRect(), QRectF(0, 0, 31, 31));
    prevalent.setScale(1.0);
    prevalent.setWind(NORTH);
    QCOMPARE(prevalent.toolTip(), prevalentWindText(NORTH));
    const QImage north = paintItem(prevalent, QSize(62, 62));
    QVERIFY(opaquePixels(north) > 1000);
    QVERIFY(QPixmapCache::find(QStringLiteral("detailPainter:prevalentNorth:1:0"), &cached));
}

void TestTableMarkers::claimImages()
{
    PlayerActionView view(0);
    QVERIFY(view.pixmap().isNull());
    view.setAction(PONG, 0);
    QCOMPARE(view.imagePath(), QStringLiteral("textimages:claim-pong.png"));
    QVERIFY(!view.pixmap().isNull());
    view.setRulesetId(RulesetInfo::JAPANESE_RIICHI);
    QCOMPARE(view.imagePath(), QStringLiteral("textimages:claim-pon.png"));
    view.setAction(CHOW, 0);
    QCOMPARE(view.imagePath(), QStringLiteral("textimages:claim-chii.png"));
    view.setAction(KONG, 0);
    QCOMPARE(view.imagePath(), QStringLiteral("textimages:claim-kan.png"));
    view.setRulesetId(RulesetInfo::HONG_KONG);
    QCOMPARE(view.imagePath(), QStringLiteral("textimages:claim-kong.png"));
    view.setAction(CHOW, 0);
    QCOMPARE(view.imagePath(), QStringLiteral("textimages:claim-chow.png"));

    const QStringList wins = {QStringLiteral("textimages:claim-mahjong-game-view.png"),
                              QStringLiteral("textimages:claim-mahjong-game-view.png"),
                              QStringLiteral("textimages:claim-ron.png"),
                              QStringLiteral("textimages:claim-tsumo.png"),
                              QStringLiteral("textimages:claim-mahjong-game-view.png")};
    for (int detail = 0; detail < wins.size(); ++detail) {
        view.setAction(MAHJONG, detail);
        QCOMPARE(view.imagePath(), wins[detail]);
        QVERIFY(!view.pixmap().isNull());
    }
    view.setAction(RIICHI, 0);
    QCOMPARE(view.imagePath(), QStringLiteral("textimages:claim-riichi.png"));

    // A rule set id the client does not know reads as a plain one.
    QTest::ignoreMessage(QtWarningMsg,
                         "claim image for unsupported rule set 42 shown in the plain words");
    view.setRulesetId(42);
    QTest::ignoreMessage(QtWarningMsg,
                         "claim image for unsupported rule set 42 shown in the plain words");
    view.setAction(PONG, 0);
    QCOMPARE(view.imagePath(), QStringLiteral("textimages:claim-pong.png"));

    // Anchored at the seat, the image lies left of the bottom seat's point;
    // centred, around it; both one and a half times as large.
    const QSizeF size = view.pixmap().size();
    QCOMPARE(view.mapRectToParent(view.boundingRect()),
             QRectF(-1.5 * size.width(), 0, 1.5 * size.width(), 1.5 * size.height()));
    view.setAnchorMode(1);
    QCOMPARE(view.mapRectToParent(view.boundingRect()),
             QRectF(-0.75 * size.width(), -0.75 * size.height(), 1.5 * size.width(),
                    1.5 * size.height()));

    PlayerActionView right(1);
    right.setAction(PONG, 0);
    right.setScale(2.0);
    QCOMPARE(right.mapRectToParent(right.boundingRect()),
             QRectF(0, 0, 3 * size.height(), 3 * size.width()));

    view.setAction(0, 0);
    QVERIFY(view.pixmap().isNull());
    QVERIFY(view.imagePath().isEmpty());
}

void TestTableMarkers::riichiSticks()
{
    RiichiStickView view(0);
    view.setCount(3);
    view.setCount(1);
    QCOMPARE(view.sticks().size(), 3);
    QCOMPARE(view.childItems().size(), 3);
    QVERIFY(view.sticks()[0]->isVisible());
    QVERIFY(!view.sticks()[1]->isVisible());
    QVERIFY(!view.sticks()[2]->isVisible());

    QSvgRenderer stick(QStringLiteral("resources:/riichi-stick.svg"));
    const QRectF b = stick.boundsOnElement(QStringLiteral("stick"));
    const int width = static_cast<int>(15 * b.width() / b.height());
    QCOMPARE(view.sticks()[1]->pos(), QPointF(-width, 15));
    view.setScale(2.0);
    QCOMPARE(view.sticks()[1]->pos(),
             QPointF(-static_cast<int>(30 * b.width() / b.height()), 30));
    QCOMPARE(view.sticks()[1]->mapRectToParent(view.sticks()[1]->boundingRect()).height(),
             30.0);

    // The left seat's sticks run along the seat, turned by a quarter.
    RiichiStickView left(3);
    left.setCount(2);
    const QRectF placed = left.sticks()[1]->mapRectToParent(left.sticks()[1]->boundingRect());
    QCOMPARE(placed.width(), 15.0);
    QCOMPARE(placed.height(), 15 * b.width() / b.height());
}

void TestTableMarkers::cubeProjection()
{
    const QVector<Object3DView::point> triangle = {{0, 0, 0, 1}, {40, 0, 0, 1}, {0, 40, 0, 1}};
    QVector<Object3DView::point> reversed = triangle;
    std::swap(reversed[1], reversed[2]);
    const double identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

    Object3DView faces(2);
    faces.setBrush(Qt::red);
    faces.setPoints(triangle);
    // Nothing is visible before a matrix is set.
    QCOMPARE(faces.boundingRect(), QRectF());
    QCOMPARE(opaquePixels(paintItem(faces, QSize(50, 50))), 0);

    faces.setMatrix(identity);
    QCOMPARE(faces.boundingRect(), QRectF(0, 0, 40, 40));
    const QImage front = paintItem(faces, QSize(50, 50));
    QVERIFY(opaquePixels(front) > 600);
    faces.setPoints(reversed);
    QCOMPARE(opaquePixels(paintItem(faces, QSize(50, 50))), 0);

    Object3DView lines(1);
    lines.setMatrix(identity);
    QVector<Object3DView::point> five = triangle;
    five << Object3DView::point{10, 10, 0, 1} << Object3DView::point{20, 30, 0, 1};
    lines.setPoints(five);
    QCOMPARE(opaquePixels(paintItem(lines, QSize(50, 50), QPointF(5, 5))), 0);
    five.removeLast();
    lines.setPoints(five);
    QVERIFY(opaquePixels(paintItem(lines, QSize(50, 50), QPointF(5, 5))) > 40);
    QCOMPARE(lines.boundingRect(), QRectF(-0.5, -0.5, 41, 41));

    Object3DView points(0);
    points.setMatrix(identity);
    points.setPoints(triangle);
    points.setTextureCoordinates(QPolygonF({QPointF(0, 0), QPointF(1, 0), QPointF(1, 1)}));
    QCOMPARE(points.faceTransformCount(), 0);
    QCOMPARE(opaquePixels(paintItem(points, QSize(50, 50), QPointF(5, 5))), 3);

    // A point at infinity draws nothing and takes no room.
    const double flat[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0};
    faces.setPoints(triangle);
    faces.setMatrix(flat);
    QCOMPARE(faces.boundingRect(), QRectF());
    QCOMPARE(opaquePixels(paintItem(faces, QSize(50, 50))), 0);
}

void TestTableMarkers::texturedCube()
{
    QImage texture(6, 1, QImage::Format_ARGB32_Premultiplied);
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::magenta, Qt::cyan};
    for (int i = 0; i < 6; ++i)
        texture.setPixelColor(i, 0, colours[i]);
    QBrush brush(texture);

    Object3DView cube(2);
    cube.setPoints(TableCube::points());
    cube.setBrush(brush);
    const std::array<double, 16> start = TableCube::matrix(0);
    cube.setMatrix(start.data());
    // Unturned, the front face (z = −1, nearest) fills the middle square.
    const QRectF bounds = cube.boundingRect();
    QCOMPARE(bounds.center(), QPointF(100, 100));
    QCOMPARE(bounds.width(), 100.0);

    QPolygonF bad = TableCube::textureCoordinates();
    bad.removeLast();
    cube.setTextureCoordinates(bad);
    QCOMPARE(cube.faceTransformCount(), 0);
    // Untextured faces use the brush as it stands: the texture repeats
    // pixel by pixel.
    const QImage plain = paintItem(cube, QSize(200, 200));
    QCOMPARE(plain.pixelColor(100, 100), texture.pixelColor(100 % 6, 0));
    QVERIFY(plain.pixelColor(101, 100) != plain.pixelColor(100, 100));

    cube.setTextureCoordinates(TableCube::textureCoordinates());
    QCOMPARE(cube.faceTransformCount(), 12);
    const QImage textured = paintItem(cube, QSize(200, 200));
    const QColor middle = textured.pixelColor(100, 100);
    bool oneOfTheFaces = false;
    for (const QColor &colour : colours)
        oneOfTheFaces = oneOfTheFaces || colour == middle;
    QVERIFY2(oneOfTheFaces, qPrintable(middle.name()));
    // One texture pixel stretches over the whole face.
    QCOMPARE(textured.pixelColor(80, 80), middle);
    QCOMPARE(textured.pixelColor(120, 115), middle);

    const std::array<double, 16> turned = TableCube::matrix(1000);
    cube.setMatrix(turned.data());
    QVERIFY(paintItem(cube, QSize(200, 200)) != textured);
}

MAHJONG_TEST_MAIN(TestTableMarkers)
#include "tst_tablemarkers.moc"
