#include "SceneTestSetup.h"

#include "app/wind.h"
#include "game/GameWindowActionQueue.h"
#include "app/TableInfo.h"
#include "table/scene/GameGraphicsScene.h"
#include "table/scene/HiddenHandView.h"
#include "table/scene/SquareCityView.h"
#include "table/scene/TileAnimation.h"
#include "table/scene/TileAnimationSet.h"
#include "table/scene/TileAnimationSource.h"
#include "table/scene/TileAnimationTarget.h"
#include "table/scene/TileMetrics.h"
#include "table/scene/TileView.h"

#include "testmain.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

// An end of a move that logs what is asked of it and answers fixed placements.
class LoggingEnd : public TileAnimationSource, public TileAnimationTarget
{
public:
    LoggingEnd(QStringList *log, const QString &name, std::vector<TilePlacement> places)
        : m_log(log), m_name(name), m_places(std::move(places))
    {
    }

    using TileAnimationSource::sourcePlacements;
    using TileAnimationSource::takeTiles;
    using TileAnimationTarget::putTiles;
    using TileAnimationTarget::targetPlacements;

    std::vector<TilePlacement> sourcePlacements(int count) override
    {
        *m_log << QStringLiteral("%1 places %2").arg(m_name).arg(count);
        return m_places;
    }
    std::vector<TilePlacement> targetPlacements(int count) override
    {
        *m_log << QStringLiteral("%1 places %2").arg(m_name).arg(count);
        return m_places;
    }
    void takeTiles(int count) override { *m_log << QStringLiteral("%1 take %2").arg(m_name).arg(count); }
    void putTiles(int count) override { *m_log << QStringLiteral("%1 put %2").arg(m_name).arg(count); }

private:
    QStringList *m_log;
    QString m_name;
    std::vector<TilePlacement> m_places;
};

std::vector<TilePlacement> row(int n, const QPointF &start, int kind, int orientation)
{
    std::vector<TilePlacement> places;
    for (int i = 0; i < n; ++i)
        places.push_back(TilePlacement{start + QPointF(40 * i, 0), kind, orientation});
    return places;
}

int flyingTiles(const QGraphicsScene &scene)
{
    int n = 0;
    for (QGraphicsItem *item : scene.items())
        if (dynamic_cast<TileView *>(item) && item->isVisible())
            ++n;
    return n;
}

} // namespace

class TestTileAnimations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { QSettings().setValue(QStringLiteral("game/animations"), true); }
    void tilesFlyFromSourceToTarget();
    void endsAnswerBeforeEitherChanges();
    void wallDrawsAndHiddenHands();
    void turnsIntoTheTargetOrientation();
    void laterStartStepWaitsUnturned();

private:
    QTemporaryDir m_artwork;
    QTemporaryDir m_work;
};

void TestTileAnimations::initTestCase()
{
    SceneTestSetup::install(m_artwork.path(), m_work.path());
}

