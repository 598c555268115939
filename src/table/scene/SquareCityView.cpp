#include "table/scene/SquareCityView.h"

#include "app/TableInfo.h"
#include "app/wind.h"
#include "table/scene/WallView.h"

#include <QGraphicsScene>
#include <QtDebug>

namespace {

int positiveMod(int value, int n)
{
    const int m = value % n;
    return m < 0 ? m + n : m;
}

} // namespace

SquareCityView::SquareCityView(QGraphicsScene *scene) : m_scene(scene)
{
    buildWalls();
}

SquareCityView::~SquareCityView()
{
    for (WallView *wall : m_walls)
        delete wall;
}

void SquareCityView::buildWalls()
{
    for (int i = 0; i < 4; ++i) {
        delete m_walls[static_cast<size_t>(i)];
        auto *wall = new WallView(i, m_stacksPerSide);
        m_walls[static_cast<size_t>(i)] = wall;
        if (m_scene)
            m_scene->addItem(wall);
    }
}

void SquareCityView::setTableInfo(const TableInfo &info)
{
    m_rulesetId = info.ruleset();
    int stacks = m_stacksPerSide;
    try {
        stacks = info.wallStackLength();
    } catch (const std::exception &e) {
        qWarning() << "wall of rule set" << m_rulesetId << "kept:" << e.what();
    }
    bool rebuilt = false;
    if (stacks > 0 && stacks != m_stacksPerSide) {
        m_stacksPerSide = stacks;
        m_arrangement = stacks < 18 ? 1 : 0;
        buildWalls();
        rebuilt = true;
    }
    const int code = wallLayoutCodeOf(m_rulesetId);
    if (code != m_wallLayoutCode || rebuilt) {
        m_wallLayoutCode = code;
        setWall(m_wind, m_liveTiles, m_deadWallTiles, m_deadWallPosition, m_deadWallTilesDealt,
                m_doraIndicators);
        setPos(m_pos);
    }
}

void SquareCityView::setWall(int wind, int liveTiles, int deadWallTiles, int deadWallPosition,
                             int deadWallTilesDealt, const tile_vector &doraIndicators)
{
    const int L = m_stacksPerSide;
    const int n = 4 * L;
    // The counters come from the server: keep them inside the ring.
    m_wind = wind & 3;
    m_liveTiles = qBound(0, liveTiles, 2 * n);
    m_deadWallTiles = qBound(0, deadWallTiles, 2 * n);
    m_deadWallPosition = positiveMod(deadWallPosition, n);
    m_deadWallTilesDealt = qBound(0, deadWallTilesDealt, 2 * n);
    m_doraIndicators = doraIndicators;

    const int live = m_liveTiles;
    const int dead = m_deadWallTiles;
    const int position = m_deadWallPosition;
    const int dealt = m_deadWallTilesDealt;
    const bool before = live == 0 && dead == 0 && position == 0;
    Ring ring(n, before ? 6 : 8);
    std::map<int, tile> faceUp;
    int a = 0;
    int b = 0;
    if (!before) {
        const int s = position + dealt / 2;
        switch (m_wallLayoutCode) {
        case 0: {
            const int deadStart = 2 * position + dealt;
            ring.addTiles(deadStart, deadStart + dead);
            for (size_t j = 0; j < m_doraIndicators.size(); ++j)
                faceUp[ring.wrap(position + 2 + static_cast<int>(j))] = m_doraIndicators[j];
            ring.addTiles(deadStart + dead, deadStart + dead + live);
            a = s;
            b = s + (live + 1) / 2 + (dead + 1) / 2;
            break;
        }
        case 1:
        case 3: {
            const int k = qMax((dead + 1) / 2 - 1, 0);
            if (dead >= 13) {
                ring.addTiles(2 * s, 2 * (s + k));
                if (dead == 14)
                    ring.addTile(s + 1);
                ring.addTile(s + 4);
            } else {
                ring.addTiles(2 * position + dealt, 2 * position + dealt + dead);
            }
            ring.addTiles(2 * (s + k) + 2, 2 * (s + k) + 2 + live);
            a = dead == 13 ? s + 4 : dead == 14 ? s + 1 : s;
            b = s + (live + 1) / 2 + k;
            break;
        }
        default:
            ring.addTiles(2 * position + dealt, 2 * position + dealt + live);
            a = s;
            b = position + (dealt + live + 1) / 2 - 1 + n;
            break;
        }
        a = ring.wrap(a);
        b = ring.wrap(b);
    }
    for (int i = 0; i < 4; ++i)
        m_walls[static_cast<size_t>(i)]->setTiles(((i + m_wind) & 3) * L, ring.kinds(), faceUp);

    const int turn = (-m_wind) & 3;
    m_drawWall = (turn + b / L) % 4;
    m_drawStack = b % L;
    m_replacementWall = (turn + a / L) % 4;
    m_replacementStack = a % L;
}

