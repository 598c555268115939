#include "TableComposition.h"

#include "app/meld.h"
#include "game/tiles/TileGraphics.h"
#include "game/tiles/TileImages.h"
#include "table/scene/DeclaredView.h"
#include "table/scene/DiscardView.h"
#include "table/scene/HandView.h"
#include "table/scene/HiddenHandView.h"
#include "table/scene/Object3DView.h"
#include "table/scene/PlayerActionView.h"
#include "table/scene/RiichiStickView.h"
#include "table/scene/WindView.h"

#include <QImage>
#include <QPainter>

namespace {

TileDimensions lying(int orientation, int kind = 0)
{
    return TileGraphics::instance().painter().images()->dimensions(orientation, kind);
}

tile_vector discardRun(int seat)
{
    tile_vector tiles;
    for (int i = 0; i < 18; ++i)
        tiles.push_back(tile(static_cast<std::uint8_t>((seat * 7 + i * 5) % 34)));
    return tiles;
}

// Six coloured squares side by side, one per face of the cube.
QImage cubeTexture()
{
    QImage image(6 * 64, 64, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    const QColor colours[] = {QColor(200, 40, 40), QColor(40, 160, 60), QColor(40, 80, 200),
                              QColor(220, 180, 40), QColor(160, 60, 180), QColor(40, 180, 180)};
    for (int i = 0; i < 6; ++i) {
        painter.fillRect(i * 64, 0, 64, 64, colours[i]);
        painter.fillRect(i * 64 + 24, 24, 16, 16, Qt::white);
    }
    return image;
}

} // namespace

TableComposition::TableComposition(double scale, bool withCube)
{
    const double s = scale;
    scene.setSceneRect(0, 0, 1000 * s, 800 * s);
    scene.setBackgroundBrush(QColor(30, 110, 60));

    const QPointF centre(500 * s, 400 * s);
    const int w0 = lying(0).width();
    const int h0 = lying(0).height();
    const int extra = lying(0, 2).width() - w0;
    const double half = 3 * w0 + extra + 12 * s;

    // Discards around the middle, each group's origin on its seat's side.
    const QPointF discardOrigins[4] = {
        centre + QPointF(-3 * w0, half + 3 * h0),
        centre + QPointF(half + 3 * lying(1).width(), 3 * lying(1).height()),
        centre + QPointF(3 * lying(2).width(), -half - 3 * lying(2).height()),
        centre + QPointF(-half - 3 * lying(3).width(), -3 * lying(3).height()),
    };
    for (int seat = 0; seat < 4; ++seat) {
        discards[seat] = new DiscardView(seat);
        scene.addItem(discards[seat]);
        discards[seat]->setPos(discardOrigins[seat]);
        discards[seat]->setDiscards(discardRun(seat), 3 + seat);
        discards[seat]->setNewestMarked(seat == 2);
    }

    hand = new HandView;
    scene.addItem(hand);
    hand->setPos(720 * s, 735 * s);
    hand->setTiles({tile(1), tile(2), tile(3), tile(10), tile(11), tile(12), tile(20),
                    tile(20), tile(24), tile(27), tile(27), tile(31), tile(31), tile(5)},
                   {tile(5)});
    hand->setTilesSelectable(true);
    hand->setSelectableTiles({tile(20), tile(27), tile(31), tile(5)});
    QObject::connect(hand, &HandView::tileClicked, &scene, &GameGraphicsScene::onTileClick);

    const QPointF hiddenPositions[4] = {QPointF(), QPointF(930 * s, 150 * s),
                                        QPointF(300 * s, 95 * s), QPointF(75 * s, 660 * s)};
    for (int seat = 1; seat < 4; ++seat) {
        hidden[seat] = new HiddenHandView(seat);
        scene.addItem(hidden[seat]);
        hidden[seat]->setPos(hiddenPositions[seat]);
        hidden[seat]->setTileCount(13);
    }

    const QPointF declaredPositions[4] = {QPointF(735 * s, 650 * s), QPointF(860 * s, 700 * s),
                                          QPointF(280 * s, 120 * s), QPointF(140 * s, 110 * s)};
    for (int seat = 0; seat < 4; ++seat) {
        declared[seat] = new DeclaredView(seat, 250 * s);
        scene.addItem(declared[seat]);
        declared[seat]->setPos(declaredPositions[seat]);
    }
    // Every kind of meld somewhere on the table.
    declared[0]->addMeld(CHOW, tile(3), 0, 2, 0, 0);
    declared[0]->addMeld(KONG, tile(28), -1, -1, 1, 0);
    declared[0]->addMeld(PONG_TO_KONG, tile(13), 1, 0, 0, 0);
    declared[1]->addMeld(PONG, tile(22), 2, 0, 0, 0);
    declared[1]->addMeld(KONG, tile(8), 0, 0, 0, 0);
    declared[1]->addMeld(PAIR, tile(33), -1, -1, 0, 0);
    declared[2]->addMeld(PONG, tile(16), -1, -1, 2, 0);
    declared[2]->addMeld(CHOW, tile(19), 1, 1, 0, 2);
    declared[2]->addMeld(KONG, tile(29), 2, 0, 2, 0);
    declared[3]->addMeld(CHOW, tile(0), 2, 0, 0, 0);
    declared[3]->addMeld(PONG, tile(32), 1, 0, 1, 0);
    declared[3]->addMeld(PONG_TO_KONG, tile(26), 2, 0, 0, 0);
    for (int seat = 0; seat < 4; ++seat) {
        declared[seat]->addBonusTile(tile(static_cast<std::uint8_t>(34 + seat)));
        declared[seat]->addBonusTile(tile(static_cast<std::uint8_t>(38 + seat)));
    }

    const QPointF windPositions[4] = {centre + QPointF(-31 * s, half - 70 * s),
                                      centre + QPointF(half - 70 * s, -31 * s),
                                      centre + QPointF(-31 * s, -half + 8 * s),
                                      centre + QPointF(-half + 8 * s, -31 * s)};
    for (int seat = 0; seat < 4; ++seat) {
        winds[seat] = new WindView(seat);
        scene.addItem(winds[seat]);
        winds[seat]->setScale(s);
        winds[seat]->setPos(windPositions[seat]);
        winds[seat]->setWind((seat + 1) % 4);
        winds[seat]->setGlowing(seat == 0);
    }
    prevalent = new PrevalentWindView;
    scene.addItem(prevalent);
    prevalent->setScale(s);
    prevalent->setPos(centre - QPointF(31 * s, 31 * s));
    prevalent->setWind(1);

    const QPointF actionPositions[4] = {QPointF(330 * s, 640 * s), QPointF(800 * s, 450 * s),
                                        QPointF(640 * s, 200 * s), QPointF(200 * s, 330 * s)};
    const int actionKinds[4][2] = {{PONG, 0}, {MAHJONG, 2}, {CHOW, 0}, {RIICHI, 0}};
    for (int seat = 0; seat < 4; ++seat) {
        actions[seat] = new PlayerActionView(seat);
        scene.addItem(actions[seat]);
        actions[seat]->setPos(actionPositions[seat]);
        actions[seat]->setScale(0.5 * s);
        actions[seat]->setAction(actionKinds[seat][0], actionKinds[seat][1]);
    }

    const QPointF stickPositions[4] = {centre + QPointF(100 * s, half - 30 * s),
                                       centre + QPointF(half - 30 * s, -100 * s),
                                       centre + QPointF(-100 * s, -half + 30 * s),
                                       centre + QPointF(-half + 30 * s, 100 * s)};
    for (int seat = 0; seat < 4; ++seat) {
        sticks[seat] = new RiichiStickView(seat);
        scene.addItem(sticks[seat]);
        sticks[seat]->setScale(0.5 * s);
        sticks[seat]->setPos(stickPositions[seat]);
        sticks[seat]->setCount(seat % 2 + 1);
    }

    if (withCube) {
        cube = new Object3DView(2);
        scene.addItem(cube);
        cube->setPos(840 * s, 10 * s);
        cube->setScale(0.6 * s);
        cube->setPoints(TableCube::points());
        QBrush texture{cubeTexture()};
        texture.setTransform(QTransform::fromScale(1 / 64.0, 1 / 64.0));
        cube->setBrush(texture);
        cube->setTextureCoordinates(TableCube::textureCoordinates());
        const std::array<double, 16> matrix = TableCube::matrix(700);
        cube->setMatrix(matrix.data());
    }

    for (ShadowedGroup *group : groups())
        group->setLightPosition(QPointF(500 * s, 300 * s));
}

std::vector<ShadowedGroup *> TableComposition::groups() const
{
    std::vector<ShadowedGroup *> result{hand};
    for (int seat = 0; seat < 4; ++seat) {
        if (hidden[seat])
            result.push_back(hidden[seat]);
        result.push_back(discards[seat]);
        result.push_back(declared[seat]);
    }
    return result;
}

void TableComposition::updateShadows()
{
    for (ShadowedGroup *group : groups())
        group->updateShadow();
}
