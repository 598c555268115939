#include "SceneTestSetup.h"

#include "app/meld.h"
#include "game/tiles/TileImages.h"
#include "table/scene/DeclaredView.h"
#include "table/scene/DiscardView.h"
#include "table/scene/GameGraphicsScene.h"
#include "table/scene/HandView.h"
#include "table/scene/HiddenHandView.h"
#include "table/scene/MeldView.h"

#include "testmain.h"

#include <QGraphicsSceneHoverEvent>
#include <QGraphicsView>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <stdexcept>

namespace {

tile_vector tiles(std::initializer_list<int> codes)
{
    tile_vector result;
    for (const int code : codes)
        result.push_back(tile(static_cast<std::uint8_t>(code)));
    return result;
}

TileDimensions gameSize(int orientation, int kind)
{
    return TileGraphics::instance().painter().images()->dimensions(orientation, kind);
}

std::vector<int> kinds(const MeldView &meld)
{
    std::vector<int> result;
    for (const TileView *item : meld.items())
        result.push_back(item->kind());
    return result;
}

std::vector<QPointF> positions(const std::vector<HandTile *> &items)
{
    std::vector<QPointF> result;
    for (const HandTile *item : items)
        result.push_back(item->pos());
    return result;
}

void hover(QGraphicsScene &scene, QGraphicsItem *item, QEvent::Type type)
{
    QGraphicsSceneHoverEvent event(type);
    event.setScenePos(item->sceneBoundingRect().center());
    scene.sendEvent(item, &event);
}

} // namespace

class TestSeatViews : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void handRowAndMarks();
    void handHoverAndSelection();
    void sceneClicks();
    void handAnimationEndpoints();
    void discardLayout();
    void discardEdges();
    void meldKinds();
    void declaredMeldsReplaceAndMerge();
    void declaredRowsAndDepth();
    void hiddenHands();

private:
    QTemporaryDir m_artwork;
    QTemporaryDir m_work;
};

void TestSeatViews::initTestCase()
{
    SceneTestSetup::install(m_artwork.path(), m_work.path());
}

