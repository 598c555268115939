#include "ui/GraphWidget.h"

#include <QPainter>
#include <QPen>
#include <QPointF>

#include <algorithm>

GraphWidget::GraphWidget(QWidget *parent)
    : QFrame(parent)
{
}

void GraphWidget::setSamples(const std::deque<int> &samples)
{
    m_samples.assign(samples.begin(), samples.end());
    const auto [low, high] = std::minmax_element(m_samples.begin(), m_samples.end());
    m_minimum = m_samples.empty() ? 0 : *low;
    m_maximum = m_samples.empty() ? 0 : *high;
    update();
}

void GraphWidget::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    const std::size_t n = m_samples.size();
    if (n < 2)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(foregroundRole()), 1.5));
    const double w = width();
    const double h = height();
    // With every sample at 0 there is no height to scale by: the line lies on the
    // bottom row of pixels.
    const double top = double(m_maximum);
    auto point = [&](std::size_t i) {
        const double x = w * double(i) / double(n - 1);
        const double y = top > 0 ? (top - m_samples[i]) * h / top : h - 0.5;
        return QPointF(x, y);
    };
    for (std::size_t i = 1; i < n; ++i)
        painter.drawLine(point(i - 1), point(i));
}
