#include "TableComposition.h"

#include "game/tiles/TileGraphics.h"
#include "game/tiles/TileImages.h"
#include "table/scene/DeclaredView.h"
#include "table/scene/DiscardView.h"
#include "table/scene/HandView.h"
#include "table/scene/HiddenHandView.h"
#include "table/scene/MeldView.h"
#include "table/scene/Object3DView.h"
#include "table/scene/RiichiStickView.h"
#include "table/scene/ShadowedGroup.h"
#include "table/scene/WindView.h"

#include "testmain.h"

#include <QDir>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSvgItem>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QTemporaryDir>

namespace {

QColor darkened(const QColor &colour)
{
    const auto channel = [](int c) { return (c * (255 - 48) + 127) / 255; };
    return QColor(channel(colour.red()), channel(colour.green()), channel(colour.blue()));
}

bool near(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) <= 2 && std::abs(a.green() - b.green()) <= 2
        && std::abs(a.blue() - b.blue()) <= 2;
}

} // namespace

// The whole table, drawn with the compiled-in artwork.
class TestTableScene : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void composedTable();

private:
    QTemporaryDir m_work;
};

void TestTableScene::initTestCase()
{
    QDir::setSearchPaths(QStringLiteral("resources"), {QStringLiteral(":/default")});
    QDir::setSearchPaths(QStringLiteral("textimages"), {QStringLiteral(":/default/text-images/en")});
    QVERIFY(QDir::setCurrent(m_work.path()));
    TileGraphics::instance().setTileSet(3, 0);
    QVERIFY(TileGraphics::instance().painter().images());
}

void TestTableScene::composedTable()
{
    TableComposition table(1.0, true);
    HandView &hand = *table.hand;
    HandTile *lifted = hand.items()[6];
    QCOMPARE(lifted->tileValue(), tile(20));
    QGraphicsSceneHoverEvent enter(QEvent::GraphicsSceneHoverEnter);
    table.scene.sendEvent(lifted, &enter);
    QCOMPARE(lifted->lift(), HandTile::Lift);
    QVERIFY(hand.items().back()->isMarked());

    const QColor background(30, 110, 60);
    QImage image(1000, 800, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        table.scene.render(&painter);
    }
    const QString path =
        QDir(qEnvironmentVariable("MAHJONG_BINARY_DIR", QDir::currentPath()))
            .filePath(QStringLiteral("table-scene.png"));
    QVERIFY(image.save(path));

    // Bare table, shadow and tiles: just below the first discard the shadow
    // falls away from the light; far from everything the table is bare.
    QVERIFY(near(image.pixelColor(5, 400), background));
    int shadowPixels = 0;
    int bare = 0;
    const QColor shadow = darkened(background);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            shadowPixels += near(c, shadow) ? 1 : 0;
            bare += near(c, background) ? 1 : 0;
        }
    }
    QVERIFY2(shadowPixels > 5000, qPrintable(QString::number(shadowPixels)));
    QVERIFY(bare > 200000);
    // Beside the items no shadow is darker than one: overlapping groups
    // fill one path.
    QRegion covered;
    for (const QGraphicsItem *item : table.scene.items()) {
        if (!item->data(ShadowedGroup::ShadowPathKey).isValid())
            covered += item->sceneBoundingRect().toAlignedRect();
    }
    const QColor twice = darkened(shadow);
    int checked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (covered.contains(QPoint(x, y)))
                continue;
            ++checked;
            QVERIFY2(!near(image.pixelColor(x, y), twice), qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
        }
    }
    QVERIFY(checked > 300000);

    // Each seat's tiles are drawn: the middles of their tiles are no table.
    const auto drawn = [&](const QGraphicsItem *item) {
        const QPoint middle = item->sceneBoundingRect().center().toPoint();
        const QColor c = image.pixelColor(middle);
        return !near(c, background) && !near(c, shadow);
    };
    QVERIFY(drawn(lifted));
    QVERIFY(drawn(hand.items().back()));
    for (int seat = 0; seat < 4; ++seat) {
        QVERIFY(drawn(table.discards[seat]->items()[3]));
        QCOMPARE(table.discards[seat]->items()[3 + seat]->kind(), 2);
        QVERIFY(drawn(table.declared[seat]->melds().front()->items().front()));
        if (table.hidden[seat])
            QVERIFY(drawn(table.hidden[seat]->items()[6]));
        QVERIFY(drawn(table.winds[seat]));
        QVERIFY(drawn(table.sticks[seat]->sticks().front()));
    }
    QVERIFY(drawn(table.cube));
    // The lifted tile stands five pixels above its neighbours.
    QCOMPARE(lifted->scenePos().y(), hand.items()[5]->scenePos().y() - 5);
}

MAHJONG_TEST_MAIN(TestTableScene)
#include "tst_tablescene.moc"