void TestSeatViews::handRowAndMarks()
{
    const int w = gameSize(0, 3).width();
    HandView hand;
    hand.setTiles(tiles({5, 1, 3}));
    QCOMPARE(hand.tiles(), tiles({5, 3, 1}));
    QCOMPARE(positions(hand.items()),
             std::vector<QPointF>({QPointF(-w, 0), QPointF(-2 * w, 0), QPointF(-3 * w, 0)}));
    QCOMPARE(hand.firstTilePos(), QPointF(-w, 0));

    hand.setTiles(tiles({7, 2, 7, 9}));
    hand.removeTile(tile(7));
    QCOMPARE(hand.tiles(), tiles({9, 7, 2}));
    hand.removeTile(tile(30));
    QCOMPARE(hand.tiles(), tiles({9, 7, 2}));

    // The drawn tile goes to the end of the row, set apart and marked.
    hand.setTiles(tiles({9, 7, 2}), tiles({9}));
    QCOMPARE(hand.tiles(), tiles({7, 2, 9}));
    QVERIFY(hand.items()[2]->isMarked());
    QCOMPARE(hand.items()[2]->pos(), QPointF(-3 * w - w / 4, 0));
    // A second mark stands before the first.
    hand.setTiles(tiles({9, 7, 2}), tiles({9, 7}));
    QCOMPARE(hand.tiles(), tiles({2, 7, 9}));
    QCOMPARE(hand.markedTiles(), tiles({9, 7}));

    // A mark goes with its tile as tiles come and go, not with its place in the row.
    hand.setTiles(tiles({9, 7, 2}), tiles({2}));
    hand.putTiles(tiles({8}));
    QCOMPARE(hand.tiles(), tiles({9, 8, 7, 2}));
    QCOMPARE(hand.markedTiles(), tiles({2}));
    hand.removeTile(tile(9));
    QCOMPARE(hand.tiles(), tiles({8, 7, 2}));
    QCOMPARE(hand.markedTiles(), tiles({2}));

    // Marking a drawn tile moves it to the end of the row, before the tiles marked
    // already, the others keeping their order: the row of the hand given with its marks.
    hand.setTiles(tiles({9, 7, 7, 2}));
    hand.markTile(tile(7));
    QCOMPARE(hand.tiles(), tiles({9, 7, 2, 7}));
    QCOMPARE(positions(hand.items()), std::vector<QPointF>({QPointF(-w, 0), QPointF(-2 * w, 0),
                                                            QPointF(-3 * w, 0), QPointF(-4 * w - w / 4, 0)}));
    hand.markTile(tile(9));
    QCOMPARE(hand.tiles(), tiles({7, 2, 9, 7}));
    QCOMPARE(hand.markedTiles(), tiles({7, 9}));
    HandView given;
    given.setTiles(tiles({2, 9, 7, 7}), tiles({7, 9}));
    QCOMPARE(given.tiles(), hand.tiles());
    QCOMPARE(positions(given.items()), positions(hand.items()));
    // A value without an unmarked tile in the row marks nothing; the other seven still can.
    hand.markTile(tile(9));
    hand.markTile(tile(4));
    QCOMPARE(positions(given.items()), positions(hand.items()));
    QCOMPARE(hand.markedTiles(), tiles({7, 9}));
    hand.markTile(tile(7));
    QCOMPARE(hand.tiles(), tiles({2, 7, 9, 7}));
    QCOMPARE(hand.markedTiles(), tiles({7, 9, 7}));
    // The marks go with their tiles as tiles come and go, and come off where they stand.
    hand.putTiles(tiles({8}));
    QCOMPARE(hand.tiles(), tiles({8, 2, 7, 9, 7}));
    hand.removeTile(tile(9));
    QCOMPARE(hand.tiles(), tiles({8, 2, 7, 7}));
    QCOMPARE(hand.markedTiles(), tiles({7, 7}));
    hand.clearMarks();
    QCOMPARE(hand.tiles(), tiles({8, 2, 7, 7}));
    QCOMPARE(hand.items()[3]->pos(), QPointF(-4 * w, 0));
    QCOMPARE(hand.markedTiles(), tile_vector());

    // A mark of a tile the row does not hold marks nothing.
    hand.setTiles(tiles({9, 7, 2}));
    const std::vector<QPointF> before = positions(hand.items());
    hand.setTiles(tiles({9, 7, 2}), tiles({4}));
    QCOMPARE(hand.tiles(), tiles({9, 7, 2}));
    QCOMPARE(positions(hand.items()), before);
    QCOMPARE(hand.markedTiles(), tile_vector());
}

void TestSeatViews::handHoverAndSelection()
{
    QGraphicsScene scene;
    auto *hand = new HandView;
    scene.addItem(hand);
    hand->setPos(300, 200);
    hand->setTiles(tiles({1, 2, 3}));
    HandTile *three = hand->items()[0];
    HandTile *one = hand->items()[2];

    // Without selection nothing lifts.
    hover(scene, three, QEvent::GraphicsSceneHoverEnter);
    QCOMPARE(three->lift(), 0);

    hand->setTilesSelectable(true);
    hand->setSelectableTiles(tiles({3}));
    QVERIFY(three->isEnabled());
    QVERIFY(!one->isEnabled());
    const QRectF shadowBefore = hand->boundingRect();
    const QPointF restingPos = three->pos();
    hover(scene, three, QEvent::GraphicsSceneHoverEnter);
    QCOMPARE(three->lift(), HandTile::Lift);
    QCOMPARE(three->pos(), restingPos - QPointF(0, 5));
    QVERIFY(hand->boundingRect() != shadowBefore);
    hover(scene, one, QEvent::GraphicsSceneHoverEnter);
    QCOMPARE(one->lift(), 0);

    hover(scene, three, QEvent::GraphicsSceneHoverLeave);
    QCOMPARE(three->pos(), restingPos);
    hover(scene, three, QEvent::GraphicsSceneHoverEnter);
    QCOMPARE(three->lift(), HandTile::Lift);

    // Switching selection off lowers the lifted tile and restores its shadow.
    hand->setTilesSelectable(false);
    QCOMPARE(three->lift(), 0);
    QCOMPARE(three->pos(), restingPos);
    QCOMPARE(hand->boundingRect(), shadowBefore);
    QVERIFY(!hand->isSelectable(tile(3)));

    hand->setTilesSelectable(true);
    QVERIFY(hand->isSelectable(tile(1)));
    QVERIFY(one->isEnabled());
}

