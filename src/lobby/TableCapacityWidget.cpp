#include "lobby/TableCapacityWidget.h"

#include <QPainter>
#include <QPalette>

TableCapacityWidget::TableCapacityWidget(QWidget *parent)
    : QWidget(parent)
{
}

void TableCapacityWidget::setCapacity(int seats, int players, int bots)
{
    m_capacity = TableCapacity(seats, players, bots);
    update();
    updateGeometry();
}

QSize TableCapacityWidget::sizeHint() const
{
    return m_capacity.sizeHint();
}

void TableCapacityWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_capacity.paint(&painter, rect(), QPalette(), Qt::AlignLeft | Qt::AlignVCenter);
}
