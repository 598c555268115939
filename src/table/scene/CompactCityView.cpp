#include "table/scene/CompactCityView.h"

#include "app/TableInfo.h"
#include "app/wind.h"
#include "table/scene/WallView.h"

#include <QBrush>
#include <QFont>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>

namespace {

// The dead wall takes stacks 0 to 6, the last live tiles 7 and 8.
constexpr int LiveStart = 14;
constexpr int LiveShown = 4;
// MCR has no dead wall: the whole row shows live tiles.
constexpr int AllLiveShown = 18;

} // namespace

CompactCityView::CompactCityView(QGraphicsScene *scene)
    : m_wall(new WallView(BOTTOM, Stacks)),
      m_counter(new QGraphicsSimpleTextItem),
      m_counterShadow(new QGraphicsSimpleTextItem)
{
    QFont font;
    font.setPixelSize(18);
    font.setWeight(QFont::DemiBold);
    m_counter->setFont(font);
    m_counter->setZValue(2);
    // Light enough to read on the felt of every skin.
    m_counter->setBrush(QColor(255, 255, 255, 200));
    retranslate();
    m_counterShadow->setFont(font);
    m_counterShadow->setZValue(1);
    m_counterShadow->setBrush(QColor(0, 0, 0, 64));
    if (scene) {
        scene->addItem(m_wall);
        scene->addItem(m_counter);
        scene->addItem(m_counterShadow);
    }
}

CompactCityView::~CompactCityView()
{
    delete m_counterShadow;
    delete m_counter;
    delete m_wall;
}

void CompactCityView::retranslate()
{
    m_counter->setToolTip(tr("Remaining tiles"));
}

void CompactCityView::setTableInfo(const TableInfo &info)
{
    m_rulesetId = info.ruleset();
    const int code = wallLayoutCodeOf(m_rulesetId);
    if (code == m_wallLayoutCode)
        return;
    m_wallLayoutCode = code;
    showCounters();
    m_wall->setPos(m_pos);
    placeCounter();
}

void CompactCityView::setWall(int, int liveTiles, int deadWallTiles, int, int deadWallTilesDealt,
                              const tile_vector &doraIndicators)
{
    m_liveTiles = qMax(liveTiles, 0);
    m_deadWallTiles = qMax(deadWallTiles, 0);
    m_deadWallTilesDealt = qBound(0, deadWallTilesDealt, LiveStart);
    m_doraIndicators = doraIndicators;
    const int live = m_liveTiles;
    const int dead = m_deadWallTiles;

    const QString text = live == 0 && dead == 0 ? QString() : QString::number(live);
    m_counter->setText(text);
    m_counterShadow->setText(text);
    placeCounter();

    Ring ring(Stacks, 8);
    std::map<int, tile> faceUp;
    if (live != 0 || dead != 0) {
        switch (m_wallLayoutCode) {
        case 0:
            ring.addTiles(m_deadWallTilesDealt, LiveStart);
            for (size_t j = 0; j < m_doraIndicators.size() && j + 2 < Stacks; ++j)
                faceUp[static_cast<int>(j) + 2] = m_doraIndicators[j];
            ring.addTiles(LiveStart, LiveStart + qMin(live, LiveShown));
            break;
        case 1:
        case 3:
            if (dead >= 13) {
                ring.addTiles(0, 12);
                if (dead == 14)
                    ring.addTile(1);
                ring.addTile(4);
            } else {
                ring.addTiles(0, dead);
            }
            ring.addTiles(LiveStart, LiveStart + qMin(live, LiveShown));
            break;
        default:
            ring.addTiles(0, qMin(live, AllLiveShown));
            break;
        }
    }
    m_wall->setTiles(0, ring.kinds(), faceUp);
}

void CompactCityView::addDoraIndicator(tile t)
{
    tile_vector doras = m_doraIndicators;
    doras.push_back(t);
    setWall(EAST, m_liveTiles, m_deadWallTiles, 0, m_deadWallTilesDealt, doras);
}

void CompactCityView::showCounters()
{
    setWall(EAST, m_liveTiles, m_deadWallTiles, 0, m_deadWallTilesDealt, m_doraIndicators);
}

TilePlacement CompactCityView::drawPlacement(bool replacement) const
{
    TilePlacement placement;
    placement.pos = QPointF(m_pos) + m_wall->tilePos(replacement ? 0 : Stacks - 1);
    placement.kind = 5;
    placement.orientation = BOTTOM;
    return placement;
}

void CompactCityView::setPos(const QPoint &pos)
{
    m_pos = pos;
    m_wall->setPos(pos);
    placeCounter();
}

QRectF CompactCityView::boundingRect() const
{
    return QRectF(0, 0, m_wall->width(), m_wall->height() + m_wall->depth());
}

QSize CompactCityView::baseSize() const
{
    return QSize(m_wall->baseWidth(), m_wall->baseHeight() + m_wall->baseDepth());
}

int CompactCityView::width() const
{
    return m_wall->width();
}

void CompactCityView::setLightPosition(const QPointF &light)
{
    m_wall->setLightPosition(light);
}

void CompactCityView::rescale()
{
    m_wall->relayout();
    showCounters();
    const double f = m_wall->height() / 24.0;
    m_counter->setTransform(QTransform::fromScale(f, f));
    m_counterShadow->setTransform(QTransform::fromScale(f, f));
    m_wall->setPos(m_pos);
    placeCounter();
}

void CompactCityView::placeCounter()
{
    const int d = m_wall->depth();
    const int h = m_wall->height() + d;
    // The counter is centred on the wall as it is drawn, scaled with it.
    const double t = m_counter->transform().mapRect(m_counter->boundingRect()).height();
    const QPointF textPos(m_pos.x() + m_wall->width() + d / 2, m_pos.y() + static_cast<int>((h - t) * 0.5));
    m_counter->setPos(textPos);
    const int s = static_cast<int>(m_wall->height() * 0.125);
    m_counterShadow->setPos(textPos + QPointF(s, s));
}
