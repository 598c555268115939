#include "SceneTestSetup.h"

#include "game/tiles/ShadowGeometry.h"
#include "game/tiles/TileImages.h"
#include "table/scene/GameGraphicsScene.h"
#include "table/scene/ShadowedGroup.h"
#include "table/scene/TileView.h"

#include "testmain.h"

#include <QGraphicsView>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QTemporaryDir>

namespace {

class CountingTile : public TileView
{
public:
    using TileView::TileView;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget) override
    {
        ++paints;
        TileView::paint(painter, option, widget);
    }
    int paints = 0;
};

// An item with a given footprint that draws nothing itself.
GraphicsNode *footprint(QGraphicsItem *parent, const QPolygonF &outline, int height)
{
    auto *node = new GraphicsNode(parent);
    node->setData(TileView::ShadowGeometryKey,
                  QVariant::fromValue(ShadowGeometry{outline, height, 0}));
    return node;
}

// Wound like the tiles' outlines: down the left side first.
QPolygonF square(double x, double y, double size)
{
    return QPolygonF({QPointF(x, y), QPointF(x, y + size), QPointF(x + size, y + size),
                      QPointF(x + size, y)});
}

QPainterPath shadowPath(const QGraphicsItem &group)
{
    return group.data(ShadowedGroup::ShadowPathKey).value<QPainterPath>();
}

QImage renderScene(QGraphicsScene &scene, const QRect &area)
{
    QImage image(area.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    scene.render(&painter, QRectF(image.rect()), area);
    return image;
}

} // namespace

class TestTileViews : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void settersRepaintOnlyOnChange();
    void markedBoundsTooltipsAndCursor();
    void invalidKindPaintsNothing();
    void newTileSetReachesEveryView();
    void metrics();
    void shadowOfTilesAndDegenerateGroups();
    void smallLightMoveIsIgnored();
    void overlappingShadowsAreOnePath();

private:
    QTemporaryDir m_artwork;
    QTemporaryDir m_work;
};

void TestTileViews::initTestCase()
{
    SceneTestSetup::install(m_artwork.path(), m_work.path());
    QVERIFY(TileGraphics::instance().painter().images());
}

void TestTileViews::settersRepaintOnlyOnChange()
{
    QGraphicsScene scene;
    auto *view = new CountingTile(0, 0, tile(4));
    scene.addItem(view);
    QGraphicsView window(&scene);
    window.resize(200, 200);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(view->paints > 0);

    view->paints = 0;
    view->setKind(0);
    view->setTile(tile(4));
    view->setOrientation(0);
    view->setMarked(false);
    view->setShadowOffset(0, 0);
    view->setPainter(&TileGraphics::instance().painter());
    QTest::qWait(50);
    QCOMPARE(view->paints, 0);

    view->setTile(tile(5));
    QTRY_VERIFY(view->paints > 0);
    QCOMPARE(view->toolTip(), tile::translatedName(tile(5)));
    view->paints = 0;
    view->setMarked(true);
    QTRY_VERIFY(view->paints > 0);
}