void TestSeatViews::sceneClicks()
{
    GameGraphicsScene scene;
    scene.setSceneRect(0, 0, 600, 400);
    auto *hand = new HandView;
    auto *discards = new DiscardView(0);
    auto *declared = new DeclaredView(0, 400);
    scene.addItem(hand);
    scene.addItem(discards);
    scene.addItem(declared);
    hand->setPos(400, 320);
    discards->setPos(200, 150);
    declared->setPos(420, 300);
    hand->setTiles(tiles({1, 5, 9, 12}), tiles({5}));
    discards->addDiscard(tile(20));
    declared->addMeld(PONG, tile(30), 1, 0, 0, 0);
    QObject::connect(hand, &HandView::tileClicked, &scene, &GameGraphicsScene::onTileClick);

    QGraphicsView view(&scene);
    view.setFrameShape(QFrame::NoFrame);
    view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.resize(600, 400);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    QSignalSpy outside(&scene, &GameGraphicsScene::clickedOutsideHand);
    QSignalSpy clicked(hand, &HandView::tileClicked);
    const auto click = [&view](const QGraphicsItem *item) {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                          view.mapFromScene(item->sceneBoundingRect().center()));
    };

    hand->setTilesSelectable(true);
    click(hand->items()[0]);
    QCOMPARE(outside.count(), 0);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.takeFirst(), QVariantList({QVariant::fromValue(tile(12)), false}));
    HandTile *marked = hand->items().back();
    QVERIFY(marked->isMarked());
    click(marked);
    QCOMPARE(clicked.takeFirst(), QVariantList({QVariant::fromValue(tile(5)), true}));
    QCOMPARE(outside.count(), 0);

    click(discards->items().front());
    QCOMPARE(outside.count(), 1);
    click(declared->melds().front()->items().front());
    QCOMPARE(outside.count(), 2);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    QCOMPARE(outside.count(), 3);

    hand->setTilesSelectable(false);
    click(hand->items()[0]);
    QCOMPARE(clicked.count(), 0);
}

