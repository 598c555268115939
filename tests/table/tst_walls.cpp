#include "SceneTestSetup.h"

#include "app/RulesetInfo.h"
#include "app/TableInfo.h"
#include "app/wind.h"
#include "game/GameModel.h"
#include "table/scene/CompactCityView.h"
#include "table/scene/GameGraphicsScene.h"
#include "table/scene/SquareCityView.h"
#include "table/scene/TileView.h"
#include "table/scene/WallView.h"

#include "testmain.h"

#include <QGraphicsSimpleTextItem>
#include <QTemporaryDir>

namespace {

TableInfo tableWith(int ruleset)
{
    TableInfo info;
    info.setRuleset(ruleset);
    return info;
}

// Stack s of the ring, with EAST at the bottom: wall s / L shows it as item s % L.
TileView *stack(const SquareCityView &city, int s)
{
    const int l = city.stacksPerSide();
    const int n = 4 * l;
    s = ((s % n) + n) % n;
    return city.wall(s / l)->items().at(static_cast<size_t>(s % l));
}

QList<int> kinds(const SquareCityView &city, int first, int count)
{
    QList<int> result;
    for (int i = 0; i < count; ++i)
        result << stack(city, first + i)->kind();
    return result;
}

QList<int> kinds(const CompactCityView &city)
{
    QList<int> result;
    for (TileView *item : city.wall()->items())
        result << item->kind();
    return result;
}

QList<int> repeated(int kind, int n)
{
    return QList<int>(n, kind);
}

} // namespace

class TestWalls : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fullWallBeforeTheHand();
    void riichiDeadWallWithDora();
    void classicLooseTilesAndReplacements();
    void liveWallWrapsAroundTheRing();
    void drawWallFollowsTheOwnWind();
    void badCountersStayInsideTheRing();
    void shortWallsAreCentred();
    void compactWallAndCounter();

private:
    QTemporaryDir m_artwork;
    QTemporaryDir m_work;
};

void TestWalls::initTestCase()
{
    SceneTestSetup::install(m_artwork.path(), m_work.path());
}

void TestWalls::fullWallBeforeTheHand()
{
    GameGraphicsScene scene;
    SquareCityView city(&scene);
    city.setWall(EAST, 0, 0, 0, 0, {});
    QCOMPARE(kinds(city, 0, 72), repeated(6, 72));
    QCOMPARE(city.drawStack(), 0);
    QCOMPARE(city.replacementStack(), 0);

    // Stacks of two stand lower than stacks of three, so that their tops line up.
    const WallView *bottom = city.wall(BOTTOM);
    QVERIFY(bottom->tilePos(0).y() > 0);
    QCOMPARE(bottom->tilePos(1).x() - bottom->tilePos(0).x(), double(bottom->width() / 18));
    QCOMPARE(city.boundingRect().height(), double(city.height() + city.depth()));
    QCOMPARE(scene.items().size(), 4 + 4 * 18);
}

void TestWalls::riichiDeadWallWithDora()
{
    GameGraphicsScene scene;
    SquareCityView city(&scene);
    city.setTableInfo(tableWith(RulesetInfo::JAPANESE_RIICHI));
    QCOMPARE(city.stacksPerSide(), 17);
    const int position = 10;
    city.setWall(EAST, 70, 14, position, 0, {tile(5)});

    QList<int> dead = repeated(6, 7);
    dead[2] = 9;
    QCOMPARE(kinds(city, position, 7), dead);
    QCOMPARE(stack(city, position + 2)->tileValue(), tile(5));
    QCOMPARE(kinds(city, position + 7, 35), repeated(6, 35));
    QCOMPARE(kinds(city, position + 42, 68 - 42), repeated(8, 68 - 42));
    QCOMPARE(city.replacementStack() + 17 * city.replacementWall(), position);
    QCOMPARE(city.drawStack() + 17 * city.drawWall(), position + 42);

    // A second dora indicator turns the next stack.
    city.addDoraIndicator(tile(30));
    QCOMPARE(stack(city, position + 3)->kind(), 9);
    QCOMPARE(stack(city, position + 3)->tileValue(), tile(30));
}

