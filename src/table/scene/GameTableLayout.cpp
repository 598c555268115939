#include "table/scene/GameTableLayout.h"

#include "app/RulesetInfo.h"
#include "app/TableInfo.h"
#include "app/wind.h"
#include "game/tiles/TileGraphics.h"
#include "table/scene/CompactCityView.h"
#include "table/scene/DeclaredView.h"
#include "table/scene/DiscardView.h"
#include "table/scene/HandView.h"
#include "table/scene/HiddenHandView.h"
#include "table/scene/MarkerArtwork.h"
#include "table/scene/PlayerActionView.h"
#include "table/scene/RiichiStickView.h"
#include "table/scene/SquareCityView.h"
#include "table/scene/TableLayoutHost.h"
#include "table/scene/TileMetrics.h"
#include "table/scene/TileView.h"
#include "table/scene/WindView.h"

#include <QSvgRenderer>
#include <QtDebug>

#include <cmath>

namespace {

int truncated(double value)
{
    return static_cast<int>(value);
}

int rounded(double value)
{
    return static_cast<int>(std::lround(value));
}

// The length of a riichi stick at a scale, as the stick view lays it out.
double stickLength(double scale)
{
    const QRectF b = MarkerArtwork::riichiStick().boundsOnElement(QStringLiteral("stick"));
    return b.height() > 0 ? static_cast<int>(15 * scale) * b.width() / b.height() : 0.0;
}

int meldDepth(int orientation)
{
    return DeclaredView::declaredAreaDepth(orientation);
}

// How far the first row of own melds reaches from its top, its tiles' edges included, in
// a tile set of those sizes.
double firstRowReach(TileDimensions (*size)(int, int), QRectF (*rect)(int, int))
{
    const int cross = qMax(size(BOTTOM, 0).height(), 2 * size(BOTTOM, 2).height());
    double reach = cross;
    for (const int kind : {0, 2})
        reach = qMax(reach, cross - size(BOTTOM, kind).height() + rect(BOTTOM, kind).bottom());
    return reach;
}

// How far the own hand reaches below the room the bottom meld area leaves below the
// walls (its depth m and two tile thirds t) when it stands clear of the first row of own
// melds (t below the walls, firstRow deep), and never less than the hand area's own
// overlap hh.
double ownOverlap(double hh, double t, double m, double firstRow, double handRow)
{
    return qMax(qMax(hh, 0.0), firstRow + handRow - m - t);
}

// Discards a late hand leaves in every pond.
constexpr int LatePond = 24;

// The own row below the table holds the melds from its left end and the hand at its
// right end: at least a hand of 11 tiles beside a kong.
double ownRowLength(double handTileWidth, double meldTileWidth)
{
    return 11.25 * handTileWidth + 4.5 * meldTileWidth;
}

// How far the own row, its wind disc and riichi sticks reach left of the hand's right
// end, in the base set for those factors.
double ownRowReach(const GameScale &g, int third)
{
    const double row = ownRowLength(TileMetrics::baseSize(BOTTOM, 3).width() * g.hand,
                                    TileMetrics::baseSize(BOTTOM, 0).width() * g.table);
    return row + 2 * third + qMax(WindDiscSize * g.table, stickLength(g.table));
}

// The base size of a table: meld areas on every side, three tile thirds of space, the
// centre (walls or table and wall) and the part of the hand below the bottom walls.
QSizeF tableBaseSize(const GameScale &g, const QSizeF &centre)
{
    const int t0 = truncated(TileMetrics::baseSize(BOTTOM, 5).width() * g.wall / 3);
    const double m = meldDepth(BOTTOM) * g.table;
    const double hh = baseHandAreaHeight() * g.hand - m * 0.5;
    const double handRow =
        TileMetrics::baseRect(BOTTOM, 3).height() * g.hand + HandTile::Lift + baseLastTileMarkerHeight() * g.hand;
    const double overlap =
        ownOverlap(hh, t0, m, firstRowReach(TileMetrics::baseSize, TileMetrics::baseRect) * g.table, handRow);
    const int width = truncated((meldDepth(LEFT) + meldDepth(RIGHT)) * g.table + 3 * t0 + centre.width());
    // A tile third more than the gaps: the second row of own melds ends below its depth.
    const int height =
        truncated((meldDepth(TOP) + meldDepth(BOTTOM)) * g.table + 4 * t0 + centre.height() + overlap);
    // The own row may reach further left than the meld area beside the walls.
    const int rowWidth = truncated(2 * (ownRowReach(g, t0) - centre.width() / 2));
    return QSizeF(qMax(width, rowWidth), height);
}

} // namespace