void TestSeatViews::handAnimationEndpoints()
{
    const TileDimensions size = gameSize(0, 3);
    const int w = size.width();
    const int h = size.height();
    HandView hand;
    hand.setPos(500, 100);
    hand.setTiles(tiles({8, 4, 4, 4, 2}));
    QCOMPARE(hand.asAnimationTarget(), static_cast<TileAnimationTarget *>(&hand));

    // Sorted: the middle of the run of equal tiles; an absent tile where it
    // would be sorted in.
    TileAnimationSource *sorted = hand.animationSource(false);
    const std::vector<TilePlacement> fromRun = sorted->sourcePlacements(tiles({4, 8, 2, 5}));
    QCOMPARE(fromRun.size(), std::size_t(4));
    QCOMPARE(fromRun[0], (TilePlacement{QPointF(500 - 3 * w, 100 - h / 2), 3, 0}));
    QCOMPARE(fromRun[1].pos, QPointF(500 - w, 100 - h / 2));
    QCOMPARE(fromRun[2].pos, QPointF(500 - 5 * w, 100 - h / 2));
    QCOMPARE(fromRun[3].pos, QPointF(500 - (w * 3) / 2, 100 - h / 2));
    QVERIFY(sorted->sourcePlacements(2).empty());
    sorted->takeTiles(tiles({4, 2}));
    QCOMPARE(hand.tiles(), tiles({8, 4, 4}));

    TileAnimationSource *newest = hand.animationSource(true);
    const std::vector<TilePlacement> fromEnd = newest->sourcePlacements(tiles({4, 8}));
    QCOMPARE(fromEnd[0].pos, QPointF(500 - 3 * w, 100 - h / 2));
    QCOMPARE(fromEnd[1].pos, QPointF(500 - 2 * w, 100 - h / 2));

    const std::vector<TilePlacement> landing = hand.targetPlacements(tiles({1, 9}));
    QCOMPARE(landing[0].pos, QPointF(500 - 4 * w, 100 - h / 2));
    QCOMPARE(landing[1].pos, QPointF(500 - 5 * w, 100 - h / 2));
    QVERIFY(hand.targetPlacements(2).empty());
    hand.putTiles(tiles({1, 9}));
    QCOMPARE(hand.tiles(), tiles({9, 8, 4, 4, 1}));
    hand.putTiles(3);
    QCOMPARE(hand.tiles().size(), std::size_t(5));
}

void TestSeatViews::discardLayout()
{
    for (int o = 0; o < 4; ++o) {
        const int w = gameSize(o, 0).width();
        const int h = gameSize(o, 0).height();
        const int W = gameSize(o, 2).width();
        const int H = gameSize(o, 2).height();
        DiscardView plain(o);
        DiscardView riichi(o);
        QCOMPARE(riichi.markNextForRiichi(), 0);
        riichi.clear();
        for (int i = 0; i < 7; ++i) {
            if (i == 3)
                QCOMPARE(riichi.markNextForRiichi(), 3);
            plain.addDiscard(tile(i));
            riichi.addDiscard(tile(i));
        }
        QCOMPARE(riichi.items()[3]->kind(), 2);
        QCOMPARE(riichi.items()[2]->kind(), 0);
        const QPointF pushes[] = {QPointF(W - w, 0), QPointF(0, -(H - h)), QPointF(-(W - w), 0),
                                  QPointF(0, H - h)};
        for (int i : {4, 5})
            QCOMPARE(riichi.items()[i]->pos(), plain.items()[i]->pos() + pushes[o]);
        QCOMPARE(riichi.items()[6]->pos(), plain.items()[6]->pos());

        // The seventh discard opens a second row and moves the first one out.
        const QPointF shifts[] = {QPointF(0, -h), QPointF(-w, 0), QPointF(0, h), QPointF(w, 0)};
        QCOMPARE(plain.transform().map(QPointF()), shifts[o]);
        plain.removeNewest();
        QCOMPARE(plain.transform().map(QPointF()), QPointF());

        const QSize area = plain.discardAreaSize(7, true);
        QCOMPARE(area, o % 2 == 0 ? QSize(5 * w + W, 2 * h) : QSize(2 * w, 5 * h + H));
    }
    DiscardView left(3);
    for (int i = 0; i < 8; ++i)
        left.addDiscard(tile(i));
    QCOMPARE(left.items()[7]->zValue(), 1.0);
    QCOMPARE(left.items()[2]->zValue(), 2.0);
}

