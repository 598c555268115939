#include "table/scene/Object3DView.h"

#include <QPainter>

#include <cmath>

Object3DView::Object3DView(int mode, QGraphicsItem *parent)
    : QGraphicsItem(parent), m_mode(mode),
      m_pen(mode == 2 ? QPen(Qt::NoPen) : QPen(Qt::white))
{
}

void Object3DView::setMatrix(const double matrix[16])
{
    prepareGeometryChange();
    std::copy(matrix, matrix + 16, m_matrix.begin());
    update();
}

void Object3DView::setPoints(const QVector<point> &points)
{
    prepareGeometryChange();
    m_points = points;
    update();
}

void Object3DView::setBrush(const QBrush &brush)
{
    m_brush = brush;
    update();
}

void Object3DView::setTextureCoordinates(const QPolygonF &texture)
{
    if (m_mode != 2)
        return;
    m_faceTransforms.clear();
    if (texture.size() % 3 == 0) {
        m_texture = texture;
        for (int i = 0; i + 2 < texture.size(); i += 3) {
            const QPointF t0 = texture[i];
            const QPointF t1 = texture[i + 1];
            const QPointF t2 = texture[i + 2];
            const QTransform face(t0.x() - t1.x(), t0.y() - t1.y(), t0.x() - t2.x(),
                                  t0.y() - t2.y(), t0.x(), t0.y());
            m_faceTransforms.append(face.inverted());
        }
    } else {
        m_texture.clear();
    }
    update();
}

Object3DView::point Object3DView::transformed(const point &p) const
{
    point q{};
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i)
            q[j] += p[i] * m_matrix[i * 4 + j];
    return q;
}

bool Object3DView::project(const point &q, QPointF &out)
{
    if (q[3] == 0)
        return false;
    out = QPointF(q[0] / q[3], q[1] / q[3]);
    return std::isfinite(out.x()) && std::isfinite(out.y());
}

QRectF Object3DView::boundingRect() const
{
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    bool any = false;
    for (const point &p : m_points) {
        QPointF s;
        if (!project(transformed(p), s))
            continue;
        if (!any) {
            left = right = s.x();
            top = bottom = s.y();
            any = true;
        } else {
            left = std::min(left, s.x());
            right = std::max(right, s.x());
            top = std::min(top, s.y());
            bottom = std::max(bottom, s.y());
        }
    }
    if (!any)
        return QRectF();
    const double margin = m_pen.style() == Qt::NoPen ? 0 : m_pen.widthF() / 2;
    return QRectF(QPointF(left, top), QPointF(right, bottom))
        .adjusted(-margin, -margin, margin, margin);
}

void Object3DView::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    const int n = m_points.size();
    if (m_mode == 0) {
        painter->setPen(m_pen);
        for (const point &p : m_points) {
            QPointF s;
            if (project(transformed(p), s))
                painter->drawPoint(s);
        }
        return;
    }
    if (m_mode == 1) {
        if (n % 2 != 0)
            return;
        painter->setPen(m_pen);
        for (int k = 0; k + 1 < n; k += 2) {
            QPointF a;
            QPointF b;
            if (project(transformed(m_points[k]), a) && project(transformed(m_points[k + 1]), b))
                painter->drawLine(a, b);
        }
        return;
    }
    if (m_mode != 2 || n % 3 != 0)
        return;

    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(Qt::NoPen);
    const QTransform brushTransform = m_brush.transform();
    for (int k = 0; k * 3 < n; ++k) {
        const point q0 = transformed(m_points[3 * k]);
        const point q1 = transformed(m_points[3 * k + 1]);
        const point q2 = transformed(m_points[3 * k + 2]);
        QPointF s0;
        QPointF s1;
        QPointF s2;
        if (!project(q0, s0) || !project(q1, s1) || !project(q2, s2))
            continue;
        if ((s0.y() - s2.y()) * (s0.x() - s1.x()) - (s0.y() - s1.y()) * (s0.x() - s2.x()) < 0)
            continue;
        QBrush brush = m_brush;
        if (k < m_faceTransforms.size()) {
            const QTransform screen(q0[0] - q1[0], q0[1] - q1[1], q0[3] - q1[3],
                                    q0[0] - q2[0], q0[1] - q2[1], q0[3] - q2[3],
                                    q0[0], q0[1], q0[3]);
            brush.setTransform(brushTransform * m_faceTransforms[k] * screen);
        }
        painter->setBrush(brush);
        const QPointF triangle[3] = {s0, s1, s2};
        painter->drawPolygon(triangle, 3);
    }
}

namespace TableCube {

QVector<Object3DView::point> points()
{
    static const Object3DView::point corners[8] = {
        {1, 1, 1, 1},   {-1, 1, 1, 1},   {-1, 1, -1, 1},  {1, 1, -1, 1},
        {1, -1, 1, 1},  {-1, -1, 1, 1},  {-1, -1, -1, 1}, {1, -1, -1, 1},
    };
    static const int triangles[12][3] = {
        {0, 1, 2}, {2, 3, 0}, {5, 4, 7}, {7, 6, 5}, {4, 5, 1}, {1, 0, 4},
        {6, 7, 3}, {3, 2, 6}, {5, 6, 2}, {2, 1, 5}, {7, 4, 0}, {0, 3, 7},
    };
    QVector<Object3DView::point> result;
    for (const auto &triangle : triangles)
        for (const int corner : triangle)
            result.append(corners[corner]);
    return result;
}

QPolygonF textureCoordinates()
{
    QPolygonF result;
    for (int i = 0; i < 6; ++i) {
        result << QPointF(i, 0) << QPointF(i + 1, 0) << QPointF(i + 1, 1);
        result << QPointF(i + 1, 1) << QPointF(i, 1) << QPointF(i, 0);
    }
    return result;
}

std::array<double, 16> matrix(qint64 msecs)
{
    using Matrix = std::array<double, 16>;
    const auto multiply = [](const Matrix &a, const Matrix &b) {
        Matrix c{};
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                for (int k = 0; k < 4; ++k)
                    c[i * 4 + j] += a[i * 4 + k] * b[k * 4 + j];
        return c;
    };
    const double pi = 3.14159265358979323846;
    const double b = msecs * 90.0 / 2000.0 * pi / 180.0;
    const double a = msecs * 73.0 / 2000.0 * pi / 180.0;

    const Matrix aboutX = {1, 0, 0, 0, 0, std::cos(b), -std::sin(b), 0,
                           0, std::sin(b), std::cos(b), 0, 0, 0, 0, 1};
    const Matrix aboutY = {std::cos(a), 0, std::sin(a), 0, 0, 1, 0, 0,
                           -std::sin(a), 0, std::cos(a), 0, 0, 0, 0, 1};
    const Matrix back = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 5, 1};
    const Matrix perspective = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0.5, 0, 0, 0, 0};
    const Matrix screen = {100, 0, 0, 0, 0, 100, 0, 0, 0, 0, 1, 0, 100, 100, 0, 1};
    return multiply(multiply(multiply(multiply(aboutX, aboutY), back), perspective), screen);
}

} // namespace TableCube
