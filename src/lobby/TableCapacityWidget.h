#pragma once

#include "app/TableCapacity.h"

#include <QWidget>

// A row of seat icons: taken seats and free seats of a table.
class TableCapacityWidget : public QWidget
{
    Q_OBJECT

public:
    explicit TableCapacityWidget(QWidget *parent = nullptr);

    void setCapacity(int seats, int players, int bots);
    const TableCapacity &capacity() const { return m_capacity; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TableCapacity m_capacity;
};