void TestTileAnimations::tilesFlyFromSourceToTarget()
{
    GameGraphicsScene scene;
    QStringList log;
    LoggingEnd wall(&log, "wall", row(2, QPointF(100, 100), 5, RIGHT));
    LoggingEnd hand(&log, "hand", row(2, QPointF(300, 500), 3, BOTTOM));
    GameWindowActionQueue queue;

    auto *move = new TileAnimationSet(&scene, &wall, &hand, 200, tile_vector{tile(3), tile(7)});
    QSignalSpy finished(move, &GameWindowAnimation::finished);
    queue.enqueueAnimation(move);
    QCOMPARE(log, QStringList({"wall places 2", "hand places 2", "wall take 2"}));
    QCOMPARE(flyingTiles(scene), 2);
    QCOMPARE(move->animations().at(1)->tileItem()->tileValue(), tile(7));

    // The tiles leave the wall centred on its places, at the wall's size.
    TileView *first = move->animations().front()->tileItem();
    const QRectF wallRect = TileMetrics::gameRect(RIGHT, 5);
    QCOMPARE(first->pos(), QPointF(100, 100) + wallRect.center() - wallRect.topLeft());
    const double base = TileMetrics::runLength(TileMetrics::gameSize(BOTTOM, 0), BOTTOM);
    QCOMPARE(first->transform().m11(),
             TileMetrics::runLength(TileMetrics::gameSize(RIGHT, 5), RIGHT) / base);

    // Halfway through the flight, stepped there rather than waited for.
    QTimeLine *flight = move->timeLine();
    flight->setPaused(true);
    flight->setCurrentTime(100);
    QVERIFY2(first->pos().y() > 150 && first->pos().y() < 450, qPrintable(QString::number(first->pos().y())));
    QVERIFY(!log.contains("hand put 2"));
    flight->setPaused(false);
    QVERIFY(finished.wait());
    QCOMPARE(log.last(), QStringLiteral("hand put 2"));
    QCOMPARE(flyingTiles(scene), 0);
    QTRY_COMPARE(scene.items().size(), 0); // the set is deleted with its tiles

    // Animations off: the move happens inside the call, nothing flies.
    log.clear();
    QSettings().setValue(QStringLiteral("game/animations"), false);
    queue.enqueueAnimation(new TileAnimationSet(&scene, &wall, &hand, 200, 2));
    QCOMPARE(log, QStringList({"wall take 2", "hand put 2"}));
    QCOMPARE(scene.items().size(), 0);
}

void TestTileAnimations::endsAnswerBeforeEitherChanges()
{
    GameGraphicsScene scene;
    QStringList log;
    LoggingEnd source(&log, "source", row(1, QPointF(0, 0), 0, TOP));
    LoggingEnd target(&log, "target", row(3, QPointF(0, 300), 0, BOTTOM));

    // Fewer places than tiles: only as many fly as both ends hold; take and put see all.
    {
        TileAnimationSet move(&scene, &source, &target, 100, 3);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("tile move of 3 tiles"));
        move.start(false);
        QCOMPARE(move.animations().size(), size_t(1));
        move.finish(false);
        QCOMPARE(log, QStringList({"source places 3", "target places 3", "source take 3", "target put 3"}));
    }
    QCOMPARE(scene.items().size(), 0);

    // Nothing to move still takes and puts.
    log.clear();
    {
        TileAnimationSet move(&scene, &source, &target, 100, tile_vector());
        move.start(false);
        QVERIFY(move.animations().empty());
        move.finish(false);
    }
    QCOMPARE(log, QStringList({"source places 0", "target places 0", "source take 0", "target put 0"}));

    // Instant: no placements asked, no tile created.
    log.clear();
    TileAnimationSet move(&scene, &source, &target, 100, 2);
    move.start(true);
    QCOMPARE(move.timeLine()->state(), QTimeLine::NotRunning);
    move.finish(true);
    QCOMPARE(log, QStringList({"source take 2", "target put 2"}));
    QCOMPARE(scene.items().size(), 0);
}

void TestTileAnimations::wallDrawsAndHiddenHands()
{
    GameGraphicsScene scene;
    SquareCityView city(&scene);
    city.setWall(0, 80, 14, 10, 0, {});
    auto *right = new HiddenHandView(RIGHT);
    auto *top = new HiddenHandView(TOP);
    scene.addItem(right);
    scene.addItem(top);
    right->setPos(700, 100);
    top->setPos(200, 40);
    right->setTileCount(5);
    top->setTileCount(2);

    // A count move between two hidden hands: the source shrinks at the start, the
    // target grows only at the end.
    TileAnimationSet pass(&scene, right, top, 300, 3);
    pass.start(false);
    QCOMPARE(right->tileCount(), 2);
    QCOMPARE(top->tileCount(), 2);
    QCOMPARE(pass.animations().size(), size_t(3));
    QCOMPARE(pass.animations().front()->tileItem()->kind(), 1);
    pass.finish(false);
    QCOMPARE(top->tileCount(), 5);

    // A draw from the wall: the wall loses the tile at once.
    const TilePlacement from = city.animationSource(false)->sourcePlacements(1).front();
    TileAnimationSet draw(&scene, city.animationSource(false), right, 500, 1);
    draw.start(false);
    QCOMPARE(city.liveTiles(), 79);
    TileView *flying = draw.animations().front()->tileItem();
    const QRectF faceDown = TileMetrics::gameRect(from.orientation, 1);
    QCOMPARE(flying->pos(), from.pos + QPointF(faceDown.width() / 2, faceDown.height() / 2));
    QCOMPARE(right->tileCount(), 2);
    draw.finish(false);
    QCOMPARE(right->tileCount(), 3);
    QVERIFY(!flying->isVisible());
}

