#pragma once

#include "app/tile.h"

#include <QGraphicsItemAnimation>

#include <memory>

class QGraphicsScene;
class QTimeLine;
class TileView;

// One flying tile on the scene, driven by the time line of the animation that owns it.
// Between its start and end steps it moves from its start to its end position, scales
// and turns from its source orientation into its target orientation, and takes its
// target display kind. Positions are the top-left corners of the views' placements;
// the tile itself is moved by its centre.
class TileAnimation : public QGraphicsItemAnimation
{
public:
    TileAnimation(QGraphicsScene *scene, QTimeLine *timeLine, int kind, int from, int to,
                  double startStep, double endStep);
    // Takes the tile out of the scene.
    ~TileAnimation() override;

    void setTile(tile t);
    void setZValue(double z);
    void setStartPos(const QPointF &topLeft);
    void setEndPos(const QPointF &topLeft);
    void setStartScale(double scale);
    void setEndScale(double scale);
    void setStartZValue(double z);
    void setEndZValue(double z);

    TileView *tileItem() const { return m_tile.get(); }
    double startStep() const { return m_startStep; }
    double endStep() const { return m_endStep; }
    // The turn of the tile at its start step, in degrees.
    double startAngle() const;

protected:
    void afterAnimationStep(qreal step) override;

private:
    QPointF halfSize(int orientation, int kind) const;
    void centre(const QPointF &half, double scale);

    std::unique_ptr<TileView> m_tile;
    QGraphicsScene *m_scene;
    int m_from;
    int m_to;
    double m_startStep;
    double m_endStep;
    int m_targetKind;
    double m_startZ = 200.0;
    double m_endZ = 200.0;
};