void TestWalls::classicLooseTilesAndReplacements()
{
    GameGraphicsScene scene;
    SquareCityView city(&scene);
    city.setTableInfo(tableWith(RulesetInfo::CLASSIC));
    const int s = 20;
    city.setWall(EAST, 100, 14, s, 0, {tile(1)});
    QCOMPARE(kinds(city, s, 8), QList<int>({6, 7, 6, 6, 7, 6, 8, 6}));
    QCOMPARE(city.replacementStack() + 18 * city.replacementWall(), s + 1);
    QVERIFY(stack(city, s + 1)->tileValue() != tile(1)); // no indicator shown

    // One replacement: the loose tile on S + 1 goes, the next comes from S + 4.
    qint32 live = 100, dead = 14, dealt = 0;
    GameModel::drawFromWall(RulesetInfo::CLASSIC, 1, true, live, dead, dealt);
    city.animationSource(true)->takeTiles(1);
    QCOMPARE(city.liveTiles(), live);
    QCOMPARE(city.deadWallTiles(), dead);
    QCOMPARE(city.deadWallTilesDealt(), dealt);
    QCOMPARE(kinds(city, s, 6), QList<int>({6, 6, 6, 6, 7, 6}));
    QCOMPARE(city.replacementStack() + 18 * city.replacementWall(), s + 4);

    const std::vector<TilePlacement> places = city.animationSource(true)->sourcePlacements(2);
    QCOMPARE(places.size(), size_t(2));
    QCOMPARE(places[0].kind, 5);
    const WallView *wall = city.wall(city.replacementWall());
    QCOMPARE(places[1].pos, wall->pos() + wall->tilePos(city.replacementStack()));
}

void TestWalls::liveWallWrapsAroundTheRing()
{
    GameGraphicsScene scene;
    SquareCityView city(&scene);
    city.setTableInfo(tableWith(RulesetInfo::MCR));
    city.setWall(EAST, 30, 0, 66, 0, {});
    QCOMPARE(kinds(city, 66, 15), repeated(6, 15)); // 66 .. 71, then 0 .. 8
    QCOMPARE(stack(city, 9)->kind(), 8);
    QCOMPARE(stack(city, 65)->kind(), 8);
    QCOMPARE(city.drawStack() + 18 * city.drawWall(), 8);

    // Normal draws take from the live wall's far end.
    city.animationSource(false)->takeTiles(3);
    QCOMPARE(city.liveTiles(), 27);
    QCOMPARE(stack(city, 7)->kind(), 5);
    QCOMPARE(stack(city, 8)->kind(), 8);
}

void TestWalls::drawWallFollowsTheOwnWind()
{
    GameGraphicsScene scene;
    SquareCityView city(&scene);
    city.setTableInfo(tableWith(RulesetInfo::MCR));
    // The draw comes from stack 71 of the ring, on NORTH's wall: the wall of the seat
    // NORTH sits at from the own wind.
    const int expected[4] = {3, 2, 1, 0};
    for (int w = EAST; w <= NORTH; ++w) {
        city.setWall(w, 144, 0, 0, 0, {});
        QCOMPARE(city.drawWall(), expected[w]);
        QCOMPARE(city.drawStack(), 17);
        // Wall i shows the ring segment of the wind sitting there.
        QCOMPARE(city.wall(expected[w])->items().at(17)->kind(), 6);
    }
    city.setWall(SOUTH, 10, 0, 0, 0, {});
    QCOMPARE(city.wall(3)->items().at(0)->kind(), 6); // EAST's stacks sit left of SOUTH
    QCOMPARE(city.wall(0)->items().at(0)->kind(), 8);
}

void TestWalls::badCountersStayInsideTheRing()
{
    GameGraphicsScene scene;
    SquareCityView square(&scene);
    CompactCityView compact(&scene);
    for (int ruleset = 0; ruleset < RulesetInfo::Count; ++ruleset) {
        square.setTableInfo(tableWith(ruleset));
        compact.setTableInfo(tableWith(ruleset));
        for (CityView *city : {static_cast<CityView *>(&square), static_cast<CityView *>(&compact)}) {
            city->setWall(EAST, 40, 14, -5, -3, {tile(1), tile(2), tile(3), tile(4), tile(5), tile(6), tile(7), tile(8)});
            city->setWall(NORTH, 1 << 30, 1 << 30, 1 << 30, 1 << 30, {});
            city->setWall(WEST, -100, -100, -(1 << 30), 7, {});
            city->animationSource(true)->takeTiles(3);
            city->animationSource(false)->takeTiles(3);
        }
    }
    square.setTableInfo(tableWith(RulesetInfo::CLASSIC));
    square.setWall(EAST, 10, 2, -1, 0, {});
    QCOMPARE(kinds(square, -1, 7), QList<int>({6, 6, 6, 6, 6, 6, 8}));
    QCOMPARE(square.liveTiles(), 10);
    square.setWall(EAST, 1000, 0, 0, 0, {});
    QCOMPARE(square.liveTiles(), 144);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("wall of rule set 9 kept"));
    square.setTableInfo(tableWith(9));
    QCOMPARE(square.stacksPerSide(), 18);
}