void TestTileAnimations::turnsIntoTheTargetOrientation()
{
    GameGraphicsScene scene;
    QTimeLine timeLine(100);
    const auto angle = [&](int kind, int from, int to) {
        TileAnimation animation(&scene, &timeLine, kind, from, to, 0.0, 1.0);
        return animation.rotationAt(0.0);
    };
    QCOMPARE(angle(0, RIGHT, BOTTOM), -90.0);
    QCOMPARE(angle(0, TOP, BOTTOM), 180.0);
    QCOMPARE(angle(0, LEFT, BOTTOM), 90.0);
    QCOMPARE(angle(3, TOP, BOTTOM), 180.0);
    QCOMPARE(angle(0, BOTTOM, BOTTOM), 0.0);
    for (int kind : {1, 2, 4, 5}) {
        QCOMPARE(angle(kind, TOP, BOTTOM), 0.0);
        QCOMPARE(angle(kind, LEFT, TOP), 90.0);
    }

    // At the first step the tile takes the target orientation, turned back by the
    // start angle: it looks as it did, and it ends unturned at the target.
    TileAnimation animation(&scene, &timeLine, 0, RIGHT, BOTTOM, 0.0, 1.0);
    animation.setStartPos(QPointF(10, 10));
    animation.setEndPos(QPointF(200, 300));
    TileView *item = animation.tileItem();
    QCOMPARE(item->orientation(), int(RIGHT));
    animation.setStep(0.0);
    QCOMPARE(item->orientation(), int(BOTTOM));
    animation.setStep(1.0);
    const QRectF end = TileMetrics::gameRect(BOTTOM, 0);
    QCOMPARE(item->pos(), QPointF(200, 300) + QPointF(end.width() / 2, end.height() / 2));
    QCOMPARE(item->sceneBoundingRect().topLeft(), QPointF(200, 300) + end.topLeft());
}

void TestTileAnimations::laterStartStepWaitsUnturned()
{
    GameGraphicsScene scene;
    QTimeLine timeLine(100);
    TileAnimation animation(&scene, &timeLine, 5, RIGHT, LEFT, 0.5, 0.8);
    animation.setZValue(42);
    animation.setStartPos(QPointF(50, 60));
    animation.setStartScale(2.0);
    animation.setEndPos(QPointF(500, 60));
    animation.setEndScale(1.0);
    animation.setStartZValue(1000);
    animation.setEndZValue(7);
    TileView *item = animation.tileItem();
    const QPointF start = item->pos();

    animation.setStep(0.3);
    QCOMPARE(item->pos(), start);
    QCOMPARE(item->orientation(), int(RIGHT));
    QCOMPARE(item->zValue(), 42.0);
    QCOMPARE(animation.horizontalScaleAt(0.3), 2.0);
    animation.setStep(0.6);
    QCOMPARE(item->orientation(), int(LEFT));
    QCOMPARE(item->zValue(), 1000.0);
    QVERIFY(item->pos().x() > start.x());
    animation.setStep(0.9);
    QCOMPARE(item->zValue(), 7.0);
    QCOMPARE(animation.rotationAt(0.5), 0.0); // opposite wall stacks look alike
}

MAHJONG_TEST_MAIN(TestTileAnimations)
#include "tst_tileanimations.moc"