GameTableLayout::GameTableLayout(TableLayoutHost *host) : m_host(host) {}

GameTableLayout::~GameTableLayout() = default;

GameScale GameTableLayout::gameScale(const QSize &viewSize) const
{
    const GameScale base = baseFactors();
    const QSizeF size = baseSize(base);
    double f = 1.0;
    if (size.width() > 0 && size.height() > 0)
        f = qMin(viewSize.width() / size.width(), viewSize.height() / size.height());
    return GameScale{f * base.wall, f * base.table, f * base.hand};
}

int GameTableLayout::seatCount() const
{
    return m_host->layoutTableInfo().capacity().seats();
}

int GameTableLayout::wallTileCount() const
{
    try {
        return m_host->layoutTableInfo().wallTileCount();
    } catch (const std::exception &e) {
        qWarning() << "table layout without a wall size:" << e.what();
        return 0;
    }
}

int GameTableLayout::tileThird()
{
    return TileMetrics::gameSize(BOTTOM, 5).width() / 3;
}

int GameTableLayout::looseTileRise()
{
    return qMax(truncated(TileMetrics::gameRect(BOTTOM, 7).height() - TileMetrics::gameRect(BOTTOM, 6).height()), 0);
}

int GameTableLayout::handOverlap(const GameScale &g)
{
    const int m = truncated(meldDepth(BOTTOM) * g.table);
    return handAreaHeight() - m / 2;
}

void GameTableLayout::relayoutViews() const
{
    m_host->cityView()->relayout();
    for (int i = 0; i < 4; ++i) {
        m_host->hiddenHandView(i)->relayout();
        m_host->discardView(i)->relayout();
    }
    m_host->handView()->relayout();
}

