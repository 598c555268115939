#pragma once

#include <QBrush>
#include <QGraphicsItem>
#include <QPen>
#include <QPolygonF>
#include <QTransform>
#include <QVector>

#include <array>

// A small 3-D object: homogeneous points pushed through one 4×4 matrix (row
// vectors, q = p × M) and drawn as points (mode 0), lines (mode 1, pairs of
// points) or filled triangles (mode 2, triples), the triangles optionally
// textured in perspective. Back faces are skipped; a point that projects to
// infinity (w = 0) draws nothing.
class Object3DView : public QGraphicsItem
{
public:
    using point = std::array<double, 4>;

    explicit Object3DView(int mode, QGraphicsItem *parent = nullptr);

    void setMatrix(const double matrix[16]);
    void setPoints(const QVector<point> &points);
    void setBrush(const QBrush &brush);
    // Three texture points per triangle, in the brush's coordinates after its
    // own transform; mode 2 only.
    void setTextureCoordinates(const QPolygonF &texture);

    int mode() const { return m_mode; }
    int faceTransformCount() const { return m_faceTransforms.size(); }

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget) override;

private:
    point transformed(const point &p) const;
    static bool project(const point &q, QPointF &out);

    int m_mode;
    std::array<double, 16> m_matrix{};
    QVector<point> m_points;
    QPolygonF m_texture;
    QBrush m_brush{Qt::white};
    QPen m_pen;
    QVector<QTransform> m_faceTransforms;
};

// The spinning cube that the table shows while it waits: twelve triangles,
// their texture points (a strip of six unit squares, one per face) and the
// matrix after msecs of turning, centred at (100, 100) of the item.
namespace TableCube {

QVector<Object3DView::point> points();
QPolygonF textureCoordinates();
std::array<double, 16> matrix(qint64 msecs);

} // namespace TableCube