void TestSeatViews::discardEdges()
{
    GameGraphicsScene scene;
    auto *view = new DiscardView(0);
    scene.addItem(view);
    view->setPos(100, 100);

    QCOMPARE(view->removeNewest(), tile());
    view->turnNewestForRiichi();
    QVERIFY(view->items().empty());
    QCOMPARE(view->riichiIndex(), -1);
    view->putTiles(tile_vector());
    QVERIFY(view->items().empty());
    QVERIFY(view->sourcePlacements(1).empty());

    const std::vector<TilePlacement> target = view->targetPlacements(tiles({3, 4}));
    QCOMPARE(target.size(), std::size_t(1));
    view->putTiles(tiles({3, 4}));
    QCOMPARE(view->items().size(), std::size_t(1));
    QCOMPARE(view->items()[0]->placement(), target[0]);
    QVERIFY(view->targetPlacements(2).empty());

    view->addDiscard(tile(8));
    view->setNewestMarked(true);
    view->addDiscard(tile(9));
    QVERIFY(!view->items()[1]->isMarked());
    view->setNewestMarked(true);
    view->turnNewestForRiichi();
    QCOMPARE(view->items().back()->kind(), 2);
    QCOMPARE(view->items().back()->tileValue(), tile(9));
    QVERIFY(!view->items().back()->isMarked());
    QCOMPARE(view->riichiIndex(), 2);

    const std::vector<TilePlacement> from = view->sourcePlacements(2);
    QCOMPARE(from.size(), std::size_t(1));
    QCOMPARE(from[0], view->items().back()->placement());
    view->takeTiles(2);
    QCOMPARE(view->items().size(), std::size_t(2));

    // Every discard lands where the move ends, also the one that opens a
    // new row and so moves the group.
    view->clear();
    for (int i = 0; i < 8; ++i) {
        const TilePlacement end = view->targetPlacements(tiles({i}))[0];
        view->putTiles(tiles({i}));
        QCOMPARE(view->items().back()->placement(), end);
    }

    view->setDiscards(tiles({1, 2, 3}), 1);
    QCOMPARE(view->items()[1]->kind(), 2);
    view->clear();
    view->addDiscard(tile(5));
    QCOMPARE(view->items()[0]->kind(), 0);
}

void TestSeatViews::meldKinds()
{
    // A chow 3-4-5 claimed as the 5, shown at place 0.
    const MeldView chow(0, CHOW, tile(3), 0, 2, 0);
    QCOMPARE(chow.tiles(), tiles({5, 3, 4}));
    QCOMPARE(kinds(chow), std::vector<int>({2, 0, 0}));
    const MeldView middle(0, CHOW, tile(3), 2, 1, 0);
    QCOMPARE(middle.tiles(), tiles({3, 5, 4}));
    QCOMPARE(kinds(middle), std::vector<int>({0, 0, 2}));
    // An offset from the server outside the run does not index the table.
    const MeldView strange(0, CHOW, tile(3), 1, 200, 0);
    QCOMPARE(strange.tiles(), tiles({3, 4, 5}));
    QCOMPARE(kinds(strange), std::vector<int>({0, 0, 0}));
    const MeldView farAway(1, CHOW, tile(3), 7, 1, 0);
    QCOMPARE(farAway.tiles(), tiles({3, 4, 5}));

    QCOMPARE(kinds(MeldView(0, KONG, tile(9), -1, -1, 1)), std::vector<int>({1, 0, 0, 1}));
    QCOMPARE(kinds(MeldView(0, KONG, tile(9), -1, -1, 2)), std::vector<int>({1, 1, 1, 1}));
    QCOMPARE(kinds(MeldView(0, KONG, tile(9), 2, -1, 0)), std::vector<int>({0, 0, 0, 2}));
    QCOMPARE(kinds(MeldView(0, PONG, tile(9), 1, -1, 0)), std::vector<int>({0, 2, 0}));
    QCOMPARE(kinds(MeldView(0, PONG, tile(9), -1, -1, 2)), std::vector<int>({1, 1, 1}));
    QCOMPARE(kinds(MeldView(0, PONG_TO_KONG, tile(9), 1, -1, 0)),
             std::vector<int>({0, 2, 2, 0}));

    // The added kong stacks the added tile beside the claimed one and
    // advances once for both.
    const int w = gameSize(0, 0).width();
    const int W = gameSize(0, 2).width();
    const int H = gameSize(0, 2).height();
    const MeldView added(0, PONG_TO_KONG, tile(9), 1, -1, 0);
    QCOMPARE(added.items()[2]->pos(), QPointF(w, added.bounds().height() - H));
    QCOMPARE(added.items()[1]->pos(), QPointF(w, added.bounds().height() - 2 * H));
    QCOMPARE(added.items()[3]->pos().x(), double(w + W));
    QCOMPARE(added.bounds().width(), 2 * w + W);

    QVERIFY_THROWS_EXCEPTION(std::runtime_error, MeldView(0, MAHJONG, tile(1), -1, -1, 0));
}