void GameTableLayout::placeAround(const Frame &frame, const GameScale &g) const
{
    const QRectF &inner = frame.inner;
    const QRectF &bounds = frame.bounds;
    const int t = tileThird();
    const int hh = frame.handOverlap;

    const QRectF view = m_host->viewSceneRect();
    // The own row: the melds start where a full own row needs them to, left of the
    // inner edge when the hand is wider than the table, and wrap before the hand.
    const double handTile = TileMetrics::gameSize(BOTTOM, 3).width();
    const double rowStart =
        qMin(inner.left(), frame.handRight - 2 * t - ownRowLength(handTile, TileMetrics::gameSize(BOTTOM, 0).width()));
    m_host->declaredView(BOTTOM)->setMaxRowLength(frame.handRight - rowStart - 2 * t);
    for (int i = 1; i < 4; ++i)
        m_host->declaredView(i)->setMaxRowLength(i % 2 == 0 ? inner.width() : inner.height());

    QSizeF marker[4];
    for (int i = 0; i < 4; ++i)
        marker[i] = m_host->windMarkerSize(i);
    // Left of the walls, the own disc stands below the left hand's lowest tile, and the
    // right disc keeps clear of the right seat's first meld.
    const int offR = t + truncated(frame.meldShare * meldDepth(RIGHT) * g.table);
    double ownMarkerY = bounds.bottom();
    if (rowStart - marker[0].width() < bounds.left() - offR + t) {
        const HiddenHandView *left = m_host->hiddenHandView(LEFT);
        const QSizeF leftTile = TileMetrics::gameRect(LEFT, 4).size();
        ownMarkerY = qMax(ownMarkerY, bounds.bottom() + left->tileOffset(0).y() + leftTile.height());
    }
    m_host->setSeatMarkerPos(BOTTOM, QPointF(rowStart - marker[0].width(), ownMarkerY));
    m_host->setSeatMarkerPos(RIGHT, QPointF(bounds.right(), inner.bottom() + t / 2));
    m_host->setSeatMarkerPos(TOP, QPointF(inner.right(), bounds.top() - marker[2].height()));
    m_host->setSeatMarkerPos(LEFT, QPointF(bounds.left() - marker[0].width(), inner.top() - marker[2].height()));

    const QPointF c(rounded(bounds.center().x()), rounded(bounds.center().y()));
    const QPointF claimPos[4] = {QPointF(c.x(), bounds.bottom()), QPointF(bounds.right(), c.y()),
                                 QPointF(c.x(), bounds.top()), QPointF(bounds.left(), c.y())};
    const QPointF stickOffset[4] = {QPointF(marker[0].width(), marker[0].height()),
                                    QPointF(marker[1].width(), 0), QPointF(0, 0),
                                    QPointF(0, marker[3].height())};
    const QPointF discardPos[4] = {QPointF(inner.left() + t, inner.bottom() - t - frame.pondLift),
                                   QPointF(inner.right() - t, inner.bottom() - t - frame.rightPondLift),
                                   QPointF(inner.right() - t, inner.top() + t), QPointF(inner.left() + t, inner.top() + t)};
    const QPointF declaredPos[4] = {
        QPointF(rowStart + t, bounds.bottom() + t), QPointF(bounds.right() + t, inner.bottom() - t),
        QPointF(inner.right() - t, bounds.top() - t), QPointF(bounds.left() - t, inner.top() + t)};
    for (int i = 0; i < 4; ++i) {
        PlayerActionView *claim = m_host->claimImage(i);
        claim->setAnchorMode(1);
        claim->setScale(g.table);
        claim->setPos(claimPos[i]);
        RiichiStickView *sticks = m_host->riichiSticks(i);
        sticks->setScale(frame.stickScale);
        sticks->setPos(m_host->seatMarkerPos(i) + stickOffset[i]);
        m_host->discardView(i)->setPos(discardPos[i]);
        m_host->declaredView(i)->setPos(declaredPos[i]);
    }

    // The own hand stands clear of the first row of own melds, which so has the whole
    // row, in the middle of the room below it and inside the view.
    HandView *hand = m_host->handView();
    const QRectF handRow = hand->rowArea(HiddenHandView::MaxTiles);
    const double firstRowEnd = declaredPos[BOTTOM].y() + firstRowReach(TileMetrics::gameSize, TileMetrics::gameRect);
    const double handTop = qMin(qMax((firstRowEnd + view.bottom() - handRow.height()) * 0.5, firstRowEnd),
                                view.bottom() - handRow.height());
    const int handY = qMax(static_cast<int>(std::ceil(handTop - handRow.top())), truncated(bounds.bottom() + hh));
    hand->setPos(frame.handRight, handY);

    const int offB = t + truncated(frame.meldShare * meldDepth(BOTTOM) * g.table);
    const QSizeF timer = m_host->turnTimerSize();
    const QPointF timerPos(frame.handRight + offB / 2, handY + truncated((currentTileHeight() - timer.height()) / 2));
    m_host->moveTurnTimer(timerPos);

    // The round wind stays inside the hole the four late ponds leave in the middle.
    double pond[4];
    for (int i = 0; i < 4; ++i) {
        const QSize area = m_host->discardView(i)->discardAreaSize(LatePond, riichi());
        pond[i] = (i % 2 == 0 ? area.height() : area.width()) * g.table;
    }
    // Insets, the tiles' edges, a gap on either side and the own pond's lift.
    const double hole = qMin(inner.width() - pond[RIGHT] - pond[LEFT], inner.height() - pond[BOTTOM] - pond[TOP]) -
                        2 * t - 2 * TileMetrics::gameSize(BOTTOM, 0).depth() - 2 * t - frame.pondLift;
    // Where late ponds leave too small a hole, the disc keeps its size in the view's
    // top left corner, clear of the table.
    PrevalentWindView *prevalent = m_host->prevalentWindView();
    const bool centred = frame.prevalentHole || hole >= frame.prevalentScale * WindDiscSize;
    prevalent->setScale(frame.prevalentScale);
    const QSizeF prevalentSize = prevalent->boundingRect().size();
    if (centred)
        prevalent->setPos(frame.prevalentCentre -
                          QPointF(rounded(prevalentSize.width() / 2), rounded(prevalentSize.height() / 2)));
    else
        prevalent->setPos(view.topLeft() + QPointF(t, t));
    placePondRows(discardPos, centred ? prevalent->sceneBoundingRect() : QRectF(), t / 2);

    m_host->hiddenHandView(BOTTOM)->setPos(hand->pos());
    m_host->hiddenHandView(RIGHT)->setPos(bounds.right() + offR, bounds.top());
    // The top hand mirrors the own hand's overlap, but never reaches into the walls.
    m_host->hiddenHandView(TOP)->setPos(bounds.left(), bounds.top() - qMax(hh, 0));
    m_host->hiddenHandView(LEFT)->setPos(bounds.left() - offR, bounds.bottom());

    // Each seat's melds share their rows with its hand at its fullest, every meld taking
    // three tiles off it, and keep clear of the other hands, the discs, a riichi stick at
    // every seat where the rules know riichi, the round wind and the turn timer, inside
    // the view.
    constexpr int fullHand = HiddenHandView::MaxTiles;
    const bool riichiRules = riichi();
    DeclaredView::Surroundings around[4];
    around[BOTTOM].hand = hand->rowArea(fullHand).translated(hand->pos());
    around[BOTTOM].handTileLength = handTile;
    QList<QRectF> markers;
    for (int i = 0; i < 4; ++i) {
        if (i != BOTTOM) {
            const HiddenHandView *hidden = m_host->hiddenHandView(i);
            const QPointF step = hidden->tileOffset(1) - hidden->tileOffset(0);
            around[i].hand = hidden->rowArea(fullHand).translated(hidden->pos());
            around[i].handTileLength = qAbs(step.x()) + qAbs(step.y());
        }
        markers << QRectF(m_host->seatMarkerPos(i), marker[i]);
        if (riichiRules)
            markers << m_host->riichiSticks(i)->stickArea();
    }
    markers << prevalent->sceneBoundingRect() << QRectF(timerPos, timer);
    for (int i = 0; i < 4; ++i) {
        around[i].keepClear = markers;
        for (int j = 0; j < 4; ++j) {
            if (j != i)
                around[i].keepClear << around[j].hand;
        }
        around[i].room = view;
        m_host->declaredView(i)->setSurroundings(around[i]);
    }

    m_host->cityView()->setLightPosition(frame.centre);
    for (int i = 0; i < 4; ++i) {
        m_host->discardView(i)->setLightPosition(frame.centre);
        m_host->declaredView(i)->setLightPosition(frame.centre);
        m_host->hiddenHandView(i)->setLightPosition(frame.centre);
    }
    hand->setLightPosition(frame.centre);
}