void SquareCityView::addDoraIndicator(tile t)
{
    tile_vector doras = m_doraIndicators;
    doras.push_back(t);
    setWall(m_wind, m_liveTiles, m_deadWallTiles, m_deadWallPosition, m_deadWallTilesDealt, doras);
}

void SquareCityView::showCounters()
{
    setWall(m_wind, m_liveTiles, m_deadWallTiles, m_deadWallPosition, m_deadWallTilesDealt,
            m_doraIndicators);
}

TilePlacement SquareCityView::drawPlacement(bool replacement) const
{
    const int wallIndex = replacement ? m_replacementWall : m_drawWall;
    const WallView *w = wall(wallIndex);
    TilePlacement placement;
    placement.pos = w->pos() + w->tilePos(replacement ? m_replacementStack : m_drawStack);
    placement.kind = 5;
    placement.orientation = wallIndex;
    return placement;
}

void SquareCityView::setPos(const QPoint &pos)
{
    m_pos = pos;
    const int x = pos.x();
    const int y = pos.y();
    WallView *left = wall(LEFT);
    WallView *top = wall(TOP);
    WallView *right = wall(RIGHT);
    WallView *bottom = wall(BOTTOM);
    if (m_arrangement == 0) {
        left->setPos(x, y);
        top->setPos(x + left->width(), y);
        right->setPos(x + top->width(), y + top->height());
        bottom->setPos(x, y + left->height());
    } else {
        const int sw = width();
        const int sh = height();
        left->setPos(x, y + (sh - left->height()) / 2);
        top->setPos(x + (sw - top->width()) / 2, y);
        right->setPos(x + sw - right->width(), y + (sh - right->height()) / 2);
        bottom->setPos(x + (sw - bottom->width()) / 2, y + sh - bottom->height());
    }
}

int SquareCityView::width() const
{
    const int rightWidth = wall(RIGHT)->width();
    return (m_arrangement == 0 ? rightWidth : 2 * rightWidth) + wall(BOTTOM)->width();
}

int SquareCityView::height() const
{
    const int bottomHeight = wall(BOTTOM)->height();
    return (m_arrangement == 0 ? bottomHeight : 2 * bottomHeight) + wall(RIGHT)->height();
}

int SquareCityView::depth() const
{
    return wall(RIGHT)->depth();
}

QRectF SquareCityView::boundingRect() const
{
    return QRectF(0, 0, width(), height() + depth());
}

QRectF SquareCityView::innerRect() const
{
    const int rightWidth = wall(RIGHT)->width();
    const int bottomHeight = wall(BOTTOM)->height();
    return QRectF(rightWidth, bottomHeight + depth(), width() - 2 * rightWidth,
                  height() - 2 * bottomHeight - depth());
}

QSize SquareCityView::baseSize() const
{
    const int rightWidth = wall(RIGHT)->baseWidth();
    const int bottomHeight = wall(BOTTOM)->baseHeight();
    const int w = (m_arrangement == 0 ? rightWidth : 2 * rightWidth) + wall(BOTTOM)->baseWidth();
    const int h = (m_arrangement == 0 ? bottomHeight : 2 * bottomHeight) + wall(RIGHT)->baseHeight();
    return QSize(w, h + wall(RIGHT)->baseDepth());
}

void SquareCityView::setLightPosition(const QPointF &light)
{
    for (WallView *w : m_walls)
        w->setLightPosition(light);
}

void SquareCityView::relayout()
{
    for (WallView *w : m_walls)
        w->relayout();
    showCounters();
}