void TestSeatViews::declaredMeldsReplaceAndMerge()
{
    DeclaredView view(0, 1000);
    view.addMeld(PONG, tile(5), 0, 0, 0, 0);
    view.addMeld(PONG, tile(7), 0, 0, 0, 0);
    view.addBonusTile(tile(36));
    view.addBonusTile(tile(39));
    view.addBonusTile(tile(34));
    view.addMeld(MAHJONG, tile(3), 0, 0, 0, 0);
    view.addMeld(RIICHI, tile(3), 0, 0, 0, 0);

    std::vector<int> kindsInOrder;
    std::vector<tile_vector> contents;
    const auto snapshot = [&] {
        kindsInOrder.clear();
        contents.clear();
        for (const MeldView *meld : view.melds()) {
            kindsInOrder.push_back(meld->kind());
            contents.push_back(meld->tiles());
        }
    };
    snapshot();
    QCOMPARE(kindsInOrder, std::vector<int>({PONG, PONG, BONUS, BONUS}));
    QCOMPARE(contents[2], tiles({34, 36}));
    QCOMPARE(contents[3], tiles({39}));

    view.addMeld(PONG_TO_KONG, tile(5), 0, 0, 0, 0);
    snapshot();
    QCOMPARE(kindsInOrder, std::vector<int>({PONG_TO_KONG, PONG, BONUS, BONUS}));
    view.addMeld(PONG_TO_KONG, tile(20), 0, 0, 0, 0);
    view.addMeld(CHOW, tile(10), 0, 0, 0, 3);
    snapshot();
    QCOMPARE(kindsInOrder,
             std::vector<int>({PONG_TO_KONG, PONG, PONG_TO_KONG, CHOW, BONUS, BONUS}));
    // Mark position 3 of a chow is its lowest tile.
    const MeldView *chow = *std::next(view.melds().begin(), 3);
    QVERIFY(chow->items()[0]->isMarked());
    QCOMPARE(chow->items()[0]->tileValue(), tile(10));

    view.addTiles(tiles({1, 2, 3}), 2);
    snapshot();
    QCOMPARE(kindsInOrder[4], int(MAHJONG));
    QVERIFY((*std::next(view.melds().begin(), 4))->items()[1]->isMarked());

    view.clear();
    QVERIFY(view.melds().empty());
    QVERIFY(view.childItems().isEmpty());
    QVERIFY(view.boundingRect().isNull());
}