void GameTableLayout::placePondRows(const QPointF (&pos)[4], const QRectF &middle, int gap) const
{
    const bool riichiRules = riichi();
    double reach[4];
    for (int i = 0; i < 4; ++i) {
        const DiscardView *pond = m_host->discardView(i);
        reach[i] = pond->rowReach(riichiRules || pond->riichiIndex() >= 0);
    }
    // Where each pond's rows lie along its seat's edge.
    const auto overlap = [](double a0, double a1, double b0, double b1) { return a0 < b1 && b0 < a1; };
    const double x0 = pos[BOTTOM].x(), x0e = x0 + reach[BOTTOM];
    const double y1 = pos[RIGHT].y() - reach[RIGHT], y1e = pos[RIGHT].y();
    const double x2 = pos[TOP].x() - reach[TOP], x2e = pos[TOP].x();
    const double y3 = pos[LEFT].y(), y3e = y3 + reach[LEFT];
    // The ponds stand in a pinwheel: each one's rows grow away from its seat along the
    // row of the pond before it and stop short of the row of the next one.
    double room[4] = {pos[BOTTOM].y() - y3e - gap, pos[RIGHT].x() - x0e - gap, y1 - pos[TOP].y() - gap,
                      x2 - pos[LEFT].x() - gap};
    // Facing ponds whose rows lie across from each other share the way between them.
    if (overlap(x0, x0e, x2, x2e)) {
        const double half = (pos[BOTTOM].y() - pos[TOP].y() - gap) / 2;
        room[BOTTOM] = qMin(room[BOTTOM], half);
        room[TOP] = qMin(room[TOP], half);
    }
    if (overlap(y1, y1e, y3, y3e)) {
        const double half = (pos[RIGHT].x() - pos[LEFT].x() - gap) / 2;
        room[RIGHT] = qMin(room[RIGHT], half);
        room[LEFT] = qMin(room[LEFT], half);
    }
    // And none of them reaches the round wind in the middle.
    if (!middle.isEmpty()) {
        if (overlap(x0, x0e, middle.left(), middle.right()))
            room[BOTTOM] = qMin(room[BOTTOM], pos[BOTTOM].y() - middle.bottom() - gap);
        if (overlap(y1, y1e, middle.top(), middle.bottom()))
            room[RIGHT] = qMin(room[RIGHT], pos[RIGHT].x() - middle.right() - gap);
        if (overlap(x2, x2e, middle.left(), middle.right()))
            room[TOP] = qMin(room[TOP], middle.top() - pos[TOP].y() - gap);
        if (overlap(y3, y3e, middle.top(), middle.bottom()))
            room[LEFT] = qMin(room[LEFT], middle.left() - pos[LEFT].x() - gap);
    }
    for (int i = 0; i < 4; ++i)
        m_host->discardView(i)->setRowRoom(qMax(room[i], 1.0));
}

