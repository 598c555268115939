#include "table/sidebar/BugfixWidget.h"

#include <QPainter>
#include <QStyleOption>

BugfixWidget::BugfixWidget(QWidget *parent) : QWidget(parent) {}

BugfixWidget::~BugfixWidget() = default;

void BugfixWidget::paintEvent(QPaintEvent *)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