void TestSeatViews::declaredRowsAndDepth()
{
    const int w = gameSize(0, 0).width();
    const int h = gameSize(0, 0).height();
    const MeldView sample(0, KONG, tile(1), -1, -1, 0);
    const QRect r = sample.bounds();
    // Room for two kongs in the first row: the third wraps.
    DeclaredView bottom(0, 2 * r.width() + w / 2 + r.width() / 2);
    for (int i = 0; i < 3; ++i)
        bottom.addMeld(KONG, tile(static_cast<std::uint8_t>(i)), -1, -1, 0, 0);
    std::vector<QPointF> at;
    for (const MeldView *meld : bottom.melds())
        at.push_back(meld->pos());
    QCOMPARE(at[0], QPointF(0, 0));
    QCOMPARE(at[1], QPointF(r.width() + w / 2, 0));
    QCOMPARE(at[2], QPointF(0, w / 2 + r.height()));
    QCOMPARE(bottom.melds().back()->zValue(), double(w / 2 + r.height()));

    bottom.setMaxRowLength(10 * r.width());
    QCOMPARE(bottom.melds().back()->pos(), QPointF(2 * (r.width() + w / 2), 0));

    // Down the left side the melds stand half a lying tile's width apart.
    const int w3 = gameSize(3, 0).width();
    DeclaredView left(3, 1000);
    left.addMeld(PONG, tile(1), -1, -1, 0, 0);
    left.addMeld(PONG, tile(2), -1, -1, 0, 0);
    const MeldView *first = left.melds().front();
    const MeldView *second = left.melds().back();
    QCOMPARE(second->pos().y() - first->pos().y(), double(first->bounds().height() + w3 / 2));
    QCOMPARE(first->pos().x(), double(-first->bounds().width()));

    QCOMPARE(MeldView::crossSizeY(0), std::max(h, 2 * gameSize(0, 2).height()));
    QCOMPARE(MeldView::crossSizeX(0), 0);
    QCOMPARE(DeclaredView::declaredAreaDepth(0), w / 2 + 2 * MeldView::crossSizeY(0));
    QCOMPARE(DeclaredView::declaredAreaDepth(1),
             gameSize(1, 0).height() / 2 + 2 * MeldView::crossSizeX(1));

    // The next meld's tiles land after the present ones, one row step apart.
    DeclaredView view(0, 1000);
    view.setPos(50, 60);
    const std::vector<TilePlacement> empty = view.targetPlacements(3);
    QCOMPARE(empty[0].pos, QPointF(50 + w / 2, 60 + MeldView::crossSizeY(0) - h));
    QCOMPARE(empty[2].pos - empty[0].pos, QPointF(2 * w, 0));
    view.addMeld(PONG, tile(4), -1, -1, 0, 0);
    QCOMPARE(view.targetPlacements(1)[0].pos.x(), 50.0 + 3 * w + w / 2);
}

void TestSeatViews::hiddenHands()
{
    HiddenHandView hand(0);
    hand.setTileCount(15);
    QCOMPARE(hand.tileCount(), 0);
    hand.setTileCount(14);
    QCOMPARE(hand.tileCount(), 14);
    hand.setTileCount(13);
    hand.putTiles(3);
    QCOMPARE(hand.tileCount(), 13);

    HiddenHandView one(2);
    one.setTileCount(1);
    one.takeTiles(2);
    QCOMPARE(one.tileCount(), 1);

    HiddenHandView left(3);
    left.setTileCount(3);
    QCOMPARE(left.items()[0]->zValue(), 0.0);
    QCOMPARE(left.items()[1]->zValue(), -1.0);
    QCOMPARE(left.items()[2]->zValue(), -2.0);
    const QRectF rect = TileGraphics::instance().painter().images()->placement(3, 4);
    const int h = gameSize(3, 4).height();
    QCOMPARE(left.items()[1]->pos(), QPointF(-rect.width(), -2 * h));

    // A count move: the source shrinks at the start, the target grows at the end.
    HiddenHandView from(1);
    HiddenHandView to(2);
    from.setPos(10, 10);
    to.setPos(300, 40);
    from.setTileCount(5);
    to.setTileCount(2);
    const std::vector<TilePlacement> start = from.sourcePlacements(tiles({0, 0}));
    const std::vector<TilePlacement> end = to.targetPlacements(2);
    QCOMPARE(start[0], (TilePlacement{from.tileScenePos(4), 4, 1}));
    QCOMPARE(start[1].pos, from.tileScenePos(3));
    QCOMPARE(end[1], (TilePlacement{to.tileScenePos(3), 4, 2}));
    from.takeTiles(tiles({0, 0}));
    QCOMPARE(from.tileCount(), 3);
    QCOMPARE(to.tileCount(), 2);
    to.putTiles(2);
    QCOMPARE(to.tileCount(), 4);
    QCOMPARE(to.items()[3]->scenePos(), end[1].pos);
}

MAHJONG_TEST_MAIN(TestSeatViews)
#include "tst_seatviews.moc"