GameTableRegularLayout::GameTableRegularLayout(TableLayoutHost *host) : GameTableLayout(host)
{
    host->replaceCityView(std::make_unique<SquareCityView>(host->layoutScene()));
    host->cityView()->setTableInfo(host->layoutTableInfo());
    host->refreshCityView();
}

GameScale GameTableRegularLayout::baseFactors() const
{
    const int seats = seatCount();
    if (seats == 4 || (seats == 3 && wallTileCount() <= 108))
        return GameScale{0.85, 1.0, 1.1};
    return GameScale{1.0, 1.0, 1.25};
}

QSizeF GameTableRegularLayout::baseSize(const GameScale &g) const
{
    QSizeF city;
    if (auto *square = qobject_cast<SquareCityView *>(host()->cityView()))
        city = QSizeF(rounded(square->baseSize().width() * g.wall), rounded(square->baseSize().height() * g.wall));
    return tableBaseSize(g, city);
}

void GameTableRegularLayout::apply()
{
    auto *city = qobject_cast<SquareCityView *>(host()->cityView());
    if (!city)
        return;
    const QRectF view = host()->viewSceneRect();
    const QPointF centre(rounded(view.center().x()), rounded(view.center().y()));
    const GameScale g = TileGraphics::instance().gameScale();
    const int hh = handOverlap(g);
    const int overlap = static_cast<int>(std::ceil(ownOverlap(
        hh, tileThird(), truncated(meldDepth(BOTTOM) * g.table),
        firstRowReach(TileMetrics::gameSize, TileMetrics::gameRect),
        host()->handView()->rowArea(HiddenHandView::MaxTiles).height())));

    relayoutViews();
    city->setPos(QPoint(truncated(centre.x()) - city->width() / 2,
                        truncated(centre.y()) - (city->height() + city->depth() + overlap) / 2));

    Frame frame;
    frame.inner = city->innerRect().translated(city->pos());
    frame.bounds = city->boundingRect().translated(city->pos());
    frame.centre = centre;
    frame.handOverlap = hh;
    frame.handRight = frame.bounds.right();
    frame.stickScale = g.table;
    frame.meldShare = 0.5;
    frame.prevalentScale = g.wall * 1.4;
    frame.prevalentCentre = centre;
    frame.pondLift = looseTileRise() / 2;
    placeAround(frame, g);
}

GameTableCompactLayout::GameTableCompactLayout(TableLayoutHost *host) : GameTableLayout(host)
{
    host->replaceCityView(std::make_unique<CompactCityView>(host->layoutScene()));
    host->cityView()->setTableInfo(host->layoutTableInfo());
    host->refreshCityView();
}

GameScale GameTableCompactLayout::baseFactors() const
{
    return GameScale{0.75, 1.0, 1.0};
}

int GameTableCompactLayout::discardsPerSeat() const
{
    int seats = seatCount();
    if (seats <= 0 || seats > 4)
        seats = 4;
    return qMax((wallTileCount() - 1 - 11 * seats) / seats, 0);
}

