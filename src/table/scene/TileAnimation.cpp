#include "table/scene/TileAnimation.h"

#include "table/scene/TileMetrics.h"
#include "table/scene/TileView.h"

#include <QGraphicsScene>
#include <QTimeLine>

namespace {

// Just before the start step: the tile is not turned yet.
constexpr double BeforeStart = 0.00001;

} // namespace

TileAnimation::TileAnimation(QGraphicsScene *scene, QTimeLine *timeLine, int kind, int from, int to,
                             double startStep, double endStep)
    : m_tile(std::make_unique<TileView>(from, kind)),
      m_scene(scene),
      m_from(from),
      m_to(to),
      m_startStep(startStep),
      m_endStep(endStep),
      m_targetKind(kind)
{
    m_tile->setZValue(m_startZ);
    if (m_scene)
        m_scene->addItem(m_tile.get());
    setItem(m_tile.get());
    setTimeLine(timeLine);

    if (startStep > 0) {
        setRotationAt(0.0, 0.0);
        setRotationAt(startStep - BeforeStart, 0.0);
    }
    setRotationAt(startStep, startAngle());
    setRotationAt(endStep, 0.0);

    const QPointF half = halfSize(from, kind);
    setTranslationAt(0.0, -half.x(), -half.y());
    centre(half, 1.0);
}

TileAnimation::~TileAnimation()
{
    if (m_tile && m_tile->scene())
        m_tile->scene()->removeItem(m_tile.get());
}

double TileAnimation::startAngle() const
{
    // A tile lying face up or standing in the own hand may turn upside down; any other
    // kind looks the same from both ends and only turns by a quarter.
    if (m_targetKind == 0 || m_targetKind == 3) {
        int d = (m_to - m_from) & 3;
        if (d == 3)
            d = -1;
        return d * 90.0;
    }
    return ((m_to - m_from) & 1) * 90.0;
}

QPointF TileAnimation::halfSize(int orientation, int kind) const
{
    const QRectF rect = TileMetrics::gameRect(orientation, kind);
    return QPointF(rect.width() / 2, rect.height() / 2);
}

void TileAnimation::centre(const QPointF &half, double scale)
{
    m_tile->setTransform(QTransform().scale(scale, scale).translate(-half.x(), -half.y()));
}

void TileAnimation::setTile(tile t)
{
    m_tile->setTile(t);
}

void TileAnimation::setZValue(double z)
{
    m_tile->setZValue(z);
}

void TileAnimation::setStartPos(const QPointF &topLeft)
{
    const QPointF c = topLeft + halfSize(m_from, m_tile->kind());
    m_tile->setPos(c);
    setPosAt(0.0, c);
    setPosAt(m_startStep, c);
}

void TileAnimation::setEndPos(const QPointF &topLeft)
{
    setPosAt(m_endStep, topLeft + halfSize(m_to, m_targetKind));
}

void TileAnimation::setStartScale(double scale)
{
    if (m_startStep == 0.0)
        centre(halfSize(m_tile->orientation(), m_tile->kind()), scale);
    else
        setScaleAt(0.0, scale, scale); // kept while the tile waits for its start
    setScaleAt(m_startStep, scale, scale);
}

void TileAnimation::setEndScale(double scale)
{
    setScaleAt(m_endStep, scale, scale);
}

void TileAnimation::setStartZValue(double z)
{
    if (m_startStep == 0.0)
        m_tile->setZValue(z);
    m_startZ = z;
}

void TileAnimation::setEndZValue(double z)
{
    m_endZ = z;
}

void TileAnimation::afterAnimationStep(qreal step)
{
    if (step >= m_startStep) {
        bool changed = false;
        if (m_tile->orientation() != m_to) {
            const QPointF half = halfSize(m_to, m_tile->kind());
            setTranslationAt(0.0, -half.x(), -half.y());
            m_tile->setOrientation(m_to);
            changed = true;
        }
        if (m_tile->kind() != m_targetKind) {
            const QPointF half = halfSize(m_tile->orientation(), m_targetKind);
            setTranslationAt(0.0, -half.x(), -half.y());
            m_tile->setKind(m_targetKind);
            changed = true;
        }
        if (changed)
            m_tile->setTransform(transformAt(step));
    }
    const double z = step >= m_endStep ? m_endZ : step >= m_startStep ? m_startZ : m_tile->zValue();
    if (m_tile->zValue() != z)
        m_tile->setZValue(z);
}