void TestWalls::shortWallsAreCentred()
{
    GameGraphicsScene scene;
    SquareCityView city(&scene);
    city.setPos(QPoint(100, 50));
    QCOMPARE(city.arrangement(), 0);
    const QPointF pinwheelLeft = city.wall(LEFT)->pos();
    QCOMPARE(pinwheelLeft, QPointF(100, 50));

    city.setTableInfo(tableWith(RulesetInfo::HONG_KONG));
    QCOMPARE(city.arrangement(), 1);
    QCOMPARE(city.stacksPerSide(), 17);
    QCOMPARE(city.wall(TOP)->stackCount(), 17);
    QCOMPARE(scene.items().size(), 4 + 4 * 17);
    const WallView *bottom = city.wall(BOTTOM);
    const WallView *right = city.wall(RIGHT);
    QCOMPARE(city.width(), 2 * right->width() + bottom->width());
    QCOMPARE(bottom->pos().x(), 100.0 + (city.width() - bottom->width()) / 2);
    QCOMPARE(bottom->pos().y() + bottom->height(), 50.0 + city.height());
    const QRectF inner = city.innerRect();
    QCOMPARE(inner.left(), double(right->width()));
    QCOMPARE(inner.width(), double(city.width() - 2 * right->width()));

    city.setTableInfo(tableWith(RulesetInfo::CLASSIC));
    QCOMPARE(city.arrangement(), 0);
    QCOMPARE(city.wall(LEFT)->stackCount(), 18);
    QCOMPARE(city.wall(LEFT)->pos(), pinwheelLeft);
    QCOMPARE(scene.items().size(), 4 + 4 * 18);
}

void TestWalls::compactWallAndCounter()
{
    GameGraphicsScene scene;
    CompactCityView city(&scene);
    city.setPos(QPoint(40, 30));
    QCOMPARE(city.counter()->text(), QString());
    QCOMPARE(kinds(city), repeated(8, 9));
    QCOMPARE(city.counter()->toolTip(), QStringLiteral("Remaining tiles"));

    city.setTableInfo(tableWith(RulesetInfo::JAPANESE_RIICHI));
    city.setWall(EAST, 0, 14, 0, 0, {tile(9)});
    QCOMPARE(city.counter()->text(), QStringLiteral("0"));
    QCOMPARE(city.counterShadow()->text(), QStringLiteral("0"));
    QCOMPARE(kinds(city), QList<int>({6, 6, 9, 6, 6, 6, 6, 8, 8}));
    city.setWall(EAST, 3, 14, 0, 2, {tile(9)});
    QCOMPARE(kinds(city), QList<int>({8, 6, 9, 6, 6, 6, 6, 6, 5}));
    QVERIFY(city.counter()->pos().x() >= city.wall()->pos().x() + city.wall()->width());

    // MCR: the last 18 live tiles.
    city.setTableInfo(tableWith(RulesetInfo::MCR));
    city.setWall(EAST, 100, 0, 0, 0, {});
    QCOMPARE(kinds(city), repeated(6, 9));
    QCOMPARE(city.counter()->text(), QStringLiteral("100"));
    city.setWall(EAST, 5, 0, 0, 0, {});
    QCOMPARE(kinds(city), QList<int>({6, 6, 5, 8, 8, 8, 8, 8, 8}));

    // Draws keep the counters in step with the model's arithmetic.
    city.setTableInfo(tableWith(RulesetInfo::CLASSIC));
    city.setWall(EAST, 60, 14, 0, 0, {});
    QCOMPARE(kinds(city), QList<int>({6, 7, 6, 6, 7, 6, 8, 6, 6}));
    qint32 live = 60, dead = 14, dealt = 0;
    for (bool replacement : {true, false, true, true}) {
        GameModel::drawFromWall(RulesetInfo::CLASSIC, 1, replacement, live, dead, dealt);
        city.animationSource(replacement)->takeTiles(1);
        QCOMPARE(city.liveTiles(), live);
        QCOMPARE(city.deadWallTiles(), dead);
        QCOMPARE(city.deadWallTilesDealt(), dealt);
        QCOMPARE(city.counter()->text(), QString::number(live));
    }
    const TilePlacement draw = city.animationSource(false)->sourcePlacements(1).front();
    QCOMPARE(draw.pos, QPointF(40, 30) + city.wall()->tilePos(8));
    QCOMPARE(draw.orientation, int(BOTTOM));
}

MAHJONG_TEST_MAIN(TestWalls)
#include "tst_walls.moc"