bool GameTableLayout::riichi() const
{
    try {
        return RulesetInfoInstance(host()->layoutTableInfo().ruleset()).isRiichi() != 0;
    } catch (const std::exception &) {
        return false;
    }
}

QSizeF GameTableCompactLayout::discardArea(double tableFactor, int inset) const
{
    // The seats' discards stand as a pinwheel around the middle: the bottom row beside
    // the right seat's rows, the right seat's column above the bottom rows.
    const int n = discardsPerSeat();
    const QSize bottom = host()->discardView(BOTTOM)->discardAreaSize(n, riichi());
    const QSize right = host()->discardView(RIGHT)->discardAreaSize(n, riichi());
    // The ponds stand inset from the table's edges on both sides and leave room for the
    // round wind between them.
    const int middle = truncated(WindDiscSize * baseFactors().wall * tableFactor) + 2 * inset;
    return QSizeF(truncated((bottom.width() + right.width()) * tableFactor) + 2 * inset + middle,
                  truncated((bottom.height() + right.height()) * tableFactor) + 2 * inset + middle);
}

QSizeF GameTableCompactLayout::baseSize(const GameScale &g) const
{
    const QSizeF table = discardArea(g.table, truncated(TileMetrics::baseSize(BOTTOM, 5).width() * g.wall / 3));
    QSizeF wall;
    if (auto *compact = qobject_cast<CompactCityView *>(host()->cityView()))
        wall = QSizeF(rounded(compact->baseSize().width() * g.wall), rounded(compact->baseSize().height() * g.wall));
    const QSizeF size =
        tableBaseSize(g, QSizeF(qMax(table.width(), wall.width()), table.height() + wall.height()));
    // The own hand is wider than the table: it needs room for its full row and the
    // side seats beside it.
    const double handRow = HandRowTiles * TileMetrics::baseSize(BOTTOM, 3).width() * g.hand;
    const double sides = (meldDepth(LEFT) + meldDepth(RIGHT)) * g.table;
    // The side seats' riichi sticks run along the table from its corners.
    const double sticks = table.height() + wall.height() + 2 * stickLength(g.wall);
    return QSizeF(qMax(size.width(), double(truncated(handRow + sides))),
                  qMax(size.height(), double(truncated(sticks))));
}

void GameTableCompactLayout::apply()
{
    auto *city = qobject_cast<CompactCityView *>(host()->cityView());
    if (!city)
        return;
    const QRectF view = host()->viewSceneRect();
    const QPointF centre(rounded(view.center().x()), rounded(view.center().y()));
    const GameScale g = TileGraphics::instance().gameScale();

    relayoutViews();
    const int d = TileMetrics::gameSize(LEFT, 7).depth();
    const int cityHeight = truncated(city->boundingRect().height());
    const QSizeF area = discardArea(g.table, tileThird());
    const int a = truncated(area.width());
    const int b = truncated(area.height());
    const QRectF table(truncated(centre.x()) - a / 2, truncated(centre.y()) - (b + cityHeight) / 2, a, b);

    city->setPos(QPoint(rounded(table.x() + truncated((a - city->width()) * 0.5)),
                        rounded(table.y() + b - (2 * d) / 9)));

    Frame frame;
    frame.inner = table;
    frame.bounds = QRectF(table.x(), table.y(), a, b + cityHeight - (2 * d) / 9);
    frame.centre = centre;
    frame.handOverlap = handOverlap(g);
    // A hand wider than the table is centred below it.
    const int handRow = truncated(HandRowTiles * TileMetrics::gameSize(BOTTOM, 3).width());
    frame.handRight = qMax(frame.bounds.right(), centre.x() + handRow / 2);
    frame.stickScale = g.wall;
    frame.meldShare = 2.0 / 3.0;
    frame.prevalentScale = g.wall;
    frame.prevalentCentre = table.center();
    // The wall reaches into the table by two ninths of a tile's depth, its loose tiles
    // a depth higher.
    frame.pondLift = looseTileRise() + (2 * d) / 9;
    frame.rightPondLift = frame.pondLift;
    frame.prevalentHole = true;
    placeAround(frame, g);
}