void TestTileViews::markedBoundsTooltipsAndCursor()
{
    const QImage marker(QStringLiteral("resources:/last-tile-marker.png"));
    QVERIFY(!marker.isNull());

    TileView own(0, 3, tile(7));
    const QRectF plain = own.boundingRect();
    QVERIFY(!plain.isEmpty());
    own.setMarked(true);
    QCOMPARE(own.boundingRect().top(), plain.top() - marker.height());
    QCOMPARE(own.boundingRect().bottom(), plain.bottom());
    QCOMPARE(own.cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(own.toolTip(), tile::translatedName(tile(7)));

    TileView lying(2, 0, tile(7));
    const QRectF lyingRect = lying.boundingRect();
    lying.setMarked(true);
    QCOMPARE(lying.boundingRect(), lyingRect);
    QCOMPARE(lying.cursor().shape(), Qt::ArrowCursor);

    for (int kind = 0; kind <= 9; ++kind) {
        const TileView view(1, kind, tile(7));
        QCOMPARE(view.toolTip().isEmpty(), kind >= 4 && kind <= 8);
    }
    const TileView nothing(0, 8);
    QVERIFY(!nothing.data(TileView::ShadowGeometryKey).isValid());
    QVERIFY(lying.data(TileView::ShadowGeometryKey).canConvert<ShadowGeometry>());
}

void TestTileViews::invalidKindPaintsNothing()
{
    TileView view(0, 11, tile(3));
    QCOMPARE(view.boundingRect(), QRectF());
    QImage image(100, 100, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QTest::ignoreMessage(QtWarningMsg, "invalid tile display kind 11 not drawn");
    view.paint(&painter, nullptr, nullptr);
    painter.end();
    QImage empty(100, 100, QImage::Format_ARGB32_Premultiplied);
    empty.fill(Qt::transparent);
    QCOMPARE(image, empty);
}

void TestTileViews::newTileSetReachesEveryView()
{
    TileGraphics &graphics = TileGraphics::instance();
    ShadowedGroup group;
    auto *lying = new TileView(0, 0, tile(1), &group);
    auto *hidden = new TileView(1, 4, &group);
    group.updateShadow();
    const QRectF lyingBefore = lying->boundingRect();
    const QPolygonF outlineBefore =
        lying->data(TileView::ShadowGeometryKey).value<ShadowGeometry>().outline;
    const QRectF hiddenBefore = hidden->boundingRect();

    SceneTestSetup::chooseTileSet(0, 3);
    const TileImages *images = graphics.painter().images();
    QCOMPARE(lying->boundingRect(), images->placement(0, 0));
    QVERIFY(lying->boundingRect() != lyingBefore);
    QCOMPARE(lying->data(TileView::ShadowGeometryKey).value<ShadowGeometry>().outline,
             images->shadowGeometry(0, 0).outline);
    QVERIFY(lying->data(TileView::ShadowGeometryKey).value<ShadowGeometry>().outline
            != outlineBefore);
    QCOMPARE(hidden->boundingRect(), images->placement(1, 4));
    QVERIFY(hidden->boundingRect() != hiddenBefore);

    SceneTestSetup::chooseTileSet(3, 0);
    QCOMPARE(lying->boundingRect(), lyingBefore);
}

void TestTileViews::metrics()
{
    TileGraphics &graphics = TileGraphics::instance();
    const int h = static_cast<int>(graphics.painter().images()->placement(0, 3).height());
    QVERIFY(h > 0);
    QCOMPARE(currentTileHeight(), h);
    QCOMPARE(handAreaHeight(), h + h / 6);
    QCOMPARE(baseHandAreaHeight(), h + h / 6);

    graphics.setGameScale(GameScale{1.0, 1.0, 2.0});
    const int h2 = static_cast<int>(graphics.painter().images()->placement(0, 3).height());
    QVERIFY(h2 > h);
    QCOMPARE(handAreaHeight(), h2 + h2 / 6);
    QCOMPARE(baseHandAreaHeight(), h + h / 6);

    TileView own(0, 3, tile(2));
    QCOMPARE(own.tileSize(), graphics.painter().images()->dimensions(0, 3));
    own.setPos(10, 20);
    const TilePlacement placement = own.placement();
    QCOMPARE(placement.pos, QPointF(10, 20));
    QCOMPARE(placement.kind, 3);
    QCOMPARE(placement.orientation, 0);
    graphics.setGameScale(GameScale());
}

void TestTileViews::shadowOfTilesAndDegenerateGroups()
{
    ShadowedGroup group;
    QCOMPARE(group.boundingRect(), QRectF());
    auto *tileView = new TileView(0, 0, tile(1), &group);
    tileView->setPos(100, 100);
    group.updateShadow();
    // The light stands up and to the left: the shadow falls down and right
    // of the tile, and covers at least the tile's own outline.
    const QRectF shadow = group.boundingRect();
    const QRectF footprintRect =
        tileView->data(TileView::ShadowGeometryKey).value<ShadowGeometry>().outline
            .boundingRect()
            .translated(100, 100);
    QVERIFY(shadow.adjusted(-0.01, -0.01, 0.01, 0.01).contains(footprintRect));
    QVERIFY(shadow.right() > footprintRect.right());
    QVERIFY(shadow.bottom() > footprintRect.bottom());
    QCOMPARE(shadowPath(group).boundingRect(), shadow);

    // A lifted tile throws its shadow further.
    tileView->setShadowOffset(5, 2);
    group.updateShadow();
    QVERIFY(group.boundingRect().bottom() > shadow.bottom());

    tileView->setVisible(false);
    group.updateShadow();
    QVERIFY(group.boundingRect().isNull());

    ShadowedGroup walls;
    new TileView(0, 8, &walls);
    new TileView(1, 8, &walls);
    footprint(&walls, QPolygonF({QPointF(0, 0), QPointF(10, 10)}), 10);
    footprint(&walls, QPolygonF({QPointF(0, 0), QPointF(0, 10), QPointF(0, 0)}), 10);
    walls.updateShadow();
    QVERIFY(walls.boundingRect().isNull());
    QVERIFY(shadowPath(walls).isEmpty());

    // Footprints below plain groups count, through the groups' positions.
    auto *node = new GraphicsNode(&walls);
    node->setPos(50, 0);
    footprint(node, square(0, 0, 10), 0);
    walls.updateShadow();
    QCOMPARE(walls.boundingRect(), QRectF(50, 0, 10, 10));
}

void TestTileViews::smallLightMoveIsIgnored()
{
    ShadowedGroup group;
    auto *node = footprint(&group, square(0, 0, 20), 30);
    group.setLightPosition(QPointF(-100, -100));
    const QRectF before = group.boundingRect();
    QVERIFY(!before.isNull());

    node->setPos(40, 0);
    group.setLightPosition(QPointF(-100 + 1e-13, -100));
    QCOMPARE(group.boundingRect(), before);
    QCOMPARE(group.lightPosition(), QPointF(-100, -100));
    group.setLightPosition(QPointF(-100, -100 + 1e-6));
    QVERIFY(group.boundingRect() != before);
    QVERIFY(group.boundingRect().left() >= 40);
}

void TestTileViews::overlappingShadowsAreOnePath()
{
    GameGraphicsScene scene;
    auto *first = new ShadowedGroup;
    auto *second = new ShadowedGroup;
    footprint(first, square(20, 20, 40), 40);
    footprint(second, square(40, 40, 40), 40);
    scene.addItem(first);
    scene.addItem(second);
    second->setPos(10, 0);
    first->updateShadow();
    second->updateShadow();
    // Something that is no path publishes nothing.
    auto *stray = new GraphicsNode;
    stray->setData(ShadowedGroup::ShadowPathKey, QStringLiteral("not a path"));
    scene.addItem(stray);

    const QImage image = renderScene(scene, QRect(0, 0, 160, 160));
    const QPainterPath a = first->sceneTransform().map(shadowPath(*first));
    const QPainterPath b = second->sceneTransform().map(shadowPath(*second));
    // Edges may fall a pixel either way; inside and outside they may not.
    int both = 0;
    int one = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRectF around(x - 1, y - 1, 3, 3);
            const bool inA = a.contains(around);
            const bool inB = b.contains(around);
            const int alpha = qAlpha(image.pixel(x, y));
            if (inA && inB) {
                ++both;
                QCOMPARE(alpha, 48);
            } else if (inA || inB) {
                ++one;
                QCOMPARE(alpha, 48);
            } else if (!a.intersects(around) && !b.intersects(around)) {
                QCOMPARE(alpha, 0);
            } else {
                QVERIFY(alpha == 0 || alpha == 48);
            }
        }
    }
    QVERIFY(both > 100);
    QVERIFY(one > 100);

    // The shadows follow their groups from paint to paint: a moved group takes
    // its shadow along, a partial paint draws its part of the same area, a
    // hidden or deleted group leaves nothing behind.
    const auto alphasWithin = [](const QImage &picture, const QPainterPath &inside,
                                 const QPainterPath &outside) {
        QSet<int> alphas;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QRectF around(x - 1, y - 1, 3, 3);
                if (inside.contains(around) && !outside.intersects(around))
                    alphas.insert(qAlpha(picture.pixel(x, y)));
            }
        }
        return alphas;
    };
    second->setPos(70, 70);
    const QPainterPath moved = second->sceneTransform().map(shadowPath(*second));
    const QImage afterMove = renderScene(scene, QRect(0, 0, 160, 160));
    QCOMPARE(alphasWithin(afterMove, moved, a), QSet<int>{48});
    QCOMPARE(alphasWithin(afterMove, b, a.united(moved)), QSet<int>{0});
    const QImage leftHalf = renderScene(scene, QRect(0, 0, 80, 160));
    QCOMPARE(leftHalf, afterMove.copy(0, 0, 80, 160));

    second->hide();
    QCOMPARE(alphasWithin(renderScene(scene, QRect(0, 0, 160, 160)), moved, a), QSet<int>{0});
    delete first;
    const QImage bare = renderScene(scene, QRect(0, 0, 160, 160));
    QCOMPARE(alphasWithin(bare, a, QPainterPath()), QSet<int>{0});
}

MAHJONG_TEST_MAIN(TestTileViews)
#include "tst_tileviews.moc"
